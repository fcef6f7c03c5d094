// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the entries of the recording slot list.
#include "recording/SlotList.h"

#include "platform/IniFile.h"

namespace {

// A file name that would lead out of the recordings' folder is not a
// recording of ours.
bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.size() > 64)
        return false;
    for (char c : name)
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 32)
            return false;
    return true;
}

}  // namespace

std::string SlotSectionName(int index)
{
    return "Nagranie" + std::to_string(index);
}

void ReadSlotList(const CIniFile& ini, std::array<CNagData::NagRec, CNagData::kSlotCount>& slots)
{
    for (CNagData::NagRec& slot : slots) {
        const std::string section = SlotSectionName(slot.index);
        if (!ini.SectionExists(section))
            break;
        const std::string fileName = ini.ReadString(section, "Plik", "");
        slot.file = IsPlainFileName(fileName) ? fileName : std::string();
        slot.name = ini.ReadString(section, "Nazwa", "");
        if (static_cast<int>(slot.name.size()) > CNagData::kMaxNameLength)
            slot.name.resize(CNagData::kMaxNameLength);
        SlotDate date;
        if (ParseSlotDate(ini.ReadString(section, "Data", ""), date) && date.IsSet())
            slot.date = date;
    }
}

void WriteSlotEntry(CIniFile& ini, const CNagData::NagRec& slot)
{
    const std::string section = SlotSectionName(slot.index);
    ini.WriteString(section, "Plik", slot.file);
    ini.WriteString(section, "Nazwa", slot.name);
    ini.WriteString(section, "Data", FormatSlotDate(slot.date));
}
