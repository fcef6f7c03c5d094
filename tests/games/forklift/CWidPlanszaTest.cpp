// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/forklift/CWidPlansza.h"
#include "tests/games/forklift/ForkliftRulesSupport.h"

TEST(ForkliftBoard, EachBoardKeepsItsOwnTruckAndTheBoxOnItsFork)
{
    ForkliftTable t;
    CWidPlansza& first = t.NewBoard();
    CWidPlansza& second = *t.boards.emplace_back(std::make_unique<CWidPlansza>(t.truck));
    t.Fill(second, {1, 2, 3, 0});
    CWidWozek& truck = t.truck;

    // On the first board: a box taken, the truck backed off and turned.
    truck.ForkHeight = HeightFor(truck, 210);
    for (int k = 0; k < 200 && !truck.Box; ++k)
        truck.DriveRight(6);
    ASSERT_NE(truck.Box, nullptr);
    CWidPudlo* carried = truck.Box.get();
    for (int k = 0; k < 60; ++k)
        truck.DriveLeft(6);
    const int x = truck.X, height = truck.ForkHeight, orientation = truck.Orientation;

    first.SaveTruck();
    second.RestoreTruck();
    EXPECT_EQ(truck.Box, nullptr);
    EXPECT_EQ(truck.X, t.m.startX);
    EXPECT_EQ(truck.ForkHeight, t.m.startForkHeight);
    EXPECT_EQ(truck.Orientation, CWidWozek::kFacingRight);
    EXPECT_EQ(truck.Board, &second);
    EXPECT_EQ(first.SavedTruck().Box.get(), carried);

    truck.DriveRight(6);
    second.SaveTruck();
    first.RestoreTruck();
    EXPECT_EQ(truck.Box.get(), carried);
    EXPECT_EQ(first.SavedTruck().Box, nullptr);
    EXPECT_EQ(truck.X, x);
    EXPECT_EQ(truck.ForkHeight, height);
    EXPECT_EQ(truck.Orientation, orientation);
    EXPECT_EQ(truck.Board, &first);
    EXPECT_EQ(second.SavedTruck().X, t.m.startX + 6);
    EXPECT_EQ(second.SavedTruck().Board, &second);
}
