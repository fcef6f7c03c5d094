// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory board: deal, layout, the rules of a try, the hint.
#include "games/memory/GraMemory.h"

#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "games/memory/CKarta.h"
#include "games/memory/MemoryHost.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Text.h"

namespace {

// Grid of each board size, written for the 1024 x 768 mode.
struct BoardGrid {
    int cards;
    int rows;
    int columns;
    int originX;
    int originY;
    int stepX;
    int stepY;
};

constexpr BoardGrid kGrids[] = {
    {6, 2, 3, 500, 240, 110, 138},
    {12, 3, 4, 450, 182, 100, 128},
    {20, 4, 5, 435, 165, 85, 110},
};

constexpr int kHintFlashMs = 20;
constexpr int kHintLookMs = 1000;

// The card picture of a word; black when it has none or it cannot be read.
Bitmap FacePicture(const CSlowa::SPaczka& word, TPoint size)
{
    Bitmap face;
    if (!word.CardImage.empty()) {
        try {
            DecodeJpeg(word.CardImage, face);
        } catch (const std::exception&) {
            face = Bitmap();
        }
    }
    if (face.Empty()) {
        face = Bitmap(size.x, size.y, PixelFormat::Bgr24);
        face.Fill(clBlack);
    }
    return face;
}

// The next free slot from start on, wrapping from the last slot to the first.
int FreeSlotFrom(const std::vector<std::unique_ptr<CKarta>>& slots, int start)
{
    const int n = static_cast<int>(slots.size());
    int s = start;
    while (slots[static_cast<std::size_t>(s)])
        s = (s + 1) % n;
    return s;
}

}  // namespace

TPoint graMemory::CardFaceSize(int displayMode)
{
    switch (displayMode) {
    case 2: return {62, 84};
    case 4: return {70, 95};
    default: return {88, 119};
    }
}

int graMemory::SlotsForWords(int words)
{
    switch (words) {
    case 3: return 6;
    case 6: return 12;
    case 10: return 20;
    default: return 0;
    }
}

graMemory::graMemory(MemoryHost& host, TForm* parent, const std::vector<CSlowa::SPaczka*>& chosen, int wordCount,
                     const Bitmap& back, TPoint faceSize)
    : host_(host)
{
    Deal(chosen, wordCount, parent, back, faceSize);
    Layout();
}

graMemory::~graMemory() = default;

void graMemory::Deal(const std::vector<CSlowa::SPaczka*>& chosen, int wordCount, TForm* parent, const Bitmap& back,
                     TPoint faceSize)
{
    const int n = SlotsForWords(wordCount);
    // Without a full set of words there is no board to lay out; stopping
    // here also keeps the slot search from running over an empty board.
    if (n == 0 || static_cast<int>(chosen.size()) < wordCount)
        throw CBlad(99, "Błędna liczba kart!"_cp);
    slots_.clear();
    slots_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < wordCount; ++i) {
        const CSlowa::SPaczka& word = *chosen[static_cast<std::size_t>(i)];
        const Bitmap face = FacePicture(word, faceSize);
        const int s = FreeSlotFrom(slots_, Random31() % n);
        slots_[static_cast<std::size_t>(s)] = std::make_unique<CKarta>(*this, word, 1, face, back, parent);
        const int t = FreeSlotFrom(slots_, Random31() % n);
        slots_[static_cast<std::size_t>(t)] = std::make_unique<CKarta>(*this, word, 2, face, back, parent);
    }
    first_ = nullptr;
    faceUp_ = 0;
    cardsLeft_ = static_cast<int16_t>(n);
    accepting_ = true;
}

void graMemory::Layout()
{
    const BoardGrid* grid = nullptr;
    for (const BoardGrid& g : kGrids)
        if (g.cards == SlotCount())
            grid = &g;
    if (grid == nullptr)
        throw CBlad(99, "Błędna liczba kart!"_cp);
    const CDisplay& d = Display();
    const int originX = d.ConvertFromMode(4, grid->originX) + d.OffsetX();
    const int originY = d.ConvertFromMode(4, grid->originY) + d.OffsetY();
    const int stepX = d.ConvertFromMode(4, grid->stepX);
    const int stepY = d.ConvertFromMode(4, grid->stepY);
    for (int k = 0; k < SlotCount(); ++k) {
        const int row = k / grid->columns;
        const int column = k % grid->columns;
        Slot(k).SetPosition(originX + column * stepX, originY + row * stepY);
    }
}

bool graMemory::IsPair(const CKarta* a, const CKarta* b) const
{
    return a != nullptr && b != nullptr && a != b && a->OnBoard() && b->OnBoard() && a->WordName() == b->WordName();
}

void graMemory::CardClick(CKarta& card)
{
    if (!accepting_ || !card.OnBoard())
        return;
    if (faceUp_ == 1 && &card == first_)
        return;
    if (faceUp_ == 0) {
        first_ = &card;
        faceUp_ = 1;
        card.AddToUncoverScore(1.0f);
        host_.DrawCardFace(card);
        host_.RepaintWindow();
        return;
    }
    host_.DrawCardFace(card);
    accepting_ = false;
    faceUp_ = 2;
    card.AddToUncoverScore(1.0f);
    if (IsPair(first_, &card)) {
        FoundPair(card);
    } else {
        host_.Answered(AnswerKind::Wrong, &first_->Word(), 1);
        card.Timers[CKarta::kMissTimer].SetEnabled(true);
    }
    faceUp_ = 0;
    host_.RepaintWindow();
}

void graMemory::FoundPair(CKarta& card)
{
    const float a = first_->UncoverScore();
    const float b = card.UncoverScore();
    // Found quickly: two correct answers; found late: one; both cards looked
    // at more than five times: none. Found all the same.
    const int counted = (a <= 5 || b <= 5) + (a <= 3 && b <= 3);
    host_.Answered(AnswerKind::Right, &card.Word(), counted);
    cardsLeft_ = static_cast<int16_t>(cardsLeft_ - 2);
    host_.FigureOutAtOnce();
    host_.RepaintWindow();
    host_.WordPanelIn(card.WordName());
    card.PlaySound();
    card.Timers[CKarta::kPairTimer].SetEnabled(true);
    for (CKarta* c : {first_, &card}) {
        c->RemoveFromBoard();
        host_.EraseCard(*c);
    }
}

void graMemory::PairTimer(CKarta& card)
{
    card.Timers[CKarta::kPairTimer].SetEnabled(false);
    card.RemoveFromBoard();
    if (first_ != nullptr)
        first_->RemoveFromBoard();
    first_ = nullptr;
    host_.WordPanelOut(card.WordName());
    host_.RedrawScreen();
    host_.FigureInSoon();
    accepting_ = true;
    // The screen's stop action may start a new game that retires this board:
    // nothing of the board is touched after it.
    if (cardsLeft_ == 0)
        host_.BoardCleared();
}

void graMemory::MissTimer(CKarta& card)
{
    card.Timers[CKarta::kMissTimer].SetEnabled(false);
    host_.DrawCardBack(card);
    if (first_ != nullptr)
        host_.DrawCardBack(*first_);
    host_.RepaintWindow();
    first_ = nullptr;
    accepting_ = true;
}

void graMemory::ShowAll()
{
    if (faceUp_ > 1)
        return;
    if (faceUp_ == 1) {
        host_.DrawCardBack(*first_);
        first_ = nullptr;
        faceUp_ = 0;
    }
    for (const auto& card : slots_)
        if (card->Twin() == 1)
            card->AddToUncoverScore(0.5f);
    host_.Answered(AnswerKind::Hint, nullptr, 1);
    for (const auto& card : slots_)
        if (card->OnBoard()) {
            host_.FlashCardFace(*card);
            TheClock().Sleep(kHintFlashMs);
        }
    TheClock().Sleep(kHintLookMs);
    for (const auto& card : slots_)
        if (card->OnBoard()) {
            host_.FlashCardBack(*card);
            TheClock().Sleep(kHintFlashMs);
        }
}

void graMemory::DrawAllBacks(Bitmap& surface) const
{
    for (const auto& card : slots_)
        if (card->OnBoard())
            card->DrawBack(surface);
}

void graMemory::Retire()
{
    for (const auto& card : slots_) {
        card->RemoveFromBoard();
        for (Timer& timer : card->Timers)
            timer.SetEnabled(false);
    }
    first_ = nullptr;
    accepting_ = false;
}
