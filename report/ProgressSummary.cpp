// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressSummary.h"

#include <algorithm>
#include <set>

#include "core/CStatRec.h"
#include "core/SoundCodes.h"

void Tally::Add(const StatRecord& r)
{
    ++games;
    completed += r.Completed != 0;
    // Damaged counters never make a total smaller.
    seconds += std::max<int32_t>(r.Duration, 0);
    hints += std::max<int32_t>(r.Hints, 0);
    correct += std::max<int32_t>(r.Correct, 0);
    wrong += std::max<int32_t>(r.Wrong, 0);
}

int RatingIndex(int16_t rating)
{
    return rating >= 4 ? 2 : rating >= 2 ? 1 : 0;
}

namespace {

// A record dated outside these years has a damaged time: it counts in the
// totals but on no day.
constexpr int kFirstPlausibleYear = 2000;
constexpr int kLastPlausibleYear = 2100;

bool Dated(const DatedRecord& g)
{
    return g.local.year >= kFirstPlausibleYear && g.local.year <= kLastPlausibleYear;
}

// everything: the whole file counts, whatever the days (the weekly rows still
// cover only firstDay..lastDay).
void Summarize(PeriodSummary& period, const std::vector<DatedRecord>& games, bool everything)
{
    std::set<int64_t> days;
    const int64_t firstWeek = WeekStart(period.firstDay);
    for (int64_t week = firstWeek; week <= period.lastDay; week += 7)
        period.weeks.push_back(WeekSummary{week});
    std::vector<std::set<int64_t>> weekDays(period.weeks.size());

    for (const DatedRecord& g : games) {
        const int64_t day = g.local.dayNumber;
        const bool inDays = Dated(g) && day >= period.firstDay && day <= period.lastDay;
        if (!inDays && !everything)
            continue;
        const StatRecord& r = g.record;
        period.total.Add(r);
        ++period.ratings[static_cast<std::size_t>(RatingIndex(CStatRec::RatingOf(r.Correct, r.Wrong)))];
        if (r.GameId >= 1 && r.GameId <= kReportGameCount)
            period.perGame[static_cast<std::size_t>(r.GameId - 1)].Add(r);
        else
            ++period.unknownGames;

        WeekSummary* week = nullptr;
        if (inDays) {
            days.insert(day);
            const std::size_t w = static_cast<std::size_t>((WeekStart(day) - firstWeek) / 7);
            week = &period.weeks[w];
            ++week->games;
            weekDays[w].insert(day);
        }
        for (int p = 0; p < kReportPositionCount; ++p)
            if (r.Pozycja & (POZ_NAGLOS << p))
                period.perPosition[static_cast<std::size_t>(p)].Add(r);
        for (int s = 0; s < kReportSoundCount; ++s) {
            if (!(r.Gloski & (1 << s)))
                continue;
            const auto si = static_cast<std::size_t>(s);
            period.perSound[si].Add(r);
            if (week)
                week->perSound[si].Add(r);
            for (int p = 0; p < kReportPositionCount; ++p)
                if (r.Pozycja & (POZ_NAGLOS << p))
                    period.soundByPosition[si][static_cast<std::size_t>(p)].Add(r);
        }
    }
    period.practiceDays = static_cast<int>(days.size());
    for (std::size_t w = 0; w < period.weeks.size(); ++w)
        period.weeks[w].practiceDays = static_cast<int>(weekDays[w].size());
}

}  // namespace

ProgressSummary Summarize(const std::vector<StatRecord>& records, int64_t today)
{
    ProgressSummary s;
    s.games.reserve(records.size());
    int64_t first = today;
    int64_t last = today;
    for (const StatRecord& r : records) {
        DatedRecord g{r, ToLocal(r.StartTime)};
        if (Dated(g)) {
            first = std::min(first, g.local.dayNumber);
            last = std::max(last, g.local.dayNumber);
        }
        s.games.push_back(g);
    }
    s.whole.title = "Cały okres";
    // The weekly rows of a file kept for years show its last kLongestWeeks.
    s.whole.firstDay = std::max(first, WeekStart(last) - 7 * (kLongestWeeks - 1));
    s.whole.lastDay = last;
    Summarize(s.whole, s.games, true);

    s.lastDays.title = "Ostatnie " + std::to_string(kRecentDays) + " dni";
    s.lastDays.firstDay = today - (kRecentDays - 1);
    s.lastDays.lastDay = today;
    Summarize(s.lastDays, s.games, false);
    return s;
}
