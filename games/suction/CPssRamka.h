// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A word plate of a suction-cups board: the plate picture with the word
// written on it, which unfolds from its middle when the board opens, is
// dragged by the child and sticks below its screen once placed.
#pragma once

#include <memory>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"

class CDisplay;
class CTransBitmap;
class CTransFont;

class CPssRamka {
public:
    using SPaczka = CSlowa::SPaczka;

    // The plate picture must hold a colour part; clean is the scene the
    // plate is drawn over at home.
    CPssRamka(TPoint home, const SPaczka& word, const Bitmap& clean, const CTransBitmap& platePicture);

    static constexpr int kHomeCount = 5;
    // Home centre of plate k = 0..4 in the display mode.
    static TPoint Home(const CDisplay& display, int k);

    // Makes the plate: the plate picture with the word in capitals centred
    // on it in font (black, clipped to the plate).
    void Prepare(CTransFont& font);
    void Release() { plate_.reset(); }
    bool Prepared() const { return plate_ != nullptr; }
    const Bitmap* Plate() const { return plate_.get(); }

    void Draw(Bitmap& target);
    // Blends the plate through its mask at (left, top) over the target itself.
    void DrawPlaced(Bitmap& target, int left, int top) const;

    bool Contains(int x, int y) const { return Rect().Contains(x, y); }
    TRect Rect() const;
    // What Draw may have changed: the plate, and a row more while the left
    // half is drawn a row lower.
    TRect ChangedArea() const;

    const SPaczka& Word() const { return *word_; }
    int Width() const;
    int Height() const;
    TPoint Centre() const { return centre_; }
    void SetCentre(TPoint centre) { centre_ = centre; }
    int Opening() const { return opening_; }
    void SetOpening(int opening) { opening_ = opening; }
    bool AtHome() const { return atHome_; }
    void SetAtHome(bool atHome) { atHome_ = atHome; }
    bool Placed() const { return placed_; }
    // Sticks the plate at its screen's docking point for the rest of the game.
    void PlaceAt(TPoint dock);

private:
    void BlendPart(Bitmap& target, TRect source, int left, int top) const;

    const SPaczka* word_;
    const Bitmap* clean_;
    std::unique_ptr<Bitmap> plate_;
    const CTransBitmap* platePicture_;
    TPoint centre_;
    int opening_ = 0;
    bool atHome_ = true;
    bool placed_ = false;
};
