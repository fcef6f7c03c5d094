// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paths of the data tree. The program names its files Windows-style and
// relative to its own directory ("Data\Smd\zaba.pw"); NativePath turns such a
// name into a path of this system, matching each component without regard to
// letter case so that a tree copied from a Windows disk works as it is.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where the program's files live. The data tree (pictures, sounds, fonts, the
// picture library) is only ever read; the user's files (settings, statistics,
// recordings, reports) are written. A build and --root keep both in one
// directory; an installation keeps the tree in its share/szeptaczki and the
// user's files in the user's data folder, so that it may be read-only.
// With children's profiles the user's folder is the practice's: it holds a
// folder per child (ChildFolders.h), and the active child's folder is the
// program's directory of the design for the child's own files.
struct ProgramPlaces {
    std::filesystem::path data;
    std::filesystem::path user;
    bool installed = false;  // user is the user's data folder, made on first start
    // The practice's own recordings of the words and phrases: one voice for
    // every child, in the user's folder (the program's directory in a build
    // or with --root), never inside the installed data. Made when first
    // written to.
    std::filesystem::path voice;
    // The active child's folder inside user; empty when user itself is the
    // one child's directory (--root, tests).
    std::filesystem::path child;
};

// The name of the voice folder inside the user's folder.
inline constexpr const char* kVoiceFolderName = "Glos";

// The places for a program in exeDir: the data tree beside it when there is
// one, else the installation's share/szeptaczki found from bin/ (so that an
// installation can be moved), else exeDir as the resource check expects it.
// An installation's user folder is $XDG_DATA_HOME/szeptaczki (an absolute
// one only), else HOME/.local/share/szeptaczki; empty when neither is known.
// The voice folder is kVoiceFolderName inside the user's folder.
ProgramPlaces LocateProgramPlaces(const std::filesystem::path& exeDir, const char* xdgDataHome, const char* home);
// The same with this process's environment and the account's home folder.
ProgramPlaces LocateProgramPlaces(const std::filesystem::path& exeDir);

// A places record without a voice folder gets the one inside its user folder.
void SetProgramPlaces(const ProgramPlaces& places);
const ProgramPlaces& CurrentProgramPlaces();
// Both places (and the voice folder) in one directory, which is one child's directory.
void SetProgramDir(const std::filesystem::path& dir);
// Makes a child's folder the place of the user's files (empty: the user's
// folder again).
void SetActiveChildDir(const std::filesystem::path& dir);
// The program's directory: the place of the user's files (the active child's
// folder) and the working directory after start-up. In a build without
// profiles it also holds the data tree.
const std::filesystem::path& ProgramDir();
// The user's folder: the practice's files and the children's folders.
const std::filesystem::path& PracticeDir();
// The read-only data tree.
const std::filesystem::path& DataDir();

// The one rule that sends a program path to its place: the user's files are
// the settings "Data\data.ini" and whatever lies outside the tree's folders
// "Data" and "RESOURCE" (statistics, "Nagrane\", reports).
bool IsUserPath(std::string_view path);

// Makes the user's folder and the folders its files are written into; false
// with the reason in error when it cannot be made.
bool MakeUserFolder(std::string& error);

// A cp1250 path with '\' or '/' separators as a native path: absolute ones
// as they are, relative ones in the place IsUserPath gives them. Components
// that exist on disk in another letter case are replaced by their spelling on
// disk; the rest are kept as given.
std::filesystem::path NativePath(std::string_view path);

// A path from UTF-8 text. A plain std::string is read in the system's narrow
// code page, which on Windows cannot spell every folder (a user's name with
// Polish letters); going back, path::string() gives UTF-8 on every system.
std::filesystem::path Utf8Path(std::string_view utf8);

// std::fopen for a path of this system (on Windows the narrow one cannot
// open every path).
std::FILE* OpenFile(const std::filesystem::path& file, const char* mode);

// True when files can be made in folder; false with the reason in error.
bool CanWriteInFolder(const std::filesystem::path& folder, std::string& error);

// The directory the running executable lives in (argv0 is the fallback
// where the system cannot tell).
std::filesystem::path ExecutableDir(const char* argv0);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Names (cp1250) of the regular files in a directory, hidden ones included,
// in the order the file system lists them. An unreadable directory gives none.
std::vector<std::string> FilesInDirectory(std::string_view dir);

// Whole file contents; false when the file cannot be read. Only regular
// files are read: a pipe or a device in a file's place is refused at once,
// never waited on.
bool ReadWholeFile(const std::filesystem::path& file, std::string& contents);

// Why a file could not be written, in the terms a user can act on.
enum class FileProblem { None, DiskFull, NoPermission, ReadOnly, Other };
// The problem an error number of the system stands for.
FileProblem FileProblemOf(int errorNumber);

// Writes a file so that it is either complete or left as it was: the data goes
// to a temporary file of its own beside it (name + ".tmp." + a unique part),
// which then replaces the file and keeps its access mode. On failure, problem
// (when given) tells why.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents,
                         FileProblem* problem = nullptr);

// Whether a new file can be made beside file (tried with a temporary one of
// its own, removed again).
bool CanWriteBeside(const std::filesystem::path& file);

// A symbolic link at file whose target (followed to the end) lies outside
// folder.
bool IsLinkOutside(const std::filesystem::path& file, const std::filesystem::path& folder);

// Keeps a damaged file beside itself before it is repaired or replaced:
// name + ".uszkodzony", or ".uszkodzony2" and on when that is taken. False
// when the file is not a regular file or the copy could not be made.
bool KeepDamagedCopy(const std::filesystem::path& file);

// Removes from folder the temporary files of writes that never finished (the
// program was killed): name + ".tmp" and name + ".tmp." + anything, for the
// names ours accepts, unless a write still holds them or they are less than
// a minute old (another copy may be writing them).
void RemoveStaleTemporaries(const std::filesystem::path& folder,
                            const std::function<bool(const std::string& name)>& ours);
