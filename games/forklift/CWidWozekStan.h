// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the forklift truck stands and what it carries: the part of the truck
// each board keeps for itself, so that the truck is found again as it was
// when the child comes back to a board.
#pragma once

#include <memory>

#include "games/forklift/CWidPudlo.h"
#include "games/forklift/CWidRegal.h"

class CWidPlansza;

class CWidWozekStan {
public:
    enum Orientation { kFacingLeft = 0, kFacingRight = 1, kTurning = 2 };

    // The start state: facing right at x with the fork at forkHeight, empty.
    CWidWozekStan(int x, int forkHeight, CWidPlansza* board);
    CWidWozekStan(const CWidWozekStan&) = delete;
    CWidWozekStan& operator=(const CWidWozekStan&) = delete;
    virtual ~CWidWozekStan() = default;

    // Takes every field of other; the box moves here (a box this state held
    // is destroyed first) and other is left without one.
    void CopyFrom(CWidWozekStan& other);

    int X;                                        // the root of the fork
    int ForkHeight;                               // above the floor line
    int Turn = 0;                                 // progress of a turn
    int Orientation = kFacingRight;
    std::unique_ptr<CWidPudlo> Box;               // on the fork
    CWidPlansza* Board;
    CWidRegal::CMiejscePudla* Slot = nullptr;     // the slot the fork is engaged with
    bool WrongAttempt = false;                    // a wrong delivery reported in this engagement
};
