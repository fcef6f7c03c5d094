// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Parking the pointer while the keyboard steers.
#include "games/common/KeyboardPointerPark.h"

KeyboardPointerPark::KeyboardPointerPark(int framesBeforePark) : limit_(framesBeforePark) {}

bool KeyboardPointerPark::Frame(bool arrowKeyHeld)
{
    if (!arrowKeyHeld)
        return false;
    // The count stops at the limit: holding a key for minutes parks once.
    if (count_ >= limit_)
        return false;
    ++count_;
    return count_ == limit_;
}

void KeyboardPointerPark::Parked(TPoint where)
{
    parked_ = true;
    parkedAt_ = where;
}

void KeyboardPointerPark::PointerMoved(TPoint where)
{
    if (parked_ && where == parkedAt_)
        return;
    parked_ = false;
    count_ = 0;
}

void KeyboardPointerPark::Reset()
{
    count_ = 0;
    parked_ = false;
}
