// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of answers on disk: what is written comes back, old journals
// are brought up to date, damaged ones are set aside, and two programs
// writing one journal at once lose nothing.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "journal/Journal.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

JournalAnswer Answer(int64_t at, AnswerOutcome outcome, const std::string& key = "szafa", int32_t game = 1)
{
    return JournalAnswer{at, 1000, game, key, key == "zaba" ? "żaba" : key, 0x001, 0x1000, outcome, 1500};
}

// The first value a query gives, as text, read past the journal's own code.
std::string Query(const fs::path& file, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    std::string value = "(none)";
    if (sqlite3_step(s) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return value;
}

}  // namespace

TEST(Journal, AnswersAndNotesComeBackAfterReopeningInTheOrderWritten)
{
    TempDir dir;
    const fs::path file = dir.Path() / Journal::kFileName;
    const std::vector<JournalAnswer> written = {Answer(5, AnswerOutcome::Right, "zaba"), Answer(6, AnswerOutcome::Wrong),
                                                Answer(7, AnswerOutcome::Hint, ""),
                                                Answer(8, AnswerOutcome::UnsolvedAtStop)};
    {
        Journal journal;
        ASSERT_TRUE(journal.Open(file)) << journal.Problem();
        for (const JournalAnswer& a : written)
            EXPECT_TRUE(journal.Record(a));
        EXPECT_TRUE(journal.AddNote({"2026-01-05", 9, "Ćwiczyła chętnie"}));
        EXPECT_EQ(journal.Pending(), 0u);
    }
    Journal again;
    ASSERT_TRUE(again.Open(file, false));
    EXPECT_EQ(again.Answers(), written);
    ASSERT_EQ(again.Notes().size(), 1u);
    EXPECT_EQ(again.Notes()[0].text, "Ćwiczyła chętnie");
    EXPECT_EQ(Query(file, "PRAGMA user_version"), std::to_string(Journal::SchemaVersion()));
    // Reading never makes a journal where there is none.
    Journal none;
    EXPECT_FALSE(none.Open(dir.Path() / "brak.db", false));
    EXPECT_FALSE(fs::exists(dir.Path() / "brak.db"));
}

TEST(Journal, AFirstVersionJournalIsBroughtUpToDateKeepingItsAnswers)
{
    TempDir dir;
    const fs::path file = dir.Path() / Journal::kFileName;
    // A journal as the first version of the program left it.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE answers (id INTEGER PRIMARY KEY, at_ms INTEGER NOT NULL, game_started_ms "
                           "INTEGER NOT NULL, game INTEGER NOT NULL, word_key TEXT NOT NULL, word_text TEXT NOT NULL, "
                           "sound INTEGER NOT NULL, position INTEGER NOT NULL, outcome INTEGER NOT NULL, took_ms "
                           "INTEGER NOT NULL);"
                           "INSERT INTO answers VALUES (1, 77, 70, 3, 'koza', 'koza', 32, 8192, 2, 900);"
                           "PRAGMA user_version=1;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    Journal journal;
    ASSERT_TRUE(journal.Open(file)) << journal.Problem();
    EXPECT_EQ(journal.FoundVersion(), 1);
    EXPECT_TRUE(journal.AddNote({"2026-01-05", 1, "po migracji"}));
    ASSERT_EQ(journal.Answers().size(), 1u);
    EXPECT_EQ(journal.Answers()[0], (JournalAnswer{77, 70, 3, "koza", "koza", 32, 8192, AnswerOutcome::Wrong, 900}));
    journal.Close();
    EXPECT_EQ(Query(file, "PRAGMA user_version"), std::to_string(Journal::SchemaVersion()));
    EXPECT_EQ(Query(file, "SELECT COUNT(*) FROM notes"), "1");
}

TEST(Journal, ADamagedFileIsSetAsideWholeAndANewJournalStarted)
{
    TempDir dir;
    const std::string garbage(5000, '\x5A');
    dir.Write(Journal::kFileName, garbage);
    Journal journal;
    ASSERT_TRUE(journal.Open(dir.Path() / Journal::kFileName));
    EXPECT_EQ(journal.SetAside(), dir.Path() / "dziennik.db.uszkodzony");
    EXPECT_EQ(dir.Read("dziennik.db.uszkodzony"), garbage);
    EXPECT_NE(journal.Problem().find("set aside"), std::string::npos);
    EXPECT_TRUE(journal.Record(Answer(1, AnswerOutcome::Right)));
    EXPECT_EQ(journal.Answers().size(), 1u);

    // A second damaged one does not take the first one's place.
    journal.Close();
    dir.Write(Journal::kFileName, "jeszcze raz");
    ASSERT_TRUE(journal.Open(dir.Path() / Journal::kFileName));
    EXPECT_EQ(dir.Read("dziennik.db.uszkodzony"), garbage);
    EXPECT_EQ(dir.Read("dziennik.db.uszkodzony-2"), "jeszcze raz");
}

TEST(Journal, TwoProgramsWritingOneJournalAtOnceLoseNoAnswer)
{
    TempDir dir;
    const fs::path file = dir.Path() / Journal::kFileName;
    constexpr int kEach = 400;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            // Each program opens the journal itself, the first ones racing to
            // make it, and writes its answers one transaction each.
            Journal journal;
            int written = 0;
            if (journal.Open(file))
                for (int i = 0; i < kEach; ++i)
                    written += journal.Record(Answer(c * 100000 + i, AnswerOutcome::Right, "k" + std::to_string(c)));
            _exit(written == kEach ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Journal journal;
    ASSERT_TRUE(journal.Open(file, false));
    const std::vector<JournalAnswer> answers = journal.Answers();
    ASSERT_EQ(answers.size(), 2u * kEach);
    std::set<int64_t> seen;
    for (const JournalAnswer& a : answers)
        seen.insert(a.atMs);
    EXPECT_EQ(seen.size(), 2u * kEach);
    EXPECT_EQ(Query(file, "PRAGMA journal_mode"), "wal");
}
