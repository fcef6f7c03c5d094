// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A two-state picture button with either two library pictures or two
// transparent pictures from BMP file pairs (the loudspeaker of the main menu).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class ClickArea;
class TAction;
class TCanvas;
class TControl;
class TForm;

class CCheckButW {
public:
    // With a libraryName: pictures libraryName + "_A" / "_D". Otherwise the
    // pairs filePath + "_DB.xbi" / "_DW.xbi" (unchecked) and "_AB.xbi" /
    // "_AW.xbi" (checked). The click control starts invisible. Raises CBlad
    // code 1 when a picture cannot be loaded.
    CCheckButW(TForm& owner, std::string_view libraryName, std::string_view filePath, TCanvas& canvas, int left,
               int top, TAction* action);
    ~CCheckButW();
    CCheckButW(const CCheckButW&) = delete;
    CCheckButW& operator=(const CCheckButW&) = delete;

    void Draw(TCanvas& canvas);
    void DrawIfVisible();
    // Inverts, draws and has the control repainted.
    void Toggle();
    // Stores without drawing.
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsChecked() const { return checked_; }
    // A value of 0 or less keeps that coordinate.
    void SetPosition(int left, int top);
    int Left() const { return left_; }
    int Top() const { return top_; }
    bool FileMode() const { return fileMode_; }
    TControl& GetControl();

private:
    void DrawAt(TCanvas& canvas, int x, int y);

    std::string name_;
    bool fileMode_;
    Bitmap uncheckedPicture_;
    Bitmap checkedPicture_;
    CTransBitmap uncheckedTrans_;
    CTransBitmap checkedTrans_;
    std::unique_ptr<ClickArea> control_;
    TCanvas* canvas_;
    int left_;
    int top_;
    bool checked_ = false;
};
