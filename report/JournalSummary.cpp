// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JournalSummary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "core/AnswerJournal.h"
#include "core/SoundCodes.h"

void AnswerTally::Add(AnswerOutcome outcome)
{
    switch (outcome) {
    case AnswerOutcome::Right: ++right; break;
    case AnswerOutcome::Wrong: ++wrong; break;
    case AnswerOutcome::Hint: ++hints; break;
    case AnswerOutcome::UnsolvedAtStop: ++unsolved; break;
    }
}

int SoundIndexOf(int32_t soundBit)
{
    for (int s = 0; s < kReportSoundCount; ++s)
        if (soundBit == (1 << s))
            return s;
    return -1;
}

int PositionIndexOf(int32_t positionBit)
{
    for (int p = 0; p < kReportPositionCount; ++p)
        if (positionBit == (POZ_NAGLOS << p))
            return p;
    return -1;
}

int64_t LocalDayOf(int64_t unixMs)
{
    // Every zone's offset is a whole number of quarter hours, so one quarter
    // hour lies within one local day: the answers of a game share a lookup.
    constexpr int64_t kQuarterMs = 15 * 60 * 1000;
    static thread_local int64_t cachedQuarter = INT64_MIN;
    static thread_local int64_t cachedDay = 0;
    const int64_t quarter = unixMs >= 0 ? unixMs / kQuarterMs : (unixMs - kQuarterMs + 1) / kQuarterMs;
    if (quarter != cachedQuarter) {
        cachedDay = ToLocal(static_cast<std::time_t>(quarter * (kQuarterMs / 1000))).dayNumber;
        cachedQuarter = quarter;
    }
    return cachedDay;
}

std::string IsoDay(int64_t dayNumber)
{
    int y = 0, m = 0, d = 0;
    DateOfDayNumber(dayNumber, y, m, d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

int64_t DayOfIso(const std::string& iso)
{
    int y = 0, m = 0, d = 0;
    char end = 0;
    if (iso.size() != 10 || std::sscanf(iso.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &end) != 3 || m < 1 || m > 12 ||
        d < 1 || d > 31)
        return -1;
    const int64_t day = DayNumberOf(y, m, d);
    return IsoDay(day) == iso ? day : -1;  // 31.02 is no day
}

namespace {

// Dates outside these years are damaged: such games and answers count in
// the totals but on no day.
bool Plausible(int64_t day)
{
    static const int64_t first = DayNumberOf(2000, 1, 1);
    static const int64_t last = DayNumberOf(2100, 12, 31);
    return day >= first && day <= last;
}

struct GameSeen {
    int64_t day = 0;
    int64_t lastAnswerMs = 0;
    int32_t seconds = -1;  // from its statistics record; -1 without one
};

void CountAnswer(JournalPeriod& p, const JournalAnswer& a, int sound, int position)
{
    p.total.Add(a.outcome);
    if (sound >= 0 && position >= 0)
        p.map[static_cast<std::size_t>(sound)][static_cast<std::size_t>(position)].Add(a.outcome);
}

bool Within(const JournalPeriod& p, int64_t day)
{
    return day >= p.firstDay && day <= p.lastDay;
}

}  // namespace

ChildSummary SummarizeChild(const std::vector<JournalAnswer>& answers, const std::vector<JournalNote>& notes,
                            const std::vector<StatRecord>& games, int64_t today)
{
    ChildSummary s;
    s.allGames = games;
    s.answers = static_cast<int64_t>(answers.size());
    s.recent.firstDay = today - (kRecentDays - 1);
    s.recent.lastDay = today;

    std::map<int64_t, DayRow> days;
    std::map<std::pair<int32_t, int64_t>, GameSeen> journalGames;
    std::map<std::string, WordTally> words;
    int64_t firstDay = today;
    int64_t firstAnswerDay = today;

    for (const JournalAnswer& a : answers) {
        const int64_t day = LocalDayOf(a.atMs);
        const bool dated = Plausible(day);
        const int sound = SoundIndexOf(a.sound);
        const int position = PositionIndexOf(a.position);
        CountAnswer(s.whole, a, sound, position);
        if (dated && Within(s.recent, day))
            CountAnswer(s.recent, a, sound, position);
        if (dated) {
            firstDay = std::min(firstDay, day);
            firstAnswerDay = std::min(firstAnswerDay, day);
            DayRow& row = days[day];
            row.day = day;
            row.answers.Add(a.outcome);
        }
        GameSeen& game = journalGames[{a.game, a.gameStartedMs}];
        game.day = LocalDayOf(a.gameStartedMs);
        game.lastAnswerMs = std::max(game.lastAnswerMs, a.atMs);
        if (!a.wordKey.empty()) {
            WordTally& w = words[a.wordKey];
            w.key = a.wordKey;
            w.text = a.wordText;
            w.sound = sound;
            w.position = position;
            w.tally.Add(a.outcome);
        }
    }

    // A game of the file with answers in the journal is one game, seen
    // twice; the file gives its play time.
    for (const StatRecord& r : games) {
        const auto found = journalGames.find({r.GameId, JournalTimeOf(r.StartTime)});
        s.inJournal.push_back(found != journalGames.end());
        if (found != journalGames.end()) {
            found->second.seconds = std::max<int32_t>(r.Duration, 0);
            continue;
        }
        s.older.push_back(r);
        const int64_t day = ToLocal(r.StartTime).dayNumber;
        const int64_t seconds = std::max<int32_t>(r.Duration, 0);
        ++s.whole.games;
        s.whole.seconds += seconds;
        if (!Plausible(day))
            continue;
        firstDay = std::min(firstDay, day);
        DayRow& row = days[day];
        row.day = day;
        ++row.games;
        ++row.oldGames;
        if (Within(s.recent, day)) {
            ++s.recent.games;
            s.recent.seconds += seconds;
        }
    }
    for (const auto& [key, game] : journalGames) {
        // A game without a record (left idle, or still running) lasted at
        // least until its last answer.
        const int64_t seconds =
            game.seconds >= 0 ? game.seconds : std::max<int64_t>(0, (game.lastAnswerMs - key.second) / 1000);
        ++s.whole.games;
        s.whole.seconds += seconds;
        if (!Plausible(game.day))
            continue;
        DayRow& row = days[game.day];
        row.day = game.day;
        ++row.games;
        if (Within(s.recent, game.day)) {
            ++s.recent.games;
            s.recent.seconds += seconds;
        }
    }
    for (const auto& [day, row] : days) {
        ++s.whole.practiceDays;
        s.recent.practiceDays += Within(s.recent, day);
    }
    for (const JournalNote& note : notes) {
        const int64_t day = DayOfIso(note.day);
        if (day < 0)
            continue;
        DayRow& row = days[day];
        row.day = day;
        row.notes.push_back(note.text);
    }
    for (auto it = days.rbegin(); it != days.rend(); ++it)
        s.days.push_back(it->second);
    s.whole.firstDay = firstDay;
    s.whole.lastDay = today;

    if (!answers.empty()) {
        const int64_t lastWeek = WeekStart(today);
        int64_t week = std::max(WeekStart(firstAnswerDay), lastWeek - 7 * (kLongestWeeks - 1));
        for (; week <= lastWeek; week += 7)
            s.weeks.push_back(SoundWeek{week, {}});
        for (const JournalAnswer& a : answers) {
            const int64_t day = LocalDayOf(a.atMs);
            const int sound = SoundIndexOf(a.sound);
            if (sound < 0 || !Plausible(day) || WeekStart(day) < s.weeks.front().start || day > today)
                continue;
            const auto w = static_cast<std::size_t>((WeekStart(day) - s.weeks.front().start) / 7);
            s.weeks[w].perSound[static_cast<std::size_t>(sound)].Add(a.outcome);
        }
    }

    for (auto& [key, w] : words)
        if (w.tally.Attempts() >= kHardWordAttempts && w.tally.wrong > 0)
            s.hardest.push_back(std::move(w));
    std::sort(s.hardest.begin(), s.hardest.end(), [](const WordTally& a, const WordTally& b) {
        if (a.tally.Share() != b.tally.Share())
            return a.tally.Share() < b.tally.Share();
        if (a.tally.wrong != b.tally.wrong)
            return a.tally.wrong > b.tally.wrong;
        return a.key < b.key;
    });
    if (s.hardest.size() > kHardestWords)
        s.hardest.resize(kHardestWords);

    s.olderSummary = Summarize(s.older, today);
    return s;
}
