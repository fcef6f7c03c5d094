// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Library pictures placed on a canvas, with the background they cover.
#include "graphics/CObiektGraficzny.h"

#include "core/CBlad.h"
#include "graphics/PictureLibrary.h"

CObiektGraficzny::CObiektGraficzny(std::string_view name)
{
    try {
        OtworzBMP(name, picture_);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
    width_ = picture_.Width();
    height_ = picture_.Height();
}

void CObiektGraficzny::SetPosition(int x, int y)
{
    x_ = x;
    y_ = y;
}

void CObiektGraficzny::Draw(Bitmap& canvas) const
{
    canvas.Draw(x_, y_, picture_);
}

void CObiektGraficzny::SaveBackground(const Bitmap& canvas)
{
    try {
        auto saved = std::make_unique<Bitmap>(width_, height_, PixelFormat::Bgr24);
        saved->CopyRect(saved->Bounds(), canvas, RectXYWH(x_, y_, width_, height_));
        saved_ = std::move(saved);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
}

void CObiektGraficzny::RestoreBackground(Bitmap& canvas) const
{
    if (saved_)
        canvas.Draw(x_, y_, *saved_);
}
