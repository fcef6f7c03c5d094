// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dates of the progress report: the records hold universal time, the
// therapist reads local dates, and practice is counted by day and by week
// (weeks start on Monday).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "platform/Clock.h"

struct LocalMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int64_t dayNumber = 0;  // days since 1970-01-01 of the local date
};

// The local date and time of a universal time (through the system's zone rules).
LocalMoment ToLocal(const SystemTime& utc);
LocalMoment ToLocal(std::time_t t);
// The dayNumber of a date (the proleptic Gregorian calendar).
int64_t DayNumberOf(int year, int month, int day);
// The date of a dayNumber.
void DateOfDayNumber(int64_t dayNumber, int& year, int& month, int& day);
// The dayNumber of the Monday of the week the day lies in.
int64_t WeekStart(int64_t dayNumber);
// "07.12.2026" and "07.12.2026 10:05" of a day number and of a moment.
std::string DateText(int64_t dayNumber);
std::string DateTimeText(const LocalMoment& m);
// "7.12" (a chart's short label).
std::string ShortDateText(int64_t dayNumber);
