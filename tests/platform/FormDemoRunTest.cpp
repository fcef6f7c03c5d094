// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "tests/TestSupport.h"

namespace {

const std::filesystem::path kDemo = std::filesystem::path(SZ_BINARY_DIR) / "szeptaczki-formdemo";

int RunDemo(const std::string& args)
{
    const std::string command = kDemo.string() + " " + args + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(FormDemoRun, ScriptedHeadlessRunWritesShotsAndReportsAFailedExpectWithStatus3)
{
    if (!std::filesystem::exists(kDemo))
        GTEST_SKIP() << "the demo is not built";
    TempDir dir;
    dir.Write("ok.txt",
              "wait 700\nclick 790 125\nexpect form FormDemoOkno\nshot " + (dir.Path() / "modal.png").string() +
                  "\nkey Escape\nexpect form FormDemo\n");
    dir.Write("bad.txt", "click 790 125\nexpect form FormDemo\n");
    EXPECT_EQ(RunDemo("--headless --script " + (dir.Path() / "ok.txt").string()), 0);
    EXPECT_GT(std::filesystem::file_size(dir.Path() / "modal.png"), 1000u);
    EXPECT_EQ(RunDemo("--headless --script " + (dir.Path() / "bad.txt").string()), 3);
    EXPECT_EQ(RunDemo("--headless --script " + (dir.Path() / "missing.txt").string()), 3);
}
