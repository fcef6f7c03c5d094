// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the praise ("g00".."g46") and gentle reproach ("b00".."b39") recordings
// say: the generator speaks them, and the voice screen shows them to the
// adult who records them.
#pragma once

#include <string>
#include <vector>

inline constexpr int kPraiseCount = 47;
inline constexpr int kReproachCount = 40;

// UTF-8 phrases (the generator's speech takes UTF-8), kPraiseCount and
// kReproachCount of them, all different.
const std::vector<std::string>& PraisePhrases();
const std::vector<std::string>& ReproachPhrases();
