// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/JournalRows.h"

#include <algorithm>
#include <bit>

#include "core/AnswerJournal.h"
#include "core/StatisticsFile.h"

std::vector<JournalAnswer> JournalRows(const std::filesystem::path& root)
{
    Journal journal;
    if (!journal.Open(root / Journal::kFileName, false))
        return {};
    return journal.Answers();
}

std::vector<JournalAnswer> RowsOfGame(const std::vector<JournalAnswer>& rows, int game, const SystemTime& start)
{
    std::vector<JournalAnswer> out;
    for (const JournalAnswer& a : rows)
        if (a.game == game && a.gameStartedMs == JournalTimeOf(start))
            out.push_back(a);
    return out;
}

std::string Outcomes(const std::vector<JournalAnswer>& rows)
{
    std::string letters;
    for (const JournalAnswer& a : rows) {
        const int n = static_cast<int>(a.outcome);
        letters += n >= 1 && n <= 4 ? "RWHU"[n - 1] : '?';
    }
    return letters;
}

std::vector<std::string> WordKeys(const std::vector<JournalAnswer>& rows)
{
    std::vector<std::string> keys;
    for (const JournalAnswer& a : rows)
        keys.push_back(a.wordKey);
    return keys;
}

std::string GameRowsProblem(const std::vector<JournalAnswer>& game, int32_t sounds, int32_t positions)
{
    int64_t previous = game.empty() ? 0 : game.front().gameStartedMs;
    int64_t took = 0, lastJudged = previous;
    for (const JournalAnswer& a : game) {
        const std::string at = "answer at " + std::to_string(a.atMs) + " (" + a.wordKey + "): ";
        if (!a.wordKey.empty() && (std::popcount(static_cast<uint32_t>(a.sound)) != 1 || (a.sound & ~sounds) != 0 ||
                                   std::popcount(static_cast<uint32_t>(a.position)) != 1 ||
                                   (a.position & ~positions) != 0 || a.wordText.empty()))
            return at + "sound " + std::to_string(a.sound) + ", position " + std::to_string(a.position);
        if (a.atMs < previous)
            return at + "out of time order";
        previous = a.atMs;
        if (a.outcome == AnswerOutcome::Right || a.outcome == AnswerOutcome::Wrong) {
            took += a.tookMs;
            lastJudged = a.atMs;
        }
    }
    if (!game.empty() && took != lastJudged - game.front().gameStartedMs)
        return "the times taken add up to " + std::to_string(took) + " ms, the last judged answer came after " +
               std::to_string(lastJudged - game.front().gameStartedMs) + " ms";
    return "";
}

std::string JournalAgainstStatistics(const std::filesystem::path& root)
{
    const std::vector<JournalAnswer> rows = JournalRows(root);
    for (const StatRecord& r : ReadStatisticsFile(root / "prgst6.stt", 6).Records) {
        const std::vector<JournalAnswer> game = RowsOfGame(rows, r.GameId, r.StartTime);
        const std::string letters = Outcomes(game);
        const auto count = [&letters](char c) { return static_cast<int32_t>(std::count(letters.begin(), letters.end(), c)); };
        const int32_t perUnsolved = r.GameId == 3 ? 2 : 1;
        const bool rightAgree = r.GameId == 3 ? r.Correct <= 2 * count('R') : r.Correct == count('R');
        const std::string which = "game " + std::to_string(r.GameId) + " of " + std::to_string(JournalTimeOf(r.StartTime)) + ": ";
        if (!rightAgree || r.Wrong != count('W') + perUnsolved * count('U') || r.Hints != count('H'))
            return which + "the journal has " + letters + ", the record " + std::to_string(r.Correct) + " right, " +
                   std::to_string(r.Wrong) + " wrong, " + std::to_string(r.Hints) + " hints";
        if (const std::string problem = GameRowsProblem(game, r.Gloski, r.Pozycja); !problem.empty())
            return which + problem;
    }
    return "";
}
