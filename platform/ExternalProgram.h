// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Running another program of the system (the sox sound converter), without a
// shell: the arguments reach it as they are, whatever characters a file name
// holds.
#pragma once

#include <string>
#include <vector>

// Whether a program of that name is found in the folders of PATH.
bool ProgramInstalled(const std::string& name);

// Runs a program found in PATH with arguments and waits for it to end. Its
// standard output is discarded; what it writes to standard error (the last
// few kilobytes) is returned in errors. Returns its exit status, or -1 when
// it could not be started or did not end normally.
int RunExternalProgram(const std::string& name, const std::vector<std::string>& args, std::string& errors);
