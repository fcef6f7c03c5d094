// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the path code that ask this (POSIX) system: the executable's
// place, the user's home, and file reading and writing with plain system calls.
// platform/windows/WinPaths.cpp is the same for Windows; the build takes one.
#include "platform/Paths.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

ProgramPlaces LocateProgramPlaces(const fs::path& exeDir)
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        // A session started without HOME (a service, su -) still has an account.
        const passwd* account = ::getpwuid(::getuid());
        home = account ? account->pw_dir : nullptr;
    }
    return LocateProgramPlaces(exeDir, std::getenv("XDG_DATA_HOME"), home);
}

fs::path ExecutableDir(const char* argv0)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty())
        return self.parent_path();
    if (argv0 && *argv0) {
        const fs::path given = fs::absolute(argv0, ec);
        if (!ec)
            return given.parent_path();
    }
    return fs::current_path(ec);
}


bool ReadWholeFile(const fs::path& file, std::string& contents)
{
    // Plain system calls: the standard streams of libstdc++ report some read
    // errors (a folder opened as a file) by throwing, and every caller here
    // wants a result to act on instead. Opening without blocking: a named
    // pipe in a file's place would otherwise wait for a writer for ever.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    contents = std::move(data);
    return true;
}

FileProblem FileProblemOf(int errorNumber)
{
    switch (errorNumber) {
    case 0: return FileProblem::None;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileProblem::DiskFull;
    case EACCES:
    case EPERM: return FileProblem::NoPermission;
    case EROFS: return FileProblem::ReadOnly;
    default: return FileProblem::Other;
    }
}

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::time_t kFreshTemporarySeconds = 60;

// A temporary file of this write alone: two copies of the program saving the
// same file at once must never write into one temporary file. It is locked
// while it is written, so that a start-up clearing what killed writes left
// behind passes it by.
int CreateTemporary(const fs::path& file, fs::path& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += std::string(kTemporaryMark) + "." + std::to_string(::getpid()) + "." +
                     std::to_string(counter.fetch_add(1));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

bool Fail(FileProblem* problem, int errorNumber)
{
    if (problem != nullptr)
        *problem = errorNumber == 0 ? FileProblem::Other : FileProblemOf(errorNumber);
    return false;
}

}  // namespace

bool WriteFileAtomically(const fs::path& file, std::string_view contents, FileProblem* problem)
{
    if (problem != nullptr)
        *problem = FileProblem::None;
    // The mode of the file replaced is kept: a file the user made private stays private.
    struct stat previous {};
    const bool replacing = ::stat(file.c_str(), &previous) == 0 && S_ISREG(previous.st_mode);
    fs::path temporary;
    const int fd = CreateTemporary(file, temporary);
    if (fd < 0)
        return Fail(problem, errno);
    if (replacing)
        ::fchmod(fd, previous.st_mode & 07777);
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(temporary.c_str());
            return Fail(problem, error);
        }
        written += static_cast<std::size_t>(n);
    }
    int error = ::fsync(fd) == 0 ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Fail(problem, error);
    }
    return true;
}

bool CanWriteBeside(const fs::path& file)
{
    fs::path temporary;
    const int fd = CreateTemporary(file, temporary);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(temporary.c_str());
    return true;
}

void RemoveStaleTemporaries(const fs::path& folder, const std::function<bool(const std::string& name)>& ours)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::size_t mark = name.rfind(kTemporaryMark);
        if (mark == std::string::npos || mark == 0)
            continue;
        const std::size_t after = mark + kTemporaryMark.size();
        if ((after != name.size() && name[after] != '.') || !ours(name.substr(0, mark)))
            continue;
        // A write in progress holds its temporary file locked; one that has
        // only just made it may not have locked it yet, and is left alone
        // for a while.
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_mtime > std::time(nullptr) - kFreshTemporarySeconds)
            continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

std::FILE* OpenFile(const fs::path& file, const char* mode)
{
    return std::fopen(file.c_str(), mode);
}

bool CanWriteInFolder(const fs::path& folder, std::string& error)
{
    if (::access(folder.c_str(), W_OK | X_OK) == 0)
        return true;
    error = folder.string() + ": " + std::generic_category().message(errno);
    return false;
}
