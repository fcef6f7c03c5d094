// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/forklift/ForkliftMeasures.h"

#include "graphics/CDisplay.h"

ForkliftMeasures ForkliftMeasures::Of(const CDisplay& d)
{
    auto s = [&d](int v) { return d.ConvertFromModeRounded(16, v); };
    ForkliftMeasures m{};
    m.leftBodyX = s(42), m.leftBodyY = s(600);
    m.rightBodyX = s(238), m.rightBodyY = s(597);
    m.leftOverlayX = s(27), m.leftOverlayY = s(556);
    m.rightOverlayX = s(231), m.rightOverlayY = s(556);
    m.frontBodyX = s(109), m.frontBodyY = s(590);
    m.floor = s(750);
    m.topFork = s(578);
    m.reach = s(16);
    m.turningPoint = s(740);
    m.turnLength = s(20);
    m.margin = s(30);
    m.tolerance = s(40);
    m.lift = s(6);
    m.step = s(6);
    m.startX = s(750);
    m.startForkHeight = s(50);
    return m;
}
