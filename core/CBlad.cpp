// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CBlad.h"

#include "platform/Text.h"

CBlad::CBlad(int16_t code, std::string customText)
    : std::runtime_error("Blad"), Code(code), CustomText(std::move(customText))
{
}

std::string CBlad::Message() const
{
    return MessageForCode(Code, CustomText);
}

std::string MessageForCode(int16_t code, const std::string& customText)
{
    switch (code) {
    case 1: return "          Brak zasobów !\n\nProszę przeinstalować program."_cp;
    case 2: return "Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą."_cp;
    case 3: return "Plik statystyk nie został poprawnie stworzony."_cp;
    case 4: return "Brak dostępu do pliku konfiguracyjnego programu. Program zakończy działanie."_cp;
    case 99: return customText;
    default: return {};
    }
}
