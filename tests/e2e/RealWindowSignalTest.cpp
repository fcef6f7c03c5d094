// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a real window (under a virtual X server) ended by
// SIGTERM, as a logout ends it, while it waits: over the message box, in a
// game that goes on to its summary, and over a system message box. Each must
// end at once, its game recorded and its settings saved, not after the next
// input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "platform/IniFile.h"
#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/ScreenTour.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Runs a program in workingDir, its standard error into errors.txt there.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment,
            const fs::path& workingDir)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env(extraEnvironment);
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const std::string errors = (workingDir / "errors.txt").string();
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits until `done` holds, checking now and then; false at the deadline.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The exit status once the process has ended within the time, else -1 (and
// the process is killed).
int ExitWithin(pid_t pid, std::chrono::milliseconds limit)
{
    int status = 0;
    if (WaitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, limit))
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

bool HasChild(pid_t parent)
{
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        long ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 && ppid == parent)
            return true;
    }
    return false;
}

class RealWindowSignal : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramPath().empty() || !LinkGeneratedTree(root_.Path()))
            GTEST_SKIP() << "no program or no generated data tree";
        // A display of its own, whose number the server chooses.
        const fs::path number = work_.Path() / "display";
        xvfb_ = Spawn({"sh", "-c", "exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>'" +
                                       number.string() + "'"},
                      {}, work_.Path());
        std::string display;
        if (xvfb_ < 0 || !WaitUntil(
                             [&] {
                                 std::ifstream in(number);
                                 return static_cast<bool>(std::getline(in, display)) && !display.empty();
                             },
                             20s))
            GTEST_SKIP() << "no virtual X server (Xvfb)";
        display_ = ":" + display;
    }

    void TearDown() override
    {
        if (xvfb_ > 0) {
            ::kill(xvfb_, SIGTERM);
            ::waitpid(xvfb_, nullptr, 0);
        }
    }

    // Starts the program in a window with a script; the script's "shot" tells
    // when it got there (its files are named relative to the work folder).
    pid_t Start(const std::string& script)
    {
        // The script's lines run in real time from the start: the menu is
        // waited for first.
        work_.Write("script.txt", "wait 1500\n" + script);
        fs::create_directories(work_.Path() / "run");
        return Spawn({ProgramPath(), "--windowed", "--screen", "1024x768", "--seed", "3", "--root",
                      root_.Path().string(), "--script", (work_.Path() / "script.txt").string()},
                     {"DISPLAY=" + display_, "SDL_AUDIODRIVER=dummy", "XDG_RUNTIME_DIR=" + (work_.Path() / "run").string()},
                     work_.Path());
    }

    // The script got as far as its "shot" line while the program still runs.
    bool Reached(pid_t program, const std::string& shot)
    {
        int status = 0;
        bool ended = false;
        WaitUntil([&] { return fs::exists(work_.Path() / shot) || (ended = ::waitpid(program, &status, WNOHANG) == program); },
                  60s);
        return !ended && fs::exists(work_.Path() / shot);
    }

    std::string Errors() const { return work_.Read("errors.txt"); }

    TempDir root_, work_;
    pid_t xvfb_ = -1;
    std::string display_;
};

const ScreenSize kScreen{1024, 768};

std::string At(TPoint p)
{
    return Click({p.x + 12, p.y + 12});
}

}  // namespace

TEST_F(RealWindowSignal, OverTheMessageBoxTheProgramEndsAtOnceAndSavesItsSettings)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(kScreen.width, kScreen.height));
    // No sound chosen: the start button shows "too few words" and waits.
    const pid_t program =
        Start("expect form FormMain\n" + At(l.sounds[0]) + At(l.start) +
              "wait 500\nexpect form FormKomunikat\nshot box.png\nwait 120000\n");
    ASSERT_GT(program, 0);
    ASSERT_TRUE(Reached(program, "box.png")) << Errors();
    ::kill(program, SIGTERM);
    EXPECT_EQ(ExitWithin(program, 15s), 0) << Errors();
    CIniFile ini(root_.Path() / "Data" / "data.ini");
    EXPECT_EQ(ini.ReadInteger("Pociag", "Gloski", -1), 0);
}

TEST_F(RealWindowSignal, InTheConveyorGameTheGameIsRecordedAndItsSummaryClosedAtOnce)
{
    const pid_t program = Start("expect form FormMain\n" + Click(TabPoint(kScreen, 5)) +
                                At(MainMenuLayout(CDisplay(kScreen.width, kScreen.height)).start) +
                                "wait 2000\nshot game.png\nwait 120000\n");
    ASSERT_GT(program, 0);
    ASSERT_TRUE(Reached(program, "game.png")) << Errors();
    ::kill(program, SIGTERM);
    EXPECT_EQ(ExitWithin(program, 15s), 0);
    EXPECT_EQ(WholeStatisticsRecords(root_.Path()), 1);
}

TEST_F(RealWindowSignal, OverASystemMessageBoxTheBoxClosesAndTheProgramEnds)
{
    // Without its fonts the program shows the missing-resources message in
    // a system box and ends when it is closed.
    fs::remove(root_.Path() / "Data" / "Intf");
    fs::create_directories(root_.Path() / "Data" / "Intf");
    const pid_t program = Start("key Escape\n");
    ASSERT_GT(program, 0);
    // The box is a process of its own.
    ASSERT_TRUE(WaitUntil([&] { return HasChild(program); }, 60s));
    std::this_thread::sleep_for(300ms);
    ::kill(program, SIGTERM);
    EXPECT_EQ(ExitWithin(program, 15s), 0);
}
