// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The games' settings records and the settings file.
#include "core/CUstGry.h"

#include <algorithm>
#include <cstdint>
#include <exception>

#include "core/SoundCodes.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace {

const char* const kSettingsFile = "Data\\data.ini";
const char* const kProgramSection = "DaneProgramu";
// Written on every save for the sake of older readers of the file; never read.
constexpr int32_t kPositionStamp = 111002;

}  // namespace

CUstGry::CUstGry(int32_t gameId, std::string name)
    : GameId(gameId), Name(std::move(name)), Poziom(1), Pozycja(POZ_NAGLOS), Gloski(GL_SZ)
{
}

bool CUstGry::WriteTo(CIniFile& ini) const
{
    ini.WriteInteger(Name, "Gloski", Gloski);
    ini.WriteInteger(Name, "Poziom", Poziom);
    ini.WriteInteger(Name, "Pozycja", Pozycja);
    return true;
}

bool CUstGry::ReadFrom(const CIniFile& ini)
{
    // The values are kept in 16 bits as they are read; then the masks lose the
    // bits that name nothing and an unknown level becomes "few".
    Gloski = static_cast<int16_t>(ini.ReadInteger(Name, "Gloski", Gloski));
    Poziom = static_cast<int16_t>(ini.ReadInteger(Name, "Poziom", Poziom));
    Pozycja = static_cast<int16_t>(ini.ReadInteger(Name, "Pozycja", Pozycja));
    Gloski = static_cast<int16_t>(Gloski & GL_WSZYSTKIE);
    if (Poziom < 1 || Poziom > 3)
        Poziom = 1;
    Pozycja = static_cast<int16_t>(Pozycja & POZ_WSZYSTKIE);
    return true;
}

CUstGry UstPociag(1, "Pociag");
CUstGry UstPrzyssawki(2, "Przyssawki");
CUstGry UstMemory3(3, "Memory3");
CUstGry UstWidlak(4, "Widlak");
CUstGry UstTasmociag(5, "Tasmociag");

int16_t Zakladka = 1;
int32_t LU = 0;

CUstGry* SettingsOfGame(int32_t gameId)
{
    switch (gameId) {
    case 1: return &UstPociag;
    case 2: return &UstPrzyssawki;
    case 3: return &UstMemory3;
    case 4: return &UstWidlak;
    case 5: return &UstTasmociag;
    default: return nullptr;
    }
}

CUstGry& CurrentSettings()
{
    CUstGry* record = SettingsOfGame(Zakladka);
    return record ? *record : UstPociag;
}

void ReadSettings(const CIniFile& ini)
{
    LU = ini.ReadInteger(kProgramSection, "LU", LU);
    Zakladka = static_cast<int16_t>(ini.ReadInteger(kProgramSection, "Zakladka", Zakladka));
    // The program never opens on the recording tab; a tab that does not exist
    // (a damaged file) would leave the menu without a page, so it opens on
    // the first game as well.
    if (Zakladka < 1 || Zakladka > kGameCount)
        Zakladka = 1;
    for (int id = 1; id <= kGameCount; ++id)
        SettingsOfGame(id)->ReadFrom(ini);
}

void WriteSettings(CIniFile& ini)
{
    for (int id = 1; id <= kGameCount; ++id)
        SettingsOfGame(id)->WriteTo(ini);
    ini.WriteInteger(kProgramSection, "Zakladka", Zakladka);
    ini.WriteInteger(kProgramSection, "LU", LU);
    ini.WriteInteger(kProgramSection, "Position", kPositionStamp);
}

bool LoadSettings()
{
    // Read, counted and written back under the lock of the settings' folder:
    // two copies starting at once each count their run.
    CIniFile ini(NativePath(kSettingsFile), CIniFile::Locked);
    if (!ini.Found()) {
        WriteSettings(ini);
        ini.UpdateFile();
        return true;
    }
    // A damaged file is read as far as it can be; writing it back keeps the
    // original beside it (CIniFile).
    ReadSettings(ini);
    if (LU < INT32_MAX)
        ++LU;
    ini.WriteInteger(kProgramSection, "LU", LU);
    ini.UpdateFile();
    return true;
}

void SaveSettings()
{
    try {
        CIniFile ini(NativePath(kSettingsFile), CIniFile::Locked);
        // Another copy may have started (and counted its run) since this one
        // did: the counter never goes back.
        LU = std::max(LU, ini.ReadInteger(kProgramSection, "LU", LU));
        WriteSettings(ini);
        // The file is replaced whole or not at all; a failure keeps the old one.
        ini.UpdateFile();
    } catch (const std::exception&) {
        // Settings that cannot be saved are not worth stopping the program for.
    }
}
