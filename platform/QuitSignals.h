// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C (SIGINT) and logging out or shutting down (SIGTERM) as a request to
// end the program, taken up by the message loop like the window manager's
// close request. A signal wakes the program wherever it waits: the message
// loop's wait for input (in every modal loop too) and a system message box,
// which is closed.
#pragma once

#include <thread>

class QuitSignals {
public:
    // Takes SIGINT and SIGTERM when nobody else has (their handling is the
    // system's default; an ignored SIGINT, as in a background job, stays
    // ignored); the destructor gives back what it took.
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // True once for each time one of the signals arrived since the last call.
    static bool TakePending();

private:
    bool owns_[2] = {false, false};  // SIGINT, SIGTERM
    // Passes each signal on to the user-interface thread, which the signal
    // handler itself may not touch.
    std::thread watcher_;
    int pipe_[2] = {-1, -1};
};
