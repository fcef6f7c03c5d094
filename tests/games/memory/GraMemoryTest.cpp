// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/CBlad.h"
#include "games/memory/CKarta.h"
#include "games/memory/GraMemory.h"
#include "games/memory/MemoryHost.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace {

// Notes what the board asks of its screen.
struct RecordingHost final : MemoryHost {
    std::vector<std::string> calls;
    int cleared = 0;
    void DrawCardFace(const CKarta& c) override { calls.push_back("face " + c.WordName()); }
    void DrawCardBack(const CKarta& c) override { calls.push_back("back " + c.WordName()); }
    void EraseCard(const CKarta& c) override { calls.push_back("erase " + c.WordName()); }
    void RepaintWindow() override {}
    void FlashCardFace(const CKarta& c) override { calls.push_back("flash face " + c.WordName()); }
    void FlashCardBack(const CKarta& c) override { calls.push_back("flash back " + c.WordName()); }
    void FigureOutAtOnce() override { calls.push_back("figure out"); }
    void FigureInSoon() override { calls.push_back("figure soon"); }
    void WordPanelIn(const std::string& key) override { calls.push_back("panel in " + key); }
    void WordPanelOut(const std::string& key) override { calls.push_back("panel out " + key); }
    void RedrawScreen() override { calls.push_back("redraw"); }
    void BoardCleared() override { ++cleared; }
    void Answered(AnswerKind kind, const CSlowa::SPaczka* word, int counted) override
    {
        correct += kind == AnswerKind::Right ? counted : 0;
        wrong += kind == AnswerKind::Wrong ? counted : 0;
        hints += kind == AnswerKind::Hint ? counted : 0;
        // A pair and a miss name a word; the hint, showing every card, none.
        EXPECT_EQ(word == nullptr, kind == AnswerKind::Hint);
    }
    int correct = 0, wrong = 0, hints = 0;
};

// A board of `count` words w0, w1, ... with no card pictures, in the
// 1024 x 768 mode, and the statistics of a running game.
struct BoardFixture {
    explicit BoardFixture(int count, uint64_t seed = 7)
    {
        SetDisplay(1024, 768);
        SeedRandom(seed);
        words.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            words[static_cast<std::size_t>(i)].Key = "w" + std::to_string(i);
            chosen.push_back(&words[static_cast<std::size_t>(i)]);
        }
        back = Bitmap(70, 95);
        board = std::make_unique<graMemory>(host, nullptr, chosen, count, back, TPoint{70, 95});
    }

    CKarta& Card(int word, int twin)
    {
        for (int k = 0; k < board->SlotCount(); ++k) {
            CKarta& c = board->Slot(k);
            if (c.WordName() == "w" + std::to_string(word) && c.Twin() == twin)
                return c;
        }
        throw std::logic_error("no such card");
    }
    void Pass(int ms)
    {
        box.Clock().AdvanceMicroseconds(int64_t{ms} * 1000);
        FireDueTimers();
    }
    // One try that misses: a, then b, then the miss timer.
    void Miss(CKarta& a, CKarta& b)
    {
        board->CardClick(a);
        board->CardClick(b);
        Pass(CKarta::kMissDelayMs);
    }
    void Pair(int word)
    {
        board->CardClick(Card(word, 1));
        board->CardClick(Card(word, 2));
        Pass(CKarta::kPairDelayMs);
    }

    ProgramSandbox box;
    std::vector<CSlowa::SPaczka> words;
    std::vector<CSlowa::SPaczka*> chosen;
    Bitmap back;
    RecordingHost host;
    std::unique_ptr<graMemory> board;
};

}  // namespace

TEST(GraMemoryDeal, EverySlotHoldsOneCardAndEveryWordTwoTwins)
{
    for (int count : {3, 6, 10}) {
        for (uint64_t seed : {1u, 2u, 3u, 99u}) {
            BoardFixture f(count, seed);
            ASSERT_EQ(f.board->SlotCount(), 2 * count);
            EXPECT_EQ(f.board->CardsLeft(), 2 * count);
            EXPECT_TRUE(f.board->Accepting());
            std::map<std::string, std::vector<int>> twins;
            for (int k = 0; k < f.board->SlotCount(); ++k) {
                CKarta& c = f.board->Slot(k);
                twins[c.WordName()].push_back(c.Twin());
                EXPECT_TRUE(c.OnBoard());
                EXPECT_EQ(c.UncoverScore(), 0.0f);
            }
            EXPECT_EQ(twins.size(), static_cast<std::size_t>(count));
            for (auto& [word, t] : twins) {
                std::sort(t.begin(), t.end());
                EXPECT_EQ(t, (std::vector<int>{1, 2})) << word;
            }
        }
    }
}

TEST(GraMemoryDeal, CardsLieOnTheGridOfTheirBoardSize)
{
    {
        BoardFixture f(3);  // 2 x 3 from (500, 240), steps 110 x 138
        EXPECT_EQ(f.board->Slot(0).Position(), (TPoint{500, 240}));
        EXPECT_EQ(f.board->Slot(2).Position(), (TPoint{720, 240}));
        EXPECT_EQ(f.board->Slot(5).Position(), (TPoint{720, 378}));
    }
    {
        BoardFixture f(6);  // 3 x 4 from (450, 182), steps 100 x 128
        EXPECT_EQ(f.board->Slot(4).Position(), (TPoint{450, 310}));
        EXPECT_EQ(f.board->Slot(11).Position(), (TPoint{750, 438}));
    }
    {
        BoardFixture f(10);  // 4 x 5 from (435, 165), steps 85 x 110
        EXPECT_EQ(f.board->Slot(19).Position(), (TPoint{775, 495}));
        EXPECT_EQ(f.board->Slot(0).Rect(), RectXYWH(435, 165, 70, 95));
    }
    // 800 x 600: the 1024 x 768 values scaled by 25/32, truncated.
    SetDisplay(800, 600);
    ProgramSandbox box;
    RecordingHost host;
    std::vector<CSlowa::SPaczka> words(3);
    std::vector<CSlowa::SPaczka*> chosen{&words[0], &words[1], &words[2]};
    Bitmap back(62, 84);
    graMemory board(host, nullptr, chosen, 3, back, {62, 84});
    EXPECT_EQ(board.Slot(4).Position(), (TPoint{500 * 25 / 32 + 110 * 25 / 32, 240 * 25 / 32 + 138 * 25 / 32}));
    // On a bigger screen the design area's offset is added.
    SetDisplay(1100, 800);
    graMemory offsetBoard(host, nullptr, chosen, 3, back, {70, 95});
    EXPECT_EQ(offsetBoard.Slot(0).Position(), (TPoint{500 + 38, 240 + 16}));
    SetDisplay(1024, 768);
}

TEST(GraMemoryDeal, OtherWordCountsGiveTheBadCardCountError)
{
    ProgramSandbox box;
    RecordingHost host;
    std::vector<CSlowa::SPaczka> words(10);
    std::vector<CSlowa::SPaczka*> chosen;
    for (auto& w : words)
        chosen.push_back(&w);
    Bitmap back(70, 95);
    for (int count : {0, 1, 4, 5, 7, 12}) {
        try {
            graMemory board(host, nullptr, chosen, count, back, {70, 95});
            ADD_FAILURE() << count;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Message(), "Błędna liczba kart!"_cp) << count;
        }
    }
    // Fewer chosen words than the board needs: the same error, not a crash.
    std::vector<CSlowa::SPaczka*> two{&words[0], &words[1]};
    EXPECT_THROW(graMemory(host, nullptr, two, 3, back, {70, 95}), CBlad);
}

TEST(GraMemoryDeal, ACardWithoutAReadablePictureShowsBlackAtTheFaceSize)
{
    ProgramSandbox box;
    SetDisplay(1024, 768);
    RecordingHost host;
    std::vector<CSlowa::SPaczka> words(3);
    words[0].Key = "a";
    words[0].CardImage = "\xFF\xD8 damaged";
    words[1].Key = "b";
    words[2].Key = "c";
    Bitmap good(70, 95);
    good.Fill(RGB(10, 200, 10));
    words[2].CardImage = EncodeJpeg(good, 95);
    std::vector<CSlowa::SPaczka*> chosen{&words[0], &words[1], &words[2]};
    Bitmap back(70, 95);
    graMemory board(host, nullptr, chosen, 3, back, {70, 95});
    for (int k = 0; k < board.SlotCount(); ++k) {
        const CKarta& c = board.Slot(k);
        EXPECT_EQ(c.Rect().Width(), 70);
        EXPECT_EQ(c.Rect().Height(), 95);
        if (c.WordName() == "c")
            EXPECT_NE(c.Face().GetPixel(35, 40), clBlack);
        else
            EXPECT_EQ(c.Face().GetPixel(35, 40), clBlack);
    }
}

TEST(GraMemoryScoring, PairsCountByHowOftenTheirCardsWereTurnedUp)
{
    BoardFixture f(3);
    // w0: each card up once: two correct answers.
    f.Pair(0);
    EXPECT_EQ(f.host.correct, 2);
    EXPECT_EQ(f.host.wrong, 0);
    EXPECT_EQ(f.board->CardsLeft(), 4);

    // w1: twin 1 turned up 4 times (3 misses with w2), twin 2 once: one correct.
    for (int i = 0; i < 3; ++i)
        f.Miss(f.Card(1, 1), f.Card(2, i % 2 + 1));
    EXPECT_EQ(f.host.wrong, 3);
    f.Pair(1);
    EXPECT_EQ(f.Card(1, 1).UncoverScore(), 4.0f);
    EXPECT_EQ(f.host.correct, 3);
}

TEST(GraMemoryScoring, BothCardsTurnedUpSixTimesCountNothing)
{
    BoardFixture f(3);
    CKarta& a = f.Card(0, 1);
    CKarta& b = f.Card(0, 2);
    for (int i = 0; i < 5; ++i) {
        f.Miss(a, f.Card(1, 1));
        f.Miss(f.Card(2, 2), b);
    }
    EXPECT_EQ(a.UncoverScore(), 5.0f);
    EXPECT_EQ(f.host.wrong, 10);
    f.board->CardClick(a);
    f.board->CardClick(b);
    EXPECT_EQ(b.UncoverScore(), 6.0f);
    EXPECT_EQ(f.host.correct, 0);
    EXPECT_EQ(f.board->CardsLeft(), 4);
}

TEST(GraMemoryHint, RaisesOnlyTwinOneScoresByAHalf)
{
    {
        // Twin 1 turned up twice and two hints: 3.0, still quick with its twin at 1.
        BoardFixture f(3);
        f.Miss(f.Card(0, 1), f.Card(1, 1));
        f.board->ShowAll();
        f.board->ShowAll();
        EXPECT_EQ(f.host.hints, 2);
        EXPECT_EQ(f.Card(0, 2).UncoverScore(), 0.0f);
        f.board->CardClick(f.Card(0, 1));
        f.board->CardClick(f.Card(0, 2));
        EXPECT_EQ(f.Card(0, 1).UncoverScore(), 3.0f);
        EXPECT_EQ(f.host.correct, 2);
    }
    {
        // A third hint makes it 3.5: one correct answer only.
        BoardFixture f(3);
        f.Miss(f.Card(0, 1), f.Card(1, 1));
        for (int i = 0; i < 3; ++i)
            f.board->ShowAll();
        f.board->CardClick(f.Card(0, 1));
        f.board->CardClick(f.Card(0, 2));
        EXPECT_EQ(f.Card(0, 1).UncoverScore(), 3.5f);
        EXPECT_EQ(f.host.correct, 1);
    }
}

TEST(GraMemoryHint, TurnsTheFirstCardDownAndFlashesTheCardsStillOnTheBoard)
{
    BoardFixture f(3);
    f.Pair(2);
    CKarta& up = f.Card(0, 2);
    f.board->CardClick(up);
    f.host.calls.clear();
    const int64_t before = f.box.Clock().Milliseconds();
    f.board->ShowAll();
    EXPECT_EQ(f.board->FaceUpCount(), 0);
    EXPECT_EQ(f.board->FirstCard(), nullptr);
    EXPECT_EQ(up.UncoverScore(), 1.0f);
    // The four cards left flash up, then down; the pair found stays away.
    ASSERT_EQ(f.host.calls.size(), 9u);
    EXPECT_EQ(f.host.calls[0], "back w0");
    EXPECT_EQ(std::count(f.host.calls.begin(), f.host.calls.end(), "flash face w2"), 0);
    EXPECT_TRUE(f.host.calls[1].starts_with("flash face") && f.host.calls[8].starts_with("flash back"));
    EXPECT_EQ(f.box.Clock().Milliseconds() - before, 8 * 20 + 1000);
    // The next click starts a new try with that card.
    f.board->CardClick(up);
    EXPECT_EQ(f.board->FaceUpCount(), 1);
    EXPECT_EQ(up.UncoverScore(), 2.0f);
}

TEST(GraMemoryClicks, TheCardAlreadyUpAndClicksBeforeTheTimersAreIgnored)
{
    BoardFixture f(3);
    CKarta& a = f.Card(0, 1);
    f.board->CardClick(a);
    f.board->CardClick(a);
    EXPECT_EQ(a.UncoverScore(), 1.0f);
    EXPECT_EQ(f.board->FaceUpCount(), 1);

    // A miss: nothing is taken until 1200 ms have passed.
    f.board->CardClick(f.Card(1, 1));
    EXPECT_FALSE(f.board->Accepting());
    f.Pass(1199);
    f.board->CardClick(f.Card(2, 1));
    EXPECT_EQ(f.Card(2, 1).UncoverScore(), 0.0f);
    f.Pass(1);
    EXPECT_TRUE(f.board->Accepting());
    EXPECT_EQ(f.board->FirstCard(), nullptr);
    EXPECT_NE(std::find(f.host.calls.begin(), f.host.calls.end(), "back w1"), f.host.calls.end());

    // A pair: nothing is taken until 1000 ms have passed.
    f.board->CardClick(f.Card(2, 1));
    f.board->CardClick(f.Card(2, 2));
    EXPECT_FALSE(f.Card(2, 1).OnBoard());
    f.Pass(999);
    f.board->CardClick(f.Card(1, 2));
    EXPECT_EQ(f.Card(1, 2).UncoverScore(), 0.0f);
    f.Pass(1);
    f.board->CardClick(f.Card(1, 2));
    EXPECT_EQ(f.Card(1, 2).UncoverScore(), 1.0f);
    // Cards that left the board take no clicks.
    f.board->CardClick(f.Card(2, 1));
    EXPECT_EQ(f.board->FaceUpCount(), 1);
}

TEST(GraMemoryPair, ShowsThePictureThenClearsAndEndsTheGameAfterTheLastPair)
{
    BoardFixture f(3);
    f.board->CardClick(f.Card(1, 2));
    f.host.calls.clear();
    f.board->CardClick(f.Card(1, 1));
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"face w1", "figure out", "panel in w1", "erase w1", "erase w1"}));
    f.host.calls.clear();
    f.Pass(1000);
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"panel out w1", "redraw", "figure soon"}));
    f.Pair(0);
    EXPECT_EQ(f.host.cleared, 0);
    f.board->CardClick(f.Card(2, 1));
    f.board->CardClick(f.Card(2, 2));
    EXPECT_TRUE(f.board->BoardEmpty());
    f.Pass(999);
    EXPECT_EQ(f.host.cleared, 0);
    f.Pass(1);
    EXPECT_EQ(f.host.cleared, 1);
    EXPECT_EQ(f.host.correct, 6);
}
