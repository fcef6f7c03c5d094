// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a full disk and on a read-only folder (each made for the
// run in a mount namespace of its own): a game's record and a recording that
// cannot be saved are told with their real cause, the game goes on to its
// summary, and the files stay as they were. The game's answers, which the
// child's journal cannot take either, are told once.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/MainMenuLayout.h"
#include "core/StatisticsFile.h"
#include "graphics/CDisplay.h"
#include "platform/Text.h"
#include "screens/FormKomunikat.h"
#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/ScreenTour.h"

namespace fs = std::filesystem;

namespace {

const ScreenSize kScreen{1024, 768};

// A recording into the first slot, which cannot be made, told and closed;
// then a game of the train, ended by closing the window.
std::string RecordThenPlay()
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(kScreen.width, kScreen.height));
    const TPoint firstName{280, 230};  // the first row's name field in 1024 x 768
    auto inside = [](TPoint p) { return Click({p.x + 12, p.y + 12}); };
    return "expect form FormMain\n" + Click(TabPoint(kScreen, 6)) + Click(firstName) + "type Ola\n" +
           inside(l.record) + "wait 300\n" + inside(l.stop) + "wait 100\nexpect form FormKomunikat\n" +
           Click(MessageBoxStop(kScreen)) + GameTour(kScreen, 1, "wait 2000\n");
}

int TimesTold(const ProgramResult& r, int message)
{
    const std::string text = Cp1250ToUtf8(TFormKomunikat::MessageText(message));
    int times = 0;
    for (std::size_t at = r.errors.find(text); at != std::string::npos; at = r.errors.find(text, at + 1))
        ++times;
    return times;
}

bool Told(const ProgramResult& r, int message)
{
    return TimesTold(r, message) > 0;
}

class UnsavedRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramPath().empty() || !LinkGeneratedTree(prepared_.Path()))
            GTEST_SKIP() << "no program or no generated data tree";
        if (RunCommand("unshare -rm true", work_.Path()).status != 0)
            GTEST_SKIP() << "no mount namespaces here";
        // A first run makes the settings, the statistics file and the recording list.
        ASSERT_EQ(RunHeadless(prepared_.Path(), "key Escape\n").status, 0);
        work_.Write("script.txt", RecordThenPlay());
        program_ = "'" + ProgramPath() + "' --headless --screen 1024x768 --script '" +
                   (work_.Path() / "script.txt").string() + "' --root ";
    }

    TempDir prepared_, work_;
    std::string program_;
};

}  // namespace

TEST_F(UnsavedRecords, OnAReadOnlyFolderTheyAreToldAsSuchAndNothingChanges)
{
    const std::string root = "'" + prepared_.Path().string() + "'";
    const std::string statistics = prepared_.Read("prgst6.stt"), list = prepared_.Read("Nagrane/record.xtr");
    const ProgramResult r = RunCommand("unshare -rm sh -c \"mount --bind " + root + " " + root +
                                           " && mount -o remount,bind,ro " + root + " && " + program_ + root + "\"",
                                       work_.Path());
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(Told(r, TFormKomunikat::RecordingNotSavedMessage(FileProblem::ReadOnly))) << r.errors;
    EXPECT_TRUE(Told(r, TFormKomunikat::GameNotSavedMessage(FileProblem::ReadOnly))) << r.errors;
    EXPECT_EQ(TimesTold(r, TFormKomunikat::JournalNotWrittenMessage(FileProblem::ReadOnly)), 1) << r.errors;
    EXPECT_EQ(prepared_.Read("prgst6.stt"), statistics);
    EXPECT_EQ(prepared_.Read("Nagrane/record.xtr"), list);
}

TEST_F(UnsavedRecords, OnAFullDiskTheyAreToldAsSuchAndTheFilesKeepOnlyWholeRecords)
{
    // So many records that the next one needs a block the disk has not got.
    std::string statistics = prepared_.Read("prgst6.stt");
    statistics += std::string(92 * 44, '\0');
    prepared_.Write("prgst6.stt", statistics);
    const std::string list = prepared_.Read("Nagrane/record.xtr");
    TempDir disk, kept;
    const std::string d = "'" + disk.Path().string() + "'";
    const ProgramResult r = RunCommand(
        "unshare -rm sh -c \"mount -t tmpfs -o size=512k tmpfs " + d + " && cp -a '" + prepared_.Path().string() +
            "/.' " + d + " && { dd if=/dev/zero of=" + d + "/fill bs=4k 2>/dev/null; true; } && " + program_ + d +
            "; status=\\$?; cp " + d + "/prgst6.stt " + d + "/Nagrane/record.xtr '" + kept.Path().string() +
            "'; exit \\$status\"",
        work_.Path());
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_TRUE(Told(r, TFormKomunikat::RecordingNotSavedMessage(FileProblem::DiskFull))) << r.errors;
    EXPECT_TRUE(Told(r, TFormKomunikat::GameNotSavedMessage(FileProblem::DiskFull))) << r.errors;
    EXPECT_EQ(TimesTold(r, TFormKomunikat::JournalNotWrittenMessage(FileProblem::DiskFull)), 1) << r.errors;
    EXPECT_EQ(kept.Read("prgst6.stt"), statistics);
    EXPECT_EQ(kept.Read("record.xtr"), list);
}
