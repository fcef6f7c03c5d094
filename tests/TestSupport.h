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
