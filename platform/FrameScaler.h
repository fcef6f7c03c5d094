// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the program's 24-bit screen into the 32-bit pixels of a window:
// a straight conversion where a screen pixel is a window pixel, and smooth
// (linearly filtered) scaling where it is not. Works on plain memory so the
// SDL window and the headless screenshots share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/ScaleRows.h"
#include "platform/ScaledView.h"

// 32-bit window pixels: blue, green, red, 255 in memory order; row y of the
// window starts at base + y * pitch (pitch may be negative).
struct PixelTarget {
    uint8_t* base = nullptr;
    std::ptrdiff_t pitch = 0;
    uint8_t* Row(int y) const { return base + static_cast<std::ptrdiff_t>(y) * pitch; }
};

class FrameScaler {
public:
    // Writes the window pixels of windowRect (inside the view's picture) from
    // the screen: converted where the view does not scale, filtered where it does.
    void Render(const Bitmap& screen, const ScaledView& view, const TRect& windowRect, const PixelTarget& target);
    // Converts the screen rectangle screenRect of an unscaled view from a
    // picture holding it: screen point (x, y) is the picture's pixel
    // (x - origin.x, y - origin.y). Parts outside the picture are left alone.
    static void ConvertPicture(const Bitmap& picture, TPoint origin, const ScaledView& view, const TRect& screenRect,
                               const PixelTarget& target);

private:
    void Convert(const Bitmap& screen, const ScaledView& view, const TRect& windowRect, const PixelTarget& target);
    void Scale(const Bitmap& screen, const ScaledView& view, const TRect& windowRect, const PixelTarget& target);

    ScaleColumns columns_;
    // The span of window columns and source width columns_ was made for:
    // consecutive presents of the same rectangle (a game's frames) reuse it.
    int columnsLeft_ = 0, columnsRight_ = 0, columnsPicture_ = -1, columnsSource_ = -1;
    std::vector<int16_t> rows_[2];
    int rowOf_[2] = {-1, -1};
};
