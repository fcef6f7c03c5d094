// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the sound-by-sound notation of a word ("b,u,_c,_i,k,"): which sound
// it practises and where, and the plain key that names the word's files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The tokens of a notation, one per sound, without the commas.
std::vector<std::string_view> NotationTokens(std::string_view notation);

// The sound bit and the position bit the notation's marked sound stands for,
// ORed; 0 when the notation marks no sound this program knows.
int32_t NotationFlags(std::string_view notation);

// The file stem of the word: the letters without marks and without Polish
// diacritics (two words take a longer key so that keys stay unique).
std::string NotationKey(std::string_view notation);
