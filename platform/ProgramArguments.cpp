// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX systems hand main() the bytes as they were given: UTF-8 in every
// locale the program supports.
#include "platform/ProgramArguments.h"

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}
