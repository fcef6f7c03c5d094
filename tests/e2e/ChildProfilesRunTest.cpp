// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's profiles as a therapist meets them: the real program, run
// from a folder of its own beside the data tree (as a build is), so that its
// user's folder is a practice with a folder per child.
#include <gtest/gtest.h>

#include <string>

#include "core/ChildNamePlate.h"
#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "platform/IniFile.h"
#include "screens/FormDzieci.h"
#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"

namespace fs = std::filesystem;

namespace {

// A practice: the program copied into a folder with the generated tree
// linked beside it. False when there is no program or tree.
bool MakePractice(const TempDir& dir)
{
    if (ProgramPath().empty() || !LinkGeneratedTree(dir.Path()))
        return false;
    std::error_code ec;
    fs::copy_file(ProgramPath(), dir.Path() / "szeptaczki", ec);
    return !ec;
}

ProgramResult RunPractice(const TempDir& dir, const std::string& script, const std::string& extra = {})
{
    TempDir work;
    work.Write("script.txt", script);
    return RunCommand("'" + (dir.Path() / "szeptaczki").string() + "' --headless --seed 4 --screen 1024x768 " +
                          extra + " --script '" + (work.Path() / "script.txt").string() + "'",
                      work.Path());
}

std::string At(TPoint p, int dx = 20, int dy = 20)
{
    return std::to_string(p.x + dx) + " " + std::to_string(p.y + dy);
}

// One game of memory stopped at once, from the menu back to the menu.
std::string MemoryGameStopped(const SMainMenuLayout& l)
{
    return "click " + At(l.tabStrip, 100, 260) + "\nclick " + At(l.start) +
           "\nwait 500\nexpect form FormMemory3\nkey Escape\nexpect form FormKoniecGry\nclick " +
           std::to_string((1024 - 600) / 2 + 355) + " " + std::to_string((768 - 450) / 2 + 360) +
           "\nexpect form FormMain\n";
}

}  // namespace

TEST(ChildProfilesRun, TodaysFilesBecomeTheFirstChildsAndTheProgramGoesOnWithThem)
{
    TempDir practice;
    if (!MakePractice(practice))
        GTEST_SKIP() << "no program or generated tree";
    const std::string stats = std::string("\x06\0\0\0", 4) + std::string(16, '\x02') + std::string(44, '\x03');
    const std::string wave(2000, '\x44');
    practice.Write("Data/data.ini", "[DaneProgramu]\r\nLU=7\r\nZakladka=3\r\n[Pociag]\r\nGloski=3\r\n");
    practice.Write("prgst6.stt", stats);
    practice.Write("Nagrane/record.xtr", "[Nagranie0]\r\nNazwa=Ola\r\nPlik=Nagranie0\r\n");
    practice.Write("Nagrane/Nagranie0.wav", wave);

    const ProgramResult r = RunPractice(practice, "expect form FormMain\nkey Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string child = "Dzieci/Dziecko 1/";
    EXPECT_EQ(practice.Read(child + "prgst6.stt"), stats);
    EXPECT_EQ(practice.Read(child + "Nagrane/Nagranie0.wav"), wave);
    EXPECT_NE(practice.Read(child + "Nagrane/record.xtr").find("Nazwa=Ola"), std::string::npos);
    CIniFile settings(practice.Path() / "Dzieci" / "Dziecko 1" / "Data" / "data.ini");
    EXPECT_EQ(settings.ReadInteger("DaneProgramu", "LU", 0), 8);
    EXPECT_EQ(settings.ReadInteger("Pociag", "Gloski", 0), 3);
    for (const char* old : {"prgst6.stt", "Nagrane", "Data/data.ini"})
        EXPECT_FALSE(fs::exists(practice.Path() / old)) << old;
    // No answer, no journal: a start alone makes no database.
    EXPECT_FALSE(fs::exists(practice.Path() / "Dzieci" / "Dziecko 1" / "dziennik.db"));
    // The data tree is not the child's: it stays where it was.
    EXPECT_TRUE(fs::exists(practice.Path() / "Data" / "Intf"));
}

TEST(ChildProfilesRun, SwitchingChildrenKeepsSettingsStatisticsAndRecordingsApart)
{
    TempDir practice;
    if (!MakePractice(practice))
        GTEST_SKIP() << "no program or generated tree";
    practice.Write("Dzieci/Ania/Data/data.ini", "[Pociag]\r\nGloski=1\r\n");
    practice.Write("Dzieci/Kuba/Data/data.ini", "[Pociag]\r\nGloski=1\r\n");
    practice.Write("dzieci.ini", "[Dzieci]\r\nAktywne=Ania\r\n");

    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const TPoint plate = ChildNamePlate::PlaceIn(CDisplay(1024, 768));
    const TPoint dialog{(1024 - TFormDzieci::kWidth) / 2, (768 - TFormDzieci::kHeight) / 2};
    const std::string kubaRow = At(dialog, 100, 70 + 40 + 20);
    const std::string choose = At(dialog, 336 + 84, 62 + 21);
    const ProgramResult r =
        RunPractice(practice, MemoryGameStopped(l) +
                                  // Ania records her voice.
                                  "click " + At(l.tabStrip, 100, 500) + "\nclick 300 232\ntype Ola\nclick " +
                                  At(l.record) + "\nwait 1500\nclick " + At(l.stop) +
                                  // Kuba takes her place, changes his train's sounds and plays twice.
                                  "\nclick " + At(plate, 40, 40) + "\nexpect form FormDzieci\nclick " + kubaRow +
                                  "\nclick " + choose + "\nexpect form FormMain\nclick " + At(l.tabStrip, 100, 60) +
                                  "\nclick " + At(l.sounds[1], 30, 15) + "\n" + MemoryGameStopped(l) +
                                  MemoryGameStopped(l) + "key Escape\n");
    ASSERT_EQ(r.status, 0) << r.errors;

    const fs::path ania = practice.Path() / "Dzieci" / "Ania";
    const fs::path kuba = practice.Path() / "Dzieci" / "Kuba";
    EXPECT_EQ(WholeStatisticsRecords(ania), 1);
    EXPECT_EQ(WholeStatisticsRecords(kuba), 2);
    EXPECT_TRUE(fs::exists(ania / "Nagrane" / "Nagranie0.wav"));
    EXPECT_EQ(CIniFile(ania / "Nagrane" / "record.xtr").ReadString("Nagranie0", "Nazwa", ""), "Ola");
    EXPECT_FALSE(fs::exists(kuba / "Nagrane" / "Nagranie0.wav"));
    EXPECT_EQ(CIniFile(kuba / "Nagrane" / "record.xtr").ReadString("Nagranie0", "Nazwa", ""), "");
    EXPECT_EQ(CIniFile(ania / "Data" / "data.ini").ReadInteger("Pociag", "Gloski", 0), 1);
    EXPECT_EQ(CIniFile(kuba / "Data" / "data.ini").ReadInteger("Pociag", "Gloski", 0), 3);
    EXPECT_EQ(CIniFile(practice.Path() / "dzieci.ini").ReadString("Dzieci", "Aktywne", ""), "Kuba");

    // The next start is Kuba's; --dziecko chooses another for this and the next.
    ASSERT_EQ(RunPractice(practice, "key Escape\n", "--dziecko ania").status, 0);
    EXPECT_EQ(CIniFile(practice.Path() / "dzieci.ini").ReadString("Dzieci", "Aktywne", ""), "Ania");
    const ProgramResult unknown = RunPractice(practice, "key Escape\n", "--dziecko Zenek");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.errors.find("Nie ma dziecka o imieniu \"Zenek\""), std::string::npos) << unknown.errors;

    // A note to Kuba's day, then the reports of the practice: each child's
    // beside its files, and the overview linking them.
    const std::string program = "'" + (practice.Path() / "szeptaczki").string() + "' raport";
    ASSERT_EQ(RunCommand(program + " --dziecko Kuba --notatka 'SZ w nagłosie lepiej'", practice.Path()).status, 0);
    const ProgramResult all = RunCommand(program, practice.Path());
    ASSERT_EQ(all.status, 0) << all.errors;
    EXPECT_NE(practice.Read("Dzieci/Kuba/Raport postępów.html").find("SZ w nagłosie lepiej"), std::string::npos);
    EXPECT_NE(practice.Read("Dzieci/Ania/Raport postępów.html").find("Raport postępów — Ania"), std::string::npos);
    const std::string overview = practice.Read("Raport postępów - dzieci.html");
    EXPECT_NE(overview.find("href=\"Dzieci/Kuba/Raport%20post%C4%99p%C3%B3w.html\">Kuba</a>"), std::string::npos);
    EXPECT_NE(overview.find(">Ania</a>"), std::string::npos);
}
