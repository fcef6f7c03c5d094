// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The device-independent bitmap every screen draws into: 24-bit or 32-bit
// blue-green-red pixels or 8-bit grey-palette masks, rows padded to 4 bytes
// and stored bottom-up, addressed by row index. Canvases and windows only
// receive finished bitmaps.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// A colour as 0x00BBGGRR: red in the low byte.
using TColor = uint32_t;

constexpr TColor RGB(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}
constexpr unsigned GetRValue(TColor c) { return c & 0xFF; }
constexpr unsigned GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

// Right and bottom are exclusive.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Contains(TPoint p) const { return Contains(p.x, p.y); }
    TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    TRect Intersect(const TRect& o) const;
    bool operator==(const TRect&) const = default;
};

inline TRect RectXYWH(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

enum class PixelFormat { Gray8, Bgr24, Bgrx32 };

// Raster operations of rectangle copies: plain copy, OR and AND of the bytes.
enum class RasterOp { Copy, Or, And };

// While one of these lives, storage comes zeroed from calloc: fresh memory
// from the system is zero already, so a large black picture costs no pass
// over its memory, and its pages are not touched (nor faulted in) until
// something is drawn there. Forms and games make several screen-sized ones
// at start-up that a child may never open.
class ZeroedStorageScope {
public:
    ZeroedStorageScope() : previous_(Wanted()) { Wanted() = true; }
    ~ZeroedStorageScope() { Wanted() = previous_; }
    ZeroedStorageScope(const ZeroedStorageScope&) = delete;
    ZeroedStorageScope& operator=(const ZeroedStorageScope&) = delete;
    static bool& Wanted()
    {
        thread_local bool wanted = false;
        return wanted;
    }

private:
    bool previous_;
};

// Storage whose new bytes are left as they come instead of being zeroed: a
// picture decoder writes every pixel anyway, and zeroing first costs a pass
// over memory the size of the picture.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept
    {
    }
    T* allocate(std::size_t n)
    {
        void* p = ZeroedStorageScope::Wanted() ? std::calloc(n, sizeof(T)) : std::malloc(n * sizeof(T));
        if (p == nullptr)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }
    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        std::construct_at(p, std::forward<Args>(args)...);
    }
};

class Bitmap {
public:
    Bitmap() = default;
    // Black pixels.
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);
    // Pixels left undefined (the row padding is zero) for a caller that
    // writes every one straight away, such as a decoder.
    static Bitmap ForOverwrite(int width, int height, PixelFormat format = PixelFormat::Bgr24);

    // Resizing keeps the pixels that stay inside and makes new ones black.
    void SetSize(int width, int height);
    // Changing the format converts the pixels (grey to colour and back).
    void SetFormat(PixelFormat format);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    int BytesPerPixel() const;
    int Stride() const { return stride_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    TRect Bounds() const { return {0, 0, width_, height_}; }

    uint8_t* ScanLine(int row) { return bits_.data() + static_cast<std::size_t>(stride_) * (height_ - 1 - row); }
    const uint8_t* ScanLine(int row) const
    {
        return bits_.data() + static_cast<std::size_t>(stride_) * (height_ - 1 - row);
    }
    // The whole pixel buffer, last row first.
    uint8_t* Bits() { return bits_.data(); }
    const uint8_t* Bits() const { return bits_.data(); }

    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor colour);

    void Fill(TColor colour) { FillRect(Bounds(), colour); }
    void FillRect(TRect r, TColor colour);
    // The outline of r, penWidth pixels thick, drawn inside r.
    void FrameRect(TRect r, TColor colour, int penWidth = 1);

    // Copies src's rectangle onto this bitmap's rectangle with a raster
    // operation; rectangles of different size are stretched (nearest pixel).
    // Both sides are clipped; formats are converted.
    void CopyRect(TRect dest, const Bitmap& src, TRect source, RasterOp op = RasterOp::Copy);
    // The whole of src with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& src, RasterOp op = RasterOp::Copy);

    bool operator==(const Bitmap& o) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    int stride_ = 0;
    std::vector<uint8_t, UninitialisedAllocator<uint8_t>> bits_;
};

// Bytes of one row of the given width, padded to a multiple of 4.
int RowStride(int width, PixelFormat format);
