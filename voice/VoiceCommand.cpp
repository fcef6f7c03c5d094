// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice set's export and import from the command line.
#include "voice/VoiceCommand.h"

#include <ctime>
#include <ostream>
#include <system_error>

#include "core/CSlowa.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "voice/VoiceLibrary.h"
#include "voice/VoiceTransfer.h"

namespace fs = std::filesystem;

namespace {

// "1 nagranie", "3 nagrania", "5 nagrań", "22 nagrania".
std::string Counted(int n, const char* one, const char* few, const char* many)
{
    const int tens = n % 100, units = n % 10;
    const char* form = n == 1 ? one : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few : many;
    return std::to_string(n) + " " + form;
}

std::string Recordings(const TransferReport& report)
{
    return Counted(report.words, "nagranie słowa", "nagrania słów", "nagrań słów") + " i " +
           Counted(report.phrases, "nagranie zwrotu", "nagrania zwrotów", "nagrań zwrotów");
}

}  // namespace

int RunVoiceCommand(bool exporting, const fs::path& path, std::ostream& out, std::ostream& err)
{
    const CSlowa catalogue;
    VoiceLibrary library(catalogue);
    TransferReport report;
    std::error_code ec;
    if (exporting)
        report = ExportVoiceSet(library, path, static_cast<int64_t>(std::time(nullptr)));
    else if (fs::is_directory(path, ec))
        report = ImportVoiceFolder(library, path);
    else
        report = ImportVoiceArchive(library, path);

    for (const auto& [file, reason] : report.skipped)
        err << "Pominięto " << file << ": " << Cp1250ToUtf8(reason) << "\n";
    if (!report.failure.empty()) {
        err << Cp1250ToUtf8(report.failure) << "\n";
        return 1;
    }
    if (exporting)
        out << "Zapisano " << Recordings(report) << " do pliku " << path.string() << ".\n";
    else
        out << "Przyjęto " << Recordings(report) << " do folderu " << CurrentProgramPlaces().voice.string()
            << (report.skipped.empty() ? "" : "; pominięte pliki wymieniono wyżej") << ".\n";
    return report.skipped.empty() ? 0 : 1;
}
