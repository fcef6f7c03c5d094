// Loading and composing the pictures of image buttons.
#include "controls/ButtonPictures.h"

#include "controls/LibraryPicture.h"

void DrawMasked(Bitmap& dest, int x, int y, const Bitmap& mask, const Bitmap& picture)
{
    dest.Draw(x, y, mask, RasterOp::Or);
    dest.Draw(x, y, picture, RasterOp::And);
}

ButtonPictures::ButtonPictures(std::string_view baseName) : name_(baseName)
{
    OpenLibraryPicture(name_ + "_A", hover_);
    OpenLibraryPicture(name_ + "_D", normal_);
    OpenLibraryPicture(name_ + "_M", mask_);
    OpenLibraryPicture(name_ + "_", pressed_);
}

const Bitmap& ButtonPictures::Picture(ButtonState state) const
{
    switch (state) {
    case ButtonState::Hover: return hover_;
    case ButtonState::Pressed: return pressed_;
    case ButtonState::Normal: break;
    }
    return normal_;
}
