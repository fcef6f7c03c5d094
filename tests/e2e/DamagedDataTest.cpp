// The whole program on data that went wrong: a recording the disk has no room
// for, interface pictures too small for their screen, a folder where the
// recording list should be.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controls/CCheckBut.h"
#include "core/FormMain.h"
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
    // The disk fills up while the child speaks: nothing can be written.
    fs::create_directories(rig.Dir().Path() / "Nagrane" / "Nagranie0.wav.tmp");
    FormMain->MPStop.Execute();

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
    fs::remove_all(rig.Dir().Path() / "Nagrane" / "Nagranie0.wav.tmp");
    FormKomunikat->SetMessage(0);
    FormMain->A_Rec_Rec.Execute();
    ASSERT_TRUE(FormMain->Recorder().IsRecording());
    FormMain->MPStop.Execute();
    EXPECT_EQ(FormKomunikat->MessageNumber(), 0);
    EXPECT_EQ(FormatSlotDate(slots.Slot(0).date), "05.01.2026");
    EXPECT_NE(rig.Dir().Read("Nagrane/Nagranie0.wav"), OldRecording());
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
