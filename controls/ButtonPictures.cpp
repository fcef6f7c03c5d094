// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and composing the pictures of image buttons.
#include "controls/ButtonPictures.h"

#include <algorithm>

#include "controls/LibraryPicture.h"

void DrawMasked(Bitmap& dest, int x, int y, const Bitmap& mask, const Bitmap& picture)
{
    // A black and white mask gives exactly what OR with the mask and AND
    // with the picture gave; grey in it blends, so soft edges stay soft.
    const int width = std::min(mask.Width(), picture.Width());
    const int height = std::min(mask.Height(), picture.Height());
    const int left = std::max(0, -x), top = std::max(0, -y);
    const int right = std::min(width, dest.Width() - x), bottom = std::min(height, dest.Height() - y);
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col) {
            const int a = static_cast<int>(GetGValue(mask.GetPixel(col, row)));
            if (a == 0)
                continue;
            const TColor over = picture.GetPixel(col, row);
            if (a == 255) {
                dest.SetPixel(x + col, y + row, over);
                continue;
            }
            const TColor under = dest.GetPixel(x + col, y + row);
            const auto mix = [a](unsigned o, unsigned u) {
                return static_cast<unsigned>((static_cast<int>(o) * a + static_cast<int>(u) * (255 - a) + 127) / 255);
            };
            dest.SetPixel(x + col, y + row, RGB(mix(GetRValue(over), GetRValue(under)), mix(GetGValue(over), GetGValue(under)),
                                                mix(GetBValue(over), GetBValue(under))));
        }
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
