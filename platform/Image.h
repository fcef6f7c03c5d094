// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control: shows a bitmap at its place, stretched to its size or
// at natural size (then the control takes the picture's size when AutoSize).
#pragma once

#include "platform/Bitmap.h"
#include "platform/Control.h"

class TImage : public TControl {
public:
    using TControl::TControl;

    // Changing the picture through this reference needs an Invalidate().
    Bitmap& Picture() { return picture_; }
    void SetPicture(const Bitmap& picture);
    bool Stretch = false;
    bool AutoSize = false;

    void Paint(TCanvas& canvas) override;

private:
    Bitmap picture_;
};
