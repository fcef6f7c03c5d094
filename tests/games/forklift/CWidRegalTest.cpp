// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "games/forklift/CWidRegal.h"
#include "platform/Random.h"
#include "tests/games/forklift/ForkliftRulesSupport.h"

using Slot = CWidRegal::CMiejscePudla;

TEST(ForkliftRack, AFilledSlotNeedsItsBox)
{
    CWidRegal rack;
    EXPECT_THROW(Slot(rack, 100, 200, nullptr), std::invalid_argument);
}

TEST(ForkliftRack, BoundsSpanEverySlotAddedAndStayWhenBoxesLeave)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard();
    const CWidRegal& left = board.LeftRack();
    // Picture references round x 158, empty text slots round x 382 (odd widths round up on the right).
    EXPECT_EQ(left.Left(), 158 - ForkliftTable::kPictureWidth / 2);
    EXPECT_EQ(left.Right(), 382 + (ForkliftTable::kTextWidth + 1) / 2);
    EXPECT_EQ(left.Bounds().top, 182 - ForkliftTable::kPictureLift);
    EXPECT_EQ(left.Bounds().bottom, 727 - ForkliftTable::kPictureLift + ForkliftTable::kPictureHeight);

    CWidRegal& right = board.RightRack();
    const TRect before = right.Bounds();
    Slot& slot = *right.Slots()[0];
    auto box = slot.TakeBox();
    EXPECT_EQ(right.Bounds(), before);
    // An emptied slot keeps the box's width and now has no height.
    EXPECT_EQ(slot.Width(), ForkliftTable::kTextWidth);
    EXPECT_EQ(slot.Top(), slot.ShelfY());
    EXPECT_EQ(slot.Bottom(), slot.ShelfY());
    EXPECT_EQ(right.ChangedSlot(), &slot);
    Bitmap scene(1280, 1024);
    right.Draw(scene);
    EXPECT_FALSE(right.Changed());
    slot.PutBox(std::move(box));
    EXPECT_EQ(right.ChangedSlot(), &slot);
}

TEST(ForkliftRack, OnlyTheFirstNearSlotCountsForTheFork)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard();
    const CWidRegal& left = board.LeftRack();
    const int px = left.Right() - 10;
    // Rows 0 and 1 of the empty slots: shelves 182 and 348.
    EXPECT_EQ(left.EmptySlotNear(px, 182 + 39, 40), left.Slots()[1].get());
    EXPECT_EQ(left.EmptySlotNear(px, 182 + 40, 40), nullptr);
    EXPECT_EQ(left.EmptySlotNear(px, 348 - 40, 40), left.Slots()[3].get());
    // The reference boxes stand further in: the fork tip does not reach them.
    EXPECT_EQ(left.NearSlot(px, 182, 40), left.Slots()[1].get());
    // A filled slot found first hides an empty one behind it in the list.
    CWidRegal rack;
    rack.AddSlot(std::make_unique<Slot>(rack, 100, 300, t.MakeBox(CWidPudlo::Kind::Text, 0)));
    rack.AddSlot(std::make_unique<Slot>(rack, &t.words[1], 100, 310, 50));
    EXPECT_EQ(rack.EmptySlotNear(100, 305, 40), nullptr);
    EXPECT_EQ(rack.BoxedSlotNear(100, 305, 40), rack.Slots()[0].get());
}

TEST(ForkliftRack, ARandomBoxedSlotIsFoundWhileAnyBoxIsLeft)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard();
    CWidRegal& right = board.RightRack();
    SeedRandom(11);
    std::set<Slot*> seen;
    for (int k = 0; k < 200; ++k)
        seen.insert(right.RandomBoxedSlot());
    EXPECT_EQ(seen.size(), 4u);

    // Only the last slot holds a box: every draw wraps round to it.
    std::vector<std::unique_ptr<CWidPudlo>> taken;
    for (int i = 0; i < 3; ++i)
        taken.push_back(right.Slots()[static_cast<std::size_t>(i)]->TakeBox());
    for (int k = 0; k < 50; ++k)
        EXPECT_EQ(right.RandomBoxedSlot(), right.Slots()[3].get());
    taken.push_back(right.Slots()[3]->TakeBox());
    EXPECT_EQ(right.RandomBoxedSlot(), nullptr);
}

TEST(ForkliftRack, BoxesAreFoundUnderThePointerLeftRackFirst)
{
    ForkliftTable t;
    CWidPlansza& board = t.NewBoard({3, 2, 1, 0});
    const CWidPudlo* reference = board.LeftRack().Slots()[0]->Box();
    EXPECT_EQ(board.BoxAt(reference->x, reference->y), reference);
    EXPECT_EQ(board.BoxAt(reference->x - 1, reference->y), nullptr);
    EXPECT_EQ(board.BoxAt(reference->x + ForkliftTable::kPictureWidth, reference->y), nullptr);
    const CWidPudlo* right = board.RightRack().Slots()[0]->Box();
    EXPECT_EQ(board.BoxAt(right->x + 3, right->y + ForkliftTable::kTextHeight - 1), right);
    EXPECT_EQ(right->Word(), &t.words[3]);
    EXPECT_EQ(board.BoxAt(640, 500), nullptr);
}
