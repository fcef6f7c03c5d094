// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's arguments as UTF-8, whatever the system hands main():
// on Windows its narrow arguments are in the code page of the system, which
// cannot spell every folder (a --root with Polish letters on an English
// Windows), so they are taken from the wide command line instead.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ProgramArguments(int argc, char** argv);
