// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Display modes, conversion between them, the border and the picture prefixes.
#include "graphics/CDisplay.h"

#include <gtest/gtest.h>

TEST(CDisplay, ChoosesModeAreaAndPictureByScreenSize)
{
    struct Row {
        int w, h, mode, variant, areaW, areaH, picW, picH, offX, offY, picOffY;
    };
    const Row rows[] = {
        {800, 600, 2, 2, 800, 600, 800, 600, 0, 0, 0},
        {1023, 768, 2, 2, 800, 600, 800, 600, 111, 84, 0},
        {1024, 600, 2, 2, 800, 600, 800, 600, 112, 0, 0},
        {1024, 768, 4, 4, 1024, 768, 1024, 768, 0, 0, 0},
        {1279, 1024, 4, 4, 1024, 768, 1024, 768, 127, 128, 0},
        {1280, 959, 4, 4, 1024, 768, 1024, 768, 128, 95, 0},
        {1280, 960, 16, 16, 1280, 960, 1280, 960, 0, 0, 0},
        {1280, 1024, 16, 128, 1280, 1024, 1280, 960, 0, 0, 32},
        {1920, 1080, 16, 128, 1280, 1024, 1280, 960, 320, 28, 32},
        {640, 480, 2, 2, 800, 600, 800, 600, -80, -60, 0},
    };
    for (const Row& r : rows) {
        const CDisplay d(r.w, r.h);
        SCOPED_TRACE(std::to_string(r.w) + "x" + std::to_string(r.h));
        EXPECT_EQ(d.Mode(), r.mode);
        EXPECT_EQ(d.Variant(), r.variant);
        EXPECT_EQ(d.AreaWidth(), r.areaW);
        EXPECT_EQ(d.AreaHeight(), r.areaH);
        EXPECT_EQ(d.PictureWidth(), r.picW);
        EXPECT_EQ(d.PictureHeight(), r.picH);
        EXPECT_EQ(d.OffsetX(), r.offX);
        EXPECT_EQ(d.OffsetY(), r.offY);
        EXPECT_EQ(d.PictureOffsetX(), 0);
        EXPECT_EQ(d.PictureOffsetY(), r.picOffY);
        EXPECT_EQ(d.SpareHeight(), r.areaH - r.picH);
        EXPECT_EQ(d.SpareWidth(), 0);
    }
}

TEST(CDisplay, ConvertsEveryModePairTruncatedAndRounded)
{
    const CDisplay mode2(800, 600), mode4(1024, 768), mode16(1280, 960);
    struct Row {
        const CDisplay& to;
        int from, value, truncated, rounded;
    };
    const Row rows[] = {
        {mode2, 16, 100, 62, 63},    {mode2, 16, -100, -62, -62}, {mode4, 16, 103, 82, 82},
        {mode4, 16, 107, 85, 86},    {mode2, 4, 101, 78, 79},     {mode2, 4, 100, 78, 78},
        {mode16, 4, 101, 126, 126},  {mode16, 4, 103, 128, 129},  {mode4, 2, 101, 129, 129},
        {mode4, 2, 102, 130, 131},   {mode16, 2, 101, 161, 162},  {mode16, 2, -101, -161, -161},
        {mode2, 2, 77, 77, 77},      {mode4, 4, 77, 77, 77},      {mode16, 16, 77, 77, 77},
        {mode2, 3, 77, 77, 77},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.from) + " -> " + std::to_string(r.to.Mode()) + ": " + std::to_string(r.value));
        EXPECT_EQ(r.to.ConvertFromMode(r.from, r.value), r.truncated);
        EXPECT_EQ(r.to.ConvertFromModeRounded(r.from, r.value), r.rounded);
    }
    int x = 100, y = 103;
    mode2.ConvertPairFromMode(16, x, y);
    EXPECT_EQ(x, 62);
    EXPECT_EQ(y, 64);
    EXPECT_EQ(mode2.ConvertPoint(16, {100, 103}), (TPoint{63, 64}));
    EXPECT_EQ(mode16.ConvertRect(4, {101, 103, 0, -4}), (TRect{126, 129, 0, -4}));
    EXPECT_EQ(mode4.ConvertRect(4, {1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

TEST(CDisplay, PaintBorderBlackensOnlyOutsideTheArea)
{
    const CDisplay d(1920, 1080);
    Bitmap screen(1920, 1080);
    screen.Fill(clWhite);
    d.PaintBorder(screen);
    EXPECT_EQ(screen.GetPixel(0, 0), clBlack);
    EXPECT_EQ(screen.GetPixel(319, 500), clBlack);
    EXPECT_EQ(screen.GetPixel(320, 28), clWhite);
    EXPECT_EQ(screen.GetPixel(1599, 1051), clWhite);
    EXPECT_EQ(screen.GetPixel(1600, 1051), clBlack);
    EXPECT_EQ(screen.GetPixel(320, 1052), clBlack);
    EXPECT_EQ(screen.GetPixel(500, 27), clBlack);

    const CDisplay exact(1024, 768);
    Bitmap full(1024, 768);
    full.Fill(clWhite);
    exact.PaintBorder(full);
    EXPECT_EQ(full.GetPixel(0, 0), clWhite);
}

TEST(CDisplay, ScreenTooSmallAndGlobalInstance)
{
    EXPECT_TRUE(CDisplay(799, 600).IsScreenTooSmall());
    EXPECT_TRUE(CDisplay(800, 599).IsScreenTooSmall());
    EXPECT_FALSE(CDisplay(800, 600).IsScreenTooSmall());
    SetDisplay(1280, 1024);
    EXPECT_EQ(Display().Mode(), 16);
    SetDisplay(800, 600);
    EXPECT_EQ(Display().Mode(), 2);
}

TEST(CDisplay, PrefixesPictureNamesByModeAndKind)
{
    EXPECT_EQ(CDisplay(800, 600).PrefixedName("Tpociag"), "R2_Tpociag");
    EXPECT_EQ(CDisplay(1024, 768).PrefixedName("tas_st"), "R3_tas_st");
    const CDisplay big(1280, 960);
    EXPECT_EQ(big.PrefixedName("tas_st"), "R5_tas_st");
    EXPECT_EQ(big.PrefixedName("Tpociag"), "R8_Tpociag");
    EXPECT_EQ(big.PrefixedName("mT3"), "R8_mT3");
    EXPECT_EQ(big.PrefixedName("mT7"), "R5_mT7");
    EXPECT_EQ(big.PrefixedName("oprogT"), "R8_oprogT");
    EXPECT_EQ(big.PrefixedName("pss_tlo"), "R8_pss_tlo");
    EXPECT_EQ(big.PrefixedName("pss_plyta"), "R5_pss_plyta");
    EXPECT_EQ(big.ModePrefix(true), "R8_");
    EXPECT_EQ(CDisplay(800, 600).ModePrefix(true), "R2_");
}
