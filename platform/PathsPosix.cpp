// The parts of the path code that ask this (POSIX) system: the executable's
// place, the user's home, and file reading and writing with plain system calls.
// platform/windows/WinPaths.cpp is the same for Windows; the build takes one.
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
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
    // wants a result to act on instead.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
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

bool WriteFileAtomically(const fs::path& file, std::string_view contents)
{
    fs::path temporary = file;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n <= 0) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
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
