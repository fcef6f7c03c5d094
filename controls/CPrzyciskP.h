// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An image button on a form over a still background (menus, message box,
// summary): it composes its picture over a clean copy of the background in a
// buffer of its own and puts the result on the form. A disabled button shows
// its normal picture faded towards grey and the background.
#pragma once

#include <string_view>

#include "controls/ImageButtonBase.h"

class TAction;
class TCanvas;

class CPrzyciskP : public ImageButtonBase {
public:
    // target: the form's canvas; background: the clean background in form
    // coordinates (it must outlive the button). A click runs action when one
    // is given. Raises CBlad code 1 when a picture is missing.
    CPrzyciskP(TForm& form, std::string_view baseName, TCanvas& target, const Bitmap& background, int left,
               int top, TAction* action);

    // A negative coordinate stays as it is.
    void SetPosition(int left, int top);
    // A shown button draws its normal picture; a hidden one puts the
    // background back under its rectangle at once.
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Draws the normal picture again, dimmed while the button (or its
    // action) is disabled; for a change of the action's enabled state.
    void Refresh();

    void Paint(TCanvas& canvas) override;

private:
    void DrawState(ButtonState state) override;
    void Dim();

    TCanvas* target_;
    const Bitmap* background_;
    Bitmap buffer_;
};
