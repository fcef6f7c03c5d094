// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game's image buttons.
#include "controls/CPrzyciskC.h"

#include "controls/ImageButtonBase.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

class CPrzyciskC::Control final : public ImageButtonBase {
public:
    Control(TForm& form, std::string_view baseName, Bitmap& canvas, int left, int top)
        : ImageButtonBase(form, baseName, left, top), canvas_(&canvas)
    {
        // The control has the fixed size of the memory game's buttons whatever the pictures' size.
        SetBounds(left, top, kWidth, kHeight);
        Cursor = crHand;
        SetReady();
    }

    void Compose() { Pictures().Compose(*canvas_, Left(), Top(), State()); }

    void Paint(TCanvas&) override
    {
        if (Ready())
            ShowState(ButtonState::Normal);
    }

private:
    void DrawState(ButtonState) override
    {
        Compose();
        Form().Canvas().CopyRect(BoundsRect(), *canvas_, BoundsRect());
    }

    Bitmap* canvas_;
};

CPrzyciskC::CPrzyciskC(TForm& form, std::string_view baseName, Bitmap& canvas, int left, int top,
                       std::function<void()> onClick)
    : control_(std::make_unique<Control>(form, baseName, canvas, left, top))
{
    control_->OnClick = std::move(onClick);
}

CPrzyciskC::~CPrzyciskC() = default;

void CPrzyciskC::Draw()
{
    if (control_->Visible())
        control_->Compose();
}

ButtonState CPrzyciskC::State() const
{
    return control_->State();
}

TControl& CPrzyciskC::GetControl()
{
    return *control_;
}
