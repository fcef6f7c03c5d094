// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the slot date reader: what it accepts is a day the calendar has,
// written back in the form it is read in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recording/SlotDate.h"

namespace {

int DaysIn(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SlotDate kept{2001, 2, 3};
    SlotDate date = kept;
    if (!ParseSlotDate(std::string_view(reinterpret_cast<const char*>(data), size), date)) {
        if (!(date == kept))
            std::abort();
        return 0;
    }
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysIn(date.year, date.month))
        std::abort();
    SlotDate back;
    if (!ParseSlotDate(FormatSlotDate(date), back) || !(back == date))
        std::abort();
    return 0;
}
