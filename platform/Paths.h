// Paths of the data tree. The program names its files Windows-style and
// relative to its own directory ("Data\Smd\zaba.pw"); NativePath turns such a
// name into a path of this system, matching each component without regard to
// letter case so that a tree copied from a Windows disk works as it is.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program's directory: data, settings and statistics live here.
void SetProgramDir(const std::filesystem::path& dir);
const std::filesystem::path& ProgramDir();

// A cp1250 path with '\' or '/' separators, relative to the program's
// directory unless it is absolute, as a native path. Components that exist on
// disk in another letter case are replaced by their spelling on disk; the
// rest are kept as given.
std::filesystem::path NativePath(std::string_view path);

// The directory the running executable lives in (argv0 is the fallback
// where the system cannot tell).
std::filesystem::path ExecutableDir(const char* argv0);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Names (cp1250) of the regular files in a directory, hidden ones included,
// in the order the file system lists them. An unreadable directory gives none.
std::vector<std::string> FilesInDirectory(std::string_view dir);

// Whole file contents; false when the file cannot be read.
bool ReadWholeFile(const std::filesystem::path& file, std::string& contents);

// Writes a file so that it is either complete or left as it was: the data goes
// to a temporary file beside it, which then replaces the file.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);
