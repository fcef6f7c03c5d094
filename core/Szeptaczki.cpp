#include "core/Szeptaczki.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/CommandLine.h"

int RunSzeptaczki(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine cmd;
    std::string error;
    if (!ParseCommandLine(args, cmd, error)) {
        std::fprintf(stderr, "szeptaczki: %s\n", error.c_str());
        return 2;
    }
    return 0;
}
