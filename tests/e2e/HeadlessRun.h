// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built program run headless on a prepared program directory, and what
// its messages say: the helpers of the sweeps and the damaged-data tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/TestSupport.h"

// Runs the program headless with a script on the program directory root.
ProgramResult RunHeadless(const std::filesystem::path& root, const std::string& script,
                          const std::string& screen = "1024x768", uint64_t seed = 3);

// The missing-resources message (error code 1) was shown.
bool ShowedMissingResources(const ProgramResult& r);
// Any error message of the program was shown (a code, or the fatal one).
bool ShowedAnError(const ProgramResult& r);

// The statistics file of root holds its header and only whole records;
// returns the number of records, or -1 when it does not.
int WholeStatisticsRecords(const std::filesystem::path& root);
