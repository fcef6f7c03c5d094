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
        if (a == "z" || a == "Z") {
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
