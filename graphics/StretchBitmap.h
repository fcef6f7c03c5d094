// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scaling of 24-bit pictures: a bilinear filter for sizes down to half the
// source, area averaging below that, and the platform's stretched copy for
// the degenerate cases. The target's size decides the result's size.
#pragma once

#include <vector>

#include "platform/Bitmap.h"

// Scales source into target (both 24-bit, else nothing happens).
void StretchBitmap(Bitmap& target, const Bitmap& source);
// Shrinks source into target by averaging the covered source areas (both
// 24-bit and target not empty, else nothing happens).
void ShrinkBitmap(Bitmap& target, const Bitmap& source);

// One column (or row) of the bilinear filter: the two source cells first and
// first + 1 with their weights out of divisor.
struct BilinearTap {
    int first;
    int weightFirst;
    int weightNext;
    int divisor;
};
std::vector<BilinearTap> BilinearTaps(int sourceSize, int targetSize);

// One column (or row) of area averaging: source cells first..last, the first
// and the last with their own weights, the inner ones with the target size.
// The weights of one entry add up to the source size.
struct AreaTap {
    int first;
    int last;
    int weightFirst;
    int weightLast;
};
std::vector<AreaTap> AreaTaps(int sourceSize, int targetSize);
