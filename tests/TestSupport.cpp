#include "tests/TestSupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include <unistd.h>

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
