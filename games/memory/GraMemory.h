// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game's board: the deal of two cards per word, the layout of 6,
// 12 or 20 cards, the rules of a try (two cards up, a pair or a miss), the
// scoring of pairs by how often their cards were looked at, and the hint
// that shows every card for a moment. It draws nothing itself: its screen
// (MemoryHost) does.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"

class CKarta;
class MemoryHost;
class TForm;

class graMemory {
public:
    // Card face size of each display mode.
    static TPoint CardFaceSize(int displayMode);
    // 3 words give 6 slots, 6 give 12, 10 give 20; any other number none.
    static int SlotsForWords(int words);

    // Deals the first wordCount words of chosen (their CardImage made at the
    // face size; the words must outlive the board) and lays the cards out;
    // parent gets the cards' click areas (nullptr: none). The host hears the
    // answers. Raises CBlad "Błędna liczba kart!" when the words cannot fill
    // a board of 6, 12 or 20 cards.
    graMemory(MemoryHost& host, TForm* parent, const std::vector<CSlowa::SPaczka*>& chosen, int wordCount,
              const Bitmap& back, TPoint faceSize);
    ~graMemory();
    graMemory(const graMemory&) = delete;
    graMemory& operator=(const graMemory&) = delete;

    // The child clicked a card.
    void CardClick(CKarta& card);
    // The hint.
    void ShowAll();
    // Into the surface: the back of every card on the board.
    void DrawAllBacks(Bitmap& surface) const;

    int16_t CardsLeft() const { return cardsLeft_; }
    bool BoardEmpty() const { return cardsLeft_ == 0; }
    bool Accepting() const { return accepting_; }
    int16_t FaceUpCount() const { return faceUp_; }
    CKarta* FirstCard() const { return first_; }
    // Slot k is the k-th grid position, row by row.
    int SlotCount() const { return static_cast<int>(slots_.size()); }
    CKarta& Slot(int k) const { return *slots_[static_cast<std::size_t>(k)]; }

    // Takes every card off the board and stops its timers; the board is
    // inert afterwards (a screen retires a board this way while one of its
    // handlers may still be on the stack).
    void Retire();

    // The card timers' handlers.
    void PairTimer(CKarta& card);
    void MissTimer(CKarta& card);

private:
    void Deal(const std::vector<CSlowa::SPaczka*>& chosen, int wordCount, TForm* parent, const Bitmap& back,
              TPoint faceSize);
    void Layout();
    bool IsPair(const CKarta* a, const CKarta* b) const;
    void FoundPair(CKarta& card);

    MemoryHost& host_;
    std::vector<std::unique_ptr<CKarta>> slots_;
    CKarta* first_ = nullptr;
    int16_t cardsLeft_ = 0;
    int16_t faceUp_ = 0;
    bool accepting_ = false;
};
