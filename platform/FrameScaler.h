// Turning the program's 24-bit screen into the 32-bit pixels of a window:
// a straight conversion where a screen pixel is a window pixel, and smooth
// (linearly filtered) scaling where it is not. Works on plain memory so the
// SDL window and the headless screenshots share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"
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

private:
    struct Column {
        int offset;   // byte offset of the left source pixel in a row
        int step;     // 3, or 0 at the right edge where there is no neighbour
        int weight;   // of the right pixel, 0..256
    };
    void Convert(const Bitmap& screen, const ScaledView& view, const TRect& windowRect, const PixelTarget& target);
    void Scale(const Bitmap& screen, const ScaledView& view, const TRect& windowRect, const PixelTarget& target);
    // One source row filtered across into 16-bit lanes, four per window pixel.
    void FilterRow(const uint8_t* src, int16_t* out) const;

    std::vector<Column> columns_;
    std::size_t wideColumns_ = 0;  // the first ones, whose two pixels can be read as four bytes each
    std::vector<int16_t> rows_[2];
    int rowOf_[2] = {-1, -1};
};
