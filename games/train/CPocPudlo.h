// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One box of the train's shelf: its picture, the sound it accepts and the
// label point where the sound's name is written and drops are aimed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"

class CDisplay;
class CPocRegal;

class CPocPudlo {
public:
    // Where box k (0-11) stands on a shelf whose origin is (originX, originY),
    // and its picture file.
    struct SPlace {
        int x;
        int y;
        int dx;
        int dy;
        std::string pictureName;
    };
    static SPlace Placement(const CDisplay& display, int k, int originX, int originY);

    // Loads the picture; raises the loader's error when it cannot.
    CPocPudlo(CPocRegal& shelf, int x, std::string_view pictureName, int dy, int dx, int y);
    // A box with its picture already made.
    CPocPudlo(CPocRegal& shelf, int x, std::unique_ptr<Bitmap> picture, int dy, int dx, int y);
    CPocPudlo(const CPocPudlo&) = delete;
    CPocPudlo& operator=(const CPocPudlo&) = delete;

    // The picture with the label of the box's sound centred on the label
    // point; nothing when the box is not in use.
    void Draw(Bitmap& target) const;
    // Within half the target's size of the label point, left and top inclusive.
    bool Hit(int px, int py) const;
    // Half the side of the square around the label point that takes drops.
    static int TargetRadius();

    CPocRegal& Shelf() const { return *shelf_; }
    int X() const { return x_; }
    int Y() const { return y_; }
    int DX() const { return dx_; }
    int DY() const { return dy_; }
    TPoint LabelPoint() const { return {x_ + dx_, y_ + dy_}; }
    const Bitmap* Picture() const { return picture_.get(); }

    int32_t Key = 0;     // the sound bit the box accepts
    bool Active = true;  // drawn and accepting drops

private:
    CPocRegal* shelf_;
    int x_;
    int y_;
    int dx_;
    int dy_;
    std::unique_ptr<Bitmap> picture_;
};
