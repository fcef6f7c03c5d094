// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "core/CBlad.h"
#include "core/CUstGry.h"
#include "games/memory/CKarta.h"
#include "games/memory/MemoryFigure.h"
#include "graphics/CDisplay.h"
#include "platform/Control.h"
#include "tests/games/memory/MemoryTestSupport.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

void Pass(int ms)
{
    static_cast<VirtualClock&>(TheClock()).AdvanceMicroseconds(int64_t{ms} * 1000);
    FireDueTimers();
}

// The slot of the other card of slot k's word.
int TwinSlot(const graMemory& board, int k)
{
    for (int j = 0; j < board.SlotCount(); ++j)
        if (j != k && board.Slot(j).WordName() == board.Slot(k).WordName())
            return j;
    return -1;
}

// A slot whose word differs from slot k's.
int OtherWordSlot(const graMemory& board, int k)
{
    for (int j = 0; j < board.SlotCount(); ++j)
        if (board.Slot(j).WordName() != board.Slot(k).WordName() && board.Slot(j).OnBoard())
            return j;
    return -1;
}

void ClickSlot(const graMemory& board, int k)
{
    board.Slot(k).HitArea()->Click();
}

}  // namespace

TEST(FormMemory3Hints, ThreeAGameRefusedWithin600msOrWhileCardsAreShownThenTheButtonHides)
{
    MemorySettings settings(2);
    MemoryRig m(1024, 768);
    m.memory->Show();
    ASSERT_NE(m.memory->Board(), nullptr);
    EXPECT_EQ(m.memory->Board()->SlotCount(), 12);
    EXPECT_EQ(m.memory->HintStock(), 3);
    EXPECT_TRUE(m.memory->HelpButtonVisible());

    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 1);
    EXPECT_EQ(m.memory->HintStock(), 2);
    m.memory->A_Pomoc.Execute();
    Pass(599);
    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 1);
    Pass(1);
    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 2);

    // Two different cards are up: no hint until the miss timer has fired.
    const graMemory& board = *m.memory->Board();
    Pass(600);
    ClickSlot(board, 0);
    ClickSlot(board, OtherWordSlot(board, 0));
    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 2);
    Pass(CKarta::kMissDelayMs);
    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 3);
    EXPECT_EQ(m.memory->HintStock(), 0);
    EXPECT_FALSE(m.memory->HelpButtonVisible());
    Pass(600);
    m.memory->A_Pomoc.Execute();
    EXPECT_EQ(m.stats->Hints, 3);
    // A click where the button was does nothing either.
    EXPECT_EQ(m.memory->ControlAt(MemoryRig::Centre(m.memory->HelpButtonRect()).x,
                                  MemoryRig::Centre(m.memory->HelpButtonRect()).y),
              nullptr);

    // The next game has its three hints again.
    m.memory->A_NowaGra.Execute();
    EXPECT_EQ(m.memory->HintStock(), 3);
    EXPECT_TRUE(m.memory->HelpButtonVisible());
    EXPECT_EQ(m.stats->Hints, 0);
}

TEST(FormMemory3Stop, FourCardsLeftCountFourWrongAndTheGameIsNotComplete)
{
    MemorySettings settings(1);
    MemoryRig m(1024, 768, "key Escape\n");
    m.memory->Show();
    const graMemory& board = *m.memory->Board();
    ClickSlot(board, 0);
    ClickSlot(board, TwinSlot(board, 0));
    Pass(CKarta::kPairDelayMs);
    EXPECT_EQ(m.stats->Correct, 2);
    EXPECT_EQ(board.CardsLeft(), 4);

    MemoryFigure atSummary;
    auto previous = m.summary->OnShow;
    m.summary->OnShow = [&] {
        atSummary = m.memory->Figure();
        previous();
    };
    m.memory->A_Stop.Execute();
    EXPECT_EQ(m.stats->Wrong, 4);
    EXPECT_EQ(m.stats->Completed, 0);
    EXPECT_FALSE(m.memory->Visible());  // the summary's Escape closed the screen
    // The figure fades out and comes back in 20 s.
    EXPECT_EQ(atSummary.Step, -MemoryFigure::kFadeStep);
    EXPECT_EQ(atSummary.TargetEvent, MemoryFigure::Event::Show);
    EXPECT_EQ(atSummary.Target, atSummary.Ticks + 400);
    const std::string file = m.rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), 64u);
    EXPECT_EQ(file[50], 0);  // completed
    EXPECT_EQ(file[60], 4);  // wrong
}

TEST(FormMemory3Stop, TheLastPairSavesACompleteGameAndTheFigureStaysBehindTheSummary)
{
    MemorySettings settings(1);
    // The summary waits a second before it is closed: the figure fades in meanwhile.
    MemoryRig m(1024, 768, "wait 1000\nkey Escape\n");
    m.memory->Show();
    // While the summary is up, where it covers the figure the summary is seen.
    TColor underSummary = 0;
    TColor besideSummary = 0;
    Timer look(
        [&] {
            look.SetEnabled(false);
            underSummary = m.rig.App().Screen().GetPixel(230, 500);
            besideSummary = m.rig.App().Screen().GetPixel(150, 600);
        },
        900, false);
    auto previous = m.summary->OnShow;
    m.summary->OnShow = [&] {
        look.SetEnabled(true);
        previous();
    };
    const graMemory& board = *m.memory->Board();
    for (int k = 0; k < board.SlotCount(); ++k) {
        if (!board.Slot(k).OnBoard())
            continue;
        const int twin = TwinSlot(board, k);
        ClickSlot(board, k);
        ClickSlot(board, twin);
        Pass(CKarta::kPairDelayMs);
    }
    EXPECT_EQ(m.stats->Completed, 1);
    EXPECT_EQ(m.stats->Wrong, 0);
    EXPECT_EQ(m.stats->Correct, 6);
    EXPECT_EQ(m.memory->Figure().Target, 0);
    EXPECT_EQ(m.memory->Figure().Opacity, 255);
    EXPECT_TRUE(Near(underSummary, kGoodColour, 12)) << std::hex << underSummary;
    EXPECT_TRUE(Near(besideSummary, kFigureColour, 12)) << std::hex << besideSummary;
    // It was drawn into the back buffer: its body colour is there.
    const TRect r = m.memory->FigureRect();
    EXPECT_TRUE(Near(m.memory->BackBuffer().GetPixel(r.left + r.Width() / 2, r.top + r.Height() / 2), kFigureColour,
                     12));
    const std::string file = m.rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), 64u);
    EXPECT_EQ(file[50], 1);
}

TEST(FormMemory3Screen, ARedrawShowsTheTableTheBacksAndTheButtonsAndAPairLeavesTheTable)
{
    MemorySettings settings(3);
    MemoryRig m(1024, 768);
    m.memory->Show();
    const graMemory& board = *m.memory->Board();
    ASSERT_EQ(board.SlotCount(), 20);
    const Bitmap& screen = m.rig.App().Screen();
    const TRect card = board.Slot(7).Rect();
    EXPECT_TRUE(Near(screen.GetPixel(card.left + 5, card.top + 5), kCardBackColour, 12));
    EXPECT_TRUE(Near(screen.GetPixel(5, 5), kTableColour, 12));
    const TRect help = m.memory->HelpButtonRect();
    EXPECT_EQ(help, RectXYWH(943, 602, 70, 60));
    EXPECT_TRUE(Near(screen.GetPixel(help.left + 35, help.top + 30), kNormalColour, 12));
    EXPECT_EQ(m.memory->StopButtonRect(), RectXYWH(947, 697, 70, 60));

    // A pair: the faces show, then the cards leave the table.
    ClickSlot(board, 7);
    EXPECT_FALSE(Near(screen.GetPixel(card.left + 5, card.top + 5), kCardBackColour, 12));
    ClickSlot(board, TwinSlot(board, 7));
    Pass(CKarta::kPairDelayMs);
    EXPECT_TRUE(Near(screen.GetPixel(card.left + 5, card.top + 5), kTableColour, 12));
    // The word panel is back to the table as well.
    const TRect panel = m.memory->WordPanelRect();
    EXPECT_EQ(panel.left, 54);
    EXPECT_TRUE(Near(screen.GetPixel(panel.left + 20, panel.top + 20), kTableColour, 12));
}

TEST(MemoryFigure, FramesRunToTheLastAndBackOnePerTick)
{
    MemoryFigure f;
    std::vector<int> frames;
    for (int i = 0; i < 22; ++i) {
        f.Tick(false);
        frames.push_back(f.Frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2}));
}

TEST(MemoryFigure, ComesAfter20sStays2500msAndFadesIn11Ticks)
{
    MemoryFigure f;
    EXPECT_EQ(f.Target, 11);  // 500 ms after the start: hide
    for (int i = 0; i < 10; ++i)
        f.Tick(false);
    EXPECT_EQ(f.Ticks, 11);
    EXPECT_EQ(f.TargetEvent, MemoryFigure::Event::Show);
    EXPECT_EQ(f.Target, 11 + 400);
    while (f.Ticks < f.Target - 1)
        f.Tick(false);
    EXPECT_EQ(f.Opacity, 0);
    int ticks = 0;
    do {
        f.Tick(false);
        ++ticks;
    } while (f.Opacity < 255);
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(f.TargetEvent, MemoryFigure::Event::Hide);
    EXPECT_EQ(f.Target, 411 + 50);
    EXPECT_TRUE(f.TakeDraw());
    // Shown for a finished game it stays.
    f.Show(true);
    EXPECT_EQ(f.Target, 0);
    // Nothing to draw once it is gone and was drawn gone.
    MemoryFigure g;
    EXPECT_FALSE(g.TakeDraw());
    g.ShowSoon();
    EXPECT_EQ(g.Target, 1 + 6);  // (300 + 25) div 50
}

TEST(FormMemory3Construction, AMissingPictureIsTheMissingResourcesErrorAMissingTableOnlyBlack)
{
    for (const char* missing : {"Data/Intf/Spec/R3_mem_gad07W.xji", "Data/Intf/Spec/R3_mem_blkcard0.xji",
                                "RESOURCE/pomoc_M.bmp"}) {
        HeadlessRig rig(1024, 768);
        SetDisplay(1024, 768);
        WriteMemoryData(rig.Dir());
        std::filesystem::remove(rig.Dir().Path() / missing);
        CSlowa words;
        CStatRec stats(6, nullptr);
        TFormKoniecGry summary(rig.App(), stats);
        try {
            TFormMemory3 memory(rig.App(), words, stats, summary);
            ADD_FAILURE() << missing;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1) << missing;
        }
    }
    MemorySettings settings(1);
    HeadlessRig rig(1024, 768);
    WriteMemoryData(rig.Dir());
    std::filesystem::remove(rig.Dir().Path() / "Data/Intf/Spec/R3_Tmem3.xji");
    CSlowa words;
    CStatRec stats(6, nullptr);
    TFormKoniecGry summary(rig.App(), stats);
    // Made the way start-up makes it.
    TFormMemory3& memory = CreateFormMemory3(rig.App(), words, stats, summary);
    EXPECT_EQ(FormMemory3.get(), &memory);
    words.Filter(UstMemory3);
    memory.Show();
    EXPECT_EQ(rig.App().Screen().GetPixel(5, 5), clBlack);
    EXPECT_EQ(memory.Board()->SlotCount(), 6);
    FormMemory3.reset();
    SetDisplay(800, 600);
}
