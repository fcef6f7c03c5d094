// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CommandLine.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ParseSize(const std::string& text, int& w, int& h)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    char* end = nullptr;
    errno = 0;
    const long width = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + x || errno)
        return false;
    const long height = std::strtol(text.c_str() + x + 1, &end, 10);
    if (*end != '\0' || errno || width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return false;
    w = static_cast<int>(width);
    h = static_cast<int>(height);
    return true;
}

}  // namespace

const std::string& CommandLineUsage()
{
    // One line per verb or option, the description from column 21: a new
    // verb or option is one more line here.
    static const std::string usage = R"(Usage: szeptaczki [options] [z | raport [--out DIR] [--notatka TEXT [--dzien YYYY-MM-DD]] | glos (--eksport FILE | --import FILE|FOLDER)]
  z                 write the resource report instead of starting the games
  raport            write the therapist's progress reports (HTML + CSV) and exit
  --out DIR         with raport: write the reports into DIR, not beside the statistics
  --notatka TEXT    with raport: first add a note to today (or --dzien) for the child
  --dziecko NAME    play as this child (kept for later starts), or report on it alone
  glos --eksport FILE        write the therapist's recordings into one archive (a tar file)
  glos --import FILE|FOLDER  take in such an archive, or a folder of sound files named by the words
  --windowed        a window of the design area's size instead of full screen
  --screen WxH      pretend the screen has this size (picks the display mode)
  --root DIR        use DIR as one child's directory (data, settings, statistics)
  --headless        no display, no sound, virtual clock; needs --script
  --script FILE     feed the input events of FILE, then end as if the main menu closed
                    (without --headless they go to the real window, in real time)
  --seed N          seed the random generator with N instead of the clock
  --no-scale        on a screen larger than the design area, keep it centred unscaled
  --help            print this text and exit
  --version         print the version and exit
)";
    return usage;
}

std::string ProgramVersion()
{
    return std::string("szeptaczki ") + SZ_VERSION;
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            out.help = true;
            return true;
        } else if (a == "--version") {
            out.version = true;
            return true;
        } else if (a == "z" || a == "Z") {
            out.maintenance = true;
        } else if (a == "raport") {
            out.report = true;
        } else if (a == "glos") {
            out.voice = true;
        } else if (a == "--eksport") {
            if (!value(out.voiceExport))
                return false;
        } else if (a == "--import") {
            if (!value(out.voiceImport))
                return false;
        } else if (a == "--out") {
            if (!value(out.reportDir))
                return false;
        } else if (a == "--windowed") {
            out.windowed = true;
        } else if (a == "--no-scale") {
            out.noScale = true;
        } else if (a == "--headless") {
            out.headless = true;
        } else if (a == "--screen") {
            std::string size;
            if (!value(size))
                return false;
            if (!ParseSize(size, out.screenWidth, out.screenHeight)) {
                error = "--screen wants WIDTHxHEIGHT, not " + size;
                return false;
            }
        } else if (a == "--root") {
            if (!value(out.root))
                return false;
        } else if (a == "--dziecko") {
            if (!value(out.child))
                return false;
        } else if (a == "--notatka") {
            if (!value(out.note))
                return false;
        } else if (a == "--dzien") {
            if (!value(out.noteDay))
                return false;
        } else if (a == "--script") {
            if (!value(out.script))
                return false;
        } else if (a == "--seed") {
            std::string seed;
            if (!value(seed))
                return false;
            char* end = nullptr;
            errno = 0;
            const unsigned long long n = std::strtoull(seed.c_str(), &end, 10);
            if (seed.empty() || *end != '\0' || errno || seed[0] == '-') {
                error = "--seed wants a whole number, not " + seed;
                return false;
            }
            out.seed = n;
        } else {
            error = "unknown argument: " + a;
            return false;
        }
    }
    if (!out.reportDir.empty() && !out.report) {
        error = "--out belongs to raport";
        return false;
    }
    if ((!out.note.empty() || !out.noteDay.empty()) && !out.report) {
        error = "--notatka and --dzien belong to raport";
        return false;
    }
    if (!out.noteDay.empty() && out.note.empty()) {
        error = "--dzien goes with --notatka";
        return false;
    }
    if (!out.child.empty() && !out.root.empty()) {
        error = "--dziecko and --root exclude each other (--root names one child's directory)";
        return false;
    }
    if (out.report && out.maintenance) {
        error = "z and raport exclude each other";
        return false;
    }
    if ((!out.voiceExport.empty() || !out.voiceImport.empty()) && !out.voice) {
        error = "--eksport and --import belong to glos";
        return false;
    }
    if (out.voice && (out.report || out.maintenance)) {
        error = "glos excludes z and raport";
        return false;
    }
    if (out.voice && out.voiceExport.empty() == out.voiceImport.empty()) {
        error = "glos wants either --eksport FILE or --import FILE|FOLDER";
        return false;
    }
    if (out.headless && out.script.empty() && !out.maintenance && !out.report && !out.voice) {
        error = "--headless needs --script FILE";
        return false;
    }
    return true;
}
