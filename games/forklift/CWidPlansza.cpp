// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/forklift/CWidPlansza.h"

#include "games/forklift/CWidWozek.h"

CWidPlansza::CWidPlansza(CWidWozek& truck)
    : left_(std::make_unique<CWidRegal>()), right_(std::make_unique<CWidRegal>()), truck_(&truck),
      saved_(truck.Measures().startX, truck.Measures().startForkHeight, this)
{
}

void CWidPlansza::SaveTruck() { saved_.CopyFrom(*truck_); }

void CWidPlansza::RestoreTruck() { truck_->CopyFrom(saved_); }

void CWidPlansza::DrawRacks(Bitmap& target)
{
    left_->Draw(target);
    right_->Draw(target);
}

CWidPudlo* CWidPlansza::BoxAt(int px, int py) const
{
    if (CWidPudlo* box = left_->BoxAt(px, py))
        return box;
    return right_->BoxAt(px, py);
}
