// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A wagon of the train.
#include "games/train/CPocWagon.h"

#include <algorithm>
#include <stdexcept>

#include "graphics/CDisplay.h"

CPocWagon::SPlace CPocWagon::Placement(const CDisplay& display, int i)
{
    static constexpr SPlace kMode2[4] = {{229, 401, 376}, {368, 401, 377}, {510, 401, 378}, {653, 401, 379}};
    static constexpr SPlace kMode16[4] = {{368, 643, 602}, {590, 643, 604}, {818, 643, 605}, {1046, 643, 607}};
    if (i < 1 || i > 4)
        throw std::out_of_range("CPocWagon");
    const auto k = static_cast<std::size_t>(i - 1);
    SPlace p = kMode2[k];
    if (display.Mode() != 2) {
        const SPlace& d = kMode16[k];
        p = {display.ConvertFromMode(16, d.x), display.ConvertFromMode(16, d.y),
             display.ConvertFromMode(16, d.clearance)};
    }
    p.x += display.PictureOffsetX();
    p.y += display.PictureOffsetY();
    p.clearance += display.PictureOffsetY();
    return p;
}

CPocWagon::CPocWagon(int x, int y, std::string_view baseName, int clearance) : x_(x), y_(y), clearance_(clearance)
{
    const std::string base(baseName);
    if (front_.TryLoadPair(base + "B.xji", base + "W.xji") != 0)
        throw std::runtime_error("CPocWagon");
}

CPocWagon::CPocWagon(int x, int y, CTransBitmap front, int clearance)
    : front_(std::move(front)), x_(x), y_(y), clearance_(clearance)
{
}

void CPocWagon::Pop()
{
    if (!words_.empty())
        words_.pop_back();
}

bool CPocWagon::Hit(int px, int py) const
{
    return !words_.empty() && Rect().Contains(px, py);
}

CPocWagon::SMove CPocWagon::MoveRule(int x, int y, int previousY, int pictureHeight) const
{
    if (y > y_)
        return {x, y, true, false};
    const int line = clearance_ - pictureHeight;
    if (y > line) {
        if (x_ - 15 < x && x < x_ + 15)
            x = x_;
        else if (previousY <= line)
            y = line;
        return {x, y, false, false};
    }
    return {x, y, false, true};
}

TPoint CPocWagon::ConfinedPointer(TPoint pointer, TPoint grabOffset, bool released, int pictureHeight) const
{
    if (!released)
        return {x_ + grabOffset.x, std::min(pointer.y, y_ + grabOffset.y)};
    return {pointer.x, std::min(pointer.y, clearance_ - pictureHeight + grabOffset.y)};
}

void CPocWagon::DrawWithPicture(Bitmap& target) const
{
    const SPaczka* top = Top();
    if (!top || !top->Picture)
        return;
    BlendTransparent(&target, x_, y_, 255, 0, 0, top->Picture.get(), RectXYWH(0, 0, FrontWidth(), FrontHeight()),
                     front_.Mask.get(), front_.Colour.get());
}

void CPocWagon::DrawFront(Bitmap& target) const
{
    BlendTransparent(&target, x_, y_, 255, y_, x_, &target, RectXYWH(0, 0, FrontWidth(), FrontHeight()),
                     front_.Mask.get(), front_.Colour.get());
}
