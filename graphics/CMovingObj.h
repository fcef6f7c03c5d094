// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Moves one sprite over a scene without flicker: only the part of the scene
// the sprite uncovers is restored, and the sprite is composed over the clean
// background in a scratch bitmap before it reaches the canvas.
#pragma once

#include <functional>

#include "platform/Bitmap.h"

class TCanvas;

class CMovingObj {
public:
    // Draws the sprite into the scratch bitmap with its top-left at (x, y).
    using PaintProc = std::function<void(void* userData, Bitmap& scratch, int x, int y)>;

    CMovingObj() = default;
    CMovingObj(const CMovingObj&) = delete;
    CMovingObj& operator=(const CMovingObj&) = delete;

    // Starts a drag or glide of the sprite at rect, grabbed at (grabX, grabY)
    // in canvas coordinates. canvas and background must outlive the move.
    void Begin(TRect rect, int grabX, int grabY, Bitmap* canvas, const Bitmap* background, PaintProc paint,
               void* userData);
    // The same on a window's canvas (a paint box), so that every move shows
    // at once; the background is in the canvas's coordinates.
    void Begin(TRect rect, int grabX, int grabY, TCanvas* window, const Bitmap* background, PaintProc paint,
               void* userData);
    // Moves the sprite so that its grab point is at (x, y).
    void MoveTo(int x, int y);
    // Carries the sprite's top-left to the target along a braking curve in
    // steps moves, sleeping durationMs / steps after each.
    void Glide(int targetLeft, int targetTop, int durationMs, int steps);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int StartLeft() const { return startLeft_; }
    int StartTop() const { return startTop_; }
    int GrabX() const { return grabX_; }
    int GrabY() const { return grabY_; }
    const Bitmap& Scratch() const { return scratch_; }

private:
    int startLeft_ = 0;
    int startTop_ = 0;
    int grabX_ = 0;
    int grabY_ = 0;
    int left_ = 0;
    int top_ = 0;
    const Bitmap* background_ = nullptr;
    Bitmap* canvas_ = nullptr;
    TCanvas* window_ = nullptr;
    Bitmap scratch_;
    PaintProc paint_;
    void* userData_ = nullptr;
};
