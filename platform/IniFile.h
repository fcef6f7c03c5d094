// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// INI files (settings, recording slots): section and key names without regard
// to case, values as cp1250 text, written "key=value". Changes stay in memory
// until UpdateFile, which replaces the file atomically. A file that could not
// be read in full is never lost: its original is kept beside it
// (name + ".uszkodzony") before the first write replaces it. Several copies
// of the program may share a file: opened locked, the file's folder is held
// under an advisory lock from the reading to the writing, so that no copy's
// change is lost to another's read-modify-write.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Paths.h"

class LockedFile;

class CIniFile {
public:
    // Loads the file when it exists; otherwise starts empty. Everything that
    // can be read is read, also past a NUL byte.
    explicit CIniFile(std::filesystem::path file);
    enum LockMode { Locked };
    // The same, holding the lock of the file's folder until the object goes.
    CIniFile(std::filesystem::path file, LockMode);
    // Parses text as the contents of file (nothing is read from disk).
    CIniFile(std::filesystem::path file, std::string_view contents);
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    const std::filesystem::path& FileName() const { return file_; }
    // Something was there by the file's name when it was read.
    bool Found() const { return found_; }

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // A value that is not a whole number in the 32-bit range reads as def.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void EraseSection(const std::string& section);

    // The text UpdateFile would write.
    std::string Text() const;

    // True when the file exists but could not be read in full (unreadable,
    // or holding bytes no INI text has), until UpdateFile has kept it aside.
    bool Damaged() const { return damaged_; }

    // Writes the file (temporary file, then rename); false when that failed,
    // with the reason in Problem(). A damaged file is first kept under a name
    // of its own; when that is not possible, nothing is written.
    bool UpdateFile();
    FileProblem Problem() const { return problem_; }

private:
    struct Impl;
    void Load();
    void Parse(std::string_view contents);

    std::filesystem::path file_;
    std::unique_ptr<Impl> impl_;
    std::unique_ptr<LockedFile> lock_;
    bool found_ = false;
    bool damaged_ = false;
    FileProblem problem_ = FileProblem::None;
};
