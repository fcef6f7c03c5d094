// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pages of word pictures as the games show them, for looking over the art.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/datagen/WordSource.h"

// Writes into folder, for every display mode and every place a game shows a
// word picture in (memory card, can, wagon, forklift box, the narrowest
// television, zoom, memory panel), pages of the words' pictures as that place
// shows them: cut from the picture files as the games cut them, at the size
// they are shown, what the place's casing hides dimmed; each under its key.
// Also pages of the whole small pictures with the part every place keeps
// marked. Pages are at most about 1200 x 1000 pixels, named
// "MODE-PLACE-N.png". Returns the files written; throws std::runtime_error
// when one cannot be written.
std::vector<std::filesystem::path> WriteContactSheets(const std::filesystem::path& folder,
                                                      const std::vector<DatagenWord>& words, unsigned threads);
