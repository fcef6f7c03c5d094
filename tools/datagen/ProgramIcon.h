// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon for the desktop menu: the game's figure on the cream
// tile of the logo, whispering, in the sizes desktop icon themes look for.
#pragma once

#include <filesystem>
#include <vector>

// The square sizes written, smallest first.
const std::vector<int>& ProgramIconSizes();

// Writes root/icons/hicolor/NxN/apps/szeptaczki.png for every size; throws
// std::runtime_error when a file cannot be written.
void WriteProgramIcons(const std::filesystem::path& root);
