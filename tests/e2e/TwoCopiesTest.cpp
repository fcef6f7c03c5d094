// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program on one folder at once, as two users on one
// shared folder run it (each copy has its own lock, so both run): games that
// end at the same moment must all be in the statistics file, and every run
// counted in the settings.
#include <gtest/gtest.h>

#include <string>

#include "platform/IniFile.h"
#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/ScreenTour.h"

TEST(TwoCopies, GamesEndingTogetherOnOneFolderAreAllRecordedAndEveryRunIsCounted)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    TempDir root, work;
    ASSERT_TRUE(LinkGeneratedTree(root.Path()));
    // Each copy plays a train game and is closed in the middle of it: the game is recorded.
    work.Write("script.txt", GameTour({1024, 768}, 1, "wait 2000\n"));
    const std::string run = "'" + ProgramPath() + "' --headless --screen 1024x768 --root '" + root.Path().string() +
                            "' --script '" + (work.Path() / "script.txt").string() + "'";
    // Both copies start together; the second's exit status and the first's are both checked.
    work.Write("pair.sh", "mkdir -p a b\n"
                          "XDG_RUNTIME_DIR=\"$PWD/a\" " + run + " & first=$!\n"
                          "XDG_RUNTIME_DIR=\"$PWD/b\" " + run + "; second=$?\n"
                          "wait $first; exit $(( $? | second ))\n");
    constexpr int kPairs = 15;
    for (int i = 0; i < kPairs; ++i) {
        const ProgramResult r = RunCommand("sh pair.sh", work.Path());
        ASSERT_EQ(r.status, 0) << "pair " << i << ": " << r.errors;
    }
    EXPECT_EQ(WholeStatisticsRecords(root.Path()), 2 * kPairs);
    // The first run makes the file with 0, every later one counts itself.
    CIniFile settings(root.Path() / "Data" / "data.ini");
    EXPECT_EQ(settings.ReadInteger("DaneProgramu", "LU", -1), 2 * kPairs - 1);
}
