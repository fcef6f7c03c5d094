// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A paint box: a rectangle of the form that its OnPaint handler draws on
// through Canvas(), or whose pixels are a picture the game keeps.
#pragma once

#include <functional>
#include <span>

#include "platform/Control.h"

class TPaintBox : public TControl {
public:
    using TControl::TControl;

    std::function<void()> OnPaint;

    void Paint(TCanvas& canvas) override;

    // Shows a picture of the paint box's size kept by the caller (a game's
    // back buffer) as the paint box's own pixels, without copying it into the
    // form (TForm::SetPictureArea): a changed rectangle then reaches the
    // screen in one copy. The picture must live while it is set (nullptr
    // ends it); the paint box must not move meanwhile.
    void SetPicture(const Bitmap* picture);
    // The picture changed in these rectangles (paint box coordinates): they
    // are shown with the next present, and only they are looked at. A frame
    // that changed nothing reports nothing.
    void ShowPicture(const TRect& rect);
    void ShowPicture(std::span<const TRect> rects);
};
