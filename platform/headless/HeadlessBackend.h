// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The headless back end: an in-memory screen, input from a script, the
// virtual clock, no sound and message boxes on standard error. Tests and
// scripted runs use it; everything above it runs unchanged.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/FrameScaler.h"
#include "platform/ScaledView.h"
#include "platform/ScriptReader.h"

class Clock;
class MessageBoxes;
class SoundPlayer;

class HeadlessBackend final : public Backend {
public:
    // Installs a virtual clock (unless one is installed already), a silent
    // sound player and standard-error message boxes; the destructor puts the
    // previous ones back. With scale the display has the given size and the
    // program's screen is the design area that suits it (ChooseScaledArea),
    // shown scaled up: the script's positions are display pixels and its
    // screenshots show the display.
    HeadlessBackend(int width, int height, std::string scriptText, bool scale = false);
    ~HeadlessBackend() override;

    void Present(const TRect& rect) override;
    void Present(std::span<const TRect> rects) override;
    bool PollEvent(InputEvent& event) override;
    bool WaitEvent(InputEvent& event, int timeoutMs) override;
    bool PollArrivedEvent(InputEvent& event) override;
    bool IsHeadless() const override { return true; }
    void SetCursorShape(TCursor cursor) override { cursor_ = cursor; }
    bool ConfinePointer(const TRect* rect) override;
    void WarpPointer(int x, int y) override;
    void SetTitle(const std::string& cp1250) override { title_ = cp1250; }
    void Raise() override {}
    bool SaveDisplayedPicture(const std::filesystem::path& file) override;

    // The script cannot run at all: the first event reports why (line 0).
    void FailAtStart(const std::string& reason);

    TCursor Cursor() const { return cursor_; }
    int PresentCount() const { return presents_; }
    TPoint WarpedTo() const { return warpedTo_; }
    const ScaledView& View() const { return view_; }

private:
    ScriptReader script_;
    ScaledView view_;
    std::deque<InputEvent> pending_;
    bool ended_ = false;
    TCursor cursor_ = crDefault;
    int presents_ = 0;
    TPoint warpedTo_;
    std::string title_;
    std::filesystem::path startDir_;  // relative screenshot names are relative to it
    std::unique_ptr<Clock> previousClock_;
    bool installedClock_ = false;
    std::unique_ptr<SoundPlayer> previousSound_;
    std::unique_ptr<MessageBoxes> previousBoxes_;
};
