// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One board of the forklift game: the rack of reference boxes with their
// empty slots on the left, the rack of boxes to carry on the right, and the
// truck as the child left it on this board.
#pragma once

#include <memory>

#include "games/forklift/CWidRegal.h"
#include "games/forklift/CWidWozekStan.h"
#include "platform/Bitmap.h"

class CWidWozek;

class CWidPlansza {
public:
    // Two empty racks; the saved truck is in the truck's start state.
    explicit CWidPlansza(CWidWozek& truck);
    CWidPlansza(const CWidPlansza&) = delete;
    CWidPlansza& operator=(const CWidPlansza&) = delete;

    // The truck's state (and the box on its fork) goes into the board.
    void SaveTruck();
    // The truck takes the board's state (and the box saved with it).
    void RestoreTruck();
    // Left rack, then right rack.
    void DrawRacks(Bitmap& target);
    // In the left rack, then the right rack.
    CWidPudlo* BoxAt(int px, int py) const;
    // Whether a rack changed since it was last drawn.
    bool RacksChanged() const { return left_->Changed() || right_->Changed(); }

    CWidRegal& LeftRack() const { return *left_; }
    CWidRegal& RightRack() const { return *right_; }
    CWidWozekStan& SavedTruck() { return saved_; }
    const CWidWozekStan& SavedTruck() const { return saved_; }

private:
    std::unique_ptr<CWidRegal> left_;
    std::unique_ptr<CWidRegal> right_;
    CWidWozek* truck_;
    CWidWozekStan saved_;
};
