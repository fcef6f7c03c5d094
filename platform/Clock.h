// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of time. Nothing else reads the system clock: the real clock
// sleeps, the virtual clock of headless runs and tests jumps ahead instantly,
// so long timeouts and schedules are tested in milliseconds and deterministically.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// A universal date and time as eight 16-bit fields (the layout the statistics file stores).
struct SystemTime {
    uint16_t year = 0;
    uint16_t month = 0;      // 1..12
    uint16_t dayOfWeek = 0;  // 0 = Sunday
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// Time in 100-nanosecond units since 1601-01-01, the count durations are measured in.
int64_t SystemTimeToTicks(const SystemTime& t);
SystemTime TicksToSystemTime(int64_t ticks);

class Clock {
public:
    virtual ~Clock() = default;

    virtual SystemTime UniversalTime() = 0;
    // Monotonic milliseconds since the clock was made.
    virtual int64_t Milliseconds() = 0;
    // Monotonic high-resolution counter and its counts per second.
    virtual int64_t Counter() = 0;
    virtual int64_t CounterFrequency() = 0;
    virtual void Sleep(int milliseconds) = 0;
    // Sleeps until Counter() reaches the given reading (at once when it has).
    // The real clock sleeps once, to that moment; this plain form rounds the
    // rest up to whole milliseconds of Sleep.
    virtual void SleepUntilCounter(int64_t counter);
    // True for the clock of headless runs: time moves only when the program waits.
    virtual bool IsVirtual() const = 0;
};

class RealClock final : public Clock {
public:
    RealClock();
    SystemTime UniversalTime() override;
    int64_t Milliseconds() override;
    int64_t Counter() override;
    int64_t CounterFrequency() override;
    void Sleep(int milliseconds) override;
    void SleepUntilCounter(int64_t counter) override;
    bool IsVirtual() const override { return false; }

private:
    int64_t start_;
};

class VirtualClock final : public Clock {
public:
    // Starts at the given universal time (by default 2026-01-05 09:00:00.000, a Monday).
    VirtualClock();
    explicit VirtualClock(const SystemTime& start);
    SystemTime UniversalTime() override;
    int64_t Milliseconds() override { return elapsedUs_ / 1000; }
    int64_t Counter() override { return elapsedUs_; }
    int64_t CounterFrequency() override { return 1000000; }
    void Sleep(int milliseconds) override;
    bool IsVirtual() const override { return true; }

    void AdvanceMicroseconds(int64_t us) { elapsedUs_ += us > 0 ? us : 0; }

private:
    int64_t startTicks_;
    int64_t elapsedUs_ = 0;
};

// The program's clock; a real clock unless another was installed.
Clock& TheClock();
// Installs a clock (start-up, tests); returns the one it replaced.
std::unique_ptr<Clock> InstallClock(std::unique_ptr<Clock> clock);

// A window timer: while enabled it fires every Interval milliseconds, between
// events of the message loop (never inside a sleep). A handler that wants a
// single shot disables the timer.
class Timer {
public:
    explicit Timer(std::function<void()> onTimer = {}, int intervalMs = 1000, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(int ms);
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // Starts the period again from now (a disable followed by an enable).
    void Restart();

    std::function<void()> OnTimer;

private:
    friend int FireDueTimers();
    friend int64_t MillisecondsToNextTimer();
    int interval_;
    bool enabled_ = false;
    int64_t due_ = 0;
    uint64_t order_ = 0;  // earlier armed timers fire first when due together
};

// Fires, in order of their due times, every enabled timer that is due now,
// each at most once; returns how many fired. Handlers may make, delete,
// enable or disable timers.
int FireDueTimers();
// Milliseconds until the next enabled timer is due (0 when one is due), or -1 when none is enabled.
int64_t MillisecondsToNextTimer();
