// The progress report as one self-contained HTML page in Polish: no network,
// no scripts, charts inline, a print style for A4.
#pragma once

#include <string>
#include <vector>

#include "report/ProgressSummary.h"

struct ReportHeading {
    std::string madeOn;                 // "07.12.2026 10:05"
    std::string fileName;               // the statistics file read
    std::vector<std::string> problems;  // sentences about the file, shown first
};

std::string ReportPageHtml(const ProgressSummary& summary, const ReportHeading& heading);
