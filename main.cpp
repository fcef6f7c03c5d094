// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: everything else lives in the library.
#include <ctime>
#include <iostream>

#include "core/Szeptaczki.h"
#include "games/ProgramScreens.h"
#include "report/ProgressReport.h"
#include "voice/VoiceCommand.h"

int main(int argc, char** argv)
{
    return RunSzeptaczki(
        argc, argv, ProgramScreens(),
        [](const ReportRequest& request) {
            return WriteProgressReports(request, std::time(nullptr), std::cout, std::cerr);
        },
        [](bool exporting, const auto& path) { return RunVoiceCommand(exporting, path, std::cout, std::cerr); });
}
