// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture screen of a suction-cups board: the word's picture in one of the
// scene's casings, or snow while the board opens.
#pragma once

#include <memory>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"

class CPssEkranikRes;

class CPssEkranik {
public:
    using SPaczka = CSlowa::SPaczka;

    CPssEkranik(const CPssEkranikRes& place, const Bitmap& snow, const SPaczka& word);

    // Snow while snow ticks remain (jumping between the snow picture's
    // corners on every call), else the word's picture; the casing on top.
    void Draw(Bitmap& target);
    void ReleasePicture() { picture_.reset(); }

    const CPssEkranikRes& Place() const { return *place_; }
    const SPaczka& Word() const { return *word_; }
    int SnowTicks() const { return snowTicks_; }
    void SetSnowTicks(int ticks) { snowTicks_ = ticks; }
    int SnowPhase() const { return snowPhase_; }
    bool PictureLoaded() const { return picture_ != nullptr; }

private:
    const CPssEkranikRes* place_;
    const Bitmap* snow_;
    int snowPhase_;
    int snowTicks_ = 0;
    const SPaczka* word_;
    std::unique_ptr<Bitmap> picture_;
};
