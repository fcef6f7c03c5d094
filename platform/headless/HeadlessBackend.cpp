// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The headless back end: script events in, pixels kept in memory.
#include "platform/headless/HeadlessBackend.h"

#include "platform/BorderFill.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PngWriter.h"
#include "platform/SoundPlayer.h"

HeadlessBackend::HeadlessBackend(int width, int height, std::string scriptText, bool scale)
    : script_(std::move(scriptText))
{
    // Start-up may change the working directory to the program's; the
    // script's file names keep meaning what they meant where it was started.
    std::error_code ec;
    startDir_ = std::filesystem::current_path(ec);
    const TSize display{width > 0 ? width : 1024, height > 0 ? height : 768};
    const TSize area = scale ? ChooseScaledArea(display) : display;
    screen_ = Bitmap(area.width, area.height, PixelFormat::Bgr24);
    view_ = ScaledView(area, display, scale);
    if (!TheClock().IsVirtual()) {
        previousClock_ = InstallClock(std::make_unique<VirtualClock>());
        installedClock_ = true;
    }
    previousSound_ = InstallSoundPlayer(std::make_unique<SilentSoundPlayer>());
    previousBoxes_ = InstallMessageBoxes(std::make_unique<StderrMessageBoxes>());
}

HeadlessBackend::~HeadlessBackend()
{
    InstallMessageBoxes(std::move(previousBoxes_));
    InstallSoundPlayer(std::move(previousSound_));
    if (installedClock_)
        InstallClock(std::move(previousClock_));
}

void HeadlessBackend::FailAtStart(const std::string& reason)
{
    InputEvent e;
    e.kind = InputKind::ScriptError;
    e.text = reason;
    pending_.push_front(e);
    ended_ = true;
}

void HeadlessBackend::Present(const TRect&)
{
    ++presents_;
}

void HeadlessBackend::Present(std::span<const TRect>)
{
    ++presents_;
}

bool HeadlessBackend::PollEvent(InputEvent& event)
{
    if (pending_.empty() && !ended_)
        script_.ReadNext(pending_);
    if (pending_.empty())
        return false;
    event = pending_.front();
    pending_.pop_front();
    if (event.kind == InputKind::MouseMove || event.kind == InputKind::MouseDown || event.kind == InputKind::MouseUp) {
        const TPoint p = view_.ToScreen({event.x, event.y});
        event.x = p.x;
        event.y = p.y;
    }
    if (event.kind == InputKind::ScriptShot && std::filesystem::path(event.text).is_relative() && !startDir_.empty())
        event.text = (startDir_ / event.text).string();
    if (event.kind == InputKind::ScriptEnd || event.kind == InputKind::ScriptError)
        ended_ = event.kind == InputKind::ScriptEnd || ended_;
    return true;
}

bool HeadlessBackend::WaitEvent(InputEvent& event, int)
{
    return PollEvent(event);
}

bool HeadlessBackend::PollArrivedEvent(InputEvent& event)
{
    // Program time stands still between a script's waits: its input lines
    // before the next wait have all arrived. Its observations (shot, expect)
    // and its end belong to the message loop, in their order.
    if (pending_.empty() && !ended_)
        script_.ReadNext(pending_);
    if (pending_.empty() || IsScriptCommand(pending_.front().kind))
        return false;
    return PollEvent(event);
}

bool HeadlessBackend::ConfinePointer(const TRect*)
{
    // The application enforces the rectangle on the positions it hands out.
    return true;
}

void HeadlessBackend::WarpPointer(int x, int y)
{
    warpedTo_ = {x, y};
}

bool HeadlessBackend::SaveDisplayedPicture(const std::filesystem::path& file)
{
    if (view_.Window() == view_.Screen())
        return SavePng(screen_, file);
    // The display as a window would show it: the picture scaled, the borders
    // beside it filled (black when the picture is not scaled).
    Bitmap shown(view_.Window().width, view_.Window().height, PixelFormat::Bgrx32);
    const PixelTarget target{shown.ScanLine(0), -static_cast<std::ptrdiff_t>(shown.Stride())};
    FrameScaler scaler;
    scaler.Render(screen_, view_, view_.Picture(), target);
    BorderFill().Draw(screen_, view_, target);
    return SavePng(shown, file);
}
