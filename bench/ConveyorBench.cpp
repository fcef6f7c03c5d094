// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the conveyor game at 1280 x 1024 with a full belt: erase,
// update, draw and the copy of the moving areas to the paint box, without
// the wait for the frame boundary; and the scaled present of such a frame on
// large displays. Runs on the generated data tree beside
// the benchmark program (build/Data), in a scratch program directory so the
// statistics file of the build is left alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <memory>

#include <unistd.h>

#include "bench/BenchWindow.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/Program.h"
#include "games/conveyor/FormTasmociag.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace fs = std::filesystem;

namespace {

// A program directory whose Data and RESOURCE folders are the built ones.
bool LinkBuiltTree(const fs::path& root)
{
    std::error_code ec;
    const fs::path built = fs::canonical("/proc/self/exe", ec).parent_path();
    if (ec || !fs::exists(built / "Data" / ".generated"))
        return false;
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(built / "Data"))
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), root / "Data" / entry.path().filename());
    if (fs::exists(built / "RESOURCE"))
        fs::create_directory_symlink(built / "RESOURCE", root / "RESOURCE");
    return true;
}

// The conveyor game with a full belt on the given application's screen, its
// crane travelling to and fro; ready is false (and why says why) where the
// generated data tree is missing. The program directory, clock and platform
// services are the benchmark's own while it lives.
class ConveyorBenchGame {
public:
    explicit ConveyorBenchGame(const std::function<std::unique_ptr<TApplication>()>& makeApp, int poziom = 3)
        : root_(fs::temp_directory_path() / ("sz-conveyor-bench-" + std::to_string(::getpid()))),
          previousDir_(ProgramDir())
    {
        fs::remove_all(root_);
        if (!LinkBuiltTree(root_)) {
            why = "no generated data tree beside the benchmark (szeptaczki-datagen build)";
            return;
        }
        SetProgramDir(root_);
        previousClock_ = InstallClock(std::make_unique<VirtualClock>());
        InstallPlatformServices(true);
        services_ = true;
        try {
            app = makeApp();
        } catch (const std::exception& e) {
            why = e.what();
            return;
        }
        Application = app.get();
        SetDisplay(app->ScreenWidth(), app->ScreenHeight());
        if (!LoadGlobalFonts(Display().Mode()) || !LoadSettings()) {
            why = "the generated tree lacks fonts or settings";
            return;
        }
        slowa_ = std::make_unique<CSlowa>();
        Slowa = slowa_.get();
        stats_ = std::make_unique<CStatRec>(6, nullptr);
        StatRec = stats_.get();
        form = std::make_unique<TFormTasmociag>(*app);
        UstTasmociag.Poziom = static_cast<int16_t>(poziom);  // 3: thirty cans, the belt stays full
        form->EnoughWords();
        form->Show();
        app->ProcessMessages();
        // Until the cans cover the belt from edge to edge.
        for (int i = 0; i < 600; ++i)
            form->FrameUpdate();
        form->OnKeyDown(key_, 0);
        ready = true;
    }

    ~ConveyorBenchGame()
    {
        if (form)
            form->Close();
        form.reset();
        StatRec = nullptr;
        Slowa = nullptr;
        stats_.reset();
        slowa_.reset();
        Application = nullptr;
        app.reset();
        if (services_) {
            ReleasePlatformServices();
            InstallClock(std::move(previousClock_));
        }
        SetProgramDir(previousDir_);
        UstTasmociag = CUstGry(UstTasmociag.GameId, UstTasmociag.Name);
        fs::remove_all(root_);
    }

    // No key held from now on.
    void LetGo() { form->OnKeyUp(key_, 0); }

    // One frame's update: the crane turns round every hundred frames, so it
    // is erased and drawn too.
    void Update()
    {
        if (++frame_ % 100 == 0) {
            form->OnKeyUp(key_, 0);
            key_ = key_ == VK_LEFT ? VK_RIGHT : VK_LEFT;
            form->OnKeyDown(key_, 0);
        }
        form->FrameUpdate();
    }

    std::unique_ptr<TApplication> app;
    std::unique_ptr<TFormTasmociag> form;
    bool ready = false;
    std::string why;

private:
    fs::path root_;
    fs::path previousDir_;
    std::unique_ptr<Clock> previousClock_;
    bool services_ = false;
    std::unique_ptr<CSlowa> slowa_;
    std::unique_ptr<CStatRec> stats_;
    int frame_ = 0;
    int key_ = VK_LEFT;
};

std::unique_ptr<TApplication> Headless1280x1024()
{
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = 1280;
    options.screenHeight = 1024;
    options.scriptText = "# no input\n";
    return CreateApplication(options);
}

void BM_ConveyorFrame(benchmark::State& state)
{
    ConveyorBenchGame game(Headless1280x1024);
    if (!game.ready) {
        state.SkipWithError(game.why.c_str());
        return;
    }
    for (auto _ : state) {
        game.Update();
        game.form->FramePresent();
    }
    state.counters["cans"] = game.form->Belt().Count();
}

// A frame in which nothing moves: an empty belt (a game without cans, over
// and closed) and the crane at rest. It looks at the game's state and draws
// and shows nothing.
void BM_ConveyorFrameStill(benchmark::State& state)
{
    ConveyorBenchGame game(Headless1280x1024, 0);
    if (!game.ready) {
        state.SkipWithError(game.why.c_str());
        return;
    }
    game.LetGo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.form->FrameUpdate());
        game.form->FramePresent();
    }
}

// What a frame adds on a large display: the present of the frame's changed
// rectangles (cans and crane) through the real SDL window, scaled to fill it. The frame's
// own drawing is left out (BM_ConveyorFrame measures it); process CPU time.
void BM_ConveyorFramePresentScaled(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    ConveyorBenchGame game([w, h] { return std::make_unique<TApplication>(MakeWindow(w, h, true)); });
    if (!game.ready) {
        state.SkipWithError(game.why.c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        game.Update();
        game.form->FramePresent();
        state.ResumeTiming();
        game.app->FlushPresents();
    }
    state.counters["screen_w"] = game.app->ScreenWidth();
    state.counters["screen_h"] = game.app->ScreenHeight();
}

}  // namespace

BENCHMARK(BM_ConveyorFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConveyorFrameStill)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConveyorFramePresentScaled)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
