// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor game started from the main menu of the real program by a
// script, headless, on the generated data tree, and stopped with its button.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/CStatRec.h"
#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "screens/FormKoniecGry.h"
#include "tests/TestSupport.h"

namespace {

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

template <class T>
T ValueAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

}  // namespace

TEST(ConveyorRun, OpenedFromTheMenuByAScriptAndStoppedWithItsButton)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root, work;
    if (!LinkGeneratedTree(root.Path()))
        GTEST_SKIP() << "no generated data tree beside the program";

    const CDisplay display(800, 600);
    const SMainMenuLayout l = MainMenuLayout(display);
    std::string tab;
    for (int y = 0; y < 600 && tab.empty(); y += 4)
        if (TabAt(display, 100, y) == 5)
            tab = Point(l.tabStrip.x + 100, l.tabStrip.y + y + 8);
    ASSERT_FALSE(tab.empty());
    // In the 800 x 600 mode the stop button is at (16, 15).
    const int sx = (800 - TFormKoniecGry::kWidth) / 2, sy = (600 - TFormKoniecGry::kHeight) / 2;
    work.Write("script.txt", "expect form FormMain\n"
                             "click " + tab + "\n"
                             "click " + Point(l.start.x + 8, l.start.y + 8) + "\n"
                             "expect form FormTasmociag\n"
                             "wait 3000\n"
                             "keydown Left\n"
                             "wait 400\n"
                             "keyup Left\n"
                             "click " + Point(16 + 30, 15 + 30) + "\n"
                             "expect form FormKoniecGry\n"
                             "click " + Point(sx + 325 + 30, sy + 340 + 30) + "\n"
                             "expect form FormMain\n"
                             "key Escape\n");
    const ProgramResult r = RunProgram("--headless --seed 3 --screen 800x600 --root '" + root.Path().string() +
                                           "' --script '" + (work.Path() / "script.txt").string() + "'",
                                       work.Path());
    ASSERT_EQ(r.status, 0) << r.errors;

    // Ten cans, none delivered: a record of an unfinished game with ten wrong.
    const std::string stats = root.Read("prgst6.stt");
    ASSERT_EQ(stats.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    const std::size_t at = CStatRec::kHeaderSize;
    EXPECT_EQ(ValueAt<int32_t>(stats, at), 5);
    EXPECT_EQ(ValueAt<int16_t>(stats, at + 20), 1);
    EXPECT_EQ(ValueAt<int16_t>(stats, at + 30), 0);
    EXPECT_EQ(ValueAt<int32_t>(stats, at + 36), 0);
    EXPECT_EQ(ValueAt<int32_t>(stats, at + 40), 10);
    EXPECT_EQ(ValueAt<int32_t>(stats, at + 26), 3);  // 3.4 s of play
}
