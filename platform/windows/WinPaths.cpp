// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the path code that ask Windows: the executable's place, the
// user's roaming application-data folder, and file reading and writing with
// wide (UTF-16) names, so that any user's or installation folder can be
// spelled. platform/PathsPosix.cpp is the same for POSIX systems.
#include "platform/Paths.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
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

// Places without a child, the voice folder inside the user's folder.
ProgramPlaces PlacesIn(const fs::path& data, const fs::path& user, bool installed)
{
    ProgramPlaces places;
    places.data = data;
    places.user = user;
    places.installed = installed;
    places.voice = user.empty() ? fs::path() : user / kVoiceFolderName;
    return places;
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
        return PlacesIn(dir, dir, false);
    // The installation (in Program Files, or the user's own programs folder)
    // is only read; the child's files live in %APPDATA%\Szeptaczki.
    const fs::path appData = RoamingAppData();
    const fs::path user = appData.empty() ? fs::path() : appData / L"Szeptaczki";
    return PlacesIn(dir, user, true);
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

FileProblem FileProblemOf(int errorNumber)
{
    switch (static_cast<DWORD>(errorNumber)) {
    case ERROR_SUCCESS: return FileProblem::None;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE: return FileProblem::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD: return FileProblem::NoPermission;
    case ERROR_WRITE_PROTECT: return FileProblem::ReadOnly;
    default: return FileProblem::Other;
    }
}

namespace {

constexpr std::wstring_view kTemporaryMark = L".tmp";
constexpr auto kFreshTemporary = std::chrono::seconds(60);

// A temporary file of this write alone: two copies of the program saving the
// same file at once must never write into one temporary file. It is open
// without sharing while it is written, so that a start-up clearing what
// killed writes left behind cannot delete it.
HANDLE CreateTemporary(const fs::path& file, fs::path& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += std::wstring(kTemporaryMark) + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
                     std::to_wstring(counter.fetch_add(1));
        const HANDLE h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                     nullptr);
        if (h != INVALID_HANDLE_VALUE || (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS))
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

bool Fail(FileProblem* problem, DWORD error)
{
    if (problem != nullptr)
        *problem = error == ERROR_SUCCESS ? FileProblem::Other : FileProblemOf(static_cast<int>(error));
    return false;
}

}  // namespace

bool WriteFileAtomically(const fs::path& file, std::string_view contents, FileProblem* problem)
{
    if (problem != nullptr)
        *problem = FileProblem::None;
    fs::path temporary;
    DWORD error = ERROR_SUCCESS;
    {
        HandleCloser f{CreateTemporary(file, temporary)};
        if (f.handle == INVALID_HANDLE_VALUE)
            return Fail(problem, GetLastError());
        std::size_t written = 0;
        while (error == ERROR_SUCCESS && written < contents.size()) {
            DWORD n = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - written, 1u << 30));
            if (!WriteFile(f.handle, contents.data() + written, chunk, &n, nullptr))
                error = GetLastError();
            else if (n == 0)
                error = ERROR_DISK_FULL;
            written += n;
        }
        if (error == ERROR_SUCCESS && !FlushFileBuffers(f.handle))
            error = GetLastError();
    }
    // A file that is there is replaced keeping its attributes and access
    // list (a file the user made private stays private); a new one is moved
    // into place. Either is one step of the file system: the old file stays
    // whole until it happens.
    if (error == ERROR_SUCCESS &&
        !ReplaceFileW(file.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) &&
        !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        return Fail(problem, error);
    }
    return true;
}

bool CanWriteBeside(const fs::path& file)
{
    fs::path temporary;
    const HANDLE h = CreateTemporary(file, temporary);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    DeleteFileW(temporary.c_str());
    return true;
}

void RemoveStaleTemporaries(const fs::path& folder, const std::function<bool(const std::string& name)>& ours)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::wstring name = it->path().filename().native();
        const std::size_t mark = name.rfind(kTemporaryMark);
        if (mark == std::wstring::npos || mark == 0)
            continue;
        const std::size_t after = mark + kTemporaryMark.size();
        if ((after != name.size() && name[after] != L'.') || !ours(Narrow(name.substr(0, mark))))
            continue;
        // A write in progress holds its file open without sharing, and the
        // deletion fails; one only just made is left alone for a while.
        std::error_code timeError;
        const auto written = fs::last_write_time(it->path(), timeError);
        if (timeError || !it->is_regular_file(timeError) || written > fs::file_time_type::clock::now() - kFreshTemporary)
            continue;
        DeleteFileW(it->path().c_str());
    }
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
