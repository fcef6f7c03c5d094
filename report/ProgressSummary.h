// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the progress report, computed from the game records alone
// (no drawing): totals per game, per sound, per position and per sound and
// position, the practice days of each week, and the weekly share of correct
// answers per sound. A game practises every sound and position of its
// settings, so its answers count for each of them.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/StatisticsFile.h"
#include "report/ReportCalendar.h"
#include "report/ReportNames.h"

struct Tally {
    int games = 0;
    int completed = 0;
    int64_t seconds = 0;
    int64_t hints = 0;
    int64_t correct = 0;
    int64_t wrong = 0;

    int64_t Answers() const { return correct + wrong; }
    // Correct answers as a share of all answers, 0..1; -1 with no answers.
    double Share() const { return Answers() > 0 ? static_cast<double>(correct) / Answers() : -1.0; }
    void Add(const StatRecord& r);
};

struct WeekSummary {
    int64_t start = 0;        // day number of its Monday
    int practiceDays = 0;     // days with at least one game
    int games = 0;
    std::array<Tally, kReportSoundCount> perSound;
};

struct PeriodSummary {
    std::string title;
    int64_t firstDay = 0;  // the days of the weekly rows, inclusive
    int64_t lastDay = 0;
    Tally total;
    int practiceDays = 0;
    std::array<Tally, kReportGameCount> perGame;
    std::array<Tally, kReportSoundCount> perSound;
    std::array<Tally, kReportPositionCount> perPosition;
    std::array<std::array<Tally, kReportPositionCount>, kReportSoundCount> soundByPosition;
    std::array<int, 3> ratings{};  // games rated 1, 2 and 4
    std::vector<WeekSummary> weeks;  // every week of the period, in order, empty ones too
    int unknownGames = 0;            // records of a game number outside 1..5
};

// A record with its local time, as the tables show it.
struct DatedRecord {
    StatRecord record;
    LocalMoment local;
};

struct ProgressSummary {
    std::vector<DatedRecord> games;  // in the file's order
    PeriodSummary whole;
    PeriodSummary lastDays;          // the last kRecentDays up to today
};

constexpr int kRecentDays = 30;
// The longest run of weeks the weekly charts show (three years).
constexpr int kLongestWeeks = 156;
// Fewer answers than this make a share too uncertain to colour.
constexpr int kFewAnswers = 10;

// today: the local day the report is made on.
ProgressSummary Summarize(const std::vector<StatRecord>& records, int64_t today);
// Index 0, 1 or 2 of a rating 1, 2 or 4.
int RatingIndex(int16_t rating);
