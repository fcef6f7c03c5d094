// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the main menu against the time it takes just to decode the
// pictures start-up loads, in the same run on the generated data tree.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/Szeptaczki.h"
#include "games/ProgramScreens.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "graphics/PictureReads.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace {

// The generated tree beside the benchmark program (the build folder).
fs::path BuiltTree()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path dir = exe.parent_path();
    return fs::exists(dir / "Data" / ".generated") ? dir : fs::path();
}

// A program folder of its own: the tree's folders linked, the settings and
// statistics written here and not into the build.
fs::path ProgramFolder(const fs::path& tree)
{
    const fs::path root = fs::temp_directory_path() / ("szeptaczki-bench-" + std::to_string(::getpid()));
    if (fs::exists(root / "Data"))
        return root;
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(tree / "Data"))
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), root / "Data" / entry.path().filename());
    fs::create_directory_symlink(tree / "RESOURCE", root / "RESOURCE");
    return root;
}

std::vector<std::string> StartArguments(const fs::path& root, const fs::path& script,
                                        const std::string& screen = "1280x1024")
{
    return {"szeptaczki", "--headless", "--screen", screen, "--seed", "1", "--root", root.string(),
            "--script", script.string()};
}

int RunStart(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    const int status = RunSzeptaczki(static_cast<int>(argv.size()), argv.data(), ProgramScreens());
    // A headless run leaves its virtual clock installed.
    InstallClock(std::make_unique<RealClock>());
    return status;
}

fs::path EmptyScript(const fs::path& root)
{
    const fs::path script = root / "empty.txt";
    WriteFileAtomically(script, "");
    return script;
}

// The picture files one start-up on a screen of the given size reads (each
// display mode has its own pictures), each once, as the loaders report them.
std::vector<fs::path> StartupPictures(const fs::path& root, const std::string& screen)
{
    std::set<fs::path> files;
    SetPictureReadObserver([&files](const fs::path& file) { files.insert(file); });
    RunStart(StartArguments(root, EmptyScript(root), screen));
    SetPictureReadObserver({});
    // The splash picture is decoded by the splash screen itself.
    files.insert(root / "Data" / "Intf" / "QW6_Splash.xji");
    return {files.begin(), files.end()};
}

}  // namespace

// The whole start-up of a headless run at 1280 x 1024 up to the main menu,
// which an empty script then closes at once.
static void BM_StartupToMenu(benchmark::State& state)
{
    const fs::path tree = BuiltTree();
    if (tree.empty()) {
        state.SkipWithError("no generated data tree beside the benchmark");
        return;
    }
    const fs::path root = ProgramFolder(tree);
    const std::vector<std::string> args = StartArguments(root, EmptyScript(root));
    for (auto _ : state) {
        if (RunStart(args) != 0)
            state.SkipWithError("start-up failed");
    }
}
BENCHMARK(BM_StartupToMenu)->Unit(benchmark::kMillisecond);

// Reading and decoding every picture start-up loads, each once: the floor
// start-up cannot go below. Start-up keeps its pictures, so each lands in
// memory fresh from the system (first-touch page faults included); so do
// these, kept to the end of the pass and the memory given back between
// passes. The warm variant lets the allocator reuse the previous pass's pages.
static void DecodeStartupPictures(benchmark::State& state, bool cold, const std::string& screen = "1280x1024")
{
    const fs::path tree = BuiltTree();
    if (tree.empty()) {
        state.SkipWithError("no generated data tree beside the benchmark");
        return;
    }
    const std::vector<fs::path> files = StartupPictures(ProgramFolder(tree), screen);
    std::vector<Bitmap> kept;
    kept.reserve(files.size());
    for (auto _ : state) {
        for (const fs::path& file : files) {
            std::string bytes;
            if (!ReadWholeFile(file, bytes))
                continue;
            Bitmap picture;
            try {
                if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
                    DecodeBmp(bytes, picture);
                else
                    DecodeJpeg(bytes, picture);
            } catch (const std::exception&) {
            }
            kept.push_back(std::move(picture));
        }
        state.PauseTiming();
        kept.clear();
        if (cold)
            malloc_trim(0);
        state.ResumeTiming();
    }
    state.counters["pictures"] = static_cast<double>(files.size());
}

static void BM_DecodeStartupPictures(benchmark::State& state)
{
    DecodeStartupPictures(state, true);
}
BENCHMARK(BM_DecodeStartupPictures)->Unit(benchmark::kMillisecond);

static void BM_DecodeStartupPicturesWarm(benchmark::State& state)
{
    DecodeStartupPictures(state, false);
}
BENCHMARK(BM_DecodeStartupPicturesWarm)->Unit(benchmark::kMillisecond);

// The same for the screens a real window is measured on: 1024 x 768 shows its
// own mode's pictures, a 16:9 display the 1280 x 960 area's, scaled.
static void BM_DecodeStartupPictures_1024x768(benchmark::State& state)
{
    DecodeStartupPictures(state, true, "1024x768");
}
BENCHMARK(BM_DecodeStartupPictures_1024x768)->Unit(benchmark::kMillisecond);

static void BM_DecodeStartupPictures_3840x2160(benchmark::State& state)
{
    DecodeStartupPictures(state, true, "3840x2160");
}
BENCHMARK(BM_DecodeStartupPictures_3840x2160)->Unit(benchmark::kMillisecond);
