// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recording panel's position indicator: a thumb moved in steps along a
// vertical track, one step per scrolled row.
#pragma once

#include <memory>

#include "platform/Bitmap.h"

class CScrollBut;
class TAction;
class TCanvas;
class TForm;

class CScrollBar {
public:
    static constexpr int kStepsPerTrack = 22;

    // Raises CBlad code 1 when the thumb's pictures are missing.
    CScrollBar(TForm& owner, int x, int y, TCanvas& canvas, const Bitmap& background);
    ~CScrollBar();
    CScrollBar(const CScrollBar&) = delete;
    CScrollBar& operator=(const CScrollBar&) = delete;

    // Puts the thumb at the track's top; a step is the track's 22nd part.
    void Layout(int x, int yTop, int yBottom);
    void StepDown();
    void StepUp();
    void Show();
    void Hide();

    int X() const { return x_; }
    int Y() const { return y_; }
    int Step() const { return step_; }
    int Counter() const { return counter_; }
    CScrollBut& Thumb() { return *thumb_; }

private:
    void MoveThumb();

    int x_;
    int y_;
    int counter_ = 0;
    int step_ = 8;
    std::unique_ptr<TAction> nothing_;
    std::unique_ptr<CScrollBut> thumb_;
};
