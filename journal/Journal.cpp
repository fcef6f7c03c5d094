// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's database: schema migrations, the prepared insert of an
// answer, reading back for the report.
#include "journal/Journal.h"

#include <sqlite3.h>

#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Migration n brings a journal from version n - 1 to n. Only ever append:
// a journal in the field may stand at any of these versions, and an older
// program goes on writing into a newer journal the columns it knows.
constexpr const char* kMigrations[] = {
    // 1: the answers.
    "CREATE TABLE answers ("
    "  id INTEGER PRIMARY KEY,"
    "  at_ms INTEGER NOT NULL,"
    "  game_started_ms INTEGER NOT NULL,"
    "  game INTEGER NOT NULL,"
    "  word_key TEXT NOT NULL,"
    "  word_text TEXT NOT NULL,"
    "  sound INTEGER NOT NULL,"
    "  position INTEGER NOT NULL,"
    "  outcome INTEGER NOT NULL,"
    "  took_ms INTEGER NOT NULL);"
    "CREATE INDEX answers_by_time ON answers (at_ms);",
    // 2: the therapist's notes to a day.
    "CREATE TABLE notes ("
    "  id INTEGER PRIMARY KEY,"
    "  day TEXT NOT NULL,"
    "  written_ms INTEGER NOT NULL,"
    "  text TEXT NOT NULL);"
    "CREATE INDEX notes_by_day ON notes (day);",
};

// Two programs writing at once wait for each other this long at most; a
// write takes well under a millisecond.
constexpr int kBusyTimeoutMs = 10000;
// Answers kept in memory while the disk refuses them; beyond this the oldest
// go (a disk full for that long is told on standard error many times over).
constexpr std::size_t kMostPending = 100000;

bool IsDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// Why nothing can be made in a folder, found by making a folder in it and
// taking it away again; None when that works.
FileProblem FolderProblem(const fs::path& folder)
{
    const fs::path probe = folder / ".dziennik-proba";
    std::error_code ec;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (fs::create_directory(probe, ec)) {
            fs::remove(probe, ec);
            return FileProblem::None;
        }
        if (ec)
            break;
        fs::remove(probe, ec);  // left by a run that was cut off
    }
    if (ec == std::errc::read_only_file_system)
        return FileProblem::ReadOnly;
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted)
        return FileProblem::NoPermission;
    if (ec == std::errc::no_space_on_device)
        return FileProblem::DiskFull;
    return ec ? FileProblem::Other : FileProblem::None;
}

std::string Text(sqlite3_stmt* statement, int column)
{
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? reinterpret_cast<const char*>(text) : std::string();
}

// A statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { code_ = sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return statement_; }
    int Code() const { return code_; }

private:
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
};

}  // namespace

int Journal::SchemaVersion()
{
    return static_cast<int>(std::size(kMigrations));
}

Journal::~Journal()
{
    Close();
}

bool Journal::Open(const fs::path& file, bool create)
{
    Close();
    problem_.clear();
    problemKind_ = FileProblem::None;
    askFolder_ = false;
    folder_ = file.parent_path();
    setAside_.clear();
    std::error_code ec;
    if (!create && !fs::exists(file, ec)) {
        problem_ = file.string() + ": no journal";
        return false;
    }
    if (OpenDatabase(file, create))
        return true;
    if (!IsDamage(sqlite3_errcode(db_))) {
        Close();
        return false;
    }
    // Not a database, or one SQLite cannot read: keep it as it is for whoever
    // can rescue it, and start a new journal in its place.
    const std::string damage = problem_;
    Close();
    for (int n = 1; n < 1000; ++n) {
        fs::path aside = file;
        aside += n == 1 ? ".uszkodzony" : ".uszkodzony-" + std::to_string(n);
        if (fs::exists(aside, ec))
            continue;
        fs::rename(file, aside, ec);
        if (ec) {
            problem_ = damage + "; it could not be set aside: " + ec.message();
            problemKind_ = FileProblemOf(ec.value());
            if (problemKind_ == FileProblem::None)
                problemKind_ = FileProblem::Other;
            return false;
        }
        for (const char* side : {"-wal", "-shm"}) {
            fs::path from = file;
            from += side;
            fs::path to = aside;
            to += side;
            if (fs::exists(from, ec))
                fs::rename(from, to, ec);
        }
        setAside_ = aside;
        break;
    }
    if (setAside_.empty()) {
        problem_ = damage + "; no free name to set it aside";
        problemKind_ = FileProblem::Other;
        return false;
    }
    if (!OpenDatabase(file, true)) {
        Close();
        return false;
    }
    problem_ = damage + "; set aside as " + setAside_.filename().string();
    return true;
}

bool Journal::OpenDatabase(const fs::path& file, bool create)
{
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(reinterpret_cast<const char*>(file.u8string().c_str()), &db_, flags, nullptr) != SQLITE_OK) {
        Fail("cannot open " + file.string());
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // WAL lets the report read while a game writes and a second writer wait
    // its turn; NORMAL syncing in WAL keeps every committed answer through a
    // crash of the program (a power cut may take the last few).
    if (!Exec("PRAGMA journal_mode=WAL") || !Exec("PRAGMA synchronous=NORMAL") || !Migrate())
        return false;
    static constexpr const char* kInsert =
        "INSERT INTO answers (at_ms, game_started_ms, game, word_key, word_text, sound, position, outcome, took_ms)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
    if (sqlite3_prepare_v2(db_, kInsert, -1, &insertAnswer_, nullptr) != SQLITE_OK) {
        Fail("cannot prepare the answer");
        return false;
    }
    return true;
}

bool Journal::Migrate()
{
    // One transaction from reading the version to writing the new one: a
    // second program opening the same journal waits and then finds it done.
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    int version = -1;
    {
        Statement read(db_, "PRAGMA user_version");
        if (read.Code() == SQLITE_OK && sqlite3_step(read.get()) == SQLITE_ROW)
            version = sqlite3_column_int(read.get(), 0);
    }
    if (version < 0) {
        Fail("cannot read the schema version");
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    foundVersion_ = version;
    for (int next = version + 1; next <= SchemaVersion(); ++next) {
        if (!Exec(kMigrations[next - 1])) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (version < SchemaVersion() &&
        !Exec(("PRAGMA user_version=" + std::to_string(SchemaVersion())).c_str())) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return Exec("COMMIT");
}

void Journal::Close()
{
    if (db_ && insertAnswer_) {
        while (!pending_.empty() && WriteOne(pending_.front()))
            pending_.pop_front();
    }
    sqlite3_finalize(insertAnswer_);
    insertAnswer_ = nullptr;
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Journal::Record(const JournalAnswer& answer)
{
    if (pending_.size() >= kMostPending)
        pending_.pop_front();
    pending_.push_back(answer);
    if (!insertAnswer_)
        return false;
    while (!pending_.empty()) {
        if (!WriteOne(pending_.front()))
            return false;
        pending_.pop_front();
    }
    return true;
}

bool Journal::WriteOne(const JournalAnswer& a)
{
    sqlite3_stmt* s = insertAnswer_;
    sqlite3_bind_int64(s, 1, a.atMs);
    sqlite3_bind_int64(s, 2, a.gameStartedMs);
    sqlite3_bind_int(s, 3, a.game);
    sqlite3_bind_text(s, 4, a.wordKey.data(), static_cast<int>(a.wordKey.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 5, a.wordText.data(), static_cast<int>(a.wordText.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(s, 6, a.sound);
    sqlite3_bind_int(s, 7, a.position);
    sqlite3_bind_int(s, 8, static_cast<int>(a.outcome));
    sqlite3_bind_int(s, 9, a.tookMs);
    const int code = sqlite3_step(s);
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    if (code != SQLITE_DONE) {
        Fail("an answer could not be written");
        return false;
    }
    return true;
}

bool Journal::AddNote(const JournalNote& note)
{
    if (!db_)
        return false;
    Statement insert(db_, "INSERT INTO notes (day, written_ms, text) VALUES (?, ?, ?)");
    if (insert.Code() != SQLITE_OK) {
        Fail("cannot prepare the note");
        return false;
    }
    sqlite3_bind_text(insert.get(), 1, note.day.data(), static_cast<int>(note.day.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(insert.get(), 2, note.writtenMs);
    sqlite3_bind_text(insert.get(), 3, note.text.data(), static_cast<int>(note.text.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(insert.get()) != SQLITE_DONE) {
        Fail("the note could not be written");
        return false;
    }
    return true;
}

std::vector<JournalAnswer> Journal::Answers()
{
    std::vector<JournalAnswer> answers;
    if (!db_)
        return answers;
    Statement select(db_, "SELECT at_ms, game_started_ms, game, word_key, word_text, sound, position, outcome, took_ms"
                          " FROM answers ORDER BY id");
    if (select.Code() != SQLITE_OK) {
        Fail("cannot read the answers");
        return answers;
    }
    sqlite3_stmt* s = select.get();
    int code;
    while ((code = sqlite3_step(s)) == SQLITE_ROW) {
        JournalAnswer a;
        a.atMs = sqlite3_column_int64(s, 0);
        a.gameStartedMs = sqlite3_column_int64(s, 1);
        a.game = sqlite3_column_int(s, 2);
        a.wordKey = Text(s, 3);
        a.wordText = Text(s, 4);
        a.sound = sqlite3_column_int(s, 5);
        a.position = sqlite3_column_int(s, 6);
        a.outcome = static_cast<AnswerOutcome>(sqlite3_column_int(s, 7));
        a.tookMs = sqlite3_column_int(s, 8);
        answers.push_back(std::move(a));
    }
    if (code != SQLITE_DONE)
        Fail("the answers could not be read to the end");
    return answers;
}

std::vector<JournalNote> Journal::Notes()
{
    std::vector<JournalNote> notes;
    if (!db_)
        return notes;
    Statement select(db_, "SELECT day, written_ms, text FROM notes ORDER BY day, id");
    if (select.Code() != SQLITE_OK) {
        Fail("cannot read the notes");
        return notes;
    }
    int code;
    while ((code = sqlite3_step(select.get())) == SQLITE_ROW)
        notes.push_back({Text(select.get(), 0), sqlite3_column_int64(select.get(), 1), Text(select.get(), 2)});
    if (code != SQLITE_DONE)
        Fail("the notes could not be read to the end");
    return notes;
}

bool Journal::Exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    Fail(message ? message : "failed");
    sqlite3_free(message);
    return false;
}

void Journal::Fail(const std::string& what)
{
    problem_ = what;
    problemKind_ = FileProblem::Other;
    askFolder_ = false;
    if (!db_)
        return;
    problem_ += std::string(": ") + sqlite3_errmsg(db_);
    // The system's own error where SQLite kept one says best why a file could
    // not be made or written (a read-only mount, a folder without rights).
    const int code = sqlite3_errcode(db_) & 0xFF;
    const FileProblem system = FileProblemOf(sqlite3_system_errno(db_));
    if (code == SQLITE_FULL) {
        problemKind_ = FileProblem::DiskFull;
    } else if (system != FileProblem::None && system != FileProblem::Other) {
        problemKind_ = system;
    } else if (code == SQLITE_CANTOPEN || code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_IOERR) {
        // SQLite's last system error is often its fallback's (a read-only
        // open of a file that is not there): the folder itself is asked,
        // when someone wants to know, not at every failed answer.
        askFolder_ = true;
        readOnlyCode_ = code == SQLITE_READONLY;
    }
}

FileProblem Journal::ProblemKind()
{
    if (askFolder_) {
        askFolder_ = false;
        const FileProblem folder = FolderProblem(folder_);
        if (folder != FileProblem::None)
            problemKind_ = folder;
        else if (readOnlyCode_)
            problemKind_ = FileProblem::ReadOnly;
    }
    return problemKind_;
}
