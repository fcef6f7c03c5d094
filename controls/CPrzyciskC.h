// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An image button of the memory game: it makes its own 70 x 60 picture
// control on the form and composes its pictures on the game's canvas before
// showing that part of it.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "controls/ButtonPictures.h"

class TControl;
class TForm;

class CPrzyciskC {
public:
    static constexpr int kWidth = 70;
    static constexpr int kHeight = 60;

    // canvas: the game's picture in form coordinates, which the button draws
    // into. Raises CBlad code 1 when a picture is missing.
    CPrzyciskC(TForm& form, std::string_view baseName, Bitmap& canvas, int left, int top,
               std::function<void()> onClick);
    ~CPrzyciskC();
    CPrzyciskC(const CPrzyciskC&) = delete;
    CPrzyciskC& operator=(const CPrzyciskC&) = delete;

    // Composes the current picture onto the canvas when the control is visible.
    void Draw();
    ButtonState State() const;
    TControl& GetControl();

private:
    class Control;
    std::unique_ptr<Control> control_;
};
