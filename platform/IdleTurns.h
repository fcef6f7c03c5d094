// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How many turns the program's busy idle handler has had: an animated
// game's frame loop takes one turn per frame. A script's "wait N frames"
// counts them, so that a script holds a key or button for the same frames
// in a real window, where slow frames fall behind the clock, as headless.
#pragma once

#include <cstdint>

int64_t BusyIdleTurns();
// The message loop, after an idle handler that asked for more time.
void NoteBusyIdleTurn();
