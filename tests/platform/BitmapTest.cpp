// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Bitmap.h"

TEST(Bitmap, StoresRowsBottomUpPaddedToFourBytes)
{
    Bitmap b(3, 2, PixelFormat::Bgr24);
    EXPECT_EQ(b.Stride(), 12);
    b.SetPixel(0, 0, RGB(1, 2, 3));
    // Row 0 is the last row in memory.
    EXPECT_EQ(b.Bits()[12], 3);
    EXPECT_EQ(b.Bits()[13], 2);
    EXPECT_EQ(b.Bits()[14], 1);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(1, 2, 3));
    Bitmap m(5, 1, PixelFormat::Gray8);
    EXPECT_EQ(m.Stride(), 8);
}

TEST(Bitmap, RasterOperationsCombineBytes)
{
    Bitmap dst(2, 1), src(2, 1);
    dst.Fill(RGB(0xF0, 0x0F, 0xFF));
    src.Fill(RGB(0x0F, 0x0F, 0x00));
    dst.Draw(0, 0, src, RasterOp::Or);
    EXPECT_EQ(dst.GetPixel(1, 0), RGB(0xFF, 0x0F, 0xFF));
    src.Fill(RGB(0xF0, 0x00, 0x0F));
    dst.Draw(0, 0, src, RasterOp::And);
    EXPECT_EQ(dst.GetPixel(0, 0), RGB(0xF0, 0x00, 0x0F));
}

TEST(Bitmap, CopiesAreClippedOnBothSides)
{
    Bitmap dst(4, 4), src(4, 4);
    src.Fill(clWhite);
    dst.Draw(2, -2, src);
    EXPECT_EQ(dst.GetPixel(2, 0), clWhite);
    EXPECT_EQ(dst.GetPixel(3, 1), clWhite);
    EXPECT_EQ(dst.GetPixel(2, 2), clBlack);
    EXPECT_EQ(dst.GetPixel(1, 0), clBlack);
    dst.Fill(clBlack);
    dst.CopyRect({0, 0, 4, 4}, src, {2, 2, 6, 6});
    EXPECT_EQ(dst.GetPixel(1, 1), clWhite);
    EXPECT_EQ(dst.GetPixel(2, 2), clBlack);
}

TEST(Bitmap, StretchedCopyTakesTheNearestPixel)
{
    Bitmap src(2, 1), dst(4, 2);
    src.SetPixel(0, 0, clRed);
    src.SetPixel(1, 0, clWhite);
    dst.CopyRect(dst.Bounds(), src, src.Bounds());
    EXPECT_EQ(dst.GetPixel(1, 1), clRed);
    EXPECT_EQ(dst.GetPixel(2, 0), clWhite);
}

TEST(Bitmap, FrameAndResize)
{
    Bitmap b(10, 10);
    b.FrameRect({0, 0, 10, 10}, clWhite, 2);
    EXPECT_EQ(b.GetPixel(1, 5), clWhite);
    EXPECT_EQ(b.GetPixel(2, 5), clBlack);
    EXPECT_EQ(b.GetPixel(8, 8), clWhite);
    b.SetSize(12, 3);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    EXPECT_EQ(b.GetPixel(11, 0), clBlack);
    b.SetFormat(PixelFormat::Gray8);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
}

TEST(Bitmap, ANewBitmapIsBlackOnMemoryAPictureUsedBefore)
{
    // Small enough for the allocator to hand the freed memory out again.
    for (int round = 0; round < 4; ++round) {
        {
            Bitmap used = Bitmap::ForOverwrite(40, 30);
            used.FillRect(used.Bounds(), clWhite);
        }
        const Bitmap fresh(40, 30);
        Bitmap grown(1, 1);
        grown.SetSize(40, 30);
        int lit = 0;
        for (const Bitmap* b : {&fresh, static_cast<const Bitmap*>(&grown)})
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    lit += b->GetPixel(x, y) != clBlack ? 1 : 0;
        EXPECT_EQ(lit, 0);
    }
}
