// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's friendly figure: a round-headed child in blue dungarees, drawn
// whole (memory game) or leaning out of the locomotive with a driver's cap.
#pragma once

#include <cairo.h>

struct UiPose {
    double leftArm = 0.3;  // radians raised from hanging down
    double rightArm = 0.3;
    double headTilt = 0;   // radians
    double bounce = 0;     // units lifted
    double smile = 0.5;    // 0 closed smile .. 1 wide open laugh
    bool blink = false;
    double look = 0;       // pupils -1 left .. 1 right
};

// Full figure designed in a 100 x 160 box, fitted into (x, y, w, h).
void DrawFigure(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose);
// Head, cap, shoulders and a waving right arm, designed in a 100 x 110 box.
void DrawDriver(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose);
// Only the head (logo, splash, rating pictures), designed in a 100 x 100 box.
void DrawFigureHead(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose, bool cap);
