// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportCsv.h"

#include <cstdio>

#include "core/CStatRec.h"

namespace {

// A field quoted when it holds a separator, a quote or a line break.
std::string Field(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// A number with one or two decimals and a decimal comma.
std::string Decimal(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    for (char& c : out)
        if (c == '.')
            c = ',';
    return out;
}

}  // namespace

std::string ProgressCsv(const ProgressSummary& summary)
{
    std::string csv = "\xEF\xBB\xBF";
    csv += "Data;Gra;Głoski;Pozycje;Ilość;Czas [s];Czas [min];Podpowiedzi;Poprawne;Błędne;"
           "Poprawne [%];Ukończona;Ocena\r\n";
    for (const DatedRecord& g : summary.games) {
        const StatRecord& r = g.record;
        const int64_t answers = static_cast<int64_t>(r.Correct) + r.Wrong;
        const std::string share = answers > 0 ? Decimal(100.0 * r.Correct / static_cast<double>(answers), 1) : "";
        const std::string fields[] = {DateTimeText(g.local),
                                      GameName(r.GameId),
                                      SoundList(r.Gloski),
                                      PositionList(r.Pozycja),
                                      AmountName(r.Poziom),
                                      std::to_string(r.Duration),
                                      Decimal(r.Duration / 60.0, 2),
                                      std::to_string(r.Hints),
                                      std::to_string(r.Correct),
                                      std::to_string(r.Wrong),
                                      share,
                                      r.Completed ? "tak" : "nie",
                                      std::to_string(CStatRec::RatingOf(r.Correct, r.Wrong))};
        bool firstField = true;
        for (const std::string& f : fields) {
            if (!firstField)
                csv += ';';
            csv += Field(f);
            firstField = false;
        }
        csv += "\r\n";
    }
    return csv;
}
