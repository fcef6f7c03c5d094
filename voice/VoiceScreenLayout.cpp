// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice screen's geometry in every display mode.
#include "voice/VoiceScreenLayout.h"

#include "graphics/CDisplay.h"

VoiceScreenLayout MakeVoiceScreenLayout(const CDisplay& d)
{
    // Designed for 800 x 600; the 1280-wide modes keep the 1280 x 960 area
    // at the top, as the about screen does.
    const auto r = [&d](int v) { return d.ConvertFromModeRounded(2, v); };
    const int ox = d.OffsetX();
    const int oy = d.OffsetY();
    const auto at = [&](int x, int y) { return TPoint{ox + r(x), oy + r(y)}; };
    const auto box = [&](int x, int y, int w, int h) { return RectXYWH(ox + r(x), oy + r(y), r(w), r(h)); };

    VoiceScreenLayout l;
    const bool small = d.Mode() == 2;
    l.checkPrefix = small ? "s_" : "b_";
    l.captionSuffix = small ? "_s" : "_b";
    l.panel = box(12, 56, 776, 534);
    l.title = box(28, 62, 372, 30);
    l.wordsSwitch = at(40, 98);
    l.phrasesSwitch = at(180, 98);
    l.captionCentreX = ox + r(212);
    l.soundCaption = at(62, 138);
    l.positionCaption = at(62, 288);
    for (int i = 0; i < 12; ++i)
        l.sounds[static_cast<std::size_t>(i)] = at(36 + (i % 4) * 92, 174 + (i / 4) * 38);
    for (int i = 0; i < 3; ++i)
        l.positions[static_cast<std::size_t>(i)] = at(24 + i * 127, 324);
    l.card = box(24, 366, 376, 186);
    l.cardPicture = box(32, 374, 96, 72);
    l.cardText = at(138, 376);
    for (int i = 0; i < 4; ++i)
        l.cardButtons[static_cast<std::size_t>(i)] = at(40 + i * 66, 450);
    l.cardButtons[4] = at(714, 524);
    l.message = box(32, 510, 360, 40);
    l.counter = box(412, 62, 364, 36);
    l.list = box(412, 102, 352, 416);
    l.rowHeight = r(32);
    l.scrollTrack = box(766, 102, 8, 416);
    l.help = box(28, 560, 676, 22);
    l.icon = r(22);
    l.textHeight = r(13);
    return l;
}
