// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Check buttons with library or transparent file pictures.
#include "controls/CCheckButW.h"

#include <exception>

#include "controls/ClickArea.h"
#include "controls/LibraryPicture.h"
#include "core/CBlad.h"
#include "platform/Canvas.h"

namespace {

// Blends a transparent picture over what the canvas shows at (x, y), through
// a scratch copy so that the canvas reports the change like any other drawing.
void DrawTransparent(TCanvas& canvas, int x, int y, const CTransBitmap& picture)
{
    if (!picture.Colour || !picture.Mask)
        return;
    const int w = picture.Colour->Width(), h = picture.Colour->Height();
    Bitmap scratch(w, h);
    TCanvas scratchCanvas(scratch);
    const TRect dest = RectXYWH(x, y, w, h);
    scratchCanvas.CopyRect(scratch.Bounds(), canvas, dest);
    BlendTransparent(&scratch, 0, 0, 255, 0, 0, &scratch, scratch.Bounds(), picture.Mask.get(),
                     picture.Colour.get());
    canvas.CopyRect(dest, scratch, scratch.Bounds());
}

}  // namespace

CCheckButW::CCheckButW(TForm& owner, std::string_view libraryName, std::string_view filePath, TCanvas& canvas,
                       int left, int top, TAction* action)
    : name_(libraryName.empty() ? filePath : libraryName),
      fileMode_(libraryName.empty()),
      canvas_(&canvas),
      left_(left),
      top_(top)
{
    int width = 0, height = 0;
    if (!fileMode_) {
        OpenLibraryPicture(name_ + "_A", checkedPicture_);
        OpenLibraryPicture(name_ + "_D", uncheckedPicture_);
        width = uncheckedPicture_.Width();
        height = uncheckedPicture_.Height();
    } else {
        try {
            uncheckedTrans_.LoadPair(name_ + "_DB.xbi", name_ + "_DW.xbi");
            checkedTrans_.LoadPair(name_ + "_AB.xbi", name_ + "_AW.xbi");
        } catch (const std::exception&) {
            throw CBlad(1);
        }
        width = checkedTrans_.Colour->Width();
        height = checkedTrans_.Colour->Height();
    }
    control_ = std::make_unique<ClickArea>(owner);
    control_->Name = name_;
    control_->Cursor = crHand;
    control_->Hide();
    control_->SetBounds(left_, top_, width, height);
    control_->SetAction(action);
    control_->OnPaint = [this](TCanvas& c) { DrawAt(c, 0, 0); };
}

CCheckButW::~CCheckButW() = default;

void CCheckButW::Draw(TCanvas& canvas)
{
    DrawAt(canvas, left_, top_);
}

void CCheckButW::DrawAt(TCanvas& canvas, int x, int y)
{
    if (!fileMode_)
        canvas.Draw(x, y, checked_ ? checkedPicture_ : uncheckedPicture_);
    else
        DrawTransparent(canvas, x, y, checked_ ? checkedTrans_ : uncheckedTrans_);
}

void CCheckButW::DrawIfVisible()
{
    if (control_->Visible())
        Draw(*canvas_);
}

void CCheckButW::Toggle()
{
    checked_ = !checked_;
    Draw(*canvas_);
    control_->Invalidate();
}

void CCheckButW::SetPosition(int left, int top)
{
    if (left > 0)
        left_ = left;
    if (top > 0)
        top_ = top;
    control_->SetBounds(left_, top_, control_->Width(), control_->Height());
}

TControl& CCheckButW::GetControl()
{
    return *control_;
}
