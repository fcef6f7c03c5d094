#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/CSlowa.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "platform/Random.h"
#include "platform/Text.h"

namespace {

const CSlowa::SPaczka* FindByKey(const CSlowa& catalogue, const std::string& key)
{
    for (const CSlowa::SPaczka& word : catalogue.Words())
        if (word.Key == key)
            return &word;
    return nullptr;
}

int CountOf(const std::vector<CSlowa::SPaczka*>& list, int32_t sound)
{
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [&](const CSlowa::SPaczka* w) { return (w->Flags & sound) != 0; }));
}

std::set<const CSlowa::SPaczka*> Distinct(const std::vector<CSlowa::SPaczka*>& list)
{
    return {list.begin(), list.end()};
}

}  // namespace

TEST(CSlowa, WordCountsPerSoundAndPositionFollowFromTheNotation)
{
    const CSlowa catalogue;
    ASSERT_EQ(catalogue.Words().size(), 353u);

    struct Row {
        int32_t sound;
        int initial, medial, final;
    };
    const Row expected[] = {
        {GL_S, 31, 32, 22},   {GL_Z, 14, 16, 0},   {GL_C, 12, 13, 8},  {GL_DZ, 2, 3, 0},
        {GL_SZ, 21, 24, 10},  {GL_ZRZ, 20, 21, 0}, {GL_CZ, 11, 20, 7}, {GL_DZZ, 7, 0, 0},
        {GL_SS, 16, 5, 2},    {GL_ZZ, 3, 5, 0},    {GL_CC, 2, 7, 4},   {GL_DZZZ, 11, 4, 0},
    };
    std::map<std::pair<int32_t, int32_t>, int> counts;
    for (const CSlowa::SPaczka& word : catalogue.Words())
        ++counts[{word.Flags & GL_WSZYSTKIE, word.Flags & POZ_WSZYSTKIE}];
    for (const Row& row : expected) {
        SCOPED_TRACE(row.sound);
        EXPECT_EQ((counts[{row.sound, POZ_NAGLOS}]), row.initial);
        EXPECT_EQ((counts[{row.sound, POZ_SRODGLOS}]), row.medial);
        EXPECT_EQ((counts[{row.sound, POZ_WYGLOS}]), row.final);
    }
}

TEST(CSlowa, EveryWordHasOneSoundOnePositionAndAUniquePlainKey)
{
    const CSlowa catalogue;
    std::set<std::string> keys;
    for (const CSlowa::SPaczka& word : catalogue.Words()) {
        SCOPED_TRACE(word.Key);
        const int32_t sound = word.Flags & GL_WSZYSTKIE;
        const int32_t position = word.Flags & POZ_WSZYSTKIE;
        EXPECT_TRUE(sound != 0 && (sound & (sound - 1)) == 0);
        EXPECT_TRUE(position == POZ_NAGLOS || position == POZ_SRODGLOS || position == POZ_WYGLOS);
        EXPECT_EQ(word.Flags & ~(GL_WSZYSTKIE | POZ_WSZYSTKIE), 0);
        EXPECT_TRUE(keys.insert(word.Key).second) << "duplicate key";
        EXPECT_TRUE(std::all_of(word.Key.begin(), word.Key.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        EXPECT_EQ(word.Notation.back(), ',');
        EXPECT_TRUE(word.SoundAlias.empty());
        EXPECT_TRUE(word.CardImage.empty() && !word.Picture);
    }
    EXPECT_EQ(catalogue.Words().front().Notation, "a,b,e,_c,a,d,ł,o,"_cp);
    EXPECT_EQ(catalogue.Words().back().Key, "zyrandol");
}

TEST(CSlowa, SpecialWordsAreFiledAsTheyAreHeard)
{
    const CSlowa catalogue;
    struct Case {
        const char* key;
        int32_t flags;
    };
    const Case cases[] = {
        {"lodz", GL_CC | POZ_WYGLOS},        // ł,ó,_dź,
        {"labedz", GL_CC | POZ_WYGLOS},      // ł,a,b,ę,_dź,
        {"dzwig", GL_DZZZ | POZ_NAGLOS},     // _dź,w,i,g,
        {"bucik", GL_CC | POZ_SRODGLOS},     // b,u,_c,_i,k,
        {"budzik", GL_DZZZ | POZ_SRODGLOS},  // b,u,_dz,_i,k,
        {"sidla", GL_SS | POZ_NAGLOS},       // _s,_i,d,ł,a,
        {"guzik", GL_ZZ | POZ_SRODGLOS},     // g,u,_z,_i,k,
        {"los", GL_S | POZ_WYGLOS},
        {"losss", GL_SS | POZ_WYGLOS},       // ł,o,_ś,
        {"zebra", GL_ZRZ | POZ_NAGLOS},      // _ż,e,b,r,a,
        {"zebraa", GL_Z | POZ_NAGLOS},       // _z,e,b,r,a,
        {"psy", GL_S | POZ_SRODGLOS},
        {"rzeka", GL_ZRZ | POZ_NAGLOS},
        {"dzem", GL_DZZ | POZ_NAGLOS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const CSlowa::SPaczka* word = FindByKey(catalogue, c.key);
        ASSERT_NE(word, nullptr);
        EXPECT_EQ(word->Flags, c.flags);
    }
    EXPECT_EQ(FindByKey(catalogue, "losss")->Notation, "ł,o,_ś,"_cp);
    EXPECT_EQ(FindByKey(catalogue, "zebraa")->Notation, "_z,e,b,r,a,");
}

TEST(CSlowa, CapitalSpellingDropsMarksAndUpperCasesPolishLetters)
{
    const CSlowa catalogue;
    EXPECT_EQ(CSlowa::CapitalSpelling(*FindByKey(catalogue, "bucik")), "BUCIK");
    EXPECT_EQ(CSlowa::CapitalSpelling(*FindByKey(catalogue, "abecadlo")), "ABECADŁO"_cp);
    EXPECT_EQ(CSlowa::CapitalSpelling(*FindByKey(catalogue, "zrebie")), "ŹREBIĘ"_cp);
    EXPECT_EQ(CSlowa::CapitalSpelling(*FindByKey(catalogue, "zolw")), "ŻÓŁW"_cp);
}

TEST(CSlowa, FilterAndBuildPoolTakeWordsMatchingBothMasksInTableOrder)
{
    CSlowa catalogue;
    EXPECT_EQ(catalogue.BuildPool(GL_S, POZ_NAGLOS), 31);
    EXPECT_EQ(catalogue.BuildPool(GL_S | GL_DZ, POZ_NAGLOS), 33);
    EXPECT_EQ(catalogue.CountPool(GL_DZ, POZ_WSZYSTKIE), 2);
    EXPECT_EQ(catalogue.BuildPool(GL_WSZYSTKIE, POZ_WSZYSTKIE), 353);
    EXPECT_EQ(catalogue.BuildPool(GL_Z, POZ_WYGLOS), 0);
    EXPECT_EQ(catalogue.BuildPool(0, POZ_WSZYSTKIE), 0);
    catalogue.BuildPool(GL_SZ | GL_CZ, POZ_SRODGLOS | POZ_WYGLOS);
    EXPECT_TRUE(std::is_sorted(catalogue.Pool().begin(), catalogue.Pool().end()));
    EXPECT_EQ(catalogue.Pool().size(), 24u + 10u + 20u + 7u);

    CUstGry settings(3, "Memory3");
    settings.Gloski = GL_CZ;
    settings.Pozycja = POZ_NAGLOS | POZ_WYGLOS;
    catalogue.Filter(settings);
    EXPECT_EQ(catalogue.Filtered().size(), 18u);
    EXPECT_TRUE(std::is_sorted(catalogue.Filtered().begin(), catalogue.Filtered().end()));
}

TEST(CSlowa, CollectFromPoolGrowsTheTargetButNeverShrinksIt)
{
    CSlowa catalogue;
    catalogue.BuildPool(GL_S | GL_Z, POZ_NAGLOS);
    std::vector<CSlowa::SPaczka*> target;
    EXPECT_EQ(catalogue.CollectFromPool(target, GL_Z, POZ_WSZYSTKIE), 14);
    EXPECT_EQ(target.size(), 45u);
    for (int i = 0; i < 14; ++i)
        EXPECT_TRUE(target[static_cast<std::size_t>(i)]->Flags & GL_Z);
    std::vector<CSlowa::SPaczka*> big(100, nullptr);
    EXPECT_EQ(catalogue.CollectFromPool(big, GL_S, POZ_WSZYSTKIE), 31);
    EXPECT_EQ(big.size(), 100u);
}

TEST(ChooseExercise, SharesFollowTheCandidatesRoundedHalfUpAndAtLeastOne)
{
    SeedRandom(7);
    CSlowa catalogue;
    // S and Z initial: 31 and 14 of 45 candidates give 6 and 2 of eight words.
    ASSERT_EQ(catalogue.BuildPool(GL_S | GL_Z, POZ_NAGLOS), 45);
    ASSERT_TRUE(catalogue.ChooseExercise(8, GL_S | GL_Z));
    EXPECT_EQ(catalogue.Exercise().size(), 8u);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_S), 6);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_Z), 2);
    EXPECT_EQ(Distinct(catalogue.Exercise()).size(), 8u);

    // S and DZ initial: DZ's share rounds to 0 and is raised to 1; S gives one back.
    catalogue.ClearExercise();
    catalogue.BuildPool(GL_S | GL_DZ, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(8, GL_S | GL_DZ));
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_S), 7);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_DZ), 1);

    // DZ 2 and DŻ 7 initial, 4 words: (9 + 16) div 18 = 1 and (9 + 56) div 18 = 3.
    catalogue.ClearExercise();
    catalogue.BuildPool(GL_DZ | GL_DZZ, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(4, GL_DZ | GL_DZZ));
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_DZ), 1);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_DZZ), 3);
}

TEST(ChooseExercise, CorrectsTheRoundedSharesToTheTotal)
{
    SeedRandom(3);
    CSlowa catalogue;
    // Initial S 31, Z 14, C 12, DZ 2 (N = 59), 11 words: shares 6, 3, 2 and 0
    // raised to 1 make 12; the largest (S) gives one back.
    catalogue.BuildPool(GL_S | GL_Z | GL_C | GL_DZ, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(11, GL_S | GL_Z | GL_C | GL_DZ));
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_S), 5);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_Z), 3);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_C), 2);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_DZ), 1);

    // Initial SZ 21, Ż 20, CZ 11 (N = 52), 6 words: shares 2, 2, 1 make 5; the
    // smallest (CZ) gets one more.
    catalogue.ClearExercise();
    catalogue.BuildPool(GL_SZ | GL_ZRZ | GL_CZ, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(6, GL_SZ | GL_ZRZ | GL_CZ));
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_SZ), 2);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_ZRZ), 2);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_CZ), 2);

    // Initial SZ 21, Ż 20, S 31 (N = 72), 5 words: shares 1, 1, 2 make 4; of the
    // two smallest the earlier sound (SZ) gets one more.
    catalogue.ClearExercise();
    catalogue.BuildPool(GL_SZ | GL_ZRZ | GL_S, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(5, GL_SZ | GL_ZRZ | GL_S));
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_SZ), 2);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_ZRZ), 1);
    EXPECT_EQ(CountOf(catalogue.Exercise(), GL_S), 2);
}

TEST(ChooseExercise, DrawsWhichOfTheTiedLargestSharesGivesBack)
{
    SeedRandom(4);
    CSlowa catalogue;
    // Initial SZ 21, Ż 20, CZ 11, 2 words: three shares of 1 make 3.
    catalogue.BuildPool(GL_SZ | GL_ZRZ | GL_CZ, POZ_NAGLOS);
    std::set<int32_t> leftOut;
    for (int round = 0; round < 60; ++round) {
        catalogue.ClearExercise();
        ASSERT_TRUE(catalogue.ChooseExercise(2, GL_SZ | GL_ZRZ | GL_CZ));
        ASSERT_EQ(catalogue.Exercise().size(), 2u);
        int present = 0;
        for (int32_t sound : {GL_SZ, GL_ZRZ, GL_CZ}) {
            if (CountOf(catalogue.Exercise(), sound) == 0)
                leftOut.insert(sound);
            else
                present += CountOf(catalogue.Exercise(), sound) == 1;
        }
        EXPECT_EQ(present, 2);
    }
    EXPECT_EQ(leftOut.size(), 3u);
}

TEST(ChooseExercise, RefusesWhatItCannotChoose)
{
    CSlowa catalogue;
    EXPECT_FALSE(catalogue.ChooseExercise(8, GL_S));  // no pool yet
    catalogue.BuildPool(GL_S, POZ_NAGLOS);
    EXPECT_FALSE(catalogue.ChooseExercise(0, GL_S));
    EXPECT_FALSE(catalogue.ChooseExercise(-3, GL_S));
    EXPECT_FALSE(catalogue.ChooseExercise(8, 0));
    EXPECT_FALSE(catalogue.ChooseExercise(8, POZ_NAGLOS));  // not a sound bit
    // Sounds the pool has no word of: nothing to share out (and no endless correction).
    EXPECT_FALSE(catalogue.ChooseExercise(8, GL_Z));
    EXPECT_TRUE(catalogue.Exercise().empty());
}

TEST(ChooseExercise, GivesOutEveryCandidateOnceBeforeAnyRepeats)
{
    SeedRandom(11);
    CSlowa catalogue;
    // Z initial: 14 candidates; exercises of 6 run out during the third one.
    catalogue.BuildPool(GL_Z, POZ_NAGLOS);
    std::vector<const CSlowa::SPaczka*> given;
    for (int game = 0; game < 2; ++game) {
        catalogue.ClearExercise();
        ASSERT_TRUE(catalogue.ChooseExercise(6, GL_Z));
        given.insert(given.end(), catalogue.Exercise().begin(), catalogue.Exercise().end());
    }
    EXPECT_EQ(std::set<const CSlowa::SPaczka*>(given.begin(), given.end()).size(), 12u);

    // The third exercise finds two unused words, then the choice is renewed:
    // it starts over from the renewed set and holds no word twice.
    catalogue.ClearExercise();
    ASSERT_TRUE(catalogue.ChooseExercise(6, GL_Z));
    EXPECT_EQ(Distinct(catalogue.Exercise()).size(), 6u);
    const int marked = static_cast<int>(std::count_if(catalogue.Pool().begin(), catalogue.Pool().end(),
                                                      [](const CSlowa::SPaczka* w) { return w->Flags & FL_UZYTE; }));
    EXPECT_EQ(marked, 6);
    for (const CSlowa::SPaczka* w : catalogue.Exercise())
        EXPECT_TRUE(w->Flags & FL_UZYTE);

    // An exercise of exactly all candidates holds each of them once, again and again.
    for (int game = 0; game < 3; ++game) {
        catalogue.ClearExercise();
        ASSERT_TRUE(catalogue.ChooseExercise(14, GL_Z));
        EXPECT_EQ(Distinct(catalogue.Exercise()).size(), 14u);
    }
}

TEST(ChooseExercise, MoreWordsThanCandidatesRepeatSome)
{
    SeedRandom(5);
    CSlowa catalogue;
    catalogue.BuildPool(GL_DZ, POZ_NAGLOS);  // 2 candidates
    ASSERT_TRUE(catalogue.ChooseExercise(5, GL_DZ));
    EXPECT_EQ(catalogue.Exercise().size(), 5u);
    EXPECT_EQ(Distinct(catalogue.Exercise()).size(), 2u);
}

TEST(ChooseExercise, AppendsToTheExerciseUntilCleared)
{
    SeedRandom(9);
    CSlowa catalogue;
    catalogue.BuildPool(GL_SZ, POZ_WSZYSTKIE);
    ASSERT_TRUE(catalogue.ChooseExercise(4, GL_SZ));
    ASSERT_TRUE(catalogue.ChooseExercise(3, GL_SZ));
    EXPECT_EQ(catalogue.Exercise().size(), 7u);
    EXPECT_EQ(Distinct(catalogue.Exercise()).size(), 7u);
    catalogue.ClearExercise();
    EXPECT_TRUE(catalogue.Exercise().empty());
}

TEST(ChooseForMemory, DealsUnusedWordsAndRenewsWithoutStartingOver)
{
    SeedRandom(21);
    CSlowa catalogue;
    CUstGry settings(3, "Memory3");
    settings.Gloski = GL_DZ;
    settings.Pozycja = POZ_NAGLOS | POZ_SRODGLOS;  // 5 words
    catalogue.Filter(settings);
    ASSERT_EQ(catalogue.Filtered().size(), 5u);

    EXPECT_FALSE(catalogue.ChooseForMemory(6));
    EXPECT_TRUE(catalogue.Chosen().empty());

    ASSERT_TRUE(catalogue.ChooseForMemory(3));
    EXPECT_EQ(Distinct(catalogue.Chosen()).size(), 3u);
    const std::set<const CSlowa::SPaczka*> first = Distinct(catalogue.Chosen());

    // Two unused words are left: both come first, then a renewed round.
    ASSERT_TRUE(catalogue.ChooseForMemory(3));
    ASSERT_EQ(catalogue.Chosen().size(), 3u);
    EXPECT_EQ(first.count(catalogue.Chosen()[0]), 0u);
    EXPECT_EQ(first.count(catalogue.Chosen()[1]), 0u);

    // All five at once after a renewal may repeat a word: the deal does not start over.
    ASSERT_TRUE(catalogue.ChooseForMemory(5));
    EXPECT_EQ(catalogue.Chosen().size(), 5u);
}

TEST(CSlowa, ReleasingFreesThePicturesOfTheWordsConcerned)
{
    SeedRandom(1);
    CSlowa catalogue;
    CUstGry settings(3, "Memory3");
    catalogue.Filter(settings);  // SZ initial
    ASSERT_TRUE(catalogue.ChooseForMemory(2));
    CSlowa::SPaczka* dealt = catalogue.Chosen()[0];
    dealt->CardImage = "jpeg";
    dealt->ExtraImage = "more";
    dealt->Picture = std::make_unique<Bitmap>(4, 4);
    catalogue.ReleaseChosen();
    EXPECT_TRUE(dealt->CardImage.empty());
    EXPECT_TRUE(dealt->ExtraImage.empty());
    EXPECT_FALSE(dealt->Picture);
    EXPECT_TRUE(catalogue.Chosen().empty());

    catalogue.BuildPool(GL_S, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(3, GL_S));
    catalogue.Exercise()[1]->Picture = std::make_unique<Bitmap>(2, 2);
    CSlowa::SPaczka* pictured = catalogue.Exercise()[1];
    catalogue.ReleaseAll();
    EXPECT_FALSE(pictured->Picture);
    EXPECT_TRUE(catalogue.Exercise().empty());
    // The used marks survive releasing: they belong to the run, not to a game.
    EXPECT_TRUE(pictured->Flags & FL_UZYTE);
}
