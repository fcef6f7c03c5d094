// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's screen appears in a window of another size: scaled to
// fill as much of the window as its proportions allow and centred, with black
// borders, and the pointer positions mapped between the two. Pure arithmetic,
// shared by the SDL and the headless back end.
#pragma once

#include "platform/Bitmap.h"

struct TSize {
    int width = 0;
    int height = 0;
    bool operator==(const TSize&) const = default;
};

// The design area the program is given on a screen whose picture is scaled up:
// of the areas the program has pictures for (800 x 600, 1024 x 768,
// 1280 x 960, 1280 x 1024) those that fit on the screen, the widest, and of
// the two 1280 wide ones the one whose proportions are nearer the screen's
// (1280 x 1024 on a tie). A screen smaller than every area keeps its own size.
TSize ChooseScaledArea(TSize screen);

class ScaledView {
public:
    ScaledView() = default;
    // The screen (the program's pixels) shown in a window: scaled to fit when
    // scale is set, otherwise centred at its own size (and cut where the
    // window is smaller).
    ScaledView(TSize screen, TSize window, bool scale);

    TSize Screen() const { return screen_; }
    TSize Window() const { return window_; }
    // Where the screen's picture lies in the window (window pixels).
    TRect Picture() const { return picture_; }
    // True when a screen pixel is not one window pixel.
    bool Scaled() const { return picture_.Width() != screen_.width || picture_.Height() != screen_.height; }

    // The screen pixel under a window pixel; window pixels in the borders
    // give positions outside the screen, as they would without scaling.
    TPoint ToScreen(TPoint window) const;
    // The window pixel in the middle of the ones showing a screen pixel; it
    // maps back to the same screen pixel.
    TPoint ToWindow(TPoint screen) const;
    // The window pixels that map into a screen rectangle (cursor confinement).
    TRect ToWindow(const TRect& screen) const;
    // The window pixels whose smoothed colour depends on a screen rectangle:
    // its mapped rectangle widened by the one neighbour each side that
    // linear filtering reads, kept inside the picture.
    TRect AffectedBy(const TRect& screen) const;

private:
    int SpanStartX(int x) const;
    int SpanStartY(int y) const;

    TSize screen_;
    TSize window_;
    TRect picture_;
};
