// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of answers: what one answer costs a game (one transaction on
// disk), and a child's report from a year of practice.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "core/SoundCodes.h"
#include "core/StatisticsFile.h"
#include "journal/Journal.h"
#include "report/JournalSummary.h"
#include "report/ProgressReport.h"

namespace fs = std::filesystem;

namespace {

fs::path Scratch(const char* name)
{
    const fs::path dir = fs::temp_directory_path() / ("szeptaczki-bench-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

JournalAnswer AnswerNumber(int64_t i, int64_t startMs)
{
    // A game every 40 answers, two games a day, words from a pool of 300.
    const int64_t game = i / 40;
    const int64_t gameStart = startMs + game / 2 * 86400000 + game % 2 * 3600000;
    const int word = static_cast<int>((i * 7919) % 300);
    JournalAnswer a;
    a.atMs = gameStart + (i % 40) * 9000;
    a.gameStartedMs = gameStart;
    a.game = static_cast<int32_t>(1 + game % 5);
    a.wordKey = "slowo" + std::to_string(word);
    a.wordText = "słowo " + std::to_string(word);
    a.sound = 1 << (word % 12);
    a.position = POZ_NAGLOS << (word % 3);
    a.outcome = i % 11 == 0 ? AnswerOutcome::Hint : i % 4 == 0 ? AnswerOutcome::Wrong : AnswerOutcome::Right;
    a.tookMs = 3000;
    return a;
}

void BM_JournalRecordAnswer(benchmark::State& state)
{
    const fs::path dir = Scratch("record");
    Journal journal;
    if (!journal.Open(dir / Journal::kFileName)) {
        state.SkipWithError(journal.Problem().c_str());
        return;
    }
    int64_t i = 0;
    for (auto _ : state)
        if (!journal.Record(AnswerNumber(i++, 1767600000000)))
            state.SkipWithError(journal.Problem().c_str());
    journal.Close();
    fs::remove_all(dir);
}
BENCHMARK(BM_JournalRecordAnswer)->Unit(benchmark::kMicrosecond);

// 100,000 answers (2,500 games over three and a half years) and the
// statistics file of those games: the whole report, page and table written.
void BM_ReportOf100000Answers(benchmark::State& state)
{
    const fs::path dir = Scratch("report");
    const int64_t startMs = 1640995200000;  // 2022-01-01
    {
        Journal journal;
        if (!journal.Open(dir / Journal::kFileName)) {
            state.SkipWithError(journal.Problem().c_str());
            return;
        }
        std::string stats = EncodeStatHeader(6, SystemTime{2022, 1, 6, 1, 0, 0, 0, 0});
        for (int64_t i = 0; i < 100000; ++i) {
            const JournalAnswer a = AnswerNumber(i, startMs);
            journal.Record(a);
            if (i % 40 == 0) {
                StatRecord r;
                r.GameId = a.game;
                r.StartTime = TicksToSystemTime(a.gameStartedMs * 10000 + 116444736000000000);
                r.Poziom = 2;
                r.Gloski = static_cast<int16_t>(GL_S | GL_SZ);
                r.Pozycja = static_cast<int16_t>(POZ_NAGLOS);
                r.Duration = 360;
                r.Completed = 1;
                r.Correct = 27;
                r.Wrong = 9;
                stats += EncodeStatRecord(r);
            }
        }
        std::FILE* f = std::fopen((dir / "prgst6.stt").c_str(), "wb");
        std::fwrite(stats.data(), 1, stats.size(), f);
        std::fclose(f);
    }
    const ReportRequest::Child child{"Ola", dir, dir / "prgst6.stt", dir / Journal::kFileName};
    const std::time_t now = static_cast<std::time_t>(startMs / 1000 + 1300 * 86400);
    for (auto _ : state) {
        std::ostringstream out, err;
        if (WriteChildReport(child, dir / "raport", now, out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_ReportOf100000Answers)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
