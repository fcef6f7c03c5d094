// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user starts it, run headless from scripts on the
// generated data tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "platform/IniFile.h"
#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/SoundPlayer.h"
#include "platform/SingleInstance.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramPath().empty())
            GTEST_SKIP() << "SZ_PROGRAM is not set";
        if (!LinkGeneratedTree(root_.Path()))
            GTEST_SKIP() << "no generated data tree beside the program";
    }

    ProgramResult Run(const std::string& script, const std::string& screen = "1024x768")
    {
        work_.Write("script.txt", script);
        return RunProgram("--headless --seed 7 --screen " + screen + " --root '" + root_.Path().string() +
                              "' --script '" + (work_.Path() / "script.txt").string() + "'",
                          work_.Path());
    }

    std::string At(TPoint p, int dx = 8, int dy = 8)
    {
        return std::to_string(p.x + dx) + " " + std::to_string(p.y + dy);
    }

    TempDir root_;
    TempDir work_;
};

}  // namespace

TEST_F(Startup, OpensTheMenuAndEscapeSavesTheChangedSettings)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    // Tab 2 (suction cups) sits in the band 140..213 of the strip.
    const std::string tab2 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 170);
    const ProgramResult r = Run("expect form FormMain\n"
                                "click " + tab2 + "\n"
                                "click " + At(l.amounts[2]) + "\n"     // many
                                "click " + At(l.sounds[4]) + "\n"      // S on
                                "click " + At(l.sounds[0]) + "\n"      // SZ off
                                "click " + At(l.positions[2]) + "\n"   // final on
                                "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    CIniFile ini(root_.Path() / "Data" / "data.ini");
    EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), 2);
    EXPECT_EQ(ini.ReadInteger("DaneProgramu", "LU", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Przyssawki", "Poziom", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Przyssawki", "Gloski", 0), 0x010);
    EXPECT_EQ(ini.ReadInteger("Przyssawki", "Pozycja", 0), 0x5000);
    // The other games keep their own settings.
    EXPECT_EQ(ini.ReadInteger("Pociag", "Gloski", 0), 0x001);
    EXPECT_EQ(ini.ReadInteger("Pociag", "Poziom", 0), 1);

    // The next start counts the run and opens the same tab.
    const ProgramResult again = Run("expect form FormMain\nkey Escape\n");
    ASSERT_EQ(again.status, 0) << again.errors;
    CIniFile second(root_.Path() / "Data" / "data.ini");
    EXPECT_EQ(second.ReadInteger("DaneProgramu", "LU", -1), 1);
    EXPECT_EQ(second.ReadInteger("DaneProgramu", "Zakladka", 0), 2);
}

TEST_F(Startup, TooFewWordsShowMessageThreeAndTheRecordingTabIsNeverReopened)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const std::string tab3 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 260);
    const std::string tab6 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 500);
    // The message box is centred on the menu; its stop button sits at (180, 150).
    const std::string stop = std::to_string((1024 - 420) / 2 + 190) + " " + std::to_string((768 - 250) / 2 + 160);
    const ProgramResult r = Run("click " + tab3 + "\n"
                                "click " + At(l.sounds[0]) + "\n"  // the memory game's only sound off
                                "click " + At(l.start) + "\n"
                                "expect form FormKomunikat\n"
                                "click " + stop + "\n"
                                "expect form FormMain\n"
                                "click " + tab6 + "\n"
                                "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    CIniFile ini(root_.Path() / "Data" / "data.ini");
    EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), 6);
    const ProgramResult again = Run("key Escape\n");
    ASSERT_EQ(again.status, 0) << again.errors;
    CIniFile second(root_.Path() / "Data" / "data.ini");
    EXPECT_EQ(second.ReadInteger("DaneProgramu", "Zakladka", 0), 1);
}

TEST_F(Startup, FatalConditionsEndInOneMessage)
{
    const ProgramResult tooSmall = Run("key Escape\n", "800x599");
    EXPECT_EQ(tooSmall.status, 0);
    EXPECT_NE(tooSmall.errors.find("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą."),
              std::string::npos)
        << tooSmall.errors;
    EXPECT_FALSE(fs::exists(root_.Path() / "Data" / "data.ini"));

    // A data tree without its fonts: the missing-resources message.
    fs::remove(root_.Path() / "Data" / "Intf");
    fs::create_directories(root_.Path() / "Data" / "Intf");
    const ProgramResult noFonts = Run("key Escape\n");
    EXPECT_EQ(noFonts.status, 0);
    EXPECT_NE(noFonts.errors.find("Brak zasobów !"), std::string::npos) << noFonts.errors;
}

TEST_F(Startup, ASecondCopyOnTheSameFolderRaisesTheFirstSaysSoAndEndsWithStatusFour)
{
    // This test plays the first copy: it holds the lock of the program
    // directory and answers the request to raise its window. The second
    // reaches the folder through a link: still the same folder.
    SingleInstance first("szeptaczki-cz6", root_.Path());
    ASSERT_TRUE(first.Acquire());
    bool raised = false;
    first.SetOnRaiseRequest([&] { raised = true; });
    fs::create_symlink(root_.Path(), work_.Path() / "link");
    work_.Write("script.txt", "key Escape\n");
    const ProgramResult r = RunProgram("--headless --root '" + (work_.Path() / "link" / "").string() +
                                           "' --script '" + (work_.Path() / "script.txt").string() + "'",
                                       work_.Path());
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.errors.find("another copy of the program is running"), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors.find("Aplikacja jest aktualnie uruchomiona."), std::string::npos) << r.errors;
    EXPECT_FALSE(fs::exists(root_.Path() / "Data" / "data.ini"));
    RunPostedCallbacks();
    EXPECT_TRUE(raised);
}

TEST_F(Startup, WithoutADisplayAWindowNobodySeesIsRefused)
{
    // SDL falls back to drivers that draw into memory: the program would run
    // for ever with nothing shown. Only --headless runs that way.
    for (const char* driver : {"offscreen", "dummy"}) {
        const ProgramResult r =
            RunCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=") + driver + " timeout 60 '" +
                           ProgramPath() + "' --windowed --root '" + root_.Path().string() + "'",
                       work_.Path());
        EXPECT_EQ(r.status, 1) << driver << ": " << r.errors;
        EXPECT_NE(r.errors.find("no display"), std::string::npos) << r.errors;
    }
}

TEST_F(Startup, AScriptOpensTheMemoryGameStopsItAndComesBack)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const std::string tab3 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 260);
    const std::string summaryStop = std::to_string((1024 - 600) / 2 + 355) + " " + std::to_string((768 - 450) / 2 + 360);
    const ProgramResult r = Run("click " + tab3 + "\n"
                                "click " + At(l.start, 20, 20) + "\n"
                                "wait 500\n"
                                "expect form FormMemory3\n"
                                "key Escape\n"
                                "expect form FormKoniecGry\n"
                                "click " + summaryStop + "\n"
                                "expect form FormMain\n"
                                "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    // The stopped game is recorded: the header and one record.
    EXPECT_EQ(fs::file_size(root_.Path() / "prgst6.stt"), 20u + 44u);
}

TEST_F(Startup, TheAboutButtonOpensTheAboutScreenAndEscapeComesBack)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const ProgramResult r = Run("expect form FormMain\n"
                                "click " + At(l.about, 30, 25) + "\n"
                                "wait 100\n"
                                "expect form FormOProgramie\n"
                                "key Escape\n"
                                "expect form FormMain\n"
                                "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
}

TEST_F(Startup, AScriptRecordsASlotAndPlaysItBack)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const std::string tab6 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 500);
    // The first row's name field: rows start at (768 / 70) * 22 = 220, the field at x = 244 + 26.
    const ProgramResult r = Run("click " + tab6 + "\n"
                                "click 300 232\n"
                                "type Ola Żak\n"
                                "click " + At(l.record, 20, 20) + "\n"
                                "wait 2000\n"
                                "click " + At(l.stop, 20, 20) + "\n"
                                "click " + At(l.play, 20, 20) + "\n"
                                "wait 2500\n"
                                "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    std::string wave;
    ASSERT_TRUE(ReadWholeFile(root_.Path() / "Nagrane" / "Nagranie0.wav", wave));
    const int ms = WaveDurationMs(wave);
    EXPECT_GE(ms, 1900);
    EXPECT_LE(ms, 2200);
    CIniFile slots(root_.Path() / "Nagrane" / "record.xtr");
    EXPECT_EQ(slots.ReadString("Nagranie0", "Nazwa", ""), "Ola Żak"_cp);
    EXPECT_EQ(slots.ReadString("Nagranie0", "Plik", ""), "Nagranie0");
    EXPECT_FALSE(slots.ReadString("Nagranie0", "Data", "").empty());
}

TEST_F(Startup, TheResourceCheckFindsTheGeneratedTreeComplete)
{
    const ProgramResult r = RunProgram("--headless --root '" + root_.Path().string() + "' z", work_.Path());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.errors.find("Wszystkie zasoby słów istnieją."), std::string::npos) << r.errors;
    EXPECT_FALSE(fs::exists(work_.Path() / fs::path("Raport zasobów.txt")));
}
