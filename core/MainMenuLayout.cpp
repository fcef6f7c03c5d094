// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MainMenuLayout.h"

#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"

const std::array<const char*, 12> kSoundButtonNames = {"SZ", "ZZ", "CZ", "DZZ", "S", "Z", "C", "DZ",
                                                       "SS", "ZZZ", "CC", "DZZZ"};
const std::array<int, 12> kSoundButtonBits = {GL_SZ, GL_ZRZ, GL_CZ, GL_DZZ, GL_S, GL_Z, GL_C, GL_DZ,
                                              GL_SS, GL_ZZ, GL_CC, GL_DZZZ};

SMainMenuLayout MainMenuLayout(const CDisplay& d)
{
    SMainMenuLayout l;
    const int ox = d.OffsetX();
    const int oy = d.OffsetY();
    const int pw = d.PictureWidth();
    const int ph = d.PictureHeight();
    const int mode = d.Mode();
    auto R = [&](int v) { return d.ConvertFromModeRounded(2, v); };
    auto T = [&](int v) { return d.ConvertFromMode(16, v); };

    l.tabPrefix = mode == 2 ? "R2_" : mode == 4 ? "R3_" : "R8_";
    if (mode == 2)
        l.tabStrip = {ox + 526, oy + 77};
    else if (mode == 4)
        l.tabStrip = {ox + 674, oy + 99};
    else
        l.tabStrip = {ox + 842, oy + 124};

    // Designed in the 1024 x 768 scene, inside its 5-pixel border.
    const auto scene = [&](int v) { return v * pw / 1024; };
    l.panel = {ox + scene(180), oy + scene(127), ox + scene(731), oy + scene(635)};

    l.logo = mode == 16 ? TPoint{16 + ox, 267 + oy} : TPoint{T(16) + ox, T(267) + oy};
    l.captionCentreX = R(339) + ox;
    l.amountCaptionTop = R(140) + oy;
    l.soundCaptionTop = R(225) + oy;
    l.positionCaptionTop = R(394) + oy;

    const int bottomRow = oy + ph - ph / 7;
    l.about = {pw / 2 + ox - 155, bottomRow};
    l.exit = {pw / 2 + ox - 55, bottomRow};
    l.start = {pw / 2 + ox + 35, bottomRow};
    // In 800 x 600 the row of the recording buttons would touch the eighth
    // recording row (which ends at 426), and the panel's inside ends at 496:
    // the buttons go a little lower, to the middle of the room between the
    // two, where the plate behind them fits too.
    const int recTop = mode == 16 ? oy + 595 : mode == 2 ? oy + 434 : oy + (ph * 10) / 14;
    l.record = {mode == 16 ? ox + 515 : R(350) + ox, recTop};
    l.play = {mode == 16 ? ox + 415 : R(270) + ox, recTop};
    l.stop = {mode == 16 ? ox + 465 : R(310) + ox, recTop};
    l.up = {ox + 240, (ph / 70) * 22 + oy - 32};
    l.down = {ox + 240, (ph / 70) * 22 + oy + 256};

    l.amounts = {TPoint{R(169) + ox, R(174) + oy}, TPoint{R(300) + ox, R(174) + oy},
                 TPoint{R(437) + ox, R(174) + oy}};
    const int step = R(270) / 3;
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 4; ++c)
            l.sounds[static_cast<std::size_t>(row * 4 + c)] = {R(180) + c * step + ox, R(260) + row * R(40) + oy};
    l.positions = {TPoint{R(169) + ox, R(430) + oy}, TPoint{R(300) + ox, R(430) + oy},
                   TPoint{R(437) + ox, R(430) + oy}};

    l.checkPrefix = mode == 2 ? "s_" : "b_";
    l.captionSuffix = mode == 2 ? "_s" : "_b";
    l.speakerBase = mode == 2 ? "Data\\Intf\\Spec\\R2_glos" : "Data\\Intf\\Spec\\R3_glos";
    l.speakerMargin = mode == 2 ? 4 : 5;
    return l;
}

namespace {

// The tabs' columns and bands in the 1024x768 strip; y bands are half-open.
constexpr int kTabLeft = 64;
constexpr int kTabRight = 222;  // inclusive
constexpr int kBands[6][2] = {{28, 125}, {140, 213}, {225, 303}, {312, 383}, {394, 465}, {476, 545}};

}  // namespace

int TabAt(const CDisplay& d, int x, int y)
{
    auto conv = [&](int v) { return d.ConvertFromModeRounded(4, v); };
    if (x < conv(kTabLeft) || x > conv(kTabRight))
        return 0;
    for (int k = 0; k < 6; ++k)
        if (conv(kBands[k][0]) <= y && y < conv(kBands[k][1]))
            return k + 1;
    return 0;
}

TPoint TabStripNeeds(const CDisplay& d)
{
    return {d.ConvertFromModeRounded(4, kTabRight) + 1, d.ConvertFromModeRounded(4, kBands[5][1])};
}
