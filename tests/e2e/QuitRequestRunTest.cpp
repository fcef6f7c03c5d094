// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program closed by the window manager (the script's "quit") in the
// middle of a game or a recording: the game is recorded as if stopped, the
// recording is kept and the settings are saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/CCheckBut.h"
#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "platform/IniFile.h"
#include "platform/Edit.h"
#include "platform/Paths.h"
#include "platform/WaveFile.h"
#include "recording/CNagData.h"
#include "recording/CNagrywanie.h"
#include "tests/TestSupport.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/e2e/XvfbDisplay.h"

namespace fs = std::filesystem;

namespace {

const SMainMenuLayout kLayout = MainMenuLayout(CDisplay(1024, 768));

std::string ClickTab(int tab)
{
    static constexpr int kBandMiddles[6] = {76, 176, 264, 347, 429, 510};
    return "click " + std::to_string(kLayout.tabStrip.x + 100) + " " +
           std::to_string(kLayout.tabStrip.y + kBandMiddles[tab - 1]) + "\n";
}

std::string Click(TPoint p)
{
    return "click " + std::to_string(p.x + 8) + " " + std::to_string(p.y + 8) + "\n";
}

uint32_t U32At(const std::string& s, std::size_t at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(s[at + i])) << (8 * i);
    return v;
}

}  // namespace

TEST(QuitRequestRun, AGameRunningWhenTheWindowClosesIsRecordedAndTheSettingsSaved)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    for (int tab : {1, 2, 3, 4, 5}) {
        TempDir root, work;
        ASSERT_TRUE(LinkGeneratedTree(root.Path()));
        // A change on another tab must survive: the settings are saved. (The
        // conveyor has too few words for "many" with the default sounds.)
        const int other = tab == 5 ? 1 : 5;
        work.Write("script.txt", "expect form FormMain\n" + ClickTab(other) + Click(kLayout.amounts[2]) + ClickTab(tab) +
                                     Click(kLayout.start) + "wait 3000\nquit\nwait 1000\nclick 5 5\n");
        const ProgramResult r = RunProgram("--headless --seed 4 --screen 1024x768 --root '" + root.Path().string() +
                                               "' --script '" + (work.Path() / "script.txt").string() + "'",
                                           work.Path());
        EXPECT_EQ(r.status, 0) << tab << ": " << r.errors;
        const std::string stats = root.Read("prgst6.stt");
        ASSERT_EQ(stats.size(), 20u + 44u) << tab;
        EXPECT_EQ(U32At(stats, 20), static_cast<uint32_t>(tab));
        EXPECT_EQ(static_cast<uint8_t>(stats[20 + 30]), 0) << "stopped early";
        CIniFile ini(root.Path() / "Data" / "data.ini");
        EXPECT_EQ(ini.ReadInteger(other == 5 ? "Tasmociag" : "Pociag", "Poziom", 0), 3) << tab;
        EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), tab);
    }
}

TEST(QuitRequestRun, ARecordingRunningWhenTheWindowClosesIsStoppedAndKept)
{
    ProgramRig rig(1024, 768, "wait 1500\nquit\n", 5);
    if (!rig.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_NE(FormMain, nullptr);
    CNagData& slots = FormMain->Recordings();
    slots.CheckButton(1).GetControl().Click();
    slots.NameField(1).SetText("Ola");
    FormMain->A_Rec_Rec.Execute();
    ASSERT_TRUE(FormMain->Recorder().IsRecording());
    EXPECT_EQ(rig.Run(), 0);
    EXPECT_FALSE(FormMain->Recorder().IsRecording());
    WaveData wave;
    ASSERT_TRUE(LoadWaveFile(rig.Dir().Path() / "Nagrane" / "Nagranie1.wav", wave));
    EXPECT_GE(wave.DurationMs(), 1400);
    EXPECT_EQ(slots.Slot(1).file, "Nagranie1");
    EXPECT_EQ(FormatSlotDate(slots.Slot(1).date), "05.01.2026");
}

TEST(QuitRequestRun, AScriptsQuitClosesTheRealWindowAsTheWindowManagerWould)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    XvfbDisplay x(1024, 768);
    if (!x.Ready())
        GTEST_SKIP() << "no Xvfb";
    TempDir root, work;
    ASSERT_TRUE(LinkGeneratedTree(root.Path()));
    // Were the quit lost, the program would wait and then fail the expect.
    work.Write("script.txt", "expect form FormMain\n" + ClickTab(1) + Click(kLayout.start) +
                                 "wait 1500\nquit\nwait 15000\nexpect form NoSuchForm\n");
    const ProgramResult r =
        RunCommand("DISPLAY=" + x.Name() + " SDL_AUDIODRIVER=dummy '" + ProgramPath() +
                       "' --windowed --seed 4 --screen 1024x768 --root '" + root.Path().string() + "' --script '" +
                       (work.Path() / "script.txt").string() + "'",
                   work.Path());
    EXPECT_EQ(r.status, 0) << r.errors;
    const std::string stats = root.Read("prgst6.stt");
    ASSERT_EQ(stats.size(), 20u + 44u) << "the train stopped and recorded";
    EXPECT_EQ(U32At(stats, 20), 1u);
}
