// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of a child's report from the journal of answers: every answer
// counts for its own word's sound and position only, and items left unsolved
// when a game was stopped are counted apart from wrong answers. Games of the
// statistics file that have no answers in the journal (played before the
// journal existed) are summarised from the file as before, apart.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/StatisticsFile.h"
#include "journal/Journal.h"
#include "report/ProgressSummary.h"

struct AnswerTally {
    int64_t right = 0;
    int64_t wrong = 0;
    int64_t hints = 0;
    int64_t unsolved = 0;  // left when a game was stopped

    // Right and wrong answers: the share is taken of these.
    int64_t Attempts() const { return right + wrong; }
    // Right answers as a share of attempts, 0..1; -1 without attempts.
    double Share() const { return Attempts() > 0 ? static_cast<double>(right) / Attempts() : -1.0; }
    void Add(AnswerOutcome outcome);
};

using SoundPositionMap = std::array<std::array<AnswerTally, kReportPositionCount>, kReportSoundCount>;

struct JournalPeriod {
    int64_t firstDay = 0;
    int64_t lastDay = 0;
    int games = 0;          // games with answers in the journal, and older games from the file
    int practiceDays = 0;
    int64_t seconds = 0;    // play time
    AnswerTally total;
    SoundPositionMap map;
};

struct SoundWeek {
    int64_t start = 0;  // day number of its Monday
    std::array<AnswerTally, kReportSoundCount> perSound;
};

struct WordTally {
    std::string key;
    std::string text;
    int sound = -1;     // index 0..11, -1 when unknown
    int position = -1;  // index 0..2
    AnswerTally tally;
};

struct DayRow {
    int64_t day = 0;
    int games = 0;
    int oldGames = 0;  // of them, games known only from the statistics file
    AnswerTally answers;
    std::vector<std::string> notes;
};

struct ChildSummary {
    JournalPeriod recent;  // the last kRecentDays up to today
    JournalPeriod whole;
    int64_t answers = 0;   // every answer of the journal
    std::vector<SoundWeek> weeks;   // from the first answer's week to today's, at most kLongestWeeks
    std::vector<WordTally> hardest; // the words with the lowest share, at least kHardWordAttempts each
    std::vector<DayRow> days;       // newest first; days with games or notes
    std::vector<StatRecord> older;  // games of the file with no answers in the journal
    ProgressSummary olderSummary;   // the same, summarised as the file alone allows
    std::vector<StatRecord> allGames;  // the whole file
    std::vector<bool> inJournal;       // for each of allGames: its answers are in the journal
};

// A word needs this many attempts to be ranked among the hardest.
constexpr int kHardWordAttempts = 3;
constexpr std::size_t kHardestWords = 15;

// today: the local day the report is made on.
ChildSummary SummarizeChild(const std::vector<JournalAnswer>& answers, const std::vector<JournalNote>& notes,
                            const std::vector<StatRecord>& games, int64_t today);

// Sound index 0..11 of a sound bit, position index 0..2 of a position bit; -1 for anything else.
int SoundIndexOf(int32_t soundBit);
int PositionIndexOf(int32_t positionBit);
// The local day number of a moment given in milliseconds since 1970.
int64_t LocalDayOf(int64_t unixMs);
// A local day as the journal's notes name it: "2026-12-07", and back (-1 when malformed).
std::string IsoDay(int64_t dayNumber);
int64_t DayOfIso(const std::string& iso);
