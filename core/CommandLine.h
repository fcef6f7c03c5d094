// The program's command line:
//   szeptaczki [--windowed] [--screen WxH] [--root DIR] [--dziecko NAME]
//              [--headless] [--script FILE] [--seed N] [--no-scale]
//              [z | raport [--out DIR] [--notatka TEXT [--dzien RRRR-MM-DD]]]
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool maintenance = false;  // "z": write the resource report instead of starting the games
    bool report = false;       // "raport": write the progress report and exit
    std::string reportDir;     // "--out DIR" of the progress report; empty: beside the statistics
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
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);
