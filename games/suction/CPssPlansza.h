// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One board of the suction-cups game: five picture screens and five word
// plates, their opening animation, and the searches the screen's mouse
// handlers and hints make over them (always in list order, so where two
// rectangles overlap the earlier one wins).
#pragma once

#include <memory>
#include <vector>

#include "games/suction/CPssEkranik.h"
#include "games/suction/CPssRamka.h"

class CTransFont;
class TCanvas;

class CPssPlansza {
public:
    void AddPlate(std::unique_ptr<CPssRamka> plate) { plates_.push_back(std::move(plate)); }
    void AddScreen(std::unique_ptr<CPssEkranik> screen) { screens_.push_back(std::move(screen)); }

    // Entering the board makes the plates, leaving it frees every picture.
    void Prepare(CTransFont& font);
    void Release();

    void Draw(Bitmap& target);
    // Gives the placed plates' areas back to the clean scene, so that they
    // are blended anew over it.
    void ClearPlaced(Bitmap& target, const Bitmap& clean) const;
    // Puts the screens and plates of the composed picture on the window.
    void Show(TCanvas& window, const Bitmap& composed) const;

    // Only on the board's first visit: plates and screens get random delays.
    void StartOpening();
    // One timer step of the opening; true when something is to be redrawn.
    bool Tick();
    bool Busy() const;
    bool Opened() const { return opened_; }

    CPssRamka* PlateAt(int x, int y) const;
    CPssRamka* FreePlateAt(int x, int y) const;
    CPssEkranik* ScreenDockingAt(int x, int y) const;
    CPssEkranik* ScreenAt(int x, int y) const;
    CPssRamka* RandomUnplacedPlate() const;
    CPssEkranik* ScreenForPlate(const CPssRamka* plate) const;
    int UnplacedCount() const;

    int PlateCount() const { return static_cast<int>(plates_.size()); }
    int ScreenCount() const { return static_cast<int>(screens_.size()); }
    CPssRamka& Plate(int i) const { return *plates_[static_cast<std::size_t>(i)]; }
    CPssEkranik& Screen(int i) const { return *screens_[static_cast<std::size_t>(i)]; }

private:
    std::vector<std::unique_ptr<CPssRamka>> plates_;
    std::vector<std::unique_ptr<CPssEkranik>> screens_;
    bool opened_ = false;
};
