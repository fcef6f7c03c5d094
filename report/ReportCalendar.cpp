// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportCalendar.h"

#include <cstdio>
#include <ctime>

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

int64_t DayNumberOf(int year, int month, int day)
{
    return DaysFromCivil(year, month, day);
}

void DateOfDayNumber(int64_t dayNumber, int& year, int& month, int& day)
{
    CivilFromDays(dayNumber, year, month, day);
}

LocalMoment ToLocal(std::time_t t)
{
    // The standard call (not localtime_r, which Windows lacks): the report is
    // written by one thread.
    std::tm tm{};
    if (const std::tm* local = std::localtime(&t))
        tm = *local;
    LocalMoment m;
    m.year = tm.tm_year + 1900;
    m.month = tm.tm_mon + 1;
    m.day = tm.tm_mday;
    m.hour = tm.tm_hour;
    m.minute = tm.tm_min;
    m.dayNumber = DaysFromCivil(m.year, m.month, m.day);
    return m;
}

LocalMoment ToLocal(const SystemTime& utc)
{
    // Fields out of range (a damaged record) are clamped, so that a date can
    // always be shown rather than the record dropped.
    const int month = utc.month >= 1 && utc.month <= 12 ? utc.month : 1;
    const int day = utc.day >= 1 && utc.day <= 31 ? utc.day : 1;
    const int64_t days = DaysFromCivil(utc.year, month, day);
    const int64_t seconds = days * 86400 + (utc.hour % 24) * 3600 + (utc.minute % 60) * 60 + utc.second % 60;
    return ToLocal(static_cast<std::time_t>(seconds));
}

int64_t WeekStart(int64_t dayNumber)
{
    // 1970-01-01 was a Thursday: day 4 is the first Monday.
    const int64_t sinceMonday = ((dayNumber - 4) % 7 + 7) % 7;
    return dayNumber - sinceMonday;
}

std::string DateText(int64_t dayNumber)
{
    int y = 0, m = 0, d = 0;
    CivilFromDays(dayNumber, y, m, d);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d, m, y);
    return text;
}

std::string DateTimeText(const LocalMoment& m)
{
    char text[16];
    std::snprintf(text, sizeof text, " %02d:%02d", m.hour, m.minute);
    return DateText(m.dayNumber) + text;
}

std::string ShortDateText(int64_t dayNumber)
{
    int y = 0, m = 0, d = 0;
    CivilFromDays(dayNumber, y, m, d);
    return std::to_string(d) + "." + std::to_string(m);
}
