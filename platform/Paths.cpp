// Case-insensitive resolution of the program's Windows-style paths.
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

ProgramPlaces& PlacesStorage()
{
    static ProgramPlaces places{fs::current_path(), fs::current_path(), false, fs::current_path() / kVoiceFolderName};
    return places;
}

fs::path AbsoluteNormal(const fs::path& dir)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    return ec ? dir : absolute.lexically_normal();
}

bool IsDirectory(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

// The components of a program path, without empty and "." ones.
std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t next = path.find_first_of("\\/", pos);
        if (next == std::string_view::npos)
            next = path.size();
        const std::string_view part = path.substr(pos, next - pos);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        pos = next + 1;
    }
    return parts;
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

ProgramPlaces LocateProgramPlaces(const fs::path& exeDir, const char* xdgDataHome, const char* home)
{
    fs::path dir = AbsoluteNormal(exeDir);
    if (dir.filename().empty())
        dir = dir.parent_path();  // "prefix/bin/" names the same folder as "prefix/bin"
    // The usual spellings: a tree copied from a Windows disk counts as beside.
    for (const char* name : {"Data", "DATA", "data"})
        if (IsDirectory(dir / name))
            return {dir, dir, false, dir / kVoiceFolderName};
    const fs::path shared = (dir.parent_path() / "share" / "szeptaczki").lexically_normal();
    if (!IsDirectory(shared / "Data"))
        return {dir, dir, false, dir / kVoiceFolderName};

    fs::path user;
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
        user = fs::path(xdgDataHome) / "szeptaczki";
    else if (home && *home)
        user = fs::path(home) / ".local" / "share" / "szeptaczki";
    user = user.lexically_normal();
    return {shared, user, true, user.empty() ? fs::path() : user / kVoiceFolderName};
}

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

void SetProgramPlaces(const ProgramPlaces& places)
{
    ProgramPlaces& current = PlacesStorage();
    current.data = AbsoluteNormal(places.data);
    current.user = places.user.empty() ? fs::path() : AbsoluteNormal(places.user);
    current.installed = places.installed;
    if (!places.voice.empty())
        current.voice = AbsoluteNormal(places.voice);
    else
        current.voice = current.user.empty() ? fs::path() : current.user / kVoiceFolderName;
}

const ProgramPlaces& CurrentProgramPlaces()
{
    return PlacesStorage();
}

void SetProgramDir(const fs::path& dir)
{
    SetProgramPlaces({dir, dir, false, dir / kVoiceFolderName});
}

const fs::path& ProgramDir()
{
    return PlacesStorage().user;
}

const fs::path& DataDir()
{
    return PlacesStorage().data;
}

bool IsUserPath(std::string_view path)
{
    if (!path.empty() && (path[0] == '/' || path[0] == '\\'))
        return false;
    const std::vector<std::string_view> parts = Components(path);
    if (parts.empty())
        return true;
    if (EqualsNoCase(parts[0], "Data"))
        return parts.size() == 2 && EqualsNoCase(parts[1], "data.ini");
    return !EqualsNoCase(parts[0], "RESOURCE");
}

bool MakeUserFolder(std::string& error)
{
    const ProgramPlaces& places = PlacesStorage();
    if (!places.installed)
        return true;
    if (places.user.empty()) {
        error = "neither XDG_DATA_HOME nor HOME names the user's folder";
        return false;
    }
    // The settings file lives in a Data folder of its own.
    const fs::path settingsFolder = NativePath("Data\\data.ini").parent_path();
    std::error_code ec;
    fs::create_directories(settingsFolder, ec);
    if (ec) {
        error = settingsFolder.string() + ": " + ec.message();
        return false;
    }
    if (::access(places.user.c_str(), W_OK | X_OK) != 0 || ::access(settingsFolder.c_str(), W_OK | X_OK) != 0) {
        error = places.user.string() + ": " + std::generic_category().message(errno);
        return false;
    }
    return true;
}

fs::path NativePath(std::string_view path)
{
    fs::path result;
    std::size_t pos = 0;
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        result = "/";
        pos = 1;
    } else {
        result = IsUserPath(path) ? ProgramDir() : DataDir();
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
