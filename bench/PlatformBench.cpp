// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Presenting frames to the window (the drawing of one drag move of the train
// game, whole frames, scaled frames on large screens, and the SDL renderer with
// a streaming texture that was measured as the other way to present) and the
// lateness of 40 ms frame waits. Run under an X server (Xvfb) to measure what a
// user's machine does; without one SDL's dummy driver is used.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include "bench/BenchWindow.h"
#include "graphics/CSynchLoop.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"
#include "platform/sdl/SdlBackend.h"

namespace {

void FillPattern(Bitmap& b, int seed)
{
    for (int y = 0; y < b.Height(); ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < b.Width() * 3; ++x)
            row[x] = static_cast<uint8_t>(x + y + seed);
    }
}

double ThreadCpuMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
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

// The games' frame pacer over 200 real 40 ms frames: how late each frame
// ends (microseconds past one period after the previous frame; median and
// 99th percentile) and the processor time the waiting costs per frame. Wall
// time by nature: the lateness holds only on a quiet machine.
static void BM_WaitFrame40ms_Lateness(benchmark::State& state)
{
    Clock& clock = TheClock();
    std::vector<int64_t> lateness;
    double cpuUs = 0;
    for (auto _ : state) {
        lateness.clear();
        CSynchLoop loop(40);
        loop.WaitFrame();
        int64_t previous = clock.Counter();
        const double cpuStart = ThreadCpuMicroseconds();
        for (int i = 0; i < 200; ++i) {
            loop.WaitFrame();
            const int64_t now = clock.Counter();
            lateness.push_back(now - previous - 40000);
            previous = now;
        }
        cpuUs = (ThreadCpuMicroseconds() - cpuStart) / 200;
    }
    std::sort(lateness.begin(), lateness.end());
    state.counters["median_us"] = static_cast<double>(lateness[lateness.size() / 2]);
    state.counters["p99_us"] = static_cast<double>(lateness[lateness.size() * 99 / 100]);
    state.counters["max_us"] = static_cast<double>(lateness.back());
    state.counters["cpu_us_per_frame"] = cpuUs;
}
BENCHMARK(BM_WaitFrame40ms_Lateness)->Iterations(1)->Unit(benchmark::kSecond);

// The train's picture, 180 pixels square.
constexpr int kPicture = 180;

// One drag move as the train game draws it on the window: the picture at its
// new place, the two uncovered bands from the back buffer, the wagon's front
// over it; then the end of the message loop's turn that shows them. Process
// CPU time, so that a renderer's helper threads count too.
static void BM_PresentDragMove(benchmark::State& state)
{
    std::unique_ptr<TApplication> app;
    try {
        app = std::make_unique<TApplication>(MakeWindow(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const int w = app->ScreenWidth(), h = app->ScreenHeight();
    TForm form(*app, "FormPociag", w, h);
    TPaintBox pb(form);
    pb.SetBounds(0, 0, w, h);
    Bitmap back(w, h), picture(kPicture, kPicture);
    FillPattern(back, 1);
    FillPattern(picture, 2);
    form.OnPaint = [&] { pb.Canvas().Draw(0, 0, back); };
    form.Show();
    app->ProcessMessages();
    TCanvas& canvas = pb.Canvas();
    // The picture rises out of its wagon and is carried up and to the right;
    // the wagon's front is drawn again only while the picture overlaps it.
    const TRect wagon = RectXYWH(100, 560, 220, 200);
    int x = 120, y = 560;
    for (auto _ : state) {
        const TRect old = RectXYWH(x, y, kPicture, kPicture);
        if (y <= 100) {
            x = 120;
            y = 560;
        } else {
            x += 6;
            y -= 3;
        }
        canvas.Draw(x, y, picture);
        canvas.CopyRect({old.left, std::max(old.top, y + kPicture), old.right, old.bottom}, back,
                        {old.left, std::max(old.top, y + kPicture), old.right, old.bottom});
        canvas.CopyRect({old.left, old.top, std::min(x, old.right), old.bottom}, back,
                        {old.left, old.top, std::min(x, old.right), old.bottom});
        if (RectXYWH(x, y, kPicture, kPicture).Intersect(wagon) != TRect{})
            canvas.CopyRect(wagon, back, wagon);
        app->ProcessMessages();
    }
    state.counters["screen_w"] = w;
    state.counters["screen_h"] = h;
}
BENCHMARK(BM_PresentDragMove)
    ->Args({1280, 1024})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The program's whole screen (the design area chosen for the display)
// presented scaled to fill the display, as after a new screen is shown:
// every pixel differs from the frame before.
static void BM_PresentScaled(benchmark::State& state)
{
    std::unique_ptr<SdlBackend> window;
    try {
        window = MakeWindow(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    Bitmap& screen = window->Screen();
    Bitmap frames[2] = {Bitmap(screen.Width(), screen.Height()), Bitmap(screen.Width(), screen.Height())};
    FillPattern(frames[0], 3);
    FillPattern(frames[1], 4);
    const TRect all = screen.Bounds();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        screen.CopyRect(all, frames[++n % 2], all);
        state.ResumeTiming();
        window->Present(all);
    }
    state.counters["screen_w"] = screen.Width();
    state.counters["screen_h"] = screen.Height();
}
BENCHMARK(BM_PresentScaled)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The alternative: an SDL renderer (its default, OpenGL where there is one)
// with a streaming texture of the screen; a drag move updates the texture's
// changed part and draws the whole texture scaled to the window.
static void BM_RendererDragMove(benchmark::State& state)
{
    ChooseVideoDriver();
    const int ww = static_cast<int>(state.range(0)), wh = static_cast<int>(state.range(1));
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, ww, wh, 0);
    SDL_Renderer* renderer = window != nullptr ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    const int sw = 1280, sh = 960;  // the area a 16:9 display gets
    SDL_Texture* texture = renderer != nullptr ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888,
                                                                   SDL_TEXTUREACCESS_STREAMING, sw, sh)
                                               : nullptr;
    if (texture == nullptr) {
        state.SkipWithError(SDL_GetError());
        if (window != nullptr)
            SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    state.SetLabel(info.name);
    Bitmap screen(sw, sh);
    FillPattern(screen, 4);
    const int dh = wh, dw = sw * wh / sh;
    const SDL_Rect dest{(ww - dw) / 2, 0, dw, dh};
    int x = 100;
    for (auto _ : state) {
        x = x >= 700 ? 100 : x + 6;
        const SDL_Rect changed{x - 6, 100, kPicture + 6, kPicture + 3};
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture, &changed, &pixels, &pitch) == 0) {
            SDL_ConvertPixels(changed.w, changed.h, SDL_PIXELFORMAT_BGR24, screen.ScanLine(changed.y) + changed.x * 3,
                              -screen.Stride(), SDL_PIXELFORMAT_RGB888, pixels, pitch);
            SDL_UnlockTexture(texture);
        }
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, &dest);
        SDL_RenderPresent(renderer);
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_RendererDragMove)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
