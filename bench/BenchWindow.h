// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real SDL window the presenting benchmarks draw into, shared by the
// platform and the game benchmarks so that they measure the same present path.
#pragma once

#include <memory>

#include "platform/sdl/SdlBackend.h"

// Without a display SDL's dummy video driver still gives a window surface.
void ChooseVideoDriver();

// A window of the given size; with scale the program's screen is the design
// area chosen for it, shown scaled up. Throws where SDL opens no window.
std::unique_ptr<SdlBackend> MakeWindow(int w, int h, bool scale = false);
