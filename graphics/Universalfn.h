// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the program's modules: text and file-name utilities.
#pragma once

#include <array>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"

// a-z and the nine Polish lower-case letters of cp1250 upper-cased; other bytes unchanged.
std::string UpperPolish(std::string_view text);

// Decimal text of number, left-padded with '0' to at least width characters.
std::string IntToStrPad(int number, int width);

// The path with '\' appended unless it is empty or already ends with a delimiter.
std::string AddBackslash(std::string_view path);

// Adds to list the names of the files in directory matching mask ('*' and '?'
// wildcards, letter case ignored; "*.*" matches every name), hidden files included.
void ListFiles(std::string_view directory, std::string_view mask, std::vector<std::string>& list);

// Windows-style wildcard match of a file name, without regard to case.
bool MatchesMask(std::string_view name, std::string_view mask);

// After a sprite of oldRect's size moved from oldRect to the top-left corner
// (newX, newY), copies from background to target (same coordinates) the part
// of oldRect the sprite no longer covers: the whole of it when the two
// positions do not overlap, otherwise the bands on the sides it moved away from.
void RestoreUncovered(Bitmap& target, const Bitmap& background, int newX, int newY, TRect oldRect);
// The parts of oldRect (at most two bands; unused ones are empty) that
// RestoreUncovered puts back when the sprite moves to (newX, newY).
std::array<TRect, 2> UncoveredBands(int newX, int newY, TRect oldRect);
