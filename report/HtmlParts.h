// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces the report's pages are made of: the style sheet (screen
// and A4 print), table cells, value cards, shares and play times in Polish.
#pragma once

#include <cstdint>
#include <string>

// The style sheet of every report page.
const char* ReportStyle();
// "70%".
std::string Percent(double share);
// "4 godz. 8 min" or "3 min 5 s".
std::string PlayTime(int64_t seconds);
// A big value over its label.
std::string Card(const std::string& value, const std::string& label);
std::string Cell(const std::string& text, bool left = false);
// The page's opening up to the body, with its title.
std::string PageStart(const std::string& title);
// n with the noun's form (UTF-8): Counted(5, "gra", "gry", "gier") is "5 gier".
std::string Counted(int64_t n, const char* one, const char* few, const char* many);
// Only the noun's form.
std::string FormFor(int64_t n, const char* one, const char* few, const char* many);
