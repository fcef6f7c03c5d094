#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

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

// 2026-01-05 09:00:00.000, a Monday: the virtual clock's start.
std::string StartOfClock()
{
    return Le(2026, 2) + Le(1, 2) + Le(1, 2) + Le(5, 2) + Le(9, 2) + Le(0, 2) + Le(0, 2) + Le(0, 2);
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

TEST(CStatRec, CreatesTheFileWithItsHeaderOnceAndAppendsRecords)
{
    ProgramSandbox box;
    CUstGry settings(5, "Tasmociag");
    settings.Poziom = 2;
    settings.Gloski = GL_S | GL_CC;
    settings.Pozycja = POZ_NAGLOS | POZ_WYGLOS;
    {
        CStatRec stats(6, nullptr);
        EXPECT_EQ(stats.FileName(), box.Root() / "prgst6.stt");
        const std::string header = box.Dir().Read("prgst6.stt");
        ASSERT_EQ(header.size(), CStatRec::kHeaderSize);
        EXPECT_EQ(header, Le(6, 4) + StartOfClock());

        box.Clock().Sleep(1500);  // the game starts at 09:00:01.500
        stats.StartGame(settings);
        stats.AddHint();
        stats.AddCorrect();
        stats.AddCorrect();
        stats.AddCorrect();
        stats.AddWrong();
        box.Clock().Sleep(125999);
        stats.StopGame();
        EXPECT_EQ(stats.Duration, 125);
        EXPECT_EQ(stats.DurationText(), "2 min 5 s");
        EXPECT_TRUE(stats.Save(1));

        const std::string start =
            Le(2026, 2) + Le(1, 2) + Le(1, 2) + Le(5, 2) + Le(9, 2) + Le(0, 2) + Le(1, 2) + Le(500, 2);
        const std::string expected = Le(5, 4) + start + Le(2, 2) + Le(GL_S | GL_CC, 2) +
                                     Le(POZ_NAGLOS | POZ_WYGLOS, 2) + Le(125, 4) + Le(1, 2) + Le(1, 4) + Le(3, 4) +
                                     Le(1, 4);
        ASSERT_EQ(expected.size(), CStatRec::kRecordSize);
        const std::string file = box.Dir().Read("prgst6.stt");
        ASSERT_EQ(file.size(), 20u + 44u);
        EXPECT_EQ(file.substr(0, 20), header);
        EXPECT_EQ(file.substr(20), expected);

        // A second game in the same run: counters start again, one more record.
        stats.StartGame(settings);
        EXPECT_EQ(stats.Correct, 0);
        EXPECT_EQ(stats.Hints, 0);
        stats.StopGame();
        EXPECT_TRUE(stats.Save(0));
        EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u + 2u * 44u);
    }
    // The next run only appends: the header stays the first run's.
    box.Clock().Sleep(3600000);
    CStatRec again(6, nullptr);
    const std::string file = box.Dir().Read("prgst6.stt");
    EXPECT_EQ(file.size(), 20u + 2u * 44u);
    EXPECT_EQ(file.substr(4, 16), StartOfClock());
}

TEST(CStatRec, AGameLeftAloneForTwoMinutesIsNotSaved)
{
    ProgramSandbox box;
    CUstGry settings(1, "Pociag");
    CStatRec stats(6, nullptr);
    stats.StartGame(settings);
    EXPECT_TRUE(stats.IdleTimer.Enabled());

    // Input keeps the game alive.
    box.Clock().Sleep(119999);
    FireDueTimers();
    EXPECT_TRUE(stats.Active);
    stats.Touch();
    box.Clock().Sleep(100000);
    FireDueTimers();
    EXPECT_TRUE(stats.Active);

    box.Clock().Sleep(20000);
    EXPECT_EQ(FireDueTimers(), 1);
    EXPECT_FALSE(stats.Active);
    EXPECT_FALSE(stats.IdleTimer.Enabled());

    stats.Touch();  // too late: the game stays abandoned
    EXPECT_FALSE(stats.IdleTimer.Enabled());
    stats.AddCorrect();
    stats.AddWrong();
    stats.StopGame();
    EXPECT_FALSE(stats.Save(1));
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u);
    // The summary still shows what happened.
    EXPECT_EQ(stats.CorrectText(), "1");
    EXPECT_EQ(stats.WrongText(), "1");
    EXPECT_EQ(stats.HintsText(), "0");

    // A new game is active again.
    stats.StartGame(settings);
    stats.StopGame();
    EXPECT_TRUE(stats.Save(1));
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u + 44u);
}

TEST(CStatRec, NothingIsSavedBeforeTheFirstGame)
{
    ProgramSandbox box;
    CStatRec stats(6, nullptr);
    EXPECT_FALSE(stats.Active);
    EXPECT_FALSE(stats.IdleTimer.Enabled());
    stats.Touch();
    EXPECT_FALSE(stats.IdleTimer.Enabled());
    EXPECT_FALSE(stats.Save(1));
    EXPECT_EQ(box.Dir().Read("prgst6.stt").size(), 20u);
}

TEST(CStatRec, RatingFollowsTheExactDoubleBoundaries)
{
    EXPECT_EQ(RatingOf(0, 0), 1);
    EXPECT_EQ(RatingOf(5, 2), 4);
    EXPECT_EQ(RatingOf(5, 4), 2);
    EXPECT_EQ(RatingOf(2, 5), 1);   // 2 is below the double 0.4 x 5
    EXPECT_EQ(RatingOf(10, 6), 2);  // 6 is above the double 0.6 x 10
    EXPECT_EQ(RatingOf(3, 0), 4);
    EXPECT_EQ(RatingOf(0, 3), 1);
    EXPECT_EQ(RatingOf(5, 3), 2);   // 3 > 0.6 x 5 (a hair below 3)
    EXPECT_EQ(RatingOf(4, 10), 1);  // 4 <= 0.4 x 10 (a hair above 4)
    EXPECT_EQ(RatingOf(5, 12), 2);  // 5 > 4.8
}

TEST(CStatRec, DurationIsWholeSecondsOfUniversalTime)
{
    ProgramSandbox box;
    CUstGry settings(2, "Przyssawki");
    CStatRec stats(6, nullptr);
    stats.StartGame(settings);
    stats.StopGame();
    EXPECT_EQ(stats.DurationText(), "0 min 0 s");
    stats.StartGame(settings);
    box.Clock().Sleep(65999);
    stats.StopGame();
    EXPECT_EQ(stats.DurationSeconds(), 65);
    EXPECT_EQ(stats.DurationText(), "1 min 5 s");
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
    const bool saved = stats.Save(1);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(fs::file_size(box.Root() / "prgst6.stt"), 20u + 44u);

    // The file gone since start-up: no record, and no file without a header.
    fs::remove(box.Root() / "prgst6.stt");
    EXPECT_FALSE(stats.Save(1));
    EXPECT_FALSE(fs::exists(box.Root() / "prgst6.stt"));
}
