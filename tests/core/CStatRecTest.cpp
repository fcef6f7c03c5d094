// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <vector>

#include <sys/resource.h>

#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::string Le(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// Year, month, weekday, day, hour, minute, second, millisecond (the clock starts on Monday 2026-01-05 09:00).
std::string Time(int second, int millisecond)
{
    return Le(2026, 2) + Le(1, 2) + Le(1, 2) + Le(5, 2) + Le(9, 2) + Le(0, 2) + Le(second, 2) + Le(millisecond, 2);
}

int16_t RatingOf(int correct, int wrong)
{
    ProgramSandbox box;
    CStatRec stats(6, nullptr);
    stats.Correct = correct;
    stats.Wrong = wrong;
    return stats.Rating();
}

}  // namespace

TEST(CStatRec, CreatesTheFileWithItsHeaderOnceAndAppendsOneRecordPerGame)
{
    ProgramSandbox box;
    CUstGry settings(5, "Tasmociag");
    settings.Poziom = 2;
    settings.Gloski = GL_S | GL_CC;
    settings.Pozycja = POZ_NAGLOS | POZ_WYGLOS;
    const std::string header = Le(6, 4) + Time(0, 0);
    {
        CStatRec stats(6, nullptr);
        EXPECT_EQ(box.Dir().Read("prgst6.stt"), header);

        box.Clock().Sleep(1500);
        stats.StartGame(settings);
        stats.AddHint();
        for (int i = 0; i < 3; ++i)
            stats.AddCorrect();
        stats.AddWrong();
        box.Clock().Sleep(125999);
        stats.StopGame();
        EXPECT_EQ(stats.DurationText(), "2 min 5 s");
        EXPECT_TRUE(stats.Save(1));
        const std::string record = Le(5, 4) + Time(1, 500) + Le(2, 2) + Le(GL_S | GL_CC, 2) +
                                   Le(POZ_NAGLOS | POZ_WYGLOS, 2) + Le(125, 4) + Le(1, 2) + Le(1, 4) + Le(3, 4) +
                                   Le(1, 4);
        ASSERT_EQ(record.size(), 44u);
        EXPECT_EQ(box.Dir().Read("prgst6.stt"), header + record);

        // Another game: the counters start again.
        stats.StartGame(settings);
        EXPECT_EQ(stats.Correct + stats.Hints, 0);
        stats.StopGame();
        EXPECT_EQ(stats.DurationText(), "0 min 0 s");
        EXPECT_TRUE(stats.Save(0));
        EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u + 2u * 44u);
    }
    // The next run only appends: the header stays the first run's.
    box.Clock().Sleep(3600000);
    CStatRec again(6, nullptr);
    EXPECT_EQ(box.Dir().Read("prgst6.stt").substr(0, 20), header);
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u + 2u * 44u);
}

TEST(CStatRec, AGameLeftAloneForTwoMinutesIsNotSaved)
{
    ProgramSandbox box;
    CUstGry settings(1, "Pociag");
    CStatRec stats(6, nullptr);
    // Before the first game nothing is watched and nothing saved.
    stats.Touch();
    EXPECT_FALSE(stats.IdleTimer.Enabled());
    EXPECT_FALSE(stats.Save(1));

    stats.StartGame(settings);
    box.Clock().Sleep(119999);
    FireDueTimers();
    stats.Touch();  // input keeps the game alive
    box.Clock().Sleep(100000);
    FireDueTimers();
    EXPECT_TRUE(stats.Active);
    box.Clock().Sleep(20000);
    EXPECT_EQ(FireDueTimers(), 1);
    EXPECT_FALSE(stats.Active);
    EXPECT_FALSE(stats.IdleTimer.Enabled());

    stats.Touch();  // too late: the game stays abandoned
    stats.AddCorrect();
    stats.StopGame();
    EXPECT_FALSE(stats.Save(1));
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u);
    EXPECT_EQ(stats.CorrectText(), "1");  // the summary still shows it

    stats.StartGame(settings);
    stats.StopGame();
    EXPECT_TRUE(stats.Save(1));
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u + 44u);
}

TEST(CStatRec, RatingFollowsTheExactDoubleBoundaries)
{
    EXPECT_EQ(RatingOf(0, 0), 1);
    EXPECT_EQ(RatingOf(5, 2), 4);
    EXPECT_EQ(RatingOf(5, 4), 2);
    EXPECT_EQ(RatingOf(2, 5), 1);   // 2 is below the double 0.4 x 5
    EXPECT_EQ(RatingOf(10, 6), 2);  // 6 is above the double 0.6 x 10
    EXPECT_EQ(RatingOf(5, 3), 2);   // 3 is above the double 0.6 x 5
    EXPECT_EQ(RatingOf(4, 10), 1);  // 4 is below the double 0.4 x 10
    EXPECT_EQ(RatingOf(3, 0), 4);
}

TEST(CStatRec, AFileThatCannotBeCreatedStopsTheProgramWithCode3)
{
    ProgramSandbox box;
    fs::create_directories(box.Root() / "prgst6.stt");  // in the way
    try {
        CStatRec stats(6, nullptr);
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 3);
    }
}

TEST(CStatRec, AFailedWriteLeavesNoPartOfTheRecord)
{
    ProgramSandbox box;
    CUstGry settings(1, "Pociag");
    CStatRec stats(6, nullptr);
    stats.StartGame(settings);
    stats.StopGame();
    ASSERT_TRUE(stats.Save(1));

    // Let the file grow by only ten more bytes: the next record is cut short.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 20 + 44 + 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::vector<FileProblem> told;
    stats.OnSaveFailed = [&told](FileProblem p) { told.push_back(p); };
    const bool saved = stats.Save(1);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(fs::file_size(box.Root() / "prgst6.stt"), 20u + 44u);
    // The failure is told, with its cause: the file may not grow.
    EXPECT_EQ(told, std::vector<FileProblem>{FileProblem::DiskFull});
    EXPECT_EQ(stats.SaveProblem(), FileProblem::DiskFull);

    // The file gone since start-up: no record, and no file without a header.
    fs::remove(box.Root() / "prgst6.stt");
    EXPECT_FALSE(stats.Save(1));
    EXPECT_FALSE(fs::exists(box.Root() / "prgst6.stt"));
}

TEST(CStatRec, AFileOfTheWrongLengthIsMadeWholeAtStartKeepingItsCopyAndEveryWholeRecord)
{
    ProgramSandbox box;
    CUstGry settings(2, "Przyssawki");
    const std::string header = Le(6, 4) + Time(0, 0);
    auto playOneGame = [&] {
        CStatRec stats(6, nullptr);
        stats.StartGame(settings);
        stats.AddCorrect();
        stats.StopGame();
        EXPECT_TRUE(stats.Save(1));
    };
    playOneGame();
    playOneGame();
    const std::string twoGames = box.Dir().Read("prgst6.stt");
    ASSERT_EQ(twoGames.size(), 20u + 2u * 44u);

    struct Case {
        std::string contents;
        std::string kept;  // what stays of it before the new game's record
    };
    const Case cases[] = {
        {"", header},                                      // an empty file: the header first
        {twoGames + std::string(10, '\x7f'), twoGames},     // cut inside a third record
        {twoGames.substr(0, 20 + 44 + 30), twoGames.substr(0, 20 + 44)},
        {twoGames.substr(0, 7), header},                   // cut inside the header
        {Le(5, 4) + twoGames.substr(4), header},           // another program's file
    };
    for (const Case& c : cases) {
        fs::remove_all(box.Root());
        fs::create_directories(box.Root());
        box.Dir().Write("prgst6.stt", c.contents);
        playOneGame();
        const std::string now = box.Dir().Read("prgst6.stt");
        ASSERT_EQ(now.size(), c.kept.size() + 44u) << c.contents.size();
        EXPECT_EQ(now.substr(0, c.kept.size()), c.kept);
        EXPECT_EQ(now.substr(c.kept.size(), 4), Le(2, 4)) << "the new record starts at a record's place";
        // A damaged file is kept beside as it was; an empty one has nothing to keep.
        if (c.contents.empty())
            EXPECT_FALSE(fs::exists(box.Root() / "prgst6.stt.uszkodzony"));
        else
            EXPECT_EQ(box.Dir().Read("prgst6.stt.uszkodzony"), c.contents);
    }
}

TEST(CStatRec, NeverWritesThroughALinkToAFileOutsideTheProgramsFolder)
{
    ProgramSandbox box;
    TempDir elsewhere;
    const std::string foreign = Le(6, 4) + Time(0, 0) + "someone else's";
    elsewhere.Write("their.stt", foreign);
    fs::create_symlink(elsewhere.Path() / "their.stt", box.Root() / "prgst6.stt");
    CUstGry settings(1, "Pociag");
    CStatRec stats(6, nullptr);
    stats.StartGame(settings);
    stats.StopGame();
    EXPECT_TRUE(stats.Save(1));
    EXPECT_EQ(elsewhere.Read("their.stt"), foreign);
    EXPECT_FALSE(fs::is_symlink(box.Root() / "prgst6.stt"));
}
