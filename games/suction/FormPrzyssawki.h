// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game: the child drags word plates onto the picture
// screens they name, over 3, 5 or 7 boards of five words, moving between
// the boards freely.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "games/common/AnswerEffects.h"
#include "games/common/HintGate.h"
#include "games/common/PlayAreaScreen.h"
#include "games/suction/CPssEkranikRes.h"
#include "games/suction/CPssPlansza.h"
#include "graphics/CMovingObj.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"

class TFormPrzyssawki : public PlayAreaScreen {
public:
    static constexpr int kWordsPerBoard = 5;
    static constexpr int kTimerMs = 60;
    static constexpr int kPlacedGlideMs = 400;
    static constexpr int kPlacedGlideSteps = 10;
    static constexpr int kBackGlideMs = 800;
    static constexpr int kBackGlideSteps = 20;

    // Loads every picture of the display mode; any failure raises CBlad code 1.
    explicit TFormPrzyssawki(TApplication& app);
    ~TFormPrzyssawki() override;

    int GameId() const override { return 2; }
    bool EnoughWords() override;

    // Boards per game for the amount: 3, 5, 7 (0 for anything else).
    static int BoardsForLevel(int poziom);

    Timer Timer1;

    // The game as it stands, for the tests.
    int BoardCount() const { return static_cast<int>(boards_.size()); }
    int CurrentBoard() const { return Boards().Current(); }
    CPssPlansza& Board(int i) const { return *boards_[static_cast<std::size_t>(i)]; }
    const CPssRamka* DraggedPlate() const { return dragged_; }
    const CPssRamka* LastTouchedPlate() const { return lastTouched_; }
    int WordsRemaining() const { return wordsRemaining_; }
    bool Active() const { return Running(); }
    bool Busy() const override;
    using PlayAreaScreen::ButtonDalej;
    using PlayAreaScreen::ButtonWstecz;
    const CPssEkranikRes& Place(int k) const { return places_[static_cast<std::size_t>(k)]; }
    const Bitmap& Clean() const { return clean_; }
    const Bitmap& Composed() const { return composed_; }
    const CTransBitmap& PlatePicture() const { return plate_; }
    const CMovingObj& Mover() const { return mover_; }

private:
    void LoadPictures();
    void BuildBoards();
    void GoToBoard(int index) override;
    void Recompose();
    void ShowComposed();
    void UpdatePointer(int x, int y);
    void Drop();
    CPssPlansza* Current() const;

    void actNowaGraExecute() override;
    void actPomocExecute() override;
    std::vector<const CSlowa::SPaczka*> UnsolvedWords() const override;
    void Timer1Timer();
    void pbGamePaint() override;
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void pbGameMouseMove(TShiftState shift, int x, int y) override;
    void pbGameMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Closing() override;

    Bitmap clean_;
    Bitmap composed_;
    CTransBitmap plate_;
    std::unique_ptr<Bitmap> snow_;
    CTransBitmap highlight_;
    int wordsNeeded_ = 0;
    int wordsRemaining_ = 0;
    std::vector<std::unique_ptr<CPssPlansza>> boards_;
    std::vector<CPssEkranikRes> places_;
    CPssRamka* dragged_ = nullptr;
    CPssRamka* lastTouched_ = nullptr;
    CMovingObj mover_;
    HintGate hintGate_;
    StarBurst burst_;
    bool dropping_ = false;
};

// The suction-cups screen while it exists.
extern TFormPrzyssawki* FormPrzyssawki;

// Makes the suction-cups screen at start-up (the program's list of screens).
std::unique_ptr<CScreenOwner> MakeFormPrzyssawki(TApplication& app);
