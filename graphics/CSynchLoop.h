// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing of the animated games: WaitFrame returns one period after the
// previous frame really ended (a late frame is not made up for).
#pragma once

#include <cstdint>

class CSynchLoop {
public:
    explicit CSynchLoop(int periodMs);

    void SetPeriod(int periodMs);
    int Period() const { return periodMs_; }
    // Blocks until one period has passed since the end of the previous call;
    // the first call after SetPeriod returns at once. On the virtual clock a
    // frame simply lets one period of program time pass.
    void WaitFrame();

private:
    void WaitOnCounter();
    void WaitOnTicks();

    int periodMs_ = 0;
    int64_t frequency_ = 0;
    int64_t countsPerPeriod_ = 0;
    int64_t last_ = 0;
    bool useTicks_ = false;  // no high-resolution counter: millisecond ticks instead
};
