// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/forklift/ForkliftScreenSupport.h"

#include "core/CUstGry.h"
#include "platform/Input.h"
#include "screens/FormKoniecGry.h"

ForkliftScreen::ForkliftScreen(int width, int height) : rig_(width, height, "", 5) {}

bool ForkliftScreen::Start(int poziom)
{
    if (!rig_.Ready())
        return false;
    UstWidlak.Poziom = static_cast<int16_t>(poziom);
    UstWidlak.Gloski = 0xFFF;
    UstWidlak.Pozycja = 0x7000;
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [this, previous] {
        if (previous)
            previous();
        ++summaries;
        summaryFrame = framesRun;
        FormKoniecGry->SetModalResult(summaryResult);
    };
    if (!FormWidlak->EnoughWords())
        return false;
    FormWidlak->Show();
    return true;
}

void ForkliftScreen::Hold(ForkliftKeys keys)
{
    const std::pair<bool ForkliftKeys::*, int> map[] = {
        {&ForkliftKeys::left, VK_LEFT}, {&ForkliftKeys::up, VK_UP}, {&ForkliftKeys::right, VK_RIGHT},
        {&ForkliftKeys::down, VK_DOWN}};
    for (const auto& [flag, vk] : map) {
        int key = vk;
        if (keys.*flag && !(held_.*flag))
            FormWidlak->OnKeyDown(key, 0);
        else if (!(keys.*flag) && held_.*flag)
            FormWidlak->OnKeyUp(key, 0);
    }
    held_ = keys;
}

void ForkliftScreen::Frames(int n)
{
    // A frame is one pass of the idle handler the game's loop installed,
    // with its wait on the program's clock.
    for (int k = 0; k < n && App().OnIdle; ++k) {
        ++framesRun;
        bool done = true;
        const auto idle = App().OnIdle;
        idle(done);
    }
}

int ForkliftScreen::PlayBoard(int maxFrames)
{
    const int before = summaries;
    int k = 0;
    for (; k < maxFrames && summaries == before && FormWidlak->WordsRemaining() > 0; ++k) {
        const ForkliftKeys keys = NextKeys(Truck(), Board());
        if (!keys.Any())
            break;
        Hold(keys);
        Frames(1);
    }
    Hold({});
    return k;
}
