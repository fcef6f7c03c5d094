// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift truck's measures in the display mode's pixels: the design
// values of the 1280-wide layout, each converted with the rounded ratio.
#pragma once

class CDisplay;

struct ForkliftMeasures {
    int leftBodyX, leftBodyY;        // body facing left, from the fork root and the floor
    int rightBodyX, rightBodyY;      // body facing right
    int leftOverlayX, leftOverlayY;  // overlay, from the left body's top-left
    int rightOverlayX, rightOverlayY;
    int frontBodyX, frontBodyY;      // body seen from the front
    int floor;                       // the floor line F
    int topFork;                     // the highest fork height
    int reach;                       // fork root to the box's near side
    int turningPoint;
    int turnLength;
    int margin;                      // how close the truck drives before it creeps
    int tolerance;                   // how far a fork may be from a shelf and still meet it
    int lift;                        // how far a box is lifted off or lowered onto a shelf
    int step;                        // a frame's drive and lift
    int startX, startForkHeight;     // where a board's truck starts

    static ForkliftMeasures Of(const CDisplay& display);
};
