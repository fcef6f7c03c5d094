// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the forklift game at 1280 x 1024 on the generated data tree
// beside the benchmark: the truck erased, moved, drawn and the changed
// rectangle shown, without the frame wait; the scaled present of such a
// frame on large displays; and a whole frame with its wait, whose CPU time
// shows the process sleeping rather than spinning.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "bench/BenchWindow.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "games/forklift/FormWidlak.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Clock.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

// The game with the truck driving, on a headless 1280 x 1024 screen unless
// another back end is given.
struct ForkliftBenchGame {
    explicit ForkliftBenchGame(const std::function<std::unique_ptr<Backend>()>& makeBackend = [] {
        return std::make_unique<HeadlessBackend>(1280, 1024, "");
    })
    {
        const fs::path dir = fs::canonical("/proc/self/exe").parent_path();
        if (!fs::exists(dir / "Data" / "Intf" / "Spec"))
            return;
        SetProgramDir(dir);
        std::unique_ptr<Backend> backend;
        try {
            backend = makeBackend();
        } catch (const std::exception&) {
            return;
        }
        SetDisplay(backend->Screen().Width(), backend->Screen().Height());
        if (!LoadGlobalFonts(Display().Mode()))
            return;
        app = std::make_unique<TApplication>(std::move(backend));
        saved = UstWidlak;
        UstWidlak.Poziom = 1;
        UstWidlak.Gloski = 0xFFF;
        UstWidlak.Pozycja = 0x7000;
        // The statistics object writes its file header where the program
        // directory is: made only once that is the benchmark's own.
        stats = std::make_unique<CStatRec>(6, nullptr);
        form = std::make_unique<TFormWidlak>(*app, slowa, *stats, nullptr);
        if (!form->EnoughWords())
            return;
        form->Show();
        ready = true;
    }
    ~ForkliftBenchGame()
    {
        form.reset();
        app.reset();
        UstWidlak = saved;
    }

    // Drives one way for a while, then back, so that frames cover driving,
    // turning and creeping at the racks.
    void Keys(int frame)
    {
        int left = VK_LEFT, right = VK_RIGHT;
        if (frame % 120 == 0) {
            form->OnKeyUp(left, 0);
            form->OnKeyDown(right, 0);
        } else if (frame % 120 == 60) {
            form->OnKeyUp(right, 0);
            form->OnKeyDown(left, 0);
        }
    }

    CSlowa slowa;
    std::unique_ptr<CStatRec> stats;
    CUstGry saved{4, "Widlak"};
    std::unique_ptr<TApplication> app;
    std::unique_ptr<TFormWidlak> form;
    bool ready = false;
};

}  // namespace

static void BM_ForkliftFrame(benchmark::State& state)
{
    ForkliftBenchGame game;
    if (!game.ready) {
        state.SkipWithError("no generated data tree beside the benchmark (run szeptaczki-datagen build)");
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        game.Keys(frame++);
        game.form->MoveTruck();
        game.form->ShowTruck();
    }
}
BENCHMARK(BM_ForkliftFrame)->Unit(benchmark::kMicrosecond);

// A frame of the truck standing still: no key held, nothing to draw or show.
static void BM_ForkliftFrameStanding(benchmark::State& state)
{
    ForkliftBenchGame game;
    if (!game.ready) {
        state.SkipWithError("no generated data tree beside the benchmark (run szeptaczki-datagen build)");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.form->MoveTruck());
        game.form->ShowTruck();
    }
}
BENCHMARK(BM_ForkliftFrameStanding)->Unit(benchmark::kMicrosecond);

// What a frame adds on a large display: the present of the truck's old and
// new rectangles through the real SDL window, scaled to fill it, while the
// truck drives. The frame's own drawing is left out (BM_ForkliftFrame
// measures it); process CPU time.
static void BM_ForkliftFramePresentScaled(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    ForkliftBenchGame game([w, h] { return MakeWindow(w, h, true); });
    if (!game.ready) {
        state.SkipWithError("no generated data tree beside the benchmark, or no SDL window");
        return;
    }
    game.app->ProcessMessages();
    int frame = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.Keys(frame++);
        game.form->MoveTruck();
        game.form->ShowTruck();
        state.ResumeTiming();
        game.app->FlushPresents();
    }
    state.counters["screen_w"] = game.app->ScreenWidth();
    state.counters["screen_h"] = game.app->ScreenHeight();
}
BENCHMARK(BM_ForkliftFramePresentScaled)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Real time per frame is the 40 ms period; CPU time is what the frame costs,
// the rest of the period the process sleeps. The headless screen brings a
// virtual clock: the frames here wait on the real one.
static void BM_ForkliftFrameWithWait(benchmark::State& state)
{
    ForkliftBenchGame game;
    if (!game.ready) {
        state.SkipWithError("no generated data tree beside the benchmark (run szeptaczki-datagen build)");
        return;
    }
    std::unique_ptr<Clock> virtualClock = InstallClock(std::make_unique<RealClock>());
    struct Restore {
        std::unique_ptr<Clock>& clock;
        ~Restore() { InstallClock(std::move(clock)); }
    } restore{virtualClock};
    int frame = 0;
    for (auto _ : state) {
        game.Keys(frame++);
        bool done = true;
        const auto idle = game.app->OnIdle;
        idle(done);
    }
}
BENCHMARK(BM_ForkliftFrameWithWait)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();
