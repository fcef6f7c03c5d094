// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The games of the statistics file as a spreadsheet table: UTF-8 with a
// byte-order mark, semicolons between fields and decimal commas, so that a
// spreadsheet in a Polish locale opens it straight into columns.
#pragma once

#include <string>

#include "report/ProgressSummary.h"

std::string ProgressCsv(const ProgressSummary& summary);
