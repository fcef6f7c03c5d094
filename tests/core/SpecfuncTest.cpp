#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "core/Specfunc.h"
#include "platform/Random.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/core/CoreTestSupport.h"

namespace {

// Installs a silent player for the lifetime of the object.
class SilentSound {
public:
    SilentSound()
    {
        auto player = std::make_unique<SilentSoundPlayer>();
        player_ = player.get();
        previous_ = InstallSoundPlayer(std::move(player));
    }
    ~SilentSound() { InstallSoundPlayer(std::move(previous_)); }
    SilentSoundPlayer& Player() { return *player_; }

private:
    SilentSoundPlayer* player_;
    std::unique_ptr<SoundPlayer> previous_;
};

}  // namespace

TEST(SoundName, NamesSingleSoundsAndJoinsTheTwoSpellingsOfSoftOnes)
{
    EXPECT_EQ(SoundName(GL_SZ, "/"), "SZ");
    EXPECT_EQ(SoundName(GL_ZRZ, "/"), "RZ/Ż"_cp);
    EXPECT_EQ(SoundName(GL_DZZ, "/"), "DŻ"_cp);
    EXPECT_EQ(SoundName(GL_DZ, "/"), "DZ");
    EXPECT_EQ(SoundName(GL_SS, "\n"), "SI\nŚ"_cp);
    EXPECT_EQ(SoundName(GL_ZZ, "/"), "ZI/Ź"_cp);
    EXPECT_EQ(SoundName(GL_CC, "\xC0"), "CI\xC0\xC6");
    EXPECT_EQ(SoundName(GL_DZZZ, ""), "DZIDŹ"_cp);
    EXPECT_EQ(SoundName(0x003, "/"), "");
    EXPECT_EQ(SoundName(0, "/"), "");
    EXPECT_EQ(SoundName(0x1000, "/"), "");
}

TEST(SplitSounds, WritesTheSoundBitsLowestFirstAndIgnoresOtherBits)
{
    std::array<int32_t, kSoundCount> sounds{};
    ASSERT_EQ(SplitSounds(GL_DZZZ | GL_S | GL_SZ | POZ_NAGLOS | FL_UZYTE, sounds), 3);
    EXPECT_EQ(sounds[0], GL_SZ);
    EXPECT_EQ(sounds[1], GL_S);
    EXPECT_EQ(sounds[2], GL_DZZZ);
    EXPECT_EQ(SplitSounds(GL_WSZYSTKIE, sounds), 12);
    EXPECT_EQ(sounds[11], GL_DZZZ);
    EXPECT_EQ(SplitSounds(0, sounds), 0);
}

TEST(ShuffleInts, PermutesTheValuesAndReachesEveryOrder)
{
    SeedRandom(42);
    std::set<std::vector<int>> orders;
    for (int round = 0; round < 200; ++round) {
        std::vector<int> v{1, 2, 3};
        ShuffleInts(v.data(), 3);
        std::vector<int> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, (std::vector<int>{1, 2, 3}));
        orders.insert(v);
    }
    EXPECT_EQ(orders.size(), 6u);
    int one = 5;
    ShuffleInts(&one, 1);
    ShuffleInts(nullptr, 0);
    EXPECT_EQ(one, 5);
}

TEST(PlayDataSound, PlaysAWordRecordingByKeyWhenItExists)
{
    ProgramSandbox box;
    SilentSound sound;
    box.Dir().Write("Data/Smd/zaba.pw", MakeWave(700));
    const int64_t before = box.Clock().Milliseconds();
    EXPECT_TRUE(PlayDataSound("zaba", true));
    EXPECT_EQ(box.Clock().Milliseconds() - before, 700);
    EXPECT_TRUE(PlayDataSound("ZABA", false));
    EXPECT_EQ(box.Clock().Milliseconds() - before, 700);
    ASSERT_EQ(sound.Player().played.size(), 2u);
    EXPECT_EQ(sound.Player().played[0], box.Root() / "Data/Smd/zaba.pw");
    EXPECT_FALSE(PlayDataSound("kot", true));
    EXPECT_EQ(sound.Player().played.size(), 2u);
}

TEST(PlayFeedbackSound, ChoosesAmongTheKindsRecordingsAndPausesAfterwards)
{
    ProgramSandbox box;
    SilentSound sound;
    for (int n = 0; n < 47; ++n)
        box.Dir().Write("Data/Intf/Smd/g" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".pw", MakeWave(100));
    for (int n = 0; n < 40; ++n)
        box.Dir().Write("Data/Intf/Smd/b" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".pw", MakeWave(100));

    SeedRandom(8);
    std::set<std::string> praise, shortPraise, reproach;
    for (int round = 0; round < 600; ++round) {
        ASSERT_TRUE(PlayFeedbackSound(kPraise, false));
        praise.insert(sound.Player().played.back().filename().string());
        ASSERT_TRUE(PlayFeedbackSound(kPraiseShort, false));
        shortPraise.insert(sound.Player().played.back().filename().string());
        ASSERT_TRUE(PlayFeedbackSound(kReproach, false));
        reproach.insert(sound.Player().played.back().filename().string());
    }
    EXPECT_EQ(praise.size(), 47u);
    EXPECT_EQ(*praise.rbegin(), "g46.pw");
    EXPECT_EQ(shortPraise.size(), 40u);
    EXPECT_EQ(*shortPraise.rbegin(), "g39.pw");
    EXPECT_EQ(reproach.size(), 40u);
    EXPECT_EQ(*reproach.begin(), "b00.pw");

    // Played to its end, then half a second of quiet.
    const int64_t before = box.Clock().Milliseconds();
    EXPECT_TRUE(PlayFeedbackSound(kReproach, true));
    EXPECT_EQ(box.Clock().Milliseconds() - before, 600);

    // Any other kind looks for "00.pw" beside the program.
    EXPECT_FALSE(PlayFeedbackSound(2, true));
    box.Dir().Write("00.pw", MakeWave(10));
    EXPECT_TRUE(PlayFeedbackSound(2, false));
    EXPECT_EQ(sound.Player().played.back(), box.Root() / "00.pw");
}

TEST(PlayFeedbackSound, MissingRecordingsPlayNothing)
{
    ProgramSandbox box;
    SilentSound sound;
    const int64_t before = box.Clock().Milliseconds();
    EXPECT_FALSE(PlayFeedbackSound(kPraise, true));
    EXPECT_EQ(box.Clock().Milliseconds(), before);
    EXPECT_TRUE(sound.Player().played.empty());
}
