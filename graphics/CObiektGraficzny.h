// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of the picture library placed at a position, able to save and
// restore what lies under it (the main menu's captions).
#pragma once

#include <memory>
#include <string_view>

#include "platform/Bitmap.h"

class CObiektGraficzny {
public:
    // Loads the named library picture; throws CBlad(1) when it cannot.
    explicit CObiektGraficzny(std::string_view name);
    CObiektGraficzny(const CObiektGraficzny&) = delete;
    CObiektGraficzny& operator=(const CObiektGraficzny&) = delete;

    void SetPosition(int x, int y);
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int X() const { return x_; }
    int Y() const { return y_; }

    void Draw(Bitmap& canvas) const;
    // Keeps a copy of the canvas area the picture covers at its position.
    void SaveBackground(const Bitmap& canvas);
    // Puts the saved area back; nothing before the first SaveBackground.
    void RestoreBackground(Bitmap& canvas) const;

private:
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    Bitmap picture_;
    std::unique_ptr<Bitmap> saved_;
};
