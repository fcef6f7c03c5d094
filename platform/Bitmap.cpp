// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel storage and the raster operations of the form library.
#include "platform/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

// Grey value of a colour as a grey palette would map it.
uint8_t GreyOf(uint8_t b, uint8_t g, uint8_t r)
{
    return static_cast<uint8_t>((r * 77 + g * 150 + b * 29 + 128) >> 8);
}

void ReadBgr(const Bitmap& bmp, const uint8_t* p, uint8_t& b, uint8_t& g, uint8_t& r)
{
    if (bmp.Format() == PixelFormat::Gray8) {
        b = g = r = p[0];
    } else {
        b = p[0];
        g = p[1];
        r = p[2];
    }
}

void Combine(uint8_t& dst, uint8_t src, RasterOp op)
{
    switch (op) {
    case RasterOp::Copy: dst = src; break;
    case RasterOp::Or: dst |= src; break;
    case RasterOp::And: dst &= src; break;
    }
}

}  // namespace

TRect TRect::Intersect(const TRect& o) const
{
    TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}

int RowStride(int width, PixelFormat format)
{
    const int bpp = format == PixelFormat::Gray8 ? 1 : format == PixelFormat::Bgr24 ? 3 : 4;
    return (width * bpp + 3) & ~3;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format)
{
    SetSize(width, height);
}

Bitmap Bitmap::ForOverwrite(int width, int height, PixelFormat format)
{
    Bitmap b;
    b.format_ = format;
    b.width_ = std::max(width, 0);
    b.height_ = std::max(height, 0);
    b.stride_ = RowStride(b.width_, format);
    b.bits_.resize(static_cast<std::size_t>(b.stride_) * b.height_);
    // Padding is never written by the pixel code, and equal pictures must compare equal.
    const int used = b.width_ * b.BytesPerPixel();
    if (used < b.stride_)
        for (int y = 0; y < b.height_; ++y)
            std::memset(b.ScanLine(y) + used, 0, static_cast<std::size_t>(b.stride_ - used));
    return b;
}

int Bitmap::BytesPerPixel() const
{
    return format_ == PixelFormat::Gray8 ? 1 : format_ == PixelFormat::Bgr24 ? 3 : 4;
}

void Bitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    Bitmap resized;
    resized.format_ = format_;
    resized.width_ = width;
    resized.height_ = height;
    resized.stride_ = RowStride(width, format_);
    {
        const ZeroedStorageScope black;
        resized.bits_.resize(static_cast<std::size_t>(resized.stride_) * height);
    }
    const int keepW = std::min(width, width_);
    const int keepH = std::min(height, height_);
    // A bitmap 0 pixels wide has no pixel memory at all: nothing to keep.
    for (int y = 0; keepW > 0 && y < keepH; ++y)
        std::memcpy(resized.ScanLine(y), ScanLine(y), static_cast<std::size_t>(keepW) * BytesPerPixel());
    *this = std::move(resized);
}

void Bitmap::SetFormat(PixelFormat format)
{
    if (format == format_)
        return;
    Bitmap converted(width_, height_, format);
    converted.CopyRect(Bounds(), *this, Bounds());
    *this = std::move(converted);
}

TColor Bitmap::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const uint8_t* p = ScanLine(y) + x * BytesPerPixel();
    uint8_t b, g, r;
    ReadBgr(*this, p, b, g, r);
    return RGB(r, g, b);
}

void Bitmap::SetPixel(int x, int y, TColor colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = ScanLine(y) + x * BytesPerPixel();
    if (format_ == PixelFormat::Gray8) {
        p[0] = GreyOf(static_cast<uint8_t>(GetBValue(colour)), static_cast<uint8_t>(GetGValue(colour)),
                      static_cast<uint8_t>(GetRValue(colour)));
    } else {
        p[0] = static_cast<uint8_t>(GetBValue(colour));
        p[1] = static_cast<uint8_t>(GetGValue(colour));
        p[2] = static_cast<uint8_t>(GetRValue(colour));
    }
}

void Bitmap::FillRect(TRect r, TColor colour)
{
    r = r.Intersect(Bounds());
    if (r.IsEmpty())
        return;
    const int bpp = BytesPerPixel();
    const uint8_t b = static_cast<uint8_t>(GetBValue(colour));
    const uint8_t g = static_cast<uint8_t>(GetGValue(colour));
    const uint8_t red = static_cast<uint8_t>(GetRValue(colour));
    for (int y = r.top; y < r.bottom; ++y) {
        uint8_t* p = ScanLine(y) + r.left * bpp;
        if (format_ == PixelFormat::Gray8) {
            std::memset(p, GreyOf(b, g, red), static_cast<std::size_t>(r.Width()));
            continue;
        }
        for (int x = r.left; x < r.right; ++x, p += bpp) {
            p[0] = b;
            p[1] = g;
            p[2] = red;
        }
    }
}

void Bitmap::FrameRect(TRect r, TColor colour, int penWidth)
{
    if (penWidth <= 0 || r.IsEmpty())
        return;
    const int w = std::min(penWidth, std::min(r.Width(), r.Height()));
    FillRect({r.left, r.top, r.right, r.top + w}, colour);
    FillRect({r.left, r.bottom - w, r.right, r.bottom}, colour);
    FillRect({r.left, r.top + w, r.left + w, r.bottom - w}, colour);
    FillRect({r.right - w, r.top + w, r.right, r.bottom - w}, colour);
}

void Bitmap::CopyRect(TRect dest, const Bitmap& src, TRect source, RasterOp op)
{
    if (dest.IsEmpty() || source.IsEmpty() || Empty() || src.Empty())
        return;
    const int sbpp = src.BytesPerPixel();
    const int dbpp = BytesPerPixel();
    const bool sameSize = dest.Width() == source.Width() && dest.Height() == source.Height();
    const TRect clipped = dest.Intersect(Bounds());
    if (clipped.IsEmpty())
        return;
    const int64_t dw = dest.Width(), dh = dest.Height();
    const int64_t sw = source.Width(), sh = source.Height();
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const int sy = sameSize ? source.top + (y - dest.top)
                                : source.top + static_cast<int>((y - dest.top) * sh / dh);
        if (sy < 0 || sy >= src.Height())
            continue;
        const uint8_t* srow = src.ScanLine(sy);
        uint8_t* drow = ScanLine(y);
        if (sameSize && op == RasterOp::Copy && src.format_ == format_) {
            int x0 = clipped.left, x1 = clipped.right;
            int sx0 = source.left + (x0 - dest.left);
            if (sx0 < 0) { x0 -= sx0; sx0 = 0; }
            x1 = std::min(x1, x0 + (src.width_ - sx0));
            if (x1 > x0)
                std::memcpy(drow + x0 * dbpp, srow + sx0 * sbpp, static_cast<std::size_t>(x1 - x0) * dbpp);
            continue;
        }
        for (int x = clipped.left; x < clipped.right; ++x) {
            const int sx = sameSize ? source.left + (x - dest.left)
                                    : source.left + static_cast<int>((x - dest.left) * sw / dw);
            if (sx < 0 || sx >= src.Width())
                continue;
            uint8_t b, g, r;
            ReadBgr(src, srow + sx * sbpp, b, g, r);
            uint8_t* d = drow + x * dbpp;
            if (format_ == PixelFormat::Gray8) {
                Combine(d[0], src.format_ == PixelFormat::Gray8 ? b : GreyOf(b, g, r), op);
            } else {
                Combine(d[0], b, op);
                Combine(d[1], g, op);
                Combine(d[2], r, op);
            }
        }
    }
}

void Bitmap::Draw(int x, int y, const Bitmap& src, RasterOp op)
{
    CopyRect(RectXYWH(x, y, src.Width(), src.Height()), src, src.Bounds(), op);
}
