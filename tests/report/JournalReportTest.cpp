// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of a child's report from a journal with known answers, games
// of the statistics file with and without answers in the journal, and notes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "core/AnswerJournal.h"
#include "core/PolishPlural.h"
#include "core/SoundCodes.h"
#include "report/JournalSummary.h"
#include "report/ReportPage.h"

namespace {

constexpr SystemTime kGameStart{2026, 12, 2, 1, 10, 0, 0, 0};  // Tuesday 1 December

JournalAnswer A(const char* key, int32_t sound, int32_t position, AnswerOutcome outcome, int minute)
{
    const int64_t started = JournalTimeOf(kGameStart);
    return {started + minute * 60000, started, 1, key, key, sound, position, outcome, 2000};
}

StatRecord Record(int32_t game, const SystemTime& start, int16_t sounds, int16_t positions, int correct, int wrong,
                  int seconds)
{
    StatRecord r;
    r.GameId = game;
    r.StartTime = start;
    r.Poziom = 1;
    r.Gloski = sounds;
    r.Pozycja = positions;
    r.Duration = seconds;
    r.Completed = 1;
    r.Correct = correct;
    r.Wrong = wrong;
    return r;
}

class JournalReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        using O = AnswerOutcome;
        answers = {A("szafa", GL_SZ, POZ_NAGLOS, O::Right, 1),   A("szafa", GL_SZ, POZ_NAGLOS, O::Right, 2),
                   A("szafa", GL_SZ, POZ_NAGLOS, O::Wrong, 3),   A("kosz", GL_SZ, POZ_WYGLOS, O::Wrong, 4),
                   A("kosz", GL_SZ, POZ_WYGLOS, O::Wrong, 5),    A("kosz", GL_SZ, POZ_WYGLOS, O::Wrong, 6),
                   A("kosz", GL_SZ, POZ_WYGLOS, O::Right, 7),    A("sowa", GL_S, POZ_NAGLOS, O::Right, 8),
                   A("", 0, 0, O::Hint, 9),                      A("kasza", GL_SZ, POZ_SRODGLOS, O::UnsolvedAtStop, 10)};
        // The journal's game as the file has it, and a game from before the journal.
        games = {Record(3, SystemTime{2026, 11, 0, 1, 9, 0, 0, 0}, GL_S | GL_SZ, POZ_NAGLOS | POZ_WYGLOS, 6, 4, 120),
                 Record(1, kGameStart, GL_S | GL_SZ, POZ_WYGLOS | POZ_NAGLOS | POZ_SRODGLOS, 4, 5, 300)};
        notes = {{"2026-12-01", 0, "Dobrze"}, {"2026-12-03", 0, "Sama notatka"}, {"2026-02-31", 0, "zła data"}};
    }

    std::vector<JournalAnswer> answers;
    std::vector<StatRecord> games;
    std::vector<JournalNote> notes;
    const int64_t today = DayNumberOf(2026, 12, 7);
};

}  // namespace

TEST_F(JournalReport, EachAnswerCountsForItsOwnSoundAndPositionAndUnsolvedStayApart)
{
    const ChildSummary s = SummarizeChild(answers, notes, games, today);
    const auto cell = [&](int32_t sound, int32_t position) {
        return s.whole.map[static_cast<std::size_t>(SoundIndexOf(sound))]
                          [static_cast<std::size_t>(PositionIndexOf(position))];
    };
    EXPECT_EQ(cell(GL_SZ, POZ_NAGLOS).right, 2);
    EXPECT_EQ(cell(GL_SZ, POZ_NAGLOS).wrong, 1);
    EXPECT_EQ(cell(GL_SZ, POZ_WYGLOS).right, 1);
    EXPECT_EQ(cell(GL_SZ, POZ_WYGLOS).wrong, 3);
    EXPECT_EQ(cell(GL_S, POZ_NAGLOS).Attempts(), 1);
    // The word left when the game was stopped is not a wrong answer.
    EXPECT_EQ(cell(GL_SZ, POZ_SRODGLOS).unsolved, 1);
    EXPECT_EQ(cell(GL_SZ, POZ_SRODGLOS).Attempts(), 0);
    // Sounds and positions the settings had but no answer touched stay empty.
    EXPECT_EQ(cell(GL_S, POZ_WYGLOS).Attempts(), 0);
    EXPECT_EQ(s.whole.total.right, 4);
    EXPECT_EQ(s.whole.total.wrong, 4);
    EXPECT_EQ(s.whole.total.hints, 1);
    EXPECT_EQ(s.whole.total.unsolved, 1);

    // Two games: the journal's (its play time from the file) and the older one.
    EXPECT_EQ(s.whole.games, 2);
    EXPECT_EQ(s.whole.seconds, 420);
    EXPECT_EQ(s.recent.games, 1);
    EXPECT_EQ(s.whole.practiceDays, 2);
    EXPECT_EQ(s.recent.practiceDays, 1);
    ASSERT_EQ(s.older.size(), 1u);
    EXPECT_EQ(s.older[0].GameId, 3);
    EXPECT_EQ(s.inJournal, (std::vector<bool>{false, true}));
    EXPECT_EQ(s.olderSummary.whole.total.games, 1);

    // Hardest first; a word with too few answers is not ranked.
    ASSERT_EQ(s.hardest.size(), 2u);
    EXPECT_EQ(s.hardest[0].key, "kosz");
    EXPECT_EQ(s.hardest[1].key, "szafa");

    // Weeks from the first answer's to today's; the answers in the first.
    ASSERT_EQ(s.weeks.size(), 2u);
    EXPECT_EQ(s.weeks[0].start, DayNumberOf(2026, 11, 30));
    EXPECT_EQ(s.weeks[0].perSound[0].right, 3);
    EXPECT_EQ(s.weeks[0].perSound[0].wrong, 4);
    EXPECT_EQ(s.weeks[1].perSound[0].Attempts(), 0);

    // Days, newest first, with their notes; a day of notes alone is a row
    // but no practice day, and a note with an impossible date is left out.
    ASSERT_EQ(s.days.size(), 3u);
    EXPECT_EQ(s.days[0].day, DayNumberOf(2026, 12, 3));
    EXPECT_EQ(s.days[0].notes, std::vector<std::string>{"Sama notatka"});
    EXPECT_EQ(s.days[1].notes, std::vector<std::string>{"Dobrze"});
    EXPECT_EQ(s.days[1].answers.Attempts(), 8);
    EXPECT_EQ(s.days[2].oldGames, 1);
}

TEST_F(JournalReport, PageSaysEveryCountInCorrectPolish)
{
    const ChildSummary s = SummarizeChild(answers, notes, games, today);
    const std::string page = ReportPageHtml(s, {"07.12.2026 10:00", "Ola", "prgst6.stt", {}});
    for (const char* text : {"Raport postępów — Ola", "10 odpowiedzi) i pliku statystyk prgst6.stt (2 gry)",
                             "50% (4 z 8 odpowiedzi)", "1 gra nie ma odpowiedzi", "nierozwiązane: 1", "Sama notatka",
                             "Najtrudniejsze słowa", "Gry sprzed dziennika"})
        EXPECT_NE(page.find(text), std::string::npos) << text;

    EXPECT_EQ(CountOf(1, "gra", "gry", "gier"), "1 gra");
    for (int n : {2, 3, 4, 22, 34, 102, 1004})
        EXPECT_EQ(PluralForm(n, "gra", "gry", "gier"), "gry") << n;
    for (int n : {0, 5, 11, 12, 13, 14, 21, 25, 111, 112, 1000})
        EXPECT_EQ(PluralForm(n, "gra", "gry", "gier"), "gier") << n;
}
