// The SDL back end: one window (full screen on the desktop's display, or a
// window of the screen size), SDL input turned into the program's own
// events, and presenting by copying changed rectangles to the window surface.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/Backend.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Cursor;
union SDL_Event;

struct SdlWindowOptions {
    bool windowed = false;
    int screenWidth = 0;  // 0: the desktop's size
    int screenHeight = 0;
    std::string title = "Szeptaczki Cz.VI";
};

class SdlBackend final : public Backend {
public:
    // Throws std::runtime_error when SDL cannot open a window.
    explicit SdlBackend(const SdlWindowOptions& options);
    ~SdlBackend() override;

    void Present(const TRect& rect) override;
    bool PollEvent(InputEvent& event) override;
    bool WaitEvent(InputEvent& event, int timeoutMs) override;
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
    // Input kinds only; false for others or when SDL refuses the event.
    bool InjectInput(const InputEvent& event);

private:
    // Turns one SDL event into program events (none for those of no interest).
    void Translate(const SDL_Event& e);
    void RefreshSurface();
    bool TakePending(InputEvent& event);

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;  // owned by the window
    TPoint offset_;                   // where the screen starts in the window
    std::deque<InputEvent> pending_;
    uint32_t wakeEventType_ = 0;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    SDL_Surface* handPicture_ = nullptr;
};
