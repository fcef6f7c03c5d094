// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OverviewPage.h"

#include <cctype>
#include <cstdio>

#include "report/HtmlParts.h"
#include "report/SvgCharts.h"

std::string UrlPath(const std::string& utf8Path)
{
    std::string out;
    for (unsigned char c : utf8Path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string OverviewPageHtml(const std::vector<OverviewLine>& lines, const std::string& madeOn)
{
    std::string html = PageStart("Raport postępów — wszystkie dzieci");
    html += "<h1>Raport postępów — wszystkie dzieci</h1><p class=\"meta\">Szeptaczki Cz.VI. Sporządzono " +
            Escape(madeOn) + ": " + Escape(Counted(static_cast<int64_t>(lines.size()), "dziecko", "dzieci", "dzieci")) +
            ". Liczby z ostatnich " + std::to_string(kRecentDays) +
            " dni; imię prowadzi do pełnego raportu dziecka.</p>";
    html += "<section><h2 class=\"first\">Dzieci</h2><table><thead><tr><th class=\"l\">Dziecko</th>"
            "<th class=\"l\">Ostatni dzień ćwiczeń</th><th>Dni ćwiczeń</th><th>Gry</th><th>Odpowiedzi</th>"
            "<th>Poprawne&nbsp;%</th><th>Nierozwiązane</th><th>Gry w&nbsp;ogóle</th></tr></thead><tbody>";
    for (const OverviewLine& line : lines) {
        const ChildSummary* s = line.summary;
        const std::string name = line.link.empty()
                                     ? Escape(line.name)
                                     : "<a href=\"" + Escape(line.link) + "\">" + Escape(line.name) + "</a>";
        html += "<tr><td class=\"l\">" + name + "</td>";
        if (!s) {
            html += "<td class=\"l\" colspan=\"7\">raportu nie udało się sporządzić</td></tr>";
            continue;
        }
        int64_t lastDay = -1;
        for (const DayRow& d : s->days)
            if (d.games > 0 || d.answers.Attempts() > 0) {
                lastDay = d.day;
                break;
            }
        const AnswerTally& t = s->recent.total;
        html += Cell(lastDay >= 0 ? DateText(lastDay) : "—", true) + Cell(std::to_string(s->recent.practiceDays)) +
                Cell(std::to_string(s->recent.games)) + Cell(std::to_string(t.Attempts())) +
                Cell(t.Attempts() > 0 ? Percent(t.Share()) : "—") + Cell(std::to_string(t.unsolved)) +
                Cell(std::to_string(s->whole.games)) + "</tr>";
    }
    return html + "</tbody></table></section></body></html>\n";
}
