// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Script pieces that play the suction-cups game from the main menu by input
// events only, for a screen size, and a record of what the boards held when
// the summary came up (a first run learns the deal, a second plays it).
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "games/common/BoardSwitch.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"

struct SuctionDeal {
    std::array<std::string, 5> plateKeys;
    std::array<TPoint, 5> homes;
    std::array<std::string, 5> screenKeys;
    std::array<TPoint, 5> docks;
};

struct SuctionSummary {
    std::vector<SuctionDeal> boards;
    std::vector<int> unplaced;  // per board
    int lastTouched = -1;       // plate index on the current board
    int currentBoard = -1;
    int32_t correct = 0, wrong = 0, hints = 0, duration = 0;
    int16_t completed = 0;
    SystemTime start;
};

// Appends what the game and the statistics hold each time the summary shows.
void NoteSuctionSummaries(std::vector<SuctionSummary>& out);

class SuctionScript {
public:
    SuctionScript(int width, int height);

    // Longer than any board's opening (54 ticks of 60 ms).
    static constexpr const char* kOpening = "wait 3500\n";

    // From the main menu: the suction-cups tab, then "start".
    std::string Open() const;
    std::string Press(BoardSwitch::Button button) const;
    // Summary buttons: "start" (a new game) and "stop" (back to the menu).
    std::string SummaryAgain() const;
    std::string SummaryLeave() const;
    // A drag by the plate's centre, so that its centre ends where the pointer
    // does; the points are the game's (its design area's) own.
    std::string Drag(TPoint from, TPoint to, bool release = true) const;
    // Places the plates of the screens given, in that order.
    std::string Place(const SuctionDeal& deal, std::initializer_list<int> screens) const;
    static int PlateFor(const SuctionDeal& deal, const std::string& key);
    TPoint Offset() const { return offset_; }

private:
    int width_, height_;
    TPoint offset_;
};

std::string ScriptClick(TPoint p);
