// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Messages of the sprite loader's errors.
#include "graphics/ETransBitmap.h"

#include "platform/Text.h"

std::string TransBitmapMessage(uint8_t code)
{
    switch (code) {
    case 1: return "CTransBitmap, Błąd: berrUnknown"_cp;
    case 2: return "CTransBitmap, Błąd: berrFileOpen"_cp;
    case 3: return "CTransBitmap, Błąd: berrFileCreate"_cp;
    case 4: return "CTransBitmap, Błąd: berrBroken"_cp;
    case 5: return "CTransBitmap, Błąd: berrUnknownType"_cp;
    case 6: return "CTransBitmap, Błąd berrLoad"_cp;
    case 7: return "CTransBitmap, Błąd berrSave"_cp;
    case 8: return "CTransBitmap, Błąd berrSize"_cp;
    case 9: return "CTransBitmap, Błąd berrRead"_cp;
    case 10: return "CTransBitmap, Błąd berrWrite"_cp;
    case 11: return "CTransBitmap, Błąd berrClose"_cp;
    case 12: return "CTransBitmap, Błąd berrWidth"_cp;
    case 13: return "CTransBitmap, Błąd berrHeight"_cp;
    case 14: return "CTransBitmap, Błąd berrFormat"_cp;
    case 15: return "CTransBitmap, Błąd berrEmpty"_cp;
    case 16: return "CTransBitmap, Błąd berrBadIndex"_cp;
    case 17: return "CTransBitmap, Błąd berrPixelFormat"_cp;
    case 18: return "CTransBitmap, Błąd berrDifferentType"_cp;
    default: return "CTransBitmap, Błąd: NIEZNANY!"_cp;
    }
}

ETransBitmap::ETransBitmap(uint8_t code) : std::runtime_error(TransBitmapMessage(code)), Code(code) {}

ETransBitmap::ETransBitmap(uint8_t code, std::string_view fileName)
    : std::runtime_error(TransBitmapMessage(code) + ", Plik: " + std::string(fileName)), Code(code)
{
}
