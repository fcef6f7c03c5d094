// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/forklift/CWidWozekStan.h"

CWidWozekStan::CWidWozekStan(int x, int forkHeight, CWidPlansza* board) : X(x), ForkHeight(forkHeight), Board(board)
{
}

void CWidWozekStan::CopyFrom(CWidWozekStan& other)
{
    if (&other == this)
        return;
    X = other.X;
    ForkHeight = other.ForkHeight;
    Turn = other.Turn;
    Orientation = other.Orientation;
    Box = std::move(other.Box);
    Board = other.Board;
    Slot = other.Slot;
    WrongAttempt = other.WrongAttempt;
}
