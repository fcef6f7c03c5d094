// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics file back: the header and every whole game record,
// for the therapist's report and for tests. The program itself only ever
// appends to the file (CStatRec); this side never changes it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Clock.h"

// One game as CStatRec::Save wrote it.
struct StatRecord {
    int32_t GameId = 0;
    SystemTime StartTime;  // universal time
    int16_t Poziom = 0;
    int16_t Gloski = 0;
    int16_t Pozycja = 0;
    int32_t Duration = 0;  // seconds
    int16_t Completed = 0;
    int32_t Hints = 0;
    int32_t Correct = 0;
    int32_t Wrong = 0;
};

// Something wrong with the file, with the number that tells how wrong.
struct StatFileProblem {
    enum Kind {
        Missing,        // no such file
        Unreadable,     // not a regular file, or reading it failed
        Empty,          // zero bytes
        ShortHeader,    // detail: the bytes there are, fewer than 20
        OtherProgram,   // detail: the program number the header gives
        PartialRecord,  // detail: the bytes of the unfinished last record
    };
    Kind kind;
    int64_t detail = 0;
};

// What the file held: records holds everything that could be read in spite
// of the problems found.
struct StatisticsFile {
    bool Found = false;
    bool HeaderRead = false;
    int32_t ProgramNumber = 0;
    SystemTime Created;
    std::vector<StatRecord> Records;
    std::vector<StatFileProblem> Problems;
};

// Opens the file read-only and never changes it. Every problem of the file
// is reported in Problems; nothing the file holds makes it throw.
StatisticsFile ReadStatisticsFile(const std::filesystem::path& file, int32_t expectedProgramNumber);

// The header's and a record's bytes exactly as the program writes them:
// little-endian, no padding, 20 and 44 bytes.
std::string EncodeStatHeader(int32_t programNumber, const SystemTime& created);
std::string EncodeStatRecord(const StatRecord& record);
