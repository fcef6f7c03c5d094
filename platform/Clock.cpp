// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Real and virtual clocks, and the window timers that run on them.
#include "platform/Clock.h"
#include "platform/SleepHook.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

namespace {

constexpr int64_t kTicksPerSecond = 10000000;
// Days from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDays1601To1970 = 134774;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

std::unique_ptr<Clock>& ClockStorage()
{
    static std::unique_ptr<Clock> clock = std::make_unique<RealClock>();
    return clock;
}

std::vector<Timer*>& Timers()
{
    static std::vector<Timer*> timers;
    return timers;
}

uint64_t g_armCounter = 0;

}  // namespace

int64_t SystemTimeToTicks(const SystemTime& t)
{
    const int64_t days = DaysFromCivil(t.year, t.month, t.day) + kEpochDays1601To1970;
    const int64_t seconds = days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
    return seconds * kTicksPerSecond + static_cast<int64_t>(t.milliseconds) * 10000;
}

SystemTime TicksToSystemTime(int64_t ticks)
{
    const int64_t totalMs = ticks / 10000;
    int64_t days = totalMs / 86400000;
    int64_t msOfDay = totalMs % 86400000;
    days -= kEpochDays1601To1970;
    int64_t y;
    unsigned m, d;
    CivilFromDays(days, y, m, d);
    SystemTime t;
    t.year = static_cast<uint16_t>(y);
    t.month = static_cast<uint16_t>(m);
    t.day = static_cast<uint16_t>(d);
    // 1970-01-01 was a Thursday.
    t.dayOfWeek = static_cast<uint16_t>(((days % 7) + 7 + 4) % 7);
    t.hour = static_cast<uint16_t>(msOfDay / 3600000);
    msOfDay %= 3600000;
    t.minute = static_cast<uint16_t>(msOfDay / 60000);
    msOfDay %= 60000;
    t.second = static_cast<uint16_t>(msOfDay / 1000);
    t.milliseconds = static_cast<uint16_t>(msOfDay % 1000);
    return t;
}

RealClock::RealClock() : start_(Counter()) {}

SystemTime RealClock::UniversalTime()
{
    using namespace std::chrono;
    const int64_t ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return TicksToSystemTime((ms + kEpochDays1601To1970 * 86400000) * 10000);
}

int64_t RealClock::Milliseconds()
{
    return (Counter() - start_) / 1000;
}

int64_t RealClock::Counter()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t RealClock::CounterFrequency()
{
    return 1000000;
}

namespace {

std::function<void()>& BeforeSleepHook()
{
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void SetBeforeSleep(std::function<void()> hook)
{
    BeforeSleepHook() = std::move(hook);
}

void BeforeSleep()
{
    if (BeforeSleepHook())
        BeforeSleepHook()();
}

void RealClock::Sleep(int milliseconds)
{
    BeforeSleep();
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    else
        std::this_thread::yield();
}

void Clock::SleepUntilCounter(int64_t counter)
{
    const int64_t frequency = CounterFrequency();
    const int64_t rest = counter - Counter();
    if (rest <= 0 || frequency <= 0)
        return;
    Sleep(static_cast<int>((rest * 1000 + frequency - 1) / frequency));
}

void RealClock::SleepUntilCounter(int64_t counter)
{
    BeforeSleep();
#if defined(CLOCK_MONOTONIC) && defined(TIMER_ABSTIME) && !defined(_WIN32)
    // The counter is the steady clock, which is CLOCK_MONOTONIC here: one
    // sleep to that moment, however long the thread took to get here.
    const timespec deadline{static_cast<time_t>(counter / 1000000), static_cast<long>(counter % 1000000) * 1000};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
#else
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::microseconds(counter)));
#endif
}

VirtualClock::VirtualClock() : VirtualClock(SystemTime{2026, 1, 1, 5, 9, 0, 0, 0}) {}

VirtualClock::VirtualClock(const SystemTime& start) : startTicks_(SystemTimeToTicks(start)) {}

SystemTime VirtualClock::UniversalTime()
{
    return TicksToSystemTime(startTicks_ + elapsedUs_ * 10);
}

void VirtualClock::Sleep(int milliseconds)
{
    BeforeSleep();
    AdvanceMicroseconds(static_cast<int64_t>(milliseconds) * 1000);
}

Clock& TheClock()
{
    return *ClockStorage();
}

std::unique_ptr<Clock> InstallClock(std::unique_ptr<Clock> clock)
{
    std::unique_ptr<Clock> previous = std::move(ClockStorage());
    ClockStorage() = std::move(clock);
    return previous;
}

Timer::Timer(std::function<void()> onTimer, int intervalMs, bool enabled)
    : OnTimer(std::move(onTimer)), interval_(intervalMs)
{
    Timers().push_back(this);
    SetEnabled(enabled);
}

Timer::~Timer()
{
    auto& timers = Timers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void Timer::SetInterval(int ms)
{
    interval_ = ms;
    if (enabled_)
        Restart();
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        Restart();
}

void Timer::Restart()
{
    due_ = TheClock().Milliseconds() + std::max(interval_, 1);
    order_ = ++g_armCounter;
}

int FireDueTimers()
{
    const int64_t now = TheClock().Milliseconds();
    std::vector<Timer*> due;
    for (Timer* t : Timers())
        if (t->enabled_ && t->interval_ > 0 && t->due_ <= now)
            due.push_back(t);
    std::sort(due.begin(), due.end(), [](const Timer* a, const Timer* b) {
        return a->due_ != b->due_ ? a->due_ < b->due_ : a->order_ < b->order_;
    });
    int fired = 0;
    for (Timer* t : due) {
        // A handler may have deleted, disabled or restarted a timer of this round.
        const auto& timers = Timers();
        if (std::find(timers.begin(), timers.end(), t) == timers.end())
            continue;
        if (!t->enabled_ || t->due_ > now)
            continue;
        // The next period counts from the moment the timer fires, as window timers do.
        t->due_ = TheClock().Milliseconds() + t->interval_;
        t->order_ = ++g_armCounter;
        ++fired;
        if (t->OnTimer)
            t->OnTimer();
    }
    return fired;
}

int64_t MillisecondsToNextTimer()
{
    const int64_t now = TheClock().Milliseconds();
    int64_t best = -1;
    for (const Timer* t : Timers()) {
        if (!t->enabled_ || t->interval_ <= 0)
            continue;
        const int64_t wait = std::max<int64_t>(0, t->due_ - now);
        if (best < 0 || wait < best)
            best = wait;
    }
    return best;
}
