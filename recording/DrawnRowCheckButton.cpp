// Row selection buttons drawn with plain shapes.
#include "recording/DrawnRowCheckButton.h"

#include "platform/Canvas.h"
#include "platform/Form.h"

DrawnRowCheckButton::DrawnRowCheckButton(TForm& owner, int left, int top, TAction& action) : box_(owner)
{
    box_.Name = "S_CHBUT";
    box_.SetBounds(left, top, kSize, kSize);
    box_.Cursor = crHand;
    box_.SetAction(&action);
    box_.OnPaint = [this] { Draw(); };
}

void DrawnRowCheckButton::SetChecked(bool checked)
{
    checked_ = checked;
    if (box_.Visible())
        box_.Invalidate();
}

void DrawnRowCheckButton::Draw()
{
    TCanvas& c = box_.Canvas();
    c.Brush.Clear = false;
    c.Brush.Color = clWhite;
    c.Pen.Color = RGB(40, 40, 40);
    c.Pen.Width = 2;
    c.Rectangle({0, 0, kSize, kSize});
    if (checked_) {
        c.Brush.Color = RGB(30, 150, 60);
        c.FillRect({5, 5, kSize - 5, kSize - 5});
    }
}

RowCheckButtonFactory DrawnRowCheckButton::Factory()
{
    return [](TForm& owner, TCanvas&, int left, int top, TAction& action) -> std::unique_ptr<RowCheckButton> {
        return std::make_unique<DrawnRowCheckButton>(owner, left, top, action);
    };
}
