// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/CTransBitmap.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/graphics/GraphicsTestSupport.h"

namespace {

// A sprite drawn over black and over white, the way the pictures are made:
// each channel is alpha * colour + (1 - alpha) * backdrop, rounded.
void DrawOverBackdrops(const Bitmap& colour, const Bitmap& alpha, Bitmap& onBlack, Bitmap& onWhite)
{
    onBlack = Bitmap(colour.Width(), colour.Height());
    onWhite = Bitmap(colour.Width(), colour.Height());
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x) {
            const int a = Byte(alpha, x, y, 0);
            for (int k = 0; k < 3; ++k) {
                const int c = Byte(colour, x, y, k);
                onBlack.ScanLine(y)[x * 3 + k] = static_cast<uint8_t>((a * c + 127) / 255);
                onWhite.ScanLine(y)[x * 3 + k] = static_cast<uint8_t>((a * c + (255 - a) * 255 + 127) / 255);
            }
        }
}

}  // namespace

TEST(CombineBlackWhite, RecoversColourAndMaskOfAKnownSprite)
{
    std::mt19937 rng(21);
    const Bitmap colour = RandomBitmap(64, 32, PixelFormat::Bgr24, rng);
    const Bitmap alpha = RandomSpriteMask(64, 32, rng);
    Bitmap onBlack, onWhite, colourOut, maskOut(1, 1, PixelFormat::Gray8);
    DrawOverBackdrops(colour, alpha, onBlack, onWhite);
    ASSERT_TRUE(CombineBlackWhite(onBlack, onWhite, colourOut, maskOut));
    ASSERT_EQ(maskOut.Format(), PixelFormat::Gray8);
    ASSERT_EQ(maskOut.Width(), 64);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const int a = Byte(alpha, x, y, 0);
            const int m = Byte(maskOut, x, y, 0);
            EXPECT_LE(std::abs(m - a), 1) << x << "," << y;
            // The colour is only defined where something of it shows; the
            // rounding of the backdrop images limits how exactly.
            if (a < 64)
                continue;
            for (int k = 0; k < 3; ++k) {
                EXPECT_LE(std::abs(Byte(colourOut, x, y, k) - Byte(colour, x, y, k)), 255 / a + 2)
                    << x << "," << y << " alpha " << a;
            }
        }
}

TEST(CombineBlackWhite, HandlesTheSpecialPixels)
{
    Bitmap onBlack(4, 1), onWhite(4, 1), colour, mask;
    auto set = [](Bitmap& b, int x, int blue, int green, int red) {
        b.ScanLine(0)[x * 3] = static_cast<uint8_t>(blue);
        b.ScanLine(0)[x * 3 + 1] = static_cast<uint8_t>(green);
        b.ScanLine(0)[x * 3 + 2] = static_cast<uint8_t>(red);
    };
    set(onBlack, 0, 10, 20, 30), set(onWhite, 0, 10, 20, 99);    // blue and green agree: opaque
    set(onBlack, 1, 10, 20, 30), set(onWhite, 1, 200, 21, 30);   // red agrees: opaque
    set(onBlack, 2, 0, 0, 0), set(onWhite, 2, 255, 255, 254);    // d = 0: transparent black
    set(onBlack, 3, 120, 60, 30), set(onWhite, 3, 100, 50, 25);  // over black brighter: d = 275
    ASSERT_TRUE(CombineBlackWhite(onBlack, onWhite, colour, mask));
    EXPECT_EQ(mask.ScanLine(0)[0], 255);
    EXPECT_EQ(colour.GetPixel(0, 0), RGB(30, 20, 10));
    EXPECT_EQ(mask.ScanLine(0)[1], 255);
    EXPECT_EQ(colour.GetPixel(1, 0), RGB(30, 20, 10));
    EXPECT_EQ(mask.ScanLine(0)[2], 0);
    EXPECT_EQ(colour.GetPixel(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(mask.ScanLine(0)[3], 255);
    EXPECT_EQ(colour.GetPixel(3, 0), RGB(30 * 255 / 275, 60 * 255 / 275, 120 * 255 / 275));

    Bitmap other(3, 1), grey(4, 1, PixelFormat::Gray8);
    EXPECT_FALSE(CombineBlackWhite(onBlack, other, colour, mask));
    EXPECT_FALSE(CombineBlackWhite(grey, onWhite, colour, mask));
    Bitmap empty1(0, 0), empty2(0, 0);
    EXPECT_TRUE(CombineBlackWhite(empty1, empty2, colour, mask));
}

TEST(CombineBlackWhite, TheColourIsTheExactQuotientForEveryDivisor)
{
    // Every divisor d = onBlack blue + 255 - onWhite blue, each with every
    // green of the picture over black.
    Bitmap onBlack(256, 511), onWhite(256, 511), colour, mask;
    for (int d = 0; d <= 510; ++d)
        for (int g = 0; g < 256; ++g) {
            uint8_t* b = onBlack.ScanLine(d) + g * 3;
            uint8_t* w = onWhite.ScanLine(d) + g * 3;
            b[0] = static_cast<uint8_t>(std::min(d, 255));
            w[0] = static_cast<uint8_t>(b[0] + 255 - d);
            b[1] = static_cast<uint8_t>(g), w[1] = static_cast<uint8_t>(g ^ 1);
            b[2] = 7, w[2] = 8;
        }
    ASSERT_TRUE(CombineBlackWhite(onBlack, onWhite, colour, mask));
    int wrong = 0;
    for (int d = 1; d <= 510; ++d)
        for (int g = 0; g < 256; ++g)
            wrong += Byte(colour, g, d, 1) != std::min(255, g * 255 / d) ? 1 : 0;
    EXPECT_EQ(wrong, 0);
}

TEST(CTransBitmap, LoadPairReadsBmpAndJpegPairsAndReportsCodes)
{
    ProgramSandbox sandbox;
    std::mt19937 rng(4);
    const Bitmap colour = RandomBitmap(24, 16, PixelFormat::Bgr24, rng);
    const Bitmap alpha = RandomSpriteMask(24, 16, rng);
    Bitmap onBlack, onWhite;
    DrawOverBackdrops(colour, alpha, onBlack, onWhite);
    sandbox.Dir().Write("Data/Intf/Spec/R2_kotB.xbi", EncodeBmp(onBlack));
    sandbox.Dir().Write("Data/Intf/Spec/R2_kotW.xbi", EncodeBmp(onWhite));

    CTransBitmap sprite;
    sprite.LoadPair("Data\\Intf\\Spec\\R2_kotB.xbi", "DATA\\intf\\spec\\r2_kotw.xbi");
    ASSERT_TRUE(sprite.Colour && sprite.Mask);
    Bitmap expectedColour, expectedMask;
    ASSERT_TRUE(CombineBlackWhite(onBlack, onWhite, expectedColour, expectedMask));
    EXPECT_EQ(*sprite.Colour, expectedColour);
    EXPECT_EQ(*sprite.Mask, expectedMask);

    // A JPEG pair of a fully opaque picture gives a fully opaque mask.
    Bitmap solid(16, 16);
    solid.Fill(RGB(200, 40, 90));
    sandbox.Dir().Write("Data/pB.xji", EncodeJpeg(solid, 95));
    sandbox.Dir().Write("Data/pW.xji", EncodeJpeg(solid, 95));
    EXPECT_EQ(sprite.TryLoadPair("Data\\pB.xji", "Data\\pW.xji"), 0);
    EXPECT_EQ(sprite.Mask->GetPixel(7, 7) & 0xFF, 255u);

    EXPECT_EQ(sprite.TryLoadPair("Data\\missingB.xbi", "Data\\pW.xji"), 6);
    try {
        sprite.LoadPair("Data\\pB.xji", "Data\\brakW.xbi");
        FAIL() << "no exception";
    } catch (const ETransBitmap& e) {
        EXPECT_EQ(e.Code, 6);
        EXPECT_EQ(std::string(e.what()), std::string("CTransBitmap, Błąd berrLoad, Plik: Data\\brakW.xbi"_cp));
    }
    sandbox.Dir().Write("Data/broken.xbi", "BM this is not a picture");
    EXPECT_EQ(sprite.TryLoadPair("Data\\pB.xji", "Data\\broken.xbi"), 6);
    EXPECT_EQ(sprite.TryLoadPair("Data\\Intf\\Spec\\R2_kotB.xbi", "Data\\pW.xji"), 8);
}

TEST(ETransBitmap, CarriesTheFixedMessages)
{
    EXPECT_EQ(TransBitmapMessage(1), std::string("CTransBitmap, Błąd: berrUnknown"_cp));
    EXPECT_EQ(TransBitmapMessage(5), std::string("CTransBitmap, Błąd: berrUnknownType"_cp));
    EXPECT_EQ(TransBitmapMessage(14), std::string("CTransBitmap, Błąd berrFormat"_cp));
    EXPECT_EQ(TransBitmapMessage(18), std::string("CTransBitmap, Błąd berrDifferentType"_cp));
    EXPECT_EQ(TransBitmapMessage(0), std::string("CTransBitmap, Błąd: NIEZNANY!"_cp));
    EXPECT_EQ(TransBitmapMessage(19), std::string("CTransBitmap, Błąd: NIEZNANY!"_cp));
    const ETransBitmap e(8);
    EXPECT_EQ(e.Code, 8);
    EXPECT_EQ(std::string(e.what()), std::string("CTransBitmap, Błąd berrSize"_cp));
}

TEST(CTransBitmap, SettersKeepMaskAndColourTheSameSize)
{
    CTransBitmap t;
    t.SetMask(std::make_unique<Bitmap>(4, 4, PixelFormat::Gray8));
    t.Mask->Fill(clWhite);
    t.SetColour(std::make_unique<Bitmap>(6, 3, PixelFormat::Bgrx32));
    EXPECT_EQ(t.Colour->Format(), PixelFormat::Bgr24);
    EXPECT_EQ(t.Mask->Width(), 6);
    EXPECT_EQ(t.Mask->Height(), 3);
    EXPECT_EQ(t.Mask->GetPixel(3, 2), clWhite);
    EXPECT_EQ(t.Mask->GetPixel(4, 0), clBlack);  // added area is transparent

    // A colour mask becomes grey by luminance, then fits the colour.
    auto colourMask = std::make_unique<Bitmap>(2, 2);
    colourMask->Fill(RGB(100, 200, 50));  // red 100, green 200, blue 50
    t.SetMask(std::move(colourMask));
    EXPECT_EQ(t.Mask->Format(), PixelFormat::Gray8);
    EXPECT_EQ(t.Mask->Width(), 6);
    EXPECT_EQ(t.Mask->ScanLine(0)[0], (50 * 11 + 200 * 59 + 100 * 30 + 50) / 100);

    t.CreateFilled(3, 2, 77);
    EXPECT_EQ(t.Mask->ScanLine(1)[2], 77);
    t.CreateOpaque(5, 5);
    EXPECT_EQ(t.Mask->Width(), 5);
    EXPECT_EQ(t.Colour->GetPixel(4, 4), clBlack);

    CTransBitmap other;
    other.TakeFrom(t);
    EXPECT_FALSE(t.Colour);
    EXPECT_FALSE(t.Mask);
    EXPECT_EQ(other.Colour->Width(), 5);
}

TEST(ToGrey, TakesTheFirstChannelOrTheLuminance)
{
    Bitmap b(2, 1);
    b.SetPixel(0, 0, RGB(10, 20, 30));
    b.SetPixel(1, 0, RGB(255, 255, 255));
    Bitmap first = b;
    ToGrey(first, true);
    EXPECT_EQ(first.Format(), PixelFormat::Gray8);
    EXPECT_EQ(first.ScanLine(0)[0], 30);
    ToGrey(b, false);
    EXPECT_EQ(b.ScanLine(0)[0], (30 * 11 + 20 * 59 + 10 * 30 + 50) / 100);
    EXPECT_EQ(b.ScanLine(0)[1], 255);
    const auto empty = NewMask(0, 5, 3);
    EXPECT_TRUE(empty->Empty());
}

TEST(BleedEdges, GivesTransparentPixelsTheMeanOfOpaqueNeighbours)
{
    Bitmap colour(3, 3), mask(3, 3, PixelFormat::Gray8);
    colour.Fill(RGB(1, 1, 1));
    colour.SetPixel(0, 0, RGB(100, 0, 10));
    colour.SetPixel(2, 0, RGB(50, 30, 11));
    mask.ScanLine(0)[0] = 255;
    mask.ScanLine(0)[2] = 3;  // any non-zero value counts
    BleedEdges(colour, mask);
    EXPECT_EQ(colour.GetPixel(1, 0), RGB(75, 15, 10));   // (10 + 11) / 2 = 10
    EXPECT_EQ(colour.GetPixel(0, 1), RGB(100, 0, 10));
    EXPECT_EQ(colour.GetPixel(1, 1), RGB(75, 15, 10));
    EXPECT_EQ(colour.GetPixel(1, 2), RGB(1, 1, 1));      // no opaque neighbour
    EXPECT_EQ(colour.GetPixel(0, 0), RGB(100, 0, 10));   // opaque pixels keep theirs
    EXPECT_EQ(colour.GetPixel(2, 0), RGB(50, 30, 11));
}

TEST(CTransBitmap, StretchFromScalesColourAndMask)
{
    CTransBitmap source;
    source.CreateFilled(4, 4, 0);
    source.Colour->Fill(RGB(200, 100, 50));
    source.Mask->FillRect({0, 0, 2, 4}, clWhite);  // left half opaque
    source.Colour->FillRect({2, 0, 4, 4}, clBlack);

    CTransBitmap scaled;
    scaled.StretchFrom(source, 8, 8, true);
    ASSERT_EQ(scaled.Colour->Width(), 8);
    ASSERT_EQ(scaled.Mask->Format(), PixelFormat::Gray8);
    EXPECT_EQ(scaled.Mask->GetPixel(0, 3), clWhite);
    EXPECT_EQ(scaled.Mask->GetPixel(7, 3), clBlack);
    // Bled edges: the transparent half took the opaque colour, so the soft
    // edge is not darkened.
    EXPECT_EQ(scaled.Colour->GetPixel(4, 3), RGB(200, 100, 50));

    CTransBitmap colourOnly;
    colourOnly.Colour = std::make_unique<Bitmap>(2, 2);
    colourOnly.Colour->Fill(clWhite);
    scaled.StretchFrom(colourOnly, 3, 3, false);
    EXPECT_FALSE(scaled.Mask);
    EXPECT_EQ(scaled.Colour->GetPixel(1, 1), clWhite);

    CTransBitmap nothing;
    scaled.StretchFrom(nothing, 5, 2, false);
    EXPECT_FALSE(scaled.Colour);
    ASSERT_TRUE(scaled.Mask);
    EXPECT_EQ(scaled.Mask->Width(), 5);
    EXPECT_EQ(scaled.Mask->GetPixel(4, 1), clWhite);
}

TEST(CTransBitmap, DrawOnCanvasComposesOverWhatIsThere)
{
    CTransBitmap sprite;
    sprite.CreateFilled(4, 4, 255);
    sprite.Colour->Fill(RGB(255, 0, 0));
    sprite.Mask->FillRect({0, 0, 2, 4}, clBlack);
    Bitmap canvas(10, 10);
    canvas.Fill(RGB(0, 0, 255));
    sprite.DrawOnCanvas(canvas, 8, 1, 255, false);  // partly outside the canvas
    EXPECT_EQ(canvas.GetPixel(8, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.GetPixel(9, 1), RGB(0, 0, 255));
    sprite.DrawOnCanvas(canvas, 2, 2, 255, false);
    EXPECT_EQ(canvas.GetPixel(3, 2), RGB(0, 0, 255));
    EXPECT_EQ(canvas.GetPixel(4, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.GetPixel(6, 5), RGB(0, 0, 255));
    ASSERT_TRUE(sprite.Cache);
    EXPECT_EQ(sprite.Cache->GetPixel(0, 0), RGB(0, 0, 255));
    sprite.DrawOnCanvas(canvas, 0, 0, 255, true);
    EXPECT_FALSE(sprite.Cache);
    const auto detached = sprite.DetachCache();
    EXPECT_TRUE(detached->Empty());

    // Opacity 0 composes the plain background into the cache.
    Bitmap bg(20, 20);
    bg.Fill(RGB(1, 2, 3));
    sprite.ComposeOver(*sprite.Colour, *sprite.Mask, 0, 5, 5, bg);
    EXPECT_EQ(sprite.Cache->GetPixel(3, 3), RGB(1, 2, 3));
    EXPECT_EQ(sprite.GetCache(4, 4).Width(), 4);
}
