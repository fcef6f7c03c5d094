// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/suction/CPssEkranik.h"

#include "games/suction/CPssEkranikRes.h"
#include "graphics/CTransBitmap.h"
#include "graphics/Cbitmapy.h"
#include "platform/Random.h"

CPssEkranik::CPssEkranik(const CPssEkranikRes& place, const Bitmap& snow, const SPaczka& word)
    : place_(&place), snow_(&snow), snowPhase_(RandomInt(4)), word_(&word)
{
}

void CPssEkranik::Draw(Bitmap& target)
{
    const TRect& r = place_->Rect();
    const int w = r.Width(), h = r.Height();
    if (snowTicks_ > 0) {
        ++snowPhase_;
        const int sw = snow_->Width(), sh = snow_->Height();
        const TPoint corners[4] = {{0, 0}, {sw - w, 0}, {sw - w, sh - h}, {0, sh - h}};
        const TPoint c = corners[snowPhase_ % 4];
        target.CopyRect(r, *snow_, RectXYWH(c.x, c.y, w, h));
    } else {
        snowTicks_ = 0;
        if (!picture_)
            picture_ = LoadWordPictureLarge(word_->Key, w, h, 1);
        if (picture_)
            target.CopyRect(RectXYWH(r.left, r.top, picture_->Width(), picture_->Height()), *picture_,
                            picture_->Bounds());
    }
    const CTransBitmap& casing = place_->CutOut();
    BlendTransparent(&target, r.left, r.top, 255, r.top, r.left, &target, RectXYWH(0, 0, w, h), casing.Mask.get(),
                     casing.Colour.get());
}
