// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests: temporary program directories and a virtual clock.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/Clock.h"

// A fresh temporary directory, removed again when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file (creating folders) relative to the directory.
    void Write(const std::string& relative, const std::string& contents) const;
    std::string Read(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

// Installs a virtual clock and makes a directory the program's directory for
// the lifetime of the object, restoring both afterwards.
class ProgramSandbox {
public:
    ProgramSandbox();
    ~ProgramSandbox();

    const std::filesystem::path& Root() const { return dir_.Path(); }
    const TempDir& Dir() const { return dir_; }
    VirtualClock& Clock() { return *clock_; }

private:
    TempDir dir_;
    VirtualClock* clock_;
    std::unique_ptr<::Clock> previousClock_;
    std::filesystem::path previousRoot_;
};

// Writes that fail as they do on a full disk, for root too: while the object
// lives, no file of this process may grow beyond `bytes` (EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long previous_[2];
    void (*previousHandler_)(int);
};

// While the object lives, this process can open no new file (EMFILE), as if
// the folder refused new files, for root too.
class NoNewFiles {
public:
    NoNewFiles();
    ~NoNewFiles();
    NoNewFiles(const NoNewFiles&) = delete;
    NoNewFiles& operator=(const NoNewFiles&) = delete;

private:
    long previous_[2];
};

// The built program (CTest passes its path), or empty when unknown.
std::string ProgramPath();

struct ProgramResult {
    int status = -1;      // exit status, -1 when it did not exit normally
    std::string errors;   // what it wrote to standard error
};
// Runs the program with arguments (each quoted) from a working directory.
ProgramResult RunProgram(const std::string& arguments, const std::filesystem::path& workingDir);
// Runs a shell command line the same way.
ProgramResult RunCommand(const std::string& command, const std::filesystem::path& workingDir);

// Lays out a program directory at root whose data are the generated default
// tree beside the built program (linked, read-only), with a writable Data
// folder for the settings. False when no generated tree exists.
bool LinkGeneratedTree(const std::filesystem::path& root);

// The checkout the tests were built from.
std::filesystem::path SourceDir();

// The generated data tree's directory (beside the built program), or empty
// when no tree has been generated.
std::filesystem::path GeneratedTreeDir();

// As LinkGeneratedTree, but the file at relative (a path inside the tree such
// as "Data/Intf/Spec/R3_mT1.xji") is left out: the folders on its way are
// made for real and their other entries linked one by one.
bool LinkGeneratedTreeWithout(const std::filesystem::path& root, const std::filesystem::path& relative);
