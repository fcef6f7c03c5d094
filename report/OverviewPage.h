// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The overview of all children of a practice: one line per child with the
// last 30 days in figures and a link to the child's own report.
#pragma once

#include <string>
#include <vector>

#include "report/JournalSummary.h"

struct OverviewLine {
    std::string name;  // UTF-8
    std::string link;  // the child's report, relative to the overview, URL-encoded; empty when not written
    const ChildSummary* summary = nullptr;
};

std::string OverviewPageHtml(const std::vector<OverviewLine>& lines, const std::string& madeOn);
// A relative path as a URL path: every byte but letters, digits and / . - _ percent-encoded.
std::string UrlPath(const std::string& utf8Path);
