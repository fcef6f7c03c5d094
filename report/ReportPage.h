// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A child's progress report as one self-contained HTML page in Polish: no
// network, no scripts, charts inline, a print style for A4.
#pragma once

#include <string>
#include <vector>

#include "report/JournalSummary.h"

struct ReportHeading {
    std::string madeOn;                 // "07.12.2026 10:05"
    std::string childName;              // UTF-8; empty when unknown
    std::string fileName;               // the statistics file read
    std::vector<std::string> problems;  // sentences about the files, shown first
};

std::string ReportPageHtml(const ChildSummary& summary, const ReportHeading& heading);
