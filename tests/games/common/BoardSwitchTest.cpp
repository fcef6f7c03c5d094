// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/common/BoardSwitch.h"
#include "games/common/HintGate.h"
#include "graphics/CDisplay.h"

namespace {

using Button = BoardSwitch::Button;

TPoint At(int screenW, int screenH, Button b) { return BoardSwitch::ButtonPosition(CDisplay(screenW, screenH), b); }

}  // namespace

TEST(BoardSwitch, ButtonPositionsInEveryMode)
{
    // 800 x 600: fixed, plus the design area's offset on a larger screen.
    EXPECT_EQ(At(800, 600, Button::Wstecz), (TPoint{470, 535}));
    EXPECT_EQ(At(800, 600, Button::Dalej), (TPoint{545, 535}));
    EXPECT_EQ(At(800, 600, Button::Pomoc), (TPoint{640, 535}));
    EXPECT_EQ(At(800, 600, Button::Stop), (TPoint{735, 535}));
    EXPECT_EQ(At(1000, 700, Button::Stop), (TPoint{735 + 100, 535 + 50}));
    // 1024 x 768: the 1280 design truncated by 8/10.
    EXPECT_EQ(At(1024, 768, Button::Wstecz), (TPoint{672, 696}));
    EXPECT_EQ(At(1024, 768, Button::Stop), (TPoint{944, 696}));
    // 1280 wide: the design itself, 64 rows lower on the taller screen.
    EXPECT_EQ(At(1280, 960, Button::Dalej), (TPoint{940, 870}));
    EXPECT_EQ(At(1280, 1024, Button::Pomoc), (TPoint{1060, 934}));
    // A wider screen centres the area.
    EXPECT_EQ(At(1440, 1024, Button::Stop), (TPoint{1180 + 80, 934}));
}

TEST(BoardSwitch, ThreeBoardsForwardAndBack)
{
    BoardSwitch s;
    s.Reset(3);
    EXPECT_EQ(s.Current(), -1);
    EXPECT_TRUE(s.DalejVisible());
    EXPECT_FALSE(s.WsteczVisible());
    ASSERT_TRUE(s.MoveTo(0));
    EXPECT_FALSE(s.MoveTo(0));  // already there

    ASSERT_TRUE(s.MoveTo(s.Forward()));
    EXPECT_EQ(s.Current(), 1);
    EXPECT_TRUE(s.DalejVisible());
    EXPECT_TRUE(s.WsteczVisible());
    ASSERT_TRUE(s.MoveTo(s.Forward()));
    EXPECT_EQ(s.Current(), 2);
    EXPECT_FALSE(s.DalejVisible());
    EXPECT_TRUE(s.WsteczVisible());

    ASSERT_TRUE(s.MoveTo(s.Back()));
    EXPECT_EQ(s.Current(), 1);
    EXPECT_TRUE(s.DalejVisible() && s.WsteczVisible());
    ASSERT_TRUE(s.MoveTo(s.Back()));
    EXPECT_EQ(s.Current(), 0);
    EXPECT_TRUE(s.DalejVisible());
    EXPECT_FALSE(s.WsteczVisible());

    // A new game starts over whatever the last one left.
    s.Reset(5);
    EXPECT_EQ(s.Current(), -1);
    EXPECT_EQ(s.Count(), 5);
    EXPECT_TRUE(s.DalejVisible());
    EXPECT_FALSE(s.WsteczVisible());
}

TEST(BoardSwitch, StepsPastTheEndsStayOnTheBoards)
{
    BoardSwitch s;
    s.Reset(3);
    s.MoveTo(0);
    EXPECT_EQ(s.Back(), -1);
    EXPECT_FALSE(s.MoveTo(-1));
    EXPECT_EQ(s.Current(), 0);
    EXPECT_FALSE(s.WsteczVisible());
    s.MoveTo(7);
    EXPECT_EQ(s.Current(), 2);
    EXPECT_FALSE(s.MoveTo(s.Forward()));
    EXPECT_EQ(s.Current(), 2);
    EXPECT_FALSE(s.DalejVisible());

    BoardSwitch none;
    none.Reset(0);
    EXPECT_FALSE(none.MoveTo(0));
    EXPECT_FALSE(none.MoveTo(none.Forward()));
    EXPECT_EQ(none.Current(), -1);
    EXPECT_FALSE(none.DalejVisible());
    BoardSwitch one;
    one.Reset(1);  // nowhere to go on to
    EXPECT_FALSE(one.DalejVisible());
    EXPECT_FALSE(one.WsteczVisible());
}

TEST(HintGate, RefusesForFourHundredMillisecondsAfterAHint)
{
    HintGate gate;
    EXPECT_TRUE(gate.Allows(0));
    gate.HintEnded(10'000);
    EXPECT_FALSE(gate.Allows(10'000));
    EXPECT_FALSE(gate.Allows(10'399));
    EXPECT_TRUE(gate.Allows(10'400));
    gate.Reset();
    EXPECT_TRUE(gate.Allows(5));
}
