// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main menu puts its pictures, buttons and tabs in the current
// display mode, and which tab a press on the tab strip hits. Pure geometry,
// kept apart from the window so it is checked for every mode.
#pragma once

#include <array>
#include <string>

#include "platform/Bitmap.h"

class CDisplay;

struct SMainMenuLayout {
    // Picture-name prefix of the tab and background pictures.
    std::string tabPrefix;
    // The tab strip (g_Menu) on the screen; its size is tab picture 1's.
    TPoint tabStrip;
    // Logo: top-left corner, and the size it is drawn at (designed for mode 16).
    TPoint logo;
    // The inside of the panel the choices stand on, on the screen: the
    // recording tab puts its own panel picture ("mNagr") there.
    TRect panel;
    // Centre x of the three captions and their tops.
    int captionCentreX = 0;
    int amountCaptionTop = 0;
    int soundCaptionTop = 0;
    int positionCaptionTop = 0;
    // Image buttons.
    TPoint about, exit, start, record, play, stop, up, down;
    // Check buttons: amounts, the 12 sounds in the order SZ, ZZ, CZ, DZZ, S,
    // Z, C, DZ, SS, ZZZ, CC, DZZZ, and positions.
    std::array<TPoint, 3> amounts;
    std::array<TPoint, 12> sounds;
    std::array<TPoint, 3> positions;
    // Prefix of the check buttons' library names ("s_" or "b_") and the
    // suffix of the captions' names ("_s" or "_b").
    std::string checkPrefix;
    std::string captionSuffix;
    // Base of the loudspeaker's picture pairs, and its margin from the corner.
    std::string speakerBase;
    int speakerMargin = 0;
};

SMainMenuLayout MainMenuLayout(const CDisplay& display);

// The tab (1..6) hit by a press at (x, y) inside the tab strip, or 0.
int TabAt(const CDisplay& display, int x, int y);
// The smallest tab-strip picture that holds every tab TabAt can hit: a
// smaller one is a damaged file.
TPoint TabStripNeeds(const CDisplay& display);

// Library names of the 12 sound check buttons, in the layout's order.
extern const std::array<const char*, 12> kSoundButtonNames;
// Their sound bits, in the same order.
extern const std::array<int, 12> kSoundButtonBits;
