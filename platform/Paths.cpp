// Case-insensitive resolution of the program's Windows-style paths.
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

fs::path& ProgramDirStorage()
{
    static fs::path dir = fs::current_path();
    return dir;
}

// The entry of dir whose name equals name without regard to case, or name itself.
fs::path MatchComponent(const fs::path& dir, const std::string& nameUtf8)
{
    std::error_code ec;
    if (fs::exists(dir / nameUtf8, ec))
        return nameUtf8;
    const std::string wanted = Utf8ToCp1250(nameUtf8);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (EqualsNoCase(Utf8ToCp1250(candidate), wanted))
            return candidate;
    }
    return nameUtf8;
}

}  // namespace

void SetProgramDir(const fs::path& dir)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    ProgramDirStorage() = ec ? dir : absolute.lexically_normal();
}

const fs::path& ProgramDir()
{
    return ProgramDirStorage();
}

fs::path NativePath(std::string_view path)
{
    fs::path result;
    std::size_t pos = 0;
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        result = "/";
        pos = 1;
    } else {
        result = ProgramDir();
    }
    bool resolving = true;  // once a component is missing, the rest cannot exist
    while (pos <= path.size()) {
        std::size_t next = path.find_first_of("\\/", pos);
        if (next == std::string_view::npos)
            next = path.size();
        const std::string_view component = path.substr(pos, next - pos);
        pos = next + 1;
        if (component.empty() || component == ".")
            continue;
        const std::string utf8 = Cp1250ToUtf8(component);
        if (component == "..") {
            result /= "..";
            continue;
        }
        if (resolving) {
            const fs::path matched = MatchComponent(result, utf8);
            std::error_code ec;
            resolving = fs::exists(result / matched, ec);
            result /= matched;
        } else {
            result /= utf8;
        }
    }
    return result;
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

bool FileExists(std::string_view path)
{
    std::error_code ec;
    return fs::is_regular_file(NativePath(path), ec);
}

bool DirectoryExists(std::string_view path)
{
    std::error_code ec;
    return fs::is_directory(NativePath(path), ec);
}

std::vector<std::string> FilesInDirectory(std::string_view dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(NativePath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            names.push_back(Utf8ToCp1250(it->path().filename().string()));
    }
    return names;
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
