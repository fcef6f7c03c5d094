// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The running-recording sign of the recording tab.
#include "recording/RecordingIndicator.h"

#include <algorithm>
#include <cmath>

#include "platform/Canvas.h"

namespace {

constexpr TColor kDotColour = RGB(220, 30, 30);
constexpr TColor kTextColour = RGB(120, 20, 20);

// A filled disc with a soft edge, blended over the picture.
void Disc(Bitmap& picture, double cx, double cy, double r, TColor colour)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const double cover = std::clamp(r + 0.5 - d, 0.0, 1.0);
            if (cover <= 0)
                continue;
            const TColor under = picture.GetPixel(x, y);
            auto mix = [cover](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * cover)); };
            picture.SetPixel(x, y,
                             RGB(mix(GetRValue(under), GetRValue(colour)), mix(GetGValue(under), GetGValue(colour)),
                                 mix(GetBValue(under), GetBValue(colour))));
        }
}

}  // namespace

RecordingIndicator::RecordingIndicator(TCanvas& target, const Bitmap& background)
    : target_(&target), background_(&background), timer_([this] { Draw(); }, kBlinkMs / 2, false)
{
}

void RecordingIndicator::SetPlace(TRect area)
{
    area_ = area;
}

void RecordingIndicator::Start()
{
    startMs_ = TheClock().Milliseconds();
    running_ = true;
    timer_.SetEnabled(true);
    Draw();
}

void RecordingIndicator::Stop()
{
    if (!running_)
        return;
    running_ = false;
    timer_.SetEnabled(false);
    target_->CopyRect(area_, *background_, area_);
}

int RecordingIndicator::Seconds() const
{
    return running_ ? static_cast<int>((TheClock().Milliseconds() - startMs_) / 1000) : 0;
}

bool RecordingIndicator::DotShown() const
{
    return running_ && (TheClock().Milliseconds() - startMs_) / kBlinkMs % 2 == 0;
}

std::string RecordingIndicator::TimeText(int seconds)
{
    const int s = std::max(0, seconds);
    const int rest = s % 60;
    return std::to_string(s / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

void RecordingIndicator::Draw()
{
    if (!running_ || area_.IsEmpty())
        return;
    Bitmap picture(area_.Width(), area_.Height());
    picture.CopyRect(picture.Bounds(), *background_, area_);
    const int h = area_.Height();
    const double r = h * 0.22;
    if (DotShown())
        Disc(picture, r + 2, h / 2.0, r, kDotColour);
    TCanvas canvas(picture);
    canvas.Font.Name = "Arial Black";
    canvas.Font.Height = std::max(8, h * 9 / 20);
    canvas.Font.Color = kTextColour;
    canvas.Brush.Clear = true;
    const std::string text = TimeText(Seconds());
    canvas.TextOut(static_cast<int>(2 * r) + 2 + h / 6, (h - canvas.TextHeight(text)) / 2, text);
    target_->CopyRect(area_, picture, picture.Bounds());
}
