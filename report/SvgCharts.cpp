// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SvgCharts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "report/HtmlParts.h"

namespace {

std::string Num(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

// Twelve colours told apart in print as well as on screen, one per sound.
const std::array<const char*, kReportSoundCount> kSoundColours = {
    "#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b",
    "#e377c2", "#17becf", "#bcbd22", "#393b79", "#637939", "#7f7f7f"};

std::string Text(double x, double y, const std::string& text, const char* anchor = "middle",
                 const char* extra = "")
{
    return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
           Escape(text) + "</text>";
}

std::string Open(int width, int height, const std::string& label)
{
    return "<svg class=\"chart\" viewBox=\"0 0 " + std::to_string(width) +
           " " + std::to_string(height) + "\" width=\"" + std::to_string(width) + "\" height=\"" +
           std::to_string(height) + "\" role=\"img\" aria-label=\"" + Escape(label) + "\">";
}

// Which weeks get a date under the axis: at most about a dozen labels.
bool LabelWeek(std::size_t i, std::size_t count)
{
    const std::size_t step = std::max<std::size_t>(1, (count + 11) / 12);
    return i % step == 0 || i + 1 == count;
}

}  // namespace

std::string Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string ShareColour(double share)
{
    // Hue 0 (red) at 40 % correct, 120 (green) at 90 %, in between a straight line.
    const double t = std::clamp((share - 0.4) / 0.5, 0.0, 1.0);
    return "hsl(" + std::to_string(static_cast<int>(std::lround(t * 120))) + ", 70%, 72%)";
}

std::string PracticeDaysChart(const std::vector<WeekSummary>& weeks)
{
    const int left = 34, top = 12, plotH = 140, bottom = 40;
    const double slot = std::clamp(620.0 / std::max<std::size_t>(weeks.size(), 1), 6.0, 60.0);
    const int width = left + static_cast<int>(slot * static_cast<double>(weeks.size())) + 12;
    const int height = top + plotH + bottom;
    std::string svg = Open(width, height, "Dni ćwiczeń w tygodniu");
    for (int d = 0; d <= 7; ++d) {
        const double y = top + plotH - plotH * d / 7.0;
        svg += "<line x1=\"" + std::to_string(left) + "\" x2=\"" + std::to_string(width - 8) + "\" y1=\"" + Num(y) +
               "\" y2=\"" + Num(y) + "\" class=\"grid\"/>";
        if (d % 7 == 0 || d == 3 || d == 5)
            svg += Text(left - 6, y + 4, std::to_string(d), "end");
    }
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        const double x = left + slot * static_cast<double>(i);
        const double h = plotH * weeks[i].practiceDays / 7.0;
        if (weeks[i].practiceDays > 0)
            svg += "<rect x=\"" + Num(x + slot * 0.15) + "\" y=\"" + Num(top + plotH - h) + "\" width=\"" +
                   Num(slot * 0.7) + "\" height=\"" + Num(h) + "\" class=\"bar\"><title>" +
                   Escape("Tydzień od " + DateText(weeks[i].start) + ": " +
                          Counted(weeks[i].practiceDays, "dzień", "dni", "dni") + ", " +
                          Counted(weeks[i].games, "gra", "gry", "gier")) +
                   "</title></rect>";
        if (LabelWeek(i, weeks.size()))
            svg += Text(x + slot / 2, top + plotH + 16, ShortDateText(weeks[i].start));
    }
    svg += Text(left, top + plotH + 34, "tydzień od poniedziałku", "start", " class=\"note\"");
    return svg + "</svg>";
}

std::string BarChart(const std::vector<std::string>& labels, const std::vector<double>& values,
                     const std::vector<std::string>& valueTexts)
{
    const int labelW = 110, barW = 360, rowH = 24;
    const int height = rowH * static_cast<int>(labels.size()) + 8;
    const double most = std::max(1.0, values.empty() ? 1.0 : *std::max_element(values.begin(), values.end()));
    std::string svg = Open(labelW + barW + 70, height, "Wykres słupkowy");
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double y = 4 + rowH * static_cast<double>(i);
        const double w = barW * values[i] / most;
        svg += Text(labelW - 8, y + 16, labels[i], "end");
        svg += "<rect x=\"" + std::to_string(labelW) + "\" y=\"" + Num(y + 3) + "\" width=\"" + Num(w) +
               "\" height=\"" + std::to_string(rowH - 8) + "\" class=\"bar\"/>";
        svg += Text(labelW + w + 6, y + 16, valueTexts[i], "start");
    }
    return svg + "</svg>";
}

std::string WeeklyShareChart(const std::vector<WeekSummary>& weeks)
{
    const int left = 44, top = 14, plotH = 180, legendH = 26;
    const double slot = std::clamp(620.0 / std::max<std::size_t>(weeks.size(), 1), 6.0, 100.0);
    const int width = left + static_cast<int>(slot * static_cast<double>(weeks.size())) + 16;
    const int height = top + plotH + 24 + legendH * 2;
    std::string svg = Open(std::max(width, 560), height, "Odsetek poprawnych odpowiedzi w tygodniu");
    for (int p = 0; p <= 100; p += 25) {
        const double y = top + plotH - plotH * p / 100.0;
        svg += "<line x1=\"" + std::to_string(left) + "\" x2=\"" + std::to_string(width - 8) + "\" y1=\"" + Num(y) +
               "\" y2=\"" + Num(y) + "\" class=\"grid\"/>";
        svg += Text(left - 6, y + 4, std::to_string(p) + "%", "end");
    }
    for (std::size_t i = 0; i < weeks.size(); ++i)
        if (LabelWeek(i, weeks.size()))
            svg += Text(left + slot * (static_cast<double>(i) + 0.5), top + plotH + 16,
                        ShortDateText(weeks[i].start));

    int legendX = left;
    int legendRow = 0;
    for (int s = 0; s < kReportSoundCount; ++s) {
        const auto si = static_cast<std::size_t>(s);
        bool any = false;
        std::string points;
        std::string dots;
        for (std::size_t i = 0; i < weeks.size(); ++i) {
            const double share = weeks[i].perSound[si].Share();
            if (share < 0) {
                // A week without this sound breaks the line rather than bridging it.
                if (!points.empty()) {
                    svg += "<polyline points=\"" + points + "\" stroke=\"" + kSoundColours[si] + "\" class=\"line\"/>";
                    points.clear();
                }
                continue;
            }
            any = true;
            const double x = left + slot * (static_cast<double>(i) + 0.5);
            const double y = top + plotH - plotH * share;
            points += Num(x) + "," + Num(y) + " ";
            dots += "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"3\" fill=\"" + kSoundColours[si] +
                    "\"><title>" + Escape(SoundName(s) + ", tydzień od " + DateText(weeks[i].start) + ": " +
                                          std::to_string(static_cast<int>(std::lround(share * 100))) + "%") +
                    "</title></circle>";
        }
        if (!points.empty())
            svg += "<polyline points=\"" + points + "\" stroke=\"" + kSoundColours[si] + "\" class=\"line\"/>";
        svg += dots;
        if (any) {
            if (legendX > width - 60 && legendX > left) {
                legendX = left;
                ++legendRow;
            }
            const int ly = top + plotH + 32 + legendRow * legendH;
            svg += "<rect x=\"" + std::to_string(legendX) + "\" y=\"" + std::to_string(ly) +
                   "\" width=\"14\" height=\"14\" fill=\"" + kSoundColours[si] + "\"/>";
            svg += Text(legendX + 18, ly + 12, SoundName(s), "start");
            legendX += 56;
        }
    }
    return svg + "</svg>";
}
