// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A two-state picture button (the amounts, sounds and positions of the main
// menu): two opaque library pictures drawn by the owner on its canvas, and an
// invisible control that receives the clicks.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"

class ClickArea;
class TAction;
class TCanvas;
class TControl;
class TForm;

class CCheckBut {
public:
    // Pictures libraryName + "_A" (checked) and + "_D" (unchecked); a click
    // runs action. Raises CBlad code 1 when a picture is missing.
    CCheckBut(TForm& owner, std::string_view libraryName, TCanvas& canvas, int left, int top, TAction* action);
    ~CCheckBut();
    CCheckBut(const CCheckBut&) = delete;
    CCheckBut& operator=(const CCheckBut&) = delete;

    void Draw();
    void SetChecked(bool checked);
    void Toggle();
    bool IsChecked() const { return checked_; }
    void Show();
    void Hide();
    // A value of 0 or less keeps that coordinate.
    void SetPosition(int left, int top);
    int Left() const { return left_; }
    int Top() const { return top_; }
    TControl& GetControl();
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    Bitmap uncheckedPicture_;
    Bitmap checkedPicture_;
    std::unique_ptr<ClickArea> control_;
    TCanvas* canvas_;
    int left_;
    int top_;
    bool checked_ = false;
};
