// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Forms: their pixels and region, showing and modal showing, repaints, and
// the routing of mouse and keyboard input to their controls.
#include "platform/Form.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/ChangedRects.h"
#include "platform/Control.h"

namespace {

TRect Union(const TRect& a, const TRect& b) { return UnionRect(a, b); }

}  // namespace

TForm::TForm(TApplication& app, std::string name, int width, int height)
    : app_(&app),
      name_(std::move(name)),
      bounds_{0, 0, std::max(width, 0), std::max(height, 0)},
      pixels_(std::max(width, 0), std::max(height, 0)),
      canvas_(pixels_, TPoint{}, pixels_.Bounds(), this),
      paintClip_(pixels_.Bounds())
{
    app_->AddForm(this);
}

TForm::~TForm()
{
    if (app_ == nullptr)
        return;
    if (visible_)
        HideWindow();
    app_->RemoveForm(this);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const TRect old = bounds_;
    bounds_ = RectXYWH(left, top, width, height);
    if (old.Width() != width || old.Height() != height) {
        // The pixels keep what is shown where the size allows, the picture's part too.
        CanvasWillUse(PictureArea());
        pixels_.SetSize(width, height);
        drawnOver_ = PictureArea();
        canvas_.SetBitmapClip(pixels_.Bounds());
        if (paintDepth_ == 0)
            paintClip_ = pixels_.Bounds();
        if (visible_)
            Invalidate();
    }
    if (visible_ && !(old == bounds_))
        app_->FormMoved(this, old);
}

void TForm::CenterOnScreen()
{
    SetPosition((app_->ScreenWidth() - Width()) / 2, (app_->ScreenHeight() - Height()) / 2);
}

void TForm::CenterOn(const TForm& other)
{
    SetPosition(other.Left() + (other.Width() - Width()) / 2, other.Top() + (other.Height() - Height()) / 2);
}

void TForm::SetRoundRectRegion(TRect r, int ellipseWidth, int ellipseHeight)
{
    region_ = WindowRegion::RoundRect(r, ellipseWidth, ellipseHeight);
    if (visible_)
        app_->ScreenChanged(bounds_);
}

void TForm::ClearRegion()
{
    region_ = WindowRegion();
    if (visible_)
        app_->ScreenChanged(bounds_);
}

bool TForm::HitTest(int screenX, int screenY) const
{
    return visible_ && bounds_.Contains(screenX, screenY) && region_.Contains(screenX - Left(), screenY - Top());
}

Bitmap& TForm::Pixels()
{
    // The caller may read or write them directly.
    CanvasWillUse(PictureArea());
    return pixels_;
}

TRect TForm::PictureArea() const
{
    return picture_ != nullptr ? pictureArea_.Intersect(pixels_.Bounds()) : TRect{};
}

void TForm::SetPictureArea(const TRect& area, const Bitmap* picture)
{
    // What the old picture showed stays shown, now from the form's pixels.
    CanvasWillUse(PictureArea());
    picture_ = picture;
    pictureArea_ = picture != nullptr ? area.Intersect(RectXYWH(area.left, area.top, picture->Width(), picture->Height()))
                                      : TRect{};
    // Nothing of the new picture is shown yet.
    drawnOver_ = PictureArea();
}

void TForm::TakePictureAsShown(const TRect& rect)
{
    if (rect.IsEmpty() || drawnOver_.IsEmpty())
        return;
    if (rect.Intersect(drawnOver_) == drawnOver_) {
        drawnOver_ = {};
        return;
    }
    // The picture is newer than what was drawn over it here: the form's
    // pixels take it, so that the drawn-over part stays one rectangle.
    const TRect both = rect.Intersect(drawnOver_);
    if (!both.IsEmpty())
        pixels_.CopyRect(both, *picture_, both.Offset(-pictureArea_.left, -pictureArea_.top));
}

void TForm::PictureChanged(const TRect& rect)
{
    const TRect r = rect.Intersect(PictureArea());
    if (r.IsEmpty())
        return;
    TakePictureAsShown(r);
    CanvasChanged(r);
}

void TForm::CanvasWillUse(const TRect& bitmapRect)
{
    const TRect want = bitmapRect.Intersect(PictureArea());
    if (want.IsEmpty() || want.Intersect(drawnOver_) == want)
        return;
    // The form's pixels take the picture where they are newly drawn on;
    // what was drawn over before stays.
    const TRect grown = UnionRect(drawnOver_, want);
    TRect parts[4];
    const int n = SubtractRect(grown, drawnOver_, parts);
    for (int i = 0; i < n; ++i)
        pixels_.CopyRect(parts[i], *picture_, parts[i].Offset(-pictureArea_.left, -pictureArea_.top));
    drawnOver_ = grown;
}

bool TForm::CanvasShowsPicture(const TRect& bitmapRect, const Bitmap& source, const TRect& sourceRect)
{
    if (&source != picture_ || bitmapRect.Intersect(PictureArea()) != bitmapRect ||
        sourceRect != bitmapRect.Offset(-pictureArea_.left, -pictureArea_.top))
        return false;
    TakePictureAsShown(bitmapRect);
    return true;
}

void TForm::ComposeInto(Bitmap& screen, const TRect& screenRect) const
{
    const TRect local = screenRect.Offset(-Left(), -Top());
    const TRect area = PictureArea();
    const TRect inArea = local.Intersect(area);
    if (inArea.IsEmpty()) {
        screen.CopyRect(screenRect, pixels_, local);
        return;
    }
    TRect parts[4];
    int n = SubtractRect(local, area, parts);
    for (int i = 0; i < n; ++i)
        screen.CopyRect(parts[i].Offset(Left(), Top()), pixels_, parts[i]);
    n = SubtractRect(inArea, drawnOver_, parts);
    for (int i = 0; i < n; ++i)
        screen.CopyRect(parts[i].Offset(Left(), Top()), *picture_,
                        parts[i].Offset(-pictureArea_.left, -pictureArea_.top));
    const TRect over = inArea.Intersect(drawnOver_);
    if (!over.IsEmpty())
        screen.CopyRect(over.Offset(Left(), Top()), pixels_, over);
}

const Bitmap* TForm::PictureShownAt(const TRect& screenRect, TPoint& origin) const
{
    const TRect local = screenRect.Offset(-Left(), -Top());
    if (picture_ == nullptr || local.IsEmpty() || local.Intersect(PictureArea()) != local ||
        !local.Intersect(drawnOver_).IsEmpty())
        return nullptr;
    origin = {Left() + pictureArea_.left, Top() + pictureArea_.top};
    return picture_;
}

void TForm::CanvasChanged(const TRect& bitmapRect)
{
    if (paintDepth_ > 0) {
        paintedDuringPaint_ = Union(paintedDuringPaint_, bitmapRect);
        return;
    }
    if (visible_)
        app_->ScreenChanged(bitmapRect.Offset(Left(), Top()));
}

void TForm::Show()
{
    if (visible_) {
        BringToFront();
        return;
    }
    visible_ = true;
    app_->FormShown(this, false);
    if (OnShow)
        OnShow();
    if (visible_)
        Repaint();
    app_->ActivationChanged();
}

void TForm::HideWindow()
{
    visible_ = false;
    if (hover_ != nullptr) {
        TControl* left = hover_;
        hover_ = nullptr;
        left->mouseInside_ = false;
        left->MouseLeave();
    }
    capture_ = nullptr;
    captured_ = false;
    app_->FormHidden(this);
}

void TForm::Hide()
{
    if (!visible_)
        return;
    HideWindow();
    if (OnHide)
        OnHide();
}

bool TForm::CloseModalForm()
{
    // The loop keeps running when the close is refused.
    bool canClose = true;
    if (OnCloseQuery && !app_->Terminated())
        OnCloseQuery(canClose);
    if (!canClose) {
        modalResult_ = mrNone;
        return false;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone && !app_->Terminated()) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

int TForm::ShowModal()
{
    if (app_->Terminated())
        return mrCancel;
    if (modal_)
        return mrCancel;
    modal_ = true;
    modalResult_ = mrNone;
    // A press that opened the form no longer holds the mouse for the form below.
    app_->CancelCapture();
    app_->modalStack_.push_back(this);
    Show();
    BringToFront();
    for (;;) {
        while (modalResult_ == mrNone && visible_ && !app_->Terminated())
            app_->HandleMessage();
        if (app_->Terminated() && modalResult_ == mrNone)
            modalResult_ = mrCancel;
        if (!visible_ && modalResult_ == mrNone)
            modalResult_ = mrCancel;
        if (CloseModalForm())
            break;
    }
    const int result = modalResult_;
    Hide();
    auto& stack = app_->modalStack_;
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    modal_ = false;
    return result;
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    bool canClose = true;
    if (OnCloseQuery && !app_->Terminated())
        OnCloseQuery(canClose);
    if (!canClose)
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone && !app_->Terminated())
        return;
    Hide();
    if (this == app_->MainForm())
        app_->Terminate(0);
}

void TForm::RequestClose()
{
    if (OnCloseRequest)
        OnCloseRequest();
    else
        Close();
}

void TForm::BringToFront()
{
    if (visible_)
        app_->FormShown(this, true);
}

bool TForm::Active() const
{
    return visible_ && app_->TopmostForm() == this;
}

void TForm::Invalidate()
{
    InvalidateRect(pixels_.Bounds());
}

void TForm::InvalidateRect(TRect r)
{
    r = r.Intersect(pixels_.Bounds());
    if (!visible_ || r.IsEmpty())
        return;
    invalid_ = Union(invalid_, r);
}

void TForm::Update()
{
    PaintPending();
}

void TForm::PaintPending()
{
    if (!visible_ || invalid_.IsEmpty())
        return;
    const TRect r = invalid_;
    invalid_ = {};
    PaintRect(r);
}

void TForm::Repaint()
{
    invalid_ = {};
    PaintRect(pixels_.Bounds());
}

void TForm::PaintRect(TRect r)
{
    r = r.Intersect(pixels_.Bounds());
    if (!visible_ || r.IsEmpty())
        return;
    // Painting is drawn off screen and shown in one piece at the end; a paint
    // started from inside another one (a handler repainting) nests.
    const TRect savedClip = paintClip_;
    const TRect savedCanvasClip = canvas_.ClipRect();
    ++paintDepth_;
    paintClip_ = r;
    canvas_.SetBitmapClip(r);
    if (OnPaint)
        OnPaint();
    const std::vector<TControl*> controls = controls_;
    for (const bool windowed : {false, true})
        for (TControl* c : controls) {
            if (std::find(controls_.begin(), controls_.end(), c) == controls_.end())
                continue;
            if (c->IsWindowed() == windowed && c->Visible() && !c->BoundsRect().Intersect(r).IsEmpty())
                c->Paint(c->Canvas());
        }
    --paintDepth_;
    paintClip_ = savedClip;
    canvas_.SetBitmapClip(savedCanvasClip);
    paintedDuringPaint_ = Union(paintedDuringPaint_, r);
    if (paintDepth_ == 0) {
        const TRect shown = paintedDuringPaint_;
        paintedDuringPaint_ = {};
        if (visible_)
            app_->ScreenChanged(shown.Offset(Left(), Top()));
    }
}

void TForm::BeginMoveDrag()
{
    // The press that started the drag no longer belongs to a control.
    capture_ = nullptr;
    captured_ = false;
    app_->BeginMoveDrag(this);
}

void TForm::SetActiveControl(TControl* control)
{
    if (control == activeControl_)
        return;
    TControl* old = activeControl_;
    activeControl_ = control;
    if (old != nullptr)
        old->FocusChanged(false);
    if (activeControl_ != nullptr)
        activeControl_->FocusChanged(true);
}

TControl* TForm::ControlAt(int x, int y) const
{
    for (const bool windowed : {true, false})
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if ((*it)->IsWindowed() == windowed && (*it)->Visible() && (*it)->Enabled() &&
                (*it)->BoundsRect().Contains(x, y))
                return *it;
    return nullptr;
}

void TForm::AddControl(TControl* control)
{
    controls_.push_back(control);
}

void TForm::RemoveControl(TControl* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (hover_ == control)
        hover_ = nullptr;
    if (capture_ == control)
        capture_ = nullptr;
    if (activeControl_ == control)
        activeControl_ = nullptr;
}

void TForm::ControlHidden(TControl* control)
{
    if (hover_ == control) {
        hover_ = nullptr;
        control->mouseInside_ = false;
        control->MouseLeave();
    }
    if (capture_ == control)
        capture_ = nullptr;
    if (activeControl_ == control)
        SetActiveControl(nullptr);
}

void TForm::UpdateHover(int x, int y)
{
    TControl* under = region_.Contains(x, y) ? ControlAt(x, y) : nullptr;
    if (under == hover_)
        return;
    TControl* left = hover_;
    hover_ = under;
    if (left != nullptr) {
        left->mouseInside_ = false;
        left->MouseLeave();
    }
    // A leave handler may have hidden or moved things: enter only what is still under.
    if (under != nullptr && under == hover_) {
        under->mouseInside_ = true;
        under->MouseEnter();
    }
}

void TForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    UpdateHover(x, y);
    // A second button pressed while one is held goes where the first went.
    TControl* target = captured_ ? capture_ : ControlAt(x, y);
    captured_ = true;
    capture_ = target;
    if (target != nullptr && target->CanFocus())
        SetActiveControl(target);
    if (target != nullptr)
        target->MouseDown(button, shift, x - target->Left(), y - target->Top());
    else if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TForm::MouseMove(TShiftState shift, int x, int y)
{
    UpdateHover(x, y);
    TControl* target = captured_ ? capture_ : hover_;
    if (target != nullptr)
        target->MouseMove(shift, x - target->Left(), y - target->Top());
    else if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!captured_) {
        // A release without a press here (the press was on another form).
        TControl* under = ControlAt(x, y);
        if (under != nullptr)
            under->MouseUp(button, shift, x - under->Left(), y - under->Top());
        else if (OnMouseUp)
            OnMouseUp(button, shift, x, y);
        return;
    }
    TControl* target = capture_;
    const bool last = (app_->MouseButtons() & (ssLeft | ssRight | ssMiddle)) == 0;
    if (last) {
        captured_ = false;
        capture_ = nullptr;
    }
    if (target == nullptr) {
        if (OnMouseUp)
            OnMouseUp(button, shift, x, y);
        return;
    }
    // A click needs the release over the control that was pressed.
    const bool click = button == TMouseButton::mbLeft && target->Visible() && target->Enabled() &&
                       target->BoundsRect().Contains(x, y);
    const int cx = x - target->Left(), cy = y - target->Top();
    if (click)
        target->Click();
    if (std::find(controls_.begin(), controls_.end(), target) != controls_.end())
        target->MouseUp(button, shift, cx, cy);
}

void TForm::MouseWheel(TShiftState shift, int delta, int x, int y)
{
    if (OnMouseWheel)
        OnMouseWheel(shift, delta, x, y);
}

void TForm::PointerLeft()
{
    if (hover_ != nullptr) {
        TControl* left = hover_;
        hover_ = nullptr;
        left->mouseInside_ = false;
        left->MouseLeave();
    }
}

void TForm::KeyDown(int key, TShiftState shift)
{
    TControl* focus = activeControl_;
    if ((KeyPreview || focus == nullptr) && OnKeyDown)
        OnKeyDown(key, shift);
    if (focus != nullptr && key != 0 && focus == activeControl_)
        focus->KeyDown(key, shift);
}

void TForm::KeyUp(int key, TShiftState shift)
{
    if ((KeyPreview || activeControl_ == nullptr) && OnKeyUp)
        OnKeyUp(key, shift);
}

void TForm::KeyPress(char key)
{
    TControl* focus = activeControl_;
    if ((KeyPreview || focus == nullptr) && OnKeyPress)
        OnKeyPress(key);
    if (focus != nullptr && key != 0 && focus == activeControl_)
        focus->KeyPress(key);
}
