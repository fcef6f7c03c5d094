// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of the game being played: counters, play time and rating for
// the end-of-game summary, and one record per finished game appended to the
// statistics file beside the program. A game nobody touched for two minutes
// counts as abandoned and is not recorded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "platform/Paths.h"

class CUstGry;

class CStatRec {
public:
    static constexpr int kIdleMs = 120000;
    static constexpr std::size_t kHeaderSize = 20;
    static constexpr std::size_t kRecordSize = 44;

    // Makes the statistics file when it is missing; throws CBlad(3) when it cannot.
    CStatRec(int32_t programNumber, CUstGry* settings);
    ~CStatRec();
    CStatRec(const CStatRec&) = delete;
    CStatRec& operator=(const CStatRec&) = delete;

    Timer IdleTimer;
    int32_t ProgramNumber;
    bool Active = false;
    int32_t GameId = 0;
    CUstGry* Settings;  // not owned
    int32_t Duration = 0;  // seconds
    int16_t Completed = 0;
    SystemTime StartTime;
    SystemTime EndTime;
    int32_t Hints = 0;
    int32_t Correct = 0;
    int32_t Wrong = 0;

    // "prgst" + program number + ".stt" in the program's directory.
    std::filesystem::path FileName() const { return FileNameFor(ProgramNumber); }
    static std::filesystem::path FileNameFor(int32_t programNumber);
    // Makes the file with its header when it is missing or empty, and brings
    // a damaged one back to a header and whole records (a copy of it is kept
    // beside it first). False when there is no file to append to.
    bool EnsureFile();

    void StartGame(CUstGry& settings);
    // Any input of the child during play: the idle watch starts again.
    void Touch();
    void Expire();
    void AddHint() { ++Hints; }
    void AddCorrect() { ++Correct; }
    void AddWrong() { ++Wrong; }
    void StopGame();
    int32_t DurationSeconds() const;
    // Appends the game's record when the game is still active; true when the
    // whole record was written. A failed write leaves the file as it was and
    // is told to OnSaveFailed. Other copies of the program may append to the
    // same file at the same time: every record of each is kept.
    bool Save(uint8_t completed);
    // Why the last save failed (None after a successful one).
    FileProblem SaveProblem() const { return saveProblem_; }
    // Told of each record that could not be saved; the game goes on.
    std::function<void(FileProblem)> OnSaveFailed;

    std::string DurationText() const;
    std::string HintsText() const;
    std::string CorrectText() const;
    std::string WrongText() const;
    // 1, 2 or 4: how well the child did.
    int16_t Rating() const;
    // The same for any game's counters (the progress report rates old games).
    static int16_t RatingOf(int32_t correct, int32_t wrong);

private:
    FileProblem saveProblem_ = FileProblem::None;
};
