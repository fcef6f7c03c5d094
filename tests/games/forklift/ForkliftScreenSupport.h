// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift screen inside the whole program on the generated data tree,
// shown without a message loop so that a test steps its frames itself and
// holds its keys through its handlers; the summary is answered at once.
#pragma once

#include <memory>

#include "games/forklift/FormWidlak.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/games/forklift/ForkliftRobot.h"

class ForkliftScreen {
public:
    ForkliftScreen(int width = 1024, int height = 768);

    // False when there is no generated tree (the test skips). Starts a game
    // of the amount with every sound and position.
    bool Start(int poziom);

    TFormWidlak& Form() { return *FormWidlak; }
    CWidWozek& Truck() { return FormWidlak->Truck(); }
    CWidPlansza& Board() { return FormWidlak->Board(FormWidlak->CurrentBoard()); }
    TApplication& App() { return rig_.App(); }
    const TempDir& Dir() { return rig_.Dir(); }

    // The keys held from now on, through the screen's key handlers.
    void Hold(ForkliftKeys keys);
    // Frames of the running game (none once its loop has stopped).
    void Frames(int n);
    // Drives the present board with the test driver until it is done, the
    // last box of the game is delivered or the summary shows; returns the
    // frames it took.
    int PlayBoard(int maxFrames = 4000);

    // What the summary answers (1 new game, 2 back), how often it showed
    // and the frame count when it last did.
    int summaryResult = 2;
    int summaries = 0;
    int framesRun = 0;
    int summaryFrame = -1;

private:
    ProgramRig rig_;
    ForkliftKeys held_;
};
