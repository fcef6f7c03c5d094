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

    // A new game of boardCount boards: no board shown yet, "dalej" visible,
    // "wstecz" hidden.
    void Reset(int boardCount);

    // Shows the board index, clamped to the boards there are. Returns false
    // when that board is already shown (or there are no boards).
    bool MoveTo(int index);
    // "dalej" and "wstecz": set the buttons for the board arrived at, then
    // move; the result is MoveTo's.
    bool Forward();
    bool Back();

    int Current() const { return current_; }
    int Count() const { return count_; }
    bool DalejVisible() const { return dalej_; }
    bool WsteczVisible() const { return wstecz_; }

private:
    bool Step(int delta);

    int count_ = 0;
    int current_ = -1;
    bool dalej_ = true;
    bool wstecz_ = false;
};
