// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the progress report, in Polish (UTF-8): games, sounds,
// positions, amounts, and the sentences for a damaged statistics file.
#pragma once

#include <cstdint>
#include <string>

#include "core/StatisticsFile.h"

constexpr int kReportGameCount = 5;
constexpr int kReportSoundCount = 12;
constexpr int kReportPositionCount = 3;

// Game 1..5 as the menu's tabs name them; anything else "gra nr N".
std::string GameName(int32_t gameId);
// Sound i (0..11) in the order of the sound bits: "SZ", "Ż", ..., "DŹ".
std::string SoundName(int index);
// Position 0..2: "nagłos", "śródgłos", "wygłos".
std::string PositionName(int index);
// The sounds of a mask ("S, SZ"), or "—" when it has none.
std::string SoundList(int32_t mask);
std::string PositionList(int32_t mask);
// Amount 1..3: "mało", "średnio", "dużo".
std::string AmountName(int32_t poziom);
// One sentence about a problem of the statistics file.
std::string ProblemText(const StatFileProblem& problem, int32_t expectedProgramNumber);
