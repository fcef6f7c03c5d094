// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics file back, on files the program's own writer made.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "core/StatisticsFile.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

bool Has(const StatisticsFile& f, StatFileProblem::Kind kind, int64_t detail)
{
    for (const StatFileProblem& p : f.Problems)
        if (p.kind == kind && p.detail == detail)
            return true;
    return false;
}

}  // namespace

TEST(StatisticsFile, ReadsBackEveryGameTheProgramSavedAndSkipsAPartialLastRecord)
{
    ProgramSandbox box;
    CStatRec stats(6, nullptr);
    // One game of each kind, each with its own settings and counters.
    for (int32_t game = 1; game <= 5; ++game) {
        CUstGry settings(game, "Gra");
        settings.Poziom = static_cast<int16_t>(1 + game % 3);
        settings.Gloski = static_cast<int16_t>(GL_S << (game - 1));
        settings.Pozycja = POZ_NAGLOS | (game % 2 ? POZ_WYGLOS : 0);
        box.Clock().Sleep(86400000);
        stats.StartGame(settings);
        for (int i = 0; i < game; ++i)
            stats.AddCorrect();
        for (int i = 0; i < 5 - game; ++i)
            stats.AddWrong();
        stats.AddHint();
        box.Clock().Sleep(60000 * game);
        stats.StopGame();
        ASSERT_TRUE(stats.Save(static_cast<uint8_t>(game % 2)));
    }
    // A program that died in the middle of a write would leave a short tail.
    const fs::path file = box.Root() / "prgst6.stt";
    const std::string whole = box.Dir().Read("prgst6.stt");
    box.Dir().Write("prgst6.stt", whole + std::string(17, '\x01'));

    const StatisticsFile read = ReadStatisticsFile(file, 6);
    EXPECT_TRUE(read.Found);
    EXPECT_TRUE(read.HeaderRead);
    EXPECT_EQ(read.ProgramNumber, 6);
    EXPECT_EQ(read.Created.year, 2026);
    ASSERT_EQ(read.Records.size(), 5u);
    EXPECT_TRUE(Has(read, StatFileProblem::PartialRecord, 17));
    EXPECT_EQ(read.Problems.size(), 1u);
    for (int32_t game = 1; game <= 5; ++game) {
        const StatRecord& r = read.Records[static_cast<std::size_t>(game - 1)];
        EXPECT_EQ(r.GameId, game);
        EXPECT_EQ(r.StartTime.day, 5 + game);
        EXPECT_EQ(r.Poziom, 1 + game % 3);
        EXPECT_EQ(r.Gloski, GL_S << (game - 1));
        EXPECT_EQ(r.Pozycja, POZ_NAGLOS | (game % 2 ? POZ_WYGLOS : 0));
        EXPECT_EQ(r.Duration, 60 * game);
        EXPECT_EQ(r.Completed, game % 2);
        EXPECT_EQ(r.Hints, 1);
        EXPECT_EQ(r.Correct, game);
        EXPECT_EQ(r.Wrong, 5 - game);
        // The encoder writes what the reader reads, byte for byte.
        EXPECT_EQ(EncodeStatRecord(r), whole.substr(20 + 44 * static_cast<std::size_t>(game - 1), 44));
    }
    // Reading never changes the file.
    EXPECT_EQ(box.Dir().Read("prgst6.stt"), whole + std::string(17, '\x01'));
}

TEST(StatisticsFile, ReportsWhatIsWrongAndUsesWhatCanBeRead)
{
    TempDir dir;
    const fs::path file = dir.Path() / "prgst6.stt";

    StatisticsFile missing = ReadStatisticsFile(file, 6);
    EXPECT_FALSE(missing.Found);
    EXPECT_TRUE(Has(missing, StatFileProblem::Missing, 0));

    dir.Write("prgst6.stt", "");
    EXPECT_TRUE(Has(ReadStatisticsFile(file, 6), StatFileProblem::Empty, 0));

    dir.Write("prgst6.stt", std::string(7, '\0'));
    const StatisticsFile shortHeader = ReadStatisticsFile(file, 6);
    EXPECT_TRUE(Has(shortHeader, StatFileProblem::ShortHeader, 7));
    EXPECT_FALSE(shortHeader.HeaderRead);

    // Another program's file: reported, and its records are still read.
    StatRecord r;
    r.GameId = 2;
    r.Correct = 9;
    dir.Write("prgst6.stt", EncodeStatHeader(5, SystemTime{2025, 3, 1, 2}) + EncodeStatRecord(r));
    const StatisticsFile other = ReadStatisticsFile(file, 6);
    EXPECT_TRUE(Has(other, StatFileProblem::OtherProgram, 5));
    ASSERT_EQ(other.Records.size(), 1u);
    EXPECT_EQ(other.Records[0].Correct, 9);

    // A folder where the file should be is unreadable, not a crash.
    fs::create_directories(dir.Path() / "folder.stt");
    EXPECT_TRUE(Has(ReadStatisticsFile(dir.Path() / "folder.stt", 6), StatFileProblem::Unreadable, 0));
}
