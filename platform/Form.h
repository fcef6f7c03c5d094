// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A form: a rectangle of the one screen with its own pixels, its controls and
// its event handlers. Forms are shown, hidden, shown modally (a nested message
// loop that returns the modal result), dragged, and may be clipped to a
// rounded region.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Input.h"
#include "platform/WindowRegion.h"

class TApplication;
class TControl;

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

enum class TCloseAction { caNone, caHide };

class TForm : private CanvasSink {
public:
    TForm(TApplication& app, std::string name, int width = 0, int height = 0);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    TApplication& App() const { return *app_; }
    // The name scripts check with "expect form".
    const std::string& Name() const { return name_; }
    std::string Caption;

    // Position on the screen and size; the form has no border, so its client
    // area is the whole form.
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetPosition(int left, int top) { SetBounds(left, top, Width(), Height()); }
    void SetSize(int width, int height) { SetBounds(Left(), Top(), width, height); }
    TPoint ClientToScreen(TPoint p) const { return {p.x + Left(), p.y + Top()}; }
    TPoint ScreenToClient(TPoint p) const { return {p.x - Left(), p.y - Top()}; }
    void CenterOnScreen();
    void CenterOn(const TForm& other);

    // Clips the form to a rounded rectangle (form coordinates, corner
    // ellipses ellipseWidth x ellipseHeight); outside it nothing is shown or hit.
    void SetRoundRectRegion(TRect r, int ellipseWidth, int ellipseHeight);
    void ClearRegion();
    const WindowRegion& Region() const { return region_; }
    // True when the screen point lies on the visible part of the form.
    bool HitTest(int screenX, int screenY) const;

    // The form's pixels (its backing store) and a canvas on the window over them.
    Bitmap& Pixels();
    TCanvas& Canvas() { return canvas_; }

    // A part of the form (form coordinates) whose pixels are kept in a
    // picture of the caller's, of the part's size (a game's back buffer,
    // which must outlive the setting): the screen takes them from it, so a
    // changed rectangle of the picture reaches the screen in one copy. A
    // plain copy of the picture to its own place on the window (on any
    // canvas of the form) is taken as PictureChanged; any other drawing on
    // the part, or reading it, first gets the form's own pixels from the
    // picture there, and is shown over the picture until the picture
    // changes under it. One part per form; nullptr ends it.
    void SetPictureArea(const TRect& area, const Bitmap* picture);
    // The picture changed in a rectangle (form coordinates, inside the
    // part): it is shown from the picture with the next present.
    void PictureChanged(const TRect& rect);
    const Bitmap* Picture() const { return picture_; }

    bool Visible() const { return visible_; }
    // Shows the form on top of the others and paints it.
    void Show();
    void Hide();
    // Shows the form and runs a message loop until ModalResult is set or the
    // form is closed; returns the result (mrCancel when closed, or when the
    // program is ending).
    int ShowModal();
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // Asks OnCloseQuery, runs OnClose and hides the form; a modal form gets
    // the result mrCancel. Closing the main form ends the program's loop.
    void Close();
    // The user or the system asked for the window to close (the window
    // manager's close button, logging out): OnCloseRequest when it is set,
    // Close otherwise.
    void RequestClose();
    void BringToFront();
    // The topmost shown form: the one that takes the keyboard.
    bool Active() const;

    // Asks for a repaint (OnPaint, then the controls) of the whole form or a
    // rectangle; it runs when the message loop next looks for events.
    void Invalidate();
    void InvalidateRect(TRect r);
    // Paints the pending rectangles now.
    void Update();
    // Paints the whole form now.
    void Repaint();
    void PaintRect(TRect r);
    // While painting: the rectangle being painted; otherwise the whole form.
    TRect PaintClip() const { return paintClip_; }

    // Starts moving the form with the pointer until the button is released,
    // as a press on a caption bar would (called from a mouse-down handler).
    void BeginMoveDrag();

    // The control with the keyboard focus (nullptr: none).
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);
    // With KeyPreview the form's key handlers run before the focused control's.
    bool KeyPreview = false;
    TCursor Cursor = crDefault;

    const std::vector<TControl*>& Controls() const { return controls_; }
    // The topmost visible and enabled control at a form point.
    TControl* ControlAt(int x, int y) const;
    // The control under the pointer, or nullptr.
    TControl* HoverControl() const { return hover_; }

    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnPaint;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void(TCloseAction& action)> OnClose;
    std::function<void()> OnCloseRequest;
    std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
    std::function<void(TShiftState, int x, int y)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseUp;
    // delta: +WHEEL_DELTA up, -WHEEL_DELTA down; (x, y) in form coordinates.
    std::function<void(TShiftState, int delta, int x, int y)> OnMouseWheel;
    std::function<void(int& key, TShiftState)> OnKeyDown;
    std::function<void(int& key, TShiftState)> OnKeyUp;
    std::function<void(char& key)> OnKeyPress;

private:
    friend class TApplication;
    friend class TControl;

    CanvasSink* Sink() { return this; }
    void CanvasChanged(const TRect& bitmapRect) override;
    void CanvasWillUse(const TRect& bitmapRect) override;
    bool CanvasShowsPicture(const TRect& bitmapRect, const Bitmap& source, const TRect& sourceRect) override;
    // Copies a screen rectangle of the form onto the screen bitmap: the
    // picture's part from the picture, the rest from the form's pixels.
    void ComposeInto(Bitmap& screen, const TRect& screenRect) const;
    // When the screen rectangle (inside the form) shows nothing but the
    // picture, the picture, with origin set to where its pixel (0, 0) is on
    // the screen; otherwise nullptr.
    const Bitmap* PictureShownAt(const TRect& screenRect, TPoint& origin) const;
    // The picture's part inside the form's pixels (empty without a picture).
    TRect PictureArea() const;
    // The picture is shown in rect from now on.
    void TakePictureAsShown(const TRect& rect);
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    void ControlHidden(TControl* control);
    void PaintPending();
    void HideWindow();
    bool CloseModalForm();

    // Input from the application, in form coordinates.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MouseWheel(TShiftState shift, int delta, int x, int y);
    void PointerLeft();
    void UpdateHover(int x, int y);
    void KeyDown(int key, TShiftState shift);
    void KeyUp(int key, TShiftState shift);
    void KeyPress(char key);

    TApplication* app_;
    std::string name_;
    TRect bounds_;
    Bitmap pixels_;
    TCanvas canvas_;
    const Bitmap* picture_ = nullptr;
    TRect pictureArea_;
    // Where inside the picture's part the form's pixels, not the picture,
    // hold what is shown (drawing on the window over the picture).
    TRect drawnOver_;
    WindowRegion region_;
    bool visible_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    TRect invalid_;
    TRect paintClip_;
    int paintDepth_ = 0;
    TRect paintedDuringPaint_;
    std::vector<TControl*> controls_;
    TControl* hover_ = nullptr;
    TControl* capture_ = nullptr;    // the control pressed; it gets the moves and the release
    bool captured_ = false;          // a button is held over this form
    TControl* activeControl_ = nullptr;
};
