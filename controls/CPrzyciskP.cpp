// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Image buttons over a still background.
#include "controls/CPrzyciskP.h"

#include "platform/Canvas.h"

namespace {

// How much of a disabled button's own colour is left: the rest is its grey
// and the background, so it reads as "not now" on any scene.
constexpr int kDimColourPercent = 20;
constexpr int kDimGreyPercent = 35;

}  // namespace

CPrzyciskP::CPrzyciskP(TForm& form, std::string_view baseName, TCanvas& target, const Bitmap& background,
                       int left, int top, TAction* action)
    : ImageButtonBase(form, baseName, left, top),
      target_(&target),
      background_(&background),
      buffer_(Width(), Height())
{
    if (action != nullptr)
        SetAction(action);
    Cursor = crHand;
    SetReady();
}

void CPrzyciskP::SetPosition(int left, int top)
{
    SetBounds(left < 0 ? Left() : left, top < 0 ? Top() : top, Width(), Height());
}

void CPrzyciskP::SetVisible(bool visible)
{
    if (visible == Visible())
        return;
    TControl::SetVisible(visible);
    if (!Ready())
        return;
    if (visible)
        ShowState(ButtonState::Normal);
    else
        target_->CopyRect(BoundsRect(), *background_, BoundsRect());
}

void CPrzyciskP::Refresh()
{
    if (Ready() && Visible())
        ShowState(ButtonState::Normal);
}

void CPrzyciskP::Paint(TCanvas&)
{
    if (Ready())
        ShowState(ButtonState::Normal);
}

void CPrzyciskP::DrawState(ButtonState state)
{
    const TRect local = buffer_.Bounds();
    buffer_.CopyRect(local, *background_, BoundsRect());
    const bool enabled = Enabled();
    Pictures().Compose(buffer_, 0, 0, enabled ? state : ButtonState::Normal);
    if (!enabled)
        Dim();
    target_->CopyRect(BoundsRect(), buffer_, local);
}

void CPrzyciskP::Dim()
{
    // Pixels where the picture left the background as it was stay untouched.
    for (int y = 0; y < buffer_.Height(); ++y)
        for (int x = 0; x < buffer_.Width(); ++x) {
            const TColor under = background_->GetPixel(Left() + x, Top() + y);
            const TColor c = buffer_.GetPixel(x, y);
            if (c == under)
                continue;
            const int grey = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
            const int rest = 100 - kDimColourPercent - kDimGreyPercent;
            auto mix = [&](int own, int back) { return (own * kDimColourPercent + grey * kDimGreyPercent + back * rest) / 100; };
            buffer_.SetPixel(x, y, RGB(mix(GetRValue(c), GetRValue(under)), mix(GetGValue(c), GetGValue(under)),
                                       mix(GetBValue(c), GetBValue(under))));
        }
}
