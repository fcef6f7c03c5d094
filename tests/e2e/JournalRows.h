// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The child's journal of answers as a run of the program left it, read back
// for the tests that compare it with what was played.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "journal/Journal.h"
#include "platform/Clock.h"

// Every answer of the journal in root, in the order written; none when there is no journal.
std::vector<JournalAnswer> JournalRows(const std::filesystem::path& root);
// The answers of the game (1..5) that started at start, in order.
std::vector<JournalAnswer> RowsOfGame(const std::vector<JournalAnswer>& rows, int game, const SystemTime& start);
// One letter an answer: R right, W wrong, H hint, U left unsolved at a stop.
std::string Outcomes(const std::vector<JournalAnswer>& rows);
std::vector<std::string> WordKeys(const std::vector<JournalAnswer>& rows);
// What is wrong with the answers of one game, empty when nothing: a word
// whose sound or position is not one of sounds and positions (or not one bit
// of each), a word without its text, answers out of time order or before the
// game's start, or times taken (a right or wrong answer's time since the
// previous one) that do not add up to the last of them.
std::string GameRowsProblem(const std::vector<JournalAnswer>& game, int32_t sounds, int32_t positions);
// What the journal in root says against the statistics file beside it,
// empty when they agree: every saved game has its answers in the journal,
// as many right, wrong and hints as the record counts (the memory game
// counts a pair found zero to two times, a pair left as two cards), and
// GameRowsProblem finds nothing in them.
std::string JournalAgainstStatistics(const std::filesystem::path& root);
