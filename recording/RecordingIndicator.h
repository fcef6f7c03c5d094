// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sign on the recording tab that a recording runs: a red dot that blinks
// every half second and the time recorded so far ("0:07"), drawn in a
// rectangle of the tab beside its buttons and wiped when the recording ends.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Clock.h"

class TCanvas;

class RecordingIndicator {
public:
    static constexpr int kBlinkMs = 500;

    // target: the menu's window canvas; background: the clean scene under
    // the sign in the same coordinates (it must outlive the sign).
    RecordingIndicator(TCanvas& target, const Bitmap& background);

    // Where the sign goes; it does not move while it is shown.
    void SetPlace(TRect area);
    TRect Place() const { return area_; }

    // Starts counting from now and shows the dot and "0:00".
    void Start();
    // Puts the background back under the sign.
    void Stop();
    bool Running() const { return running_; }

    // Whole seconds since Start, and whether the dot shows now.
    int Seconds() const;
    bool DotShown() const;
    // "m:ss" of the seconds recorded.
    static std::string TimeText(int seconds);

    // Draws the sign as it stands now (a repaint of the menu calls it).
    void Draw();

private:
    TCanvas* target_;
    const Bitmap* background_;
    TRect area_;
    bool running_ = false;
    int64_t startMs_ = 0;
    Timer timer_;
};
