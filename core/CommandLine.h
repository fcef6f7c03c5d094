// The program's command line:
//   szeptaczki [--windowed] [--screen WxH] [--root DIR] [--headless]
//              [--script FILE] [--seed N] [--no-scale]
//              [z | raport [--out DIR] | glos (--eksport FILE | --import FILE|FOLDER)]
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
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
    std::string root;    // the program's directory; empty: the executable's directory
    std::string script;  // input events, for headless runs or fed to the window in real time
    std::optional<uint64_t> seed;
};

// Parses argv; on an unknown or malformed option returns false with a message in error.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);
