// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop of the animated games: while it runs, every pass of the
// application's idle handler is one frame (the game's update and drawing, the
// wait for the frame boundary, then the present), and the handler asks for
// more idle time at once, so input events are handled between frames.
#pragma once

#include <functional>

#include "graphics/CSynchLoop.h"

class TApplication;

class IdleFrameLoop {
public:
    static constexpr int kFramePeriodMs = 40;

    explicit IdleFrameLoop(TApplication& app, int periodMs = kFramePeriodMs);
    ~IdleFrameLoop();
    IdleFrameLoop(const IdleFrameLoop&) = delete;
    IdleFrameLoop& operator=(const IdleFrameLoop&) = delete;

    // Takes over the application's idle handler. Each frame calls update
    // (erase, move, draw into the back buffer), waits for the end of the
    // period, then calls present (copy to the screen). Starting again
    // replaces the handlers; the first frame after a start does not wait.
    void Start(std::function<void()> update, std::function<void()> present);
    // The same with an update that tells whether it drew anything: a frame
    // that did not is still waited for, but not presented, and costs no
    // more than the update's look at the game's state.
    void StartSkippingUnchanged(std::function<bool()> update, std::function<void()> present);
    // Gives the idle handler back to whoever had it before Start. Safe to
    // call from inside update (a frame that ends the game): that frame is
    // then not presented.
    void Stop();
    bool Running() const { return running_; }
    // Frames run since the last Start, and of them those that drew nothing.
    long Frames() const { return frames_; }
    long UnchangedFrames() const { return unchangedFrames_; }

private:
    void Pass(bool& done);

    TApplication& app_;
    CSynchLoop synch_;
    std::function<bool()> update_;
    std::function<void()> present_;
    std::function<void(bool&)> previousIdle_;
    bool running_ = false;
    bool inPass_ = false;
    unsigned generation_ = 0;
    long frames_ = 0;
    long unchangedFrames_ = 0;
};
