// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry routine: command line, start-up, the message loop and the clean-up.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "core/Program.h"
#include "core/ReportRequest.h"

// The "raport" verb, given by the program: writes the progress reports asked
// for and returns the exit status.
using ReportWriter = std::function<int(const ReportRequest& request)>;

// The "glos" verb, given by the program: exports the practice's voice set
// into the file at path, or imports the archive or folder at path, and
// returns the exit status.
using VoiceSetTool = std::function<int(bool exporting, const std::filesystem::path& path)>;

// Runs the program. screenMakers make the screens above the core (games,
// about screen) in the order of start-up. The exit status is 0, 1 when the
// user's folder cannot be made, 2 for a bad command line, or 3 when a
// headless script failed; with "raport", what writeReport returns, and with
// "glos" what voiceSetTool returns.
int RunSzeptaczki(int argc, char** argv, const std::vector<ScreenMaker>& screenMakers = {},
                  const ReportWriter& writeReport = {}, const VoiceSetTool& voiceSetTool = {});

// The maintenance mode: checks the word files and writes the report into
// reportDir when something is missing or surplus.
void WriteResourceReport(const std::filesystem::path& reportDir);
