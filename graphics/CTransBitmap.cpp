// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sprites with alpha masks: loading from black/white pairs, composing and
// blending onto 24- and 32-bit bitmaps.
#include "graphics/CTransBitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/BlendRow.h"
#include "graphics/Cbitmapy.h"
#include "graphics/StretchBitmap.h"
#include "platform/SoundPlayer.h"

namespace {

bool IsColour(const Bitmap& b)
{
    return b.Format() == PixelFormat::Bgr24 || b.Format() == PixelFormat::Bgrx32;
}

void FitMaskTo(Bitmap& mask, const Bitmap& colour)
{
    if (mask.Width() != colour.Width() || mask.Height() != colour.Height())
        mask.SetSize(colour.Width(), colour.Height());  // new area is 0: transparent
}

}  // namespace

void CTransBitmap::Clear()
{
    Cache.reset();
    Colour.reset();
    Mask.reset();
}

void CTransBitmap::SetColour(std::unique_ptr<Bitmap> colour)
{
    Colour = std::move(colour);
    if (!Colour)
        return;
    Colour->SetFormat(PixelFormat::Bgr24);
    if (Mask)
        FitMaskTo(*Mask, *Colour);
}

void CTransBitmap::SetMask(std::unique_ptr<Bitmap> mask)
{
    Mask = std::move(mask);
    if (!Mask)
        return;
    if (Mask->Format() != PixelFormat::Gray8)
        ToGrey(*Mask, false);
    if (Colour)
        FitMaskTo(*Mask, *Colour);
}

void CTransBitmap::TakeFrom(CTransBitmap& other)
{
    if (&other == this)
        return;
    Colour = std::move(other.Colour);
    Mask = std::move(other.Mask);
}

void CTransBitmap::CreateOpaque(int w, int h)
{
    Colour = std::make_unique<Bitmap>(w, h, PixelFormat::Bgr24);
    if (Mask)
        FitMaskTo(*Mask, *Colour);
}

void CTransBitmap::CreateFilled(int w, int h, int value)
{
    Colour = std::make_unique<Bitmap>(w, h, PixelFormat::Bgr24);
    Mask = NewMask(w, h, value);
}

void CTransBitmap::LoadPair(std::string_view nameOnBlack, std::string_view nameOnWhite)
{
    Bitmap onBlack, onWhite;
    try {
        LoadPictureFile(onBlack, nameOnBlack);
    } catch (const std::exception&) {
        throw ETransBitmap(ETransBitmap::berrLoad, nameOnBlack);
    }
    try {
        LoadPictureFile(onWhite, nameOnWhite);
    } catch (const std::exception&) {
        throw ETransBitmap(ETransBitmap::berrLoad, nameOnWhite);
    }
    if (onBlack.Width() != onWhite.Width() || onBlack.Height() != onWhite.Height())
        throw ETransBitmap(ETransBitmap::berrSize);
    if (onBlack.Format() != PixelFormat::Bgr24 || onWhite.Format() != PixelFormat::Bgr24)
        throw ETransBitmap(ETransBitmap::berrPixelFormat);
    if (!Colour)
        Colour = std::make_unique<Bitmap>();
    if (!Mask)
        Mask = std::make_unique<Bitmap>(0, 0, PixelFormat::Gray8);
    if (!CombineBlackWhite(onBlack, onWhite, *Colour, *Mask))
        throw ETransBitmap(ETransBitmap::berrFormat);
}

int CTransBitmap::TryLoadPair(std::string_view nameOnBlack, std::string_view nameOnWhite)
{
    try {
        LoadPair(nameOnBlack, nameOnWhite);
        return 0;
    } catch (const ETransBitmap& e) {
        return e.Code;
    } catch (...) {
        return 1;
    }
}

Bitmap& CTransBitmap::GetCache(int w, int h)
{
    if (!Cache)
        Cache = std::make_unique<Bitmap>(w, h, PixelFormat::Bgr24);
    if (Cache->Format() != PixelFormat::Bgr24)
        Cache->SetFormat(PixelFormat::Bgr24);
    Cache->SetSize(w, h);
    return *Cache;
}

void CTransBitmap::ComposeOver(const Bitmap& colour, const Bitmap& mask, int opacity, int y, int x,
                               const Bitmap& background)
{
    Bitmap& cache = GetCache(colour.Width(), colour.Height());
    if (&background == &cache) {
        const Bitmap copy = background;
        BlendTransparent(&cache, 0, 0, opacity, y, x, &copy, colour.Bounds(), &mask, &colour);
    } else {
        BlendTransparent(&cache, 0, 0, opacity, y, x, &background, colour.Bounds(), &mask, &colour);
    }
}

void CTransBitmap::ComposeFromCanvas(const Bitmap& canvas, int x, int y, int opacity)
{
    if (!Colour || !Mask)
        return;
    const int w = Colour->Width(), h = Colour->Height();
    Bitmap under(w, h, PixelFormat::Bgr24);
    under.CopyRect(under.Bounds(), canvas, RectXYWH(x, y, w, h));
    ComposeOver(*Colour, *Mask, opacity, 0, 0, under);
}

void CTransBitmap::DrawOnCanvas(Bitmap& canvas, int x, int y, int opacity, bool freeCache)
{
    if (!Colour || !Mask)
        return;
    ComposeFromCanvas(canvas, x, y, opacity);
    if (Cache)
        canvas.Draw(x, y, *Cache);
    if (freeCache)
        Cache.reset();
}

std::unique_ptr<Bitmap> CTransBitmap::DetachCache()
{
    if (!Cache)
        return std::make_unique<Bitmap>(0, 0, PixelFormat::Bgr24);
    return std::move(Cache);
}

void CTransBitmap::StretchFrom(CTransBitmap& source, int w, int h, bool bleed)
{
    if (&source == this) {
        CTransBitmap copy;
        if (Colour)
            copy.Colour = std::make_unique<Bitmap>(*Colour);
        if (Mask)
            copy.Mask = std::make_unique<Bitmap>(*Mask);
        StretchFrom(copy, w, h, bleed);
        return;
    }
    if (source.Colour && source.Mask) {
        const bool sized = Colour && Mask && Colour->Width() == w && Colour->Height() == h &&
                           Mask->Width() == w && Mask->Height() == h;
        if (!sized)
            CreateFilled(w, h, 255);
    } else if (source.Colour) {
        Mask.reset();
        CreateOpaque(w, h);
    } else {
        Colour.reset();
        Mask = NewMask(w, h, 255);
    }
    Cache.reset();
    if (Colour && source.Colour) {
        if (bleed && Mask && source.Mask)
            BleedEdges(*source.Colour, *source.Mask);
        StretchBitmap(*Colour, *source.Colour);
    }
    if (Mask && source.Mask) {
        Mask->SetFormat(PixelFormat::Bgr24);
        Bitmap wide(source.Mask->Width(), source.Mask->Height(), PixelFormat::Bgr24);
        wide.Draw(0, 0, *source.Mask);
        StretchBitmap(*Mask, wide);
        ToGrey(*Mask, true);
    }
}

std::unique_ptr<Bitmap> NewMask(int w, int h, int value)
{
    if (w < 1 || h < 1)
        return std::make_unique<Bitmap>(0, 0, PixelFormat::Gray8);
    auto mask = std::make_unique<Bitmap>(w, h, PixelFormat::Gray8);
    std::memset(mask->Bits(), std::clamp(value, 0, 255), static_cast<std::size_t>(mask->Stride()) * h);
    return mask;
}

void ToGrey(Bitmap& bitmap, bool firstChannel)
{
    if (bitmap.Format() == PixelFormat::Gray8 && firstChannel)
        return;
    if (bitmap.Format() == PixelFormat::Gray8)
        bitmap.SetFormat(PixelFormat::Bgr24);
    const int bpp = bitmap.BytesPerPixel();
    Bitmap grey(bitmap.Width(), bitmap.Height(), PixelFormat::Gray8);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* s = bitmap.ScanLine(y);
        uint8_t* d = grey.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, s += bpp)
            d[x] = firstChannel ? s[0] : static_cast<uint8_t>((s[0] * 11 + s[1] * 59 + s[2] * 30 + 50) / 100);
    }
    bitmap = std::move(grey);
}

namespace {

// n * 255 / d for n <= 255 and 1 <= d <= 510 by a multiplication: with
// 2^40 / d rounded up, the error n * 255 / 2^40 stays below 1 / d, so the
// quotient is exact. Loading a sprite divides three times per pixel.
class DivideBy {
public:
    DivideBy()
    {
        for (uint64_t d = 1; d < kCount; ++d)
            multiplier_[d] = (uint64_t{1} << 40) / d + 1;
    }
    unsigned Scaled255(unsigned n, unsigned d) const
    {
        return static_cast<unsigned>((n * 255u * multiplier_[d]) >> 40);
    }

private:
    static constexpr std::size_t kCount = 511;
    uint64_t multiplier_[kCount] = {};
};

}  // namespace

bool CombineBlackWhite(const Bitmap& onBlack, const Bitmap& onWhite, Bitmap& colourOut, Bitmap& maskOut)
{
    static const DivideBy divide;
    if (onBlack.Format() != PixelFormat::Bgr24 || onWhite.Format() != PixelFormat::Bgr24 ||
        onBlack.Width() != onWhite.Width() || onBlack.Height() != onWhite.Height())
        return false;
    const int w = onBlack.Width(), h = onBlack.Height();
    colourOut = Bitmap(w, h, PixelFormat::Bgr24);
    maskOut = Bitmap(w, h, PixelFormat::Gray8);
    for (int y = 0; y < h; ++y) {
        const uint8_t* b = onBlack.ScanLine(y);
        const uint8_t* wh = onWhite.ScanLine(y);
        uint8_t* c = colourOut.ScanLine(y);
        uint8_t* m = maskOut.ScanLine(y);
        for (int x = 0; x < w; ++x, b += 3, wh += 3, c += 3) {
            if ((b[0] == wh[0] && b[1] == wh[1]) || b[2] == wh[2]) {
                std::memcpy(c, b, 3);
                m[x] = 255;
                continue;
            }
            const unsigned d = b[0] + 255u - wh[0];
            m[x] = static_cast<uint8_t>(d > 255 ? 255 : d);
            for (int k = 0; k < 3; ++k)
                c[k] = d == 0 ? 0 : static_cast<uint8_t>(std::min(255u, divide.Scaled255(b[k], d)));
        }
    }
    return true;
}

void BleedEdges(Bitmap& colour, const Bitmap& mask)
{
    const int w = colour.Width(), h = colour.Height();
    if (colour.Format() != PixelFormat::Bgr24 || mask.Format() != PixelFormat::Gray8 || mask.Width() != w ||
        mask.Height() != h || w < 2 || h < 2)
        return;
    for (int y = 0; y < h; ++y) {
        const uint8_t* m = mask.ScanLine(y);
        uint8_t* c = colour.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (m[x] != 0)
                continue;
            unsigned sum[3] = {0, 0, 0}, n = 0;
            for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny) {
                const uint8_t* nm = mask.ScanLine(ny);
                const uint8_t* nc = colour.ScanLine(ny);
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
                    // Only opaque neighbours count, and those never change, so
                    // the order of visiting does not matter.
                    if (nm[nx] == 0)
                        continue;
                    sum[0] += nc[nx * 3];
                    sum[1] += nc[nx * 3 + 1];
                    sum[2] += nc[nx * 3 + 2];
                    ++n;
                }
            }
            if (n == 0)
                continue;
            for (int k = 0; k < 3; ++k)
                c[x * 3 + k] = static_cast<uint8_t>(sum[k] / n);
        }
    }
}

void BlendTransparent(Bitmap* target, int x, int y, int opacity, int bgY, int bgX, const Bitmap* background,
                      TRect sourceRect, const Bitmap* mask, const Bitmap* colour)
{
    if (!target || !background || !mask || !colour)
        return;
    if (mask->Width() != colour->Width() || mask->Height() != colour->Height())
        return;
    if (!IsColour(*target) || !IsColour(*background) || !IsColour(*colour))
        return;
    opacity = std::clamp(opacity, 0, 255);
    // The picture pixels (sx, sy) that land inside everything.
    const int64_t x0 = std::max<int64_t>({0, sourceRect.left, -int64_t{x}, -int64_t{bgX}});
    const int64_t y0 = std::max<int64_t>({0, sourceRect.top, -int64_t{y}, -int64_t{bgY}});
    const int64_t x1 = std::min<int64_t>({colour->Width(), sourceRect.right, int64_t{target->Width()} - x,
                                          int64_t{background->Width()} - bgX});
    const int64_t y1 = std::min<int64_t>({colour->Height(), sourceRect.bottom, int64_t{target->Height()} - y,
                                          int64_t{background->Height()} - bgY});
    if (x1 <= x0 || y1 <= y0)
        return;
    const int sx0 = static_cast<int>(x0), sy0 = static_cast<int>(y0);
    const int n = static_cast<int>(x1 - x0), rows = static_cast<int>(y1 - y0);

    // Drawing onto the background itself at another place: read from a copy,
    // so that no pixel is read after it was written.
    Bitmap bgCopy;
    if (background == target && (x != bgX || y != bgY)) {
        bgCopy = Bitmap(n, rows, background->Format());
        bgCopy.CopyRect(bgCopy.Bounds(), *background, RectXYWH(bgX + sx0, bgY + sy0, n, rows));
        background = &bgCopy;
        bgX = -sx0;
        bgY = -sy0;
    }

    const int tb = target->BytesPerPixel(), bb = background->BytesPerPixel(), cb = colour->BytesPerPixel();
    const int mb = mask->BytesPerPixel();
    const bool fast = tb == 3 && bb == 3 && cb == 3 && mb == 1;
    // Row addresses step by the strides from the first row drawn (rows are
    // stored bottom-up, so a step down the picture is a step back in memory).
    uint8_t* t = target->ScanLine(y + sy0) + (x + sx0) * tb;
    const uint8_t* g = background->ScanLine(bgY + sy0) + (bgX + sx0) * bb;
    const uint8_t* f = colour->ScanLine(sy0) + sx0 * cb;
    const uint8_t* m = mask->ScanLine(sy0) + sx0 * mb;
    const unsigned op = static_cast<unsigned>(opacity);
    for (int r = 0; r < rows; ++r) {
        if (fast) {
            BlendRow24(t, g, f, m, n, opacity);
        } else {
            for (int i = 0; i < n; ++i) {
                const uint8_t* gp = g + i * bb;
                const uint8_t* fp = f + i * cb;
                uint8_t* tp = t + i * tb;
                const unsigned w = MaskWeight(op, m[i * mb]);
                for (int k = 0; k < 3; ++k)
                    tp[k] = BlendChannel(gp[k], fp[k], w);
            }
        }
        t -= target->Stride();
        g -= background->Stride();
        f -= colour->Stride();
        m -= mask->Stride();
    }
}

void DrawColour(Bitmap& target, int x, int y, int opacity, TRect clip, TColor colour, const uint8_t* coverage,
                int width, int height)
{
    if (!IsColour(target)) {
        TheSoundPlayer().Beep();
        return;
    }
    if (!coverage || width < 1 || height < 1)
        return;
    const int64_t c0 = std::max<int64_t>({x, clip.left, 0});
    const int64_t c1 = std::min<int64_t>({int64_t{x} + width, clip.right, target.Width()});
    const int64_t r0 = std::max<int64_t>({y, clip.top, 0});
    const int64_t r1 = std::min<int64_t>({int64_t{y} + height, clip.bottom, target.Height()});
    if (c1 <= c0 || r1 <= r0)
        return;
    const unsigned op1 = static_cast<unsigned>(std::clamp(opacity, 0, 255)) + 1;
    const unsigned cb = GetBValue(colour), cg = GetGValue(colour), cr = GetRValue(colour);
    const int bpp = target.BytesPerPixel();
    for (int64_t row = r0; row < r1; ++row) {
        const uint8_t* v = coverage + (row - y) * width + (c0 - x);
        uint8_t* p = target.ScanLine(static_cast<int>(row)) + c0 * bpp;
        for (int64_t col = c0; col < c1; ++col, ++v, p += bpp) {
            // The colour is the base and the pixel the far end: full coverage
            // leaves a weight of 1 (the colour), none a weight of 256 (the pixel).
            const unsigned w = 256 - ((op1 * *v) >> 8);
            if (w == 256)
                continue;
            p[0] = BlendChannel(cb, p[0], w);
            p[1] = BlendChannel(cg, p[1], w);
            p[2] = BlendChannel(cr, p[2], w);
        }
    }
}
