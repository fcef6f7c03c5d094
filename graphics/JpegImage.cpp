// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture held as JPEG bytes.
#include "graphics/JpegImage.h"

#include "graphics/Jpeg.h"

JpegImage::JpegImage(const Bitmap& picture, int quality)
    : bytes_(EncodeJpeg(picture, quality)), width_(picture.Width()), height_(picture.Height())
{
}

Bitmap JpegImage::ToBitmap() const
{
    Bitmap b;
    if (!bytes_.empty())
        DecodeJpeg(bytes_, b);
    return b;
}

void JpegImage::Draw(Bitmap& canvas, int x, int y) const
{
    if (!bytes_.empty())
        canvas.Draw(x, y, ToBitmap());
}
