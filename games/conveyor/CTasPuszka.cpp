// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A can carrying one word.
#include "games/conveyor/CTasPuszka.h"

#include <algorithm>
#include <utility>

#include "graphics/CTransBitmap.h"

CTasPuszka::CTasPuszka(const SPaczka& word, std::unique_ptr<Bitmap> lowerPicture, int lift, int gripWidth,
                       const Bitmap& upperMask, const Bitmap& lowerMask, std::unique_ptr<Bitmap> upperPicture)
    : word_(word),
      lowerPicture_(std::move(lowerPicture)),
      upperPicture_(std::move(upperPicture)),
      lowerMask_(lowerMask),
      upperMask_(upperMask),
      gripWidth_(gripWidth),
      lift_(lift)
{
}

void CTasPuszka::Draw(Bitmap& target, int px, int py) const
{
    DrawBelow(target, px, upper ? py - Height() : py, py - Height() - 1);
}

void CTasPuszka::DrawBelow(Bitmap& target, int left, int top, int fromY) const
{
    const int skip = std::max(0, fromY - top);
    if (skip >= Height())
        return;
    BlendTransparent(&target, left, top, 255, top, left, &target, {0, skip, Width(), Height()}, &Mask(), &Picture());
}

bool CTasPuszka::UnderGrip(int px) const
{
    const int d = px - (x + (Width() - gripWidth_) / 2);
    return d >= 0 && d <= gripWidth_ - 1;
}

int CTasPuszka::Top(int line) const { return upper ? line + lift_ - Height() : line - lift_; }
