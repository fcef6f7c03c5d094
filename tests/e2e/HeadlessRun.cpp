// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/HeadlessRun.h"

#include <system_error>

namespace fs = std::filesystem;

ProgramResult RunHeadless(const fs::path& root, const std::string& script, const std::string& screen, uint64_t seed)
{
    TempDir work;
    work.Write("script.txt", script);
    return RunProgram("--headless --seed " + std::to_string(seed) + " --screen " + screen + " --root '" +
                          root.string() + "' --script '" + (work.Path() / "script.txt").string() + "'",
                      work.Path());
}

bool ShowedMissingResources(const ProgramResult& r)
{
    return r.errors.find("Brak zasobów !") != std::string::npos;
}

bool ShowedAnError(const ProgramResult& r)
{
    // Every fatal message box carries this title.
    return r.errors.find("Szeptaczki Cz.VI - Błąd") != std::string::npos;
}

int WholeStatisticsRecords(const fs::path& root)
{
    std::error_code ec;
    const auto size = fs::file_size(root / "prgst6.stt", ec);
    if (ec || size < 20 || (size - 20) % 44 != 0)
        return -1;
    return static_cast<int>((size - 20) / 44);
}
