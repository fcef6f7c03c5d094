// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A single-line text field: takes the focus on a click, shows a caret, and
// edits cp1250 text (Polish letters from the system's text input) with
// BackSpace, Delete, Left, Right, Home and End, up to a maximum length.
#pragma once

#include <functional>
#include <string>

#include "platform/Control.h"
#include "platform/Font.h"

class TEdit : public TControl {
public:
    explicit TEdit(TForm& form);

    const std::string& Text() const { return text_; }
    // Sets the text (cut to MaxLength) and puts the caret at its end.
    void SetText(const std::string& cp1250);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);
    int SelStart() const { return caret_; }
    void SetSelStart(int position);
    TFont Font;
    TColor Color = clWindow;
    bool Border = true;
    TColor BorderColor = clGray;
    bool ReadOnly = false;

    // After every change of the text.
    std::function<void()> OnChange;

    void SetFocus();

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool CanFocus() const override { return true; }
    bool IsWindowed() const override { return true; }
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void FocusChanged(bool focused) override;

private:
    void Changed();
    int TextX() const;

    std::string text_;
    int maxLength_ = 0;
    int caret_ = 0;
    int scroll_ = 0;  // pixels of text scrolled out on the left
};
