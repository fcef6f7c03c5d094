// The suction-cups game: the child drags word plates onto the picture
// screens they name, over 3, 5 or 7 boards of five words, moving between
// the boards freely.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "core/Program.h"
#include "games/common/BoardSwitch.h"
#include "games/common/HintGate.h"
#include "games/suction/CPssEkranikRes.h"
#include "games/suction/CPssPlansza.h"
#include "graphics/CMovingObj.h"
#include "graphics/CTransBitmap.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"

class CPrzyciskW;

class TFormPrzyssawki : public TForm, public CGameScreen, public CScreenOwner {
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
    int ShowGame() override { return ShowModal(); }

    // Boards per game for the amount: 3, 5, 7 (0 for anything else).
    static int BoardsForLevel(int poziom);

    TPaintBox pbGame;
    Timer Timer1;
    TAction actStop;
    TAction actPomoc;
    TAction actNowaGra;
    TAction actDalej;
    TAction actWstecz;

    // The game as it stands, for the tests.
    int BoardCount() const { return static_cast<int>(boards_.size()); }
    int CurrentBoard() const { return switch_.Current(); }
    CPssPlansza& Board(int i) const { return *boards_[static_cast<std::size_t>(i)]; }
    const CPssRamka* DraggedPlate() const { return dragged_; }
    const CPssRamka* LastTouchedPlate() const { return lastTouched_; }
    int WordsRemaining() const { return wordsRemaining_; }
    bool Active() const { return active_; }
    bool Busy() const;
    const CPrzyciskW& ButtonDalej() const { return *dalej_; }
    const CPrzyciskW& ButtonWstecz() const { return *wstecz_; }
    const CPssEkranikRes& Place(int k) const { return places_[static_cast<std::size_t>(k)]; }
    const Bitmap& Clean() const { return clean_; }
    const Bitmap& Composed() const { return composed_; }
    const CTransBitmap& PlatePicture() const { return plate_; }
    const CMovingObj& Mover() const { return mover_; }

private:
    void LoadPictures();
    void BuildBoards();
    void GoToBoard(int index);
    void SyncButtons();
    void Recompose();
    void ShowComposed();
    void UpdatePointer(int x, int y);
    void Drop();
    void BlinkHighlight(TPoint centre);
    CPssPlansza* Current() const;

    void actNowaGraExecute();
    void actPomocExecute();
    void actStopExecute();
    void actDalejExecute();
    void actWsteczExecute();
    void Timer1Timer();
    void pbGamePaint();
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void pbGameMouseMove(TShiftState shift, int x, int y);
    void pbGameMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void FormShow();
    void FormClose(TCloseAction& action);
    void FormPaint();

    std::unique_ptr<CPrzyciskW> stop_;
    std::unique_ptr<CPrzyciskW> pomoc_;
    std::unique_ptr<CPrzyciskW> dalej_;
    std::unique_ptr<CPrzyciskW> wstecz_;
    Bitmap clean_;
    Bitmap composed_;
    CTransBitmap plate_;
    std::unique_ptr<Bitmap> snow_;
    CTransBitmap highlight_;
    int wordsNeeded_ = 0;
    int wordsRemaining_ = 0;
    BoardSwitch switch_;
    std::vector<std::unique_ptr<CPssPlansza>> boards_;
    std::vector<CPssEkranikRes> places_;
    CPssRamka* dragged_ = nullptr;
    CPssRamka* lastTouched_ = nullptr;
    CMovingObj mover_;
    HintGate hintGate_;
    bool active_ = false;
    bool dropping_ = false;
};

// The suction-cups screen while it exists.
extern TFormPrzyssawki* FormPrzyssawki;

// Makes the suction-cups screen at start-up (the program's list of screens).
std::unique_ptr<CScreenOwner> MakeFormPrzyssawki(TApplication& app);
