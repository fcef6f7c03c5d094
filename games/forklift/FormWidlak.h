// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game: the child drives a forklift truck with the arrow keys,
// takes a box from the right rack and pushes it into the empty slot beside
// the reference box of the same word on the left rack. 3, 6 or 9 boards of
// four words; the child moves between boards freely.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "games/common/AnswerEffects.h"
#include "games/common/ArrowPad.h"
#include "games/common/HintGate.h"
#include "games/common/IdleFrameLoop.h"
#include "games/common/KeyboardPointerPark.h"
#include "games/common/PlayAreaScreen.h"
#include "games/forklift/CWidPlansza.h"
#include "games/forklift/CWidWozek.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CStatRec;
class TFormKoniecGry;

class TFormWidlak : public PlayAreaScreen {
public:
    static constexpr int kWordsPerBoard = 4;
    static constexpr int kFramePeriodMs = IdleFrameLoop::kFramePeriodMs;
    static constexpr int kEndDelayMs = 2000;

    // Loads every picture of the display mode; any failure raises CBlad code 1.
    TFormWidlak(TApplication& app, CSlowa& slowa, CStatRec& stats, TFormKoniecGry* summary);
    ~TFormWidlak() override;

    int GameId() const override { return 4; }
    // Boards per game for the amount: 3, 6, 9 (0 for anything else).
    static int BoardsForLevel(int poziom);
    // Whether the catalogue has the words the game's settings ask for.
    bool EnoughWords() override;

    // A frame of the idle loop without its wait: erase the truck and move
    // it by the keys held (with the end of the game), then draw it and show
    // what changed. A truck standing still is neither erased nor drawn nor
    // shown; with no animation running either, MoveTruck answers false and
    // ShowTruck does nothing.
    bool MoveTruck();
    void ShowTruck();

    // The game as it stands, for the tests.
    CWidWozek& Truck() { return *truck_; }
    int BoardCount() const { return static_cast<int>(boards_.size()); }
    CWidPlansza& Board(int i) const { return *boards_[static_cast<std::size_t>(i)]; }
    int CurrentBoard() const { return Boards().Current(); }
    int WordsRemaining() const { return wordsRemaining_; }
    bool Active() const { return Running(); }
    bool DalejVisible() const { return Boards().DalejVisible(); }
    bool WsteczVisible() const { return Boards().WsteczVisible(); }
    // Frames in a row with an arrow key held since the pointer last moved.
    int KeyFrames() const { return pointerPark_.Count(); }
    int64_t NextHintMs() const { return hintGate_.NextHintMs(); }
    const Bitmap& Clean() const { return clean_; }
    const Bitmap& Composed() const { return composed_; }
    const ArrowPad& Arrows() const { return *arrows_; }
    // What the answer animations and the arrows' hint changed in the last
    // frame beside the truck.
    TRect EffectsArea() const { return effects_; }
    // The racks, the buttons and the truck drawn anew from the game as it stands.
    void Recompose();

private:
    void LoadPictures();
    std::unique_ptr<CWidPudlo> MakeTextBox(CSlowa::SPaczka* word) const;
    std::unique_ptr<CWidPudlo> MakePictureBox(CSlowa::SPaczka* word) const;
    std::unique_ptr<CWidPudlo> MakeBox(bool picture, CSlowa::SPaczka* word) const;
    void BuildBoards();
    void GoToBoard(int index) override;
    CWidPlansza* Current() const;
    void PlaceArrows();
    void MovePointerAway();
    // The box on the fork blushes this frame.
    bool Blushing() const;
    int S(int v) const;

    void FormKeyDown(int& key, TShiftState shift);
    void FormKeyUp(int& key, TShiftState shift);
    void FormKeyPress(char& key);
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void pbGameMouseMove(TShiftState shift, int x, int y) override;
    void actPomocExecute() override;
    void actNowaGraExecute() override;
    void StopPlay() override;
    std::vector<const CSlowa::SPaczka*> UnsolvedWords() const override;
    void Closing() override;

    Bitmap background_;
    Bitmap clean_;
    Bitmap composed_;
    CTransBitmap textBox_;
    CTransBitmap pictureBox_;
    int textHeight_ = 0;
    int pictureHeight_ = 0;
    CTransBitmap textHighlight_;
    CTransBitmap pictureHighlight_;
    std::unique_ptr<CWidWozek> truck_;
    int wordsNeeded_ = 0;
    int wordsRemaining_ = 0;
    int boardCount_ = 0;
    std::vector<std::unique_ptr<CWidPlansza>> boards_;
    IdleFrameLoop loop_;
    std::unique_ptr<ArrowPad> arrows_;
    StarBurst burst_;
    RedFlash flash_;
    TRect effects_;
    KeyboardPointerPark pointerPark_;
    TRect previousTruck_;
    TRect window_;
    CTransBitmap windowCutOut_;
    bool fullRepaint_ = false;
    bool truckFrame_ = false;  // this frame erases, draws and shows the truck
    bool frameDrawn_ = false;  // this frame draws and shows anything
    bool tintLeft_ = false;    // the last frame tinted the box on the fork
    HintGate hintGate_;
    int endCountdown_ = 0;
};

// The forklift screen while it exists.
extern TFormWidlak* FormWidlak;
