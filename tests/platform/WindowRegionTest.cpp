// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/WindowRegion.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

TEST(WindowRegion, RoundRectCutsTheCornersSymmetrically)
{
    const WindowRegion r = WindowRegion::RoundRect({0, 0, 420, 250}, 25, 25);
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(419, 249));
    EXPECT_FALSE(r.Contains(2, 2));
    EXPECT_TRUE(r.Contains(210, 0));
    EXPECT_TRUE(r.Contains(0, 125));
    EXPECT_TRUE(r.Contains(8, 8));
    EXPECT_FALSE(r.Contains(420, 125));
    EXPECT_FALSE(r.Contains(210, 250));
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 420; ++x) {
            ASSERT_EQ(r.Contains(x, y), r.Contains(419 - x, y)) << x << "," << y;
            ASSERT_EQ(r.Contains(x, y), r.Contains(x, 249 - y)) << x << "," << y;
        }
    // Only the corners are cut: the first row loses at most half the ellipse width.
    EXPECT_GT(r.Span(0).first, 0);
    EXPECT_LE(r.Span(0).first, 13);
    EXPECT_EQ(r.Span(13).first, 0);

    // A region starting inside the form cuts the outer rows and columns away.
    const WindowRegion inner = WindowRegion::RoundRect({5, 5, 600, 450}, 50, 50);
    EXPECT_FALSE(inner.Contains(4, 200));
    EXPECT_FALSE(inner.Contains(300, 4));
    EXPECT_TRUE(inner.Contains(5, 200));
}

TEST(WindowRegion, ClipsTheFormsPixelsAndItsMouseHits)
{
    ProgramSandbox box;
    auto app = HeadlessApp("click 101 101\nclick 150 150\n");
    TForm below(*app, "Below", 640, 480);
    TForm rounded(*app, "Rounded", 200, 100);
    rounded.SetPosition(100, 100);
    rounded.SetRoundRectRegion({0, 0, 200, 100}, 40, 40);
    below.OnPaint = [&] {
        below.Canvas().Brush.Color = RGB(0, 0, 255);
        below.Canvas().FillRect({0, 0, 640, 480});
    };
    rounded.OnPaint = [&] {
        rounded.Canvas().Brush.Color = RGB(255, 0, 0);
        rounded.Canvas().FillRect({0, 0, 200, 100});
    };
    int belowHits = 0, roundedHits = 0;
    below.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++belowHits; };
    rounded.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++roundedHits; };
    below.Show();
    rounded.Show();
    // The corner shows the form below; the inside and the edge middles show the rounded form.
    EXPECT_EQ(app->Screen().GetPixel(101, 101), RGB(0, 0, 255));
    EXPECT_EQ(app->Screen().GetPixel(298, 198), RGB(0, 0, 255));
    EXPECT_EQ(app->Screen().GetPixel(150, 150), RGB(255, 0, 0));
    EXPECT_EQ(app->Screen().GetPixel(100, 150), RGB(255, 0, 0));
    EXPECT_EQ(app->Screen().GetPixel(200, 100), RGB(255, 0, 0));
    // The press on the cut corner goes to the form below.
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(belowHits, 1);
    EXPECT_EQ(roundedHits, 1);
}
