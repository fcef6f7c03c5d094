// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A system font as the screens name it: face, pixel height, bold, italic,
// underline, colour.
#pragma once

#include <string>

#include "platform/Bitmap.h"

constexpr TColor clWindowText = clBlack;
constexpr TColor clWindow = clWhite;
constexpr TColor clBtnFace = RGB(240, 240, 240);
constexpr TColor clGray = RGB(128, 128, 128);

struct TFont {
    std::string Name = "MS Sans Serif";  // "Arial Black", "Tahoma", "MS Sans Serif", "Arial"
    int Height = 13;                     // pixels of the em square
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;  // links
    TColor Color = clWindowText;

    bool operator==(const TFont&) const = default;
};
