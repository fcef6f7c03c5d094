// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The therapist's progress report: the numbers, the spreadsheet table and the
// page, from records with known values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "report/ProgressReport.h"
#include "report/ProgressSummary.h"
#include "report/ReportCsv.h"
#include "report/ReportNames.h"
#include "report/ReportPage.h"
#include "report/JournalSummary.h"
#include "tests/TestSupport.h"

namespace {

// Local time is universal time in these tests, so dates are fixed.
class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }

    static StatRecord Game(int32_t id, int day, int month, int16_t sounds, int16_t positions, int correct, int wrong,
                           int hints = 0, int completed = 1, int seconds = 120)
    {
        StatRecord r;
        r.GameId = id;
        r.StartTime = SystemTime{2026, static_cast<uint16_t>(month), 0, static_cast<uint16_t>(day), 10, 5, 30, 0};
        r.Poziom = 1;
        r.Gloski = sounds;
        r.Pozycja = positions;
        r.Duration = seconds;
        r.Completed = static_cast<int16_t>(completed);
        r.Hints = hints;
        r.Correct = correct;
        r.Wrong = wrong;
        return r;
    }

    static int64_t Day(int day, int month) { return ToLocal(SystemTime{2026, static_cast<uint16_t>(month), 0,
                                                                         static_cast<uint16_t>(day), 12}).dayNumber; }
};

}  // namespace

TEST_F(Report, SplitsSoundAndPositionMasksInTheOrderOfTheBits)
{
    EXPECT_EQ(SoundList(GL_WSZYSTKIE), "SZ, Ż, CZ, DŻ, S, Z, C, DZ, Ś, Ź, Ć, DŹ");
    EXPECT_EQ(SoundList(GL_S | GL_SZ | FL_UZYTE | POZ_NAGLOS), "SZ, S");
    EXPECT_EQ(SoundList(0), "—");
    EXPECT_EQ(PositionList(POZ_NAGLOS | POZ_WYGLOS | GL_S), "nagłos, wygłos");
    EXPECT_EQ(GameName(5), "Taśmociąg");
    EXPECT_EQ(GameName(9), "gra nr 9");
}

TEST_F(Report, CountsEachGameForEverySoundAndPositionItPractised)
{
    const std::vector<StatRecord> records = {
        // Long ago: only in the whole period.
        Game(1, 5, 1, GL_S, POZ_NAGLOS, 8, 2),
        // Two sounds at two positions: counted for each.
        Game(3, 30, 11, GL_S | GL_SZ, POZ_NAGLOS | POZ_WYGLOS, 6, 4, 2),
        Game(3, 30, 11, GL_SZ, POZ_SRODGLOS, 1, 9, 0, 0),
        Game(5, 2, 12, GL_CC, POZ_WYGLOS, 10, 0),
        Game(7, 3, 12, GL_S, POZ_NAGLOS, 1, 1),
    };
    const ProgressSummary s = Summarize(records, Day(7, 12));

    const PeriodSummary& all = s.whole;
    EXPECT_EQ(all.total.games, 5);
    EXPECT_EQ(all.total.correct, 26);
    EXPECT_EQ(all.total.wrong, 16);
    EXPECT_EQ(all.total.hints, 2);
    EXPECT_EQ(all.total.completed, 4);
    EXPECT_EQ(all.perGame[2].games, 2);
    EXPECT_EQ(all.perGame[2].correct, 7);
    EXPECT_EQ(all.unknownGames, 1);
    const auto s_ = static_cast<std::size_t>(4), sz = static_cast<std::size_t>(0);
    EXPECT_EQ(all.perSound[s_].games, 3);
    EXPECT_EQ(all.perSound[s_].correct, 15);
    EXPECT_EQ(all.perSound[sz].games, 2);
    EXPECT_EQ(all.perSound[sz].wrong, 13);
    EXPECT_EQ(all.perPosition[0].games, 3);
    EXPECT_EQ(all.perPosition[2].games, 2);
    EXPECT_EQ(all.soundByPosition[sz][1].correct, 1);
    EXPECT_EQ(all.soundByPosition[sz][2].correct, 6);
    EXPECT_EQ(all.soundByPosition[s_][0].Answers(), 22);
    // Ratings by the summary's rule: 8/2 → 4, 6/4 → 2, 1/9 → 1, 10/0 → 4, 1/1 → 2.
    EXPECT_EQ(all.ratings, (std::array<int, 3>{1, 2, 2}));
    EXPECT_EQ(all.practiceDays, 4);

    // The weekly rows run from the week of the first game to this week, empty
    // weeks included; 30.11 and 2.12 and 3.12 share one week (Monday 30.11).
    EXPECT_EQ(all.weeks.front().start, WeekStart(Day(5, 1)));
    EXPECT_EQ(all.weeks.back().start, Day(7, 12));
    const WeekSummary& week = all.weeks[all.weeks.size() - 2];
    EXPECT_EQ(week.start, Day(30, 11));
    EXPECT_EQ(week.games, 4);
    EXPECT_EQ(week.practiceDays, 3);
    EXPECT_DOUBLE_EQ(week.perSound[sz].Share(), 7.0 / 20.0);
    EXPECT_EQ(all.weeks[1].games, 0);

    // The last 30 days leave out January.
    EXPECT_EQ(s.lastDays.total.games, 4);
    EXPECT_EQ(s.lastDays.perSound[s_].games, 2);
    EXPECT_EQ(s.lastDays.firstDay, Day(7, 12) - 29);
}

TEST_F(Report, DamagedDatesAndCountersNeitherCrashNorShrinkTotals)
{
    StatRecord damaged = Game(2, 40, 13, GL_S, POZ_NAGLOS, -5, 3, -1, 1, -60);
    damaged.StartTime.year = 65535;
    const ProgressSummary s = Summarize({damaged, Game(2, 1, 12, GL_S, POZ_NAGLOS, 4, 0)}, Day(7, 12));
    EXPECT_EQ(s.whole.total.games, 2);
    EXPECT_EQ(s.whole.total.correct, 4);
    EXPECT_EQ(s.whole.total.seconds, 120);
    // The undatable game is on no day: the weekly rows span only the dated one.
    EXPECT_EQ(s.whole.weeks.size(), 2u);
    EXPECT_EQ(s.whole.practiceDays, 1);
    EXPECT_EQ(s.lastDays.total.games, 1);
}

TEST_F(Report, SpreadsheetTableHasExactlyTheseBytes)
{
    const ProgressSummary s = Summarize({Game(1, 30, 11, GL_S | GL_SZ, POZ_NAGLOS | POZ_WYGLOS, 6, 4, 2, 1, 125),
                                         Game(4, 2, 12, GL_DZZZ, POZ_SRODGLOS, 0, 0, 0, 0, 7)},
                                        Day(7, 12));
    EXPECT_EQ(ProgressCsv(s),
              "\xEF\xBB\xBF"
              "Data;Gra;Głoski;Pozycje;Ilość;Czas [s];Czas [min];Podpowiedzi;Poprawne;Błędne;Poprawne [%];"
              "Ukończona;Ocena\r\n"
              "30.11.2026 10:05;Pociąg;SZ, S;nagłos, wygłos;mało;125;2,08;2;6;4;60,0;tak;2\r\n"
              "02.12.2026 10:05;Widlak;DŹ;śródgłos;mało;7;0,12;0;0;0;;nie;1\r\n");
}

TEST_F(Report, PageIsSelfContainedAndSaysWhatIsMissing)
{
    ReportHeading heading{"07.12.2026 10:00", "Ola", "prgst6.stt", {"Ostatni zapis gry jest niepełny."}};
    const std::string empty = ReportPageHtml(SummarizeChild({}, {}, {}, Day(7, 12)), heading);
    EXPECT_NE(empty.find("Nie ma jeszcze żadnej zapisanej gry"), std::string::npos);
    EXPECT_NE(empty.find("Ostatni zapis gry jest niepełny."), std::string::npos);
    EXPECT_NE(empty.find("Raport postępów — Ola"), std::string::npos);
    EXPECT_EQ(empty.find("<svg"), std::string::npos);

    // 200 games of the file alone: shown apart as games from before the
    // journal; everything inline, nothing fetched or run, well under 300 kB.
    std::vector<StatRecord> games;
    for (int i = 0; i < 200; ++i)
        games.push_back(Game(1 + i % 5, 1 + i % 28, 9 + i % 3, static_cast<int16_t>(1 << (i % 12)),
                             static_cast<int16_t>(POZ_NAGLOS << (i % 3)), i % 11, i % 4, i % 3));
    const std::string page = ReportPageHtml(SummarizeChild({}, {}, games, Day(7, 12)), heading);
    EXPECT_LT(page.size(), 300u * 1024u);
    for (const char* absent : {"<script", "http:", "https:", "src="})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
    for (const char* present : {"Gry sprzed dziennika", "200 gier nie ma odpowiedzi", "Mapa z pliku statystyk",
                                "Ostatnie gry", "nagłos", "DŹ", "@media print"})
        EXPECT_NE(page.find(present), std::string::npos) << present;
}

TEST_F(Report, WritesPageAndTableAndLeavesTheStatisticsAlone)
{
    ProgramSandbox box;
    {
        CStatRec stats(6, nullptr);
        CUstGry settings(2, "Przyssawki");
        settings.Gloski = GL_SS;
        settings.Pozycja = POZ_NAGLOS;
        stats.StartGame(settings);
        stats.AddCorrect();
        stats.StopGame();
        ASSERT_TRUE(stats.Save(1));
    }
    const std::string before = box.Dir().Read("prgst6.stt");
    box.Dir().Write("prgst6.stt", before + "xyz");
    box.Dir().Write("dziennik.db", "not a database");
    std::ostringstream out, err;
    const TempDir reportDir;
    const std::filesystem::path outDir = reportDir.Path() / "nowy";
    const ReportRequest::Child child{"Ola", box.Root(), box.Root() / "prgst6.stt", box.Root() / "dziennik.db"};
    EXPECT_EQ(WriteChildReport(child, outDir, std::time(nullptr), out, err), 0);
    EXPECT_EQ(box.Dir().Read("prgst6.stt"), before + "xyz");
    EXPECT_NE(err.str().find("niepełny (3 z 44 bajtów)"), std::string::npos);
    const TempDir& d = reportDir;
    const std::string page = d.Read(std::string("nowy/") + kReportPageName);
    EXPECT_NE(page.find("Przyssawki"), std::string::npos);
    EXPECT_NE(page.find("niepełny"), std::string::npos);
    // A damaged journal is kept, and the page says its answers are missing.
    EXPECT_EQ(box.Dir().Read("dziennik.db.uszkodzony"), "not a database");
    EXPECT_NE(page.find("odłożono jako dziennik.db.uszkodzony"), std::string::npos);
    EXPECT_EQ(d.Read(std::string("nowy/") + kReportCsvName).substr(0, 3), "\xEF\xBB\xBF");

    // An output folder that cannot be made is a failure, said so.
    box.Dir().Write("plik", "x");
    std::ostringstream err2;
    EXPECT_EQ(WriteChildReport(child, box.Root() / "plik" / "raport", std::time(nullptr), out, err2), 1);
    EXPECT_NE(err2.str().find("nie udało się"), std::string::npos);
}
