// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the desktop recognises the program's window: its class, which is the
// desktop entry's id (so that a dock groups the window with its launcher),
// and its icon.
#pragma once

struct SDL_Window;

// Names the class of the windows SDL makes from now on; call it before SDL's
// video starts. A class the environment already names is kept.
void SetDesktopClass();

// Gives the window the program's icon where the build or the installation
// has one; without it the window keeps the desktop's default icon.
void SetDesktopIcon(SDL_Window* window);
