// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the memory board asks of the screen that hosts it: the drawing, the
// word panel, the figure and the end of the game. The board itself draws
// nothing, so its rules run without a window.
#pragma once

#include <string>

#include "core/CSlowa.h"
#include "games/common/AnswerKind.h"

class CKarta;

class MemoryHost {
public:
    // Into the back buffer; the window shows it at the next RepaintWindow.
    virtual void DrawCardFace(const CKarta& card) = 0;
    virtual void DrawCardBack(const CKarta& card) = 0;
    virtual void EraseCard(const CKarta& card) = 0;
    virtual void RepaintWindow() = 0;

    // Straight onto the window, for the hint's quick look at every card.
    virtual void FlashCardFace(const CKarta& card) = 0;
    virtual void FlashCardBack(const CKarta& card) = 0;

    virtual void FigureOutAtOnce() = 0;
    virtual void FigureInSoon() = 0;
    virtual void WordPanelIn(const std::string& key) = 0;
    virtual void WordPanelOut(const std::string& key) = 0;
    // Background, buttons and the backs of the cards still on the board.
    virtual void RedrawScreen() = 0;
    // The last pair has left the board.
    virtual void BoardCleared() = 0;
    // An answer of the child, a pair of cards turned: a pair found (counted
    // by the statistics twice, once or not at all, by how quickly), a miss
    // (the word of the first card turned; counted once) or the hint (no word).
    virtual void Answered(AnswerKind kind, const CSlowa::SPaczka* word, int counted) = 0;

protected:
    ~MemoryHost() = default;
};
