// The memory screen's picture buttons.
#include "games/memory/MemoryButton.h"

#include "core/CBlad.h"
#include "graphics/Cbitmapy.h"
#include "platform/Control.h"
#include "platform/Form.h"

namespace {

Bitmap LibraryPicture(const std::string& name)
{
    try {
        auto picture = LoadBitmapFile("RESOURCE\\" + name + ".bmp");
        picture->SetFormat(PixelFormat::Bgr24);
        return std::move(*picture);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
}

}  // namespace

MemoryButton::MemoryButton(TForm& form, const std::string& baseName, Bitmap& canvas, int left, int top,
                           TAction& action)
    : form_(form), canvas_(canvas)
{
    pictures_[kHover] = LibraryPicture(baseName + "_A");
    pictures_[kNormal] = LibraryPicture(baseName + "_D");
    mask_ = LibraryPicture(baseName + "_M");
    pictures_[kPressed] = LibraryPicture(baseName + "_");
    control_ = std::make_unique<TControl>(form);
    control_->Name = baseName;
    control_->SetBounds(left, top, kWidth, kHeight);
    control_->SetAction(&action);
    control_->OnMouseEnter = [this] { ShowPicture(kHover); };
    control_->OnMouseLeave = [this] { ShowPicture(kNormal); };
    control_->OnMouseDown = [this](TMouseButton button, TShiftState, int, int) {
        if (button == TMouseButton::mbLeft)
            ShowPicture(kPressed);
    };
    control_->OnMouseUp = [this](TMouseButton button, TShiftState, int, int) {
        if (button == TMouseButton::mbLeft)
            ShowPicture(kHover);
    };
}

MemoryButton::~MemoryButton() = default;

bool MemoryButton::Visible() const
{
    return control_->Visible();
}

void MemoryButton::Show()
{
    current_ = kNormal;
    control_->Show();
}

void MemoryButton::Hide()
{
    control_->Hide();
}

TRect MemoryButton::Rect() const
{
    return control_->BoundsRect();
}

void MemoryButton::Draw()
{
    if (Visible())
        Compose();
}

void MemoryButton::Compose()
{
    const TRect r = Rect();
    const Bitmap& picture = pictures_[current_];
    // The mask whitens the button's shape, the picture (white around the
    // shape) then keeps the background there and paints the shape.
    canvas_.Draw(r.left, r.top, mask_, RasterOp::Or);
    canvas_.Draw(r.left, r.top, picture, RasterOp::And);
}

void MemoryButton::ShowPicture(Picture picture)
{
    if (!Visible() || !form_.Active())
        return;
    current_ = picture;
    Compose();
    form_.Canvas().CopyRect(Rect(), canvas_, Rect());
}
