// Presenting frames to the window and the lateness of 40 ms frame waits.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "graphics/CSynchLoop.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"
#include "platform/sdl/SdlBackend.h"

namespace {

// Without a display the dummy video driver still gives a window surface.
void ChooseVideoDriver()
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("SDL_VIDEODRIVER", "dummy", 0);
}

std::unique_ptr<SdlBackend> MakeWindow(int w, int h)
{
    ChooseVideoDriver();
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = w;
    options.screenHeight = h;
    return std::make_unique<SdlBackend>(options);
}

void FillPattern(Bitmap& b, int seed)
{
    for (int y = 0; y < b.Height(); ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < b.Width() * 3; ++x)
            row[x] = static_cast<uint8_t>(x + y + seed);
    }
}

}  // namespace

// The whole 1280 x 1024 24-bit screen copied to the window's pixels and shown.
static void BM_PresentFullFrame(benchmark::State& state)
{
    std::unique_ptr<SdlBackend> window;
    try {
        window = MakeWindow(1280, 1024);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    FillPattern(window->Screen(), 0);
    const TRect all = window->Screen().Bounds();
    for (auto _ : state)
        window->Present(all);
    state.SetItemsProcessed(state.iterations() * all.Width() * all.Height());
}
BENCHMARK(BM_PresentFullFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// A game's frame end to end: its back buffer drawn on a paint box (into the
// form's pixels), composed into the screen and shown.
static void BM_FrameThroughPaintBox(benchmark::State& state)
{
    std::unique_ptr<TApplication> app;
    try {
        app = std::make_unique<TApplication>(MakeWindow(1280, 1024));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    TForm form(*app, "FormBench", 1280, 1024);
    TPaintBox pb(form);
    pb.SetBounds(0, 0, 1280, 1024);
    form.Show();
    Bitmap backBuffer(1280, 1024);
    FillPattern(backBuffer, 7);
    for (auto _ : state)
        pb.Canvas().Draw(0, 0, backBuffer);
    state.SetItemsProcessed(state.iterations() * 1280 * 1024);
}
BENCHMARK(BM_FrameThroughPaintBox)->Unit(benchmark::kMillisecond)->UseRealTime();

// Median and 99th percentile of how late 200 real 40 ms frames of the games'
// frame pacer end (microseconds past one period after the previous frame).
static void BM_WaitFrame40ms_Lateness(benchmark::State& state)
{
    Clock& clock = TheClock();
    std::vector<int64_t> lateness;
    for (auto _ : state) {
        lateness.clear();
        CSynchLoop loop(40);
        loop.WaitFrame();
        int64_t previous = clock.Counter();
        for (int i = 0; i < 200; ++i) {
            loop.WaitFrame();
            const int64_t now = clock.Counter();
            lateness.push_back(now - previous - 40000);
            previous = now;
        }
    }
    std::sort(lateness.begin(), lateness.end());
    state.counters["median_us"] = static_cast<double>(lateness[lateness.size() / 2]);
    state.counters["p99_us"] = static_cast<double>(lateness[lateness.size() * 99 / 100]);
    state.counters["max_us"] = static_cast<double>(lateness.back());
}
BENCHMARK(BM_WaitFrame40ms_Lateness)->Iterations(1)->Unit(benchmark::kSecond);
