// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL back end: one window (full screen on the desktop's display, or a
// resizable window of the design area's size, or of --screen's), SDL input turned into the program's
// own events, and presenting by writing changed rectangles, scaled where the
// window is larger than the program's screen, to the window surface. A
// script can drive it: its lines are fed as SDL input in real time.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/BorderFill.h"
#include "platform/FrameScaler.h"
#include "platform/ScaledView.h"
#include "platform/ScriptReader.h"
#include "platform/ShownScreen.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Cursor;
union SDL_Event;

struct SdlWindowOptions {
    bool windowed = false;
    int screenWidth = 0;  // 0: the desktop's size
    int screenHeight = 0;
    std::string title = "Szeptaczki Cz.VI";
    // Scale the screen up to fill a larger display; the program then runs in
    // the design area that suits the display (ChooseScaledArea).
    bool scale = false;
    // Input lines fed in real time (with their waits); "shot" reads the window.
    bool hasScript = false;
    std::string scriptText;
    std::string scriptError;  // the script cannot run: its first event says why
    // Refuse SDL's drivers without a display ("offscreen", "dummy").
    bool needVisibleWindow = false;
};

class SdlBackend final : public Backend {
public:
    // Throws std::runtime_error when SDL cannot open a window, NoDisplayError
    // when it could open only one nobody sees and that was not wanted.
    explicit SdlBackend(const SdlWindowOptions& options);
    ~SdlBackend() override;

    void Present(const TRect& rect) override;
    void Present(std::span<const TRect> rects) override;
    bool PresentsPictures() const override;
    void Present(std::span<const TRect> rects, std::span<const PictureRect> pictures) override;
    bool PollEvent(InputEvent& event) override;
    bool WaitEvent(InputEvent& event, int timeoutMs) override;
    bool PollArrivedEvent(InputEvent& event) override;
    bool IsHeadless() const override { return false; }
    void SetCursorShape(TCursor cursor) override;
    bool ConfinePointer(const TRect* rect) override;
    void WarpPointer(int x, int y) override;
    void SetTitle(const std::string& cp1250) override;
    void Raise() override;
    bool SaveDisplayedPicture(const std::filesystem::path& file) override;

    // True while input is queued that the program has not taken yet.
    bool HasPendingInput() const;
    // Puts a program input event (screen coordinates) into SDL's queue as if
    // the devices had sent it, so that a script can drive the real window.
    // Input kinds and Quit (the close request) only; false for others or
    // when SDL refuses the event.
    bool InjectInput(const InputEvent& event);

    // Where the screen appears in the window.
    const ScaledView& View() const { return view_; }

private:
    // The same with window coordinates, as a script's lines give them.
    bool InjectWindowInput(const InputEvent& event);
    // Takes the script's lines that are due: input goes into SDL's queue,
    // the other commands to the program. False when nothing was taken.
    bool FeedScript();
    // Milliseconds until the script's next line is due (-1: none).
    int ScriptDelay() const;
    // Turns one SDL event into program events (none for those of no interest).
    void Translate(const SDL_Event& e);
    // A touch screen's first finger as the left mouse button.
    void TranslateFinger(const SDL_Event& e);
    void RefreshSurface();
    // Draws a window rectangle inside the picture from the screen.
    void RenderWindowRect(const TRect& r);
    bool TakePending(InputEvent& event);

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;  // owned by the window
    bool scale_ = false;
    ScaledView view_;
    FrameScaler scaler_;
    ShownScreen shown_;  // what the scaled picture shows, to skip unchanged parts
    BorderFill borders_; // the window beside the scaled picture
    std::vector<uint8_t> staging_;    // for window surfaces of another pixel layout
    std::unique_ptr<ScriptReader> script_;
    std::deque<InputEvent> scriptLines_;
    bool scriptEnded_ = false;
    uint64_t scriptDueMs_ = 0;
    // A "wait N frames": the busy idle turn it ends at (0: none).
    int64_t scriptDueTurn_ = 0;
    std::filesystem::path startDir_;  // relative screenshot names are relative to it
    std::deque<InputEvent> pending_;
    uint32_t wakeEventType_ = 0;
    bool fingerDown_ = false;
    int64_t finger_ = 0;
    int64_t touchDevice_ = 0;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    SDL_Surface* handPicture_ = nullptr;
};
