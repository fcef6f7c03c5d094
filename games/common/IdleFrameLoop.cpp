// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop that runs while the application is idle.
#include "games/common/IdleFrameLoop.h"

#include <utility>

#include "platform/Application.h"

IdleFrameLoop::IdleFrameLoop(TApplication& app, int periodMs) : app_(app), synch_(periodMs) {}

IdleFrameLoop::~IdleFrameLoop() { Stop(); }

void IdleFrameLoop::Start(std::function<void()> update, std::function<void()> present)
{
    StartSkippingUnchanged(
        [update = std::move(update)] {
            update();
            return true;
        },
        std::move(present));
}

void IdleFrameLoop::StartSkippingUnchanged(std::function<bool()> update, std::function<void()> present)
{
    if (!running_)
        previousIdle_ = std::move(app_.OnIdle);
    update_ = std::move(update);
    present_ = std::move(present);
    running_ = true;
    ++generation_;
    frames_ = 0;
    unchangedFrames_ = 0;
    synch_.SetPeriod(synch_.Period());
    app_.OnIdle = [this](bool& done) { Pass(done); };
}

void IdleFrameLoop::Stop()
{
    if (!running_)
        return;
    running_ = false;
    ++generation_;
    app_.OnIdle = std::move(previousIdle_);
    previousIdle_ = nullptr;
}

void IdleFrameLoop::Pass(bool& done)
{
    // A frame may show a modal form (the summary at the end of a game), whose
    // own message loop calls the idle handler again: no frame runs inside
    // another, the belt stands still under the summary.
    if (inPass_ || !running_) {
        done = true;
        return;
    }
    inPass_ = true;
    const unsigned generation = generation_;
    ++frames_;
    // The handlers may be replaced by the frame itself (a new game started
    // from the summary): keep the ones this frame runs with alive.
    const std::function<bool()> update = update_;
    const bool drawn = update();
    // Stopped or restarted during the frame: the next frame belongs to
    // whatever runs now, nothing of this one is shown.
    if (generation == generation_) {
        synch_.WaitFrame();
        const std::function<void()> present = present_;
        if (!drawn)
            ++unchangedFrames_;
        else if (present)
            present();
    }
    inPass_ = false;
    // Running: the next frame at once. Stopped: whatever idle handler was
    // given back gets its turn at once too.
    done = false;
}
