// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the voice screen puts its panel, filters, card, list and buttons in
// the current display mode: written for 800 x 600 and grown with the design
// area, as the about screen is. The generator draws the screen's background
// from the same rectangles. Screen coordinates.
#pragma once

#include <array>
#include <string>

#include "platform/Bitmap.h"

class CDisplay;

struct VoiceScreenLayout {
    TRect panel;      // the cream panel with its border
    TRect title;      // the screen's title in the panel's top left
    std::string checkPrefix;  // "s_" or "b_", as the main menu's check buttons
    std::string captionSuffix;  // "_s" or "_b"
    TPoint wordsSwitch, phrasesSwitch;  // the two lists
    TPoint soundCaption, positionCaption;  // top-left corners
    int captionCentreX = 0;
    std::array<TPoint, 12> sounds;  // in the main menu's order of sound buttons
    std::array<TPoint, 3> positions;
    TRect card;       // the chosen word: picture, text, state, buttons
    TRect cardPicture;
    TPoint cardText;  // top-left of the word's text
    std::array<TPoint, 5> cardButtons;  // play, record (and stop), accept, delete, back
    TRect message;    // what the adult is told, two lines
    TRect counter;    // "120 z 353 słów nagranych" and the list's own count
    TRect list;       // the rows
    int rowHeight = 0;
    TRect scrollTrack;
    TRect help;       // the keys, one line
    int icon = 0;     // side of a row's small icons
    int textHeight = 0;  // the base font's pixel height
};

VoiceScreenLayout MakeVoiceScreenLayout(const CDisplay& display);

// The row icons, in the order of their picture strip.
enum class VoiceIcon { Play, Record, Accept, Delete, Human, Generated, Count };
