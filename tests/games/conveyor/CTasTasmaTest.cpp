// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "games/conveyor/CTasTasma.h"
#include "tests/games/conveyor/ConveyorTestSupport.h"

namespace {

constexpr int kLine = 825;
constexpr int kWidth = 1280;

std::string Order(const CTasTasma& belt)
{
    std::string keys;
    for (int i = 0; i < belt.Count(); ++i)
        keys += belt.Can(i).Word().Key;
    return keys;
}

}  // namespace

TEST(CTasTasma, LaysTheCansOutLeftOfTheSceneTheLastTouchingItsEdge)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(kLine, kWidth);
    for (const char* key : {"a", "b", "c"})
        belt.Append(cans.Make(words.Add(GL_SZ, key)));
    belt.Layout(250, 3);
    EXPECT_EQ(belt.Can(0).x, 0);
    EXPECT_EQ(belt.Can(1).x, 148 + 250);
    EXPECT_EQ(belt.Can(2).x, 2 * (148 + 250));
    EXPECT_EQ(belt.ScreenX(2) + 148, 0);
    belt.Step();
    EXPECT_EQ(belt.ScreenX(2), -148 + 3);
}

TEST(CTasTasma, OneCanComesBackTwoWidthsLeftOfTheEdge)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(kLine, kWidth);
    belt.Append(cans.Make(words.Add(GL_SZ)));
    belt.Layout(166, 2);
    // Up to the right edge, where it is just out of sight.
    while (belt.ScreenX(0) < kWidth)
        belt.Step();
    EXPECT_EQ(belt.ScreenX(0), kWidth);
    belt.Step();
    EXPECT_EQ(belt.ScreenX(0), -2 * 148);
    EXPECT_EQ(belt.Count(), 1);
}

TEST(CTasTasma, ManyCansLoopInTheSameOrderAndKeepTheirGap)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(kLine, kWidth);
    for (const char* key : {"a", "b", "c", "d", "e", "f"})
        belt.Append(cans.Make(words.Add(GL_SZ, key)));
    belt.Layout(250, 3);
    const int loop = 6 * (148 + 250);
    for (int frame = 0; frame < 3 * loop / 3; ++frame) {
        belt.Step();
        // Left to right along the belt, and never overlapping.
        for (int i = 1; i < belt.Count(); ++i)
            ASSERT_GE(belt.ScreenX(i) - belt.ScreenX(i - 1), 148) << "frame " << frame;
    }
    // After many loops the cyclic order is the one they were put on in.
    const std::string order = Order(belt);
    EXPECT_NE(std::string("abcdefabcdef").find(order), std::string::npos) << order;
    EXPECT_NE(order, "abcdef");  // some have looped round
    // A can that looped keeps the gap to the one it now follows.
    EXPECT_EQ(belt.Can(1).x - belt.Can(0).x, 148 + 250);
}

TEST(CTasTasma, TakesOnlyACanWhoseGripBandIsUnderThePoint)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(kLine, kWidth);
    belt.Append(cans.Make(words.Add(GL_SZ, "a")));
    belt.Append(cans.Make(words.Add(GL_SZ, "b")));
    belt.Layout(250, 3);
    while (belt.ScreenX(1) < 300)
        belt.Step();
    const int left = belt.ScreenX(1);
    // The band is the middle 40 pixels: (148 - 40) / 2 = 54 from the left edge.
    EXPECT_EQ(belt.TakeUnder(left + 53), nullptr);
    EXPECT_EQ(belt.TakeUnder(left + 54 + 40), nullptr);
    std::unique_ptr<CTasPuszka> can = belt.TakeUnder(left + 54 + 39);
    ASSERT_NE(can, nullptr);
    EXPECT_EQ(can->Word().Key, "b");
    EXPECT_EQ(can->x, left);
    EXPECT_EQ(can->y, kLine - 184);
    EXPECT_EQ(belt.Count(), 1);
    EXPECT_EQ(belt.TakeUnder(left + 54), nullptr);
}

TEST(CTasTasma, CanAtAnswersOnlyInsideTheBeltBand)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(kLine, kWidth);
    EXPECT_EQ(belt.CanAt(10, kLine - 10), nullptr);
    belt.Append(cans.Make(words.Add(GL_SZ, "a")));
    belt.Layout(250, 3);
    for (int i = 0; i < 100; ++i)
        belt.Step();
    const int x = belt.ScreenX(0);
    EXPECT_NE(belt.CanAt(x, kLine - 184), nullptr);
    EXPECT_NE(belt.CanAt(x + 147, kLine), nullptr);
    EXPECT_EQ(belt.CanAt(x + 148, kLine - 5), nullptr);
    EXPECT_EQ(belt.CanAt(x + 5, kLine - 185), nullptr);
    EXPECT_EQ(belt.CanAt(x + 5, kLine + 1), nullptr);
}

TEST(CTasTasma, DrawsTheVisibleCansAndEraseGivesTheBackgroundBack)
{
    ConveyorWords words;
    ConveyorCans cans;
    CTasTasma belt(100, 400);
    belt.Append(cans.Make(words.Add(GL_SZ, "a"), 100));
    belt.Append(cans.Make(words.Add(GL_SZ, "b"), 100));
    belt.Layout(50, 2);
    for (int i = 0; i < 120; ++i)
        belt.Step();
    Bitmap background(400, 200), target(400, 200);
    background.Fill(RGB(1, 2, 3));
    target.Fill(RGB(1, 2, 3));
    belt.Draw(target);
    const int x = belt.ScreenX(1);
    ASSERT_GT(x, 0);
    EXPECT_EQ(target.GetPixel(x + 1, 99), RGB(0, 150, 200));
    EXPECT_EQ(target.GetPixel(x + 1, 99 - 184 + 100), RGB(0, 150, 200));
    belt.Erase(target, background);
    EXPECT_EQ(target, background);
}
