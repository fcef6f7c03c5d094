// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/common/PaintAround.h"

TEST(PaintBlackAround, BlackensEveryPixelOutsideTheAreaAndNoneInside)
{
    Bitmap screen(40, 30);
    screen.Fill(clWhite);
    TCanvas canvas(screen);
    const TRect area{7, 5, 31, 22};
    PaintBlackAround(canvas, area, screen.Width(), screen.Height());
    int wrong = 0;
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x) {
            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            if (canvas.Pixel(x, y) != (inside ? clWhite : clBlack))
                ++wrong;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(PaintBlackAround, AnAreaCoveringTheScreenLeavesItAlone)
{
    Bitmap screen(20, 10);
    screen.Fill(clWhite);
    TCanvas canvas(screen);
    PaintBlackAround(canvas, screen.Bounds(), screen.Width(), screen.Height());
    for (TPoint p : {TPoint{0, 0}, TPoint{19, 0}, TPoint{0, 9}, TPoint{19, 9}})
        EXPECT_EQ(canvas.Pixel(p.x, p.y), clWhite);
}
