// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sprite mover of dragged and gliding pictures.
#include "graphics/CMovingObj.h"

#include <algorithm>

#include "graphics/Chamowanie.h"
#include "graphics/Universalfn.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"

void CMovingObj::Begin(TRect rect, int grabX, int grabY, Bitmap* canvas, const Bitmap* background, PaintProc paint,
                       void* userData)
{
    const int width = std::max(rect.Width(), 0);
    const int height = std::max(rect.Height(), 0);
    if (scratch_.Width() != width || scratch_.Height() != height || scratch_.Format() != PixelFormat::Bgr24)
        scratch_ = Bitmap(width, height, PixelFormat::Bgr24);
    paint_ = std::move(paint);
    userData_ = userData;
    canvas_ = canvas;
    window_ = nullptr;
    background_ = background;
    startLeft_ = left_ = rect.left;
    startTop_ = top_ = rect.top;
    grabX_ = grabX - rect.left;
    grabY_ = grabY - rect.top;
}

void CMovingObj::Begin(TRect rect, int grabX, int grabY, TCanvas* window, const Bitmap* background, PaintProc paint,
                       void* userData)
{
    Begin(rect, grabX, grabY, static_cast<Bitmap*>(nullptr), background, std::move(paint), userData);
    window_ = window;
}

void CMovingObj::MoveTo(int x, int y)
{
    if ((canvas_ == nullptr && window_ == nullptr) || background_ == nullptr)
        return;
    const int newLeft = x - grabX_;
    const int newTop = y - grabY_;
    const TRect oldRect = RectXYWH(left_, top_, scratch_.Width(), scratch_.Height());
    const TRect newRect = RectXYWH(newLeft, newTop, scratch_.Width(), scratch_.Height());
    if (canvas_ != nullptr) {
        RestoreUncovered(*canvas_, *background_, newLeft, newTop, oldRect);
    } else {
        for (const TRect& r : UncoveredBands(newLeft, newTop, oldRect)) {
            const TRect inside = r.Intersect(background_->Bounds());
            if (!inside.IsEmpty())
                window_->CopyRect(inside, *background_, inside);
        }
    }
    // Parts of the new place outside the background stay black in the scratch.
    scratch_.Fill(clBlack);
    scratch_.CopyRect(scratch_.Bounds(), *background_, newRect);
    if (paint_)
        paint_(userData_, scratch_, 0, 0);
    if (canvas_ != nullptr)
        canvas_->CopyRect(newRect, scratch_, scratch_.Bounds());
    else
        window_->CopyRect(newRect, scratch_, scratch_.Bounds());
    left_ = newLeft;
    top_ = newTop;
}

void CMovingObj::Glide(int targetLeft, int targetTop, int durationMs, int steps)
{
    if (steps < 1)
        steps = 1;
    const int delay = durationMs / steps;
    Chamowanie cx, cy;
    cx.StartCube(static_cast<float>(left_ + grabX_), static_cast<float>(targetLeft + grabX_), steps);
    cy.StartCube(static_cast<float>(top_ + grabY_), static_cast<float>(targetTop + grabY_), steps);
    for (int i = 0; i < steps; ++i) {
        const float x = cx.Next();
        const float y = cy.Next();
        MoveTo(static_cast<int>(x + 0.5f), static_cast<int>(y + 0.5f));
        TheClock().Sleep(delay);
    }
}
