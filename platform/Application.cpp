// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The message loop shared by Run, ShowModal and ProcessMessages, the routing
// of input to forms, the composition of the screen and the script commands
// that are not input.
#include "platform/Application.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/SleepHook.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/IdleTurns.h"
#include "platform/MainThread.h"
#include "platform/PngWriter.h"
#include "platform/QuitSignals.h"
#include "platform/Text.h"

namespace {

TShiftState ButtonBit(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft: return ssLeft;
    case TMouseButton::mbRight: return ssRight;
    case TMouseButton::mbMiddle: return ssMiddle;
    }
    return 0;
}

constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;

// A script's "wait N frames" in a headless run: the idle turn that ends it
// (the program has one application).
bool gFramesWait = false;
int64_t gWaitUntilTurn = 0;

}  // namespace

TApplication::TApplication(std::unique_ptr<Backend> backend)
    : backend_(std::move(backend)),
      screenWidth_(backend_->Screen().Width()),
      screenHeight_(backend_->Screen().Height())
{
    canConfine_ = backend_->ConfinePointer(nullptr);
    pointer_ = {screenWidth_ / 2, screenHeight_ / 2};
    quitSignals_ = std::make_unique<QuitSignals>();
    // Animations sleep between their steps: each step must be seen first.
    SetBeforeSleep([this] { FlushPresents(); });
}

TApplication::~TApplication()
{
    SetBeforeSleep({});
    // Forms should go first; one that outlives the application must not reach back into it.
    for (TForm* f : forms_)
        f->app_ = nullptr;
}

void TApplication::SetTitle(const std::string& cp1250)
{
    title_ = cp1250;
    backend_->SetTitle(cp1250);
}

int TApplication::Run()
{
    if (mainForm_ != nullptr && !mainForm_->Visible() && !terminated_)
        mainForm_->Show();
    while (!terminated_ && mainForm_ != nullptr && mainForm_->Visible())
        HandleMessage();
    FlushPresents();
    // A script that ran out, or a failed one, ends the program as the user would: by closing the main form.
    if (mainForm_ != nullptr && mainForm_->Visible())
        mainForm_->Close();
    return exitCode_;
}

void TApplication::HandleMessage()
{
    Step(true);
}

void TApplication::ProcessMessages()
{
    RunDueWork();
    PaintPending();
    InputEvent event;
    // Only what is queued now: events arriving meanwhile wait for the next call.
    for (int handled = 0; handled < 1000 && !terminated_ && backend_->PollArrivedEvent(event); ++handled) {
        Dispatch(event);
        RunDueWork();
    }
    PaintPending();
    FlushPresents();
}

void TApplication::ProcessPendingWork()
{
    RunDueWork();
    PaintPending();
    FlushPresents();
}

bool TApplication::RunDueWork()
{
    bool any = RunPostedCallbacks() > 0;
    any = FireDueTimers() > 0 || any;
    if (any)
        idleDone_ = false;
    return any;
}

void TApplication::PaintPending()
{
    const std::vector<TForm*> forms = zorder_;
    for (TForm* f : forms)
        if (std::find(zorder_.begin(), zorder_.end(), f) != zorder_.end())
            f->PaintPending();
}

void TApplication::Step(bool mayWait)
{
    // Everything drawn while this turn ran is shown once, when it ends.
    StepWithoutPresenting(mayWait);
    FlushPresents();
}

void TApplication::StepWithoutPresenting(bool mayWait)
{
    RunDueWork();
    PaintPending();
    if (QuitSignals::TakePending())
        RequestQuit();
    // A form asked to close has set its result, or shown its summary and
    // closed it again: the loop that called this turn must look at once, not
    // after the next input.
    if (ServeQuitRequest() || terminated_)
        return;
    if (waiting_) {
        WaitStep();
        return;
    }
    InputEvent event;
    if (backend_->PollEvent(event)) {
        Dispatch(event);
        idleDone_ = false;
        return;
    }
    if (OnIdle && !idleDone_) {
        bool done = true;
        // A copy runs: the handler may hand the idle time to another one.
        const std::function<void(bool&)> idle = OnIdle;
        idle(done);
        idleDone_ = done;
        if (!done)
            NoteBusyIdleTurn();
        return;
    }
    if (!mayWait || HasPostedCallbacks())
        return;
    const int64_t next = MillisecondsToNextTimer();
    if (next == 0)
        return;
    const int timeout = next < 0 ? -1 : static_cast<int>(std::min<int64_t>(next, INT_MAX));
    FlushPresents();
    if (backend_->WaitEvent(event, timeout)) {
        Dispatch(event);
        idleDone_ = false;
    }
}

void TApplication::WaitStep()
{
    // Program time passes in steps: idle frames that wait for their frame
    // move the clock themselves; otherwise time jumps to the next timer.
    Clock& clock = TheClock();
    const int64_t now = clock.Milliseconds();
    if (now >= waitUntilMs_ || (gFramesWait && BusyIdleTurns() >= gWaitUntilTurn)) {
        waiting_ = false;
        return;
    }
    if (OnIdle && !idleDone_) {
        bool done = true;
        const std::function<void(bool&)> idle = OnIdle;
        idle(done);
        idleDone_ = done;
        if (!done)
            NoteBusyIdleTurn();
        if (clock.Milliseconds() > now || gFramesWait)
            return;
    }
    if (gFramesWait) {
        // No frame loop runs: no frame will come.
        waiting_ = false;
        return;
    }
    int64_t step = waitUntilMs_ - now;
    const int64_t next = MillisecondsToNextTimer();
    if (next >= 0)
        step = std::min(step, std::max<int64_t>(next, 1));
    clock.Sleep(static_cast<int>(std::min<int64_t>(step, INT_MAX)));
}

bool TApplication::ServeQuitRequest()
{
    if (!quitRequested_ || terminated_)
        return false;
    TForm* target = !modalStack_.empty() ? modalStack_.back() : mainForm_;
    if (target == nullptr || !target->Visible()) {
        Terminate(0);
        return true;
    }
    if (std::find(askedToClose_.begin(), askedToClose_.end(), target) != askedToClose_.end()) {
        Terminate(0);
        return true;
    }
    askedToClose_.push_back(target);
    // The form's answer may show other forms modally (a game's summary);
    // their own loops serve the request in turn.
    target->RequestClose();
    return true;
}

void TApplication::Terminate(int exitCode)
{
    if (!terminated_) {
        terminated_ = true;
        exitCode_ = exitCode;
    } else if (exitCode_ == 0) {
        exitCode_ = exitCode;
    }
}

TForm* TApplication::TopmostForm() const
{
    return zorder_.empty() ? nullptr : zorder_.back();
}

TForm* TApplication::KeyboardForm() const
{
    return TopmostForm();
}

TForm* TApplication::InputFormAt(TPoint p) const
{
    // Forms under a modal form take no input, as disabled windows do not.
    std::size_t lowest = 0;
    if (!modalStack_.empty()) {
        const auto it = std::find(zorder_.begin(), zorder_.end(), modalStack_.back());
        if (it != zorder_.end())
            lowest = static_cast<std::size_t>(it - zorder_.begin());
    }
    for (std::size_t i = zorder_.size(); i > lowest; --i)
        if (zorder_[i - 1]->HitTest(p.x, p.y))
            return zorder_[i - 1];
    return nullptr;
}

void TApplication::Dispatch(const InputEvent& event)
{
    switch (event.kind) {
    case InputKind::MouseMove:
    case InputKind::MouseDown:
    case InputKind::MouseUp:
        DispatchMouse(event);
        break;
    case InputKind::Wheel:
        if (TForm* f = KeyboardForm())
            f->MouseWheel((event.shift & ~kButtons) | buttons_, event.amount, pointer_.x - f->Left(),
                          pointer_.y - f->Top());
        break;
    case InputKind::KeyDown:
        if (TForm* f = KeyboardForm())
            f->KeyDown(event.key, (event.shift & ~kButtons) | buttons_);
        break;
    case InputKind::KeyUp:
        if (TForm* f = KeyboardForm())
            f->KeyUp(event.key, (event.shift & ~kButtons) | buttons_);
        break;
    case InputKind::Char:
        if (TForm* f = KeyboardForm())
            f->KeyPress(static_cast<char>(event.key));
        break;
    case InputKind::Quit:
        RequestQuit();
        break;
    case InputKind::Expose:
        CatchUpScreen();
        unpresented_.Clear();
        unpresented_.Add(ScreenRect());
        break;
    case InputKind::Wake:
        break;
    case InputKind::ScriptWait:
    case InputKind::ScriptShot:
    case InputKind::ScriptExpect:
    case InputKind::ScriptEnd:
    case InputKind::ScriptError:
        DispatchScript(event);
        break;
    }
}

void TApplication::DispatchMouse(const InputEvent& event)
{
    const TPoint p = Confined({event.x, event.y});
    if (event.kind != InputKind::MouseMove && !(p == pointer_)) {
        // A press or release elsewhere implies the pointer went there first.
        InputEvent move = event;
        move.kind = InputKind::MouseMove;
        DispatchMouse(move);
    }
    pointer_ = p;
    if (event.kind == InputKind::MouseDown)
        buttons_ |= ButtonBit(event.button);
    else if (event.kind == InputKind::MouseUp)
        buttons_ &= ~ButtonBit(event.button);
    const TShiftState shift = (event.shift & ~kButtons) | buttons_;

    if (dragForm_ != nullptr) {
        if (event.kind == InputKind::MouseMove)
            dragForm_->SetPosition(p.x - dragOffset_.x, p.y - dragOffset_.y);
        if ((buttons_ & ssLeft) == 0)
            dragForm_ = nullptr;
        return;
    }

    TForm* under = InputFormAt(p);
    TForm* hover = captureForm_ != nullptr ? captureForm_ : under;
    if (hover != hoverForm_) {
        if (hoverForm_ != nullptr)
            hoverForm_->PointerLeft();
        hoverForm_ = hover;
    }
    if (event.kind == InputKind::MouseDown && captureForm_ == nullptr)
        captureForm_ = under;
    TForm* target = captureForm_ != nullptr ? captureForm_ : under;
    // The capture ends before the release is handled: its click may open a
    // modal form whose loop must route the next events afresh.
    if (event.kind == InputKind::MouseUp && (buttons_ & kButtons) == 0)
        captureForm_ = nullptr;
    if (target != nullptr) {
        const int x = p.x - target->Left(), y = p.y - target->Top();
        switch (event.kind) {
        case InputKind::MouseDown: target->MouseDown(event.button, shift, x, y); break;
        case InputKind::MouseUp: target->MouseUp(event.button, shift, x, y); break;
        default: target->MouseMove(shift, x, y); break;
        }
    }
    UpdateCursor();
}

void TApplication::DispatchScript(const InputEvent& event)
{
    switch (event.kind) {
    case InputKind::ScriptWait:
        waiting_ = true;
        gFramesWait = event.text == "frames";
        waitUntilMs_ = gFramesWait ? INT64_MAX : TheClock().Milliseconds() + event.amount;
        gWaitUntilTurn = BusyIdleTurns() + event.amount;
        break;
    case InputKind::ScriptShot:
        PaintPending();
        FlushPresents();
        // What the display shows: on a larger screen the scaled picture.
        if (!backend_->SaveDisplayedPicture(event.text))
            FailScript(event.line, "cannot write the screenshot " + event.text);
        break;
    case InputKind::ScriptExpect: {
        const TForm* top = TopmostForm();
        if (top == nullptr || top->Name() != event.text)
            FailScript(event.line, "expected form " + event.text + ", the topmost form is " +
                                       (top == nullptr ? std::string("(none)") : top->Name()));
        break;
    }
    case InputKind::ScriptEnd:
        Terminate(0);
        break;
    case InputKind::ScriptError:
        FailScript(event.line, event.text);
        break;
    default:
        break;
    }
}

void TApplication::FailScript(int line, const std::string& reason)
{
    std::fprintf(stderr, "script line %d: %s\n", line, reason.c_str());
    std::fflush(stderr);
    Terminate(3);
}

TPoint TApplication::Confined(TPoint p) const
{
    if (!confined_)
        return p;
    return {std::clamp(p.x, confinement_.left, std::max(confinement_.left, confinement_.right - 1)),
            std::clamp(p.y, confinement_.top, std::max(confinement_.top, confinement_.bottom - 1))};
}

void TApplication::SetCursor(TCursor cursor)
{
    screenCursor_ = cursor;
    UpdateCursor();
}

void TApplication::UpdateCursor()
{
    TCursor cursor = screenCursor_;
    if (cursor == crDefault && hoverForm_ != nullptr) {
        const TControl* control = hoverForm_->HoverControl();
        cursor = control != nullptr ? control->Cursor : crDefault;
        if (cursor == crDefault)
            cursor = hoverForm_->Cursor;
    }
    if (cursor != shownCursor_) {
        shownCursor_ = cursor;
        backend_->SetCursorShape(cursor);
    }
}

void TApplication::ClipCursor(const TRect* rect)
{
    if (rect == nullptr) {
        confined_ = false;
        canConfine_ = backend_->ConfinePointer(nullptr);
        return;
    }
    // Like the system call: the rectangle is kept on the screen, and a
    // degenerate one still holds the pointer at its corner.
    TRect r = rect->Intersect(ScreenRect());
    if (r.IsEmpty()) {
        const int x = std::clamp(rect->left, 0, std::max(screenWidth_ - 1, 0));
        const int y = std::clamp(rect->top, 0, std::max(screenHeight_ - 1, 0));
        r = RectXYWH(x, y, 1, 1);
    }
    confined_ = true;
    confinement_ = r;
    canConfine_ = backend_->ConfinePointer(&confinement_);
    const TPoint inside = Confined(pointer_);
    if (!(inside == pointer_)) {
        pointer_ = inside;
        backend_->WarpPointer(inside.x, inside.y);
    }
}

TRect TApplication::GetClipCursor() const
{
    return confined_ ? confinement_ : ScreenRect();
}

void TApplication::SetCursorPos(int x, int y)
{
    pointer_ = Confined({x, y});
    backend_->WarpPointer(pointer_.x, pointer_.y);
}

const Bitmap& TApplication::Screen() const
{
    CatchUpScreen();
    return backend_->Screen();
}

bool TApplication::SaveScreenshot(const std::filesystem::path& file) const
{
    return SavePng(Screen(), file);
}

void TApplication::ScreenChanged(TRect screenRect)
{
    const TRect r = screenRect.Intersect(ScreenRect());
    if (r.IsEmpty())
        return;
    TPoint origin;
    if (backend_->PresentsPictures() && PictureOnlyAt(r, origin) != nullptr) {
        pictureRects_.Add(r);
        return;
    }
    Compose(r);
    unpresented_.Add(r);
}

void TApplication::FlushPresents()
{
    if (unpresented_.Empty() && pictureRects_.Empty())
        return;
    // Cleared first: a present may lead back here.
    const ChangedRects rects = unpresented_;
    const ChangedRects pictureRects = pictureRects_;
    unpresented_.Clear();
    pictureRects_.Clear();
    if (pictureRects.Empty()) {
        backend_->Present(rects.Rects());
        return;
    }
    // Asked again: what is over the picture may have changed since. The
    // pictures are shown after the composed rectangles, so that where both
    // hold a pixel, the picture's newer one stays.
    std::vector<TRect> composed(rects.Rects().begin(), rects.Rects().end());
    std::vector<Backend::PictureRect> pictures;
    const bool direct = backend_->PresentsPictures();
    for (const TRect& r : pictureRects.Rects()) {
        TPoint origin;
        const Bitmap* picture = direct ? PictureOnlyAt(r, origin) : nullptr;
        if (picture != nullptr) {
            pictures.push_back({r, picture, origin});
            behind_.Add(r);
        } else {
            Compose(r);
            composed.push_back(r);
        }
    }
    backend_->Present(composed, pictures);
}

const Bitmap* TApplication::PictureOnlyAt(const TRect& rect, TPoint& origin) const
{
    for (std::size_t i = zorder_.size(); i > 0; --i) {
        const TForm* f = zorder_[i - 1];
        const TRect part = f->BoundsRect().Intersect(rect);
        if (part.IsEmpty())
            continue;
        if (!f->Region().IsWhole() || part != rect)
            return nullptr;
        return f->PictureShownAt(rect, origin);
    }
    return nullptr;
}

void TApplication::CatchUpScreen() const
{
    for (const TRect& r : behind_.Rects())
        Compose(r);
    behind_.Clear();
    // Still to be shown from their pictures, but read now.
    for (const TRect& r : pictureRects_.Rects())
        Compose(r);
}

void TApplication::Compose(TRect rect) const
{
    Bitmap& screen = backend_->Screen();
    // Start from the topmost plain form that covers the whole rectangle.
    std::size_t first = 0;
    bool covered = false;
    for (std::size_t i = zorder_.size(); i > 0; --i) {
        const TForm* f = zorder_[i - 1];
        if (f->Region().IsWhole() && f->BoundsRect().Intersect(rect) == rect) {
            first = i - 1;
            covered = true;
            break;
        }
    }
    if (!covered)
        screen.FillRect(rect, clBlack);
    for (std::size_t i = first; i < zorder_.size(); ++i) {
        TForm* f = zorder_[i];
        const TRect part = f->BoundsRect().Intersect(rect);
        if (part.IsEmpty())
            continue;
        if (f->Region().IsWhole()) {
            f->ComposeInto(screen, part);
            continue;
        }
        for (int y = part.top; y < part.bottom; ++y) {
            const auto span = f->Region().Span(y - f->Top());
            const int x0 = std::max(part.left, span.first + f->Left());
            const int x1 = std::min(part.right, span.second + f->Left());
            if (x1 > x0)
                f->ComposeInto(screen, {x0, y, x1, y + 1});
        }
    }
}

void TApplication::AddForm(TForm* form)
{
    forms_.push_back(form);
    if (mainForm_ == nullptr)
        mainForm_ = form;
}

void TApplication::RemoveForm(TForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    zorder_.erase(std::remove(zorder_.begin(), zorder_.end(), form), zorder_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
    askedToClose_.erase(std::remove(askedToClose_.begin(), askedToClose_.end(), form), askedToClose_.end());
    for (TForm** p : {&mainForm_, &activeForm_, &captureForm_, &hoverForm_, &dragForm_})
        if (*p == form)
            *p = nullptr;
}

void TApplication::FormShown(TForm* form, bool compose)
{
    const bool wasTop = TopmostForm() == form;
    zorder_.erase(std::remove(zorder_.begin(), zorder_.end(), form), zorder_.end());
    zorder_.push_back(form);
    // A form being shown is painted (and activated) by Show itself.
    if (compose && !wasTop) {
        ScreenChanged(form->BoundsRect());
        ActivationChanged();
    }
}

void TApplication::FormHidden(TForm* form)
{
    zorder_.erase(std::remove(zorder_.begin(), zorder_.end(), form), zorder_.end());
    for (TForm** p : {&captureForm_, &hoverForm_, &dragForm_})
        if (*p == form)
            *p = nullptr;
    ScreenChanged(form->BoundsRect());
    ActivationChanged();
    UpdateCursor();
}

void TApplication::FormMoved(TForm* form, const TRect& old)
{
    ScreenChanged(old);
    ScreenChanged(form->BoundsRect());
}

void TApplication::BeginMoveDrag(TForm* form)
{
    if ((buttons_ & ssLeft) == 0 || !form->Visible())
        return;
    dragForm_ = form;
    dragOffset_ = {pointer_.x - form->Left(), pointer_.y - form->Top()};
    captureForm_ = nullptr;
}

void TApplication::CancelCapture()
{
    if (captureForm_ != nullptr) {
        captureForm_->capture_ = nullptr;
        captureForm_->captured_ = false;
        captureForm_ = nullptr;
    }
    dragForm_ = nullptr;
}

void TApplication::ActivationChanged()
{
    TForm* top = TopmostForm();
    if (top == activeForm_)
        return;
    TForm* old = activeForm_;
    activeForm_ = top;
    if (old != nullptr && old->OnDeactivate)
        old->OnDeactivate();
    if (top != nullptr && top == activeForm_ && top->OnActivate)
        top->OnActivate();
}
