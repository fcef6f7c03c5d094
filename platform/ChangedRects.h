// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The changed parts of a screen or picture as a short list of rectangles
// that never overlap, so no pixel is counted twice, while parts far apart
// (cans along a belt, a crane above them) or crossing (a long rail and the
// tall crane on it) stay apart instead of becoming one rectangle over
// everything between them.
#pragma once

#include <span>
#include <vector>

#include "platform/Bitmap.h"

// The smallest rectangle holding both (an empty one holds nothing).
TRect UnionRect(const TRect& a, const TRect& b);
// The parts of a outside b: at most four rectangles, written to out; returns how many.
int SubtractRect(const TRect& a, const TRect& b, TRect* out);

class ChangedRects {
public:
    // More rectangles than this become their union: each costs a call to the
    // window system, and a list this long has little left between them.
    static constexpr std::size_t kMaxRects = 16;

    // Adds a rectangle; it joins every rectangle whose union with it is
    // hardly larger than the two; where joining one it overlaps would take
    // in much more, only its parts outside that one are added. No pixel is
    // in two rectangles.
    void Add(const TRect& r);
    void Clear() { rects_.clear(); }
    bool Empty() const { return rects_.empty(); }
    std::span<const TRect> Rects() const { return rects_; }
    // The smallest rectangle holding all of them.
    TRect Bounds() const;

private:
    // Adds the parts of r outside every rectangle from the index on.
    void AddApart(const TRect& r, std::size_t from);

    std::vector<TRect> rects_;
};
