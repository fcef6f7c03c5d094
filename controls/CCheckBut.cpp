// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Check buttons with library pictures.
#include "controls/CCheckBut.h"

#include "controls/ClickArea.h"
#include "controls/LibraryPicture.h"
#include "platform/Canvas.h"

CCheckBut::CCheckBut(TForm& owner, std::string_view libraryName, TCanvas& canvas, int left, int top,
                     TAction* action)
    : name_(libraryName), canvas_(&canvas), left_(left), top_(top)
{
    OpenLibraryPicture(name_ + "_A", checkedPicture_);
    OpenLibraryPicture(name_ + "_D", uncheckedPicture_);
    control_ = std::make_unique<ClickArea>(owner);
    control_->Name = name_;
    control_->Cursor = crHand;
    control_->SetBounds(left_, top_, uncheckedPicture_.Width(), uncheckedPicture_.Height());
    control_->SetAction(action);
    control_->OnPaint = [this](TCanvas& c) { c.Draw(0, 0, checked_ ? checkedPicture_ : uncheckedPicture_); };
}

CCheckBut::~CCheckBut() = default;

void CCheckBut::Draw()
{
    canvas_->Draw(left_, top_, checked_ ? checkedPicture_ : uncheckedPicture_);
}

void CCheckBut::SetChecked(bool checked)
{
    checked_ = checked;
    Draw();
}

void CCheckBut::Toggle()
{
    SetChecked(!checked_);
}

void CCheckBut::Show()
{
    control_->Show();
}

void CCheckBut::Hide()
{
    control_->Hide();
}

void CCheckBut::SetPosition(int left, int top)
{
    if (left > 0)
        left_ = left;
    if (top > 0)
        top_ = top;
    control_->SetBounds(left_, top_, control_->Width(), control_->Height());
}

TControl& CCheckBut::GetControl()
{
    return *control_;
}
