// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory screen's test rig: a data tree with every picture the screen
// loads in each display mode, the catalogue, the statistics, the summary and
// the screen on a headless application.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "games/memory/FormMemory3.h"
#include "screens/FormKoniecGry.h"
#include "tests/controls/ControlsTestSupport.h"

constexpr TColor kTableColour = RGB(40, 120, 60);
constexpr TColor kCardBackColour = RGB(30, 60, 200);
constexpr TColor kFigureColour = RGB(250, 200, 20);

// Every interface picture of the memory screen in the three modes, and the
// summary's pictures and buttons.
void WriteMemoryData(const TempDir& dir);
// A silent RIFF wave file of the given length at a program path.
void WriteWave(const TempDir& dir, const std::string& path, int milliseconds);

// Memory settings of a test: few words of SZ at every position; restored afterwards.
class MemorySettings {
public:
    explicit MemorySettings(int16_t level = 1);
    ~MemorySettings();

private:
    int16_t poziom_, gloski_, pozycja_;
};

class MemoryRig {
public:
    // A screen of width x height; script is the headless input.
    MemoryRig(int width, int height, const std::string& script = {});
    ~MemoryRig();

    HeadlessRig rig;
    std::unique_ptr<CSlowa> words;
    std::unique_ptr<CStatRec> stats;
    std::unique_ptr<PlainForm> main;
    std::unique_ptr<TFormKoniecGry> summary;
    std::unique_ptr<TFormMemory3> memory;

    // The screen point in the middle of a rectangle.
    static TPoint Centre(TRect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // The summary's "start" and "stop" buttons, where the summary shows them.
    static TPoint SummaryStart(int screenWidth, int screenHeight);
    static TPoint SummaryStop(int screenWidth, int screenHeight);
};

// The slots of a board as word names, slot order.
std::vector<std::string> DealOf(const graMemory& board);
