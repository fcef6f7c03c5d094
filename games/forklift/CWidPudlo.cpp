// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game's box.
#include "games/forklift/CWidPudlo.h"

#include "graphics/CTransBitmap.h"

CWidPudlo::CWidPudlo(Kind kind, CSlowa::SPaczka* word, bool hasPicture, int height, const Bitmap* mask,
                     std::unique_ptr<Bitmap> picture)
    : kind_(kind), word_(word), picture_(std::move(picture)), mask_(mask), height_(height), hasPicture_(hasPicture)
{
}

void CWidPudlo::Draw(Bitmap& target, int px, int py) const
{
    if (!picture_ || mask_ == nullptr)
        return;
    BlendTransparent(&target, px, py, 255, py, px, &target, picture_->Bounds(), mask_, picture_.get());
}

bool CWidPudlo::Contains(int px, int py) const
{
    return x <= px && px < x + Width() && y <= py && py < y + PictureHeight();
}
