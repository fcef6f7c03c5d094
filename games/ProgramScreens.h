// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The screens above the core that the program makes at start-up, in their
// order: the games, then the about screen and the voice screen. Adding a game
// touches this list.
#pragma once

#include <vector>

#include "core/Program.h"

std::vector<ScreenMaker> ProgramScreens();
