// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "platform/IniFile.h"
#include "tests/TestSupport.h"

namespace {

// The settings are program-wide: every test starts from the values the program loads with.
class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int id = 1; id <= kGameCount; ++id)
            *SettingsOfGame(id) = CUstGry(id, SettingsOfGame(id)->Name);
        Zakladka = 1;
        LU = 0;
        box_.Dir().Write("Data/.keep", "");
    }

    void WriteSettings(const std::string& text) const { box_.Dir().Write("Data/data.ini", text); }
    CIniFile SettingsFile() const { return CIniFile(box_.Root() / "Data/data.ini"); }
    // Gloski, Poziom, Pozycja of a record.
    static std::vector<int> Read(const CUstGry& r) { return {r.Gloski, r.Poziom, r.Pozycja}; }

    ProgramSandbox box_;
};

using Values = std::vector<int>;

}  // namespace

TEST_F(Settings, RecordsToggleTheirBitsAndTheTabChoosesTheCurrentOne)
{
    CUstGry record(4, "Widlak");
    EXPECT_TRUE(record.IsPoziom(1) && record.HasPozycja(POZ_NAGLOS) && record.HasGloska(GL_SZ));
    record.ToggleGloska(GL_DZZZ);
    EXPECT_EQ(record.Gloski, GL_SZ | GL_DZZZ);
    record.ToggleGloska(GL_DZZZ);
    record.ToggleGloska(GL_SZ);
    EXPECT_EQ(record.Gloski, 0);
    record.TogglePozycja(POZ_WYGLOS);
    EXPECT_EQ(record.Pozycja, POZ_NAGLOS | POZ_WYGLOS);

    Zakladka = 5;
    EXPECT_EQ(&CurrentSettings(), &UstTasmociag);
    Zakladka = 6;
    EXPECT_EQ(&CurrentSettings(), &UstPociag);
}

TEST_F(Settings, TheFirstRunCreatesTheFileAndEveryLaterRunCountsUp)
{
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 0);
    const CIniFile ini = SettingsFile();
    EXPECT_EQ(ini.ReadString("DaneProgramu", "LU", "?"), "0");
    EXPECT_EQ(ini.ReadString("DaneProgramu", "Zakladka", "?"), "1");
    EXPECT_EQ(ini.ReadString("DaneProgramu", "Position", "?"), "111002");
    for (const char* game : {"Pociag", "Przyssawki", "Memory3", "Widlak", "Tasmociag"}) {
        EXPECT_EQ(ini.ReadString(game, "Gloski", "?") + ini.ReadString(game, "Poziom", "?") +
                      ini.ReadString(game, "Pozycja", "?"),
                  "114096")
            << game;
    }
    for (int run = 1; run <= 2; ++run) {
        EXPECT_TRUE(LoadSettings());
        EXPECT_EQ(LU, run);
        EXPECT_EQ(SettingsFile().ReadInteger("DaneProgramu", "LU", -1), run);
    }
}

TEST_F(Settings, SavedChangesAreLoadedAgain)
{
    UstWidlak.ToggleGloska(GL_CC);
    UstWidlak.TogglePozycja(POZ_WYGLOS);
    UstWidlak.SetPoziom(2);
    Zakladka = 4;
    LU = 17;
    SaveSettings();
    SetUp();
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Read(UstWidlak), (Values{GL_SZ | GL_CC, 2, POZ_NAGLOS | POZ_WYGLOS}));
    EXPECT_EQ(Read(UstPociag), (Values{GL_SZ, 1, POZ_NAGLOS}));
    EXPECT_EQ(Zakladka, 4);
    EXPECT_EQ(LU, 18);
}

TEST_F(Settings, BadValuesAreCutToWhatTheProgramCanUse)
{
    WriteSettings(
        "[DaneProgramu]\nLU=5\nZakladka=6\n"
        "[Pociag]\nGloski=65535\nPoziom=7\nPozycja=255\n"
        "[Przyssawki]\nGloski=-1\nPoziom=-3\nPozycja=-1\n"
        "[Memory3]\nGloski=99999999999999\nPoziom=0\nPozycja=69632\n"
        "[Widlak]\nGloski=abc\nPoziom=2x\nPozycja=\n"
        "[Tasmociag]\nGloski=  40 \nPoziom=3\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 6);
    EXPECT_EQ(Zakladka, 1);  // never opens on the recording tab
    EXPECT_EQ(Read(UstPociag), (Values{0xFFF, 1, 0}));
    EXPECT_EQ(Read(UstPrzyssawki), (Values{0xFFF, 1, 0x7000}));
    // Beyond 32 bits: the default; 69632 = 0x11000 kept in 16 bits is 0x1000.
    EXPECT_EQ(Read(UstMemory3), (Values{GL_SZ, 1, POZ_NAGLOS}));
    EXPECT_EQ(Read(UstWidlak), (Values{GL_SZ, 1, POZ_NAGLOS}));
    EXPECT_EQ(Read(UstTasmociag), (Values{40, 3, POZ_NAGLOS}));
}

TEST_F(Settings, DamagedFilesAndMissingSectionsLoadTheDefaults)
{
    WriteSettings("[Memory3]\nPoziom=2\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 1);
    EXPECT_EQ(Read(UstMemory3), (Values{GL_SZ, 2, POZ_NAGLOS}));

    SetUp();
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) & 0xFF);
    WriteSettings(binary);
    EXPECT_TRUE(LoadSettings());
    for (int id = 1; id <= kGameCount; ++id)
        EXPECT_EQ(Read(*SettingsOfGame(id)), (Values{GL_SZ, 1, POZ_NAGLOS}));

    // A tab that does not exist opens the first game.
    WriteSettings("[DaneProgramu]\nZakladka=9\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Zakladka, 1);
    WriteSettings("[DaneProgramu]\nZakladka=3\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Zakladka, 3);
}

TEST_F(Settings, AFileThatCannotBeWrittenIsNotAnError)
{
    std::filesystem::remove_all(box_.Root() / "Data");
    EXPECT_TRUE(LoadSettings());
    SaveSettings();
    EXPECT_FALSE(std::filesystem::exists(box_.Root() / "Data"));
    EXPECT_EQ(LU, 0);
}

TEST_F(Settings, ANulByteLosesNothingAfterItAndTheDamagedFileIsKept)
{
    const std::string damaged = std::string("[DaneProgramu]\nLU=7\nZakladka=4\n") + '\0' +
                                "\n[Pociag]\nGloski=12\nPoziom=3\nPozycja=8192\n[Widlak]\nPoziom=2\n";
    WriteSettings(damaged);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 8);
    EXPECT_EQ(Zakladka, 4);
    EXPECT_EQ(Read(UstPociag), (Values{12, 3, POZ_SRODGLOS}));
    EXPECT_EQ(UstWidlak.Poziom, 2);
    EXPECT_EQ(box_.Dir().Read("Data/data.ini.uszkodzony"), damaged);
    EXPECT_EQ(SettingsFile().ReadInteger("Pociag", "Gloski", 0), 12);
    EXPECT_EQ(box_.Dir().Read("Data/data.ini").find('\0'), std::string::npos);

    SaveSettings();
    EXPECT_EQ(box_.Dir().Read("Data/data.ini.uszkodzony"), damaged);
    EXPECT_EQ(SettingsFile().ReadInteger("Widlak", "Poziom", 0), 2);
}

TEST_F(Settings, AFolderInPlaceOfTheFileStopsNothing)
{
    std::filesystem::create_directories(box_.Root() / "Data" / "data.ini" / "x");
    EXPECT_TRUE(LoadSettings());
    SaveSettings();
    EXPECT_TRUE(std::filesystem::is_directory(box_.Root() / "Data" / "data.ini" / "x"));
}
