// The parts of the path code that ask Windows: the executable's place, the
// user's roaming application-data folder, and file reading and writing with
// wide (UTF-16) names, so that any user's or installation folder can be
// spelled. platform/PathsPosix.cpp is the same for POSIX systems.
#include "platform/Paths.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <system_error>

#include "platform/windows/WideText.h"

namespace fs = std::filesystem;

namespace {

// %APPDATA%: roaming, so that a school's roaming profiles carry the child's files along.
fs::path RoamingAppData()
{
    PWSTR dir = nullptr;
    fs::path result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &dir)))
        result = dir;
    CoTaskMemFree(dir);
    return result;
}

struct HandleCloser {
    HANDLE handle;
    ~HandleCloser()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

}  // namespace

ProgramPlaces LocateProgramPlaces(const fs::path& exeDir)
{
    std::error_code ec;
    fs::path dir = fs::absolute(exeDir, ec).lexically_normal();
    if (dir.filename().empty())
        dir = dir.parent_path();
    // Without a data tree beside it the program is a bare build: the
    // resource check expects everything in its own folder.
    if (!fs::is_directory(dir / L"Data", ec))
        return {dir, dir, false};
    // The installation (in Program Files, or the user's own programs folder)
    // is only read; the child's files live in %APPDATA%\Szeptaczki.
    const fs::path appData = RoamingAppData();
    return {dir, appData.empty() ? fs::path() : appData / L"Szeptaczki", true};
}

fs::path ExecutableDir(const char* argv0)
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0)
            break;
        if (n < name.size()) {
            name.resize(n);
            return fs::path(name).parent_path();
        }
        name.resize(name.size() * 2);
    }
    std::error_code ec;
    if (argv0 && *argv0)
        return fs::absolute(argv0, ec).parent_path();
    return fs::current_path(ec);
}

bool ReadWholeFile(const fs::path& file, std::string& contents)
{
    // Another program may hold the file open for writing (a backup, a viewer):
    // reading must not be refused for that.
    HandleCloser f{CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.handle == INVALID_HANDLE_VALUE || GetFileType(f.handle) != FILE_TYPE_DISK)
        return false;  // folders do not open without backup semantics
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(f.handle, &size))
        return false;
    std::string data;
    data.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(f.handle, buffer, sizeof buffer, &n, nullptr))
            return false;
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    contents = std::move(data);
    return true;
}

bool WriteFileAtomically(const fs::path& file, std::string_view contents)
{
    fs::path temporary = file;
    temporary += L".tmp";
    bool ok;
    {
        HandleCloser f{CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr)};
        if (f.handle == INVALID_HANDLE_VALUE)
            return false;
        std::size_t written = 0;
        ok = true;
        while (ok && written < contents.size()) {
            DWORD n = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - written, 1u << 30));
            ok = WriteFile(f.handle, contents.data() + written, chunk, &n, nullptr) && n > 0;
            written += n;
        }
        ok = ok && FlushFileBuffers(f.handle);
    }
    // The replacement is one step of the file system; the old file stays
    // whole until it happens.
    if (!ok || !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::FILE* OpenFile(const fs::path& file, const char* mode)
{
    return _wfopen(file.c_str(), Widen(mode).c_str());
}

bool CanWriteInFolder(const fs::path& folder, std::string& error)
{
    // Access rights on Windows are lists that only trying shows.
    HandleCloser probe{CreateFileW((folder / L".szeptaczki-probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr)};
    if (probe.handle != INVALID_HANDLE_VALUE)
        return true;
    error = folder.string() + ": " + SystemMessage(GetLastError());
    return false;
}
