// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/TestSupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/Paths.h"

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("szeptaczki-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempDir::Write(const std::string& relative, const std::string& contents) const
{
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
}

std::string TempDir::Read(const std::string& relative) const
{
    std::ifstream in(path_ / relative, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

ProgramSandbox::ProgramSandbox() : previousRoot_(ProgramDir())
{
    auto clock = std::make_unique<VirtualClock>();
    clock_ = clock.get();
    previousClock_ = InstallClock(std::move(clock));
    SetProgramDir(dir_.Path());
}

ProgramSandbox::~ProgramSandbox()
{
    InstallClock(std::move(previousClock_));
    SetProgramDir(previousRoot_);
}

FileSizeLimit::FileSizeLimit(long bytes)
{
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    previous_[0] = static_cast<long>(old.rlim_cur);
    previous_[1] = static_cast<long>(old.rlim_max);
    // The signal the limit sends would end the process; the write fails instead.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit()
{
    const rlimit old{static_cast<rlim_t>(previous_[0]), static_cast<rlim_t>(previous_[1])};
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler_);
}

NoNewFiles::NoNewFiles()
{
    rlimit old{};
    ::getrlimit(RLIMIT_NOFILE, &old);
    previous_[0] = static_cast<long>(old.rlim_cur);
    previous_[1] = static_cast<long>(old.rlim_max);
    // Descriptors 0 to 2 are taken: every new one would be 3 or above.
    rlimit none = old;
    none.rlim_cur = 3;
    ::setrlimit(RLIMIT_NOFILE, &none);
}

NoNewFiles::~NoNewFiles()
{
    const rlimit old{static_cast<rlim_t>(previous_[0]), static_cast<rlim_t>(previous_[1])};
    ::setrlimit(RLIMIT_NOFILE, &old);
}

std::string ProgramPath()
{
    const char* program = std::getenv("SZ_PROGRAM");
    return program ? program : "";
}

ProgramResult RunProgram(const std::string& arguments, const fs::path& workingDir)
{
    return RunCommand("'" + ProgramPath() + "' " + arguments, workingDir);
}

ProgramResult RunCommand(const std::string& command, const fs::path& workingDir)
{
    TempDir scratch;
    const fs::path err = scratch.Path() / "stderr.txt";
    const std::string line = "cd '" + workingDir.string() + "' && " + command + " 2>'" + err.string() + "' >/dev/null";
    const int raw = std::system(line.c_str());
    ProgramResult result;
    if (raw != -1 && WIFEXITED(raw))
        result.status = WEXITSTATUS(raw);
    std::ifstream in(err, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    result.errors = ss.str();
    return result;
}

bool LinkGeneratedTree(const fs::path& root)
{
    const fs::path built = fs::path(SZ_BINARY_DIR);
    if (!fs::exists(built / "Data" / ".generated"))
        return false;
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(built / "Data"))
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), root / "Data" / entry.path().filename());
    if (fs::exists(built / "RESOURCE"))
        fs::create_directory_symlink(built / "RESOURCE", root / "RESOURCE");
    return true;
}

fs::path SourceDir()
{
    return fs::path(SZ_SOURCE_DIR);
}

fs::path GeneratedTreeDir()
{
    const fs::path built = fs::path(SZ_BINARY_DIR);
    return fs::exists(built / "Data" / ".generated") ? built : fs::path();
}

namespace {

// Links the entries of from into a new folder to, except the way down to the
// left-out file: way[depth] is the entry of this level on that way (none when
// depth is past the way's end).
void LinkEntriesExcept(const fs::path& from, const fs::path& to, const std::vector<fs::path>& way,
                       std::size_t depth)
{
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const fs::path name = entry.path().filename();
        if (depth < way.size() && name == way[depth]) {
            if (depth + 1 < way.size())
                LinkEntriesExcept(entry.path(), to / name, way, depth + 1);
            continue;
        }
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), to / name);
        else
            fs::create_symlink(entry.path(), to / name);
    }
}

}  // namespace

bool LinkGeneratedTreeWithout(const fs::path& root, const fs::path& relative)
{
    const fs::path built = GeneratedTreeDir();
    if (built.empty())
        return false;
    const std::vector<fs::path> way(relative.begin(), relative.end());
    const bool inData = !way.empty() && way[0] == "Data";
    // Data is a folder of its own in every case: the settings are written there.
    LinkEntriesExcept(built / "Data", root / "Data", way, inData ? 1 : way.size());
    if (fs::exists(built / "RESOURCE")) {
        if (!way.empty() && way[0] == "RESOURCE")
            LinkEntriesExcept(built / "RESOURCE", root / "RESOURCE", way, 1);
        else
            fs::create_directory_symlink(built / "RESOURCE", root / "RESOURCE");
    }
    return true;
}
