// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JournalSections.h"

#include "report/HtmlParts.h"
#include "report/SvgCharts.h"

namespace {

// The weekly table shows at most this many of the newest weeks (the chart shows all).
constexpr std::size_t kWeeksInTable = 26;

// The two periods side by side, one figure a row: short enough to leave the
// first printed page room for the map.
std::string SummaryTable(const JournalPeriod& recent, const JournalPeriod& whole)
{
    const JournalPeriod* periods[2] = {&recent, &whole};
    std::string html = "<table class=\"summary\"><thead><tr><th class=\"l\"></th><th>Ostatnie " +
                       std::to_string(kRecentDays) + " dni<br><span class=\"note\">" + DateText(recent.firstDay) +
                       " – " + DateText(recent.lastDay) + "</span></th><th>Cały okres<br><span class=\"note\">od " +
                       DateText(whole.firstDay) + "</span></th></tr></thead><tbody>";
    const auto row = [&](const char* label, const auto& value) {
        html += "<tr><th class=\"l\">" + std::string(label) + "</th>";
        for (const JournalPeriod* p : periods)
            html += "<td>" + Escape(value(*p)) + "</td>";
        html += "</tr>";
    };
    row("Rozegrane gry", [](const JournalPeriod& p) { return std::to_string(p.games); });
    row("Dni ćwiczeń", [](const JournalPeriod& p) { return std::to_string(p.practiceDays); });
    row("Łączny czas gry", [](const JournalPeriod& p) { return PlayTime(p.seconds); });
    row("Poprawne odpowiedzi", [](const JournalPeriod& p) {
        const AnswerTally& t = p.total;
        return t.Attempts() > 0 ? Percent(t.Share()) + " (" + std::to_string(t.right) + " z " +
                                      Counted(t.Attempts(), "odpowiedzi", "odpowiedzi", "odpowiedzi") + ")"
                                : std::string("—");
    });
    row("Słowa nierozwiązane w przerwanej grze", [](const JournalPeriod& p) { return std::to_string(p.total.unsolved); });
    row("Podpowiedzi", [](const JournalPeriod& p) { return std::to_string(p.total.hints); });
    return html + "</tbody></table>";
}

std::string ShareTd(const AnswerTally& t)
{
    if (t.Attempts() == 0)
        return "<td class=\"few\">—</td>";
    if (t.Attempts() < kFewAnswers)
        return "<td class=\"few\">" + Percent(t.Share()) + " (" + std::to_string(t.right) + "/" +
               std::to_string(t.Attempts()) + ")</td>";
    return "<td style=\"background:" + ShareColour(t.Share()) + "\">" + Percent(t.Share()) + " (" +
           std::to_string(t.right) + "/" + std::to_string(t.Attempts()) + ")</td>";
}

std::string MapTable(const SoundPositionMap& map)
{
    std::string html = "<table class=\"map\"><tr><th class=\"l\">Głoska</th>";
    for (int pos = 0; pos < kReportPositionCount; ++pos)
        html += "<th>" + Escape(PositionName(pos)) + "</th>";
    html += "</tr>";
    std::string notPractised;
    for (int s = 0; s < kReportSoundCount; ++s) {
        const auto& row = map[static_cast<std::size_t>(s)];
        bool any = false;
        for (const AnswerTally& t : row)
            any = any || t.Attempts() + t.unsolved + t.hints > 0;
        if (!any) {
            notPractised += (notPractised.empty() ? "" : ", ") + SoundName(s);
            continue;
        }
        html += "<tr><th class=\"l\">" + Escape(SoundName(s)) + "</th>";
        for (const AnswerTally& t : row) {
            const std::string unsolved = t.unsolved > 0 ? "<br><span class=\"unsolved\">nierozwiązane: " +
                                                                std::to_string(t.unsolved) + "</span>"
                                                          : "";
            if (t.Attempts() == 0)
                html += "<td class=\"few\">" + std::string(t.unsolved + t.hints > 0 ? "bez odpowiedzi" : "nie ćwiczono") +
                        unsolved + "</td>";
            else if (t.Attempts() < kFewAnswers)
                html += "<td class=\"few\">za mało odpowiedzi (" + std::to_string(t.Attempts()) + ")" + unsolved +
                        "</td>";
            else
                html += "<td style=\"background:" + ShareColour(t.Share()) + "\"><b>" + Percent(t.Share()) +
                        "</b> <span class=\"note\">" + std::to_string(t.right) + " z " +
                        std::to_string(t.Attempts()) + "</span>" + unsolved + "</td>";
        }
        html += "</tr>";
    }
    html += "</table>";
    if (!notPractised.empty())
        html += "<p class=\"note\">Nie ćwiczono: " + Escape(notPractised) + ".</p>";
    html += "<p class=\"legend\">";
    for (double share : {0.3, 0.55, 0.7, 0.85, 0.95})
        html += "<span style=\"background:" + ShareColour(share) + "\">" + Percent(share) + "</span>";
    html += " od trudności (czerwony) do opanowania (zielony); liczy się każda odpowiedź dla głoski i pozycji "
            "swojego słowa. Komórki z mniej niż " +
            std::to_string(kFewAnswers) +
            " odpowiedziami nie są oceniane. Słowa nierozwiązane w przerwanej grze nie są liczone jako błędne.</p>";
    return html;
}

bool Practised(const std::vector<SoundWeek>& weeks, int sound)
{
    for (const SoundWeek& w : weeks)
        if (w.perSound[static_cast<std::size_t>(sound)].Attempts() > 0)
            return true;
    return false;
}

}  // namespace

std::string SummarySection(const ChildSummary& s)
{
    std::string html = "<section class=\"first\"><h2 class=\"first\">Podsumowanie</h2>" +
                       SummaryTable(s.recent, s.whole);
    html += "<div class=\"keep\"><h3>Mapa: poprawne odpowiedzi według głoski i pozycji (cały okres)</h3>";
    if (s.answers == 0)
        html += "<p class=\"friendly\">Dziennik nie ma jeszcze żadnej odpowiedzi. Mapa wypełni się, gdy dziecko "
                "zagra w nowej wersji programu.</p>";
    else
        html += MapTable(s.whole.map);
    return html + "</div></section>";
}

std::string WeeklySection(const ChildSummary& s)
{
    std::string html = "<section><h2>Postęp tygodniowy według głoski</h2>";
    if (s.weeks.empty())
        return html + "<p class=\"friendly\">Brak odpowiedzi w dzienniku.</p></section>";
    std::vector<WeekSummary> chartWeeks;
    for (const SoundWeek& w : s.weeks) {
        WeekSummary c{w.start};
        for (std::size_t i = 0; i < w.perSound.size(); ++i) {
            c.perSound[i].correct = w.perSound[i].right;
            c.perSound[i].wrong = w.perSound[i].wrong;
        }
        chartWeeks.push_back(c);
    }
    html += "<div class=\"keep\">" + WeeklyShareChart(chartWeeks) + "</div>";

    std::vector<int> sounds;
    for (int sound = 0; sound < kReportSoundCount; ++sound)
        if (Practised(s.weeks, sound))
            sounds.push_back(sound);
    html += "<h3>Odsetek poprawnych odpowiedzi (poprawne/odpowiedzi)</h3><table><thead><tr><th class=\"l\">Tydzień "
            "od</th>";
    for (int sound : sounds)
        html += "<th>" + Escape(SoundName(sound)) + "</th>";
    html += "</tr></thead><tbody>";
    const std::size_t from = s.weeks.size() > kWeeksInTable ? s.weeks.size() - kWeeksInTable : 0;
    for (std::size_t i = s.weeks.size(); i-- > from;) {
        html += "<tr>" + Cell(DateText(s.weeks[i].start), true);
        for (int sound : sounds)
            html += ShareTd(s.weeks[i].perSound[static_cast<std::size_t>(sound)]);
        html += "</tr>";
    }
    html += "</tbody></table><p class=\"note\">Najnowszy tydzień u góry. Komórki z mniej niż " +
            std::to_string(kFewAnswers) + " odpowiedziami są szare.</p>";
    return html + "</section>";
}

std::string HardestWordsSection(const ChildSummary& s)
{
    std::string html = "<section><h2>Najtrudniejsze słowa</h2>";
    if (s.hardest.empty())
        return html + "<p class=\"friendly\">Żadne słowo nie sprawia jeszcze kłopotu (słowo trafia tutaj po " +
               std::to_string(kHardWordAttempts) + " odpowiedziach, z których choć jedna jest błędna).</p></section>";
    html += "<table class=\"short\"><thead><tr><th class=\"l\">Słowo</th><th class=\"l\">Głoska</th><th class=\"l\">Pozycja</th>"
            "<th>Odpowiedzi</th><th>Poprawne</th><th>Błędne</th><th>Poprawne&nbsp;%</th><th>Nierozwiązane</th>"
            "<th>Podpowiedzi</th></tr></thead><tbody>";
    for (const WordTally& w : s.hardest) {
        html += "<tr>" + Cell(w.text, true) + Cell(w.sound >= 0 ? SoundName(w.sound) : "?", true) +
                Cell(w.position >= 0 ? PositionName(w.position) : "?", true) +
                Cell(std::to_string(w.tally.Attempts())) + Cell(std::to_string(w.tally.right)) +
                Cell(std::to_string(w.tally.wrong)) + ShareTd(w.tally) + Cell(std::to_string(w.tally.unsolved)) +
                Cell(std::to_string(w.tally.hints)) + "</tr>";
    }
    html += "</tbody></table><p class=\"note\">Słowa z co najmniej " + std::to_string(kHardWordAttempts) +
            " odpowiedziami, od najmniejszego odsetka poprawnych.</p>";
    return html + "</section>";
}

std::string DaysSection(const ChildSummary& s)
{
    std::string html = "<section><h2>Dni ćwiczeń i notatki</h2>";
    if (s.days.empty())
        return html + "<p class=\"friendly\">Nie ma jeszcze żadnego dnia ćwiczeń.</p></section>";
    html += "<table><thead><tr><th class=\"l\">Dzień</th><th>Gry</th><th>Odpowiedzi</th><th>Poprawne&nbsp;%</th>"
            "<th>Nierozwiązane</th><th>Podpowiedzi</th><th class=\"l\">Notatki</th></tr></thead><tbody>";
    for (const DayRow& d : s.days) {
        std::string games = std::to_string(d.games);
        if (d.oldGames > 0)
            games += d.oldGames == d.games ? " sprzed dziennika" : " (" + std::to_string(d.oldGames) + " sprzed dziennika)";
        std::string notes;
        for (const std::string& n : d.notes)
            notes += (notes.empty() ? "" : "<br>") + Escape(n);
        const bool any = d.answers.Attempts() + d.answers.unsolved + d.answers.hints > 0;
        html += "<tr>" + Cell(DateText(d.day), true) + Cell(games) +
                Cell(any ? std::to_string(d.answers.Attempts()) : "—") +
                Cell(d.answers.Attempts() > 0 ? Percent(d.answers.Share()) : "—") +
                Cell(any ? std::to_string(d.answers.unsolved) : "—") +
                Cell(any ? std::to_string(d.answers.hints) : "—") + "<td class=\"notes\">" + notes + "</td></tr>";
    }
    return html + "</tbody></table></section>";
}
