// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which board of a many-board game is shown, and the four buttons under it.
// The suction-cups and forklift games share the buttons' places and the rule
// that "wstecz" hides on the first board and "dalej" on the last.
#pragma once

#include "platform/Bitmap.h"

class CDisplay;

class BoardSwitch {
public:
    enum class Button { Wstecz, Dalej, Pomoc, Stop };

    // Top-left corner of a button in window coordinates for the display mode.
    static TPoint ButtonPosition(const CDisplay& display, Button button);

    // A new game of boardCount boards: no board shown yet, "wstecz" hidden,
    // "dalej" visible (unless there is no second board to go to).
    void Reset(int boardCount);

    // Makes the board index the shown one, clamped to the boards there are.
    // Returns false when that board is already shown (or there are none).
    bool MoveTo(int index);
    // "dalej" and "wstecz": set the buttons for the board one on or one back
    // and return its index, which the game then goes to with MoveTo.
    int Forward() { return Step(1); }
    int Back() { return Step(-1); }

    int Current() const { return current_; }
    int Count() const { return count_; }
    bool DalejVisible() const { return dalej_; }
    bool WsteczVisible() const { return wstecz_; }

private:
    int Step(int delta);

    int count_ = 0;
    int current_ = -1;
    bool dalej_ = true;
    bool wstecz_ = false;
};
