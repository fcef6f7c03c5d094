// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/HtmlParts.h"

#include <cmath>

#include "core/PolishPlural.h"
#include "report/SvgCharts.h"

namespace {

// On paper: A4, the summary alone on the first page, the later parts one
// after another, no heading left at the foot of a page, short tables and
// charts whole, long tables broken between rows with their heading row
// again, and every table inside the page's width (only lists of sounds,
// positions and notes wrap).
const char* kStyle = R"(
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, sans-serif; color: #222; margin: 24px auto;
       max-width: 980px; padding: 0 16px; line-height: 1.4; }
h1 { font-size: 26px; margin-bottom: 4px; color: #1b4f8a; }
h2 { font-size: 21px; margin-top: 32px; border-bottom: 3px solid #1b4f8a; padding-bottom: 4px; color: #1b4f8a; }
h3 { font-size: 16px; margin: 20px 0 6px; }
.meta { color: #555; font-size: 14px; }
.problems { background: #fff4d6; border: 1px solid #e0b84a; border-radius: 6px; padding: 8px 14px; }
.friendly { background: #eef6ee; border: 1px solid #9cc79c; border-radius: 6px; padding: 12px 16px; }
.older { background: #f1f1f6; border: 1px solid #b9b9cc; border-radius: 6px; padding: 8px 14px; }
.cards { display: flex; flex-wrap: wrap; gap: 10px; }
.card { border: 1px solid #ccd; border-radius: 8px; padding: 8px 14px; min-width: 110px; background: #f7f9fc; }
.card b { display: block; font-size: 22px; color: #1b4f8a; }
.card.unsolved b { color: #8a5a1b; }
table { border-collapse: collapse; font-size: 13px; margin: 6px 0; max-width: 100%; }
th, td { border: 1px solid #bbb; padding: 3px 7px; text-align: right; }
td { white-space: nowrap; }
td.wrap, td.notes { white-space: normal; }
th { background: #e8eef6; }
td.l, th.l { text-align: left; }
td.notes { text-align: left; font-style: italic; max-width: 340px; overflow-wrap: anywhere; }
table.map td, table.map th { text-align: center; min-width: 110px; }
table.summary td { min-width: 150px; }
td.few { background: repeating-linear-gradient(45deg, #f2f2f2, #f2f2f2 4px, #e4e4e4 4px, #e4e4e4 8px);
         color: #777; font-size: 11px; }
span.unsolved { color: #8a5a1b; font-size: 11px; }
.legend span { display: inline-block; padding: 2px 8px; margin-right: 4px; border-radius: 3px; font-size: 12px; }
svg.chart { max-width: 100%; height: auto; font-size: 11px; }
svg.chart .grid { stroke: #ddd; stroke-width: 1; }
svg.chart .bar { fill: #4a90d9; }
svg.chart .line { fill: none; stroke-width: 2.5; }
svg.chart .note { fill: #777; }
.note { color: #666; font-size: 12px; }
@page { size: A4; margin: 14mm; }
@media print {
  body { margin: 0; max-width: none; font-size: 10pt; }
  h1 { font-size: 20pt; }
  section.first { break-after: page; }
  h2 { margin-top: 18pt; }
  h2.first { margin-top: 0; }
  h2, h3 { break-after: avoid; }
  .keep, svg, .cards, tr, table.short { break-inside: avoid; }
  thead { display: table-header-group; }
  table { font-size: 8.5pt; }
  th, td { padding: 2px 5px; }
  table.map td, table.map th { min-width: 0; padding: 1px 5px; }
  table.map td.few { font-size: 7pt; }
  .card { padding: 4px 10px; }
  .card b { font-size: 15pt; }
  .problems, .friendly, .older, td, th, .legend span { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

}  // namespace

const char* ReportStyle()
{
    return kStyle;
}

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

std::string Cell(const std::string& text, bool left)
{
    return std::string(left ? "<td class=\"l\">" : "<td>") + Escape(text) + "</td>";
}

std::string PageStart(const std::string& title)
{
    return "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>" +
           Escape(title) + "</title><style>" + kStyle + "</style></head><body>";
}

std::string Counted(int64_t n, const char* one, const char* few, const char* many)
{
    return CountOf(n, one, few, many);
}

std::string FormFor(int64_t n, const char* one, const char* few, const char* many)
{
    return PluralForm(n, one, few, many);
}
