// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A forklift board laid out as the game lays it out in the 1280-wide mode,
// with plain boxes of the game's sizes and words of its own, for testing the
// truck and the racks without a window.
#pragma once

#include <array>
#include <memory>

#include "core/CSlowa.h"
#include "games/forklift/CWidPlansza.h"
#include "games/forklift/CWidWozek.h"

struct ForkliftTable {
    static constexpr int kPictureWidth = 176, kPictureHeight = 150, kPictureLift = 145;
    static constexpr int kTextWidth = 230, kTextHeight = 66, kTextLift = 61;

    ForkliftTable();

    // A box of the kind for word k.
    std::unique_ptr<CWidPudlo> MakeBox(CWidPudlo::Kind kind, int k);
    // Four rows: picture references on the left with empty slots for text,
    // text boxes on the right for the words in the order given.
    void Fill(CWidPlansza& board, std::array<int, 4> rightOrder);
    // A board of the truck's, filled and made current.
    CWidPlansza& NewBoard(std::array<int, 4> rightOrder = {0, 1, 2, 3});

    std::array<CSlowa::SPaczka, 4> words;
    Bitmap pictureMask{kPictureWidth, kPictureHeight, PixelFormat::Gray8};
    Bitmap textMask{kTextWidth, kTextHeight, PixelFormat::Gray8};
    ForkliftMeasures m;
    CWidWozek truck;
    std::vector<std::unique_ptr<CWidPlansza>> boards;
};

// The fork height at which the fork lies at y.
inline int HeightFor(const CWidWozek& truck, int y) { return truck.Measures().floor - y; }
