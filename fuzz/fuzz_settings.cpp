// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the settings reader: any file must load into values the program can
// use, and those values must be written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/CUstGry.h"
#include "platform/IniFile.h"

namespace {

void ResetSettings()
{
    for (int id = 1; id <= kGameCount; ++id)
        *SettingsOfGame(id) = CUstGry(id, SettingsOfGame(id)->Name);
    Zakladka = 1;
    LU = 0;
}

std::vector<int> Snapshot()
{
    std::vector<int> v{Zakladka, LU};
    for (int id = 1; id <= kGameCount; ++id) {
        const CUstGry& r = *SettingsOfGame(id);
        v.insert(v.end(), {r.Gloski, r.Poziom, r.Pozycja});
    }
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetSettings();
    const CIniFile ini("data.ini", std::string_view(reinterpret_cast<const char*>(data), size));
    ReadSettings(ini);
    if (Zakladka < 1 || Zakladka > kGameCount)
        std::abort();
    for (int id = 1; id <= kGameCount; ++id) {
        const CUstGry& r = *SettingsOfGame(id);
        if (r.Poziom < 1 || r.Poziom > 3 || (r.Gloski & ~0xFFF) != 0 || (r.Pozycja & ~0x7000) != 0)
            std::abort();
    }
    const std::vector<int> read = Snapshot();
    CIniFile written("data.ini", "");
    WriteSettings(written);
    ResetSettings();
    ReadSettings(CIniFile("data.ini", written.Text()));
    if (Snapshot() != read)
        std::abort();
    return 0;
}
