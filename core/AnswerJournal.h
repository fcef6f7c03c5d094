// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The games' way into the active child's journal of answers: one call per
// answer, saying what was answered and how. The game and the moment its
// play started come from the statistics object, the time from the clock.
//
// Each game decides what one answer is in its own terms (a can into a pipe,
// a pair of cards turned, ...) and calls NoteAnswer once for it: Right or
// Wrong as the answer is judged, Hint when the child asks for help (with the
// word the hint is about, or none), and UnsolvedAtStop once for every item
// still open when the game is stopped early.
//
// A journal that cannot be written never stops a game: its answers wait in
// memory, standard error hears of it once, and at the end of a game that
// left answers unwritten OnNotWritten is called, once while the program runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/CSlowa.h"
#include "journal/Journal.h"
#include "platform/Clock.h"

class CStatRec;

class AnswerJournal {
public:
    // stats: the program's statistics object (the game being played); may be null.
    explicit AnswerJournal(const CStatRec* stats);
    ~AnswerJournal();
    AnswerJournal(const AnswerJournal&) = delete;
    AnswerJournal& operator=(const AnswerJournal&) = delete;

    // Takes the journal in the program's directory (the active child's
    // folder). The database is opened (made) with the first answer, so that
    // a start without a game touches nothing; one that cannot be opened is
    // told on standard error, and answers wait in memory for the next try.
    void Open();
    // Writes what waits, then closes (before the active child changes);
    // what cannot be written then is told and forgotten.
    void Close();

    // tookMs < 0: the time since the game's previous right or wrong answer,
    // or its start (a hint or an item left unsolved does not restart it).
    void Note(AnswerOutcome outcome, const CSlowa::SPaczka* word, int32_t tookMs);
    // A game has ended: answers still unwritten are told to OnNotWritten,
    // with why the journal failed, the first time only.
    void GameEnded();

    Journal& Db() { return journal_; }

    std::function<void(FileProblem)> OnNotWritten;

private:
    void TellProblem(const char* what);

    Journal journal_;
    std::filesystem::path file_;  // empty until Open
    const CStatRec* stats_;
    int64_t gameStartedMs_ = -1;  // the game the previous judged answer belonged to
    int64_t previousMs_ = 0;      // and when it was given
    bool toldProblem_ = false;    // on standard error
    bool toldNotWritten_ = false;  // to OnNotWritten
};

// The program's journal while it runs (made at start-up), else null.
extern AnswerJournal* TheAnswerJournal;

constexpr int32_t kSincePreviousAnswer = -1;
// The one call of a game per answer; nothing happens without a journal.
// word may be null for a hint that is about no word.
void NoteAnswer(AnswerOutcome outcome, const CSlowa::SPaczka* word, int32_t tookMs = kSincePreviousAnswer);
// The game under way has ended (its record saved).
void JournalGameEnded();

// Milliseconds since 1970 of a universal time, as the journal keeps time.
int64_t JournalTimeOf(const SystemTime& utc);
// The word as the child reads it, in lower case (UTF-8): "b,u,_c,_i,k," gives "bucik".
std::string JournalWordText(const CSlowa::SPaczka& word);
