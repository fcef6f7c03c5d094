// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll indicator's thumb.
#include "controls/CScrollBut.h"

#include "controls/ButtonPictures.h"
#include "controls/LibraryPicture.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

CScrollBut::CScrollBut(TForm& owner, std::string_view baseName, TCanvas& target, const Bitmap& background,
                       int left, int top, TAction* action)
    : TControl(owner), target_(&target), background_(&background)
{
    const std::string name(baseName);
    Name = name;
    OpenLibraryPicture(name + "_D", picture_);
    OpenLibraryPicture(name + "_M", mask_);
    buffer_ = Bitmap(mask_.Width(), mask_.Height());
    SetBounds(left, top, mask_.Width(), mask_.Height());
    SetAction(action);
    ready_ = true;
}

void CScrollBut::SetPosition(int left, int top)
{
    SetBounds(left < 0 ? Left() : left, top < 0 ? Top() : top, Width(), Height());
}

void CScrollBut::SetVisible(bool visible)
{
    if (visible == Visible())
        return;
    TControl::SetVisible(visible);
    if (!ready_)
        return;
    if (visible)
        Redraw();
    else
        target_->CopyRect(BoundsRect(), *background_, BoundsRect());
}

void CScrollBut::Redraw()
{
    if (!ready_ || !Visible())
        return;
    const TRect local = buffer_.Bounds();
    buffer_.CopyRect(local, *background_, BoundsRect());
    DrawMasked(buffer_, 0, 0, mask_, picture_);
    target_->CopyRect(BoundsRect(), buffer_, local);
}

void CScrollBut::Paint(TCanvas&)
{
    Redraw();
}

void CScrollBut::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        pressed_ = true;
    Redraw();
    TControl::MouseDown(button, shift, x, y);
}

void CScrollBut::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        pressed_ = false;
    Redraw();
    TControl::MouseUp(button, shift, x, y);
}

void CScrollBut::MouseMove(TShiftState shift, int x, int y)
{
    if (pressed_)
        Redraw();
    TControl::MouseMove(shift, x, y);
}

void CScrollBut::MouseEnter()
{
    if (!Form().Active())
        return;
    Redraw();
    TControl::MouseEnter();
}

void CScrollBut::MouseLeave()
{
    Redraw();
    TControl::MouseLeave();
}
