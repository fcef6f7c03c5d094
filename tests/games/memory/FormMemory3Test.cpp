// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "games/memory/CKarta.h"
#include "platform/Control.h"
#include "platform/Random.h"
#include "platform/SoundPlayer.h"
#include "tests/games/memory/MemoryTestSupport.h"

namespace {

std::string Le(uint64_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string TimeBytes(const SystemTime& t)
{
    std::string s;
    for (uint16_t v : {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds})
        s += Le(v, 2);
    return s;
}

// What the summary was shown with.
struct Shown {
    std::vector<std::string> deal;
    std::vector<TRect> slots;
    int32_t correct, wrong, hints, duration;
    int16_t completed;
    SystemTime start;
    int rating;
};

void NoteEachSummary(MemoryRig& m, std::vector<Shown>& shown)
{
    auto previous = m.summary->OnShow;
    m.summary->OnShow = [&m, &shown, previous] {
        Shown s{DealOf(*m.memory->Board()), {}, m.stats->Correct, m.stats->Wrong, m.stats->Hints,
                m.stats->Duration, m.stats->Completed, m.stats->StartTime, m.stats->Rating()};
        for (int k = 0; k < m.memory->Board()->SlotCount(); ++k)
            s.slots.push_back(m.memory->Board()->Slot(k).Rect());
        shown.push_back(s);
        previous();
    };
}

std::string Click(TPoint p)
{
    return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}

// The slots of each word, in slot order.
std::map<std::string, std::vector<int>> SlotsOfWords(const std::vector<std::string>& deal)
{
    std::map<std::string, std::vector<int>> slots;
    for (int k = 0; k < static_cast<int>(deal.size()); ++k)
        slots[deal[static_cast<std::size_t>(k)]].push_back(k);
    return slots;
}

}  // namespace

TEST(FormMemory3, AWholeGamePlayedByClicksIsSavedThenTheSummaryStartsAnotherThatEscapeStops)
{
    MemorySettings settings(1);
    constexpr uint64_t kSeed = 4242;

    // A first run only learns the deals: stop at once, play again, stop, close.
    std::vector<Shown> dry;
    TPoint helpCentre;
    {
        const std::string script = "wait 100\nkey Escape\nexpect form FormKoniecGry\n" +
                                   Click(MemoryRig::SummaryStart(1024, 768)) +
                                   "expect form FormMemory3\nkey Escape\nexpect form FormKoniecGry\nkey Escape\n";
        MemoryRig probe(1024, 768, script);
        NoteEachSummary(probe, dry);
        SeedRandom(kSeed);
        probe.memory->ShowModal();
        EXPECT_EQ(probe.rig.App().ExitCode(), 0);
        helpCentre = MemoryRig::Centre(probe.memory->HelpButtonRect());
    }
    ASSERT_EQ(dry.size(), 2u);
    ASSERT_EQ(dry[0].deal.size(), 6u);

    // The real run clicks the cards where the deal put them.
    const auto& first = dry[0];
    const auto slots = SlotsOfWords(first.deal);
    ASSERT_EQ(slots.size(), 3u);
    std::vector<std::string> order;
    for (const auto& [word, s] : slots)
        order.push_back(word);
    auto cardAt = [&first](int slot) { return Click(MemoryRig::Centre(first.slots[static_cast<std::size_t>(slot)])); };
    std::string script = "wait 100\n";
    // A miss, a hint, then every pair.
    script += cardAt(slots.at(order[0])[0]) + cardAt(slots.at(order[1])[0]) + "wait 1300\n";
    script += Click(helpCentre) + "wait 100\n";
    for (const std::string& word : order)
        script += cardAt(slots.at(word)[0]) + cardAt(slots.at(word)[1]) + "wait 1100\n";
    script += "expect form FormKoniecGry\n";
    script += Click(MemoryRig::SummaryStart(1024, 768)) + "expect form FormMemory3\nwait 100\nkey Escape\n" +
              "expect form FormKoniecGry\n" + Click(MemoryRig::SummaryStop(1024, 768));

    MemoryRig run(1024, 768, script);
    for (const std::string& word : order)
        WriteWave(run.rig.Dir(), "Data/Smd/" + word + ".pw", 300);
    std::vector<Shown> shown;
    NoteEachSummary(run, shown);
    SeedRandom(kSeed);
    run.memory->ShowModal();
    EXPECT_EQ(run.rig.App().ExitCode(), 0);
    EXPECT_FALSE(run.memory->Visible());

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].deal, dry[0].deal);
    EXPECT_EQ(shown[1].deal, dry[1].deal);
    // Three quick pairs (two each), one miss, one hint; a complete game.
    EXPECT_EQ(shown[0].correct, 6);
    EXPECT_EQ(shown[0].wrong, 1);
    EXPECT_EQ(shown[0].hints, 1);
    EXPECT_EQ(shown[0].completed, 1);
    EXPECT_EQ(shown[0].rating, 4);
    EXPECT_GE(shown[0].duration, 5);
    EXPECT_LE(shown[0].duration, 15);
    // The second game stopped at once: one wrong answer per card left.
    EXPECT_EQ(shown[1].correct, 0);
    EXPECT_EQ(shown[1].wrong, 6);
    EXPECT_EQ(shown[1].completed, 0);

    // Each pair's word was heard, in the order the pairs were found.
    auto* player = dynamic_cast<SilentSoundPlayer*>(&TheSoundPlayer());
    ASSERT_NE(player, nullptr);
    std::vector<std::string> heard;
    for (const auto& file : player->played)
        heard.push_back(file.stem().string());
    EXPECT_EQ(heard, order);

    const std::string file = run.rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), 20u + 2 * 44u);
    const SystemTime start = shown[0].start;
    EXPECT_EQ(start.year, 2026);
    EXPECT_EQ(start.hour, 9);
    const std::string expected = Le(3, 4) + TimeBytes(start) + Le(1, 2) + Le(GL_SZ, 2) + Le(POZ_WSZYSTKIE, 2) +
                                 Le(static_cast<uint32_t>(shown[0].duration), 4) + Le(1, 2) + Le(1, 4) + Le(6, 4) +
                                 Le(1, 4);
    ASSERT_EQ(expected.size(), 44u);
    EXPECT_EQ(file.substr(20, 44), expected);
    const std::string second = file.substr(64, 44);
    EXPECT_EQ(second.substr(0, 4), Le(3, 4));
    EXPECT_EQ(second.substr(4, 16), TimeBytes(shown[1].start));
    EXPECT_EQ(second.substr(30, 14), Le(0, 2) + Le(0, 4) + Le(0, 4) + Le(6, 4));
    // The pictures of the words are released when the screen closes.
    EXPECT_TRUE(run.words->Chosen().empty());
}
