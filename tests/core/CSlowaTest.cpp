// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

using Word = CSlowa::SPaczka;

const Word& ByKey(const CSlowa& catalogue, const std::string& key)
{
    const auto& words = catalogue.Words();
    const auto it = std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.Key == key; });
    if (it == words.end())
        throw std::runtime_error("no word " + key);
    return *it;
}

std::size_t Distinct(const std::vector<Word*>& list)
{
    return std::set<const Word*>(list.begin(), list.end()).size();
}

// A fresh exercise of total words; returns how many words of each sound it holds.
std::vector<int> Choose(CSlowa& catalogue, std::vector<int32_t> sounds, int32_t positions, int total)
{
    int32_t mask = 0;
    for (int32_t s : sounds)
        mask |= s;
    catalogue.ClearExercise();
    catalogue.BuildPool(mask, positions);
    EXPECT_TRUE(catalogue.ChooseExercise(total, mask));
    EXPECT_EQ(catalogue.Exercise().size(), static_cast<std::size_t>(total));
    std::vector<int> counts;
    for (int32_t s : sounds)
        counts.push_back(static_cast<int>(std::count_if(catalogue.Exercise().begin(), catalogue.Exercise().end(),
                                                        [&](const Word* w) { return (w->Flags & s) != 0; })));
    return counts;
}

using Counts = std::vector<int>;

}  // namespace

TEST(CSlowa, WordCountsPerSoundAndPositionFollowFromTheNotation)
{
    const CSlowa catalogue;
    ASSERT_EQ(catalogue.Words().size(), 353u);
    std::map<int32_t, Counts> counts;
    for (const Word& word : catalogue.Words()) {
        Counts& row = counts.try_emplace(word.Flags & GL_WSZYSTKIE, Counts(3)).first->second;
        const int32_t position = word.Flags & POZ_WSZYSTKIE;
        ++row[position == POZ_NAGLOS ? 0 : position == POZ_SRODGLOS ? 1 : 2];
    }
    const std::map<int32_t, Counts> expected{
        {GL_S, {31, 32, 22}},  {GL_Z, {14, 16, 0}},   {GL_C, {12, 13, 8}},  {GL_DZ, {2, 3, 0}},
        {GL_SZ, {21, 24, 10}}, {GL_ZRZ, {20, 21, 0}}, {GL_CZ, {11, 20, 7}}, {GL_DZZ, {7, 0, 0}},
        {GL_SS, {16, 5, 2}},   {GL_ZZ, {3, 5, 0}},    {GL_CC, {2, 7, 4}},   {GL_DZZZ, {11, 4, 0}},
    };
    EXPECT_EQ(counts, expected);
}

TEST(CSlowa, EveryWordHasOneSoundOnePositionAndAUniquePlainKey)
{
    const CSlowa catalogue;
    std::set<std::string> keys;
    for (const Word& word : catalogue.Words()) {
        SCOPED_TRACE(word.Key);
        const int32_t sound = word.Flags & GL_WSZYSTKIE;
        const int32_t position = word.Flags & POZ_WSZYSTKIE;
        EXPECT_TRUE(sound != 0 && (sound & (sound - 1)) == 0);
        EXPECT_TRUE(position == POZ_NAGLOS || position == POZ_SRODGLOS || position == POZ_WYGLOS);
        EXPECT_EQ(word.Flags & ~(GL_WSZYSTKIE | POZ_WSZYSTKIE), 0);
        EXPECT_TRUE(keys.insert(word.Key).second) << "duplicate key";
        EXPECT_TRUE(std::all_of(word.Key.begin(), word.Key.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
    }
    EXPECT_EQ(catalogue.Words().front().Notation, "a,b,e,_c,a,d,ł,o,"_cp);
    EXPECT_EQ(catalogue.Words().back().Key, "zyrandol");
}

TEST(CSlowa, SpecialWordsAreFiledAsTheyAreHeardAndSpelledInCapitals)
{
    const CSlowa catalogue;
    EXPECT_EQ(ByKey(catalogue, "lodz").Flags, GL_CC | POZ_WYGLOS);       // ł,ó,_dź,
    EXPECT_EQ(ByKey(catalogue, "labedz").Flags, GL_CC | POZ_WYGLOS);     // ł,a,b,ę,_dź,
    EXPECT_EQ(ByKey(catalogue, "dzwig").Flags, GL_DZZZ | POZ_NAGLOS);    // _dź,w,i,g,
    EXPECT_EQ(ByKey(catalogue, "bucik").Flags, GL_CC | POZ_SRODGLOS);    // b,u,_c,_i,k,
    EXPECT_EQ(ByKey(catalogue, "budzik").Flags, GL_DZZZ | POZ_SRODGLOS); // b,u,_dz,_i,k,
    EXPECT_EQ(ByKey(catalogue, "los").Flags, GL_S | POZ_WYGLOS);
    EXPECT_EQ(ByKey(catalogue, "losss").Notation, "ł,o,_ś,"_cp);
    EXPECT_EQ(ByKey(catalogue, "losss").Flags, GL_SS | POZ_WYGLOS);
    EXPECT_EQ(ByKey(catalogue, "zebra").Flags, GL_ZRZ | POZ_NAGLOS);     // _ż,e,b,r,a,
    EXPECT_EQ(ByKey(catalogue, "zebraa").Notation, "_z,e,b,r,a,");
    EXPECT_EQ(ByKey(catalogue, "psy").Flags, GL_S | POZ_SRODGLOS);

    EXPECT_EQ(CSlowa::CapitalSpelling(ByKey(catalogue, "bucik")), "BUCIK");
    EXPECT_EQ(CSlowa::CapitalSpelling(ByKey(catalogue, "zolw")), "ŻÓŁW"_cp);
    EXPECT_EQ(CSlowa::CapitalSpelling(ByKey(catalogue, "zrebie")), "ŹREBIĘ"_cp);
}

TEST(CSlowa, FilterAndBuildPoolTakeWordsMatchingBothMasksInTableOrder)
{
    CSlowa catalogue;
    EXPECT_EQ(catalogue.BuildPool(GL_S | GL_DZ, POZ_NAGLOS), 33);
    EXPECT_EQ(catalogue.CountPool(GL_DZ, POZ_WSZYSTKIE), 2);
    EXPECT_EQ(catalogue.BuildPool(GL_Z, POZ_WYGLOS), 0);
    EXPECT_EQ(catalogue.BuildPool(GL_SZ | GL_CZ, POZ_SRODGLOS | POZ_WYGLOS), 24 + 10 + 20 + 7);
    EXPECT_TRUE(std::is_sorted(catalogue.Pool().begin(), catalogue.Pool().end()));

    CUstGry settings(3, "Memory3");
    settings.Gloski = GL_CZ;
    settings.Pozycja = POZ_NAGLOS | POZ_WYGLOS;
    catalogue.Filter(settings);
    EXPECT_EQ(catalogue.Filtered().size(), 18u);
    EXPECT_TRUE(std::is_sorted(catalogue.Filtered().begin(), catalogue.Filtered().end()));
}

TEST(ChooseExercise, SharesFollowTheCandidatesRoundedHalfUpThenCorrectedToTheTotal)
{
    SeedRandom(7);
    CSlowa catalogue;
    // 31 and 14 candidates of 45 give 6 and 2 of eight words.
    EXPECT_EQ(Choose(catalogue, {GL_S, GL_Z}, POZ_NAGLOS, 8), (Counts{6, 2}));
    EXPECT_EQ(Distinct(catalogue.Exercise()), 8u);
    // DZ's share rounds to 0 and is raised to 1; S, the largest, gives one back.
    EXPECT_EQ(Choose(catalogue, {GL_S, GL_DZ}, POZ_NAGLOS, 8), (Counts{7, 1}));
    // 6, 3, 2 and 0 raised to 1 make 12 of 11: S gives one back.
    EXPECT_EQ(Choose(catalogue, {GL_S, GL_Z, GL_C, GL_DZ}, POZ_NAGLOS, 11), (Counts{5, 3, 2, 1}));
    // 2, 2, 1 make 5 of 6: the smallest (CZ) gets one more.
    EXPECT_EQ(Choose(catalogue, {GL_SZ, GL_ZRZ, GL_CZ}, POZ_NAGLOS, 6), (Counts{2, 2, 2}));
    // 1, 1, 2 make 4 of 5: of the two smallest the earlier sound gets one more.
    EXPECT_EQ(Choose(catalogue, {GL_SZ, GL_ZRZ, GL_S}, POZ_NAGLOS, 5), (Counts{2, 1, 2}));

    // Three shares of 1 for 2 words: which one gives back is drawn.
    std::set<Counts> outcomes;
    for (int round = 0; round < 60; ++round)
        outcomes.insert(Choose(catalogue, {GL_SZ, GL_ZRZ, GL_CZ}, POZ_NAGLOS, 2));
    EXPECT_EQ(outcomes, (std::set<Counts>{{0, 1, 1}, {1, 0, 1}, {1, 1, 0}}));
}

TEST(ChooseExercise, RefusesWhatItCannotChoose)
{
    CSlowa catalogue;
    EXPECT_FALSE(catalogue.ChooseExercise(8, GL_S));  // no pool yet
    catalogue.BuildPool(GL_S, POZ_NAGLOS);
    EXPECT_FALSE(catalogue.ChooseExercise(0, GL_S));
    EXPECT_FALSE(catalogue.ChooseExercise(8, 0));
    EXPECT_FALSE(catalogue.ChooseExercise(8, POZ_NAGLOS));  // not a sound bit
    // No word of these sounds in the pool: nothing to share out (and no endless correction).
    EXPECT_FALSE(catalogue.ChooseExercise(8, GL_Z));
    EXPECT_TRUE(catalogue.Exercise().empty());
}

TEST(ChooseExercise, GivesOutEveryCandidateOnceBeforeAnyRepeats)
{
    SeedRandom(11);
    CSlowa catalogue;
    // Z initial: 14 candidates; exercises of 6 run out during the third one.
    std::set<const Word*> given;
    for (int game = 0; game < 2; ++game) {
        Choose(catalogue, {GL_Z}, POZ_NAGLOS, 6);
        given.insert(catalogue.Exercise().begin(), catalogue.Exercise().end());
    }
    EXPECT_EQ(given.size(), 12u);
    // The third finds two unused words, then starts over from the renewed set.
    Choose(catalogue, {GL_Z}, POZ_NAGLOS, 6);
    EXPECT_EQ(Distinct(catalogue.Exercise()), 6u);
    EXPECT_EQ(std::count_if(catalogue.Pool().begin(), catalogue.Pool().end(),
                            [](const Word* w) { return (w->Flags & FL_UZYTE) != 0; }),
              6);
    for (int game = 0; game < 3; ++game) {
        Choose(catalogue, {GL_Z}, POZ_NAGLOS, 14);
        EXPECT_EQ(Distinct(catalogue.Exercise()), 14u);
    }
    // More than there are: the choice runs out twice and words repeat.
    Choose(catalogue, {GL_DZ}, POZ_NAGLOS, 5);
    EXPECT_EQ(Distinct(catalogue.Exercise()), 2u);
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
    const std::set<const Word*> first(catalogue.Chosen().begin(), catalogue.Chosen().end());
    EXPECT_EQ(first.size(), 3u);
    // The two unused words come first, then a renewed round.
    ASSERT_TRUE(catalogue.ChooseForMemory(3));
    ASSERT_EQ(catalogue.Chosen().size(), 3u);
    EXPECT_EQ(first.count(catalogue.Chosen()[0]) + first.count(catalogue.Chosen()[1]), 0u);
}

TEST(CSlowa, ReleasingFreesThePicturesButKeepsTheUsedMarks)
{
    SeedRandom(1);
    CSlowa catalogue;
    catalogue.Filter(CUstGry(3, "Memory3"));
    ASSERT_TRUE(catalogue.ChooseForMemory(2));
    Word* dealt = catalogue.Chosen()[0];
    dealt->CardImage = "jpeg";
    dealt->ExtraImage = "more";
    dealt->Picture = std::make_unique<Bitmap>(4, 4);
    catalogue.ReleaseChosen();
    EXPECT_TRUE(dealt->CardImage.empty() && dealt->ExtraImage.empty() && !dealt->Picture);
    EXPECT_TRUE(catalogue.Chosen().empty());

    Choose(catalogue, {GL_S}, POZ_NAGLOS, 3);
    Word* pictured = catalogue.Exercise()[1];
    pictured->Picture = std::make_unique<Bitmap>(2, 2);
    catalogue.ReleaseAll();
    EXPECT_FALSE(pictured->Picture);
    EXPECT_TRUE(catalogue.Exercise().empty());
    EXPECT_TRUE(pictured->Flags & FL_UZYTE);
}
