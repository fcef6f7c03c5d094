// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "graphics/BlendRow.h"
#include "graphics/CTransBitmap.h"
#include "platform/SoundPlayer.h"
#include "tests/graphics/GraphicsTestSupport.h"

namespace {

// One channel blended with a weight of 1..255 out of 256, rounding towards the background.
unsigned Towards(unsigned bg, unsigned fg, unsigned w)
{
    return fg >= bg ? bg + ((fg - bg) * w >> 8) : bg - ((bg - fg) * w >> 8);
}

// The blend rule written case by case, as the games rely on it.
unsigned ExpectedBlend(unsigned g, unsigned f, unsigned m, int opacity)
{
    if (opacity == 0)
        return g;
    if (opacity == 255) {
        if (m == 0)
            return g;
        if (m == 255)
            return f;
        return Towards(g, f, m + 1);
    }
    const unsigned k = static_cast<unsigned>(opacity + 1) * m;
    if (k <= 255)
        return g;
    const unsigned w = k / 256 + 1;
    if (w == 256)
        return f;
    return Towards(g, f, w);
}

void ExpectRowMatchesRule(const uint8_t* out, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int n,
                          int opacity)
{
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(out[i * 3 + c], ExpectedBlend(bg[i * 3 + c], fg[i * 3 + c], mask[i], opacity))
                << "pixel " << i << " channel " << c << " opacity " << opacity << " mask " << int(mask[i]);
}

}  // namespace

TEST(BlendTransparent, FollowsTheRuleAtEveryMaskAndOpacityBoundary)
{
    const int masks[] = {0, 1, 2, 127, 128, 129, 253, 254, 255};
    const int opacities[] = {0, 1, 2, 127, 128, 254, 255};
    const int pairs[][2] = {{0, 255}, {255, 0}, {100, 100}, {10, 11}, {11, 10}, {200, 37}, {37, 200}};
    // One long row of every combination, so that the vector code sees them all.
    const int n = static_cast<int>(std::size(masks) * std::size(pairs));
    for (int opacity : opacities) {
        Bitmap bg(n, 1), fg(n, 1), mask(n, 1, PixelFormat::Gray8);
        int i = 0;
        for (int m : masks)
            for (const auto& p : pairs) {
                mask.ScanLine(0)[i] = static_cast<uint8_t>(m);
                for (int c = 0; c < 3; ++c) {
                    bg.ScanLine(0)[i * 3 + c] = static_cast<uint8_t>(p[0] ^ (c * 3));
                    fg.ScanLine(0)[i * 3 + c] = static_cast<uint8_t>(p[1] ^ (c * 5));
                }
                ++i;
            }
        Bitmap out(n, 1);
        BlendTransparent(&out, 0, 0, opacity, 0, 0, &bg, fg.Bounds(), &mask, &fg);
        ExpectRowMatchesRule(out.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
    }
    // Out-of-range opacities are clamped.
    Bitmap bg(1, 1), fg(1, 1), mask(1, 1, PixelFormat::Gray8), out(1, 1);
    bg.Fill(RGB(10, 10, 10));
    fg.Fill(RGB(250, 250, 250));
    mask.Fill(clWhite);
    BlendTransparent(&out, 0, 0, 900, 0, 0, &bg, fg.Bounds(), &mask, &fg);
    EXPECT_EQ(out.GetPixel(0, 0), RGB(250, 250, 250));
    BlendTransparent(&out, 0, 0, -5, 0, 0, &bg, fg.Bounds(), &mask, &fg);
    EXPECT_EQ(out.GetPixel(0, 0), RGB(10, 10, 10));
}

TEST(BlendTransparent, VectorRowsEqualThePlainRowsOnRandomPictures)
{
    std::mt19937 rng(7);
    const int opacities[] = {255, 0, 1, 128, 200, 254};
    for (int trial = 0; trial < 60; ++trial) {
        const int n = 1 + static_cast<int>(rng() % 300);
        Bitmap bg = RandomBitmap(n, 1, PixelFormat::Bgr24, rng);
        const Bitmap fg = RandomBitmap(n, 1, PixelFormat::Bgr24, rng);
        const Bitmap mask = RandomSpriteMask(n, 1, rng);
        const int opacity = opacities[trial % std::size(opacities)];
        Bitmap fast(n, 1), plain(n, 1);
        BlendRow24(fast.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
        BlendRow24Scalar(plain.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
        ASSERT_EQ(fast, plain) << "width " << n << " opacity " << opacity;
        if (__builtin_cpu_supports("ssse3")) {
            Bitmap narrow(n, 1);
            BlendRow24Ssse3(narrow.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
            ASSERT_EQ(narrow, plain) << "width " << n << " opacity " << opacity;
        }
        ExpectRowMatchesRule(plain.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
        // In place gives the same as into another bitmap.
        BlendRow24(bg.ScanLine(0), bg.ScanLine(0), fg.ScanLine(0), mask.ScanLine(0), n, opacity);
        ASSERT_EQ(bg, fast);
    }
}

TEST(BlendTransparent, ClipsToSourceRectTargetAndBackground)
{
    std::mt19937 rng(3);
    const Bitmap fg = RandomBitmap(20, 10, PixelFormat::Bgr24, rng);
    const auto mask = NewMask(20, 10, 255);
    const Bitmap bg = RandomBitmap(30, 30, PixelFormat::Bgr24, rng);
    Bitmap target(30, 30);
    target.Fill(RGB(1, 2, 3));

    // Only columns 5..9 and rows 2..3 of the picture are drawn.
    BlendTransparent(&target, 4, 6, 255, 0, 0, &bg, {5, 2, 10, 4}, mask.get(), &fg);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 9 && x < 14 && y >= 8 && y < 10;
            EXPECT_EQ(target.GetPixel(x, y), inside ? fg.GetPixel(x - 4, y - 6) : RGB(1, 2, 3)) << x << "," << y;
        }

    // Negative positions skip leading columns and rows; the background offset
    // is applied to the same picture pixel.
    target.Fill(RGB(1, 2, 3));
    BlendTransparent(&target, -3, -2, 0, 5, 7, &bg, fg.Bounds(), mask.get(), &fg);
    EXPECT_EQ(target.GetPixel(0, 0), bg.GetPixel(7 + 3, 5 + 2));
    EXPECT_EQ(target.GetPixel(16, 7), bg.GetPixel(7 + 19, 5 + 9));
    EXPECT_EQ(target.GetPixel(17, 0), RGB(1, 2, 3));
    EXPECT_EQ(target.GetPixel(0, 8), RGB(1, 2, 3));

    // A background too small limits the drawn area as well.
    Bitmap smallBg(3, 3);
    smallBg.Fill(RGB(9, 9, 9));
    target.Fill(RGB(1, 2, 3));
    BlendTransparent(&target, 0, 0, 0, 1, 1, &smallBg, fg.Bounds(), mask.get(), &fg);
    EXPECT_EQ(target.GetPixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(target.GetPixel(2, 1), RGB(1, 2, 3));
}

TEST(BlendTransparent, DoesNothingWithMissingOrMismatchedPictures)
{
    Bitmap target(4, 4), fg(4, 4), bg(4, 4);
    fg.Fill(clWhite);
    const Bitmap before = target;
    const auto smallMask = NewMask(3, 4, 255);
    const auto mask = NewMask(4, 4, 255);
    BlendTransparent(&target, 0, 0, 255, 0, 0, &target, fg.Bounds(), smallMask.get(), &fg);
    BlendTransparent(&target, 0, 0, 255, 0, 0, nullptr, fg.Bounds(), mask.get(), &fg);
    BlendTransparent(&target, 0, 0, 255, 0, 0, &target, fg.Bounds(), mask.get(), nullptr);
    Bitmap greyTarget(4, 4, PixelFormat::Gray8);
    BlendTransparent(&greyTarget, 0, 0, 255, 0, 0, &bg, fg.Bounds(), mask.get(), &fg);
    EXPECT_EQ(target, before);
    EXPECT_EQ(greyTarget, Bitmap(4, 4, PixelFormat::Gray8));
}

TEST(BlendTransparent, WritesOnlyThreeBytesOfThirtyTwoBitPixels)
{
    std::mt19937 rng(11);
    const Bitmap fg = RandomBitmap(19, 3, PixelFormat::Bgr24, rng);
    const Bitmap mask = RandomSpriteMask(19, 3, rng);
    const Bitmap bg24 = RandomBitmap(19, 3, PixelFormat::Bgr24, rng);
    Bitmap bg32 = bg24;
    bg32.SetFormat(PixelFormat::Bgrx32);
    Bitmap target32(19, 3, PixelFormat::Bgrx32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 19; ++x)
            target32.ScanLine(y)[x * 4 + 3] = 0xA5;
    Bitmap target24(19, 3);
    BlendTransparent(&target32, 0, 0, 255, 0, 0, &bg32, fg.Bounds(), &mask, &fg);
    BlendTransparent(&target24, 0, 0, 255, 0, 0, &bg24, fg.Bounds(), &mask, &fg);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 19; ++x) {
            EXPECT_EQ(target32.GetPixel(x, y), target24.GetPixel(x, y));
            EXPECT_EQ(target32.ScanLine(y)[x * 4 + 3], 0xA5);
        }
}

TEST(BlendTransparent, InPlaceAtAnotherPositionReadsTheUntouchedBackground)
{
    std::mt19937 rng(5);
    Bitmap canvas = RandomBitmap(40, 40, PixelFormat::Bgr24, rng);
    const Bitmap fg = RandomBitmap(20, 20, PixelFormat::Bgr24, rng);
    const Bitmap mask = RandomSpriteMask(20, 20, rng);
    const Bitmap original = canvas;
    Bitmap expected = canvas;
    BlendTransparent(&expected, 5, 6, 200, 8, 9, &original, fg.Bounds(), &mask, &fg);
    BlendTransparent(&canvas, 5, 6, 200, 8, 9, &canvas, fg.Bounds(), &mask, &fg);
    EXPECT_EQ(canvas, expected);
}

TEST(DrawColour, BlendsTheColourTowardsThePixelByCoverage)
{
    Bitmap target(6, 1);
    const uint8_t base[3] = {40, 200, 90};  // blue, green, red of every pixel
    for (int x = 0; x < 6; ++x)
        std::memcpy(target.ScanLine(0) + x * 3, base, 3);
    const uint8_t coverage[6] = {0, 255, 1, 128, 254, 200};
    const TColor colour = RGB(250, 10, 100);  // blue 100, green 10, red 250
    const unsigned c[3] = {100, 10, 250};
    for (int opacity : {255, 128, 0}) {
        Bitmap t = target;
        DrawColour(t, 0, 0, opacity, t.Bounds(), colour, coverage, 6, 1);
        for (int x = 0; x < 6; ++x)
            for (int k = 0; k < 3; ++k) {
                unsigned expected = base[k];
                const unsigned v = coverage[x];
                if (opacity == 255) {
                    if (v == 255)
                        expected = c[k];
                    else if (v != 0)
                        expected = Towards(c[k], base[k], 256 - v);
                } else {
                    const unsigned kk = (opacity + 1) * v;
                    if (kk > 255)
                        expected = Towards(c[k], base[k], 256 - (kk >> 8));
                }
                EXPECT_EQ(Byte(t, x, 0, k), expected) << "opacity " << opacity << " x " << x << " k " << k;
            }
    }
}

TEST(DrawColour, ClipsToClipRectAndTargetAndRefusesGreyTargets)
{
    const uint8_t coverage[4 * 2] = {255, 255, 255, 255, 255, 255, 255, 255};
    Bitmap t(10, 4);
    // Clip left of x: drawing starts at x.
    DrawColour(t, 3, 1, 255, {0, 0, 10, 4}, clWhite, coverage, 4, 2);
    EXPECT_EQ(t.GetPixel(2, 1), clBlack);
    EXPECT_EQ(t.GetPixel(3, 1), clWhite);
    EXPECT_EQ(t.GetPixel(6, 2), clWhite);
    EXPECT_EQ(t.GetPixel(7, 2), clBlack);
    // x left of the clip: the leading glyph columns are skipped.
    Bitmap u(10, 4);
    DrawColour(u, -2, 0, 255, {1, 0, 10, 1}, clWhite, coverage, 4, 2);
    EXPECT_EQ(u.GetPixel(0, 0), clBlack);
    EXPECT_EQ(u.GetPixel(1, 0), clWhite);
    EXPECT_EQ(u.GetPixel(2, 0), clBlack);
    EXPECT_EQ(u.GetPixel(1, 1), clBlack);

    auto player = std::make_unique<SilentSoundPlayer>();
    SilentSoundPlayer* silent = player.get();
    auto previous = InstallSoundPlayer(std::move(player));
    Bitmap grey(4, 4, PixelFormat::Gray8);
    DrawColour(grey, 0, 0, 255, grey.Bounds(), clWhite, coverage, 4, 2);
    EXPECT_EQ(silent->beeps, 1);
    EXPECT_EQ(grey, Bitmap(4, 4, PixelFormat::Gray8));
    InstallSoundPlayer(std::move(previous));
}
