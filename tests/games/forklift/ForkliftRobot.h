// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A driver for the tests: from the truck and the racks of its board it
// decides which arrow keys to hold in the next frame to carry every box of
// the right rack to its slot, never pushing a box into a wrong slot.
#pragma once

#include "games/forklift/CWidPlansza.h"
#include "games/forklift/CWidWozek.h"

struct ForkliftKeys {
    bool left = false, right = false, up = false, down = false;
    bool operator==(const ForkliftKeys&) const = default;
    bool Any() const { return left || right || up || down; }
};

// The keys for the next frame; none once the board is done and the truck
// has backed away from the last slot.
ForkliftKeys NextKeys(const CWidWozek& truck, const CWidPlansza& board);

// One frame of the truck alone, as the game's frame moves it; returns what
// driving left reported.
int StepTruck(CWidWozek& truck, const ForkliftKeys& keys);
