// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "graphics/CDisplay.h"
#include "platform/Clock.h"
#include "platform/headless/HeadlessBackend.h"
#include "screens/FormKoniecGry.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/games/forklift/ForkliftScreenSupport.h"

namespace {

bool IsText(const CWidRegal::CMiejscePudla& slot)
{
    return slot.Box() != nullptr && slot.Box()->BoxKind() == CWidPudlo::Kind::Text;
}

}  // namespace

TEST(ForkliftScreen, TheAmountGivesThreeSixOrNineBoardsAndNothingElseIsPlayable)
{
    EXPECT_EQ(TFormWidlak::BoardsForLevel(1), 3);
    EXPECT_EQ(TFormWidlak::BoardsForLevel(2), 6);
    EXPECT_EQ(TFormWidlak::BoardsForLevel(3), 9);
    EXPECT_EQ(TFormWidlak::BoardsForLevel(0), 0);
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    UstWidlak.Poziom = 4;
    EXPECT_FALSE(s.Form().EnoughWords());
    UstWidlak.Poziom = 1;
    UstWidlak.Gloski = 0;
    EXPECT_FALSE(s.Form().EnoughWords());
}

TEST(ForkliftScreen, ManyMakesNineBoardsWhoseReferenceKindsAlternate)
{
    ForkliftScreen s;
    if (!s.Start(3))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    ASSERT_EQ(f.BoardCount(), 9);
    EXPECT_EQ(f.WordsRemaining(), 36);
    EXPECT_EQ(f.CurrentBoard(), 0);
    EXPECT_TRUE(f.DalejVisible());
    EXPECT_FALSE(f.WsteczVisible());
    EXPECT_TRUE(f.Active());
    EXPECT_EQ(StatRec->GameId, 4);
    std::set<const CSlowa::SPaczka*> all;
    for (int b = 0; b < 9; ++b) {
        const CWidPlansza& board = f.Board(b);
        ASSERT_EQ(board.LeftRack().Slots().size(), 8u);
        ASSERT_EQ(board.RightRack().Slots().size(), 4u);
        const bool text = IsText(*board.LeftRack().Slots()[0]);
        if (b > 0) {
            EXPECT_NE(text, IsText(*f.Board(b - 1).LeftRack().Slots()[0])) << b;
        }
        std::multiset<const CSlowa::SPaczka*> left, right;
        for (int i = 0; i < 4; ++i) {
            const auto& reference = *board.LeftRack().Slots()[static_cast<std::size_t>(2 * i)];
            const auto& empty = *board.LeftRack().Slots()[static_cast<std::size_t>(2 * i + 1)];
            const auto& carried = *board.RightRack().Slots()[static_cast<std::size_t>(i)];
            EXPECT_EQ(IsText(reference), text);
            EXPECT_EQ(IsText(carried), !text);
            EXPECT_EQ(empty.Box(), nullptr);
            EXPECT_EQ(empty.Word(), reference.Word());
            // The empty slot is as wide as the box that will come.
            EXPECT_EQ(empty.Width(), carried.Box()->Width());
            left.insert(reference.Word());
            right.insert(carried.Box()->Word());
            all.insert(reference.Word());
        }
        EXPECT_EQ(left, right) << b;
    }
    EXPECT_EQ(all.size(), 36u);
}

TEST(ForkliftScreen, LeftWinsOverRightUpOverDownAndTheKeysMoveThePointerAway)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    CWidWozek& truck = s.Truck();
    const int a = truck.Measures().step;
    s.Hold({false, false, true, false});
    s.Frames(5);
    s.Form().pbGame.OnMouseMove(0, 300, 300);
    EXPECT_EQ(s.Form().KeyFrames(), 0);
    s.App().SetCursorPos(500, 400);
    s.Hold({});
    const int x = truck.X, height = truck.ForkHeight;
    s.Hold({true, true, true, true});
    s.Frames(1);
    EXPECT_EQ(truck.X, x - a);  // facing right, backing away
    EXPECT_EQ(truck.ForkHeight, height + a);
    s.Frames(KeyboardPointerPark::kFramesBeforePark - 2);
    EXPECT_EQ(s.App().CursorPos(), (TPoint{500, 400}));
    s.Frames(1);
    EXPECT_EQ(s.App().CursorPos(), s.Form().pbGame.ClientToScreen({0, 0}));
    s.Hold({});
    const int64_t stillX = truck.X;
    s.Frames(5);
    EXPECT_EQ(truck.X, stillX);
}

TEST(ForkliftScreen, SpaceAndBackspaceMoveBetweenBoardsAndEachKeepsItsTruck)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    char backspace = 8, space = ' ';
    f.OnKeyPress(backspace);  // on the first board: nothing
    EXPECT_EQ(f.CurrentBoard(), 0);

    // Take a box on board 0 and back off with it.
    while (!s.Truck().Box && s.framesRun < 1000) {
        s.Hold(NextKeys(s.Truck(), s.Board()));
        s.Frames(1);
    }
    ASSERT_NE(s.Truck().Box, nullptr);
    s.Hold({true, false, false, false});
    s.Frames(10);
    s.Hold({});
    const CWidPudlo* carried = s.Truck().Box.get();
    const int x = s.Truck().X, height = s.Truck().ForkHeight;

    f.OnKeyPress(space);
    EXPECT_EQ(f.CurrentBoard(), 1);
    EXPECT_TRUE(f.WsteczVisible());
    EXPECT_TRUE(f.DalejVisible());
    EXPECT_EQ(s.Truck().Box, nullptr);
    EXPECT_EQ(s.Truck().X, s.Truck().Measures().startX);
    f.OnKeyPress(space);
    EXPECT_EQ(f.CurrentBoard(), 2);
    EXPECT_FALSE(f.DalejVisible());
    f.OnKeyPress(space);  // on the last board: nothing
    EXPECT_EQ(f.CurrentBoard(), 2);
    f.actWstecz.Execute();
    f.OnKeyPress(backspace);
    EXPECT_EQ(f.CurrentBoard(), 0);
    EXPECT_FALSE(f.WsteczVisible());
    EXPECT_EQ(s.Truck().Box.get(), carried);
    EXPECT_EQ(s.Truck().X, x);
    EXPECT_EQ(s.Truck().ForkHeight, height);
}

TEST(ForkliftScreen, AWholeGameIsScoredAndEndsTwoSecondsAfterTheLastDelivery)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    for (int b = 0; b < 3; ++b) {
        s.PlayBoard();
        if (b < 2) {
            EXPECT_EQ(s.summaries, 0);
            f.actDalej.Execute();
        }
    }
    EXPECT_EQ(f.WordsRemaining(), 0);
    EXPECT_EQ(StatRec->Correct, 12);
    EXPECT_EQ(StatRec->Wrong, 0);
    const int lastDelivery = s.framesRun;
    EXPECT_EQ(s.summaries, 0);
    s.Frames(60);
    ASSERT_EQ(s.summaries, 1);
    // The frame of the delivery is the first of the fifty.
    EXPECT_EQ(s.summaryFrame - lastDelivery, TFormWidlak::kEndDelayMs / TFormWidlak::kFramePeriodMs - 1);
    EXPECT_EQ(StatRec->Completed, 1);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(s.Dir().Read("prgst6.stt").size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
}

TEST(ForkliftScreen, StopWithinTheLastTwoSecondsStopsAtOnceAndOnlyOnce)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    s.summaryResult = TFormKoniecGry::kNewGame;
    for (int b = 0; b < 3; ++b) {
        s.PlayBoard();
        if (b < 2)
            f.actDalej.Execute();
    }
    s.Frames(10);
    ASSERT_EQ(s.summaries, 0);
    s.summaryResult = TFormKoniecGry::kNewGame;
    f.actStop.Execute();
    EXPECT_EQ(s.summaries, 1);
    // The new game is fresh: its own boards, nothing delivered, no end near.
    EXPECT_TRUE(f.Active());
    EXPECT_EQ(f.WordsRemaining(), 12);
    EXPECT_EQ(f.CurrentBoard(), 0);
    s.Frames(60);
    EXPECT_EQ(s.summaries, 1);
    const std::string file = s.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    EXPECT_EQ(file[CStatRec::kHeaderSize + 30], 1);  // saved complete
}

TEST(ForkliftScreen, AWrongPushCountsOnceAndStoppingCountsEveryBoxLeft)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    CWidWozek& truck = s.Truck();
    while (!truck.Box && s.framesRun < 1000) {
        s.Hold(NextKeys(truck, s.Board()));
        s.Frames(1);
    }
    ASSERT_NE(truck.Box, nullptr);
    // Aim at a slot waiting for another word.
    const CWidRegal::CMiejscePudla* wrong = nullptr;
    for (const auto& slot : s.Board().LeftRack().Slots())
        if (slot->Box() == nullptr && slot->Word() != truck.Box->Word())
            wrong = slot.get();
    ASSERT_NE(wrong, nullptr);
    s.Hold({true, false, false, false});
    s.Frames(5);
    truck.ForkHeight = truck.Measures().floor - (wrong->ShelfY() - truck.Measures().lift);
    s.Frames(300);
    EXPECT_EQ(truck.Slot, wrong);
    EXPECT_EQ(StatRec->Wrong, 1);
    EXPECT_EQ(StatRec->Correct, 0);
    s.Hold({});
    f.actStop.Execute();
    EXPECT_EQ(s.summaries, 1);
    EXPECT_EQ(StatRec->Wrong, 1 + 12);
    EXPECT_EQ(StatRec->Completed, 0);
    EXPECT_FALSE(f.Active());
}

TEST(ForkliftScreen, AHintCountsOnceWhenItShowsSomethingAndIsRefusedForAWhile)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    const int64_t before = TheClock().Milliseconds();
    f.actPomoc.Execute();
    EXPECT_EQ(StatRec->Hints, 1);
    // Two blinks of four 200 ms waits and the second look.
    EXPECT_EQ(TheClock().Milliseconds() - before, 2 * 800 + 1000);
    EXPECT_EQ(f.NextHintMs(), TheClock().Milliseconds() + 400);
    f.actPomoc.Execute();
    EXPECT_EQ(StatRec->Hints, 1);
    s.Frames(10);
    // With every box of the board delivered there is nothing to show.
    s.PlayBoard();
    ASSERT_EQ(f.WordsRemaining(), 8);
    f.actPomoc.Execute();
    EXPECT_EQ(StatRec->Hints, 1);
    // The highlights are gone again from the composed picture.
    const TRect rack = s.Board().RightRack().Bounds();
    EXPECT_TRUE(SameArea(f.Clean(), rack, f.Composed(), rack.left, rack.top));
}

TEST(ForkliftScreen, AMissingPictureStopsTheScreenBeingMadeWithErrorOne)
{
    SetDisplay(800, 600);
    HeadlessRig rig(800, 600);
    CSlowa slowa;
    CStatRec stats(6, nullptr);
    try {
        TFormWidlak form(rig.App(), slowa, stats, nullptr);
        FAIL() << "made without its pictures";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 1);
    }
}

TEST(ForkliftScreen, TheScreenShowsTheComposedPictureEveryFrameAndAStandingTruckIsNotDrawn)
{
    ForkliftScreen s;
    if (!s.Start(1))
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormWidlak& f = s.Form();
    const TRect area = f.pbGame.BoundsRect();
    auto shown = [&] { return SameArea(s.App().Screen(), area, f.Composed(), 0, 0); };
    auto& backend = static_cast<HeadlessBackend&>(s.App().GetBackend());
    // The arrows' hint of the first game glows over its 100 frames first.
    s.Frames(2);
    ASSERT_TRUE(shown());
    s.Frames(110);
    ASSERT_TRUE(shown());
    // Standing still: nothing is drawn or presented, frame after frame.
    const int presents = backend.PresentCount();
    s.Frames(25);
    EXPECT_EQ(backend.PresentCount(), presents);
    // Driving, taking and delivering boxes: each frame's changed rectangles
    // leave the screen as a full redraw of the composed picture would.
    for (int k = 0; k < 1500 && f.WordsRemaining() == 12; ++k) {
        s.Hold(NextKeys(s.Truck(), s.Board()));
        s.Frames(1);
        ASSERT_TRUE(shown()) << "frame " << k;
    }
    EXPECT_EQ(f.WordsRemaining(), 11);
    s.Hold({});
    f.actPomoc.Execute();
    s.Frames(1);
    EXPECT_TRUE(shown());
}
