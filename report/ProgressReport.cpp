#include "report/ProgressReport.h"

#include <cstdio>
#include <ostream>
#include <system_error>

#include "core/StatisticsFile.h"
#include "platform/Paths.h"
#include "report/ReportCsv.h"
#include "report/ReportNames.h"
#include "report/ReportPage.h"

namespace {

constexpr int32_t kProgramNumber = 6;

// Written under a temporary name and renamed, so that a full disk never
// leaves half a report in place of the previous one.
bool WriteFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    std::FILE* out = OpenFile(temporary, "wb");
    if (!out)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temporary, file, ec);
    if (!ok || ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace

int WriteProgressReport(const std::filesystem::path& statisticsFile, const std::filesystem::path& outDir,
                        std::time_t now, std::ostream& out, std::ostream& err)
{
    const StatisticsFile file = ReadStatisticsFile(statisticsFile, kProgramNumber);
    ReportHeading heading;
    heading.madeOn = DateTimeText(ToLocal(now));
    heading.fileName = statisticsFile.filename().string();
    for (const StatFileProblem& p : file.Problems) {
        heading.problems.push_back(ProblemText(p, kProgramNumber));
        err << "szeptaczki raport: " << heading.problems.back() << "\n";
    }
    const ProgressSummary summary = Summarize(file.Records, ToLocal(now).dayNumber);

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    const std::filesystem::path page = outDir / Utf8Path(kReportPageName);
    const std::filesystem::path csv = outDir / Utf8Path(kReportCsvName);
    if (!WriteFile(page, ReportPageHtml(summary, heading)) || !WriteFile(csv, ProgressCsv(summary))) {
        err << "szeptaczki raport: nie udało się zapisać raportu w " << outDir.string() << "\n";
        return 1;
    }
    out << "Raport z " << file.Records.size() << " gier: " << page.string() << "\n"
        << "Tabela: " << csv.string() << "\n";
    return 0;
}
