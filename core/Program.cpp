// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Program.h"

#include <algorithm>

CSlowa* Slowa = nullptr;
CStatRec* StatRec = nullptr;
TApplication* Application = nullptr;

namespace {

CVoiceScreen* voiceScreen = nullptr;

std::vector<CGameScreen*>& GameScreens()
{
    static std::vector<CGameScreen*> screens;
    return screens;
}

}  // namespace

CGameScreen* GameScreenFor(int gameId)
{
    for (CGameScreen* s : GameScreens())
        if (s->GameId() == gameId)
            return s;
    return nullptr;
}

void RegisterGameScreen(CGameScreen* screen)
{
    UnregisterGameScreen(screen);
    GameScreens().push_back(screen);
}

void UnregisterGameScreen(CGameScreen* screen)
{
    auto& s = GameScreens();
    s.erase(std::remove(s.begin(), s.end(), screen), s.end());
}

CVoiceScreen* TheVoiceScreen()
{
    return voiceScreen;
}

void RegisterVoiceScreen(CVoiceScreen* screen)
{
    voiceScreen = screen;
}
