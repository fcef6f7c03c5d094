// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Controls: bounds, visibility, repaint requests and the default event behaviour.
#include "platform/Control.h"

#include "platform/Action.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

TControl::TControl(TForm& form) : form_(&form)
{
    form_->AddControl(this);
}

TControl::~TControl()
{
    form_->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const TRect old = bounds_;
    const TRect next = RectXYWH(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
    if (next == old)
        return;
    bounds_ = next;
    if (visible_) {
        form_->InvalidateRect(old);
        form_->InvalidateRect(bounds_);
    }
    BoundsChanged(old);
}

void TControl::BoundsChanged(const TRect&) {}

TPoint TControl::ClientToScreen(TPoint p) const
{
    return form_->ClientToScreen({p.x + Left(), p.y + Top()});
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint f = form_->ScreenToClient(p);
    return {f.x - Left(), f.y - Top()};
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    form_->InvalidateRect(bounds_);
    if (!visible_)
        form_->ControlHidden(this);
    VisibleChanged();
}

void TControl::VisibleChanged() {}

bool TControl::Enabled() const
{
    return enabled_ && (action_ == nullptr || action_->Enabled());
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled_)
        form_->ControlHidden(this);
    Invalidate();
}

TCanvas& TControl::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(form_->pixels_, TPoint{}, TRect{}, form_->Sink());
    canvas_->SetOrigin({bounds_.left, bounds_.top});
    canvas_->SetBitmapClip(bounds_.Intersect(form_->PaintClip()));
    return *canvas_;
}

void TControl::Invalidate()
{
    if (visible_)
        form_->InvalidateRect(bounds_);
}

void TControl::Repaint()
{
    if (visible_)
        form_->PaintRect(bounds_);
}

bool TControl::Focused() const
{
    return form_->ActiveControl() == this;
}

void TControl::Paint(TCanvas&) {}

void TControl::Click()
{
    if (action_ != nullptr)
        action_->Execute();
    else if (OnClick)
        OnClick();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter();
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave();
}

void TControl::KeyDown(int&, TShiftState) {}

void TControl::KeyPress(char&) {}

void TControl::FocusChanged(bool) {}
