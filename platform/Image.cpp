// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture controls.
#include "platform/Image.h"

#include "platform/Canvas.h"

void TImage::SetPicture(const Bitmap& picture)
{
    picture_ = picture;
    if (AutoSize)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::Paint(TCanvas& canvas)
{
    if (picture_.Empty())
        return;
    const RasterOp saved = canvas.CopyMode;
    canvas.CopyMode = RasterOp::Copy;
    if (Stretch)
        canvas.StretchDraw({0, 0, Width(), Height()}, picture_);
    else
        canvas.Draw(0, 0, picture_);
    canvas.CopyMode = saved;
}
