// Frame pacing on the program's clock: sleep while a whole millisecond is
// surely left, then spin on the counter to the deadline.
#include "graphics/CSynchLoop.h"

#include "platform/Clock.h"
#include "platform/SleepHook.h"

namespace {

// A short pause between two counter readings of the spinning phase.
int IdleBriefly()
{
    volatile int sink = 0;
    for (int i = 0; i < 10000; ++i)
        sink = i;
    return sink;
}

}  // namespace

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
    if (now < deadline) {
        if (periodMs_ > 2) {
            // Sleep while the reading after one more sleep (assumed to take
            // as long as the previous one) would still be early.
            int64_t previous = now;
            now += frequency_ / 1000;
            while (now + (now - previous) < deadline) {
                clock.Sleep(1);
                previous = now;
                now = clock.Counter();
            }
        }
        now = clock.Counter();
        while (now < deadline) {
            static_cast<void>(IdleBriefly());
            now = clock.Counter();
        }
    }
    last_ = now;
}

void CSynchLoop::WaitOnTicks()
{
    Clock& clock = TheClock();
    int64_t now = clock.Milliseconds();
    // A tick count below the last one (wrap-around) waits not at all.
    if (now >= last_) {
        while (now < last_ + periodMs_) {
            clock.Sleep(1);
            now = clock.Milliseconds();
        }
    }
    last_ = now;
}
