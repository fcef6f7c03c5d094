// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift truck: driving towards and away from the racks, turning at
// the turning point, lifting, and the approach in which the fork engages a
// slot, takes a box from the right rack or delivers one to the left rack.
// Integer steps on design-area pixels, one call per frame; the screen only
// draws what this decides.
#pragma once

#include <array>
#include <string>

#include "games/forklift/CWidWozekStan.h"
#include "games/forklift/ForkliftMeasures.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CWidWozek : public CWidWozekStan {
public:
    // Picture indices: body, fork, overlay facing left and right, body and
    // fork from the front.
    enum Picture { kBodyLeft, kForkLeft, kOverlayLeft, kBodyRight, kForkRight, kOverlayRight, kBodyFront, kForkFront };
    static constexpr int kPictureCount = 8;
    // Their file names, without the mode prefix and the "W"/"B" ending.
    static const std::array<const char*, kPictureCount>& PictureNames();

    // What a frame of driving left brought.
    enum Delivery { kNothing = 0, kRightDelivery = 1, kWrongDelivery = 2 };

    // In the start state, on no board, without pictures.
    explicit CWidWozek(const ForkliftMeasures& measures);

    // The eight pairs folder + prefix + name + "W"/"B" + ".xji"; raises
    // ETransBitmap when one cannot be loaded.
    void LoadPictures(const std::string& folderAndPrefix);
    CTransBitmap& PictureAt(int index) { return pictures_[static_cast<std::size_t>(index)]; }

    // One frame with the key held; the truck must stand on a board.
    int DriveLeft(int a);
    void DriveRight(int a);
    // The fork moves only while no slot is engaged.
    void Raise(int a);
    void Lower(int a);

    int ForkY() const { return measures_.floor - ForkHeight; }
    // Top-left of the box on the fork.
    TPoint BoxPosition() const;
    // The box on the fork when the point lies on it.
    CWidPudlo* BoxAt(int px, int py) const;
    // Covers everything Draw paints in the present state.
    TRect Rect() const;
    void Draw(Bitmap& target) const;

    const ForkliftMeasures& Measures() const { return measures_; }

private:
    struct Placed {
        int index;
        int x;
        int y;
    };
    // The pictures Draw paints, in order; count of them in n.
    int Layout(std::array<Placed, 3>& parts) const;
    int PictureWidth(int index) const;
    int PictureHeight(int index) const;
    // The approach step: a third of a, at least one pixel.
    static int ApproachStep(int a) { return std::max((a + 1) / 3, 1); }

    ForkliftMeasures measures_;
    std::array<CTransBitmap, kPictureCount> pictures_;
};
