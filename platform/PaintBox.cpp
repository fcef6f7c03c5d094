// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paint boxes leave all drawing to their handler.
#include "platform/PaintBox.h"

#include "platform/Form.h"

void TPaintBox::Paint(TCanvas&)
{
    if (OnPaint)
        OnPaint();
}

void TPaintBox::SetPicture(const Bitmap* picture)
{
    Form().SetPictureArea(BoundsRect(), picture);
}

void TPaintBox::ShowPicture(const TRect& rect)
{
    if (Visible())
        Form().PictureChanged(rect.Offset(Left(), Top()).Intersect(BoundsRect()));
}

void TPaintBox::ShowPicture(std::span<const TRect> rects)
{
    for (const TRect& r : rects)
        ShowPicture(r);
}
