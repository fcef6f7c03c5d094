// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Locks on Windows. A file is locked with LockFileEx, which its handle holds
// (a copy that is killed releases it), on one byte far past any data: the
// system's locks also bar reading and writing the bytes they cover, and a
// report reading the file meanwhile must not fail. A folder cannot be locked
// at all: a named mutex named after its identity stands for it.
#include "platform/LockedFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/windows/FolderIdentity.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kLockPatience = std::chrono::seconds(30);
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kLockOffsetLow = 0xFFFFFFFE;

HANDLE Handle(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

OVERLAPPED At(int64_t offset)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    return at;
}

// The C library's descriptor for a handle, which then owns it.
int Descriptor(HANDLE h, int flags)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
    if (fd < 0)
        CloseHandle(h);
    return fd;
}

// Gives back the lock and closes what held it.
void Release(int& fd, void*& folderMutex, bool& locked)
{
    if (folderMutex != nullptr) {
        if (locked)
            ReleaseMutex(folderMutex);
        CloseHandle(folderMutex);
        folderMutex = nullptr;
    } else if (fd >= 0 && locked) {
        // Closing releases it too, but the system may take its time.
        OVERLAPPED at{};
        at.Offset = kLockOffsetLow;
        at.OffsetHigh = kLockOffsetHigh;
        UnlockFileEx(Handle(fd), 0, 1, 0, &at);
    }
    if (fd >= 0)
        _close(fd);
    fd = -1;
    locked = false;
}

}  // namespace

LockedFile LockedFile::ForAppend(const fs::path& file, const fs::path& folder, bool create)
{
    LockedFile result;
    if (IsLinkOutside(file, folder)) {
        result.problem_ = FileProblem::Other;
        return result;
    }
    // A folder in the file's place does not open without backup semantics.
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        result.Fail(static_cast<int>(GetLastError()));
        return result;
    }
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        result.problem_ = FileProblem::Other;
        return result;
    }
    result.fd_ = Descriptor(h, _O_BINARY);
    if (result.fd_ < 0) {
        result.problem_ = FileProblem::Other;
        return result;
    }
    result.Lock();
    return result;
}

LockedFile LockedFile::Folder(const fs::path& folder)
{
    LockedFile result;
    const HANDLE h = CreateFileW(folder.empty() ? L"." : folder.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        result.Fail(static_cast<int>(GetLastError()));
        return result;
    }
    result.fd_ = Descriptor(h, _O_RDONLY);
    if (result.fd_ < 0) {
        result.problem_ = FileProblem::Other;
        return result;
    }
    // Global: two users of one computer may share a folder.
    const std::wstring name = L"szeptaczki-folder-" + FolderIdentity(folder);
    result.folderMutex_ = CreateMutexW(nullptr, FALSE, (L"Global\\" + name).c_str());
    if (result.folderMutex_ == nullptr)
        result.folderMutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + name).c_str());
    result.Lock();
    return result;
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(other.fd_), folderMutex_(other.folderMutex_), locked_(other.locked_), problem_(other.problem_)
{
    other.fd_ = -1;
    other.folderMutex_ = nullptr;
    other.locked_ = false;
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept
{
    if (this != &other) {
        Release(fd_, folderMutex_, locked_);
        fd_ = other.fd_;
        folderMutex_ = other.folderMutex_;
        locked_ = other.locked_;
        problem_ = other.problem_;
        other.fd_ = -1;
        other.folderMutex_ = nullptr;
        other.locked_ = false;
    }
    return *this;
}

LockedFile::~LockedFile()
{
    Release(fd_, folderMutex_, locked_);
}

void LockedFile::Lock()
{
    // A mutex left by a copy that died is handed on (abandoned), not lost.
    if (folderMutex_ != nullptr) {
        const DWORD waited = WaitForSingleObject(
            folderMutex_, static_cast<DWORD>(std::chrono::milliseconds(kLockPatience).count()));
        locked_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        return;
    }
    if (fd_ < 0)
        return;
    // Polled rather than waited for: a copy stopped while it holds the lock
    // must not stop this one for ever.
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    for (;;) {
        OVERLAPPED at{};
        at.Offset = kLockOffsetLow;
        at.OffsetHigh = kLockOffsetHigh;
        if (LockFileEx(Handle(fd_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            locked_ = true;
            return;
        }
        // A file system without locks (some network ones) is used as it is.
        if (GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= giveUp)
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
    LARGE_INTEGER size{};
    if (fd_ < 0 || !GetFileSizeEx(Handle(fd_), &size))
        return -1;
    return size.QuadPart;
}

bool LockedFile::Read(int64_t offset, std::size_t count, std::string& bytes)
{
    bytes.assign(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        OVERLAPPED at = At(offset + static_cast<int64_t>(got));
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - got, 1u << 30));
        if (!ReadFile(Handle(fd_), bytes.data() + got, chunk, &n, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return Fail(static_cast<int>(GetLastError()));
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    return true;
}

bool LockedFile::Truncate(int64_t size)
{
    LARGE_INTEGER to{};
    to.QuadPart = size;
    const HANDLE h = Handle(fd_);
    return (SetFilePointerEx(h, to, nullptr, FILE_BEGIN) && SetEndOfFile(h)) ||
           Fail(static_cast<int>(GetLastError()));
}

bool LockedFile::Append(std::string_view bytes)
{
    const int64_t before = Size();
    if (before < 0)
        return Fail(static_cast<int>(GetLastError()));
    std::size_t written = 0;
    while (written < bytes.size()) {
        // Both offsets all ones: at the end of the file, wherever it is now.
        OVERLAPPED atEnd{};
        atEnd.Offset = 0xFFFFFFFF;
        atEnd.OffsetHigh = 0xFFFFFFFF;
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
        if (!WriteFile(Handle(fd_), bytes.data() + written, chunk, &n, &atEnd) || n == 0) {
            Fail(n == 0 && GetLastError() == ERROR_SUCCESS ? ERROR_DISK_FULL : static_cast<int>(GetLastError()));
            // Under the lock nobody else wrote since: the end is ours to take back.
            if (written > 0 && locked_)
                Truncate(before);
            return false;
        }
        written += n;
    }
    problem_ = FileProblem::None;
    return true;
}
