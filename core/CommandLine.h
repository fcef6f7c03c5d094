// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: its options and verbs, and the usage text that
// --help prints and a wrong command line is answered with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;     // "--help": print the usage and exit
    bool version = false;  // "--version": print the version and exit
    bool maintenance = false;  // "z": write the resource report instead of starting the games
    bool report = false;       // "raport": write the progress report and exit
    std::string reportDir;     // "--out DIR" of the progress report; empty: beside the statistics
    bool voice = false;        // "glos": share the practice's voice set and exit
    std::string voiceExport;   // "--eksport FILE": the archive to write
    std::string voiceImport;   // "--import FILE|FOLDER": an archive, or a folder of sound files
    bool windowed = false;
    bool headless = false;
    bool noScale = false;  // keep the picture unscaled and centred on a larger screen
    int screenWidth = 0;  // 0: the real screen (1024 x 768 when headless)
    int screenHeight = 0;
    std::string root;    // one child's directory; empty: the children's folders of the user's folder
    std::string child;   // "--dziecko NAME" (UTF-8): the child to play or report on
    std::string note;    // "--notatka TEXT" of the report: a note to add to a day
    std::string noteDay; // "--dzien RRRR-MM-DD": the note's day; empty: today
    std::string script;  // input events, for headless runs or fed to the window in real time
    std::optional<uint64_t> seed;
};

// Parses argv; on an unknown or malformed option returns false with a message in error.
// With --help or --version the rest of the line is not checked.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);

// The usage text, one line per verb or option, ending in a newline.
const std::string& CommandLineUsage();

// The program's name and version, as --version prints it.
std::string ProgramVersion();
