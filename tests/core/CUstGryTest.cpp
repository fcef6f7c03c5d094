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
        for (int id = 1; id <= kGameCount; ++id) {
            CUstGry* record = SettingsOfGame(id);
            record->Poziom = 1;
            record->Pozycja = POZ_NAGLOS;
            record->Gloski = GL_SZ;
        }
        Zakladka = 1;
        LU = 0;
        box_.Dir().Write("Data/.keep", "");
    }

    std::string SettingsText() const { return box_.Dir().Read("Data/data.ini"); }
    void WriteSettings(const std::string& text) const { box_.Dir().Write("Data/data.ini", text); }

    ProgramSandbox box_;
};

}  // namespace

TEST(CUstGry, StartsWithFewWordsOfSzAtTheStartAndTogglesBits)
{
    CUstGry record(4, "Widlak");
    EXPECT_EQ(record.GameId, 4);
    EXPECT_EQ(record.Name, "Widlak");
    EXPECT_TRUE(record.IsPoziom(1));
    EXPECT_TRUE(record.HasPozycja(POZ_NAGLOS));
    EXPECT_FALSE(record.HasPozycja(POZ_WYGLOS));
    EXPECT_TRUE(record.HasGloska(GL_SZ));

    record.ToggleGloska(GL_DZZZ);
    EXPECT_EQ(record.Gloski, GL_SZ | GL_DZZZ);
    record.ToggleGloska(GL_DZZZ);
    EXPECT_EQ(record.Gloski, GL_SZ);
    record.ToggleGloska(GL_SZ);
    EXPECT_EQ(record.Gloski, 0);
    record.TogglePozycja(POZ_WYGLOS);
    EXPECT_EQ(record.Pozycja, POZ_NAGLOS | POZ_WYGLOS);
    record.SetPoziom(3);
    EXPECT_TRUE(record.IsPoziom(3));
}

TEST_F(Settings, TheRecordsAreTheFiveGamesAndTheCurrentOneFollowsTheTab)
{
    const char* names[] = {"Pociag", "Przyssawki", "Memory3", "Widlak", "Tasmociag"};
    for (int id = 1; id <= kGameCount; ++id) {
        EXPECT_EQ(SettingsOfGame(id)->GameId, id);
        EXPECT_EQ(SettingsOfGame(id)->Name, names[id - 1]);
    }
    EXPECT_EQ(&UstMemory3, SettingsOfGame(3));
    EXPECT_EQ(SettingsOfGame(0), nullptr);
    EXPECT_EQ(SettingsOfGame(6), nullptr);
    Zakladka = 5;
    EXPECT_EQ(&CurrentSettings(), &UstTasmociag);
    Zakladka = 6;
    EXPECT_EQ(&CurrentSettings(), &UstPociag);
    Zakladka = -2;
    EXPECT_EQ(&CurrentSettings(), &UstPociag);
}

TEST_F(Settings, TheFirstRunCreatesTheFileAndTheNextRunsCountUp)
{
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 0);
    {
        const CIniFile ini(box_.Root() / "Data/data.ini");
        EXPECT_EQ(ini.ReadString("DaneProgramu", "LU", "?"), "0");
        EXPECT_EQ(ini.ReadString("DaneProgramu", "Zakladka", "?"), "1");
        EXPECT_EQ(ini.ReadString("DaneProgramu", "Position", "?"), "111002");
        for (const char* game : {"Pociag", "Przyssawki", "Memory3", "Widlak", "Tasmociag"}) {
            SCOPED_TRACE(game);
            EXPECT_EQ(ini.ReadString(game, "Gloski", "?"), "1");
            EXPECT_EQ(ini.ReadString(game, "Poziom", "?"), "1");
            EXPECT_EQ(ini.ReadString(game, "Pozycja", "?"), "4096");
        }
    }
    EXPECT_NE(SettingsText().find("Position=111002"), std::string::npos);

    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 1);
    EXPECT_EQ(CIniFile(box_.Root() / "Data/data.ini").ReadInteger("DaneProgramu", "LU", -1), 1);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 2);
    EXPECT_EQ(CIniFile(box_.Root() / "Data/data.ini").ReadInteger("DaneProgramu", "LU", -1), 2);
}

TEST_F(Settings, ChangesAreWrittenBackWhenSavedAndReadAgain)
{
    UstWidlak.ToggleGloska(GL_CC);
    UstWidlak.TogglePozycja(POZ_WYGLOS);
    UstWidlak.SetPoziom(2);
    Zakladka = 4;
    LU = 17;
    SaveSettings();

    UstWidlak = CUstGry(4, "Widlak");
    Zakladka = 1;
    LU = 0;
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(UstWidlak.Gloski, GL_SZ | GL_CC);
    EXPECT_EQ(UstWidlak.Pozycja, POZ_NAGLOS | POZ_WYGLOS);
    EXPECT_EQ(UstWidlak.Poziom, 2);
    EXPECT_EQ(UstPociag.Gloski, GL_SZ);
    EXPECT_EQ(Zakladka, 4);
    EXPECT_EQ(LU, 18);
}

TEST_F(Settings, OutOfRangeValuesAreCutToWhatTheProgramCanUse)
{
    WriteSettings(
        "[DaneProgramu]\nLU=5\nZakladka=6\n"
        "[Pociag]\nGloski=65535\nPoziom=7\nPozycja=255\n"
        "[Przyssawki]\nGloski=-1\nPoziom=-3\nPozycja=-1\n"
        "[Memory3]\nGloski=99999999999999\nPoziom=0\nPozycja=69632\n"
        "[Widlak]\nGloski=abc\nPoziom=2x\nPozycja=\n"
        "[Tasmociag]\nGloski=  40 \nPoziom=3\nPozycja=24576\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 6);
    EXPECT_EQ(Zakladka, 1);  // never opens on the recording tab

    EXPECT_EQ(UstPociag.Gloski, 0xFFF);
    EXPECT_EQ(UstPociag.Poziom, 1);
    EXPECT_EQ(UstPociag.Pozycja, 0);

    EXPECT_EQ(UstPrzyssawki.Gloski, 0xFFF);
    EXPECT_EQ(UstPrzyssawki.Poziom, 1);
    EXPECT_EQ(UstPrzyssawki.Pozycja, 0x7000);

    // Not a 32-bit number: the default; 69632 = 0x11000 kept in 16 bits is 0x1000.
    EXPECT_EQ(UstMemory3.Gloski, GL_SZ);
    EXPECT_EQ(UstMemory3.Poziom, 1);
    EXPECT_EQ(UstMemory3.Pozycja, POZ_NAGLOS);

    EXPECT_EQ(UstWidlak.Gloski, GL_SZ);
    EXPECT_EQ(UstWidlak.Poziom, 1);
    EXPECT_EQ(UstWidlak.Pozycja, POZ_NAGLOS);

    EXPECT_EQ(UstTasmociag.Gloski, 40);
    EXPECT_EQ(UstTasmociag.Poziom, 3);
    EXPECT_EQ(UstTasmociag.Pozycja, POZ_SRODGLOS | POZ_WYGLOS);
}

TEST_F(Settings, MissingSectionsAndDamagedFilesLoadTheDefaults)
{
    WriteSettings("[Memory3]\nPoziom=2\n");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(LU, 1);
    EXPECT_EQ(Zakladka, 1);
    EXPECT_EQ(UstMemory3.Poziom, 2);
    EXPECT_EQ(UstMemory3.Gloski, GL_SZ);
    EXPECT_EQ(UstPociag.Pozycja, POZ_NAGLOS);

    SetUp();
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) & 0xFF);
    WriteSettings(binary);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Zakladka, 1);
    for (int id = 1; id <= kGameCount; ++id) {
        EXPECT_EQ(SettingsOfGame(id)->Gloski, GL_SZ);
        EXPECT_EQ(SettingsOfGame(id)->Poziom, 1);
        EXPECT_EQ(SettingsOfGame(id)->Pozycja, POZ_NAGLOS);
    }

    // A tab that does not exist opens the first game.
    SetUp();
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
    EXPECT_TRUE(LoadSettings());  // no folder to create the file in
    EXPECT_FALSE(std::filesystem::exists(box_.Root() / "Data"));
    SaveSettings();
    EXPECT_EQ(LU, 0);

    // A folder where the file should be: saving keeps it and says nothing.
    std::filesystem::create_directories(box_.Root() / "Data/data.ini");
    SaveSettings();
    EXPECT_TRUE(std::filesystem::is_directory(box_.Root() / "Data/data.ini"));
}
