// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a child sees of an answer, for when the sound is low: a burst of stars
// where a right answer went, and a red flash of the item a wrong answer
// leaves in the child's hands. Both are drawn frame by frame over the game's
// scene and say which rectangle they changed; neither leaves a trace once
// it is over.
#pragma once

#include <string>

#include "games/common/SceneOverlay.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class TCanvas;

// A gentle shake of an item a wrong answer sends back, in the games without
// a frame loop: its sideways offset at each step, the last one back where it
// was, a step every 40 ms.
constexpr int kShakeSteps = 6;
constexpr int kShakeStepMs = 40;
constexpr int ShakeOffset(int step, int amplitude)
{
    return step + 1 >= kShakeSteps ? 0 : step % 2 == 0 ? amplitude : -amplitude;
}

class StarBurst {
public:
    static constexpr int kFrames = 16;
    static constexpr int kStars = 8;
    static constexpr int kFrameMs = 40;

    // The star of the display mode: folderAndPrefix + "gwiazdka" + "B"/"W" +
    // ".xji". Raises the loader's error when it cannot be read.
    void LoadPicture(const std::string& folderAndPrefix);

    // Stars start at centre and fly out to radius.
    void Start(TPoint centre, int radius);
    bool Active() const { return frame_ < kFrames; }
    // Puts back the scene where the last step drew (first in a frame).
    TRect Erase(Bitmap& scene) { return overlay_.PutBack(scene); }
    // Draws the next step over the scene (last in a frame); returns the
    // rectangle drawn, empty once the burst is over.
    TRect Draw(Bitmap& scene);
    // The scene was drawn anew as a whole: nothing to put back.
    void SceneRedrawn() { overlay_.Forget(); }
    // Over at once (a new game); the scene is drawn anew.
    void Stop()
    {
        frame_ = kFrames;
        overlay_.Forget();
    }
    // The whole burst on a canvas showing the scene, a step every 40 ms,
    // for the games without a frame loop; the scene is as before afterwards.
    void Play(TCanvas& canvas, Bitmap& scene);

private:
    CTransBitmap star_;
    SceneOverlay overlay_;
    TPoint centre_;
    int radius_ = 0;
    int frame_ = kFrames;
};

class RedFlash {
public:
    static constexpr int kFrames = 12;

    void Start() { frame_ = 0; }
    void Stop() { frame_ = kFrames; }
    bool Active() const { return frame_ < kFrames; }
    // Tints the item (its mask placed at (x, y)) red within clip, as it was
    // just drawn this frame, and counts the frame; the item is drawn anew
    // every frame, so nothing is kept. Returns the rectangle tinted.
    TRect Draw(Bitmap& scene, const Bitmap& mask, int x, int y, TRect clip);

private:
    int frame_ = kFrames;
};
