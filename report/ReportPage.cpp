#include "report/ReportPage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "report/SvgCharts.h"

namespace {

// How many of the newest games the table lists.
constexpr std::size_t kLastGames = 20;

const char* kStyle = R"(
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, sans-serif; color: #222; margin: 24px auto;
       max-width: 980px; padding: 0 16px; line-height: 1.4; }
h1 { font-size: 26px; margin-bottom: 4px; color: #1b4f8a; }
h2 { font-size: 21px; margin-top: 32px; border-bottom: 3px solid #1b4f8a; padding-bottom: 4px; color: #1b4f8a; }
h3 { font-size: 16px; margin: 20px 0 6px; }
.meta { color: #555; font-size: 14px; }
.problems { background: #fff4d6; border: 1px solid #e0b84a; border-radius: 6px; padding: 8px 14px; }
.friendly { background: #eef6ee; border: 1px solid #9cc79c; border-radius: 6px; padding: 12px 16px; }
.cards { display: flex; flex-wrap: wrap; gap: 10px; }
.card { border: 1px solid #ccd; border-radius: 8px; padding: 8px 14px; min-width: 120px; background: #f7f9fc; }
.card b { display: block; font-size: 22px; color: #1b4f8a; }
table { border-collapse: collapse; font-size: 13px; margin: 6px 0; }
th, td { border: 1px solid #bbb; padding: 3px 7px; text-align: right; }
th { background: #e8eef6; }
td.l, th.l { text-align: left; }
table.map td, table.map th { text-align: center; min-width: 84px; }
td.few { background: repeating-linear-gradient(45deg, #f2f2f2, #f2f2f2 4px, #e4e4e4 4px, #e4e4e4 8px);
         color: #777; font-size: 11px; }
.legend span { display: inline-block; padding: 2px 8px; margin-right: 4px; border-radius: 3px; font-size: 12px; }
svg.chart { max-width: 100%; height: auto; font-size: 11px; }
svg.chart .grid { stroke: #ddd; stroke-width: 1; }
svg.chart .bar { fill: #4a90d9; }
svg.chart .line { fill: none; stroke-width: 2.5; }
svg.chart .note { fill: #777; }
.note { color: #666; font-size: 12px; }
@page { size: A4; margin: 14mm; }
@media print {
  body { margin: 0; max-width: none; font-size: 11pt; }
  h2 { break-before: page; }
  h2.first { break-before: avoid; }
  section, table, svg, .cards { break-inside: avoid; }
  .problems, .friendly, td, th, .legend span { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

std::string Percent(double share)
{
    return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

std::string PlayTime(int64_t seconds)
{
    const int64_t h = seconds / 3600;
    const int64_t m = seconds % 3600 / 60;
    if (h > 0)
        return std::to_string(h) + " godz. " + std::to_string(m) + " min";
    return std::to_string(m) + " min " + std::to_string(seconds % 60) + " s";
}

std::string Card(const std::string& value, const std::string& label)
{
    return "<div class=\"card\"><b>" + Escape(value) + "</b>" + Escape(label) + "</div>";
}

std::string Cell(const std::string& text, bool left = false)
{
    return std::string(left ? "<td class=\"l\">" : "<td>") + Escape(text) + "</td>";
}

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

std::string PeriodSection(const PeriodSummary& p, bool first)
{
    std::string html = std::string("<section><h2") + (first ? " class=\"first\"" : "") + ">" + Escape(p.title) +
                       "</h2>";
    if (p.total.games == 0) {
        html += "<p class=\"friendly\">W tym okresie nie rozegrano żadnej gry. Gdy dziecko zagra, "
                "pojawią się tu wykresy i tabele.</p></section>";
        return html;
    }
    html += "<p class=\"meta\">Od " + DateText(p.firstDay) + " do " + DateText(p.lastDay) + "</p>";
    const int64_t answers = p.total.Answers();
    html += "<div class=\"cards\">" + Card(std::to_string(p.total.games), "rozegranych gier") +
            Card(std::to_string(p.practiceDays), "dni ćwiczeń") + Card(PlayTime(p.total.seconds), "łączny czas gry") +
            Card(answers > 0 ? Percent(p.total.Share()) : "—", "poprawnych odpowiedzi") +
            Card(std::to_string(p.total.completed) + " z " + std::to_string(p.total.games), "gier ukończonych") +
            Card(std::to_string(p.total.hints), "podpowiedzi") + "</div>";

    html += "<h3>Oceny gier</h3><p>Ocena 4 (najlepsza): <b>" + std::to_string(p.ratings[2]) +
            "</b> &nbsp; ocena 2: <b>" + std::to_string(p.ratings[1]) + "</b> &nbsp; ocena 1: <b>" +
            std::to_string(p.ratings[0]) + "</b></p>";

    html += "<h3>Regularność: dni ćwiczeń w kolejnych tygodniach</h3>" + PracticeDaysChart(p.weeks);

    std::vector<std::string> gameNames;
    std::vector<const Tally*> gameTallies;
    std::vector<double> gameCounts;
    std::vector<std::string> gameCountTexts;
    for (int g = 0; g < kReportGameCount; ++g) {
        const Tally& t = p.perGame[static_cast<std::size_t>(g)];
        gameNames.push_back(GameName(g + 1));
        gameTallies.push_back(&t);
        gameCounts.push_back(t.games);
        gameCountTexts.push_back(std::to_string(t.games));
    }
    html += "<h3>Rozegrane gry według gry</h3>" + BarChart(gameNames, gameCounts, gameCountTexts);
    html += TallyTable("Gra", gameNames, gameTallies);
    if (p.unknownGames > 0)
        html += "<p class=\"note\">Zapisy nieznanej gry: " + std::to_string(p.unknownGames) +
                " (liczone tylko w sumach).</p>";

    std::vector<std::string> soundNames;
    std::vector<const Tally*> soundTallies;
    for (int s = 0; s < kReportSoundCount; ++s) {
        soundNames.push_back(SoundName(s));
        soundTallies.push_back(&p.perSound[static_cast<std::size_t>(s)]);
    }
    html += "<h3>Według głoski</h3>" + TallyTable("Głoska", soundNames, soundTallies);
    std::vector<std::string> positionNames;
    std::vector<const Tally*> positionTallies;
    for (int pos = 0; pos < kReportPositionCount; ++pos) {
        positionNames.push_back(PositionName(pos));
        positionTallies.push_back(&p.perPosition[static_cast<std::size_t>(pos)]);
    }
    html += "<h3>Według pozycji głoski w wyrazie</h3>" + TallyTable("Pozycja", positionNames, positionTallies);
    html += "<p class=\"note\">Gra z kilkoma głoskami lub pozycjami liczy się dla każdej z nich.</p>";

    html += "<h3>Mapa: odsetek poprawnych odpowiedzi (głoska × pozycja)</h3>" + SoundPositionMap(p);
    html += "<h3>Odsetek poprawnych odpowiedzi w kolejnych tygodniach</h3>" + WeeklyShareChart(p.weeks);
    return html + "</section>";
}

std::string LastGamesTable(const ProgressSummary& s)
{
    std::string html = "<section><h2>Ostatnie gry</h2>";
    if (s.games.empty())
        return html + "<p class=\"friendly\">Nie ma jeszcze zapisanych gier.</p></section>";
    html += "<table><tr><th class=\"l\">Data</th><th class=\"l\">Gra</th><th class=\"l\">Głoski</th>"
            "<th class=\"l\">Pozycje</th><th class=\"l\">Ilość</th><th>Czas</th><th>Podpowiedzi</th>"
            "<th>Poprawne</th><th>Błędne</th><th>Ukończona</th></tr>";
    const std::size_t from = s.games.size() > kLastGames ? s.games.size() - kLastGames : 0;
    for (std::size_t i = s.games.size(); i-- > from;) {
        const StatRecord& r = s.games[i].record;
        html += "<tr>" + Cell(DateTimeText(s.games[i].local), true) + Cell(GameName(r.GameId), true) +
                Cell(SoundList(r.Gloski), true) + Cell(PositionList(r.Pozycja), true) +
                Cell(AmountName(r.Poziom), true) + Cell(PlayTime(std::max<int32_t>(r.Duration, 0))) +
                Cell(std::to_string(r.Hints)) + Cell(std::to_string(r.Correct)) + Cell(std::to_string(r.Wrong)) +
                Cell(r.Completed ? "tak" : "nie") + "</tr>";
    }
    return html + "</table></section>";
}

}  // namespace

std::string ReportPageHtml(const ProgressSummary& summary, const ReportHeading& heading)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                       "<title>Raport postępów — Szeptaczki Cz.VI</title><style>";
    html += kStyle;
    html += "</style></head><body><h1>Raport postępów — Szeptaczki Cz.VI</h1>";
    html += "<p class=\"meta\">Sporządzono " + Escape(heading.madeOn) + " z pliku statystyk " +
            Escape(heading.fileName) + ". Daty i godziny w czasie lokalnym.</p>";
    if (!heading.problems.empty()) {
        html += "<div class=\"problems\"><b>Uwagi o pliku statystyk:</b><ul>";
        for (const std::string& p : heading.problems)
            html += "<li>" + Escape(p) + "</li>";
        html += "</ul></div>";
    }
    if (summary.games.empty()) {
        html += "<p class=\"friendly\">Nie ma jeszcze żadnej zapisanej gry. Raport wypełni się, gdy dziecko "
                "rozegra i zakończy pierwszą grę (gra pozostawiona bez ruchu na dwie minuty nie jest "
                "zapisywana).</p></body></html>\n";
        return html;
    }
    html += PeriodSection(summary.lastDays, true);
    html += PeriodSection(summary.whole, false);
    html += LastGamesTable(summary);
    html += "</body></html>\n";
    return html;
}
