// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/suction/CPssPlansza.h"

#include "games/suction/CPssEkranikRes.h"
#include "platform/Canvas.h"
#include "platform/Random.h"

void CPssPlansza::Prepare(CTransFont& font)
{
    for (const auto& plate : plates_)
        plate->Prepare(font);
}

void CPssPlansza::Release()
{
    for (const auto& screen : screens_)
        screen->ReleasePicture();
    for (const auto& plate : plates_)
        plate->Release();
}

void CPssPlansza::Draw(Bitmap& target)
{
    for (const auto& screen : screens_)
        screen->Draw(target);
    for (const auto& plate : plates_)
        plate->Draw(target);
}

void CPssPlansza::ClearPlaced(Bitmap& target, const Bitmap& clean) const
{
    for (const auto& plate : plates_)
        if (plate->Placed()) {
            const TRect r = plate->ChangedArea();
            target.CopyRect(r, clean, r);
        }
}

void CPssPlansza::Show(TCanvas& window, const Bitmap& composed) const
{
    for (const auto& screen : screens_) {
        const TRect& r = screen->Place().Rect();
        window.CopyRect(r, composed, r);
    }
    for (const auto& plate : plates_) {
        const TRect r = plate->ChangedArea();
        window.CopyRect(r, composed, r);
    }
}

void CPssPlansza::StartOpening()
{
    if (opened_)
        return;
    opened_ = true;
    for (const auto& plate : plates_)
        plate->SetOpening(RandomInt(200) + 120);
    for (const auto& screen : screens_)
        screen->SetSnowTicks(RandomInt(25) + 30);
}

bool CPssPlansza::Tick()
{
    bool changed = false;
    for (const auto& plate : plates_)
        if (plate->Opening() > 0) {
            plate->SetOpening(plate->Opening() - 8);
            changed = true;
        }
    for (const auto& screen : screens_)
        if (screen->SnowTicks() > 0) {
            screen->SetSnowTicks(screen->SnowTicks() - 1);
            changed = true;
        }
    return changed;
}

bool CPssPlansza::Busy() const
{
    for (const auto& plate : plates_)
        if (plate->Opening() > 0)
            return true;
    for (const auto& screen : screens_)
        if (screen->SnowTicks() > 0)
            return true;
    return false;
}

CPssRamka* CPssPlansza::PlateAt(int x, int y) const
{
    for (const auto& plate : plates_)
        if (plate->Contains(x, y))
            return plate.get();
    return nullptr;
}

CPssRamka* CPssPlansza::FreePlateAt(int x, int y) const
{
    for (const auto& plate : plates_)
        if (plate->Opening() <= 0 && !plate->Placed() && plate->Contains(x, y))
            return plate.get();
    return nullptr;
}

CPssEkranik* CPssPlansza::ScreenDockingAt(int x, int y) const
{
    for (const auto& screen : screens_)
        if (screen->Place().Docks(x, y))
            return screen.get();
    return nullptr;
}

CPssEkranik* CPssPlansza::ScreenAt(int x, int y) const
{
    for (const auto& screen : screens_)
        if (screen->Place().Contains(x, y))
            return screen.get();
    return nullptr;
}

CPssRamka* CPssPlansza::RandomUnplacedPlate() const
{
    if (plates_.empty())
        return nullptr;
    CPssRamka* chosen = plates_[static_cast<std::size_t>(RandomInt(PlateCount()))].get();
    if (!chosen->Placed())
        return chosen;
    for (const auto& plate : plates_)
        if (!plate->Placed())
            return plate.get();
    return nullptr;
}

CPssEkranik* CPssPlansza::ScreenForPlate(const CPssRamka* plate) const
{
    if (plate == nullptr)
        return nullptr;
    for (const auto& screen : screens_)
        if (screen->Word().Key == plate->Word().Key)
            return screen.get();
    return nullptr;
}

int CPssPlansza::UnplacedCount() const
{
    int n = 0;
    for (const auto& plate : plates_)
        n += plate->Placed() ? 0 : 1;
    return n;
}
