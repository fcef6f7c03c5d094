// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The borders beside a scaled screen: the screen's edges continued, calm and
// darkened, and drawn again only when the screen's outer pixels change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/BorderFill.h"

namespace {

// A 256 x 192 screen shown in a 768 x 432 window: 576 x 432 from x = 96.
struct Rig {
    Bitmap screen{256, 192, PixelFormat::Bgr24};
    Bitmap window{768, 432, PixelFormat::Bgrx32};
    ScaledView view{{256, 192}, {768, 432}, true};
    PixelTarget target{window.ScanLine(0), -static_cast<std::ptrdiff_t>(window.Stride())};
    BorderFill fill;

    Rig()
    {
        // Sky above meadow, and something sharp in the middle.
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x)
                screen.SetPixel(x, y, y < 96 ? RGB(120, 190, 250) : RGB(90, 200, 80));
        screen.SetPixel(128, 96, clBlack);
    }
    std::vector<TRect> Present(TRect r) { return fill.Refresh(screen, view, r, target); }
    TColor At(int x, int y) const { return window.GetPixel(x, y); }
};

}  // namespace

TEST(BorderFill, ContinuesTheEdgesDarkerOutwardsAndSmoothlyAlongThem)
{
    Rig r;
    EXPECT_EQ(r.Present({120, 90, 136, 100}).size(), 2u);  // the first present draws, wherever it was
    // Beside the sky and beside the meadow: their colours, darkened, and
    // darker still at the window's edge.
    EXPECT_GT(GetBValue(r.At(95, 40)), GetRValue(r.At(95, 40)) + 40);
    EXPECT_GT(GetGValue(r.At(672, 400)), GetBValue(r.At(672, 400)) + 40);
    EXPECT_LT(GetBValue(r.At(95, 40)), 250 * 62 / 100);
    EXPECT_LT(GetBValue(r.At(0, 40)), GetBValue(r.At(95, 40)) * 6 / 10);
    // Blurred along the edge: the sky turns into meadow over many rows, in
    // small steps, never in one.
    int steps = 0, largest = 0;
    for (int y = 1; y < 432; ++y) {
        const int step = std::abs(int(GetBValue(r.At(80, y))) - int(GetBValue(r.At(80, y - 1))));
        steps += step > 0;
        largest = std::max(largest, step);
    }
    EXPECT_GT(steps, 12);
    EXPECT_LT(largest, 8);

    // Presents inside the screen, or at its edge without a visible change,
    // leave the borders alone: they are not drawn with every frame.
    r.screen.SetPixel(128, 97, clWhite);
    EXPECT_TRUE(r.Present({8, 8, 248, 184}).empty());
    r.screen.SetPixel(0, 5, RGB(122, 191, 248));
    EXPECT_TRUE(r.Present(r.screen.Bounds()).empty());
    // A changed edge is drawn again, and the border beside it follows it.
    r.screen.FillRect({0, 0, BorderFill::kEdgeDepth, 192}, RGB(250, 120, 40));
    EXPECT_EQ(r.Present({0, 0, 4, 192}), (std::vector<TRect>{{0, 0, 96, 432}}));
    EXPECT_GT(GetRValue(r.At(95, 200)), GetBValue(r.At(95, 200)) + 40);
    // A window cleared anew is filled at the next present.
    r.fill.Reset();
    EXPECT_EQ(r.Present({120, 90, 136, 100}).size(), 2u);
}

TEST(BorderFill, OnlyAScaledPictureHasBorders)
{
    EXPECT_TRUE(BorderFill::Borders(ScaledView({64, 48}, {64, 48}, true)).empty());
    // Unscaled in a larger window (the program asked for no scaling) stays black.
    EXPECT_TRUE(BorderFill::Borders(ScaledView({64, 48}, {192, 108}, false)).empty());
    // A tall window: the bands above and below.
    const std::vector<TRect> tall = BorderFill::Borders(ScaledView({64, 48}, {128, 192}, true));
    ASSERT_EQ(tall.size(), 2u);
    EXPECT_EQ(tall[0], (TRect{0, 0, 128, 48}));
    EXPECT_EQ(tall[1], (TRect{0, 144, 128, 192}));
}

TEST(BorderFill, APartOfAnEdgeChangedDrawsOnlyTheRowsItsColoursReachAsAWholeFillWould)
{
    Rig r;
    r.Present(r.screen.Bounds());
    // Something red rolls out of the picture's right edge, low down.
    r.screen.FillRect({230, 150, 256, 170}, RGB(230, 30, 30));
    const std::vector<TRect> drawn = r.Present({230, 150, 256, 170});
    ASSERT_EQ(drawn.size(), 1u);
    // The right border only, the rows beside the change and the blur's reach
    // (a twentieth of the edge each way), no further.
    EXPECT_EQ(drawn[0].left, 672);
    EXPECT_EQ(drawn[0].right, 768);
    EXPECT_LE(drawn[0].top, 150 * 432 / 192);
    EXPECT_GE(drawn[0].top, (150 - 2 * 192 / 20) * 432 / 192);
    EXPECT_GE(drawn[0].bottom, 170 * 432 / 192);
    EXPECT_LE(drawn[0].bottom, (170 + 2 * 192 / 20) * 432 / 192);
    // Every border pixel is what filling the whole window anew gives.
    Rig fresh;
    fresh.screen = r.screen;
    fresh.fill.Draw(fresh.screen, fresh.view, fresh.target);
    for (const TRect& b : BorderFill::Borders(r.view))
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x)
                ASSERT_EQ(r.At(x, y), fresh.At(x, y)) << x << "," << y;
}
