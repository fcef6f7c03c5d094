// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise settings of one game (sounds, positions, amount), the five
// games' records, the open tab of the main menu and the run counter, and the
// settings file "Data\data.ini" that keeps them from run to run.
#pragma once

#include <cstdint>
#include <string>

class CIniFile;

class CUstGry {
public:
    CUstGry(int32_t gameId, std::string name);

    int32_t GameId;
    std::string Name;  // also the record's section in the settings file
    int16_t Poziom;    // 1 few, 2 medium, 3 many
    int16_t Pozycja;   // position bits
    int16_t Gloski;    // sound bits

    void SetPoziom(int16_t level) { Poziom = level; }
    void TogglePozycja(int32_t bit) { Pozycja = static_cast<int16_t>(Pozycja ^ bit); }
    void ToggleGloska(int32_t bit) { Gloski = static_cast<int16_t>(Gloski ^ bit); }
    bool IsPoziom(int32_t level) const { return Poziom == level; }
    bool HasPozycja(int32_t bit) const { return (Pozycja & bit) != 0; }
    bool HasGloska(int32_t bit) const { return (Gloski & bit) != 0; }

    bool WriteTo(CIniFile& ini) const;
    // Reads the record's three values (the current ones are the defaults) and
    // cuts them to what the program can use.
    bool ReadFrom(const CIniFile& ini);
};

// The games' records, one per game, named after the game.
extern CUstGry UstPociag;      // 1
extern CUstGry UstPrzyssawki;  // 2
extern CUstGry UstMemory3;     // 3
extern CUstGry UstWidlak;      // 4
extern CUstGry UstTasmociag;   // 5
constexpr int kGameCount = 5;
// The record of a game by its identifier (1-5); nullptr for any other value.
CUstGry* SettingsOfGame(int32_t gameId);

// The open tab of the main menu: 1-5 a game, 6 the voice recordings.
extern int16_t Zakladka;
// How many times the program has run.
extern int32_t LU;

// The record of the open tab's game; the train's for the recording tab.
CUstGry& CurrentSettings();

// The program values and the five records from a settings file, cut to what
// the program can use; and all of them into one.
void ReadSettings(const CIniFile& ini);
void WriteSettings(CIniFile& ini);

// Reads the settings file, or creates it when there is none; counts the run.
bool LoadSettings();
// Writes the whole settings file; a failure is not reported (the next run
// starts from what is there).
void SaveSettings();
