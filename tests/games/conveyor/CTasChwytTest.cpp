// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "games/conveyor/CTasChwyt.h"
#include "graphics/CDisplay.h"
#include "tests/games/conveyor/ConveyorTestSupport.h"

namespace {

// Mode 16: rail at 440, pipes' line 84, belt line 825, lower cans 184 high.
class Crane : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDisplay(1280, 960);
        pipes_ = ModePipes();
        pipes_->SetSound(0, GL_SZ);
        pipes_->SetSound(1, GL_S);
        pipes_->SetSound(2, GL_SZ);
        pipes_->SetSound(3, GL_S);
        crane_ = std::make_unique<CTasChwyt>(1280, 440, *pipes_, 825 - 184 - 15, CranePictures());
        crane_->OnDelivery = [this](bool right, const CTasPuszka&, const CTasRury::CRura&) {
            deliveries_.push_back(right);
        };
    }

    // The crane with the magnet centred at x, holding a can of the sound.
    void HoldAt(int x, int32_t sound)
    {
        crane_->Reset(1259 - x);
        ASSERT_EQ(crane_->MagnetCentreX(), x);
        crane_->Take(cans_.Make(words_.Add(sound)));
    }
    void Up(int frames)
    {
        for (int i = 0; i < frames; ++i)
            crane_->Up(6);
    }
    void Down(int frames)
    {
        for (int i = 0; i < frames; ++i)
            crane_->Down(8);
    }

    DisplayRestorer restore_;
    ConveyorWords words_;
    ConveyorCans cans_;
    std::unique_ptr<CTasRury> pipes_;
    std::unique_ptr<CTasChwyt> crane_;
    std::vector<bool> deliveries_;
};

}  // namespace

TEST_F(Crane, LimitsPutTheMagnetJustAboveTheCansAndTheCanHalfIntoAPipe)
{
    EXPECT_EQ(crane_->MaxDown(), 72);
    EXPECT_EQ(crane_->MaxUp(), 169);
    EXPECT_EQ(crane_->MaxDistance(), 890);
    crane_->Reset(400);
    Down(20);
    EXPECT_EQ(crane_->T(), crane_->MaxDown());
    EXPECT_EQ(crane_->MagnetLine(), 825 - 184 - 15);

    HoldAt(551, GL_S);  // under the first pipe, the wrong one
    Up(200);
    EXPECT_EQ(crane_->T(), crane_->MaxUp());
    EXPECT_EQ(crane_->HeldCanTop(), 84 - 180 / 2 + 5);
}

TEST_F(Crane, PicksOnlyWhenFullyDownAndNothingWhileHolding)
{
    crane_->Reset(400);
    EXPECT_FALSE(crane_->ReadyToPick());
    Down(8);  // 64 of 72
    EXPECT_FALSE(crane_->ReadyToPick());
    Down(1);
    EXPECT_TRUE(crane_->ReadyToPick());
    crane_->Take(cans_.Make(words_.Add(GL_SZ, "first")));
    EXPECT_FALSE(crane_->ReadyToPick());
    crane_->Take(cans_.Make(words_.Add(GL_SZ, "second")));
    ASSERT_NE(crane_->Held(), nullptr);
    EXPECT_EQ(crane_->Held()->Word().Key, "first");
    // Turning up keeps the can, shown from below.
    Up(30);
    EXPECT_EQ(crane_->S(), -1);
    EXPECT_EQ(crane_->Held()->upper, 1);
}

TEST_F(Crane, TurnsThroughTheTurningStateBothWays)
{
    crane_->Reset(400);
    EXPECT_TRUE(crane_->Up(6));  // T below 0: turning, T = 22
    EXPECT_EQ(crane_->S(), 0);
    EXPECT_EQ(crane_->T(), 22);
    EXPECT_FALSE(crane_->Up(6));
    EXPECT_FALSE(crane_->Up(6));
    EXPECT_FALSE(crane_->Up(6));
    EXPECT_TRUE(crane_->Up(6));
    EXPECT_EQ(crane_->S(), -1);
    // A slow start: 1 a frame up to 6, then 2 up to 12, then the full step.
    Up(6);
    EXPECT_EQ(crane_->T(), 6);
    Up(3);
    EXPECT_EQ(crane_->T(), 12);
    Up(1);
    EXPECT_EQ(crane_->T(), 18);
    Down(2);
    EXPECT_TRUE(crane_->Down(8));
    EXPECT_EQ(crane_->S(), 0);
    Down(2);
    EXPECT_TRUE(crane_->Down(8));
    EXPECT_EQ(crane_->S(), 1);
    EXPECT_EQ(crane_->T(), 0);
}

TEST_F(Crane, BetweenPipesTheCanStopsOnePixelBelowTheLine)
{
    HoldAt(650, GL_SZ);  // between the first (478-624) and second (683-829) pipe
    Up(200);
    EXPECT_EQ(crane_->HeldCanTop(), 84 + 1);
    EXPECT_EQ(crane_->TargetPipe(), nullptr);
    EXPECT_TRUE(deliveries_.empty());
    // Free to move on sideways.
    crane_->Left(8);
    EXPECT_EQ(crane_->MagnetCentreX(), 642);
}

TEST_F(Crane, InsideAPipeTheCanIsCentredAndCannotMoveSideways)
{
    HoldAt(551 + 20, GL_S);  // the first pipe takes SZ: the can stays in it
    Up(200);
    ASSERT_NE(crane_->TargetPipe(), nullptr);
    EXPECT_EQ(crane_->MagnetCentreX(), 551);
    const int x = crane_->X();
    crane_->Left(8);
    crane_->Right(8);
    EXPECT_EQ(crane_->X(), x);
}

TEST_F(Crane, AWrongPipeCountsOncePerEntry)
{
    HoldAt(756, GL_SZ);  // the second pipe takes S
    Up(300);
    EXPECT_EQ(deliveries_, std::vector<bool>{false});
    // Pulled down until the can is out of the pipe, then pushed in again.
    while (crane_->HeldCanTop() <= 84)
        crane_->Down(8);
    EXPECT_EQ(crane_->TargetPipe(), nullptr);
    Up(300);
    EXPECT_EQ(deliveries_, (std::vector<bool>{false, false}));
    ASSERT_NE(crane_->Held(), nullptr);
}

TEST_F(Crane, ARightPipeSwallowsTheCanWhichRisesOutOfSight)
{
    HoldAt(961, GL_SZ | POZ_NAGLOS);  // the third pipe takes SZ
    Up(300);
    EXPECT_EQ(deliveries_, std::vector<bool>{true});
    EXPECT_EQ(crane_->Held(), nullptr);
    ASSERT_NE(crane_->Released(), nullptr);
    EXPECT_EQ(crane_->Released()->x, 961 - 74);
    EXPECT_EQ(crane_->TargetPipe(), nullptr);
    int frames = 0;
    while (crane_->Released() != nullptr && frames < 100) {
        crane_->Step();
        ++frames;
    }
    // Its top was -1: its bottom passes the line after 6 rises of 16.
    EXPECT_EQ(frames, 6);
    // The empty magnet moves sideways again.
    crane_->Left(8);
    EXPECT_EQ(crane_->MagnetCentreX(), 953);
}

TEST_F(Crane, EraseGivesBackExactlyWhatDrawCovered)
{
    Bitmap background(1280, 960);
    for (int y = 0; y < 960; y += 16)
        background.FillRect({0, y, 1280, y + 8}, RGB(30, 60, 90));
    auto check = [&](const char* what) {
        Bitmap target = background;
        crane_->Draw(target);
        EXPECT_NE(target, background) << what;
        crane_->Erase(target, background);
        EXPECT_EQ(target, background) << what;
    };
    HoldAt(700, GL_SZ);
    check("down, holding");
    Up(4);
    check("turning, holding");
    Up(30);
    check("up, holding, inside a pipe or not");
    HoldAt(961, GL_SZ);
    Up(300);
    check("can rising into the pipe");
    Down(40);
    check("down again, empty");
}
