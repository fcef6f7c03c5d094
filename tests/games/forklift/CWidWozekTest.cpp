// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/forklift/CWidWozek.h"
#include "graphics/CDisplay.h"
#include "tests/games/forklift/ForkliftRobot.h"
#include "tests/games/forklift/ForkliftRulesSupport.h"

namespace {

constexpr int kA = 6;  // a frame's step in the 1280-wide modes

// Holds a key until the truck's condition holds; false after 400 frames.
template <class Done>
bool HoldRight(CWidWozek& truck, Done done)
{
    for (int k = 0; k < 400 && !done(); ++k)
        truck.DriveRight(kA);
    return done();
}

// Holds left until done; adds the reports of the frames to results.
template <class Done>
bool HoldLeft(CWidWozek& truck, Done done, std::vector<int>* results = nullptr)
{
    for (int k = 0; k < 400 && !done(); ++k) {
        const int r = truck.DriveLeft(kA);
        if (results != nullptr && r != 0)
            results->push_back(r);
    }
    return done();
}

// Takes the box of right-rack row i onto the fork, the fork set to its shelf.
void PickUp(ForkliftTable& t, int row)
{
    CWidWozek& truck = t.truck;
    const CWidRegal::CMiejscePudla& slot = *truck.Board->RightRack().Slots()[static_cast<std::size_t>(row)];
    if (truck.Orientation != CWidWozek::kFacingRight) {
        ASSERT_TRUE(HoldRight(truck, [&] { return truck.Orientation == CWidWozek::kFacingRight; }));
    }
    truck.ForkHeight = HeightFor(truck, slot.ShelfY());
    ASSERT_TRUE(HoldRight(truck, [&] { return truck.Box != nullptr; }));
}

// Backs away, turns and sets the fork where the empty slot for word k waits.
void CarryTo(ForkliftTable& t, int k)
{
    CWidWozek& truck = t.truck;
    ASSERT_TRUE(HoldLeft(truck, [&] { return truck.Orientation == CWidWozek::kFacingLeft; }));
    const CWidRegal::CMiejscePudla* slot = truck.Board->LeftRack().EmptySlotFor(&t.words[static_cast<std::size_t>(k)]);
    ASSERT_NE(slot, nullptr);
    truck.ForkHeight = HeightFor(truck, slot->ShelfY() - t.m.lift);
}

}  // namespace

TEST(ForkliftTruck, StartsFacingRightAtItsStartPlaceInEveryMode)
{
    const ForkliftMeasures small = ForkliftMeasures::Of(CDisplay(800, 600));
    EXPECT_EQ(small.step, 4);
    EXPECT_EQ(small.startX, 469);  // (5 * 750 + 4) / 8
    EXPECT_EQ(ForkliftMeasures::Of(CDisplay(1024, 768)).step, 5);
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard();
    EXPECT_EQ(t.truck.X, 750);
    EXPECT_EQ(t.truck.ForkHeight, 50);
    EXPECT_EQ(t.truck.Orientation, CWidWozek::kFacingRight);
    EXPECT_EQ(t.truck.Board, &board);
}

TEST(ForkliftTruck, TurnsAtTheTurningPointInFourFramesAfterReachingIt)
{
    ForkliftTable t;
    t.NewBoard();
    CWidWozek& truck = t.truck;
    truck.X = t.m.turningPoint + 1;
    truck.DriveLeft(kA);
    EXPECT_EQ(truck.X, 740);
    EXPECT_EQ(truck.Orientation, CWidWozek::kTurning);
    EXPECT_EQ(truck.Turn, 20);
    for (int expected : {14, 8, 2}) {
        truck.DriveLeft(kA);
        EXPECT_EQ(truck.Turn, expected);
        EXPECT_EQ(truck.Orientation, CWidWozek::kTurning);
    }
    truck.DriveLeft(kA);
    EXPECT_EQ(truck.Orientation, CWidWozek::kFacingLeft);
    EXPECT_EQ(truck.X, 740);  // the turn itself does not move the truck
    truck.DriveLeft(kA);
    EXPECT_EQ(truck.X, 734);

    // And back: the mirror turn ends when the turn passes its length.
    ASSERT_TRUE(HoldRight(truck, [&] { return truck.Orientation == CWidWozek::kTurning; }));
    EXPECT_EQ(truck.Turn, 0);
    int frames = 0;
    while (truck.Orientation == CWidWozek::kTurning && frames < 10) {
        truck.DriveRight(kA);
        ++frames;
    }
    EXPECT_EQ(frames, 4);  // 6, 12, 18, 24
    EXPECT_EQ(truck.Orientation, CWidWozek::kFacingRight);
}

TEST(ForkliftTruck, HaltsShortOfARackItHasNothingToDoWith)
{
    ForkliftTable t;
    t.NewBoard();
    CWidWozek& truck = t.truck;
    const int leftStop = truck.Board->LeftRack().Right() + t.m.margin + t.m.reach;
    const int rightStop = truck.Board->RightRack().Left() - t.m.margin - t.m.reach;

    // Empty fork at the left rack, at a shelf's height: nothing to deliver.
    truck.ForkHeight = HeightFor(truck, 182 - t.m.lift);
    ASSERT_TRUE(HoldLeft(truck, [&] { return truck.Orientation == CWidWozek::kFacingLeft; }));
    for (int k = 0; k < 100; ++k)
        truck.DriveLeft(kA);
    EXPECT_EQ(truck.X, leftStop);
    EXPECT_EQ(truck.Slot, nullptr);

    // A box on the fork at the right rack: no second one is taken.
    PickUp(t, 0);
    ASSERT_TRUE(HoldLeft(truck, [&] { return truck.Slot == nullptr; }));
    ASSERT_TRUE(HoldRight(truck, [&] { return truck.X >= rightStop - kA; }));
    truck.ForkHeight = HeightFor(truck, 377);  // the shelf of the next box
    for (int k = 0; k < 100; ++k)
        truck.DriveRight(kA);
    EXPECT_EQ(truck.X, rightStop);
    EXPECT_EQ(truck.Slot, nullptr);
}

TEST(ForkliftTruck, MeetsAShelfFortyPixelsAboveButOnlyThirtyNineBelow)
{
    struct Case {
        int offset;  // fork y minus the shelf
        bool engages;
    };
    for (const Case c : {Case{-40, true}, Case{39, true}, Case{40, false}, Case{-41, false}}) {
        ForkliftTable t;
        t.NewBoard();
        CWidWozek& truck = t.truck;
        truck.ForkHeight = HeightFor(truck, 377 + c.offset);
        HoldRight(truck, [&] { return truck.Slot != nullptr; });
        EXPECT_EQ(truck.Slot != nullptr, c.engages) << c.offset;
        if (c.engages) {
            EXPECT_EQ(truck.Slot, truck.Board->RightRack().Slots()[1].get()) << c.offset;
        }
    }
}

TEST(ForkliftTruck, PicksUpABoxGlidingToTheShelfAndLiftingIt)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard({2, 0, 3, 1});
    CWidWozek& truck = t.truck;
    CWidRegal::CMiejscePudla& slot = *board.RightRack().Slots()[1];
    const CWidPudlo* box = slot.Box();
    truck.ForkHeight = HeightFor(truck, slot.ShelfY() + 25);  // low, within the tolerance
    ASSERT_TRUE(HoldRight(truck, [&] { return truck.Slot != nullptr; }));
    const int engagedX = truck.X;
    ASSERT_TRUE(HoldRight(truck, [&] { return truck.Box != nullptr; }));

    EXPECT_EQ(truck.Box.get(), box);
    EXPECT_EQ(truck.Box->Word(), &t.words[0]);
    EXPECT_EQ(slot.Box(), nullptr);
    EXPECT_EQ(board.RightRack().ChangedSlot(), &slot);
    EXPECT_EQ(truck.X, slot.Left() - t.m.reach);
    EXPECT_LT(engagedX, truck.X);
    // The glide brought the fork to the shelf; the pick-up lifted it by l.
    EXPECT_NEAR(truck.ForkY(), slot.ShelfY() - t.m.lift, 2);
    // Engaged until it backs away: the key pushes no further, the fork is held.
    const int x = truck.X, height = truck.ForkHeight;
    truck.DriveRight(kA);
    truck.Raise(kA);
    truck.Lower(kA);
    EXPECT_EQ(truck.X, x);
    EXPECT_EQ(truck.ForkHeight, height);
    ASSERT_TRUE(HoldLeft(truck, [&] { return truck.Slot == nullptr; }));
    EXPECT_LE(truck.X + t.m.reach, board.RightRack().Left() - t.m.margin);
    truck.Raise(kA);
    EXPECT_EQ(truck.ForkHeight, height + kA);
}

TEST(ForkliftTruck, AWrongBoxIsReportedOnceUntilTheTruckBacksAwayAndTriesAgain)
{
    ForkliftTable t;
    t.NewBoard({2, 0, 3, 1});
    CWidWozek& truck = t.truck;
    PickUp(t, 0);  // the box of word 2
    ASSERT_EQ(truck.Box->Word(), &t.words[2]);
    CarryTo(t, 1);  // ...to the slot of word 1
    std::vector<int> results;
    HoldLeft(truck, [] { return false; }, &results);
    EXPECT_EQ(results, std::vector<int>{CWidWozek::kWrongDelivery});
    ASSERT_NE(truck.Box, nullptr);  // refused, still on the fork
    EXPECT_EQ(truck.X, truck.Slot->Right() + t.m.reach);

    // A little back is not away: still the same engagement.
    truck.DriveRight(kA);
    ASSERT_NE(truck.Slot, nullptr);
    results.clear();
    HoldLeft(truck, [] { return false; }, &results);
    EXPECT_TRUE(results.empty());

    ASSERT_TRUE(HoldRight(truck, [&] { return truck.Slot == nullptr; }));
    EXPECT_FALSE(truck.WrongAttempt);
    truck.ForkHeight = HeightFor(truck, 348 - t.m.lift);
    HoldLeft(truck, [] { return false; }, &results);
    EXPECT_EQ(results, std::vector<int>{CWidWozek::kWrongDelivery});
}

TEST(ForkliftTruck, ARightDeliveryLeavesTheBoxInTheSlotAndTheEmptyForkLower)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard({2, 0, 3, 1});
    CWidWozek& truck = t.truck;
    PickUp(t, 3);  // word 1
    CWidPudlo* box = truck.Box.get();
    CarryTo(t, 1);
    CWidRegal::CMiejscePudla* slot = board.LeftRack().EmptySlotFor(&t.words[1]);
    std::vector<int> results;
    int heightBefore = 0;
    for (int k = 0; k < 400 && results.empty(); ++k) {
        heightBefore = truck.ForkHeight;
        const int r = truck.DriveLeft(kA);
        if (r != 0)
            results.push_back(r);
    }
    ASSERT_EQ(results, std::vector<int>{CWidWozek::kRightDelivery});
    EXPECT_EQ(slot->Box(), box);
    EXPECT_EQ(truck.Box, nullptr);
    EXPECT_EQ(truck.ForkHeight, heightBefore - t.m.lift);
    EXPECT_EQ(board.LeftRack().ChangedSlot(), slot);
    EXPECT_EQ(box->x, 382 - ForkliftTable::kTextWidth / 2);
    EXPECT_EQ(box->y, slot->ShelfY() - ForkliftTable::kTextLift);

    // Still engaged: the fork does not move and the truck pushes no further.
    const int x = truck.X, height = truck.ForkHeight;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(truck.DriveLeft(kA), 0);
        truck.Raise(kA);
        truck.Lower(kA);
    }
    EXPECT_EQ(truck.X, x);
    EXPECT_EQ(truck.ForkHeight, height);
    EXPECT_EQ(truck.Slot, slot);
    // The left rack has nothing more for this word.
    EXPECT_EQ(board.LeftRack().EmptySlotFor(&t.words[1]), nullptr);
}

TEST(ForkliftTruck, TheForkStaysBetweenTheFloorAndItsTopHeight)
{
    ForkliftTable t;
    t.NewBoard();
    CWidWozek& truck = t.truck;
    for (int k = 0; k < 200; ++k)
        truck.Raise(kA);
    EXPECT_EQ(truck.ForkHeight, 578);
    for (int k = 0; k < 200; ++k)
        truck.Lower(kA);
    EXPECT_EQ(truck.ForkHeight, 0);
}

TEST(ForkliftTruck, ItsRectangleCoversEverythingItDrawsInEachOrientation)
{
    ForkliftTable t;
    t.NewBoard();
    CWidWozek& truck = t.truck;
    // Opaque pictures of distinct sizes, so that a part left out shows.
    const int sizes[CWidWozek::kPictureCount][2] = {{280, 600}, {186, 30}, {22, 44}, {280, 603},
                                                    {186, 30}, {22, 44}, {218, 600}, {120, 14}};
    for (int k = 0; k < CWidWozek::kPictureCount; ++k) {
        CTransBitmap& p = truck.PictureAt(k);
        auto colour = std::make_unique<Bitmap>(sizes[k][0], sizes[k][1]);
        colour->Fill(RGB(255, 255, 255));
        p.SetColour(std::move(colour));
        p.SetMask(NewMask(sizes[k][0], sizes[k][1], 255));
    }
    PickUp(t, 2);
    for (int orientation : {CWidWozek::kFacingRight, CWidWozek::kTurning, CWidWozek::kFacingLeft}) {
        for (int height : {0, 300, 578}) {
            truck.Orientation = orientation;
            truck.ForkHeight = height;
            Bitmap scene(1280, 1024);
            truck.Draw(scene);
            const TRect r = truck.Rect();
            int outside = 0, inside = 0;
            for (int y = 0; y < scene.Height(); ++y)
                for (int x = 0; x < scene.Width(); ++x)
                    if (scene.GetPixel(x, y) != clBlack)
                        (r.Contains(x, y) ? inside : outside) += 1;
            EXPECT_EQ(outside, 0) << orientation << " " << height;
            EXPECT_GT(inside, 0);
            const TPoint b = truck.BoxPosition();
            EXPECT_NE(scene.GetPixel(b.x + 5, b.y + 5), clWhite);  // the box is drawn over the fork
        }
    }
}

TEST(ForkliftTruck, CarriesAWholeBoardAcrossWithoutAWrongPush)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard({3, 1, 0, 2});
    std::vector<int> results;
    int frames = 0;
    for (; frames < 5000; ++frames) {
        const ForkliftKeys keys = NextKeys(t.truck, board);
        if (!keys.Any())
            break;
        if (const int r = StepTruck(t.truck, keys))
            results.push_back(r);
    }
    EXPECT_EQ(results, std::vector<int>(4, CWidWozek::kRightDelivery));
    EXPECT_LT(frames, 5000);
    for (int k = 0; k < 4; ++k) {
        const CWidRegal::CMiejscePudla& slot = *board.LeftRack().Slots()[static_cast<std::size_t>(2 * k + 1)];
        ASSERT_NE(slot.Box(), nullptr);
        EXPECT_EQ(slot.Box()->Word(), &t.words[static_cast<std::size_t>(k)]);
    }
    for (const auto& slot : board.RightRack().Slots())
        EXPECT_EQ(slot->Box(), nullptr);
}
