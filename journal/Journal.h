// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of answers: one SQLite database per child beside the statistics
// file, holding every answer of every game and the therapist's notes. The
// statistics file keeps its own format and meaning; this is additional.
//
// What a caller may rely on:
// - every Record is its own transaction: once it returns true the answer is
//   in the database, whatever the program does next;
// - two programs may write one journal at once (WAL, a busy timeout): neither
//   loses an answer;
// - nothing a file holds makes it throw. A file that is not a database is set
//   aside under a name of its own and a new journal is started; an answer
//   that cannot be written (a full disk) is kept and written with the next
//   one or at Close.
// Texts are UTF-8; times are milliseconds since 1970-01-01 UTC.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Paths.h"

struct sqlite3;
struct sqlite3_stmt;

enum class AnswerOutcome : int {
    Right = 1,
    Wrong = 2,
    Hint = 3,            // the child asked for a hint
    UnsolvedAtStop = 4,  // the game was stopped with this item still unsolved
};

struct JournalAnswer {
    int64_t atMs = 0;           // when the answer was given
    int64_t gameStartedMs = 0;  // when its game started: answers with the same game and start are one game
    int32_t game = 0;           // 1..5 as the settings number the games
    std::string wordKey;        // the word's file stem; empty for a hint not tied to a word
    std::string wordText;       // the word as the child sees it
    int32_t sound = 0;          // the one sound bit practised (0x001..0x800), 0 when none
    int32_t position = 0;       // the one position bit (0x1000, 0x2000, 0x4000), 0 when none
    AnswerOutcome outcome = AnswerOutcome::Right;
    int32_t tookMs = 0;         // how long the child took over it

    bool operator==(const JournalAnswer&) const = default;
};

struct JournalNote {
    std::string day;  // local date "YYYY-MM-DD" the note belongs to
    int64_t writtenMs = 0;
    std::string text;
};

class Journal {
public:
    static constexpr const char* kFileName = "dziennik.db";
    // The schema this program writes; a journal of a newer program is
    // written too, as later versions only add tables and columns.
    static int SchemaVersion();

    Journal() = default;
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens (making it when create is true and it is missing) and brings the
    // schema up to date; answers still pending are written into it with the
    // next Record or at Close. False with the reason in Problem() when there is no
    // usable journal; a damaged file is set aside first and a fresh one made.
    bool Open(const std::filesystem::path& file, bool create = true);
    bool IsOpen() const { return db_ != nullptr; }
    // Writes what is still pending (what cannot be written stays counted
    // in Pending), then closes.
    void Close();

    // Writes one answer in a transaction of its own; false when it could not
    // be written now (it stays pending and goes in with the next call).
    bool Record(const JournalAnswer& answer);
    std::size_t Pending() const { return pending_.size(); }
    // Forgets the answers still pending (they belonged to another journal).
    void DropPending() { pending_.clear(); }

    bool AddNote(const JournalNote& note);

    // Everything in the order it was written. On a read failure the answers
    // read so far, with the reason in Problem().
    std::vector<JournalAnswer> Answers();
    std::vector<JournalNote> Notes();

    // A sentence (English, for standard error) about the last failure or
    // about a damaged file set aside; empty when all went well.
    const std::string& Problem() const { return problem_; }
    // What kind of failure that was, for telling the user: a full disk, a
    // read-only folder, no permission, or another error.
    FileProblem ProblemKind();
    // The name a damaged journal was set aside under, when that happened at Open.
    const std::filesystem::path& SetAside() const { return setAside_; }
    int FoundVersion() const { return foundVersion_; }

private:
    bool OpenDatabase(const std::filesystem::path& file, bool create);
    bool Migrate();
    bool WriteOne(const JournalAnswer& answer);
    bool Exec(const char* sql);
    void Fail(const std::string& what);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insertAnswer_ = nullptr;
    std::deque<JournalAnswer> pending_;
    std::string problem_;
    FileProblem problemKind_ = FileProblem::None;
    std::filesystem::path folder_;  // where the journal is
    bool askFolder_ = false;        // the folder tells the kind, when asked
    bool readOnlyCode_ = false;     // SQLite said read-only
    std::filesystem::path setAside_;
    int foundVersion_ = 0;
};
