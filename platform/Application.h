// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the one screen, the forms shown on it, the message
// loop (events, window timers, posted callbacks, repaints, the idle handler),
// the cursor and pointer, and the script of headless runs.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Bitmap.h"
#include "platform/ChangedRects.h"
#include "platform/Input.h"

class QuitSignals;
class TForm;

class TApplication {
public:
    explicit TApplication(std::unique_ptr<Backend> backend);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    int ScreenWidth() const { return screenWidth_; }
    int ScreenHeight() const { return screenHeight_; }
    TRect ScreenRect() const { return {0, 0, screenWidth_, screenHeight_}; }
    // The composed screen as the user sees it.
    const Bitmap& Screen() const;
    bool Headless() const { return backend_->IsHeadless(); }
    Backend& GetBackend() { return *backend_; }

    // The window title and the name the system shows for the program (cp1250).
    void SetTitle(const std::string& cp1250);
    const std::string& Title() const { return title_; }

    // Brings the program's window to the front (another copy asked for it).
    void RaiseWindow() { backend_->Raise(); }

    // The first form made is the main form unless another is chosen.
    void SetMainForm(TForm& form) { mainForm_ = &form; }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until it closes;
    // returns the exit status (0, or 3 when a script failed).
    int Run();
    // Handles the events already waiting (in a headless run the script's
    // input lines up to its next wait, shot or expect), due timers, posted
    // callbacks and repaints.
    void ProcessMessages();
    // Runs due timers, posted callbacks and repaints and shows them, but
    // leaves the input where it waits: a handler that must finish judging
    // what the child did before the next click counts calls this instead of
    // ProcessMessages, and the loop hands the input out afterwards, in order.
    void ProcessPendingWork();
    // One turn of the message loop, waiting for something to happen.
    void HandleMessage();

    // Called whenever no event is pending; while done is left false it is
    // called again as soon as nothing else is pending.
    std::function<void(bool& done)> OnIdle;

    // Ends every message loop: modal forms return mrCancel, then the main form closes.
    void Terminate(int exitCode = 0);
    // Ends the program the way its own exit does: the shown forms are asked
    // to close (TForm::RequestClose), the topmost first, each once, until the
    // main form has closed; a form asked a second time has refused, and the
    // loops are ended outright. The window manager's close request, SIGINT
    // and SIGTERM come here.
    void RequestQuit() { quitRequested_ = true; }
    bool QuitRequested() const { return quitRequested_; }
    bool Terminated() const { return terminated_; }
    int ExitCode() const { return exitCode_; }

    // The topmost shown form (what "expect form" checks), or nullptr.
    TForm* TopmostForm() const;
    // Shown forms, bottom first.
    const std::vector<TForm*>& ZOrder() const { return zorder_; }

    // The screen's cursor: crDefault lets the controls' cursors show.
    void SetCursor(TCursor cursor);
    TCursor ScreenCursor() const { return screenCursor_; }
    // The shape shown now.
    TCursor CurrentCursor() const { return shownCursor_; }
    // Keeps the pointer inside a screen rectangle (nullptr: anywhere);
    // the rule also holds for the positions the forms receive.
    void ClipCursor(const TRect* rect);
    // The confinement rectangle, or the whole screen when there is none.
    TRect GetClipCursor() const;
    // True when the platform really confines the pointer.
    bool CanConfineCursor() const { return canConfine_; }
    void SetCursorPos(int x, int y);
    TPoint CursorPos() const { return pointer_; }
    TShiftState MouseButtons() const { return buttons_; }

    // Saves the composed screen as a PNG file.
    bool SaveScreenshot(const std::filesystem::path& file) const;

    // Composes a screen rectangle from the shown forms; it reaches the display
    // with the next FlushPresents, which the message loop makes at the end of
    // every turn and before every wait or sleep. Where the rectangle shows
    // only a form's picture (a game's frame) and the display can take it
    // from there, it is shown straight from the picture, and the composed
    // screen is brought up to date only when it is read.
    void ScreenChanged(TRect screenRect);
    // Shows at once, in one present, what changed since the last one: the
    // changed rectangles, those that overlap joined.
    void FlushPresents();

private:
    friend class TForm;

    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void FormShown(TForm* form, bool compose);
    void FormHidden(TForm* form);
    void FormMoved(TForm* form, const TRect& old);
    void BeginMoveDrag(TForm* form);
    void CancelCapture();
    void ActivationChanged();

    void Step(bool mayWait);
    // Asks the topmost form to close, or ends the loops; true when it did either.
    bool ServeQuitRequest();
    void StepWithoutPresenting(bool mayWait);
    bool RunDueWork();
    void PaintPending();
    void WaitStep();
    void Dispatch(const InputEvent& event);
    void DispatchMouse(const InputEvent& event);
    void DispatchScript(const InputEvent& event);
    void FailScript(int line, const std::string& reason);
    TForm* InputFormAt(TPoint p) const;
    TForm* KeyboardForm() const;
    TPoint Confined(TPoint p) const;
    void UpdateCursor();
    void Compose(TRect rect) const;
    // The picture a screen rectangle shows and nothing else (see
    // TForm::PictureShownAt), or nullptr.
    const Bitmap* PictureOnlyAt(const TRect& rect, TPoint& origin) const;
    // Composes the rectangles shown from pictures, or yet to be.
    void CatchUpScreen() const;

    std::unique_ptr<Backend> backend_;
    int screenWidth_;
    int screenHeight_;
    std::string title_;
    std::vector<TForm*> forms_;
    std::vector<TForm*> zorder_;
    std::vector<TForm*> modalStack_;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    bool terminated_ = false;
    bool quitRequested_ = false;
    std::vector<TForm*> askedToClose_;
    std::unique_ptr<QuitSignals> quitSignals_;
    int exitCode_ = 0;
    bool idleDone_ = false;
    bool waiting_ = false;          // a script "wait" is in progress
    int64_t waitUntilMs_ = 0;

    TPoint pointer_;
    TShiftState buttons_ = 0;
    TForm* captureForm_ = nullptr;  // the form pressed: it gets the moves and the release
    TForm* hoverForm_ = nullptr;
    TForm* dragForm_ = nullptr;
    TPoint dragOffset_;
    TCursor screenCursor_ = crDefault;
    TCursor shownCursor_ = crDefault;
    bool confined_ = false;
    TRect confinement_;
    bool canConfine_ = false;
    ChangedRects unpresented_;      // the composed rectangles not yet shown
    ChangedRects pictureRects_;     // rectangles to show from a picture, not composed
    mutable ChangedRects behind_;   // shown from a picture; the composed screen is older there
};
