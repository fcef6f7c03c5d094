// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game started from the main menu of the real program,
// headless, on the generated data tree, and stopped with its button.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/CStatRec.h"
#include "core/MainMenuLayout.h"
#include "games/common/BoardSwitch.h"
#include "graphics/CDisplay.h"
#include "screens/FormKoniecGry.h"
#include "tests/TestSupport.h"

namespace {

std::string Point(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

template <class T>
T ValueAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

}  // namespace

TEST(SuctionRun, OpenedFromTheMenuStoppedAndBack)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root, work;
    if (!LinkGeneratedTree(root.Path()))
        GTEST_SKIP() << "no generated data tree beside the program";

    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1280, 1024}}) {
        const CDisplay display(w, h);
        const SMainMenuLayout l = MainMenuLayout(display);
        const TPoint tab{l.tabStrip.x + display.ConvertFromModeRounded(4, 100),
                         l.tabStrip.y + display.ConvertFromModeRounded(4, 175)};
        const TPoint stop = BoardSwitch::ButtonPosition(display, BoardSwitch::Button::Stop);
        const int sx = (w - TFormKoniecGry::kWidth) / 2, sy = (h - TFormKoniecGry::kHeight) / 2;
        work.Write("script.txt", "expect form FormMain\n"
                                 "click " + Point(tab) + "\n"
                                 "click " + Point({l.start.x + 8, l.start.y + 8}) + "\n"
                                 "expect form FormPrzyssawki\n"
                                 "wait 4000\n"
                                 "click " + Point({stop.x + 30, stop.y + 30}) + "\n"
                                 "expect form FormKoniecGry\n"
                                 "click " + Point({sx + 325 + 30, sy + 340 + 30}) + "\n"
                                 "expect form FormMain\n"
                                 "key Escape\n");
        const ProgramResult r = RunProgram("--headless --seed 5 --screen " + std::to_string(w) + "x" +
                                               std::to_string(h) + " --root '" + root.Path().string() +
                                               "' --script '" + (work.Path() / "script.txt").string() + "'",
                                           work.Path());
        ASSERT_EQ(r.status, 0) << w << "x" << h << ": " << r.errors;
    }

    // Two games of 15 words stopped with none placed.
    const std::string stats = root.Read("prgst6.stt");
    ASSERT_EQ(stats.size(), CStatRec::kHeaderSize + 2 * CStatRec::kRecordSize);
    for (int k = 0; k < 2; ++k) {
        const std::size_t at = CStatRec::kHeaderSize + static_cast<std::size_t>(k) * CStatRec::kRecordSize;
        EXPECT_EQ(ValueAt<int32_t>(stats, at), 2);
        EXPECT_EQ(ValueAt<int16_t>(stats, at + 30), 0);  // not complete
        EXPECT_EQ(ValueAt<int32_t>(stats, at + 36), 0);
        EXPECT_EQ(ValueAt<int32_t>(stats, at + 40), 15);
    }
}
