// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One box of the forklift game: a word shown as its picture or as its written
// form, with its own composed picture and the shared mask of its kind. It
// stands in a rack slot or rides on the truck's fork.
#pragma once

#include <memory>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"

class CWidPudlo {
public:
    enum class Kind { Picture, Text };

    // The box owns picture; mask belongs to the game screen and must outlive it.
    CWidPudlo(Kind kind, CSlowa::SPaczka* word, bool hasPicture, int height, const Bitmap* mask,
              std::unique_ptr<Bitmap> picture);
    CWidPudlo(const CWidPudlo&) = delete;
    CWidPudlo& operator=(const CWidPudlo&) = delete;

    // Blends the picture through the mask over target at (x, y), fully opaque.
    void Draw(Bitmap& target, int x, int y) const;
    // Whether (px, py) lies on the box's picture placed at its own top-left.
    bool Contains(int px, int py) const;

    Kind BoxKind() const { return kind_; }
    CSlowa::SPaczka* Word() const { return word_; }
    bool HasPicture() const { return hasPicture_; }
    // How far the box's top lies above the surface it stands on.
    int Height() const { return height_; }
    int Width() const { return picture_ ? picture_->Width() : 0; }
    int PictureHeight() const { return picture_ ? picture_->Height() : 0; }
    const Bitmap* Picture() const { return picture_.get(); }
    const Bitmap* Mask() const { return mask_; }

    // The top-left while the box stands in a slot (set by the slot).
    int x = 0;
    int y = 0;

private:
    Kind kind_;
    CSlowa::SPaczka* word_;
    std::unique_ptr<Bitmap> picture_;
    const Bitmap* mask_;
    int height_;
    bool hasPicture_;
};
