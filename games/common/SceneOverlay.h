// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a short animation drawn over a game's scene covers: kept before it
// draws and put back before the scene is drawn again, so that once the
// animation ends the scene is exactly what it would have been without it.
// Drawn last in a frame and put back first in the next, it leaves whatever
// else moved meanwhile to erase and draw itself as it always does.
#pragma once

#include "platform/Bitmap.h"

// The smallest rectangle covering both; an empty one counts for nothing.
TRect Covering(TRect a, TRect b);

class SceneOverlay {
public:
    // Keeps the part of rect inside scene, about to be drawn over; returns it.
    TRect Keep(const Bitmap& scene, TRect rect);
    // Puts back what Keep kept, once; returns that rectangle (empty when
    // nothing was kept).
    TRect PutBack(Bitmap& scene);
    // The scene was drawn anew as a whole: what was kept is of no use.
    void Forget() { rect_ = {}; }

private:
    Bitmap kept_;
    TRect rect_;
};
