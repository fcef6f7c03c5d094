// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "glos" verb of the command line: writes the practice's voice set into
// an archive, or takes one in (an archive, or a folder of sound files named
// by the words), so that a practice records once and installs the set on
// every computer.
#pragma once

#include <filesystem>
#include <iosfwd>

// Tells on out (UTF-8) what was done, and on err every file passed over and
// why. Returns the exit status: 0 when everything was done, 1 when a file was
// passed over or nothing could be done.
int RunVoiceCommand(bool exporting, const std::filesystem::path& path, std::ostream& out, std::ostream& err);
