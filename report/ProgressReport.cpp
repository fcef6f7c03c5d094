// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressReport.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <system_error>

#include "core/StatisticsFile.h"
#include "journal/Journal.h"
#include "platform/Paths.h"
#include "report/HtmlParts.h"
#include "report/OverviewPage.h"
#include "report/ReportCsv.h"
#include "report/ReportNames.h"
#include "report/ReportPage.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kProgramNumber = 6;

// Written under a temporary name and renamed, so that a full disk never
// leaves half a report in place of the previous one.
bool WriteFile(const fs::path& file, const std::string& bytes)
{
    fs::path temporary = file;
    temporary += ".tmp";
    std::FILE* out = OpenFile(temporary, "wb");
    if (!out)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    std::error_code ec;
    if (ok)
        fs::rename(temporary, file, ec);
    if (!ok || ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

// The journal's answers and notes, with what went wrong in Polish.
void ReadJournal(const fs::path& file, std::vector<JournalAnswer>& answers, std::vector<JournalNote>& notes,
                 std::vector<std::string>& problems)
{
    // A journal the program found damaged was kept beside the new one: its
    // answers are not in this report, and the therapist should know.
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(file.filename().string() + ".uszkodzony", 0) == 0 && name.find("-wal") == std::string::npos &&
            name.find("-shm") == std::string::npos)
            problems.push_back("Uszkodzony dziennik odpowiedzi odłożono jako " + name +
                               "; jego odpowiedzi nie weszły do raportu.");
    }
    if (!fs::exists(file, ec))
        return;  // no game of this program yet: the statistics file tells the rest
    Journal journal;
    if (!journal.Open(file, false)) {
        problems.push_back("Dziennika odpowiedzi " + file.filename().string() + " nie udało się otworzyć (" +
                           journal.Problem() + ").");
        return;
    }
    if (!journal.SetAside().empty())
        problems.push_back("Uszkodzony dziennik odpowiedzi odłożono jako " + journal.SetAside().filename().string() +
                           " i zaczęto nowy; jego odpowiedzi nie weszły do raportu.");
    answers = journal.Answers();
    notes = journal.Notes();
    if (!journal.Problem().empty() && journal.SetAside().empty())
        problems.push_back("Dziennika odpowiedzi nie udało się odczytać do końca (" + journal.Problem() +
                           "); raport pokazuje to, co udało się odczytać.");
}

std::string OneLine(const std::string& text)
{
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

int AddNote(const ReportRequest& request, std::time_t now, std::ostream& out, std::ostream& err)
{
    if (request.children.size() != 1) {
        err << "szeptaczki raport: notatka należy do jednego dziecka (--dziecko IMIĘ)\n";
        return 2;
    }
    const std::string text = OneLine(request.note);
    if (text.empty()) {
        err << "szeptaczki raport: notatka jest pusta\n";
        return 2;
    }
    const int64_t day = request.noteDay.empty() ? ToLocal(now).dayNumber : DayOfIso(request.noteDay);
    if (day < 0) {
        err << "szeptaczki raport: --dzien chce daty RRRR-MM-DD, nie " << request.noteDay << "\n";
        return 2;
    }
    const ReportRequest::Child& child = request.children.front();
    Journal journal;
    if (!journal.Open(child.journalFile) || !journal.AddNote({IsoDay(day), static_cast<int64_t>(now) * 1000, text})) {
        err << "szeptaczki raport: nie udało się zapisać notatki (" << journal.Problem() << ")\n";
        return 1;
    }
    out << "Dodano notatkę do dnia " << DateText(day) << (child.name.empty() ? "" : " (" + child.name + ")")
        << ".\n";
    return 0;
}

}  // namespace

int WriteChildReport(const ReportRequest::Child& child, const fs::path& outDir, std::time_t now, std::ostream& out,
                     std::ostream& err, ChildSummary* summaryOut)
{
    const StatisticsFile file = ReadStatisticsFile(child.statisticsFile, kProgramNumber);
    ReportHeading heading;
    heading.madeOn = DateTimeText(ToLocal(now));
    heading.childName = child.name;
    heading.fileName = child.statisticsFile.filename().string();
    for (const StatFileProblem& p : file.Problems)
        heading.problems.push_back(ProblemText(p, kProgramNumber));
    std::vector<JournalAnswer> answers;
    std::vector<JournalNote> notes;
    ReadJournal(child.journalFile, answers, notes, heading.problems);
    const std::string who = child.name.empty() ? "" : child.name + ": ";
    for (const std::string& p : heading.problems)
        err << "szeptaczki raport: " << who << p << "\n";

    const int64_t today = ToLocal(now).dayNumber;
    ChildSummary summary = SummarizeChild(answers, notes, file.Records, today);

    std::error_code ec;
    fs::create_directories(outDir, ec);
    const fs::path page = outDir / Utf8Path(kReportPageName);
    const fs::path csv = outDir / Utf8Path(kReportCsvName);
    const bool written = WriteFile(page, ReportPageHtml(summary, heading)) &&
                         WriteFile(csv, ProgressCsv(Summarize(file.Records, today)));
    if (summaryOut)
        *summaryOut = std::move(summary);
    if (!written) {
        err << "szeptaczki raport: " << who << "nie udało się zapisać raportu w " << outDir.string() << "\n";
        return 1;
    }
    out << "Raport" << (child.name.empty() ? "" : " (" + child.name + ")") << ": "
        << Counted(static_cast<int64_t>(file.Records.size()), "gra", "gry", "gier") << ", "
        << Counted(static_cast<int64_t>(answers.size()), "odpowiedź", "odpowiedzi", "odpowiedzi") << " w dzienniku: "
        << page.string() << "\n"
        << "Tabela: " << csv.string() << "\n";
    return 0;
}

int WriteProgressReports(const ReportRequest& request, std::time_t now, std::ostream& out, std::ostream& err)
{
    if (!request.note.empty() || !request.noteDay.empty()) {
        if (const int status = AddNote(request, now, out, err); status != 0)
            return status;
    }
    if (!request.overview) {
        int status = 0;
        for (const ReportRequest::Child& child : request.children)
            status = std::max(status, WriteChildReport(child, request.outDir.empty() ? child.dir : request.outDir,
                                                       now, out, err));
        return status;
    }

    const fs::path overviewDir = request.outDir.empty() ? request.practiceDir : request.outDir;
    std::vector<std::unique_ptr<ChildSummary>> summaries;
    std::vector<OverviewLine> lines;
    int status = 0;
    for (const ReportRequest::Child& child : request.children) {
        const fs::path dir = request.outDir.empty() ? child.dir : request.outDir / child.dir.filename();
        auto summary = std::make_unique<ChildSummary>();
        const bool written = WriteChildReport(child, dir, now, out, err, summary.get()) == 0;
        status = std::max(status, written ? 0 : 1);
        std::error_code ec;
        const fs::path relative = fs::relative(dir / Utf8Path(kReportPageName), overviewDir, ec);
        lines.push_back({child.name, written && !ec ? UrlPath(relative.generic_string()) : std::string(),
                         summary.get()});
        summaries.push_back(std::move(summary));
    }
    std::error_code ec;
    fs::create_directories(overviewDir, ec);
    const fs::path page = overviewDir / Utf8Path(kOverviewPageName);
    if (!WriteFile(page, OverviewPageHtml(lines, DateTimeText(ToLocal(now))))) {
        err << "szeptaczki raport: nie udało się zapisać przeglądu w " << overviewDir.string() << "\n";
        return 1;
    }
    out << "Przegląd: " << Counted(static_cast<int64_t>(lines.size()), "dziecko", "dzieci", "dzieci") << ": "
        << page.string() << "\n";
    return status;
}
