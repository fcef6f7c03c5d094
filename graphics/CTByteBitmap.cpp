// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage images of the bitmap fonts: their records and one-colour drawing.
#include "graphics/CTByteBitmap.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>

#include "graphics/BinaryStream.h"
#include "platform/SoundPlayer.h"

using namespace binary_stream;

namespace {

constexpr char kMagicRaw[4] = {'T', 'B', 'B', '1'};
constexpr char kMagicPacked[4] = {'T', 'B', 'B', 's'};
// A packed record never holds more bytes than the largest image could need.
constexpr int32_t kMaxPackedLength = 0x800000;
// Shortest and longest run of one packed item.
constexpr int kMinRun = 3;
constexpr int kMaxRun = 255 + kMinRun;

// Packed values have 7 bits; 127 stands for full coverage.
uint8_t Unpack(uint8_t v)
{
    return v == 127 ? 255 : static_cast<uint8_t>(v * 2);
}

uint8_t Pack(uint8_t v)
{
    return static_cast<uint8_t>(v >> 1);
}

// The colour byte moved from c towards the pixel byte p by weight w of 256;
// the difference is taken first so that nothing negative is shifted.
inline uint8_t TowardsPixel(uint8_t c, uint8_t p, unsigned w)
{
    return p >= c ? static_cast<uint8_t>(c + ((p - c) * w >> 8)) : static_cast<uint8_t>(c - ((c - p) * w >> 8));
}

}  // namespace

void CTByteBitmap::SetSize(int width, int height)
{
    if (static_cast<int64_t>(width) * height > kMaxPixels)
        return;
    if (width == width_ && height == height_)
        return;
    if (width < 1 || height < 1) {
        std::vector<uint8_t>().swap(data_);
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        return;
    }
    std::vector<uint8_t> resized(static_cast<std::size_t>(width) * height, 0);
    if (!data_.empty()) {
        const int keepW = std::min(width, width_);
        const int keepH = std::min(height, height_);
        for (int y = 0; y < keepH; ++y)
            std::memcpy(resized.data() + static_cast<std::size_t>(y) * width,
                        data_.data() + static_cast<std::size_t>(y) * width_, static_cast<std::size_t>(keepW));
    }
    data_ = std::move(resized);
    width_ = width;
    height_ = height;
}

void CTByteBitmap::Clear()
{
    std::vector<uint8_t>().swap(data_);
    width_ = 0;
    height_ = 0;
}

bool CTByteBitmap::LoadFromStream(std::istream& in)
{
    Clear();
    char magic[4];
    int32_t width = 0, height = 0;
    if (!ReadExact(in, magic, 4) || !ReadInt32(in, width) || !ReadInt32(in, height))
        return false;
    if (width < 0 || width > kMaxDimension || height < 0 || height > kMaxDimension)
        return false;
    if (static_cast<int64_t>(width) * height > kMaxPixels)
        return false;

    if (std::memcmp(magic, kMagicRaw, 4) == 0) {
        std::vector<uint8_t> bytes;
        if (!ReadBlock(in, bytes, static_cast<std::size_t>(width) * height))
            return false;
        data_ = std::move(bytes);
        width_ = width;
        height_ = height;
        if (width_ == 0 || height_ == 0)
            std::vector<uint8_t>().swap(data_);
        return true;
    }
    if (std::memcmp(magic, kMagicPacked, 4) != 0)
        return false;
    width_ = width;
    height_ = height;
    const bool ok = LoadPacked(in);
    if (!ok)
        Clear();
    return ok;
}

bool CTByteBitmap::LoadPacked(std::istream& in)
{
    int32_t packedLength = 0;
    if (!ReadInt32(in, packedLength) || packedLength < 0 || packedLength > kMaxPackedLength)
        return false;
    const std::size_t total = static_cast<std::size_t>(width_) * height_;
    // Two packed bytes give at most kMaxRun values: a header claiming more
    // than that is refused before the image is allocated.
    const auto length = static_cast<std::size_t>(packedLength);
    if (total > (length / 2) * kMaxRun + length % 2)
        return false;
    std::vector<uint8_t> packed;
    if (!ReadBlock(in, packed, length))
        return false;

    std::vector<uint8_t> image(total, 0);
    std::size_t produced = 0;
    std::size_t pos = 0;
    while (pos < length) {
        if (produced == total)
            return false;  // packed bytes left over after the image is full
        const uint8_t item = packed[pos++];
        if ((item & 0x80) == 0) {
            image[produced++] = Unpack(item);
            continue;
        }
        if (pos >= length)
            return false;  // a run without its count
        const std::size_t run = std::min<std::size_t>(packed[pos++] + kMinRun, total - produced);
        std::memset(image.data() + produced, Unpack(item & 0x7F), run);
        produced += run;
    }
    if (produced != total)
        return false;
    if (total > 0)
        data_ = std::move(image);
    return true;
}

void CTByteBitmap::SaveToStream(std::ostream& out, bool packed) const
{
    out.write(packed ? kMagicPacked : kMagicRaw, 4);
    WriteInt32(out, width_);
    WriteInt32(out, height_);
    if (!packed) {
        out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
        return;
    }
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < data_.size();) {
        const uint8_t v = Pack(data_[i]);
        std::size_t run = 1;
        while (i + run < data_.size() && run < kMaxRun && Pack(data_[i + run]) == v)
            ++run;
        if (run >= static_cast<std::size_t>(kMinRun)) {
            bytes.push_back(static_cast<uint8_t>(0x80 | v));
            bytes.push_back(static_cast<uint8_t>(run - kMinRun));
        } else {
            run = 1;
            bytes.push_back(v);
        }
        i += run;
    }
    WriteInt32(out, static_cast<int32_t>(bytes.size()));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool CTByteBitmap::PacksLosslessly() const
{
    return std::all_of(data_.begin(), data_.end(), [](uint8_t v) { return Unpack(Pack(v)) == v; });
}

void CTByteBitmap::DrawColour(Bitmap& target, int x, int y, int opacity, TRect clip, TColor colour) const
{
    if (target.Format() == PixelFormat::Gray8) {
        TheSoundPlayer().Beep();
        return;
    }
    if (data_.empty())
        return;
    const int64_t x0 = std::max<int64_t>({x, clip.left, 0});
    const int64_t x1 = std::min<int64_t>({static_cast<int64_t>(x) + width_, clip.right, target.Width()});
    const int64_t y0 = std::max<int64_t>({y, clip.top, 0});
    const int64_t y1 = std::min<int64_t>({static_cast<int64_t>(y) + height_, clip.bottom, target.Height()});
    if (x0 >= x1 || y0 >= y1)
        return;
    opacity = std::clamp(opacity, 0, 255);
    const uint8_t c[3] = {static_cast<uint8_t>(GetBValue(colour)), static_cast<uint8_t>(GetGValue(colour)),
                          static_cast<uint8_t>(GetRValue(colour))};
    const int bpp = target.BytesPerPixel();
    const int stride = target.Stride();
    // Rows are bottom-up: walk from the first drawn row's address by -stride.
    uint8_t* row = target.ScanLine(static_cast<int>(y0));
    const uint8_t* src = data_.data() + (y0 - y) * width_ + (x0 - x);
    const int64_t count = x1 - x0;
    for (int64_t r = y0; r < y1; ++r, row -= stride, src += width_) {
        uint8_t* p = row + x0 * bpp;
        if (opacity == 255) {
            for (int64_t i = 0; i < count; ++i, p += bpp) {
                const unsigned v = src[i];
                if (v == 0)
                    continue;
                if (v == 255) {
                    p[0] = c[0];
                    p[1] = c[1];
                    p[2] = c[2];
                    continue;
                }
                const unsigned w = 256 - v;
                p[0] = TowardsPixel(c[0], p[0], w);
                p[1] = TowardsPixel(c[1], p[1], w);
                p[2] = TowardsPixel(c[2], p[2], w);
            }
        } else {
            for (int64_t i = 0; i < count; ++i, p += bpp) {
                const unsigned k = static_cast<unsigned>(opacity + 1) * src[i];
                if (k <= 255)
                    continue;
                const unsigned w = 256 - (k >> 8);
                p[0] = TowardsPixel(c[0], p[0], w);
                p[1] = TowardsPixel(c[1], p[1], w);
                p[2] = TowardsPixel(c[2], p[2], w);
            }
        }
    }
}
