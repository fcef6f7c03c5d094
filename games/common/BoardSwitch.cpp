// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/common/BoardSwitch.h"

#include <algorithm>

#include "graphics/CDisplay.h"

TPoint BoardSwitch::ButtonPosition(const CDisplay& display, Button button)
{
    struct SPlace {
        int x800, x1280;
    };
    constexpr int kY800 = 535;
    constexpr int kY1280 = 870;
    SPlace place{};
    switch (button) {
    case Button::Wstecz: place = {470, 840}; break;
    case Button::Dalej: place = {545, 940}; break;
    case Button::Pomoc: place = {640, 1060}; break;
    case Button::Stop: place = {735, 1180}; break;
    }
    TPoint p{place.x800, kY800};
    if (display.Mode() != 2)
        p = {display.ConvertFromMode(16, place.x1280), display.ConvertFromMode(16, kY1280) + display.SpareHeight()};
    return {p.x + display.OffsetX(), p.y + display.OffsetY()};
}

void BoardSwitch::Reset(int boardCount)
{
    count_ = std::max(boardCount, 0);
    current_ = -1;
    dalej_ = count_ > 1;
    wstecz_ = false;
}

bool BoardSwitch::MoveTo(int index)
{
    if (count_ <= 0)
        return false;
    index = std::clamp(index, 0, count_ - 1);
    if (index == current_)
        return false;
    current_ = index;
    return true;
}

int BoardSwitch::Step(int delta)
{
    const int n = current_ + delta;
    dalej_ = n < count_ - 1;
    wstecz_ = n > 0;
    return n;
}
