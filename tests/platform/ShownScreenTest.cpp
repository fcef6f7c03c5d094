// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/ShownScreen.h"

TEST(ShownScreen, ReportsOnlyChangedPartsJoinsNearRowsAndTakesThemAsShown)
{
    Bitmap screen(200, 100);
    ShownScreen shown;
    shown.Reset(200, 100);
    // Black is what a cleared window shows: nothing to draw.
    EXPECT_TRUE(shown.TakeChanges(screen, screen.Bounds()).empty());

    screen.FillRect({10, 5, 20, 8}, RGB(1, 0, 0));
    screen.FillRect({150, 7, 151, 9}, RGB(0, 0, 1));   // three rows apart at most: joined
    screen.FillRect({50, 60, 70, 61}, RGB(0, 255, 0));  // far below: its own
    EXPECT_EQ(shown.TakeChanges(screen, screen.Bounds()),
              (std::vector<TRect>{{10, 5, 151, 9}, {50, 60, 70, 61}}));
    // Shown now: the same present again draws nothing.
    EXPECT_TRUE(shown.TakeChanges(screen, screen.Bounds()).empty());

    // Changes outside the presented rectangle are neither reported nor taken.
    screen.FillRect({0, 90, 200, 92}, RGB(9, 9, 9));
    screen.FillRect({100, 20, 101, 21}, RGB(9, 9, 9));
    EXPECT_EQ(shown.TakeChanges(screen, {90, 0, 200, 50}), (std::vector<TRect>{{100, 20, 101, 21}}));
    EXPECT_EQ(shown.TakeChanges(screen, screen.Bounds()), (std::vector<TRect>{{0, 90, 200, 92}}));

    // A change in one byte of the last pixel of a row, and a cleared window, which forgets all.
    screen.ScanLine(40)[199 * 3 + 2] = 77;
    EXPECT_EQ(shown.TakeChanges(screen, screen.Bounds()), (std::vector<TRect>{{199, 40, 200, 41}}));
    shown.Reset(200, 100);
    EXPECT_EQ(shown.TakeChanges(screen, {0, 0, 200, 50}).size(), 3u);
    // A screen of another size is all new.
    Bitmap other(50, 50);
    EXPECT_EQ(shown.TakeChanges(other, {0, 0, 60, 60}), (std::vector<TRect>{{0, 0, 50, 50}}));
}
