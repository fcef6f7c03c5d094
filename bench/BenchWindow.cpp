// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/BenchWindow.h"

#include <cstdlib>

void ChooseVideoDriver()
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("SDL_VIDEODRIVER", "dummy", 0);
}

std::unique_ptr<SdlBackend> MakeWindow(int w, int h, bool scale)
{
    ChooseVideoDriver();
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = w;
    options.screenHeight = h;
    options.scale = scale;
    return std::make_unique<SdlBackend>(options);
}
