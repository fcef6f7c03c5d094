// The signal handler only notes the signal: everything else must wait for
// the message loop, where the program's own state may be touched.
#include "platform/QuitSignals.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> pendingSignals{0};
struct sigaction previous[2];
bool taken[2] = {false, false};
constexpr int kSignals[2] = {SIGINT, SIGTERM};

extern "C" void NoteQuitSignal(int)
{
    pendingSignals.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

QuitSignals::QuitSignals()
{
    for (int i = 0; i < 2; ++i) {
        struct sigaction current {};
        if (taken[i] || sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction mine {};
        mine.sa_handler = NoteQuitSignal;
        sigemptyset(&mine.sa_mask);
        mine.sa_flags = SA_RESTART;
        if (sigaction(kSignals[i], &mine, &previous[i]) == 0)
            taken[i] = owns_[i] = true;
    }
}

QuitSignals::~QuitSignals()
{
    for (int i = 0; i < 2; ++i)
        if (owns_[i]) {
            sigaction(kSignals[i], &previous[i], nullptr);
            taken[i] = false;
        }
}

bool QuitSignals::TakePending()
{
    int n = pendingSignals.load(std::memory_order_relaxed);
    while (n > 0)
        if (pendingSignals.compare_exchange_weak(n, 0, std::memory_order_relaxed))
            return true;
    return false;
}
