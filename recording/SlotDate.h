// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The date of a recording slot: written and read as day.month.year
// ("07.12.2026"); 1 January 1990 stands for "never recorded".
#pragma once

#include <string>
#include <string_view>

struct SlotDate {
    int year = 1990;
    int month = 1;
    int day = 1;

    // Later than 1 January 1990: a real recording date.
    bool IsSet() const;
    bool operator==(const SlotDate&) const = default;
};

// "07.12.2026".
std::string FormatSlotDate(const SlotDate& date);

// Reads "d.m.yyyy" (one or two digits for day and month) and, for lists
// written by other programs, "yyyy-mm-dd". Anything else, or a day that the
// calendar does not have, is refused and `out` is left as it was.
bool ParseSlotDate(std::string_view text, SlotDate& out);

// Today in the user's time zone, by the program's clock.
SlotDate TodaysSlotDate();
