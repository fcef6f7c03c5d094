// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The borders a scaled screen leaves in a window of other proportions,
// filled with a calm continuation of the screen instead of black: the colours
// of its outermost pixels, blurred along the edge and darkened towards the
// window's edge. Drawn when the screen's outer pixels or the view change, not
// with every frame, and then only beside the part of an edge that changed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FrameScaler.h"
#include "platform/ScaledView.h"

class BorderFill {
public:
    // How many of the screen's outermost columns (or rows) give an edge its
    // colours.
    static constexpr int kEdgeDepth = 8;

    // Draws every border of the view (the window outside its picture) into
    // the 32-bit target.
    void Draw(const Bitmap& screen, const ScaledView& view, const PixelTarget& target);

    // After the screen's rectangle was presented: when it reached the screen's
    // outer pixels and they look different now, draws again the parts of the
    // borders whose colours follow from them (a can rolling out of the
    // picture changes a few rows of one side, not both sides whole), or every
    // border after a reset; returns the window rectangles drawn, else none.
    // The borders are then what Draw would give with the edges as sampled.
    std::vector<TRect> Refresh(const Bitmap& screen, const ScaledView& view, const TRect& presented,
                               const PixelTarget& target);

    // The window was cleared or resized: the next Refresh draws.
    void Reset() { drawn_ = false; }

    // The window rectangles outside the view's picture.
    static std::vector<TRect> Borders(const ScaledView& view);

private:
    enum Edge { kLeft, kRight, kTop, kBottom };
    // The mean colour (blue, green, red) of the outer pixels along each edge,
    // one entry per screen row (left, right) or column (top, bottom).
    using Colour = std::array<uint8_t, 3>;
    using Samples = std::array<std::vector<Colour>, 4>;
    static Samples Sample(const Bitmap& screen);
    // A part [from, to) of an edge's samples.
    struct Span {
        int from = 0, to = 0;
        bool Empty() const { return from >= to; }
    };
    // Samples the part of one edge into `out` (sized for the whole edge).
    static void SampleEdge(const Bitmap& screen, int edge, Span span, std::vector<Colour>& out);
    using Spans = std::array<Span, 4>;
    static Spans Whole(const Samples& s);
    // Draws the borders beside the spans of the edges from the samples
    // taken; returns the window rectangles drawn.
    std::vector<TRect> Paint(const Bitmap& screen, const ScaledView& view, const PixelTarget& target,
                             const Spans& spans);

    Samples samples_;
    bool drawn_ = false;
};
