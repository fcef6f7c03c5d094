// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which colour emoji show which word: a hand-made table of honest fits.
#pragma once

#include <string>
#include <string_view>

// The emoji (one or a few, drawn side by side) that picture the word with this
// key, or empty when no emoji shows the thing the word names.
std::u32string EmojiForWord(std::string_view key);
