// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has none of the programs the Linux build may call (sox): nothing is
// run, and the callers take the way they take when a program is missing.
#include "platform/ExternalProgram.h"

bool ProgramInstalled(const std::string&)
{
    return false;
}

int RunExternalProgram(const std::string& name, const std::vector<std::string>&, std::string& errors)
{
    errors = name + ": other programs are not run on Windows";
    return -1;
}
