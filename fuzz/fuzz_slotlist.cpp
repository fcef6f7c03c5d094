// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the recording slot list reader: any file must give thirty slots with
// names of bounded length, file names inside the recordings' folder and real
// dates, which are written and read back unchanged.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/IniFile.h"
#include "recording/SlotList.h"

namespace {

using Slots = std::array<CNagData::NagRec, CNagData::kSlotCount>;

Slots EmptySlots()
{
    Slots slots;
    for (int i = 0; i < CNagData::kSlotCount; ++i)
        slots[static_cast<std::size_t>(i)].index = i;
    return slots;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Slots slots = EmptySlots();
    const CIniFile ini("record.xtr", std::string_view(reinterpret_cast<const char*>(data), size));
    ReadSlotList(ini, slots);
    // The list is read up to the first missing slot; the empty slots after it
    // are the same whatever the input, so only the read ones are written back.
    std::size_t read = 0;
    while (read < slots.size() && ini.SectionExists(SlotSectionName(slots[read].index)))
        ++read;
    for (const CNagData::NagRec& slot : slots) {
        if (static_cast<int>(slot.name.size()) > CNagData::kMaxNameLength)
            std::abort();
        if (slot.file.find_first_of("\\/:") != std::string::npos || slot.file == ".." || slot.file.size() > 64)
            std::abort();
        if (!slot.date.IsSet() && !(slot.date == SlotDate{}))
            std::abort();
    }
    CIniFile written("record.xtr", "");
    for (std::size_t i = 0; i < read; ++i)
        WriteSlotEntry(written, slots[i]);
    Slots back = EmptySlots();
    ReadSlotList(CIniFile("record.xtr", written.Text()), back);
    // Names and file names with spaces or line breaks at their ends do not
    // survive an INI file; only such slots may differ.
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const auto& s = slots[i];
        const bool plain = s.name.find_first_of("\r\n") == std::string::npos &&
                           s.file.find_first_of("\r\n") == std::string::npos &&
                           (s.name.empty() || (s.name.front() != ' ' && s.name.back() != ' ' &&
                                               s.name.front() != '\t' && s.name.back() != '\t'));
        if (plain && !(back[i].date == s.date && back[i].file == s.file && back[i].name == s.name))
            std::abort();
    }
    return 0;
}
