// "szeptaczki raport" as a therapist runs it, on three months of games, with
// the page opened in a real browser (headless Chromium).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/SoundCodes.h"
#include "core/StatisticsFile.h"
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

// 200 games over the last three months: a child who plays on five days a
// week, finds SZ and Ż hardest, and gets better as the weeks go by.
std::string ThreeMonthsOfGames()
{
    const std::time_t now = std::time(nullptr);
    std::string file = EncodeStatHeader(6, UtcOf(now - 92 * 86400));
    const int16_t soundSets[] = {GL_S, GL_SZ, GL_S | GL_SZ, GL_C, GL_SS | GL_ZZ, GL_CZ, GL_Z | GL_DZ, GL_ZRZ};
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 200; ++i) {
        // Five days of seven: every week has two days without a game.
        const int practiceDay = i * 65 / 200;
        const int daysAgo = 91 - (practiceDay / 5 * 7 + practiceDay % 5);
        StatRecord r;
        r.GameId = 1 + static_cast<int32_t>(next(5));
        r.StartTime = UtcOf(now - daysAgo * 86400 - 3600 * static_cast<int>(next(5)));
        r.Poziom = static_cast<int16_t>(1 + next(3));
        r.Gloski = soundSets[next(8)];
        r.Pozycja = static_cast<int16_t>(POZ_NAGLOS << next(3)) | (next(3) == 0 ? POZ_WYGLOS : 0);
        const int answers = 10 + static_cast<int>(next(20));
        // Percent, rising over the months, lower for the hardest sounds.
        const int skill = 50 + i / 5 - ((r.Gloski & (GL_SZ | GL_ZRZ)) ? 20 : 0);
        r.Correct = answers * skill / 100;
        r.Wrong = answers - r.Correct;
        r.Hints = static_cast<int32_t>(next(4));
        r.Duration = 60 + static_cast<int32_t>(next(400));
        r.Completed = next(6) != 0;
        file += EncodeStatRecord(r);
    }
    return file;
}

std::string PercentEncoded(const std::string& path)
{
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(ProgressReportRun, ThreeMonthsOfGamesMakeAPageTheBrowserShows)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root;
    TempDir out;
    root.Write("prgst6.stt", ThreeMonthsOfGames() + std::string(10, '\0'));
    const ProgramResult r =
        RunProgram("raport --root '" + root.Path().string() + "' --out '" + out.Path().string() + "'", out.Path());
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(r.errors.find("niepełny (10 z 44 bajtów)"), std::string::npos) << r.errors;

    const fs::path page = out.Path() / kReportPageName;
    ASSERT_TRUE(fs::exists(page));
    EXPECT_LT(fs::file_size(page), 300u * 1024u);
    const std::string csv = ReadAll(out.Path() / kReportCsvName);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 201);

    // Without --out the report lands beside the statistics.
    ASSERT_EQ(RunProgram("raport --root '" + root.Path().string() + "'", out.Path()).status, 0);
    EXPECT_TRUE(fs::exists(root.Path() / kReportPageName));

    if (std::system("command -v chromium >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it)";
    const char* shotsDir = std::getenv("SZ_SHOTS_DIR");
    const fs::path shot = (shotsDir ? fs::path(shotsDir) : out.Path()) / "raport.png";
    const fs::path log = out.Path() / "chromium.txt";
    const std::string url = "file://" + PercentEncoded(page.string());
    const std::string browser = "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                                "--no-first-run --user-data-dir='" + (out.Path() / "profile").string() +
                                "' --enable-logging=stderr --v=0 --window-size=1000,4200 ";
    const std::string shotCommand =
        browser + "--screenshot='" + shot.string() + "' '" + url + "' >'" + log.string() + "' 2>&1";
    ASSERT_EQ(std::system(shotCommand.c_str()), 0) << ReadAll(log);
    ASSERT_TRUE(fs::exists(shot));
    EXPECT_GT(fs::file_size(shot), 20000u);
    const std::string messages = ReadAll(log);
    for (const char* bad : {"CONSOLE", "Uncaught", "Failed to load", "ERR_FILE_NOT_FOUND"})
        EXPECT_EQ(messages.find(bad), std::string::npos) << bad << "\n" << messages;

    // The browser built the page the writer meant: every section is in its DOM.
    const fs::path dom = out.Path() / "dom.html";
    const std::string domCommand = browser + "--dump-dom '" + url + "' >'" + dom.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(domCommand.c_str()), 0);
    const std::string tree = ReadAll(dom);
    for (const char* section : {"Ostatnie 30 dni", "Cały okres", "Mapa: odsetek", "Ostatnie gry", "<svg"})
        EXPECT_NE(tree.find(section), std::string::npos) << section;
}
