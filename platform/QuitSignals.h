// Ctrl+C (SIGINT) and logging out or shutting down (SIGTERM) as a request to
// end the program, taken up by the message loop like the window manager's
// close request. Where the SDL back end runs, SDL has taken these signals
// already and turns them into that close request itself; the guard then
// leaves them to it.
#pragma once

class QuitSignals {
public:
    // Takes SIGINT and SIGTERM when nobody else has (their handling is the
    // system's default); the destructor gives back what it took.
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // True once for each time one of the signals arrived since the last call.
    static bool TakePending();

private:
    bool owns_[2] = {false, false};  // SIGINT, SIGTERM
};
