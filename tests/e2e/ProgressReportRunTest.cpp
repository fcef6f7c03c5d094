// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "szeptaczki raport" as a therapist runs it on three months of a child's
// practice (the statistics file and the journal of answers), with the page
// opened in a real browser (headless Chromium) and printed to A4.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/AnswerJournal.h"
#include "core/SoundCodes.h"
#include "core/StatisticsFile.h"
#include "journal/Journal.h"
#include "report/OverviewPage.h"
#include "report/ProgressReport.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

SystemTime UtcOf(std::time_t t)
{
    std::tm tm{};
    gmtime_r(&t, &tm);
    return SystemTime{static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint16_t>(tm.tm_mon + 1),
                      static_cast<uint16_t>(tm.tm_wday), static_cast<uint16_t>(tm.tm_mday),
                      static_cast<uint16_t>(tm.tm_hour), static_cast<uint16_t>(tm.tm_min),
                      static_cast<uint16_t>(tm.tm_sec), 0};
}

struct Word {
    const char* text;
    int32_t sound;
    int32_t position;
};

const Word kWords[] = {
    {"szafa", GL_SZ, POZ_NAGLOS}, {"kasza", GL_SZ, POZ_SRODGLOS}, {"kosz", GL_SZ, POZ_WYGLOS},
    {"żaba", GL_ZRZ, POZ_NAGLOS}, {"róża", GL_ZRZ, POZ_SRODGLOS}, {"jeż", GL_ZRZ, POZ_WYGLOS},
    {"sowa", GL_S, POZ_NAGLOS},   {"osa", GL_S, POZ_SRODGLOS},    {"nos", GL_S, POZ_WYGLOS},
    {"cebula", GL_C, POZ_NAGLOS}, {"owca", GL_C, POZ_SRODGLOS},   {"palec", GL_C, POZ_WYGLOS},
    {"czapka", GL_CZ, POZ_NAGLOS}, {"beczka", GL_CZ, POZ_SRODGLOS}, {"miecz", GL_CZ, POZ_WYGLOS},
    {"śliwka", GL_SS, POZ_NAGLOS}, {"źrebak", GL_ZZ, POZ_NAGLOS}, {"zebra", GL_Z, POZ_NAGLOS},
    {"koza", GL_Z, POZ_SRODGLOS}, {"dzwon", GL_DZ, POZ_NAGLOS},
};

// 200 games over the last three months, five days a week: a child who finds
// SZ and Ż hardest ("kosz" and "jeż" above all) and gets better week by
// week; one game in six stopped early. The first 40 games were played before
// the journal existed; the therapist wrote a few notes.
void WriteThreeMonths(const fs::path& dir)
{
    const std::time_t now = std::time(nullptr);
    std::string stats = EncodeStatHeader(6, UtcOf(now - 92 * 86400));
    Journal journal;
    ASSERT_TRUE(journal.Open(dir / Journal::kFileName)) << journal.Problem();
    const int16_t soundSets[] = {GL_S, GL_SZ, GL_S | GL_SZ, GL_C, GL_SS | GL_ZZ, GL_CZ, GL_Z | GL_DZ, GL_ZRZ};
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 200; ++i) {
        const int practiceDay = i * 65 / 200;
        const int daysAgo = 91 - (practiceDay / 5 * 7 + practiceDay % 5);
        const std::time_t start = now - daysAgo * 86400 - 3600 * static_cast<int>(next(5)) - 60 * i;
        StatRecord r;
        r.GameId = 1 + static_cast<int32_t>(next(5));
        r.StartTime = UtcOf(start);
        r.Poziom = static_cast<int16_t>(1 + next(3));
        r.Gloski = soundSets[next(8)];
        r.Pozycja = static_cast<int16_t>(POZ_NAGLOS << next(3)) | (next(3) == 0 ? POZ_WYGLOS : 0);
        r.Completed = next(6) != 0;
        const int answers = 10 + static_cast<int>(next(15));
        std::vector<const Word*> fitting;
        for (const Word& w : kWords)
            if ((r.Gloski & w.sound) && (r.Pozycja & w.position))
                fitting.push_back(&w);
        for (const Word& w : kWords)
            if (fitting.empty() && (r.Gloski & w.sound))
                fitting.push_back(&w);
        int64_t at = JournalTimeOf(r.StartTime);
        for (int k = 0; k < answers + (r.Completed ? 0 : 3); ++k) {
            const Word& w = *fitting[next(static_cast<uint32_t>(fitting.size()))];
            int skill = 55 + i / 5 - ((w.sound & (GL_SZ | GL_ZRZ)) ? 20 : 0);
            if (std::string(w.text) == "kosz" || std::string(w.text) == "jeż")
                skill -= 25;
            AnswerOutcome outcome = static_cast<int>(next(100)) < skill ? AnswerOutcome::Right : AnswerOutcome::Wrong;
            if (k >= answers)
                outcome = AnswerOutcome::UnsolvedAtStop;
            else if (next(12) == 0)
                outcome = AnswerOutcome::Hint;
            r.Correct += outcome == AnswerOutcome::Right;
            r.Wrong += outcome == AnswerOutcome::Wrong || outcome == AnswerOutcome::UnsolvedAtStop;
            r.Hints += outcome == AnswerOutcome::Hint;
            at += 4000 + next(9000);
            if (i >= 40)
                journal.Record({at, JournalTimeOf(r.StartTime), r.GameId, w.text, w.text, w.sound, w.position, outcome,
                                static_cast<int32_t>(4000)});
        }
        r.Duration = static_cast<int32_t>((at - JournalTimeOf(r.StartTime)) / 1000);
        stats += EncodeStatRecord(r);
        if (i % 37 == 5) {
            char day[16];
            std::tm tm{};
            localtime_r(&start, &tm);
            std::strftime(day, sizeof day, "%Y-%m-%d", &tm);
            journal.AddNote({day, 0, i == 5 ? "Pierwsze zajęcia; dziecko nieśmiałe, ale chętne."
                                            : "Ćwiczyliśmy SZ w wygłosie: „kosz”, „mysz” nadal trudne."});
        }
    }
    std::ofstream(dir / "prgst6.stt", std::ios::binary) << stats;
}

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool Have(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Columns of a printed page (a greyscale PGM file) right of x that hold ink.
int InkedColumnsFrom(const fs::path& pgm, double fromShare)
{
    std::ifstream in(pgm, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, most = 0;
    in >> magic >> w >> h >> most;
    in.get();
    std::string pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), '\0');
    in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    int inked = 0;
    for (int x = static_cast<int>(w * fromShare); x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * w + x]) < 200) {
                ++inked;
                break;
            }
    return inked;
}

}  // namespace

TEST(ProgressReportRun, ThreeMonthsOfAChildsPracticeMakeAPageTheBrowserShowsAndPrints)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root;
    TempDir out;
    const fs::path child = root.Path() / "Ola";
    fs::create_directories(child);
    WriteThreeMonths(child);
    ASSERT_FALSE(HasFailure());
    const ProgramResult r = RunProgram("raport --root '" + child.string() + "' --out '" + out.Path().string() +
                                           "' --notatka 'Notatka z wiersza poleceń'",
                                       out.Path());
    ASSERT_EQ(r.status, 0) << r.errors;
    const fs::path page = out.Path() / kReportPageName;
    ASSERT_TRUE(fs::exists(page));
    EXPECT_LT(fs::file_size(page), 300u * 1024u);
    const std::string html = ReadAll(page);
    for (const char* text : {"Raport postępów — Ola", "Notatka z wiersza poleceń", "40 gier nie ma odpowiedzi",
                             "Najtrudniejsze słowa", "Postęp tygodniowy"})
        EXPECT_NE(html.find(text), std::string::npos) << text;
    // The hardest words of the child lead the table.
    const std::size_t table = html.find("Najtrudniejsze słowa");
    EXPECT_LT(html.find(">kosz<", table), html.find(">sowa<", table));

    if (!Have("chromium"))
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it)";
    const char* shotsDir = std::getenv("SZ_SHOTS_DIR");
    const fs::path keep = shotsDir ? fs::path(shotsDir) : out.Path();
    const fs::path log = out.Path() / "chromium.txt";
    const std::string url = "file://" + UrlPath(page.string());
    const std::string browser = "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                                "--no-first-run --user-data-dir='" + (out.Path() / "profile").string() +
                                "' --enable-logging=stderr --v=0 ";
    const fs::path pdf = keep / "raport.pdf";
    const std::string print = browser + "--no-pdf-header-footer --print-to-pdf='" + pdf.string() + "' '" + url +
                              "' >'" + log.string() + "' 2>&1";
    ASSERT_EQ(std::system(print.c_str()), 0) << ReadAll(log);
    ASSERT_TRUE(fs::exists(pdf));
    const std::string messages = ReadAll(log);
    for (const char* bad : {"CONSOLE", "Uncaught", "Failed to load", "ERR_FILE_NOT_FOUND"})
        EXPECT_EQ(messages.find(bad), std::string::npos) << bad << "\n" << messages;

    if (!Have("pdftoppm") || !Have("pdftotext"))
        GTEST_SKIP() << "poppler-utils is not installed (scripts/setup.sh installs it)";
    // The first page holds the summary and its map; every page keeps its
    // ink inside the page's right margin (no table runs off the paper).
    const fs::path firstPage = out.Path() / "first.txt";
    ASSERT_EQ(std::system(("pdftotext -f 1 -l 1 -layout '" + pdf.string() + "' '" + firstPage.string() + "'").c_str()),
              0);
    const std::string first = ReadAll(firstPage);
    for (const char* text : {"Raport postępów — Ola", "Podsumowanie", "Ostatnie 30 dni", "Mapa"})
        EXPECT_NE(first.find(text), std::string::npos) << text << "\n" << first;
    ASSERT_EQ(std::system(("pdftoppm -gray -r 40 '" + pdf.string() + "' '" + (keep / "strona").string() + "'").c_str()),
              0);
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(keep))
        if (entry.path().extension() == ".pgm") {
            ++pages;
            // 14 mm of 210: the right margin begins at 93.3 % of the width.
            EXPECT_EQ(InkedColumnsFrom(entry.path(), 0.94), 0) << entry.path().filename();
        }
    EXPECT_GE(pages, 4);
}
