// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A file or a folder held under an exclusive advisory lock for as long as the
// object lives. Several copies of the program may write into one folder (two
// users, or two paths to one network folder): the statistics file is
// appended under a lock on itself, and files that are replaced whole are
// read, changed and written under a lock on their folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Paths.h"

class LockedFile {
public:
    // Opens a regular file for reading and appending, making it (empty) when
    // create is set and it is missing, and waits for its lock. A pipe or a
    // device in its place is refused without waiting on it, and so is a link
    // to a file outside folder: the program never writes into a file it does
    // not own.
    static LockedFile ForAppend(const std::filesystem::path& file, const std::filesystem::path& folder,
                                bool create);
    // Locks a folder; nothing in it is opened.
    static LockedFile Folder(const std::filesystem::path& folder);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();

    bool IsOpen() const { return fd_ >= 0; }
    // Whether the lock is held; a lock that could not be had within some
    // seconds (a copy that hangs while holding it) is given up, and the file
    // is used without it rather than not at all.
    bool Locked() const { return locked_; }
    // Why opening or the last operation failed.
    FileProblem Problem() const { return problem_; }

    // The size, or -1 when it cannot be told.
    int64_t Size();
    // Up to count bytes from offset.
    bool Read(int64_t offset, std::size_t count, std::string& bytes);
    bool Truncate(int64_t size);
    // Writes bytes at the end of the file, wherever others' writes left the
    // end. A write that fails half-way is taken back: the file keeps only
    // whole writes.
    bool Append(std::string_view bytes);

private:
    LockedFile() = default;
    void Lock();
    bool Fail(int errorNumber);

    int fd_ = -1;
    // Windows: a folder's lock is a named mutex, held by this handle.
    void* folderMutex_ = nullptr;
    bool locked_ = false;
    FileProblem problem_ = FileProblem::None;
};
