// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/common/AnswerEffects.h"

#include <cmath>
#include <numbers>

#include "platform/Canvas.h"
#include "platform/Clock.h"

void StarBurst::LoadPicture(const std::string& folderAndPrefix)
{
    star_.LoadPair(folderAndPrefix + "gwiazdkaB.xji", folderAndPrefix + "gwiazdkaW.xji");
}

void StarBurst::Start(TPoint centre, int radius)
{
    centre_ = centre;
    radius_ = radius;
    frame_ = 0;
}

TRect StarBurst::Draw(Bitmap& scene)
{
    if (!Active() || !star_.Colour || !star_.Mask)
        return {};
    const int w = star_.Colour->Width(), h = star_.Colour->Height();
    // Out fast, then slower (a quarter circle of ease), fading in the last half.
    const double t = static_cast<double>(frame_ + 1) / kFrames;
    const int distance = static_cast<int>(radius_ * (1 - (1 - t) * (1 - t)));
    const int opacity = frame_ < kFrames / 2 ? 255 : 255 * (kFrames - frame_) / (kFrames / 2 + 1);
    TPoint at[kStars];
    TRect covered;
    for (int i = 0; i < kStars; ++i) {
        const double angle = (i + 0.5) * 2 * std::numbers::pi / kStars;
        at[i] = {centre_.x + static_cast<int>(std::lround(distance * std::cos(angle))) - w / 2,
                 centre_.y + static_cast<int>(std::lround(distance * std::sin(angle))) - h / 2};
        covered = Covering(covered, RectXYWH(at[i].x, at[i].y, w, h));
    }
    ++frame_;
    const TRect kept = overlay_.Keep(scene, covered);
    for (const TPoint& p : at) {
        const TRect visible = RectXYWH(p.x, p.y, w, h).Intersect(scene.Bounds());
        if (visible.IsEmpty())
            continue;
        // Placed by the star's own corner, so that a star the scene's edge
        // cuts is drawn where it is, not moved in by the part cut off.
        BlendTransparent(&scene, p.x, p.y, opacity, p.y, p.x, &scene, visible.Offset(-p.x, -p.y), star_.Mask.get(),
                         star_.Colour.get());
    }
    return kept;
}

void StarBurst::Play(TCanvas& canvas, Bitmap& scene)
{
    while (Active()) {
        const TRect old = Erase(scene);
        const TRect r = Covering(old, Draw(scene));
        canvas.CopyRect(r, scene, r);
        TheClock().Sleep(kFrameMs);
    }
    const TRect last = Erase(scene);
    canvas.CopyRect(last, scene, last);
}

TRect RedFlash::Draw(Bitmap& scene, const Bitmap& mask, int x, int y, TRect clip)
{
    if (!Active())
        return {};
    // Two soft pulses.
    const int phase = frame_ % (kFrames / 2);
    const int opacity = 60 + 30 * (phase < kFrames / 4 ? phase : kFrames / 2 - phase);
    ++frame_;
    const TRect r = RectXYWH(x, y, mask.Width(), mask.Height()).Intersect(clip).Intersect(scene.Bounds());
    for (int row = r.top; row < r.bottom; ++row)
        DrawColour(scene, r.left, row, opacity, r, RGB(230, 30, 30), mask.ScanLine(row - y) + (r.left - x),
                   r.Width(), 1);
    return r;
}
