// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Laying an image button's picture over the background through its mask.
#include <gtest/gtest.h>

#include "controls/ButtonPictures.h"

namespace {

Bitmap Noise(int w, int h, uint32_t seed)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            b.SetPixel(x, y, RGB(seed >> 24, (seed >> 16) & 0xFF, (seed >> 8) & 0xFF));
        }
    return b;
}

}  // namespace

TEST(DrawMasked, ABlackAndWhiteMaskGivesWhatOrAndAndGave)
{
    // The picture is white where the mask is black, as the library keeps it.
    Bitmap mask(9, 7);
    Bitmap picture = Noise(9, 7, 5);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool covered = (x * 3 + y * 5) % 4 != 0;
            mask.SetPixel(x, y, covered ? clWhite : clBlack);
            if (!covered)
                picture.SetPixel(x, y, clWhite);
        }
    // Inside, across every edge and wholly outside the destination.
    for (const auto& [x, y] : {std::pair{3, 2}, std::pair{-4, -3}, std::pair{16, 10}, std::pair{-20, 0}}) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        const Bitmap background = Noise(20, 14, 77);
        Bitmap expected = background;
        expected.Draw(x, y, mask, RasterOp::Or);
        expected.Draw(x, y, picture, RasterOp::And);
        Bitmap got = background;
        DrawMasked(got, x, y, mask, picture);
        EXPECT_TRUE(got == expected);
    }
}

TEST(DrawMasked, GreyInTheMaskBlendsTheEdge)
{
    Bitmap mask(3, 1);
    mask.SetPixel(0, 0, RGB(0, 0, 0));
    mask.SetPixel(1, 0, RGB(128, 128, 128));
    mask.SetPixel(2, 0, RGB(255, 255, 255));
    Bitmap picture(3, 1);
    picture.Fill(RGB(200, 100, 0));
    Bitmap dest(3, 1);
    dest.Fill(RGB(0, 100, 200));
    DrawMasked(dest, 0, 0, mask, picture);
    EXPECT_EQ(dest.GetPixel(0, 0), RGB(0, 100, 200));
    EXPECT_EQ(dest.GetPixel(1, 0), RGB(100, 100, 100));
    EXPECT_EQ(dest.GetPixel(2, 0), RGB(200, 100, 0));
}
