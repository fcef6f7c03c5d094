// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: the verbs and the options that belong to them.
#include <gtest/gtest.h>

#include "core/CommandLine.h"

namespace {

bool Parse(const std::vector<std::string>& args, CommandLine& cmd, std::string& error)
{
    cmd = CommandLine{};
    error.clear();
    return ParseCommandLine(args, cmd, error);
}

}  // namespace

TEST(CommandLine, ReportVerbTakesAnOutputFolderAndNeedsNoScript)
{
    CommandLine cmd;
    std::string error;
    ASSERT_TRUE(Parse({"--root", "/tmp/x", "raport", "--out", "wyniki"}, cmd, error)) << error;
    EXPECT_TRUE(cmd.report);
    EXPECT_FALSE(cmd.maintenance);
    EXPECT_EQ(cmd.reportDir, "wyniki");
    EXPECT_EQ(cmd.root, "/tmp/x");
    EXPECT_TRUE(Parse({"--headless", "raport"}, cmd, error)) << error;

    // --out means nothing without the report, and the two verbs exclude each other.
    EXPECT_FALSE(Parse({"--out", "wyniki"}, cmd, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(Parse({"z", "raport"}, cmd, error));
    EXPECT_FALSE(Parse({"raport", "--out"}, cmd, error));
    EXPECT_FALSE(Parse({"--headless"}, cmd, error));

    // A note belongs to the report; a child is named by --dziecko or by its
    // directory, not both.
    ASSERT_TRUE(Parse({"raport", "--dziecko", "Ola", "--notatka", "Dobrze", "--dzien", "2026-12-01"}, cmd, error));
    EXPECT_EQ(cmd.child, "Ola");
    EXPECT_EQ(cmd.noteDay, "2026-12-01");
    EXPECT_FALSE(Parse({"--notatka", "Dobrze"}, cmd, error));
    EXPECT_FALSE(Parse({"raport", "--dzien", "2026-12-01"}, cmd, error));
    EXPECT_FALSE(Parse({"--root", "/tmp/x", "--dziecko", "Ola"}, cmd, error));
}

TEST(CommandLine, VoiceVerbWantsExactlyOneOfExportAndImport)
{
    CommandLine cmd;
    std::string error;
    ASSERT_TRUE(Parse({"--root", "/tmp/x", "glos", "--eksport", "glos.tar"}, cmd, error)) << error;
    EXPECT_TRUE(cmd.voice);
    EXPECT_EQ(cmd.voiceExport, "glos.tar");
    ASSERT_TRUE(Parse({"glos", "--import", "nagrania"}, cmd, error)) << error;
    EXPECT_EQ(cmd.voiceImport, "nagrania");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"glos"}, {"glos", "--eksport", "a", "--import", "b"}, {"--import", "b"}, {"glos", "raport", "--import", "b"}})
        EXPECT_FALSE(Parse(bad, cmd, error)) << bad.size();
}
