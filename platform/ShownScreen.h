// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows of the program's screen, kept as screen pixels, so
// that a present can skip the parts that have not changed since they were
// shown: scaling them up again would write the same window pixels, and on a
// large display those writes are most of a frame's cost.
#pragma once

#include <vector>

#include "platform/Bitmap.h"

class ShownScreen {
public:
    // The window was cleared to black: nothing of the screen is shown yet,
    // which is the same as a black screen shown.
    void Reset(int width, int height);
    // The parts of rect where the screen differs from what is shown, as a few
    // rectangles (runs of changed rows, each as wide as its changes), taken
    // as shown from now on. Rows in between that did not change may be
    // included so that the rectangles stay few.
    std::vector<TRect> TakeChanges(const Bitmap& screen, const TRect& rect);

private:
    Bitmap shown_;
};
