// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a word's two picture files, written with the program's own codecs.
#include "tools/datagen/PictureFiles.h"

#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"

std::string SmallPictureFile(const Bitmap& picture)
{
    return EncodeBmp(picture);
}

std::string LargePictureFile(const Bitmap& picture)
{
    // Quality 90 keeps the emoji outlines and the card letters clean.
    return EncodeJpeg(picture, 90);
}
