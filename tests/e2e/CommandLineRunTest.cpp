// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a user meets it: --help, --version and a wrong argument.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"
#include "tests/TestSupport.h"

TEST(CommandLineRun, HelpAndVersionEndWellAndAWrongArgumentGetsTheUsage)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    const TempDir work;
    // Standard output goes where RunCommand collects (its own redirections
    // come after the command's, so the program runs in a shell of its own).
    const auto toErrors = [](const std::string& args) {
        return "sh -c \"'" + ProgramPath() + "' " + args + " 1>&2\"";
    };
    const ProgramResult help = RunCommand(toErrors("--headless --help"), work.Path());
    EXPECT_EQ(help.status, 0);
    ASSERT_EQ(help.errors.rfind("Usage: szeptaczki ", 0), 0u) << help.errors;
    // The README gives the usage as the program prints it.
    std::string readme;
    ASSERT_TRUE(ReadWholeFile(SourceDir() / "README.md", readme));
    EXPECT_NE(readme.find("```\n" + help.errors + "```\n"), std::string::npos)
        << "README.md's usage differs from --help:\n" << help.errors;

    // The version is the newest changelog entry's.
    std::string changelog;
    ASSERT_TRUE(ReadWholeFile(SourceDir() / "packaging" / "debian" / "changelog", changelog));
    const std::size_t open = changelog.find('('), close = changelog.find(')');
    ASSERT_LT(open, close);
    const ProgramResult version = RunCommand(toErrors("--version"), work.Path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.errors, "szeptaczki " + changelog.substr(open + 1, close - open - 1) + "\n");

    for (const char* wrong : {"--bogus", "--screen 12", "raport --out"}) {
        const ProgramResult r = RunProgram(wrong, work.Path());
        EXPECT_EQ(r.status, 2) << wrong;
        EXPECT_EQ(r.errors.rfind("szeptaczki: ", 0), 0u) << r.errors;
        EXPECT_NE(r.errors.find("\n" + help.errors), std::string::npos) << wrong << ": " << r.errors;
    }
}
