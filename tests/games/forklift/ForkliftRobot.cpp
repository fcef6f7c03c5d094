// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/forklift/ForkliftRobot.h"

#include <cstdlib>

namespace {

const CWidRegal::CMiejscePudla* FirstBoxed(const CWidRegal& rack)
{
    for (const auto& slot : rack.Slots())
        if (slot->Box() != nullptr)
            return slot.get();
    return nullptr;
}

// Up or down towards the fork line y; true when it is there.
bool Aim(const CWidWozek& truck, int y, ForkliftKeys& keys)
{
    const int a = truck.Measures().step;
    const int diff = truck.ForkY() - y;
    if (diff > a / 2)
        keys.up = true;
    else if (diff < -(a / 2))
        keys.down = true;
    return std::abs(diff) <= truck.Measures().tolerance / 2;
}

}  // namespace

ForkliftKeys NextKeys(const CWidWozek& truck, const CWidPlansza& board)
{
    const ForkliftMeasures& m = truck.Measures();
    ForkliftKeys keys;
    if (!truck.Box) {
        const CWidRegal::CMiejscePudla* slot = FirstBoxed(board.RightRack());
        if (slot == nullptr) {
            // Done: back away from the last slot so that it is released.
            if (truck.Slot != nullptr)
                keys.right = truck.Orientation == CWidWozek::kFacingLeft;
            return keys;
        }
        if (truck.Orientation != CWidWozek::kFacingRight || truck.Slot != nullptr) {
            keys.right = true;
            if (truck.Slot == nullptr)
                Aim(truck, slot->ShelfY(), keys);
            return keys;
        }
        const bool aligned = Aim(truck, slot->ShelfY(), keys);
        const bool far = truck.X + 3 * m.step + m.reach <= board.RightRack().Left() - m.margin;
        keys.right = aligned || far;
        return keys;
    }
    const CWidRegal::CMiejscePudla* slot = board.LeftRack().EmptySlotFor(truck.Box->Word());
    if (slot == nullptr)
        return keys;
    const int target = slot->ShelfY() - m.lift;
    if (truck.Orientation != CWidWozek::kFacingLeft || truck.Slot != nullptr) {
        keys.left = true;
        if (truck.Slot == nullptr)
            Aim(truck, target, keys);
        return keys;
    }
    const bool aligned = Aim(truck, target, keys);
    const bool far = truck.X - 3 * m.step - m.reach >= board.LeftRack().Right() + m.margin;
    keys.left = aligned || far;
    return keys;
}

int StepTruck(CWidWozek& truck, const ForkliftKeys& keys)
{
    const int a = truck.Measures().step;
    int result = 0;
    if (keys.left)
        result = truck.DriveLeft(a);
    else if (keys.right)
        truck.DriveRight(a);
    if (keys.up)
        truck.Raise(a);
    else if (keys.down)
        truck.Lower(a);
    return result;
}
