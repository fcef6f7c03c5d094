// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game as a child meets it: opened from the main menu, played to
// its end by clicks on the cards, started again from the summary, stopped
// with Escape and left; both games end up in the statistics file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/MainMenuLayout.h"
#include "core/SoundCodes.h"
#include "games/memory/CKarta.h"
#include "games/memory/FormMemory3.h"
#include "games/memory/GraMemory.h"
#include "graphics/CDisplay.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ProgramRig.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint64_t kSeed = 2026;

std::string Click(TPoint p)
{
    return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}

TPoint Centre(TRect r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string Le(uint64_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// What the board and the statistics held when the summary came up.
struct Summary {
    std::vector<std::string> words;  // slot order
    std::vector<TRect> slots;
    int32_t correct = 0, wrong = 0, hints = 0, duration = 0;
    int16_t completed = 0;
    SystemTime start;
};

void NoteSummaries(std::vector<Summary>& out)
{
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [&out, previous] {
        Summary s;
        const graMemory& board = *FormMemory3->Board();
        for (int k = 0; k < board.SlotCount(); ++k) {
            s.words.push_back(board.Slot(k).WordName());
            s.slots.push_back(board.Slot(k).Rect());
        }
        s.correct = StatRec->Correct;
        s.wrong = StatRec->Wrong;
        s.hints = StatRec->Hints;
        s.duration = StatRec->Duration;
        s.completed = StatRec->Completed;
        s.start = StatRec->StartTime;
        out.push_back(s);
        if (previous)
            previous();
    };
}

// Opens the memory tab and starts the game.
std::string OpenMemory()
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(kWidth, kHeight));
    return Click({l.tabStrip.x + 100, l.tabStrip.y + 260}) + Click({l.start.x + 20, l.start.y + 20}) +
           "wait 100\nexpect form FormMemory3\n";
}

TPoint SummaryButton(int left)
{
    return {(kWidth - TFormKoniecGry::kWidth) / 2 + left + 30, (kHeight - TFormKoniecGry::kHeight) / 2 + 340 + 20};
}

// After a game: "start" for another, which Escape stops at once, then "stop".
std::string AgainThenLeave()
{
    return "expect form FormKoniecGry\n" + Click(SummaryButton(235)) + "wait 100\nexpect form FormMemory3\n" +
           "key Escape\nexpect form FormKoniecGry\n" + Click(SummaryButton(325)) + "expect form FormMain\n" +
           "key Escape\n";
}

}  // namespace

TEST(MemoryFromTheMenu, PlayedToTheEndThenAgainAndStoppedBothGamesAreRecorded)
{
    // A first run learns the deal: the game is stopped at once.
    std::vector<Summary> probe;
    {
        ProgramRig rig(kWidth, kHeight, OpenMemory() + "key Escape\n" + AgainThenLeave(), kSeed);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        NoteSummaries(probe);
        EXPECT_EQ(rig.Run(), 0);
    }
    ASSERT_EQ(probe.size(), 2u);
    ASSERT_EQ(probe[0].words.size(), 6u);

    // The real run clicks both cards of each word where the deal put them.
    std::map<std::string, std::vector<int>> slotsOfWord;
    for (int k = 0; k < 6; ++k)
        slotsOfWord[probe[0].words[static_cast<std::size_t>(k)]].push_back(k);
    ASSERT_EQ(slotsOfWord.size(), 3u);
    std::string play = OpenMemory();
    for (const auto& [word, slots] : slotsOfWord)
        play += Click(Centre(probe[0].slots[static_cast<std::size_t>(slots[0])])) +
                Click(Centre(probe[0].slots[static_cast<std::size_t>(slots[1])])) + "wait 1100\n";
    play += "wait 1100\n" + AgainThenLeave();

    std::vector<Summary> shown;
    ProgramRig rig(kWidth, kHeight, play, kSeed);
    ASSERT_TRUE(rig.Ready());
    NoteSummaries(shown);
    EXPECT_EQ(rig.Run(), 0);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].words, probe[0].words);
    EXPECT_EQ(shown[0].completed, 1);
    EXPECT_EQ(shown[0].wrong, 0);
    EXPECT_GT(shown[0].correct, 0);
    EXPECT_EQ(shown[1].completed, 0);
    EXPECT_EQ(shown[1].wrong, 6);  // six cards left when Escape stopped it

    const std::string file = rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), 20u + 2 * 44u);
    for (int game = 0; game < 2; ++game) {
        const Summary& s = shown[static_cast<std::size_t>(game)];
        std::string time;
        for (uint16_t v : {s.start.year, s.start.month, s.start.dayOfWeek, s.start.day, s.start.hour,
                           s.start.minute, s.start.second, s.start.milliseconds})
            time += Le(v, 2);
        // The memory game's default exercise: few words of SZ at the start of the word.
        const std::string expected = Le(3, 4) + time + Le(1, 2) + Le(GL_SZ, 2) + Le(POZ_NAGLOS, 2) +
                                     Le(static_cast<uint32_t>(s.duration), 4) + Le(static_cast<uint16_t>(s.completed), 2) +
                                     Le(static_cast<uint32_t>(s.hints), 4) + Le(static_cast<uint32_t>(s.correct), 4) +
                                     Le(static_cast<uint32_t>(s.wrong), 4);
        EXPECT_EQ(file.substr(20 + 44 * static_cast<std::size_t>(game), 44), expected) << "game " << game;
    }

    // The journal: one right answer per pair turned, in the order played;
    // the stopped game's three pairs left unsolved, one answer each.
    const std::vector<JournalAnswer> rows = JournalRows(rig.Dir().Path());
    const std::vector<JournalAnswer> played = RowsOfGame(rows, 3, shown[0].start), left = RowsOfGame(rows, 3, shown[1].start);
    EXPECT_EQ(rows.size(), played.size() + left.size());
    EXPECT_EQ(Outcomes(played), "RRR");
    std::vector<std::string> pairs;
    for (const auto& [word, slots] : slotsOfWord)
        pairs.push_back(word);
    EXPECT_EQ(WordKeys(played), pairs);
    EXPECT_EQ(Outcomes(left), "UUU");
    std::vector<std::string> leftKeys = WordKeys(left), dealt = shown[1].words;
    std::sort(leftKeys.begin(), leftKeys.end());
    std::sort(dealt.begin(), dealt.end());
    dealt.erase(std::unique(dealt.begin(), dealt.end()), dealt.end());
    EXPECT_EQ(leftKeys, dealt);
    EXPECT_EQ(GameRowsProblem(played, GL_SZ, POZ_NAGLOS), "");
    EXPECT_EQ(GameRowsProblem(left, GL_SZ, POZ_NAGLOS), "");
}
