// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's built-in words, each spelled sound by sound in cp1250 with
// the practised sound marked by "_" ("a,b,e,_c,a,d,ł,o,"), in catalogue order.
#pragma once

#include <cstddef>
#include <span>

inline constexpr std::size_t kWordCount = 353;

std::span<const char* const, kWordCount> WordNotations();
