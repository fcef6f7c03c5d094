// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "report/HtmlParts.h"
#include "report/JournalSections.h"
#include "report/SvgCharts.h"

namespace {

// How many of the newest games the table lists.
constexpr std::size_t kLastGames = 20;

std::string ShareCell(const Tally& t)
{
    return Cell(t.Answers() > 0 ? Percent(t.Share()) : "—");
}

// The rows of a tally table: games, answers, share, hints.
std::string TallyTable(const std::string& first, const std::vector<std::string>& names,
                       const std::vector<const Tally*>& tallies)
{
    std::string html = "<table><tr><th class=\"l\">" + Escape(first) +
                       "</th><th>Gry</th><th>Poprawne</th><th>Błędne</th><th>Poprawne&nbsp;%</th>"
                       "<th>Podpowiedzi</th></tr>";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Tally& t = *tallies[i];
        if (t.games == 0)
            continue;
        html += "<tr>" + Cell(names[i], true) + Cell(std::to_string(t.games)) + Cell(std::to_string(t.correct)) +
                Cell(std::to_string(t.wrong)) + ShareCell(t) + Cell(std::to_string(t.hints)) + "</tr>";
    }
    return html + "</table>";
}

std::string SoundPositionMap(const PeriodSummary& p)
{
    std::string html = "<table class=\"map\"><tr><th class=\"l\">Głoska</th>";
    for (int pos = 0; pos < kReportPositionCount; ++pos)
        html += "<th>" + Escape(PositionName(pos)) + "</th>";
    html += "</tr>";
    for (int s = 0; s < kReportSoundCount; ++s) {
        html += "<tr><th class=\"l\">" + Escape(SoundName(s)) + "</th>";
        for (int pos = 0; pos < kReportPositionCount; ++pos) {
            const Tally& t = p.soundByPosition[static_cast<std::size_t>(s)][static_cast<std::size_t>(pos)];
            if (t.Answers() == 0)
                html += "<td class=\"few\">nie ćwiczono</td>";
            else if (t.Answers() < kFewAnswers)
                html += "<td class=\"few\">za mało odpowiedzi (" + std::to_string(t.Answers()) + ")</td>";
            else
                html += "<td style=\"background:" + ShareColour(t.Share()) + "\">" + Percent(t.Share()) +
                        "<br><span class=\"note\">" + std::to_string(t.correct) + " z " +
                        std::to_string(t.Answers()) + "</span></td>";
        }
        html += "</tr>";
    }
    html += "</table><p class=\"legend\">";
    for (double share : {0.3, 0.55, 0.7, 0.85, 0.95})
        html += "<span style=\"background:" + ShareColour(share) + "\">" + Percent(share) + "</span>";
    html += " od trudności (czerwony) do opanowania (zielony); komórki z mniej niż " + std::to_string(kFewAnswers) +
            " odpowiedziami nie są oceniane.</p>";
    return html;
}

// The games the journal has no answers for, as the statistics file alone
// tells them: counts of whole games, each counted for every sound and
// position of its settings.
std::string OlderSection(const ChildSummary& s)
{
    const PeriodSummary& p = s.olderSummary.whole;
    std::string html = "<section><h2>Gry sprzed dziennika</h2>";
    html += "<p class=\"older\">" +
            Escape(Counted(p.total.games, "gra nie ma", "gry nie mają", "gier nie ma")) +
            " odpowiedzi w dzienniku: rozegrano je, zanim program zaczął zapisywać każdą odpowiedź. Dane pochodzą z "
            "pliku statystyk, który zna tylko sumy całej gry: gra z kilkoma głoskami lub pozycjami liczy się dla "
            "każdej z nich, a słowa nierozwiązane w przerwanej grze liczą się tam jako błędne.</p>";
    html += "<div class=\"cards\">" + Card(std::to_string(p.total.games), FormFor(p.total.games, "gra", "gry", "gier")) +
            Card(std::to_string(p.practiceDays), FormFor(p.practiceDays, "dzień ćwiczeń", "dni ćwiczeń", "dni ćwiczeń")) +
            Card(PlayTime(p.total.seconds), "łączny czas gry") +
            Card(p.total.Answers() > 0 ? Percent(p.total.Share()) : "—", "poprawnych odpowiedzi") +
            Card(std::to_string(p.total.completed) + " z " + std::to_string(p.total.games), "gier ukończonych") +
            "</div>";
    html += "<p class=\"meta\">Od " + DateText(p.firstDay) + " do " + DateText(p.lastDay) + "</p>";

    std::vector<std::string> gameNames;
    std::vector<const Tally*> gameTallies;
    for (int g = 0; g < kReportGameCount; ++g) {
        gameNames.push_back(GameName(g + 1));
        gameTallies.push_back(&p.perGame[static_cast<std::size_t>(g)]);
    }
    html += "<div class=\"keep\"><h3>Według gry</h3>" + TallyTable("Gra", gameNames, gameTallies) + "</div>";
    if (p.unknownGames > 0)
        html += "<p class=\"note\">Zapisy nieznanej gry: " + std::to_string(p.unknownGames) +
                " (liczone tylko w sumach).</p>";
    std::vector<std::string> soundNames;
    std::vector<const Tally*> soundTallies;
    for (int sound = 0; sound < kReportSoundCount; ++sound) {
        soundNames.push_back(SoundName(sound));
        soundTallies.push_back(&p.perSound[static_cast<std::size_t>(sound)]);
    }
    html += "<div class=\"keep\"><h3>Według głoski</h3>" + TallyTable("Głoska", soundNames, soundTallies) + "</div>";
    std::vector<std::string> positionNames;
    std::vector<const Tally*> positionTallies;
    for (int pos = 0; pos < kReportPositionCount; ++pos) {
        positionNames.push_back(PositionName(pos));
        positionTallies.push_back(&p.perPosition[static_cast<std::size_t>(pos)]);
    }
    html += "<div class=\"keep\"><h3>Według pozycji głoski w wyrazie</h3>" +
            TallyTable("Pozycja", positionNames, positionTallies) + "</div>";
    html += "<div class=\"keep\"><h3>Mapa z pliku statystyk (głoska × pozycja)</h3>" + SoundPositionMap(p) + "</div>";
    return html + "</section>";
}

std::string LastGamesTable(const ChildSummary& s)
{
    std::string html = "<section><h2>Ostatnie gry</h2>";
    const std::vector<StatRecord>& games = s.allGames;
    if (games.empty())
        return html + "<p class=\"friendly\">Nie ma jeszcze zapisanych gier.</p></section>";
    html += "<table><thead><tr><th class=\"l\">Data</th><th class=\"l\">Gra</th><th class=\"l\">Głoski</th>"
            "<th class=\"l\">Pozycje</th><th class=\"l\">Ilość</th><th>Czas</th><th>Podpowiedzi</th>"
            "<th>Poprawne</th><th>Błędne</th><th>Ukończona</th><th>W&nbsp;dzienniku</th></tr></thead><tbody>";
    const std::size_t from = games.size() > kLastGames ? games.size() - kLastGames : 0;
    for (std::size_t i = games.size(); i-- > from;) {
        const StatRecord& r = games[i];
        const bool journal = i < s.inJournal.size() && s.inJournal[i];
        html += "<tr>" + Cell(DateTimeText(ToLocal(r.StartTime)), true) + Cell(GameName(r.GameId), true) +
                "<td class=\"l wrap\">" + Escape(SoundList(r.Gloski)) + "</td><td class=\"l wrap\">" +
                Escape(PositionList(r.Pozycja)) + "</td>" +
                Cell(AmountName(r.Poziom), true) + Cell(PlayTime(std::max<int32_t>(r.Duration, 0))) +
                Cell(std::to_string(r.Hints)) + Cell(std::to_string(r.Correct)) + Cell(std::to_string(r.Wrong)) +
                Cell(r.Completed ? "tak" : "nie") + Cell(journal ? "tak" : "nie") + "</tr>";
    }
    return html + "</tbody></table><p class=\"note\">Z pliku statystyk; w przerwanej grze (Ukończona: nie) "
                  "błędne obejmują słowa nierozwiązane.</p></section>";
}

}  // namespace

std::string ReportPageHtml(const ChildSummary& summary, const ReportHeading& heading)
{
    const std::string title =
        "Raport postępów — " + (heading.childName.empty() ? std::string("Szeptaczki Cz.VI") : heading.childName);
    std::string html = PageStart(title);
    html += "<h1>" + Escape(title) + "</h1>";
    html += "<p class=\"meta\">Szeptaczki Cz.VI. Sporządzono " + Escape(heading.madeOn) + " z dziennika odpowiedzi (" +
            Escape(Counted(summary.answers, "odpowiedź", "odpowiedzi", "odpowiedzi")) + ") i pliku statystyk " +
            Escape(heading.fileName) + " (" +
            Escape(Counted(static_cast<int64_t>(summary.allGames.size()), "gra", "gry", "gier")) +
            "). Daty i godziny w czasie lokalnym.</p>";
    if (!heading.problems.empty()) {
        html += "<div class=\"problems\"><b>Uwagi o plikach:</b><ul>";
        for (const std::string& p : heading.problems)
            html += "<li>" + Escape(p) + "</li>";
        html += "</ul></div>";
    }
    if (summary.answers == 0 && summary.allGames.empty() && summary.days.empty()) {
        html += "<p class=\"friendly\">Nie ma jeszcze żadnej zapisanej gry. Raport wypełni się, gdy dziecko "
                "rozegra pierwszą grę (gra pozostawiona bez ruchu na dwie minuty nie jest zapisywana w pliku "
                "statystyk).</p></body></html>\n";
        return html;
    }
    html += SummarySection(summary);
    if (summary.answers > 0) {
        html += WeeklySection(summary);
        html += HardestWordsSection(summary);
    }
    html += DaysSection(summary);
    if (!summary.older.empty())
        html += OlderSection(summary);
    html += LastGamesTable(summary);
    html += "</body></html>\n";
    return html;
}
