// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer moved out of the way in the games steered with the arrow keys:
// after a number of frames in a row with an arrow key held and the mouse
// left alone, the pointer goes to the game area's corner, once, so that it
// does not stand over the crane or the truck.
#pragma once

#include "platform/Bitmap.h"

class KeyboardPointerPark {
public:
    static constexpr int kFramesBeforePark = 40;

    explicit KeyboardPointerPark(int framesBeforePark = kFramesBeforePark);

    // Counts one frame; true on the frame the pointer is to be parked (the
    // count reaching the limit), false before and after it.
    bool Frame(bool arrowKeyHeld);
    // Remembers where the pointer was parked, so that the move this causes
    // does not start the count again.
    void Parked(TPoint where);
    // A mouse movement: the count starts again, unless it is only the pointer
    // arriving where it was parked.
    void PointerMoved(TPoint where);
    void Reset();
    int Count() const { return count_; }

private:
    int limit_;
    int count_ = 0;
    bool parked_ = false;
    TPoint parkedAt_;
};
