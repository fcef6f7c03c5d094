// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The four library pictures of an image button and the two raster steps that
// put one of them over a background.
#pragma once

#include <string>
#include <string_view>

#include "platform/Bitmap.h"

// What an image button shows; the picture last shown is its whole state.
enum class ButtonState { Normal, Hover, Pressed };

// Puts picture over dest at (x, y) through the mask: white where the picture
// covers, black where it does not, grey where it blends (a soft edge). A
// black and white mask gives what OR with the mask and AND with the picture
// (white where transparent) give.
void DrawMasked(Bitmap& dest, int x, int y, const Bitmap& mask, const Bitmap& picture);

class ButtonPictures {
public:
    // Loads base + "_A", "_D", "_M" and "_" from the picture library; raises
    // CBlad code 1 when one is missing.
    explicit ButtonPictures(std::string_view baseName);

    const std::string& Name() const { return name_; }
    const Bitmap& Picture(ButtonState state) const;
    const Bitmap& Mask() const { return mask_; }
    // The button's size is that of its mask.
    int Width() const { return mask_.Width(); }
    int Height() const { return mask_.Height(); }

    void Compose(Bitmap& dest, int x, int y, ButtonState state) const
    {
        DrawMasked(dest, x, y, mask_, Picture(state));
    }

private:
    std::string name_;
    Bitmap hover_;    // "_A"
    Bitmap normal_;   // "_D"
    Bitmap mask_;     // "_M"
    Bitmap pressed_;  // "_"
};
