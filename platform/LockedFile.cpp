// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Advisory locks with flock: held by the open file, so that a copy that is
// killed releases them with its last descriptor.
#include "platform/LockedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace fs = std::filesystem;

namespace {

// A lock is held for one read-modify-write: milliseconds, or seconds on a
// busy disk that syncs slowly.
constexpr auto kLockPatience = std::chrono::seconds(30);

}  // namespace

LockedFile LockedFile::ForAppend(const fs::path& file, const fs::path& folder, bool create)
{
    LockedFile result;
    if (IsLinkOutside(file, folder)) {
        result.problem_ = FileProblem::Other;
        return result;
    }
    const int flags = O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK | (create ? O_CREAT : 0);
    result.fd_ = ::open(file.c_str(), flags, 0644);
    if (result.fd_ < 0) {
        result.Fail(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(result.fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(result.fd_);
        result.fd_ = -1;
        result.problem_ = FileProblem::Other;
        return result;
    }
    result.Lock();
    return result;
}

LockedFile LockedFile::Folder(const fs::path& folder)
{
    LockedFile result;
    result.fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (result.fd_ < 0) {
        result.Fail(errno);
        return result;
    }
    result.Lock();
    return result;
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(other.fd_), locked_(other.locked_), problem_(other.problem_)
{
    other.fd_ = -1;
    other.locked_ = false;
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        locked_ = other.locked_;
        problem_ = other.problem_;
        other.fd_ = -1;
        other.locked_ = false;
    }
    return *this;
}

LockedFile::~LockedFile()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock
}

void LockedFile::Lock()
{
    // Polled rather than waited for: a copy stopped while it holds the lock
    // must not stop this one for ever.
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            locked_ = true;
            return;
        }
        // A file system without locks (some network ones) is used as it is.
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool LockedFile::Fail(int errorNumber)
{
    problem_ = errorNumber == 0 ? FileProblem::Other : FileProblemOf(errorNumber);
    return false;
}

int64_t LockedFile::Size()
{
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        return -1;
    return static_cast<int64_t>(info.st_size);
}

bool LockedFile::Read(int64_t offset, std::size_t count, std::string& bytes)
{
    bytes.assign(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd_, bytes.data() + got, count - got, static_cast<off_t>(offset) + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fail(errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

bool LockedFile::Truncate(int64_t size)
{
    return ::ftruncate(fd_, static_cast<off_t>(size)) == 0 || Fail(errno);
}

bool LockedFile::Append(std::string_view bytes)
{
    const int64_t before = Size();
    if (before < 0)
        return Fail(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Fail(n < 0 ? errno : ENOSPC);
            // Under the lock nobody else wrote since: the end is ours to take back.
            if (written > 0 && locked_) {
                [[maybe_unused]] const int rc = ::ftruncate(fd_, static_cast<off_t>(before));
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    problem_ = FileProblem::None;
    return true;
}
