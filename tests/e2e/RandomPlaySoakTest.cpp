// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random play over the menu and every game: clicks, drags, keys and
// waits, each run ended by closing the window. No run may crash or show an
// error, the statistics file must hold only whole records, and the journal
// of answers must tell each saved game's answers as its record counts them. CI runs a
// small set; scripts/soak.sh --runs N runs as many as wanted.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ScreenTour.h"

namespace {

constexpr int kRunsInCi = 48;
constexpr int kEventsPerRun = 200;

uint64_t EnvNumber(const char* name, uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const unsigned long long v = std::strtoull(text, &end, 10);
    return end != nullptr && *end == '\0' ? v : fallback;
}

struct SoakRun {
    uint64_t seed = 0;
    std::string failure;
    std::string script;
    int games = 0;  // records the run added to the statistics
};

// Run n plays the game of tab n % 6 + 1 (the sixth is the recording tab) in
// display mode n % 4; the script starts the game and then goes where the
// random input takes it, which may be back to the menu and into another game.
SoakRun Play(uint64_t seed)
{
    SoakRun run{seed};
    const ScreenSize& screen = kDisplayModes[seed % kDisplayModes.size()];
    const int tab = static_cast<int>(seed % kMenuTabCount) + 1;
    run.script = GameTour(screen, tab, RandomInput(screen, seed, kEventsPerRun));
    TempDir root;
    if (!LinkGeneratedTree(root.Path())) {
        run.failure = "cannot lay out the tree";
        return run;
    }
    const ProgramResult r = RunHeadless(root.Path(), run.script, screen.Argument(), seed);
    if (r.status != 0)
        run.failure = "status " + std::to_string(r.status) + " (-1: killed by a signal): " + r.errors;
    else if (ShowedAnError(r))
        run.failure = "an error message: " + r.errors;
    else if ((run.games = WholeStatisticsRecords(root.Path())) < 0)
        run.failure = "the statistics file is missing or holds a partial record";
    else if (const std::string disagreement = JournalAgainstStatistics(root.Path()); !disagreement.empty())
        run.failure = "the journal of answers disagrees with the statistics: " + disagreement;
    return run;
}

}  // namespace

TEST(RandomPlaySoak, NoRunCrashesAndTheStatisticsHoldOnlyWholeRecords)
{
    if (ProgramPath().empty() || GeneratedTreeDir().empty())
        GTEST_SKIP() << "no program or no generated data tree";
    const uint64_t runs = EnvNumber("SZ_SOAK_RUNS", kRunsInCi);
    const uint64_t firstSeed = EnvNumber("SZ_SOAK_SEED", 1);
    std::vector<SoakRun> results(runs);
    std::atomic<uint64_t> next{0};
    const unsigned workers = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned w = 0; w < workers; ++w)
        pool.emplace_back([&] {
            for (uint64_t i = next++; i < runs; i = next++)
                results[i] = Play(firstSeed + i);
        });
    for (std::thread& t : pool)
        t.join();
    int games = 0;
    for (const SoakRun& run : results) {
        EXPECT_EQ(run.failure, "") << "seed " << run.seed << ", script:\n" << run.script;
        games += std::max(run.games, 0);
    }
    std::printf("%llu runs of %d random events from seed %llu, %d games recorded\n",
                static_cast<unsigned long long>(runs), kEventsPerRun, static_cast<unsigned long long>(firstSeed),
                games);
}
