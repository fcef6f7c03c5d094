// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-bitmap records and one-colour drawing.
#include "graphics/CTByteBitmap.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/SoundPlayer.h"

namespace {

std::string Int32(int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    return std::string{static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
}

std::string Packed(int w, int h, const std::string& bytes)
{
    return "TBBs" + Int32(w) + Int32(h) + Int32(static_cast<int32_t>(bytes.size())) + bytes;
}

bool Load(CTByteBitmap& bmp, const std::string& record)
{
    std::istringstream in(record);
    return bmp.LoadFromStream(in);
}

}  // namespace

TEST(CTByteBitmapRecord, UnpacksSevenBitValuesAndRuns)
{
    CTByteBitmap bmp;
    // 127 -> 255, 126 -> 252, 0 -> 0, then a run of 0 + 3 copies of 5 -> 10.
    ASSERT_TRUE(Load(bmp, Packed(3, 2, std::string("\x7F\x7E\x00\x85\x00", 5))));
    EXPECT_EQ(bmp.Width(), 3);
    EXPECT_EQ(bmp.Height(), 2);
    EXPECT_EQ(bmp.At(0, 0), 255);
    EXPECT_EQ(bmp.At(1, 0), 252);
    EXPECT_EQ(bmp.At(2, 0), 0);
    EXPECT_EQ(bmp.At(0, 1), 10);
    EXPECT_EQ(bmp.At(2, 1), 10);
}

TEST(CTByteBitmapRecord, RunPastTheEndIsCutButLeftoverBytesAreRefused)
{
    CTByteBitmap bmp;
    // A run of 258 into a 2 x 2 image, as the last item: accepted, cut.
    EXPECT_TRUE(Load(bmp, Packed(2, 2, std::string("\x81\xFF", 2))));
    EXPECT_EQ(bmp.At(1, 1), 2);
    // The same run followed by one more value: refused.
    EXPECT_FALSE(Load(bmp, Packed(2, 2, std::string("\x81\xFF\x01", 3))));
    // A run byte without its count, and too few values.
    EXPECT_FALSE(Load(bmp, Packed(2, 2, std::string("\x01\x81", 2))));
    EXPECT_FALSE(Load(bmp, Packed(2, 2, std::string("\x01\x01\x01", 3))));
    // No packed bytes: only for an empty image.
    EXPECT_TRUE(Load(bmp, Packed(0, 0, "")));
    EXPECT_FALSE(Load(bmp, Packed(1, 1, "")));
}

TEST(CTByteBitmapRecord, RefusesOutOfBoundsAndShortRecords)
{
    CTByteBitmap bmp;
    // 3000 x 3000 is over the pixel limit although each side is allowed.
    EXPECT_FALSE(Load(bmp, "TBB1" + Int32(3000) + Int32(3000) + std::string(100, 'x')));
    EXPECT_FALSE(Load(bmp, "TBB1" + Int32(100001) + Int32(1)));
    EXPECT_FALSE(Load(bmp, "TBB1" + Int32(-1) + Int32(1)));
    EXPECT_FALSE(Load(bmp, "TBBx" + Int32(1) + Int32(1) + "a"));
    EXPECT_FALSE(Load(bmp, "TBB1" + Int32(2) + Int32(2) + "abc"));
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_EQ(bmp.Data(), nullptr);
    EXPECT_FALSE(Load(bmp, "TBBs" + Int32(2) + Int32(2) + Int32(0x800001)));
    // A lying packed length in a short file.
    EXPECT_FALSE(Load(bmp, "TBBs" + Int32(2000) + Int32(2000) + Int32(0x800000) + "\x81\x10"));
    EXPECT_FALSE(Load(bmp, "TB"));
    ASSERT_TRUE(Load(bmp, "TBB1" + Int32(2) + Int32(1) + "\x10\xF0"));
    EXPECT_EQ(bmp.At(1, 0), 0xF0);
}

TEST(CTByteBitmapRecord, WrittenRecordsReadBack)
{
    CTByteBitmap bmp;
    bmp.SetSize(300, 2);
    for (int x = 0; x < 300; ++x)
        bmp.Set(x, 1, static_cast<uint8_t>(x < 270 ? 254 : (x % 2) * 2));
    bmp.Set(5, 0, 255);
    // 254 does not survive packing; raw records keep every value.
    EXPECT_FALSE(bmp.PacksLosslessly());
    for (bool packed : {false, true}) {
        std::stringstream s;
        bmp.SaveToStream(s, packed);
        CTByteBitmap back;
        ASSERT_TRUE(back.LoadFromStream(s)) << packed;
        EXPECT_EQ(back.Width(), 300);
        EXPECT_EQ(back.At(5, 0), 255);
        EXPECT_EQ(back.At(0, 1), packed ? 255 : 254);
        EXPECT_EQ(back.At(271, 1), 2);
        if (!packed) {
            EXPECT_TRUE(back == bmp);
        }
    }
    bmp.Set(0, 1, 255);
    for (int x = 0; x < 270; ++x)
        bmp.Set(x, 1, 252);
    ASSERT_TRUE(bmp.PacksLosslessly());
    std::stringstream s;
    bmp.SaveToStream(s, true);
    EXPECT_LT(s.str().size(), 300u);  // the long runs were packed
    CTByteBitmap back;
    ASSERT_TRUE(back.LoadFromStream(s));
    EXPECT_TRUE(back == bmp);
}

TEST(CTByteBitmap, SetSizeKeepsTopLeftAndIgnoresHugeSizes)
{
    CTByteBitmap bmp;
    bmp.SetSize(3, 2);
    bmp.Set(0, 0, 1);
    bmp.Set(2, 1, 9);
    bmp.Set(1, 1, 7);
    bmp.SetSize(2, 3);
    EXPECT_EQ(bmp.At(0, 0), 1);
    EXPECT_EQ(bmp.At(1, 1), 7);
    EXPECT_EQ(bmp.At(1, 2), 0);
    bmp.SetSize(3000, 3000);
    EXPECT_EQ(bmp.Width(), 2);
    bmp.SetSize(0, 5);
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_EQ(bmp.Height(), 5);
    EXPECT_EQ(bmp.Data(), nullptr);
}

TEST(CTByteBitmapDraw, BlendsTowardsThePixelWithTheExactWeights)
{
    const TColor colour = RGB(30, 0, 200);  // bytes B 200, G 0, R 30
    auto drawOne = [&](uint8_t v, int opacity, PixelFormat format) {
        Bitmap target(1, 1, format);
        target.SetPixel(0, 0, RGB(30, 255, 10));
        if (format == PixelFormat::Bgrx32)
            target.ScanLine(0)[3] = 0x5A;
        CTByteBitmap glyph;
        glyph.SetSize(1, 1);
        glyph.Set(0, 0, v);
        glyph.DrawColour(target, 0, 0, opacity, {0, 0, 10, 10}, colour);
        if (format == PixelFormat::Bgrx32) {
            EXPECT_EQ(target.ScanLine(0)[3], 0x5A);
        }
        return target.GetPixel(0, 0);
    };
    // Weight 256 - 100: blue 200 - (190 * 156 >> 8), green 0 + (255 * 156 >> 8).
    EXPECT_EQ(drawOne(100, 255, PixelFormat::Bgr24), RGB(30, 155, 85));
    // Opacity 128, coverage 200: k = 25800, weight 256 - 100 again.
    EXPECT_EQ(drawOne(200, 128, PixelFormat::Bgrx32), RGB(30, 155, 85));
    EXPECT_EQ(drawOne(255, 255, PixelFormat::Bgr24), colour);
    EXPECT_EQ(drawOne(0, 255, PixelFormat::Bgr24), RGB(30, 255, 10));
    // k = 254 leaves the pixel; k = 256 gives weight 255.
    EXPECT_EQ(drawOne(127, 1, PixelFormat::Bgr24), RGB(30, 255, 10));
    EXPECT_EQ(drawOne(128, 1, PixelFormat::Bgr24), RGB(30, 254, 11));
    EXPECT_EQ(drawOne(255, 0, PixelFormat::Bgr24), RGB(30, 255, 10));
    EXPECT_EQ(drawOne(255, 900, PixelFormat::Bgr24), colour);
}

TEST(CTByteBitmapDraw, ClipsToRectangleAndTarget)
{
    CTByteBitmap glyph;
    glyph.SetSize(4, 2);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            glyph.Set(x, y, static_cast<uint8_t>(x == 0 ? 255 : 0));
    // A clip left of x: drawing starts at x.
    Bitmap target(10, 4);
    glyph.DrawColour(target, 3, 1, 255, {0, 0, 10, 10}, clWhite);
    EXPECT_EQ(target.GetPixel(3, 1), clWhite);
    EXPECT_EQ(target.GetPixel(2, 1), clBlack);
    // x left of the clip: the leading glyph columns are skipped.
    Bitmap clipped(10, 4);
    glyph.Set(2, 0, 255);
    glyph.DrawColour(clipped, 3, 0, 255, {4, 0, 10, 1}, clWhite);
    EXPECT_EQ(clipped.GetPixel(3, 0), clBlack);
    EXPECT_EQ(clipped.GetPixel(5, 0), clWhite);
    EXPECT_EQ(clipped.GetPixel(3, 1), clBlack);
    // Partly outside the target, negative position included.
    Bitmap small(2, 2);
    glyph.Set(2, 1, 255);
    glyph.DrawColour(small, -2, -1, 255, {-100, -100, 100, 100}, clWhite);
    EXPECT_EQ(small.GetPixel(0, 0), clWhite);  // glyph column 2, row 1
    EXPECT_EQ(small.GetPixel(1, 0), clBlack);
    EXPECT_EQ(small.GetPixel(0, 1), clBlack);
}

TEST(CTByteBitmapDraw, RefusesGreyTargetsWithABeep)
{
    auto previous = InstallSoundPlayer(std::make_unique<SilentSoundPlayer>());
    auto& silent = static_cast<SilentSoundPlayer&>(TheSoundPlayer());
    CTByteBitmap glyph;
    glyph.SetSize(1, 1);
    glyph.Set(0, 0, 255);
    Bitmap grey(2, 2, PixelFormat::Gray8);
    glyph.DrawColour(grey, 0, 0, 255, {0, 0, 2, 2}, clWhite);
    EXPECT_EQ(silent.beeps, 1);
    EXPECT_EQ(grey.GetPixel(0, 0), clBlack);
    InstallSoundPlayer(std::move(previous));
}
