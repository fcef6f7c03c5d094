// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A can on the conveyor: one word's picture in the can's window, drawn from
// the lower can picture while it stands on the belt or hangs under the
// magnet, and from the upper one while it is pushed up into a pipe.
#pragma once

#include <cstdint>
#include <memory>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"

class CTasPuszka {
public:
    using SPaczka = CSlowa::SPaczka;

    // The pictures become the can's; the masks stay the screen's and must
    // outlive the can.
    CTasPuszka(const SPaczka& word, std::unique_ptr<Bitmap> lowerPicture, int lift, int gripWidth,
               const Bitmap& upperMask, const Bitmap& lowerMask, std::unique_ptr<Bitmap> upperPicture);
    CTasPuszka(const CTasPuszka&) = delete;
    CTasPuszka& operator=(const CTasPuszka&) = delete;

    const SPaczka& Word() const { return word_; }
    int GripWidth() const { return gripWidth_; }
    int Lift() const { return lift_; }

    // On the belt x is relative to the belt; off it, a screen position.
    int x = 0;
    int y = 0;
    // 0: the lower picture and mask are used; 1: the upper ones.
    uint8_t upper = 0;

    const Bitmap& Picture() const { return upper ? *upperPicture_ : *lowerPicture_; }
    const Bitmap& Mask() const { return upper ? upperMask_ : lowerMask_; }
    int Width() const { return Picture().Width(); }
    int Height() const { return Picture().Height(); }

    // The current picture blended in place at (px, py), or with its bottom
    // at py when the upper picture is used.
    void Draw(Bitmap& target, int px, int py) const;
    // The current picture with its top-left at (left, top), leaving out the
    // rows above fromY (a can vanishing into a pipe).
    void DrawBelow(Bitmap& target, int left, int top, int fromY) const;
    // Whether px lies in the band of GripWidth pixels centred on the can
    // (x being the can's left edge in px's coordinates).
    bool UnderGrip(int px) const;
    // The can's top when it hangs on a magnet whose working face is at
    // line: under it (lower picture), or standing on it (upper picture).
    int Top(int line) const;

private:
    const SPaczka& word_;
    std::unique_ptr<Bitmap> lowerPicture_;
    std::unique_ptr<Bitmap> upperPicture_;
    const Bitmap& lowerMask_;
    const Bitmap& upperMask_;
    int gripWidth_;
    int lift_;
};
