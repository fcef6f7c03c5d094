// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The report's charts as inline SVG: plain shapes and text, no scripts, so
// that the page reads and prints the same everywhere.
#pragma once

#include <string>
#include <vector>

#include "report/ProgressSummary.h"

// Text made safe for HTML and SVG.
std::string Escape(const std::string& text);
// A colour from struggling (red, share 0.4 and below) over amber to mastered
// (green, share 0.9 and above).
std::string ShareColour(double share);

// Practice days (0..7) of each week as columns.
std::string PracticeDaysChart(const std::vector<WeekSummary>& weeks);
// One horizontal bar per label, lengths in proportion to the values.
std::string BarChart(const std::vector<std::string>& labels, const std::vector<double>& values,
                     const std::vector<std::string>& valueTexts);
// The share of correct answers per week, one line per sound that has answers.
std::string WeeklyShareChart(const std::vector<WeekSummary>& weeks);
