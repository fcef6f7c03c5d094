// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/FrameScaler.h"
#include "platform/ScaledView.h"

TEST(ChooseScaledArea, TakesTheWidestAreaThatFitsAndTheNearerProportionsOfTheTwo1280Areas)
{
    struct Case {
        TSize screen;
        TSize area;
    };
    const Case cases[] = {
        {{800, 600}, {800, 600}},       {{1023, 767}, {800, 600}},      {{1024, 600}, {800, 600}},
        {{1024, 768}, {1024, 768}},     {{1366, 768}, {1024, 768}},     {{1600, 900}, {1024, 768}},
        {{1280, 960}, {1280, 960}},     {{1280, 1024}, {1280, 1024}},   {{1600, 1200}, {1280, 960}},   // 4:3
        {{2560, 2048}, {1280, 1024}},   {{1280, 1023}, {1280, 960}},                                   // 5:4
        {{1920, 1080}, {1280, 960}},    {{2560, 1440}, {1280, 960}},    {{3840, 2160}, {1280, 960}},   // 16:9
        {{1920, 1200}, {1280, 960}},    {{2560, 1600}, {1280, 960}},                                   // 16:10
        {{2560, 1080}, {1280, 960}},    {{3440, 1440}, {1280, 960}},                                   // 21:9
        {{1280, 1200}, {1280, 1024}},   {{1200, 1920}, {1024, 768}},                                   // upright
        {{640, 480}, {640, 480}},  // too small for any: the program refuses it itself
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseScaledArea(c.screen), c.area) << c.screen.width << "x" << c.screen.height;
}

TEST(ScaledView, FillsTheHeightOrTheWidthAndCentresThePicture)
{
    EXPECT_EQ(ScaledView({1280, 960}, {1920, 1080}, true).Picture(), (TRect{240, 0, 1680, 1080}));
    EXPECT_EQ(ScaledView({1280, 960}, {3840, 2160}, true).Picture(), (TRect{480, 0, 3360, 2160}));
    EXPECT_EQ(ScaledView({1280, 1024}, {2560, 2048}, true).Picture(), (TRect{0, 0, 2560, 2048}));
    // A tall window: the width is filled.
    EXPECT_EQ(ScaledView({1280, 960}, {1000, 1200}, true).Picture(), (TRect{0, 225, 1000, 975}));
    // Without scaling the picture keeps its size, centred, even in a smaller window.
    const ScaledView plain({1280, 1024}, {1920, 1080}, false);
    EXPECT_EQ(plain.Picture(), (TRect{320, 28, 1600, 1052}));
    EXPECT_FALSE(plain.Scaled());
    EXPECT_EQ(ScaledView({1280, 1024}, {1000, 800}, false).Picture(), (TRect{-140, -112, 1140, 912}));
    // A screen that already fits exactly is not scaled.
    EXPECT_FALSE(ScaledView({1024, 768}, {1024, 768}, true).Scaled());
}

TEST(ScaledView, MapsWindowPixelsToScreenPixelsAtTheEdgesAndInTheBorders)
{
    const ScaledView v({1280, 960}, {1920, 1080}, true);  // 1.125 times, borders of 240 each side
    EXPECT_EQ(v.ToScreen({240, 0}), (TPoint{0, 0}));
    EXPECT_EQ(v.ToScreen({1679, 1079}), (TPoint{1279, 959}));
    EXPECT_EQ(v.ToScreen({960, 540}), (TPoint{640, 480}));
    // The borders lie outside the screen, on the side they are.
    EXPECT_EQ(v.ToScreen({239, 0}).x, -1);
    EXPECT_EQ(v.ToScreen({0, 0}).x, -214);
    EXPECT_EQ(v.ToScreen({1680, 0}).x, 1280);
    EXPECT_EQ(v.ToScreen({1919, 0}).x, 1492);
    // Unscaled, it is the plain offset.
    const ScaledView plain({1280, 1024}, {1920, 1080}, false);
    EXPECT_EQ(plain.ToScreen({320, 28}), (TPoint{0, 0}));
    EXPECT_EQ(plain.ToScreen({319, 27}), (TPoint{-1, -1}));
    EXPECT_EQ(plain.ToWindow(TPoint{1279, 1023}), (TPoint{1599, 1051}));
}

TEST(ScaledView, EveryScreenPixelGoesToAWindowPixelThatMapsBack)
{
    for (const ScaledView& v : {ScaledView({1280, 960}, {1920, 1080}, true), ScaledView({1280, 960}, {3840, 2160}, true),
                                ScaledView({1024, 768}, {1600, 900}, true), ScaledView({1280, 1024}, {1280, 1024}, true)}) {
        for (int x = 0; x < v.Screen().width; ++x) {
            const TPoint w = v.ToWindow(TPoint{x, x % v.Screen().height});
            ASSERT_TRUE(v.Picture().Contains(w)) << x;
            ASSERT_EQ(v.ToScreen(w), (TPoint{x, x % v.Screen().height})) << x;
        }
    }
    // Three window pixels per screen pixel in places at 2.25: the middle one is taken.
    const ScaledView fourK({1280, 960}, {3840, 2160}, true);
    EXPECT_EQ(fourK.ToWindow(TPoint{0, 0}), (TPoint{481, 1}));
    EXPECT_EQ(fourK.ToWindow(TPoint{1279, 959}), (TPoint{3358, 2158}));
}

TEST(ScaledView, AScreenRectangleCoversExactlyTheWindowPixelsThatMapIntoIt)
{
    const ScaledView v({1280, 960}, {1920, 1080}, true);
    const TRect screen{100, 200, 101, 210};
    const TRect w = v.ToWindow(screen);
    for (int x = w.left - 2; x < w.right + 2; ++x)
        for (int y = w.top - 2; y < w.bottom + 2; ++y)
            EXPECT_EQ(w.Contains(x, y), screen.Contains(v.ToScreen({x, y}))) << x << "," << y;
    // The whole screen is the whole picture.
    EXPECT_EQ(v.ToWindow(TRect{0, 0, 1280, 960}), v.Picture());
    // Filtering reads one neighbour, so a change reaches one screen pixel further, never past the picture.
    const TRect affected = v.AffectedBy({0, 0, 10, 10});
    EXPECT_EQ(affected.left, v.Picture().left);
    EXPECT_EQ(affected.top, 0);
    EXPECT_EQ(affected.right, v.ToWindow(TRect{0, 0, 11, 11}).right);
}

namespace {

uint32_t PixelAt(const std::vector<uint32_t>& pixels, int width, int x, int y)
{
    return pixels[static_cast<std::size_t>(y) * width + x];
}

}  // namespace

TEST(FrameScaler, ConvertsUnscaledPixelsToOpaque32BitOnes)
{
    // Wide enough for the vector loops and a tail after them.
    Bitmap screen(29, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 29; ++x)
            screen.SetPixel(x, y, RGB(x * 8, y * 80, 200 - x));
    const ScaledView v({29, 3}, {31, 5}, false);
    std::vector<uint32_t> out(31 * 5, 0);
    FrameScaler().Render(screen, v, v.Picture(), {reinterpret_cast<uint8_t*>(out.data()), 31 * 4});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 29; ++x) {
            const TColor c = screen.GetPixel(x, y);
            EXPECT_EQ(PixelAt(out, 31, x + 1, y + 1),
                      0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
        }
    EXPECT_EQ(PixelAt(out, 31, 0, 0), 0u);  // the borders are not touched
}

TEST(FrameScaler, SmoothsBetweenNeighboursKeepsFlatAreasExactAndPartsMatchTheWhole)
{
    Bitmap screen(64, 48);
    screen.Fill(RGB(10, 20, 30));
    screen.FillRect({32, 0, 64, 48}, RGB(250, 240, 230));
    const ScaledView v({64, 48}, {144, 108}, true);  // 2.25 times
    const int W = 144;
    std::vector<uint32_t> whole(W * 108, 0), parts(W * 108, 0);
    FrameScaler scaler;
    scaler.Render(screen, v, v.Picture(), {reinterpret_cast<uint8_t*>(whole.data()), W * 4});
    // Flat areas keep their colour exactly; the edge between them gets steps in between.
    EXPECT_EQ(PixelAt(whole, W, v.ToWindow(TPoint{5, 5}).x, 50), 0xFF0A141Eu);
    EXPECT_EQ(PixelAt(whole, W, v.ToWindow(TPoint{60, 5}).x, 50), 0xFFFAF0E6u);
    int between = 0;
    for (int x = v.Picture().left; x < v.Picture().right; ++x) {
        const uint32_t red = (PixelAt(whole, W, x, 50) >> 16) & 0xFF;
        between += red > 10 && red < 250 ? 1 : 0;
    }
    EXPECT_GE(between, 2);  // smooth, not blocky
    EXPECT_LE(between, 4);  // and only at the edge
    // Rendering in pieces, as presents of changed rectangles do, gives the same pixels.
    for (int y = 0; y < 108; y += 37)
        for (int x = 0; x < W; x += 29)
            scaler.Render(screen, v, RectXYWH(x, y, 29, 37), {reinterpret_cast<uint8_t*>(parts.data()), W * 4});
    EXPECT_EQ(parts, whole);
}
