// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game's screen: the table with the cards, the word panel where
// each pair's picture fades in, the little figure, the help and stop buttons,
// three hints a game, and the end-of-game summary.
#pragma once

#include <memory>
#include <string>

#include "games/common/GameScreen.h"
#include "games/memory/GraMemory.h"
#include "games/memory/MemoryFigure.h"
#include "games/memory/MemoryHost.h"
#include "graphics/CTransBitmap.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "platform/Form.h"

class CSlowa;
class CStatRec;
class CPrzyciskC;

class TFormMemory3 : public GameScreen, private MemoryHost {
public:
    static constexpr int kHintsPerGame = 3;
    static constexpr int kHintPauseMs = 600;

    // Loads every picture of the display mode; raises CBlad(1) when one is
    // damaged or missing (a missing background only leaves it black).
    // summary is the end-of-game summary: modal result 1 plays again, any
    // other closes this screen.
    TFormMemory3(TApplication& app, CSlowa& words, CStatRec& stats, TForm& summary);
    ~TFormMemory3() override;

    int GameId() const override { return 3; }
    // The main menu filters the memory game's words itself.
    bool EnoughWords() override { return true; }

    TAction A_Stop;
    TAction A_NowaGra;
    TAction A_Pomoc;
    TAction A_EkranPaint;
    Timer timGad;

    void FormShow();
    void FormClose(TCloseAction& action) override;
    void FormPaint();
    void FormKeyPress(char& key);
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void FormMouseWheel(TShiftState shift, int delta, int x, int y);
    void timGadTimer();
    void A_StopExecute();
    void A_NowaGraExecute();
    void A_PomocExecute();
    void A_EkranPaintExecute();

    // What the tests and the screenshots look at.
    graMemory* Board() const { return board_.get(); }
    int HintStock() const { return hintStock_; }
    bool HelpButtonVisible() const;
    const MemoryFigure& Figure() const { return figure_; }
    TRect WordPanelRect() const { return panelRect_; }
    TRect FigureRect() const;
    TRect HelpButtonRect() const;
    TRect StopButtonRect() const;
    const Bitmap& BackBuffer() const { return backBuffer_; }

private:
    void LoadPictures();
    void FadeFigureOutAtOnce();
    void DrawFigure();

    // MemoryHost
    void DrawCardFace(const CKarta& card) override;
    void DrawCardBack(const CKarta& card) override;
    void EraseCard(const CKarta& card) override;
    void RepaintWindow() override;
    void FlashCardFace(const CKarta& card) override;
    void FlashCardBack(const CKarta& card) override;
    void FigureOutAtOnce() override;
    void FigureInSoon() override;
    void WordPanelIn(const std::string& key) override;
    void WordPanelOut(const std::string& key) override;
    void RedrawScreen() override;
    void BoardCleared() override;
    void Answered(AnswerKind kind, const CSlowa::SPaczka* word, int counted) override;

    // The end of a game.
    std::vector<const CSlowa::SPaczka*> UnsolvedWords() const override;
    int WrongPerUnsolved() const override;
    void Saved(bool complete) override;
    void NewGame() override { A_NowaGra.Execute(); }


    TRect clientRect_;
    Bitmap background_;
    std::unique_ptr<CPrzyciskC> stopButton_;
    std::unique_ptr<CPrzyciskC> helpButton_;
    Bitmap backBuffer_;
    Bitmap panelMask_;  // 8-bit
    Bitmap scratch_;
    TRect panelRect_;
    TPoint figurePos_;
    CTransBitmap figureFrames_[MemoryFigure::kFrameCount];
    MemoryFigure figure_;
    int64_t nextHintMs_ = 0;
    int hintStock_ = kHintsPerGame;
    Bitmap cardBack_;

    std::unique_ptr<graMemory> board_;
    // The board of the previous game, kept until the next one: a new game may
    // start from inside one of its card timers.
    std::unique_ptr<graMemory> retiredBoard_;
};

// The screen's one instance, shown modally by the main menu once the
// catalogue has been filtered with the memory settings and holds enough words.
extern std::unique_ptr<TFormMemory3> FormMemory3;
// Makes FormMemory3 at start-up, after the catalogue, the statistics and the
// summary (all three must outlive it: reset FormMemory3 before them).
TFormMemory3& CreateFormMemory3(TApplication& app, CSlowa& words, CStatRec& stats, TForm& summary);
