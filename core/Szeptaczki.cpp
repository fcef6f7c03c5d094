// The entry routine of the program.
#include "core/Szeptaczki.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/CSlowa.h"
#include "core/CommandLine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

uint64_t SeedFromClock()
{
    Clock& clock = TheClock();
    return static_cast<uint64_t>(SystemTimeToTicks(clock.UniversalTime())) ^
           static_cast<uint64_t>(clock.Counter());
}

}  // namespace

void WriteResourceReport(const fs::path& reportDir)
{
    const std::string title = "Szeptaczki Cz.VI - Raport zasobów"_cp;
    std::vector<std::string> lines;
    bool complete = false;
    {
        const CSlowa catalogue;
        complete = catalogue.CheckResources(lines);
    }
    if (complete) {
        TheMessageBoxes().Show(title, "Wszystkie zasoby słów istnieją.\nBrak plików nadmiarowych."_cp,
                               MessageIcon::Information);
        return;
    }

    lines.insert(lines.begin(), "Raport Zasobów\r\n\r\n"_cp);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    const fs::path file = reportDir / fs::path(Cp1250ToUtf8("Raport zasobów.txt"_cp));
    if (!WriteFileAtomically(file, text)) {
        TheMessageBoxes().Show(title, "Błąd podczas zapisu do pliku \"Raport zasobów.txt\"!"_cp,
                               MessageIcon::Error);
        return;
    }
    TheMessageBoxes().Show(title,
                           "Brak niektórych plików lub istnieją plik nadmiarowe!\n\n"
                           "Raport zapisano w pliku \"Raport zasobów.txt\""_cp,
                           MessageIcon::Warning);
}

int RunSzeptaczki(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine cmd;
    std::string error;
    if (!ParseCommandLine(args, cmd, error)) {
        std::fprintf(stderr, "szeptaczki: %s\n", error.c_str());
        return 2;
    }

    // Headless runs live on program time: waits and timeouts pass at once.
    if (cmd.headless)
        InstallClock(std::make_unique<VirtualClock>());
    SeedRandom(cmd.seed ? *cmd.seed : SeedFromClock());

    std::error_code ec;
    const fs::path startDir = fs::current_path(ec);
    SetProgramDir(cmd.root.empty() ? ExecutableDir(argc > 0 ? argv[0] : nullptr) : fs::path(cmd.root));

    if (cmd.maintenance) {
        WriteResourceReport(startDir);
        return 0;
    }
    return 0;
}
