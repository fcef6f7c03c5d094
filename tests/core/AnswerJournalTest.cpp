// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The games' one call per answer: what lands in the child's journal, with
// the game and its start taken from the statistics and the time the child
// took from the clock.
#include <gtest/gtest.h>

#include "core/AnswerJournal.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "tests/TestSupport.h"

namespace {

const CSlowa::SPaczka& WordOf(const CSlowa& catalogue, const std::string& key)
{
    for (const CSlowa::SPaczka& word : catalogue.Words())
        if (word.Key == key)
            return word;
    throw std::out_of_range(key);
}

}  // namespace

TEST(AnswerJournal, EachAnswerOfAGameLandsInTheChildsJournalWithItsWordGameAndTime)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    CStatRec stats(6, nullptr);
    NoteAnswer(AnswerOutcome::Right, nullptr);  // no journal yet: nothing happens
    {
        AnswerJournal journal(&stats);
        TheAnswerJournal = &journal;
        journal.Open();
        CUstGry conveyor(5, "Tasmociag");
        stats.StartGame(conveyor);
        box.Clock().AdvanceMicroseconds(2500000);
        NoteAnswer(AnswerOutcome::Right, &WordOf(catalogue, "kasza"));
        box.Clock().AdvanceMicroseconds(1000000);
        NoteAnswer(AnswerOutcome::UnsolvedAtStop, &WordOf(catalogue, "jeze"));
        // A new game: the time is counted from its start, a hint may name no word.
        box.Clock().AdvanceMicroseconds(60000000);
        stats.StartGame(conveyor);
        box.Clock().AdvanceMicroseconds(300000);
        NoteAnswer(AnswerOutcome::Hint, nullptr);
        // The hint does not restart the time the next answer takes.
        box.Clock().AdvanceMicroseconds(200000);
        NoteAnswer(AnswerOutcome::Right, &WordOf(catalogue, "kasza"));
        NoteAnswer(AnswerOutcome::Wrong, &WordOf(catalogue, "kasza"), 777);
        TheAnswerJournal = nullptr;
    }

    Journal written;
    ASSERT_TRUE(written.Open(box.Root() / Journal::kFileName, false));
    const std::vector<JournalAnswer> a = written.Answers();
    ASSERT_EQ(a.size(), 5u);
    EXPECT_EQ(a[0].game, 5);
    EXPECT_EQ(a[0].wordKey, "kasza");
    EXPECT_EQ(a[0].sound, GL_SZ);
    EXPECT_EQ(a[0].position, POZ_SRODGLOS);
    EXPECT_EQ(a[0].tookMs, 2500);
    EXPECT_EQ(a[1].wordText, "jeże");
    EXPECT_EQ(a[1].position, POZ_SRODGLOS);
    EXPECT_EQ(a[1].outcome, AnswerOutcome::UnsolvedAtStop);
    EXPECT_EQ(a[1].tookMs, 1000);
    EXPECT_EQ(a[0].gameStartedMs, a[1].gameStartedMs);
    EXPECT_EQ(a[1].atMs - a[0].atMs, 1000);
    EXPECT_EQ(a[2].gameStartedMs, JournalTimeOf(stats.StartTime));
    EXPECT_EQ(a[2].tookMs, 300);
    EXPECT_EQ(a[2].wordKey, "");
    EXPECT_EQ(a[2].sound, 0);
    EXPECT_EQ(a[3].tookMs, 500);
    EXPECT_EQ(a[4].tookMs, 777);
}
