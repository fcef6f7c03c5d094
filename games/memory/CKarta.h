// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One card of the memory game: its word, which of the pair it is, how often it
// was looked at, its pair and miss timers, its pictures and the click area
// that keeps it on the board.
#pragma once

#include <memory>
#include <string>

#include "core/CSlowa.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"

class TControl;
class TForm;
class graMemory;

class CKarta {
public:
    static constexpr int kPairTimer = 0;
    static constexpr int kMissTimer = 1;
    static constexpr int kPairDelayMs = 1000;
    static constexpr int kMissDelayMs = 1200;

    // parent receives the card's click area; without one (a board tested
    // without a window) the card is clicked through graMemory::CardClick only.
    CKarta(graMemory& board, const CSlowa::SPaczka& word, int twin, const Bitmap& face, const Bitmap& back,
           TForm* parent);
    ~CKarta();
    CKarta(const CKarta&) = delete;
    CKarta& operator=(const CKarta&) = delete;

    // [kPairTimer] and [kMissTimer]: single shots, made stopped.
    Timer Timers[2];

    const std::string& WordName() const { return word_->Key; }
    const CSlowa::SPaczka& Word() const { return *word_; }
    int Twin() const { return twin_; }
    float UncoverScore() const { return uncoverScore_; }
    void AddToUncoverScore(float amount) { uncoverScore_ += amount; }

    // On the board while its click area is present.
    bool OnBoard() const { return onBoard_; }
    void RemoveFromBoard();
    TControl* HitArea() const { return hitArea_.get(); }

    void SetPosition(int x, int y);
    TPoint Position() const { return position_; }
    // Position and face size.
    TRect Rect() const;

    const Bitmap& Face() const { return face_; }
    const Bitmap& Back() const { return *back_; }
    void DrawFace(Bitmap& surface) const;
    void DrawBack(Bitmap& surface) const;
    // Copies the card's rectangle of the background into the back buffer.
    void Erase(Bitmap& backBuffer, const Bitmap& background) const;
    // The word's recording to its end; a missing file is silent.
    void PlaySound() const;

private:
    const CSlowa::SPaczka* word_;  // the catalogue's, alive while the board is
    int twin_;
    float uncoverScore_ = 0.0f;
    bool onBoard_ = true;
    Bitmap face_;
    const Bitmap* back_;  // owned by the screen, shared by every card
    TPoint position_;
    std::unique_ptr<TControl> hitArea_;
};
