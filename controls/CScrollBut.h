// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The thumb of the recording panel's scroll indicator: one library picture
// with its mask, drawn over a clean background like an image button.
#pragma once

#include <string_view>

#include "platform/Control.h"

class TAction;
class TCanvas;

class CScrollBut : public TControl {
public:
    // Pictures baseName + "_D" and + "_M"; raises CBlad code 1 when one is missing.
    CScrollBut(TForm& owner, std::string_view baseName, TCanvas& target, const Bitmap& background, int left,
               int top, TAction* action);

    // A negative coordinate stays as it is.
    void SetPosition(int left, int top);
    // Shown: drawn at once; hidden: the background comes back at once.
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Pressed() const { return pressed_; }
    // Draws the thumb over the background at its place.
    void Redraw();

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    Bitmap picture_;
    Bitmap mask_;
    TCanvas* target_;
    const Bitmap* background_;
    Bitmap buffer_;
    bool pressed_ = false;
    bool ready_ = false;
};
