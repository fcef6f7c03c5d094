// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the memory screen in every display mode, mid-game, run by
// szeptaczki-shots: written into $SZ_SHOTS_DIR/memory, drawn with the
// generated data tree beside the build, or else with plain test pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/CUstGry.h"
#include "games/memory/CKarta.h"
#include "graphics/CDisplay.h"
#include "platform/Control.h"
#include "platform/Paths.h"
#include "tests/games/memory/MemoryTestSupport.h"

namespace fs = std::filesystem;

namespace {

void Pass(int ms)
{
    for (int t = 0; t < ms; t += 10) {
        static_cast<VirtualClock&>(TheClock()).AdvanceMicroseconds(10000);
        FireDueTimers();
    }
}

}  // namespace

TEST(MemoryScreenshots, BoardInEveryDisplayMode)
{
    const char* shots = std::getenv("SZ_SHOTS_DIR");
    ASSERT_TRUE(shots != nullptr && *shots != '\0') << "set SZ_SHOTS_DIR to a folder to write the screenshots";
    const std::string out = (fs::path(shots) / "memory").string();
    fs::create_directories(out);
    MemorySettings settings(3);
    const TPoint screens[] = {{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};
    for (const TPoint size : screens) {
        const std::string tag = std::to_string(size.x) + "x" + std::to_string(size.y);
        HeadlessRig rig(size.x, size.y);
        SetDisplay(size.x, size.y);
        if (!LinkGeneratedTree(rig.Dir().Path()))
            WriteMemoryData(rig.Dir());
        CSlowa words;
        CStatRec stats(6, nullptr);
        PlainForm main(rig.App(), "FormMain", size.x, size.y);
        TFormKoniecGry summary(rig.App(), stats);
        TFormMemory3 memory(rig.App(), words, stats, summary);
        words.Filter(UstMemory3);
        memory.Show();
        const graMemory& board = *memory.Board();
        ASSERT_EQ(board.SlotCount(), 20);
        // A pair found: its picture in the word panel, its cards gone.
        int twin = 1;
        while (board.Slot(twin).WordName() != board.Slot(0).WordName())
            ++twin;
        board.Slot(0).HitArea()->Click();
        board.Slot(twin).HitArea()->Click();
        EXPECT_TRUE(rig.App().SaveScreenshot(fs::path(out) / ("memory-" + tag + "-pair.png")));
        Pass(CKarta::kPairDelayMs);
        // The figure comes in 300 ms after a pair and stays 2.5 s; one card is turned up meanwhile.
        Pass(1000);
        EXPECT_EQ(memory.Figure().Opacity, 255);
        board.Slot(6).HitArea()->Click();
        EXPECT_TRUE(rig.App().SaveScreenshot(fs::path(out) / ("memory-" + tag + "-try.png")));
        memory.Hide();
    }
    SetDisplay(800, 600);
}
