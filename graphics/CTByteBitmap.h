// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An 8-bit coverage image without colour of its own (the glyph image of the
// bitmap fonts), drawn in one solid colour at a time; read from and written
// to the "TBB1" (raw) and "TBBs" (run-length packed) records of font files.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "platform/Bitmap.h"

class CTByteBitmap {
public:
    // The largest image (width x height) a byte bitmap may hold.
    static constexpr int64_t kMaxPixels = 0x800000;
    // The largest width or height a record may declare.
    static constexpr int32_t kMaxDimension = 100000;

    CTByteBitmap() = default;
    CTByteBitmap(const CTByteBitmap&) = delete;
    CTByteBitmap& operator=(const CTByteBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Coverage bytes, top row first, no row padding; null when empty.
    const uint8_t* Data() const { return data_.empty() ? nullptr : data_.data(); }
    uint8_t* Data() { return data_.empty() ? nullptr : data_.data(); }
    uint8_t At(int x, int y) const { return data_[static_cast<std::size_t>(y) * width_ + x]; }
    void Set(int x, int y, uint8_t value) { data_[static_cast<std::size_t>(y) * width_ + x] = value; }

    // Keeps the overlapping top-left part; a size over kMaxPixels is ignored.
    void SetSize(int width, int height);
    void Clear();

    // Reads one "TBB1" or "TBBs" record at the stream's position. True only
    // for a complete, consistent record; otherwise the image is left cleared
    // or partly filled. Never throws for bad data.
    bool LoadFromStream(std::istream& in);
    // Writes a "TBB1" record, or with packed a "TBBs" record. Packing keeps
    // 7 bits per value, so only 0, 2, 4 ... 252 and 255 survive it exactly.
    void SaveToStream(std::ostream& out, bool packed = false) const;
    // True when packing would give back exactly these values.
    bool PacksLosslessly() const;

    // Paints the coverage in colour onto a 24- or 32-bit target with the
    // top-left corner at (x, y), limited to clip and the target.
    void DrawColour(Bitmap& target, int x, int y, int opacity, TRect clip, TColor colour) const;

    bool operator==(const CTByteBitmap& o) const
    {
        return width_ == o.width_ && height_ == o.height_ && data_ == o.data_;
    }

private:
    bool LoadPacked(std::istream& in);

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> data_;
};
