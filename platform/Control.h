// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every control placed on a form: a rectangle in form
// coordinates with visibility, enabled state, a cursor, mouse events and a
// click. A bare TControl is an invisible click area.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Input.h"

class TAction;
class TCanvas;
class TForm;

class TControl {
public:
    explicit TControl(TForm& form);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    TForm& Form() const { return *form_; }
    std::string Name;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    // Control coordinates to screen coordinates and back.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // A control bound to an action is enabled only while the action is.
    bool Enabled() const;
    void SetEnabled(bool enabled);

    TCursor Cursor = crDefault;

    // A click runs the action (when enabled) instead of OnClick.
    void SetAction(TAction* action) { action_ = action; }
    TAction* Action() const { return action_; }

    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
    std::function<void(TShiftState, int x, int y)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseUp;

    // Draws on the window at this control: (0, 0) is its top-left corner.
    TCanvas& Canvas();
    // Asks for a repaint of the control's rectangle (the form below it too).
    void Invalidate();
    // Repaints the control's rectangle now.
    void Repaint();
    // True while the pointer is over the control.
    bool MouseInside() const { return mouseInside_; }
    bool Focused() const;

    // What the form calls; controls override them to react, then call the base.
    virtual void Paint(TCanvas& canvas);
    virtual void Click();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual bool CanFocus() const { return false; }
    // Windowed controls (text fields) lie above the drawn ones, whatever
    // the order they were made in.
    virtual bool IsWindowed() const { return false; }
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void FocusChanged(bool focused);

protected:
    virtual void BoundsChanged(const TRect& old);
    // After Show or Hide; the rectangle has already been asked to repaint.
    virtual void VisibleChanged();

private:
    friend class TForm;
    TForm* form_;
    TRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool mouseInside_ = false;
    TAction* action_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};
