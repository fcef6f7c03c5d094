// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A yardstick for what an animation costs on this display: a window of the
// screen's size that shows a whole new frame every 40 ms, either through the
// window surface or through SDL's software renderer, and nothing else. The
// program's own frame loops are compared with it, measured the same way.
//
//   szeptaczki-frame-anchor surface|renderer WIDTH HEIGHT SECONDS
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr long kPeriodNs = 40'000'000;

// Sleeps to an absolute deadline, then moves it on by one period.
void WaitForNextFrame(timespec& deadline)
{
    deadline.tv_nsec += kPeriodNs;
    if (deadline.tv_nsec >= 1'000'000'000) {
        deadline.tv_nsec -= 1'000'000'000;
        ++deadline.tv_sec;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) != 0) {
    }
}

// A frame that differs everywhere from the one before it.
void Paint(uint8_t* pixels, int pitch, int w, int h, int frame)
{
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * pitch);
        const uint32_t base = static_cast<uint32_t>((y + frame) & 0xFF) * 0x010101u;
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | (base ^ static_cast<uint32_t>(x & 0xFF));
    }
}

bool PumpEvents()
{
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0)
        if (e.type == SDL_QUIT)
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || (std::strcmp(argv[1], "surface") != 0 && std::strcmp(argv[1], "renderer") != 0)) {
        std::fprintf(stderr, "usage: %s surface|renderer WIDTH HEIGHT SECONDS\n", argv[0]);
        return 2;
    }
    const bool surface = std::strcmp(argv[1], "surface") == 0;
    const int w = std::atoi(argv[2]), h = std::atoi(argv[3]), seconds = std::atoi(argv[4]);
    // The same choice as the program's own window: the surface kept off OpenGL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("anchor", 0, 0, w, h, 0);
    if (window == nullptr) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    std::vector<uint8_t> frame;
    if (!surface) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        texture = renderer != nullptr ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                          SDL_TEXTUREACCESS_STREAMING, w, h)
                                      : nullptr;
        if (texture == nullptr) {
            std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
            return 1;
        }
    }
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const int frames = seconds * 25;
    for (int n = 0; n < frames && PumpEvents(); ++n) {
        if (surface) {
            SDL_Surface* s = SDL_GetWindowSurface(window);
            if (s == nullptr)
                break;
            if (SDL_MUSTLOCK(s))
                SDL_LockSurface(s);
            Paint(static_cast<uint8_t*>(s->pixels), s->pitch, s->w, s->h, n);
            if (SDL_MUSTLOCK(s))
                SDL_UnlockSurface(s);
            SDL_UpdateWindowSurface(window);
        } else {
            void* pixels = nullptr;
            int pitch = 0;
            if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) == 0) {
                Paint(static_cast<uint8_t*>(pixels), pitch, w, h, n);
                SDL_UnlockTexture(texture);
            }
            SDL_RenderCopy(renderer, texture, nullptr, nullptr);
            SDL_RenderPresent(renderer);
        }
        WaitForNextFrame(deadline);
    }
    if (texture != nullptr)
        SDL_DestroyTexture(texture);
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
