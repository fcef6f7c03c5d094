// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing (CSynchLoop) and the braking curves (Chamowanie).
#include <gtest/gtest.h>

#include <memory>

#include "graphics/CSynchLoop.h"
#include "graphics/Chamowanie.h"
#include "platform/Clock.h"
#include "tests/TestSupport.h"

namespace {

// A real-style clock (not virtual) whose counter runs in microseconds from a
// large start value; every reading costs 50 us and a sleep moves it on.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(int64_t frequency) : frequency_(frequency) {}
    SystemTime UniversalTime() override { return {}; }
    int64_t Milliseconds() override { return Counter() / 1000; }
    int64_t Counter() override { return now_ += 50; }
    int64_t CounterFrequency() override { return frequency_; }
    void Sleep(int ms) override
    {
        ++sleeps;
        now_ += static_cast<int64_t>(ms) * 1000;
    }
    bool IsVirtual() const override { return false; }

    int64_t Peek() const { return now_; }
    void Pass(int64_t us) { now_ += us; }
    int sleeps = 0;

private:
    int64_t frequency_;
    int64_t now_ = 5'000'000'000;
};

class InstalledClock {
public:
    explicit InstalledClock(std::unique_ptr<Clock> clock) : previous_(InstallClock(std::move(clock))) {}
    ~InstalledClock() { InstallClock(std::move(previous_)); }

private:
    std::unique_ptr<Clock> previous_;
};

}  // namespace

TEST(CSynchLoop, CounterFramesArePacedFromTheRealEndOfThePreviousFrame)
{
    auto owned = std::make_unique<SteppingClock>(1'000'000);
    SteppingClock& clock = *owned;
    InstalledClock installed(std::move(owned));

    CSynchLoop loop(40);
    int64_t before = clock.Peek();
    loop.WaitFrame();  // the first frame returns at once
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_LT(clock.Peek() - before, 1000);

    const int64_t firstEnd = clock.Peek();
    loop.WaitFrame();
    EXPECT_GE(clock.Peek() - firstEnd, 40'000);
    EXPECT_LT(clock.Peek() - firstEnd, 41'000);
    EXPECT_EQ(clock.sleeps, 1);  // one sleep to the deadline, no spinning

    // A late frame is not made up for: the next one waits a whole period from now.
    clock.Pass(100'000);
    clock.sleeps = 0;
    before = clock.Peek();
    loop.WaitFrame();
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_LT(clock.Peek() - before, 1000);
    const int64_t lateEnd = clock.Peek();
    loop.WaitFrame();
    EXPECT_GE(clock.Peek() - lateEnd, 40'000);
    EXPECT_LT(clock.Peek() - lateEnd, 41'000);
}

TEST(CSynchLoop, ShortPeriodsAlsoSleepOnceToTheDeadline)
{
    auto owned = std::make_unique<SteppingClock>(1'000'000);
    SteppingClock& clock = *owned;
    InstalledClock installed(std::move(owned));
    CSynchLoop loop(2);
    loop.WaitFrame();
    const int64_t start = clock.Peek();
    loop.WaitFrame();
    EXPECT_EQ(clock.sleeps, 1);
    EXPECT_GE(clock.Peek() - start, 2000);
    EXPECT_LT(clock.Peek() - start, 3000);
}

TEST(CSynchLoop, WithoutCounterUsesMillisecondTicks)
{
    auto owned = std::make_unique<SteppingClock>(0);
    SteppingClock& clock = *owned;
    InstalledClock installed(std::move(owned));
    CSynchLoop loop(40);
    loop.WaitFrame();
    EXPECT_EQ(clock.sleeps, 0);
    const int64_t start = clock.Peek();
    loop.WaitFrame();
    EXPECT_GE(clock.Peek() - start, 39'000);
    EXPECT_LT(clock.Peek() - start, 42'000);
}

TEST(CSynchLoop, VirtualClockAdvancesOnePeriodPerFrame)
{
    ProgramSandbox sandbox;
    CSynchLoop loop(40);
    const int64_t start = sandbox.Clock().Milliseconds();
    loop.WaitFrame();
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 40);
    loop.WaitFrame();
    loop.WaitFrame();
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 120);
    loop.SetPeriod(25);
    loop.WaitFrame();
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 145);
}

TEST(Chamowanie, CurvesSlowDownAndEndExactlyAtTheTarget)
{
    Chamowanie square;
    square.StartSquare(0, 16, 4);  // k = 1
    EXPECT_FLOAT_EQ(square.Next(), 7);
    EXPECT_FLOAT_EQ(square.Next(), 12);
    EXPECT_FLOAT_EQ(square.Next(), 15);
    EXPECT_FLOAT_EQ(square.Next(), 16);
    EXPECT_FLOAT_EQ(square.Next(), 16);

    Chamowanie cube;
    cube.StartCube(27, 0, 3);  // k = -1
    EXPECT_FLOAT_EQ(cube.Next(), 8);
    EXPECT_FLOAT_EQ(cube.Next(), 1);
    EXPECT_FLOAT_EQ(cube.Next(), 0);

    for (int steps : {0, -3, 1}) {
        Chamowanie once;
        once.StartSquare(5, 9, steps);
        EXPECT_FLOAT_EQ(once.Next(), 9) << steps;
    }
    Chamowanie unstarted;
    EXPECT_FLOAT_EQ(unstarted.Next(), 0);
}
