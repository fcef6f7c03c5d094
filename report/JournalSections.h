// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a child's report page that come from the journal of answers:
// the summary with the sound x position map, the weekly progress per sound,
// the hardest words, and the practice days with the therapist's notes.
#pragma once

#include <string>

#include "report/JournalSummary.h"

// The first page: the last 30 days and the whole period in figures, and the
// map of the whole period.
std::string SummarySection(const ChildSummary& s);
std::string WeeklySection(const ChildSummary& s);
std::string HardestWordsSection(const ChildSummary& s);
std::string DaysSection(const ChildSummary& s);
