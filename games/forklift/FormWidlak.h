// The forklift game: the child drives a forklift truck with the arrow keys,
// takes a box from the right rack and pushes it into the empty slot beside
// the reference box of the same word on the left rack. 3, 6 or 9 boards of
// four words; the child moves between boards freely.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "games/common/BoardSwitch.h"
#include "games/common/HintGate.h"
#include "games/common/IdleFrameLoop.h"
#include "games/common/KeyboardPointerPark.h"
#include "games/forklift/CWidPlansza.h"
#include "games/forklift/CWidWozek.h"
#include "graphics/CTransBitmap.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"

class CPrzyciskW;
class CStatRec;
class TFormKoniecGry;

class TFormWidlak : public TForm {
public:
    static constexpr int kWordsPerBoard = 4;
    static constexpr int kFramePeriodMs = IdleFrameLoop::kFramePeriodMs;
    static constexpr int kEndDelayMs = 2000;

    // Loads every picture of the display mode; any failure raises CBlad code 1.
    TFormWidlak(TApplication& app, CSlowa& slowa, CStatRec& stats, TFormKoniecGry* summary);
    ~TFormWidlak() override;

    // Boards per game for the amount: 3, 6, 9 (0 for anything else).
    static int BoardsForLevel(int poziom);
    // Whether the catalogue has the words the game's settings ask for.
    bool EnoughWords();

    TPaintBox pbGame;
    TAction actStop;
    TAction actPomoc;
    TAction actNowaGra;
    TAction actDalej;
    TAction actWstecz;

    // A frame of the idle loop without its wait: erase the truck and move
    // it by the keys held (with the end of the game), then draw it and show
    // what changed. A truck standing still is neither erased nor drawn nor
    // shown: MoveTruck then answers false.
    bool MoveTruck();
    void ShowTruck();

    // The game as it stands, for the tests.
    CWidWozek& Truck() { return *truck_; }
    int BoardCount() const { return static_cast<int>(boards_.size()); }
    CWidPlansza& Board(int i) const { return *boards_[static_cast<std::size_t>(i)]; }
    int CurrentBoard() const { return switch_.Current(); }
    int WordsRemaining() const { return wordsRemaining_; }
    bool Active() const { return active_; }
    bool DalejVisible() const { return switch_.DalejVisible(); }
    bool WsteczVisible() const { return switch_.WsteczVisible(); }
    // Frames in a row with an arrow key held since the pointer last moved.
    int KeyFrames() const { return pointerPark_.Count(); }
    int64_t NextHintMs() const { return hintGate_.NextHintMs(); }
    const Bitmap& Clean() const { return clean_; }
    const Bitmap& Composed() const { return composed_; }

private:
    void LoadPictures();
    std::unique_ptr<CWidPudlo> MakeTextBox(CSlowa::SPaczka* word) const;
    std::unique_ptr<CWidPudlo> MakePictureBox(CSlowa::SPaczka* word) const;
    std::unique_ptr<CWidPudlo> MakeBox(bool picture, CSlowa::SPaczka* word) const;
    void BuildBoards();
    void GoToBoard(int index);
    CWidPlansza* Current() const;
    // "dalej" or "wstecz": the buttons set for the board arrived at, then the board.
    void SwitchBoard(bool forward);
    void Recompose();
    void ShowBoardButtons();
    void MovePointerAway();
    void BlinkHighlight(const CTransBitmap& highlight, int left, int top, bool keep);
    int S(int v) const;

    void FormShow();
    void FormClose(TCloseAction& action);
    void FormPaint();
    void FormKeyDown(int& key, TShiftState shift);
    void FormKeyUp(int& key, TShiftState shift);
    void FormKeyPress(char& key);
    void pbGamePaint();
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void pbGameMouseMove(TShiftState shift, int x, int y);
    void actStopExecute();
    void actPomocExecute();
    void actNowaGraExecute();
    void actDalejExecute();
    void actWsteczExecute();

    CSlowa& slowa_;
    CStatRec& stats_;
    TFormKoniecGry* summary_;

    std::unique_ptr<CPrzyciskW> stop_;
    std::unique_ptr<CPrzyciskW> pomoc_;
    std::unique_ptr<CPrzyciskW> dalej_;
    std::unique_ptr<CPrzyciskW> wstecz_;
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
    BoardSwitch switch_;
    IdleFrameLoop loop_;
    bool left_ = false;
    bool right_ = false;
    bool up_ = false;
    bool down_ = false;
    bool active_ = false;
    KeyboardPointerPark pointerPark_;
    TRect previousTruck_;
    TRect window_;
    CTransBitmap windowCutOut_;
    bool fullRepaint_ = false;
    bool truckFrame_ = false;  // this frame erases, draws and shows the truck
    HintGate hintGate_;
    int endCountdown_ = 0;
};

// The forklift screen while it exists.
extern TFormWidlak* FormWidlak;
