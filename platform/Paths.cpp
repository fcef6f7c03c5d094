// Case-insensitive resolution of the program's Windows-style paths.
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
    current.child = places.child.empty() ? fs::path() : AbsoluteNormal(places.child);
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

void SetActiveChildDir(const fs::path& dir)
{
    PlacesStorage().child = dir.empty() ? fs::path() : AbsoluteNormal(dir);
}

const fs::path& ProgramDir()
{
    const ProgramPlaces& places = PlacesStorage();
    return places.child.empty() ? places.user : places.child;
}

const fs::path& PracticeDir()
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
    if (::access(ProgramDir().c_str(), W_OK | X_OK) != 0 || ::access(settingsFolder.c_str(), W_OK | X_OK) != 0) {
        error = ProgramDir().string() + ": " + std::generic_category().message(errno);
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

bool IsLinkOutside(const fs::path& file, const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_symlink(file, ec))
        return false;
    const fs::path target = fs::weakly_canonical(file, ec);
    if (ec)
        return true;
    const fs::path root = fs::weakly_canonical(folder, ec);
    if (ec)
        return true;
    const fs::path relative = target.lexically_relative(root);
    return relative.empty() || *relative.begin() == "..";
}

bool KeepDamagedCopy(const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;  // a folder or a device in its place is left alone
    // A copy kept earlier is never overwritten: each damage keeps its own.
    for (int n = 1; n < 1000; ++n) {
        fs::path kept = file;
        kept += n == 1 ? std::string(".uszkodzony") : ".uszkodzony" + std::to_string(n);
        if (fs::symlink_status(kept, ec).type() != fs::file_type::not_found)
            continue;
        return fs::copy_file(file, kept, ec);
    }
    return false;
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
