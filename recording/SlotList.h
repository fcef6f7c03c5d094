// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The slot list file "Nagrane\record.xtr" as text: one INI section
// "Nagranie" + index per slot with the keys "Plik", "Nazwa" and "Data".
// Reading trusts nothing in it: the list is edited by hand at times.
#pragma once

#include <array>
#include <string>

#include "recording/CNagData.h"

class CIniFile;

std::string SlotSectionName(int index);

// Fills the slots from the list, in order, up to the first missing section;
// the later slots keep what they hold. Names are cut to their longest, a file
// name that would lead out of the recordings' folder is dropped, and a date
// that does not read as a real one stays unset.
void ReadSlotList(const CIniFile& ini, std::array<CNagData::NagRec, CNagData::kSlotCount>& slots);

// Writes one slot's section.
void WriteSlotEntry(CIniFile& ini, const CNagData::NagRec& slot);
