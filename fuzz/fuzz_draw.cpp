// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the drawing routines with hostile positions, sizes and clip
// rectangles: blending, glyph colouring, scaling and the black/white
// combination must stay inside their bitmaps, and the vector blend must equal
// the plain one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/BlendRow.h"
#include "graphics/CTransBitmap.h"
#include "graphics/StretchBitmap.h"
#include "platform/SoundPlayer.h"

namespace {

class Input {
public:
    Input(const uint8_t* d, size_t n) : d_(d), n_(n) {}
    uint8_t Byte() { return pos_ < n_ ? d_[pos_++] : 0; }
    int Small(int lo, int hi) { return lo + Byte() % (hi - lo + 1); }
    int Coordinate() { return static_cast<int8_t>(Byte()); }
    void Fill(Bitmap& b)
    {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width() * b.BytesPerPixel(); ++x)
                b.ScanLine(y)[x] = Byte();
    }

private:
    const uint8_t* d_;
    size_t n_;
    size_t pos_ = 0;
};

PixelFormat FormatOf(uint8_t b)
{
    return b % 3 == 0 ? PixelFormat::Gray8 : b % 3 == 1 ? PixelFormat::Bgr24 : PixelFormat::Bgrx32;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silent = [] {
        InstallSoundPlayer(std::make_unique<SilentSoundPlayer>());
        return true;
    }();
    (void)silent;
    Input in(data, size);
    Bitmap target(in.Small(0, 40), in.Small(0, 40), FormatOf(in.Byte()));
    Bitmap background(in.Small(0, 40), in.Small(0, 40), FormatOf(in.Byte()));
    const int pw = in.Small(0, 40), ph = in.Small(0, 40);
    Bitmap colour(pw, ph, FormatOf(in.Byte()));
    Bitmap mask(in.Byte() & 1 ? pw : in.Small(0, 40), ph, FormatOf(in.Byte()));
    in.Fill(colour);
    in.Fill(mask);
    in.Fill(background);
    const TRect rect{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const int x = in.Coordinate(), y = in.Coordinate(), bgX = in.Coordinate(), bgY = in.Coordinate();
    const int opacity = in.Coordinate() * 3;
    BlendTransparent(&target, x, y, opacity, bgY, bgX, &background, rect, &mask, &colour);
    BlendTransparent(&background, x, y, opacity, bgY, bgX, &background, rect, &mask, &colour);

    std::vector<uint8_t> coverage(static_cast<size_t>(pw) * ph);
    for (uint8_t& v : coverage)
        v = in.Byte();
    DrawColour(target, x, y, opacity, rect, 0x123456, coverage.data(), pw, ph);

    // The vector row blend against the plain one.
    const int n = in.Small(0, 70);
    std::vector<uint8_t> bg(n * 3), fg(n * 3), m(n), a(n * 3), b(n * 3);
    for (auto* v : {&bg, &fg, &m})
        for (uint8_t& c : *v)
            c = in.Byte();
    BlendRow24(a.data(), bg.data(), fg.data(), m.data(), n, opacity & 255);
    BlendRow24Scalar(b.data(), bg.data(), fg.data(), m.data(), n, opacity & 255);
    if (a != b)
        std::abort();

    Bitmap scaled(in.Small(0, 60), in.Small(0, 60), FormatOf(in.Byte()));
    colour.SetFormat(PixelFormat::Bgr24);
    StretchBitmap(scaled, colour);
    ShrinkBitmap(scaled, colour);

    Bitmap onWhite(pw, ph, PixelFormat::Bgr24), outColour, outMask;
    in.Fill(onWhite);
    CombineBlackWhite(colour, onWhite, outColour, outMask);
    BleedEdges(outColour, outMask);

    CTransBitmap sprite;
    sprite.SetColour(std::make_unique<Bitmap>(outColour));
    sprite.SetMask(std::make_unique<Bitmap>(mask));
    sprite.DrawOnCanvas(target, x, y, opacity, in.Byte() & 1);
    CTransBitmap stretched;
    stretched.StretchFrom(sprite, in.Small(0, 50), in.Small(0, 50), in.Byte() & 1);
    return 0;
}
