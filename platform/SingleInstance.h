// Keeps a second copy of the program from running: a lock file that only one
// process of the user can hold, and a local socket through which a second
// copy asks the first to raise its window. On Windows (platform/windows/
// WinSingleInstance.cpp) a named mutex and two named events do the same.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class SingleInstance {
public:
    // `name` identifies the product (letters, digits, '-', '_'); the files
    // live in $XDG_RUNTIME_DIR, or /tmp with the user's id in their names.
    explicit SingleInstance(const std::string& name);
    // Releases the lock and stops listening.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock; true when this is the first copy, which then answers
    // raise requests. A lock that cannot even be tried counts as first.
    bool Acquire();
    bool IsFirst() const { return first_; }

    // For the second copy: asks the first copy to raise its window and
    // reports whether it answered within the time.
    bool AskFirstToRaise(int timeoutMs = 2000) const;

    // Runs on the user-interface thread (through PostToMainThread) when
    // another copy asks to be shown instead.
    void SetOnRaiseRequest(std::function<void()> handler);

    const std::filesystem::path& LockPath() const { return lockPath_; }
    const std::filesystem::path& SocketPath() const { return socketPath_; }

private:
    void Listen();
    void StopListening();

    std::filesystem::path lockPath_;
    std::filesystem::path socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    int wakeFds_[2] = {-1, -1};
    bool first_ = false;
    std::thread listener_;
    // Shared with callbacks already posted, which may run after this object is gone.
    std::shared_ptr<std::function<void()>> handler_;
    // The Windows implementation's handles (not used elsewhere).
    struct SystemHandles;
    std::shared_ptr<SystemHandles> system_;
};
