// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture kept as JPEG bytes: the memory game's card faces are held this
// way while a game runs and decoded when a card is drawn.
#pragma once

#include <string>

#include "platform/Bitmap.h"

class JpegImage {
public:
    JpegImage() = default;
    // Encodes a picture at the given quality.
    explicit JpegImage(const Bitmap& picture, int quality = 90);

    bool Empty() const { return bytes_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Bytes() const { return bytes_; }

    // The decoded 24-bit picture (empty when there is none).
    Bitmap ToBitmap() const;
    // Draws the decoded picture onto a canvas with its top-left corner at (x, y).
    void Draw(Bitmap& canvas, int x, int y) const;

private:
    std::string bytes_;
    int width_ = 0;
    int height_ = 0;
};
