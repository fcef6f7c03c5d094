// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dates of the recording slots.
#include "recording/SlotDate.h"

#include <cstdio>
#include <ctime>

#include "platform/Clock.h"

namespace {

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidDay(int year, int month, int day)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int last = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    return day <= last;
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A run of minDigits..maxDigits decimal digits at pos, followed by `end`
// (or by the end of the text when end is 0).
bool ReadNumber(std::string_view s, std::size_t& pos, int minDigits, int maxDigits, char end, int& value)
{
    int digits = 0;
    value = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits < minDigits)
        return false;
    if (end == 0)
        return pos == s.size();
    if (pos >= s.size() || s[pos] != end)
        return false;
    ++pos;
    return true;
}

}  // namespace

bool SlotDate::IsSet() const
{
    if (year != 1990)
        return year > 1990;
    if (month != 1)
        return month > 1;
    return day > 1;
}

std::string FormatSlotDate(const SlotDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

bool ParseSlotDate(std::string_view text, SlotDate& out)
{
    const std::string_view s = Trimmed(text);
    SlotDate date;
    std::size_t pos = 0;
    bool read;
    if (s.find('-') != std::string_view::npos)
        read = ReadNumber(s, pos, 4, 4, '-', date.year) && ReadNumber(s, pos, 1, 2, '-', date.month) &&
               ReadNumber(s, pos, 1, 2, 0, date.day);
    else
        read = ReadNumber(s, pos, 1, 2, '.', date.day) && ReadNumber(s, pos, 1, 2, '.', date.month) &&
               ReadNumber(s, pos, 4, 4, 0, date.year);
    if (!read || !IsValidDay(date.year, date.month, date.day))
        return false;
    out = date;
    return true;
}

SlotDate TodaysSlotDate()
{
    // 100-nanosecond ticks from 1601 to the Unix epoch.
    constexpr int64_t kUnixEpochTicks = 116444736000000000LL;
    const int64_t ticks = SystemTimeToTicks(TheClock().UniversalTime());
    const std::time_t seconds = static_cast<std::time_t>((ticks - kUnixEpochTicks) / 10000000);
    SlotDate date;
    if (const std::tm* local = std::localtime(&seconds)) {
        date.year = local->tm_year + 1900;
        date.month = local->tm_mon + 1;
        date.day = local->tm_mday;
    } else {
        const SystemTime utc = TheClock().UniversalTime();
        date.year = utc.year;
        date.month = utc.month;
        date.day = utc.day;
    }
    return date;
}
