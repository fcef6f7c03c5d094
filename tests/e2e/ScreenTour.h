// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scripts that visit the screens of the program headless, written from the
// main menu's layout so that they fit every display mode. A game is reached
// through its tab's start button, whatever game the tab holds: the tour
// tolerates a game screen, the "too few words" message or nothing at all, so
// games added to the program are visited without a change here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

constexpr int kMenuTabCount = 6;  // five games and the recordings
constexpr int kGameTabCount = 5;

struct ScreenSize {
    int width;
    int height;
    std::string Argument() const { return std::to_string(width) + "x" + std::to_string(height); }
};
extern const std::vector<ScreenSize> kDisplayModes;  // 800x600 ... 1280x1024

// A point inside tab 1..6 of the menu's tab strip.
TPoint TabPoint(const ScreenSize& screen, int tab);

std::string Click(TPoint p);
// The message box's stop button, the box centred on the screen.
TPoint MessageBoxStop(const ScreenSize& screen);

// Every tab of the menu, the recording tab's buttons, the about screen; then
// the menu's exit (Escape).
std::string MenuTour(const ScreenSize& screen);

// Opens the tab's game with its start button, lets it run for a while with
// the given input, then closes the window: a game that runs is stopped and
// recorded, its summary closed, the program ends.
std::string GameTour(const ScreenSize& screen, int tab, const std::string& play = "wait 2500\n");

// Random input over the whole screen: clicks of both buttons, drags, keys
// (now and then Escape), waits. The same seed gives the same script.
std::string RandomInput(const ScreenSize& screen, uint64_t seed, int events);
