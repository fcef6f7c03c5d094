// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "tests/TestSupport.h"

TEST(SystemTimeTicks, ConvertBothWaysAndKnowTheWeekday)
{
    const SystemTime t{2026, 12, 0, 7, 8, 6, 21, 345};
    const SystemTime back = TicksToSystemTime(SystemTimeToTicks(t));
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 7);
    EXPECT_EQ(back.dayOfWeek, 1);  // a Monday
    EXPECT_EQ(back.hour, 8);
    EXPECT_EQ(back.minute, 6);
    EXPECT_EQ(back.second, 21);
    EXPECT_EQ(back.milliseconds, 345);
    EXPECT_EQ(SystemTimeToTicks({1601, 1, 1, 1, 0, 0, 0, 0}), 0);
}

TEST(VirtualClock, MovesOnlyWhenTheProgramSleeps)
{
    ProgramSandbox box;
    const int64_t start = TheClock().Milliseconds();
    TheClock().Sleep(120000);
    EXPECT_EQ(TheClock().Milliseconds() - start, 120000);
    EXPECT_EQ(TheClock().UniversalTime().minute, 2);
}

TEST(Timer, FiresPeriodicallyBetweenEventsAndInterleavesWithOthers)
{
    ProgramSandbox box;
    std::vector<char> log;
    Timer fast([&] { log.push_back('f'); }, 50, true);
    Timer slow([&] { log.push_back('s'); }, 120, true);
    for (int ms = 0; ms < 250; ms += 10) {
        box.Clock().Sleep(10);
        FireDueTimers();
    }
    EXPECT_EQ(std::string(log.begin(), log.end()), "ffsffsf");
}

TEST(Timer, MissedPeriodsFireOnceAndHandlersMayDisableThemselves)
{
    ProgramSandbox box;
    int count = 0;
    Timer once(nullptr, 100, true);
    once.OnTimer = [&] { ++count; once.SetEnabled(false); };
    box.Clock().Sleep(1000);
    EXPECT_EQ(FireDueTimers(), 1);
    EXPECT_EQ(FireDueTimers(), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(MillisecondsToNextTimer(), -1);
}

TEST(Timer, DeletedByAnotherHandlerInTheSameRoundDoesNotFire)
{
    ProgramSandbox box;
    auto victim = std::make_unique<Timer>([] { FAIL() << "deleted timer fired"; }, 100, false);
    Timer killer([&] { victim.reset(); }, 100, true);
    victim->SetEnabled(true);
    box.Clock().Sleep(100);
    EXPECT_EQ(FireDueTimers(), 1);
}

TEST(Random, IsRepeatableForASeedAndStaysInRange)
{
    SeedRandom(42);
    std::vector<int> first;
    for (int i = 0; i < 100; ++i)
        first.push_back(RandomInt(10));
    SeedRandom(42);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(RandomInt(10), first[i]);
    int seen[10] = {};
    for (int i = 0; i < 10000; ++i) {
        const int r = RandomInt(10);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 10);
        ++seen[r];
        const int r15 = Random15();
        ASSERT_GE(r15, 0);
        ASSERT_LE(r15, 32767);
        ASSERT_GE(Random31(), 0);
    }
    for (int n : seen)
        EXPECT_GT(n, 800);
    EXPECT_EQ(RandomInt(0), 0);
    EXPECT_EQ(RandomInt(-5), 0);
}
