// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "raport" verb: each child's progress report (page and spreadsheet
// table) from the child's journal of answers and statistics file, an
// overview page of all children, and notes added to a day.
#pragma once

#include <ctime>
#include <filesystem>
#include <iosfwd>

#include "core/ReportRequest.h"
#include "report/JournalSummary.h"

inline constexpr const char* kReportPageName = "Raport postępów.html";
inline constexpr const char* kReportCsvName = "postępy.csv";
inline constexpr const char* kOverviewPageName = "Raport postępów - dzieci.html";

// Does what the request asks. Problems of the files go into the pages and to
// err, the names of the files written to out. now is the time the report is
// made (its "last 30 days" end today). 0 when everything was written, 1 when
// something could not be, 2 when the note cannot be taken (an empty text, a
// day that is no date).
int WriteProgressReports(const ReportRequest& request, std::time_t now, std::ostream& out, std::ostream& err);

// One child's page and table into outDir (made when missing); summary, when
// given, receives the numbers. 0 when both files were written.
int WriteChildReport(const ReportRequest::Child& child, const std::filesystem::path& outDir, std::time_t now,
                     std::ostream& out, std::ostream& err, ChildSummary* summary = nullptr);
