// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The signal handler only notes the signal and wakes a watcher thread:
// everything else must wait for the message loop, where the program's own
// state may be touched.
#include "platform/QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

#include "platform/MainThread.h"
#include "platform/MessageBox.h"

namespace {

std::atomic<int> pendingSignals{0};
std::atomic<int> wakeFd{-1};
struct sigaction previous[2];
bool taken[2] = {false, false};
constexpr int kSignals[2] = {SIGINT, SIGTERM};
constexpr char kSignalled = 's';
constexpr char kStop = 'x';

extern "C" void NoteQuitSignal(int)
{
    pendingSignals.fetch_add(1, std::memory_order_relaxed);
    const int fd = wakeFd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const int savedErrno = errno;
        [[maybe_unused]] const ssize_t n = ::write(fd, &kSignalled, 1);
        errno = savedErrno;
    }
}

void Watch(int fd)
{
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || c == kStop)
            return;
        // The loop may be waiting for input without end: an empty callback
        // wakes it, and its next turn takes the signal up. A system message
        // box blocks the loop until it is closed.
        PostToMainThread([] {});
        InterruptShownMessageBox();
    }
}

}  // namespace

QuitSignals::QuitSignals()
{
    bool any = false;
    for (int i = 0; i < 2; ++i) {
        struct sigaction current {};
        if (taken[i] || sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction mine {};
        mine.sa_handler = NoteQuitSignal;
        sigemptyset(&mine.sa_mask);
        mine.sa_flags = SA_RESTART;
        if (sigaction(kSignals[i], &mine, &previous[i]) == 0)
            taken[i] = owns_[i] = any = true;
    }
    if (!any || ::pipe2(pipe_, O_CLOEXEC) != 0)
        return;
    wakeFd.store(pipe_[1]);
    watcher_ = std::thread(Watch, pipe_[0]);
}

QuitSignals::~QuitSignals()
{
    for (int i = 0; i < 2; ++i)
        if (owns_[i]) {
            sigaction(kSignals[i], &previous[i], nullptr);
            taken[i] = false;
        }
    if (watcher_.joinable()) {
        wakeFd.store(-1);
        [[maybe_unused]] const ssize_t n = ::write(pipe_[1], &kStop, 1);
        watcher_.join();
    }
    for (int fd : pipe_)
        if (fd >= 0)
            ::close(fd);
}

bool QuitSignals::TakePending()
{
    int n = pendingSignals.load(std::memory_order_relaxed);
    while (n > 0)
        if (pendingSignals.compare_exchange_weak(n, 0, std::memory_order_relaxed))
            return true;
    return false;
}
