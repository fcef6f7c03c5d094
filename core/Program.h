// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide objects the screens share, made by the start-up routine:
// the word catalogue, the statistics, the application, and the game screens
// the main menu starts.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CSlowa;
class CStatRec;
class TApplication;

// Null outside the time between their creation and the clean-up.
extern CSlowa* Slowa;
extern CStatRec* StatRec;
extern TApplication* Application;

// What the main menu needs of a game screen.
class CGameScreen {
public:
    virtual ~CGameScreen() = default;
    // The game's settings record identifier (1 Pociag ... 5 Tasmociag).
    virtual int GameId() const = 0;
    // Whether the catalogue has enough words for the game's settings; the
    // memory game answers true (the menu checks its words itself).
    virtual bool EnoughWords() = 0;
    // Shows the game modally; returns when the child has left it.
    virtual int ShowGame() = 0;
};

// The game screen of a settings record identifier, or nullptr when that game
// is not part of this build.
CGameScreen* GameScreenFor(int gameId);
void RegisterGameScreen(CGameScreen* screen);
void UnregisterGameScreen(CGameScreen* screen);

// The screen where the practice records the words and phrases in its own
// voice; the main menu opens it with a key combination meant for the adult.
class CVoiceScreen {
public:
    virtual ~CVoiceScreen() = default;
    // Shows the screen modally; returns when the adult has left it.
    virtual void ShowVoiceScreen() = 0;
};

// The voice screen, or nullptr when this build has none; the screen
// registers itself while it exists (nullptr takes it away).
CVoiceScreen* TheVoiceScreen();
void RegisterVoiceScreen(CVoiceScreen* screen);

// The screens above the core (games, about screen) are made by a function the
// program passes to the start-up routine, in the order they are to be made;
// each returns an object the start-up routine owns until the clean-up.
class CScreenOwner {
public:
    virtual ~CScreenOwner() = default;
};
using ScreenMaker = std::function<std::unique_ptr<CScreenOwner>(TApplication&)>;
