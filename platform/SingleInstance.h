// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a second copy of the program from running on the same folder: a lock
// that only one process can hold, named after the folder as it really is (not
// after the spelling of its path), and a way for a second copy to ask the
// first to raise its window. How the lock and the request are made is the
// platform's own business.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class SingleInstance {
public:
    // `product` identifies the program (letters, digits, '-', '_'); `folder`
    // is the folder a copy works on: two spellings of its path, or a link to
    // it, name the same lock, whether the copies run with a window or not.
    SingleInstance(const std::string& product, const std::filesystem::path& folder);
    // Releases the lock, removes what marked it, and stops listening.
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

    // Where this system keeps the lock and the request channel.
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
