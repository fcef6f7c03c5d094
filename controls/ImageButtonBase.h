// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse behaviour the three kinds of image button share: hover while the
// pointer is over the button on the active form, pressed while the left
// button is held, normal when the pointer leaves. Each kind decides where the
// picture goes.
#pragma once

#include <string_view>

#include "controls/ButtonPictures.h"
#include "platform/Control.h"

class ImageButtonBase : public TControl {
public:
    const std::string& ButtonName() const { return pictures_.Name(); }
    const ButtonPictures& Pictures() const { return pictures_; }
    // The picture shown last.
    ButtonState State() const { return state_; }
    bool Ready() const { return ready_; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    // Loads the pictures and takes their size; raises CBlad code 1.
    ImageButtonBase(TForm& form, std::string_view baseName, int left, int top);

    // Shows a picture when the button is visible.
    void ShowState(ButtonState state);
    virtual void DrawState(ButtonState state) = 0;
    void SetReady() { ready_ = true; }

private:
    ButtonPictures pictures_;
    ButtonState state_ = ButtonState::Normal;
    bool ready_ = false;
};
