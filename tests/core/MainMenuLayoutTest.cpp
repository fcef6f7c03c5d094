// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>

#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "recording/CNagData.h"

TEST(MainMenuTabs, CountOnlyInsideTheColumnAndTheBands)
{
    const CDisplay mode4(1024, 768);
    EXPECT_EQ(TabAt(mode4, 100, 28), 1);
    EXPECT_EQ(TabAt(mode4, 100, 124), 1);
    EXPECT_EQ(TabAt(mode4, 100, 125), 0);  // bottom edge is outside
    EXPECT_EQ(TabAt(mode4, 100, 130), 0);  // the gap between tabs 1 and 2
    EXPECT_EQ(TabAt(mode4, 63, 50), 0);
    EXPECT_EQ(TabAt(mode4, 64, 50), 1);
    EXPECT_EQ(TabAt(mode4, 222, 500), 6);
    EXPECT_EQ(TabAt(mode4, 223, 500), 0);
    EXPECT_EQ(TabAt(mode4, 100, 545), 0);

    // The bands are converted, rounded, in the other modes.
    const CDisplay mode2(800, 600);
    EXPECT_EQ(TabAt(mode2, 50, 22), 1);   // (25 * 28 + 16) / 32 = 22
    EXPECT_EQ(TabAt(mode2, 50, 21), 0);
    const CDisplay mode16(1280, 960);
    EXPECT_EQ(TabAt(mode16, 80, 175), 2);  // (10 * 140 + 4) / 8 = 175
    EXPECT_EQ(TabAt(mode16, 80, 174), 0);
}

TEST(MainMenuLayout, PlacesButtonsByTheDisplayMode)
{
    const SMainMenuLayout small = MainMenuLayout(CDisplay(800, 600));
    EXPECT_EQ(small.tabPrefix, "R2_");
    EXPECT_EQ(small.tabStrip, (TPoint{526, 77}));
    EXPECT_EQ(small.start, (TPoint{400 + 35, 600 - 85}));
    EXPECT_EQ(small.checkPrefix, "s_");
    EXPECT_EQ(small.captionSuffix, "_s");
    EXPECT_EQ(small.sounds[0], (TPoint{180, 260}));
    EXPECT_EQ(small.sounds[5], (TPoint{180 + 90, 300}));

    // A 1280 x 1024 screen: the 1280 x 1024 area at the origin.
    const SMainMenuLayout large = MainMenuLayout(CDisplay(1280, 1024));
    EXPECT_EQ(large.tabPrefix, "R8_");
    EXPECT_EQ(large.tabStrip, (TPoint{842, 124}));
    EXPECT_EQ(large.record, (TPoint{515, 595}));
    EXPECT_EQ(large.logo, (TPoint{16, 267}));
    EXPECT_EQ(large.speakerBase, "Data\\Intf\\Spec\\R3_glos");

    // A wider screen centres the design area.
    const SMainMenuLayout wide = MainMenuLayout(CDisplay(1920, 1080));
    EXPECT_EQ(wide.tabStrip, (TPoint{320 + 842, 28 + 124}));
}

TEST(MainMenuTabs, TheStripNeedsExactlyTheLastColumnAndRowATabHolds)
{
    for (const auto& [w, h] : {std::pair{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}}) {
        const CDisplay d(w, h);
        const TPoint needs = TabStripNeeds(d);
        EXPECT_EQ(TabAt(d, needs.x - 1, needs.y - 1), 6) << w << "x" << h;
        EXPECT_EQ(TabAt(d, needs.x, needs.y - 1), 0) << w << "x" << h;
        EXPECT_EQ(TabAt(d, needs.x - 1, needs.y), 0) << w << "x" << h;
    }
    EXPECT_EQ(TabStripNeeds(CDisplay(1024, 768)), (TPoint{223, 545}));
}

// The recording buttons (56 high) stand below the eighth recording row and
// inside the panel, with room for the plate behind them in every mode.
TEST(MainMenuLayout, RecordingButtonsStandBetweenTheLastRowAndThePanelsEdge)
{
    constexpr int kButtonHeight = 56;
    for (const auto& [w, h] : {std::pair{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}, {1920, 1080}}) {
        const CDisplay d(w, h);
        const SMainMenuLayout l = MainMenuLayout(d);
        const TRect last = CNagData::RowPlace(d, CNagData::kRowCount - 1);
        for (const TPoint p : {l.play, l.stop, l.record}) {
            EXPECT_GE(p.y - last.bottom, 6) << w << "x" << h;
            EXPECT_GE(l.panel.bottom - (p.y + kButtonHeight), 4) << w << "x" << h;
        }
    }
}
