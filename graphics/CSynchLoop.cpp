// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing on the program's clock: one sleep to the frame's deadline.
// Sleeping a millisecond at a time and spinning out the rest cost more than a
// millisecond of processor time in every 40 ms frame; an absolute sleep on
// the monotonic counter wakes within a fraction of a millisecond of the
// deadline for almost nothing.
#include "graphics/CSynchLoop.h"

#include "platform/Clock.h"
#include "platform/SleepHook.h"

CSynchLoop::CSynchLoop(int periodMs)
{
    // The clock's sleeps are already millisecond-exact here; no timer
    // resolution has to be raised.
    SetPeriod(periodMs);
}

void CSynchLoop::SetPeriod(int periodMs)
{
    periodMs_ = periodMs;
    frequency_ = TheClock().CounterFrequency();
    useTicks_ = frequency_ <= 0;
    countsPerPeriod_ = useTicks_ ? 0 : frequency_ * periodMs / 1000;
    last_ = 0;
}

void CSynchLoop::WaitFrame()
{
    // A frame that finds its period already over waits not at all, yet it
    // must still be seen before the next one is drawn.
    BeforeSleep();
    if (TheClock().IsVirtual()) {
        TheClock().Sleep(periodMs_);
        return;
    }
    if (useTicks_)
        WaitOnTicks();
    else
        WaitOnCounter();
}

void CSynchLoop::WaitOnCounter()
{
    Clock& clock = TheClock();
    const int64_t deadline = last_ + countsPerPeriod_;
    int64_t now = clock.Counter();
    // A sleep cut short (a signal) sleeps again to the same deadline.
    while (now < deadline) {
        clock.SleepUntilCounter(deadline);
        now = clock.Counter();
    }
    // The frame's real end, not the deadline: a late frame is not made up for.
    last_ = now;
}

void CSynchLoop::WaitOnTicks()
{
    Clock& clock = TheClock();
    int64_t now = clock.Milliseconds();
    // A tick count below the last one (wrap-around) waits not at all.
    if (now >= last_) {
        while (now < last_ + periodMs_) {
            clock.Sleep(static_cast<int>(last_ + periodMs_ - now));
            now = clock.Milliseconds();
        }
    }
    last_ = now;
}
