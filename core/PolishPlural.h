// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Counted nouns in Polish: "1 gra", "2 gry", "5 gier", "22 gry", "12 gier".
// Every text that puts a number before a noun goes through here. The forms
// are given in the encoding of the caller's text (UTF-8 or cp1250).
#pragma once

#include <cstdint>
#include <string>

// The form for n: one for 1, few for numbers ending in 2-4 (but not 12-14),
// many for the rest (0, 5-21, 25-31, ...). Negative numbers take their size's form.
const std::string& PluralForm(int64_t n, const std::string& one, const std::string& few, const std::string& many);
// n and its form: CountOf(5, "gra", "gry", "gier") is "5 gier".
std::string CountOf(int64_t n, const std::string& one, const std::string& few, const std::string& many);
