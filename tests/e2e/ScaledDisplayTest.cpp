// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on today's large displays: the picture scaled to the display's
// height and every click given in display pixels, as a user's would be. A
// memory game is played from the menu to its summary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/MainMenuLayout.h"
#include "games/memory/CKarta.h"
#include "games/memory/FormMemory3.h"
#include "games/memory/GraMemory.h"
#include "graphics/CDisplay.h"
#include "platform/ScaledView.h"
#include "screens/FormKoniecGry.h"
#include "tests/e2e/ProgramRig.h"

namespace {

constexpr uint64_t kSeed = 77;

// Clicks in display pixels at the middle of a design-area point.
struct DisplayScript {
    ScaledView view;
    std::string text;

    void Click(TPoint design)
    {
        const TPoint p = view.ToWindow(design);
        text += "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    }
};

DisplayScript OpenMemory(TSize display)
{
    const TSize area = ChooseScaledArea(display);
    DisplayScript s{ScaledView(area, display, true), "wait 500\n"};
    const SMainMenuLayout l = MainMenuLayout(CDisplay(area.width, area.height));
    // The memory tab, placed as on the 1024 x 768 menu and converted to the mode.
    const CDisplay d(area.width, area.height);
    s.Click({l.tabStrip.x + d.ConvertFromModeRounded(4, 100), l.tabStrip.y + d.ConvertFromModeRounded(4, 260)});
    s.Click({l.start.x + 20, l.start.y + 20});
    s.text += "wait 500\nexpect form FormMemory3\n";
    return s;
}

TPoint Centre(TRect r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

TEST(ScaledDisplay, AMemoryGameIsPlayedToItsSummaryWithClicksInDisplayPixels)
{
    for (const TSize display : {TSize{1920, 1080}, TSize{3840, 2160}}) {
        SCOPED_TRACE(std::to_string(display.width) + "x" + std::to_string(display.height));
        // A first run learns the deal.
        std::vector<std::string> words;
        std::vector<TRect> slots;
        {
            DisplayScript probe = OpenMemory(display);
            probe.text += "key Escape\nexpect form FormKoniecGry\n";
            ProgramRig rig(display.width, display.height, probe.text, kSeed, true);
            if (!rig.Ready())
                GTEST_SKIP() << "no generated data tree beside the program";
            ASSERT_EQ(rig.App().ScreenWidth(), 1280);
            ASSERT_EQ(rig.App().ScreenHeight(), 960);
            auto previous = FormKoniecGry->OnShow;
            FormKoniecGry->OnShow = [&, previous] {
                if (previous)
                    previous();
                const graMemory& board = *FormMemory3->Board();
                for (int k = 0; k < board.SlotCount(); ++k) {
                    words.push_back(board.Slot(k).WordName());
                    slots.push_back(board.Slot(k).Rect());
                }
            };
            EXPECT_EQ(rig.Run(), 0);
        }
        ASSERT_FALSE(words.empty());
        std::map<std::string, std::vector<std::size_t>> slotsOfWord;
        for (std::size_t k = 0; k < words.size(); ++k)
            slotsOfWord[words[k]].push_back(k);

        DisplayScript play = OpenMemory(display);
        for (const auto& [word, pair] : slotsOfWord) {
            ASSERT_EQ(pair.size(), 2u) << word;
            play.Click(Centre(slots[pair[0]]));
            play.Click(Centre(slots[pair[1]]));
            play.text += "wait 1100\n";
        }
        play.text += "wait 1100\nexpect form FormKoniecGry\n";
        // The same script drives the real window (under Xvfb) when asked for.
        if (const char* out = std::getenv("SZ_SCALED_MEMORY_SCRIPT")) {
            std::ofstream(std::string(out) + "-" + std::to_string(display.width) + ".txt") << play.text;
        }
        int summaries = 0, correct = 0, wrong = -1;
        ProgramRig rig(display.width, display.height, play.text, kSeed, true);
        ASSERT_TRUE(rig.Ready());
        auto previous = FormKoniecGry->OnShow;
        FormKoniecGry->OnShow = [&, previous] {
            if (previous)
                previous();
            ++summaries;
            correct = StatRec->Correct;
            wrong = StatRec->Wrong;
        };
        EXPECT_EQ(rig.Run(), 0);
        EXPECT_EQ(summaries, 1);
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(correct, 0);
    }
}
