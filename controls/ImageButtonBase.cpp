// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The event table of the image buttons.
#include "controls/ImageButtonBase.h"

#include "platform/Form.h"

ImageButtonBase::ImageButtonBase(TForm& form, std::string_view baseName, int left, int top)
    : TControl(form), pictures_(baseName)
{
    Name = std::string(baseName);
    SetBounds(left, top, pictures_.Width(), pictures_.Height());
}

void ImageButtonBase::ShowState(ButtonState state)
{
    if (!Visible())
        return;
    state_ = state;
    DrawState(state);
}

void ImageButtonBase::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!ready_)
        return;
    if (button == TMouseButton::mbLeft)
        ShowState(ButtonState::Pressed);
    TControl::MouseDown(button, shift, x, y);
}

void ImageButtonBase::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!ready_)
        return;
    // A release away from the button (the press moved out) leaves it normal:
    // the pointer is no longer over it.
    if (button == TMouseButton::mbLeft)
        ShowState(MouseInside() && x >= 0 && y >= 0 && x < Width() && y < Height() ? ButtonState::Hover
                                                                                  : ButtonState::Normal);
    TControl::MouseUp(button, shift, x, y);
}

void ImageButtonBase::MouseEnter()
{
    // A form under another one shows no hover, and its button hears nothing.
    if (!ready_ || !Form().Active())
        return;
    ShowState(ButtonState::Hover);
    TControl::MouseEnter();
}

void ImageButtonBase::MouseLeave()
{
    if (!ready_)
        return;
    ShowState(ButtonState::Normal);
    TControl::MouseLeave();
}
