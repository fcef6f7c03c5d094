// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on data that went wrong: a recording the disk has no room
// for, interface pictures too small for their screen, a folder where the
// recording list should be.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/CCheckBut.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/Program.h"
#include "graphics/Jpeg.h"
#include "platform/Edit.h"
#include "platform/Text.h"
#include "platform/WaveFile.h"
#include "recording/CNagData.h"
#include "recording/CNagrywanie.h"
#include "screens/FormKomunikat.h"
#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/ProgramRig.h"

namespace fs = std::filesystem;

namespace {

std::string OldRecording()
{
    return BuildRecordingWave(std::vector<int16_t>(2205, 1000));
}

}  // namespace

TEST(DamagedData, ARecordingThatCannotBeSavedIsToldAndTheSlotKeepsItsOldDateAndFile)
{
    ProgramRig rig(1024, 768, "", 5, false, [](const TempDir& dir) {
        dir.Write("Nagrane/record.xtr", "[Nagranie0]\nPlik=Nagranie0\nNazwa=Ola\nData=02.01.2026\n");
        dir.Write("Nagrane/Nagranie0.wav", OldRecording());
    });
    if (!rig.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_NE(FormMain, nullptr);
    CNagData& slots = FormMain->Recordings();
    ASSERT_EQ(FormatSlotDate(slots.Slot(0).date), "02.01.2026");
    slots.CheckButton(0).GetControl().Click();
    ASSERT_EQ(slots.SelectedRow(), 0);

    FormMain->A_Rec_Rec.Execute();
    ASSERT_TRUE(FormMain->Recorder().IsRecording());
    // Until the recording is in its file the list keeps the slot as it was:
    // a program killed now leaves no slot dated today over an old recording.
    EXPECT_NE(rig.Dir().Read("Nagrane/record.xtr").find("Data=02.01.2026"), std::string::npos);
    // The disk fills up while the child speaks: nothing can be written.
    {
        const FileSizeLimit full(10);
        FormMain->MPStop.Execute();
    }

    ASSERT_NE(FormKomunikat, nullptr);
    EXPECT_EQ(FormKomunikat->MessageNumber(), 12);
    EXPECT_NE(FormKomunikat->Text().find("nie zostało zapisane"_cp), std::string::npos);
    EXPECT_EQ(FormatSlotDate(slots.Slot(0).date), "02.01.2026");
    EXPECT_EQ(slots.DateText(0).Caption(), "02.01.2026");
    EXPECT_EQ(slots.Slot(0).file, "Nagranie0");
    EXPECT_EQ(rig.Dir().Read("Nagrane/Nagranie0.wav"), OldRecording());
    EXPECT_NE(rig.Dir().Read("Nagrane/record.xtr").find("Data=02.01.2026"), std::string::npos);
    EXPECT_FALSE(FormMain->Busy());

    // With room again, a recording is noted with today's date and no message.
    FormKomunikat->SetMessage(0);
    FormMain->A_Rec_Rec.Execute();
    ASSERT_TRUE(FormMain->Recorder().IsRecording());
    FormMain->MPStop.Execute();
    EXPECT_EQ(FormKomunikat->MessageNumber(), 0);
    EXPECT_EQ(FormatSlotDate(slots.Slot(0).date), "05.01.2026");
    EXPECT_NE(rig.Dir().Read("Nagrane/Nagranie0.wav"), OldRecording());
}

TEST(DamagedData, AGameThatCannotBeSavedIsToldOncePerRunAndTheNextGoesOn)
{
    ProgramRig rig(1024, 768, "", 5);
    if (!rig.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_NE(FormKomunikat, nullptr);
    const std::string before = rig.Dir().Read("prgst6.stt");
    for (int game = 0; game < 2; ++game) {
        FormKomunikat->SetMessage(0);
        StatRec->StartGame(UstPociag);
        StatRec->StopGame();
        const FileSizeLimit full(static_cast<long>(before.size()) + 10);
        EXPECT_FALSE(StatRec->Save(1));
        EXPECT_EQ(FormKomunikat->MessageNumber(), game == 0 ? 16 : 0) << game;
    }
    EXPECT_NE(FormKomunikat->MessageText(16).find("Wynik gry nie został zapisany"_cp), std::string::npos);
    EXPECT_EQ(rig.Dir().Read("prgst6.stt"), before);
}

TEST(DamagedData, PipesWhereTheSettingsAndTheRecordingListShouldBeStopNothing)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    TempDir root, work;
    ASSERT_TRUE(LinkGeneratedTree(root.Path()));
    fs::create_directories(root.Path() / "Nagrane");
    ASSERT_EQ(::mkfifo((root.Path() / "Data" / "data.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((root.Path() / "Nagrane" / "record.xtr").c_str(), 0600), 0);
    work.Write("script.txt", "expect form FormMain\nkey Escape\n");
    // Nothing writes into the pipes: a program that opens them waits for ever.
    const ProgramResult r = RunCommand("timeout 60 '" + ProgramPath() + "' --headless --root '" +
                                           root.Path().string() + "' --script script.txt",
                                       work.Path());
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_FALSE(ShowedAnError(r)) << r.errors;
    EXPECT_EQ(fs::status(root.Path() / "Data" / "data.ini").type(), fs::file_type::fifo);
}

TEST(DamagedData, WhatKilledWritesLeftIsClearedAtStartAndNothingElse)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    TempDir root;
    ASSERT_TRUE(LinkGeneratedTree(root.Path()));
    const char* const left[] = {"Nagrane/record.xtr.tmp", "Nagrane/Nagranie3.wav.tmp", "Data/data.ini.tmp.4242.0",
                                "prgst6.stt.tmp.17.3"};
    // Left by a run killed an hour ago.
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* file : left) {
        root.Write(file, "half");
        fs::last_write_time(root.Path() / file, anHourAgo);
    }
    root.Write("Nagrane/notatki.tmp", "not ours");
    EXPECT_EQ(RunHeadless(root.Path(), "key Escape\n").status, 0);
    for (const char* file : left)
        EXPECT_FALSE(fs::exists(root.Path() / file)) << file;
    EXPECT_EQ(root.Read("Nagrane/notatki.tmp"), "not ours");
}

TEST(DamagedData, ATabStripPictureTooSmallForItsTabsIsErrorOne)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    for (const std::string name : {"R3_mT1.xji", "R3_mT4.xji"}) {
        TempDir root;
        ASSERT_TRUE(LinkGeneratedTreeWithout(root.Path(), fs::path("Data/Intf/Spec") / name));
        root.Write("Data/Intf/Spec/" + name, EncodeJpeg(Bitmap(1, 1), 90));
        const ProgramResult r = RunHeadless(root.Path(), "expect form FormMain\nkey Escape\n");
        EXPECT_EQ(r.status, 0) << name;
        EXPECT_TRUE(ShowedMissingResources(r)) << name << ": " << r.errors;
    }
}

TEST(DamagedData, AFolderNamedLikeTheRecordingListStopsNothing)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    TempDir root;
    ASSERT_TRUE(LinkGeneratedTree(root.Path()));
    fs::create_directories(root.Path() / "Nagrane" / "record.xtr");
    fs::create_directories(root.Path() / "Data" / "data.ini");
    const ProgramResult r = RunHeadless(root.Path(), "expect form FormMain\nkey Escape\n");
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_FALSE(ShowedAnError(r)) << r.errors;
    EXPECT_TRUE(fs::is_directory(root.Path() / "Nagrane" / "record.xtr"));
}
