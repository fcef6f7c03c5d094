// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each interface file of the generated tree removed in turn, and the screens
// toured headless: every run must end in the missing-resources message
// (error code 1) or, for the files listed below, in the fallback the program
// has for them. A file whose absence goes unnoticed and is not listed fails
// the test: a new fallback is a decision, not an accident.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/TestSupport.h"
#include "tests/e2e/HeadlessRun.h"
#include "tests/e2e/ScreenTour.h"

namespace fs = std::filesystem;

namespace {

struct Fallback {
    const char* file;  // relative to the tree
    const char* instead;
};

// The files the program can do without, and what it shows instead.
const std::vector<Fallback> kFallbacks = {
    {"Data/Intf/QW6_Splash.xji", "the splash shows \"Brak zasobów!\" and the title"},
    {"RESOURCE/REKA1.bmp", "the system's hand cursor"},
    // The full-screen backgrounds of the two games: black.
    {"Data/Intf/Spec/R2_Tmem3.xji", "a black memory background"},
    {"Data/Intf/Spec/R3_Tmem3.xji", "a black memory background"},
    {"Data/Intf/Spec/R8_Tmem3.xji", "a black memory background"},
    {"Data/Intf/Spec/R2_Tpociag.xji", "a black train background"},
    {"Data/Intf/Spec/R3_Tpociag.xji", "a black train background"},
    {"Data/Intf/Spec/R8_Tpociag.xji", "a black train background"},
    // The crane's picture of a held can: nothing is drawn over the held can.
    {"Data/Intf/Spec/R2_tas_pussB.xji", "the held can without its overlay"},
    {"Data/Intf/Spec/R2_tas_pussW.xji", "the held can without its overlay"},
    {"Data/Intf/Spec/R3_tas_pussB.xji", "the held can without its overlay"},
    {"Data/Intf/Spec/R3_tas_pussW.xji", "the held can without its overlay"},
    {"Data/Intf/Spec/R5_tas_pussB.xji", "the held can without its overlay"},
    {"Data/Intf/Spec/R5_tas_pussW.xji", "the held can without its overlay"},
    // The recording tab's own panel: the rows on the plain panel.
    {"Data/Intf/Spec/R2_mNagr.xji", "the recording tab on the plain panel"},
    {"Data/Intf/Spec/R3_mNagr.xji", "the recording tab on the plain panel"},
    {"Data/Intf/Spec/R8_mNagr.xji", "the recording tab on the plain panel"},
    // The enlarged picture's frame: an empty frame, the zoom shows nothing.
    {"Data/Intf/Spec/R2_ZoomExB.xji", "an empty zoom frame: nothing shows"},
    {"Data/Intf/Spec/R2_ZoomExW.xji", "an empty zoom frame: nothing shows"},
    {"Data/Intf/Spec/R3_ZoomExB.xji", "an empty zoom frame: nothing shows"},
    {"Data/Intf/Spec/R3_ZoomExW.xji", "an empty zoom frame: nothing shows"},
};

const char* FallbackFor(const std::string& file)
{
    for (const Fallback& f : kFallbacks)
        if (file == f.file)
            return f.instead;
    return nullptr;
}

// The interface files: the screens' pictures and fonts, the splash and the
// picture library. Sounds are not among them (a missing one is silence).
std::vector<std::string> InterfaceFiles(const fs::path& tree)
{
    std::vector<std::string> files;
    for (const char* dir : {"Data/Intf/Spec", "RESOURCE"})
        for (const auto& entry : fs::directory_iterator(tree / dir))
            if (entry.is_regular_file())
                files.push_back(std::string(dir) + "/" + entry.path().filename().string());
    files.push_back("Data/Intf/QW6_Splash.xji");
    std::sort(files.begin(), files.end());
    return files;
}

// The display modes that load a file: its name's mode prefix tells, and a
// file without one is tried in each until one misses it.
std::vector<ScreenSize> ModesFor(const std::string& file)
{
    const std::string name = fs::path(file).filename().string();
    const ScreenSize s800{800, 600}, s1024{1024, 768}, s1280{1280, 1024};
    if (name.rfind("R2_", 0) == 0)
        return {s800};
    if (name.rfind("R3_", 0) == 0)
        return {s1024, s1280};  // the 1280 modes borrow a few of the 1024 pictures
    if (name.rfind("R5_", 0) == 0 || name.rfind("R8_", 0) == 0)
        return {s1280};
    return {s1024, s800, s1280};
}

struct Outcome {
    std::string file;
    bool missingResources = false;  // some run ended in error code 1
    std::string failure;            // a crash, a hang or another message
    int runs = 0;
};

Outcome Sweep(const std::string& file)
{
    Outcome o{file};
    TempDir root;
    if (!LinkGeneratedTreeWithout(root.Path(), file)) {
        o.failure = "cannot lay out the tree";
        return o;
    }
    // True once the outcome is decided: error 1, or a failure.
    auto run = [&](const ScreenSize& screen, const std::string& tour) {
        const ProgramResult r = RunHeadless(root.Path(), tour, screen.Argument());
        ++o.runs;
        if (ShowedMissingResources(r)) {
            o.missingResources = true;
            return true;
        }
        if (r.status != 0 || ShowedAnError(r)) {
            o.failure = screen.Argument() + ": status " + std::to_string(r.status) + ", " + r.errors;
            return true;
        }
        return false;
    };
    // Every screen loads its pictures when the program starts, so the menu's
    // tour finds almost every missing file; the games are toured only for
    // the files that start-up did without.
    const std::vector<ScreenSize> modes = ModesFor(file);
    for (const ScreenSize& screen : modes)
        if (run(screen, MenuTour(screen)))
            return o;
    // A game loads its pictures in the first of a file's modes wherever it
    // does in the others: one mode's tour is enough.
    for (int tab = 1; tab <= kGameTabCount; ++tab)
        if (run(modes.front(), GameTour(modes.front(), tab)))
            return o;
    return o;
}

}  // namespace

TEST(MissingFileSweep, EveryInterfaceFileIsErrorOneOrItsListedFallback)
{
    const fs::path tree = GeneratedTreeDir();
    if (ProgramPath().empty() || tree.empty())
        GTEST_SKIP() << "no program or no generated data tree";
    const std::vector<std::string> files = InterfaceFiles(tree);
    ASSERT_GT(files.size(), 100u);
    for (const Fallback& f : kFallbacks)
        EXPECT_NE(std::find(files.begin(), files.end(), f.file), files.end()) << f.file << " is not in the tree";

    // The runs are separate processes: a few at a time keep both cores busy
    // while others wait for the disk.
    std::vector<Outcome> outcomes(files.size());
    std::atomic<std::size_t> next{0};
    const unsigned workers = std::clamp(std::thread::hardware_concurrency() * 2, 2u, 8u);
    std::vector<std::thread> pool;
    for (unsigned w = 0; w < workers; ++w)
        pool.emplace_back([&] {
            for (std::size_t i = next++; i < files.size(); i = next++)
                outcomes[i] = Sweep(files[i]);
        });
    for (std::thread& t : pool)
        t.join();

    int runs = 0;
    for (const Outcome& o : outcomes) {
        runs += o.runs;
        EXPECT_EQ(o.failure, "") << o.file;
        if (!o.failure.empty())
            continue;
        // A listed file may also have become error 1 since: stricter is fine.
        if (FallbackFor(o.file) == nullptr)
            EXPECT_TRUE(o.missingResources) << o.file << " can be missing unnoticed: give it error 1 or list its fallback";
        else if (o.missingResources)
            std::printf("note: %s is listed with a fallback but is now error 1\n", o.file.c_str());
    }
    std::printf("%zu files, %d program runs\n", files.size(), runs);
}
