// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "core/SoundHelpers.h"
#include "graphics/Universalfn.h"
#include "platform/Random.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/core/CoreTestSupport.h"

namespace {

// A program directory with a silent player that remembers what it played.
class SoundTest : public ::testing::Test {
protected:
    SoundTest()
    {
        auto player = std::make_unique<SilentSoundPlayer>();
        player_ = player.get();
        previous_ = InstallSoundPlayer(std::move(player));
    }
    ~SoundTest() override { InstallSoundPlayer(std::move(previous_)); }
    std::string LastPlayed() const { return player_->played.back().filename().string(); }

    ProgramSandbox box_;
    SilentSoundPlayer* player_;
    std::unique_ptr<SoundPlayer> previous_;
};

}  // namespace

TEST(SoundName, NamesSingleSoundsAndJoinsTheTwoSpellingsOfSoftOnes)
{
    EXPECT_EQ(SoundName(GL_SZ, "/"), "SZ");
    EXPECT_EQ(SoundName(GL_ZRZ, "/"), "RZ/Ż"_cp);
    EXPECT_EQ(SoundName(GL_DZZ, "/"), "DŻ"_cp);
    EXPECT_EQ(SoundName(GL_SS, "\n"), "SI\nŚ"_cp);
    EXPECT_EQ(SoundName(GL_CC, "\xC0"), "CI\xC0\xC6");
    EXPECT_EQ(SoundName(GL_DZZZ, ""), "DZIDŹ"_cp);
    EXPECT_EQ(SoundName(0x003, "/"), "");
    EXPECT_EQ(SoundName(POZ_NAGLOS, "/"), "");
}

TEST(SplitSounds, WritesTheSoundBitsLowestFirstAndIgnoresOtherBits)
{
    std::array<int32_t, kSoundCount> sounds{};
    ASSERT_EQ(SplitSounds(GL_DZZZ | GL_S | GL_SZ | POZ_NAGLOS | FL_UZYTE, sounds), 3);
    EXPECT_EQ((std::vector<int32_t>(sounds.begin(), sounds.begin() + 3)), (std::vector<int32_t>{GL_SZ, GL_S, GL_DZZZ}));
    EXPECT_EQ(SplitSounds(GL_WSZYSTKIE, sounds), 12);
}

TEST(ShuffleInts, PermutesTheValuesAndReachesEveryOrder)
{
    SeedRandom(42);
    std::set<std::vector<int>> orders;
    for (int round = 0; round < 200; ++round) {
        std::vector<int> v{1, 2, 3};
        ShuffleInts(v.data(), 3);
        orders.insert(v);
    }
    EXPECT_EQ(orders.size(), 6u);
    EXPECT_EQ(orders.begin()->size(), 3u);
}

TEST_F(SoundTest, DataSoundsArePlayedByKeyWhenTheyExist)
{
    box_.Dir().Write("Data/Smd/zaba.pw", MakeWave(700));
    EXPECT_TRUE(PlayDataSound("zaba", true));
    EXPECT_EQ(box_.Clock().Milliseconds(), 700);
    EXPECT_TRUE(PlayDataSound("ZABA", false));
    EXPECT_EQ(box_.Clock().Milliseconds(), 700);
    EXPECT_EQ(player_->played.size(), 2u);
    EXPECT_FALSE(PlayDataSound("kot", true));
    EXPECT_EQ(player_->played.size(), 2u);
}

TEST_F(SoundTest, FeedbackSoundsAreDrawnFromTheKindsRecordingsAndPauseAfterwards)
{
    EXPECT_FALSE(PlayFeedbackSound(kPraise, true));
    for (int n = 0; n < 47; ++n) {
        box_.Dir().Write("Data/Intf/Smd/g" + IntToStrPad(n, 2) + ".pw", MakeWave(100));
        box_.Dir().Write("Data/Intf/Smd/b" + IntToStrPad(n, 2) + ".pw", MakeWave(100));
    }
    SeedRandom(8);
    std::set<std::string> praise, shortPraise, reproach;
    for (int round = 0; round < 600; ++round) {
        ASSERT_TRUE(PlayFeedbackSound(kPraise, false));
        praise.insert(LastPlayed());
        ASSERT_TRUE(PlayFeedbackSound(kPraiseShort, false));
        shortPraise.insert(LastPlayed());
        ASSERT_TRUE(PlayFeedbackSound(kReproach, false));
        reproach.insert(LastPlayed());
    }
    EXPECT_EQ(praise.size(), 47u);
    EXPECT_EQ(*praise.rbegin(), "g46.pw");
    EXPECT_EQ(shortPraise.size(), 40u);
    EXPECT_EQ(*shortPraise.rbegin(), "g39.pw");
    EXPECT_EQ(reproach.size(), 40u);
    EXPECT_EQ(*reproach.rbegin(), "b39.pw");

    // Played to its end, then half a second of quiet.
    EXPECT_TRUE(PlayFeedbackSound(kReproach, true));
    EXPECT_EQ(box_.Clock().Milliseconds(), 600);
    // Any other kind looks for "00.pw" beside the program.
    EXPECT_FALSE(PlayFeedbackSound(2, false));
    box_.Dir().Write("00.pw", MakeWave(10));
    EXPECT_TRUE(PlayFeedbackSound(2, false));
    EXPECT_EQ(LastPlayed(), "00.pw");
}

TEST_F(SoundTest, ThePracticesOwnRecordingIsPlayedWhereItHasOneAndADamagedOneIsPassedOver)
{
    const auto played = [this] { return player_->played.back().lexically_relative(box_.Root()).generic_string(); };
    box_.Dir().Write("Data/Smd/zaba.pw", MakeWave(700));
    box_.Dir().Write("Data/Smd/kot.pw", MakeWave(700));
    box_.Dir().Write("Glos/zaba.wav", MakeWave(1200));
    box_.Dir().Write("Glos/kot.wav", "RIFF\x04\0\0\0WAVE");  // cut off while copying
    box_.Dir().Write("Glos/sowa.wav", MakeWave(300));       // recorded, though the tree lacks it
    ASSERT_TRUE(PlayDataSound("zaba", true));
    EXPECT_EQ(played(), "Glos/zaba.wav");
    EXPECT_EQ(box_.Clock().Milliseconds(), 1200);  // the game waits for the human recording's own length
    ASSERT_TRUE(PlayDataSound("kot", false));
    EXPECT_EQ(played(), "Data/Smd/kot.pw");
    ASSERT_TRUE(PlayDataSound("sowa", false));
    EXPECT_EQ(played(), "Glos/sowa.wav");

    // Phrases: each one recorded is preferred, the others stay generated.
    for (int n = 0; n < 47; ++n)
        box_.Dir().Write("Data/Intf/Smd/g" + IntToStrPad(n, 2) + ".pw", MakeWave(100));
    for (int n = 0; n < 47; n += 2)
        box_.Dir().Write("Glos/Zwroty/g" + IntToStrPad(n, 2) + ".wav", MakeWave(100));
    SeedRandom(3);
    std::set<std::string> heard;
    for (int round = 0; round < 300; ++round) {
        ASSERT_TRUE(PlayFeedbackSound(kPraise, false));
        heard.insert(played());
    }
    EXPECT_TRUE(heard.count("Glos/Zwroty/g00.wav"));
    EXPECT_TRUE(heard.count("Data/Intf/Smd/g01.pw"));
    EXPECT_FALSE(heard.count("Data/Intf/Smd/g00.pw"));
    EXPECT_FALSE(heard.count("Glos/Zwroty/g01.wav"));
}
