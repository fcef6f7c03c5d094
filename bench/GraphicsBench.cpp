// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Blending, scaling and decoding speed, beside pixman doing the same work
// (pixman's 24-bit OVER and bilinear scaling) as the yardstick.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "graphics/CTransBitmap.h"
#include "graphics/Jpeg.h"
#include "graphics/StretchBitmap.h"
#include "platform/Random.h"

#ifdef SZ_HAVE_PIXMAN
#include <pixman.h>
#endif

namespace {

// Picture content with detail in every channel.
Bitmap TestPicture(int w, int h, unsigned seed)
{
    Bitmap b(w, h, PixelFormat::Bgr24);
    uint32_t s = seed;
    for (int y = 0; y < h; ++y) {
        uint8_t* p = b.ScanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            s = s * 1664525u + 1013904223u;
            p[0] = static_cast<uint8_t>((x * 255 / w + (s >> 28)) & 0xFF);
            p[1] = static_cast<uint8_t>((y * 255 / h + (s >> 26)) & 0xFF);
            p[2] = static_cast<uint8_t>(((x + y) * 128 / (w + h) + 64 + (s >> 27)) & 0xFF);
        }
    }
    return b;
}

// A sprite's mask: clear corners, an opaque body and a soft edge about six
// pixels wide, like the games' anti-aliased pictures; a few shapes per frame.
Bitmap SpriteMask(int w, int h, int shapes)
{
    Bitmap m(w, h, PixelFormat::Gray8);
    const int cols = shapes, rows = shapes;
    const double cw = static_cast<double>(w) / cols, ch = static_cast<double>(h) / rows;
    for (int y = 0; y < h; ++y) {
        uint8_t* p = m.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const double cx = (std::floor(x / cw) + 0.5) * cw, cy = (std::floor(y / ch) + 0.5) * ch;
            const double r = 0.45 * std::min(cw, ch);
            const double d = std::hypot(x - cx, y - cy) - r;  // negative inside
            const double a = std::clamp(0.5 - d / 6.0, 0.0, 1.0);
            p[x] = static_cast<uint8_t>(std::lround(a * 255));
        }
    }
    return m;
}

void Blend(benchmark::State& state, int w, int h, int shapes, int opacity)
{
    Bitmap background = TestPicture(w, h, 1);
    const Bitmap colour = TestPicture(w, h, 2);
    const Bitmap mask = SpriteMask(w, h, shapes);
    for (auto _ : state) {
        BlendTransparent(&background, 0, 0, opacity, 0, 0, &background, colour.Bounds(), &mask, &colour);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_BlendTransparent_FullFrame(benchmark::State& state) { Blend(state, 1280, 1024, 4, 255); }
void BM_BlendTransparent_Sprite200(benchmark::State& state) { Blend(state, 200, 200, 1, 255); }
void BM_BlendTransparent_Opacity128_FullFrame(benchmark::State& state) { Blend(state, 1280, 1024, 4, 128); }

void BM_StretchBitmap_Up_400x300_to_1280x960(benchmark::State& state)
{
    const Bitmap source = TestPicture(400, 300, 3);
    Bitmap target(1280, 960, PixelFormat::Bgr24);
    for (auto _ : state) {
        StretchBitmap(target, source);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1280 * 960);
}

void BM_ShrinkBitmap_1280x1024_to_640x480(benchmark::State& state)
{
    const Bitmap source = TestPicture(1280, 1024, 4);
    Bitmap target(640, 480, PixelFormat::Bgr24);
    for (auto _ : state) {
        ShrinkBitmap(target, source);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

// Shrinking as pictures are loaded: a word picture's strip into a box's
// window (bilinear, less than half smaller), a word picture to a thumbnail
// (area averaging) and a whole screen to a quarter.
void Shrink(benchmark::State& state, int sw, int sh, int tw, int th)
{
    const Bitmap source = TestPicture(sw, sh, 6);
    Bitmap target(tw, th, PixelFormat::Bgr24);
    for (auto _ : state) {
        StretchBitmap(target, source);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * tw * th);
}

void BM_Shrink_145x150_to_123x127(benchmark::State& state) { Shrink(state, 145, 150, 123, 127); }
void BM_Shrink_400x300_to_160x120(benchmark::State& state) { Shrink(state, 400, 300, 160, 120); }
void BM_Shrink_1280x1024_to_640x480(benchmark::State& state) { Shrink(state, 1280, 1024, 640, 480); }

void BM_LoadJpeg_1280x1024(benchmark::State& state)
{
    const std::string jpeg = EncodeJpeg(TestPicture(1280, 1024, 5), 90, false);
    Bitmap out;
    for (auto _ : state) {
        DecodeJpeg(jpeg, out);
        benchmark::DoNotOptimize(out.Bits());
    }
    state.SetItemsProcessed(state.iterations() * 1280 * 1024);
}

BENCHMARK(BM_BlendTransparent_FullFrame);
BENCHMARK(BM_BlendTransparent_Sprite200);
BENCHMARK(BM_BlendTransparent_Opacity128_FullFrame);
BENCHMARK(BM_StretchBitmap_Up_400x300_to_1280x960);
BENCHMARK(BM_ShrinkBitmap_1280x1024_to_640x480);
BENCHMARK(BM_LoadJpeg_1280x1024);
BENCHMARK(BM_Shrink_145x150_to_123x127);
BENCHMARK(BM_Shrink_400x300_to_160x120);
BENCHMARK(BM_Shrink_1280x1024_to_640x480);

#ifdef SZ_HAVE_PIXMAN

pixman_image_t* Wrap(Bitmap& b, pixman_format_code_t format)
{
    return pixman_image_create_bits(format, b.Width(), b.Height(), reinterpret_cast<uint32_t*>(b.Bits()),
                                    b.Stride());
}

// The same blend as BlendTransparent: an opaque 24-bit picture through an
// 8-bit mask over a 24-bit destination, in place.
void PixmanOver(benchmark::State& state, int w, int h, int shapes)
{
    Bitmap background = TestPicture(w, h, 1);
    Bitmap colour = TestPicture(w, h, 2);
    Bitmap mask = SpriteMask(w, h, shapes);
    pixman_image_t* dst = Wrap(background, PIXMAN_r8g8b8);
    pixman_image_t* src = Wrap(colour, PIXMAN_r8g8b8);
    pixman_image_t* msk = Wrap(mask, PIXMAN_a8);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src, msk, dst, 0, 0, 0, 0, 0, 0, w, h);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(dst);
    pixman_image_unref(src);
    pixman_image_unref(msk);
    state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_Pixman_Over_r8g8b8_FullFrame(benchmark::State& state) { PixmanOver(state, 1280, 1024, 4); }
void BM_Pixman_Over_r8g8b8_Sprite200(benchmark::State& state) { PixmanOver(state, 200, 200, 1); }

void BM_Pixman_Bilinear_r8g8b8_Up_400x300_to_1280x960(benchmark::State& state)
{
    Bitmap source = TestPicture(400, 300, 3);
    Bitmap target(1280, 960, PixelFormat::Bgr24);
    pixman_image_t* src = Wrap(source, PIXMAN_r8g8b8);
    pixman_image_t* dst = Wrap(target, PIXMAN_r8g8b8);
    pixman_transform_t t;
    pixman_transform_init_scale(&t, pixman_double_to_fixed(400.0 / 1280), pixman_double_to_fixed(300.0 / 960));
    pixman_image_set_transform(src, &t);
    pixman_image_set_filter(src, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(src, PIXMAN_REPEAT_PAD);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, 1280, 960);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(src);
    pixman_image_unref(dst);
    state.SetItemsProcessed(state.iterations() * 1280 * 960);
}

// pixman's bilinear scaling of 32-bit x8r8g8b8 pictures (its fastest path)
// to the sizes of the shrinking benchmarks above.
void PixmanShrink(benchmark::State& state, int sw, int sh, int tw, int th)
{
    const Bitmap picture = TestPicture(sw, sh, 6);
    Bitmap source(sw, sh, PixelFormat::Bgrx32), target(tw, th, PixelFormat::Bgrx32);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x)
            source.SetPixel(x, y, picture.GetPixel(x, y));
    pixman_image_t* src = Wrap(source, PIXMAN_x8r8g8b8);
    pixman_image_t* dst = Wrap(target, PIXMAN_x8r8g8b8);
    pixman_transform_t t;
    pixman_transform_init_scale(&t, pixman_double_to_fixed(static_cast<double>(sw) / tw),
                                pixman_double_to_fixed(static_cast<double>(sh) / th));
    pixman_image_set_transform(src, &t);
    pixman_image_set_filter(src, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(src, PIXMAN_REPEAT_PAD);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, tw, th);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(src);
    pixman_image_unref(dst);
    state.SetItemsProcessed(state.iterations() * tw * th);
}

void BM_Pixman_Bilinear_x8r8g8b8_145x150_to_123x127(benchmark::State& state) { PixmanShrink(state, 145, 150, 123, 127); }
void BM_Pixman_Bilinear_x8r8g8b8_400x300_to_160x120(benchmark::State& state) { PixmanShrink(state, 400, 300, 160, 120); }
void BM_Pixman_Bilinear_x8r8g8b8_1280x1024_to_640x480(benchmark::State& state)
{
    PixmanShrink(state, 1280, 1024, 640, 480);
}

BENCHMARK(BM_Pixman_Bilinear_x8r8g8b8_145x150_to_123x127);
BENCHMARK(BM_Pixman_Bilinear_x8r8g8b8_400x300_to_160x120);
BENCHMARK(BM_Pixman_Bilinear_x8r8g8b8_1280x1024_to_640x480);
BENCHMARK(BM_Pixman_Over_r8g8b8_FullFrame);
BENCHMARK(BM_Pixman_Over_r8g8b8_Sprite200);
BENCHMARK(BM_Pixman_Bilinear_r8g8b8_Up_400x300_to_1280x960);

#endif

}  // namespace
