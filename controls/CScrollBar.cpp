// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll indicator of the recording panel.
#include "controls/CScrollBar.h"

#include "controls/CScrollBut.h"
#include "platform/Action.h"
#include "platform/Canvas.h"

CScrollBar::CScrollBar(TForm& owner, int x, int y, TCanvas& canvas, const Bitmap& background)
    : x_(x),
      y_(y),
      // The thumb only shows the position: pressing it does nothing.
      nothing_(std::make_unique<TAction>("scroll", [] {})),
      thumb_(std::make_unique<CScrollBut>(owner, "scroll", canvas, background, x, y, nothing_.get()))
{
}

CScrollBar::~CScrollBar() = default;

void CScrollBar::Layout(int x, int yTop, int yBottom)
{
    x_ = x;
    y_ = yTop;
    step_ = (yBottom - yTop) / kStepsPerTrack;
    MoveThumb();
}

void CScrollBar::StepDown()
{
    --counter_;
    y_ += step_;
    MoveThumb();
    thumb_->Show();
}

void CScrollBar::StepUp()
{
    ++counter_;
    y_ -= step_;
    MoveThumb();
    thumb_->Show();
}

void CScrollBar::Show()
{
    thumb_->Show();
}

void CScrollBar::Hide()
{
    thumb_->Hide();
}

void CScrollBar::MoveThumb()
{
    if (thumb_->Left() == x_ && thumb_->Top() == y_)
        return;
    const bool visible = thumb_->Visible();
    // Hidden for the move, the old place gets its background back at once.
    if (visible)
        thumb_->Hide();
    thumb_->SetPosition(x_, y_);
    if (visible)
        thumb_->Show();
}
