// The suction-cups game.
#include "games/suction/FormPrzyssawki.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "controls/CPrzyciskW.h"
#include "controls/CZoom.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Random.h"
#include "screens/FormKoniecGry.h"
#include "games/common/GameSummary.h"
#include "games/common/PaintAround.h"

TFormPrzyssawki* FormPrzyssawki = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

}  // namespace

TFormPrzyssawki::TFormPrzyssawki(TApplication& app)
    : TForm(app, "FormPrzyssawki", app.ScreenWidth(), app.ScreenHeight() - 20),
      pbGame(*this),
      Timer1([this] { Timer1Timer(); }, kTimerMs, false),
      actStop("actStop", [this] { actStopExecute(); }),
      actPomoc("actPomoc", [this] { actPomocExecute(); }),
      actNowaGra("actNowaGra", [this] { actNowaGraExecute(); }),
      actDalej("actDalej", [this] { actDalejExecute(); }),
      actWstecz("actWstecz", [this] { actWsteczExecute(); })
{
    const CDisplay& d = Display();
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, app.ScreenWidth(), app.ScreenHeight() - 20);
    pbGame.Name = "pbGame";
    pbGame.SetBounds(d.OffsetX(), d.OffsetY(), d.AreaWidth(), d.AreaHeight());

    try {
        LoadPictures();
        using Button = BoardSwitch::Button;
        auto make = [&](const char* name, Button which, TAction& action) {
            const TPoint p = BoardSwitch::ButtonPosition(d, which);
            auto button = std::make_unique<CPrzyciskW>(*this, name, Canvas(), composed_, &clean_, p.x, p.y, action);
            button->SetBackBufferOffset(d.OffsetX(), d.OffsetY());
            button->SetBackgroundOffset(d.OffsetX(), d.OffsetY());
            return button;
        };
        stop_ = make("stop", Button::Stop, actStop);
        pomoc_ = make("pomoc", Button::Pomoc, actPomoc);
        dalej_ = make("dalej", Button::Dalej, actDalej);
        wstecz_ = make("wstecz", Button::Wstecz, actWstecz);
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }

    pbGame.OnPaint = [this] { pbGamePaint(); };
    pbGame.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseDown(b, s, x, y); };
    pbGame.OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x, y); };
    pbGame.OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseUp(b, s, x, y); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };
    // Closing the window or ending the session stops a game as its button
    // does, so that the game is recorded.
    OnCloseRequest = [this] {
        if (active_)
            actStop.Execute();
        else
            Close();
    };
    OnPaint = [this] { FormPaint(); };
    // A plate dragged beyond the design area keeps following the pointer.
    OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x - pbGame.Left(), y - pbGame.Top()); };
    OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbGameMouseUp(b, s, x - pbGame.Left(), y - pbGame.Top());
    };

    FormPrzyssawki = this;
    RegisterGameScreen(this);
}

TFormPrzyssawki::~TFormPrzyssawki()
{
    UnregisterGameScreen(this);
    if (FormPrzyssawki == this)
        FormPrzyssawki = nullptr;
}

void TFormPrzyssawki::LoadPictures()
{
    const CDisplay& d = Display();
    const std::string obj = kSpec + d.ModePrefix();
    snow_ = LoadJpegFile(kSpec + "R5_pss_snieg.xji");
    plate_.LoadPair(obj + "pss_ramB.xji", obj + "pss_ramW.xji");
    highlight_.LoadPair(obj + "pss_podB.xji", obj + "pss_podW.xji");
    if (!plate_.Colour || !plate_.Mask || !highlight_.Colour || !snow_)
        throw CBlad(1);
    clean_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    composed_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);

    CTransBitmap scene;
    scene.LoadPair(kSpec + d.PrefixedName("pss_tloB.xji"), kSpec + d.PrefixedName("pss_tloW.xji"));
    if (!scene.Colour || !scene.Mask)
        throw CBlad(1);
    // The scene as drawn on white: the screens' windows stay white until a
    // picture or snow fills them.
    clean_.Fill(clWhite);
    BlendTransparent(&clean_, 0, 0, 255, 0, 0, &clean_, scene.Colour->Bounds().Intersect(clean_.Bounds()),
                     scene.Mask.get(), scene.Colour.get());
    places_.clear();
    for (int k = 0; k < CPssEkranikRes::kPlaceCount; ++k)
        places_.push_back(CPssEkranikRes::Make(scene, d, k));
}

int TFormPrzyssawki::BoardsForLevel(int poziom)
{
    switch (poziom) {
    case 1: return 3;
    case 2: return 5;
    case 3: return 7;
    default: return 0;
    }
}

bool TFormPrzyssawki::EnoughWords()
{
    wordsNeeded_ = BoardsForLevel(UstPrzyssawki.Poziom) * kWordsPerBoard;
    // A game of no boards is no game: an amount out of range is refused.
    return wordsNeeded_ > 0 && Slowa->BuildPool(UstPrzyssawki.Gloski, UstPrzyssawki.Pozycja) >= wordsNeeded_;
}

CPssPlansza* TFormPrzyssawki::Current() const
{
    const int i = switch_.Current();
    return i >= 0 && i < BoardCount() ? boards_[static_cast<std::size_t>(i)].get() : nullptr;
}

bool TFormPrzyssawki::Busy() const
{
    const CPssPlansza* board = Current();
    return board != nullptr && board->Busy();
}

void TFormPrzyssawki::BuildBoards()
{
    Slowa->ClearExercise();
    if (Slowa->Pool().empty())
        Slowa->BuildPool(UstPrzyssawki.Gloski, UstPrzyssawki.Pozycja);
    Slowa->ChooseExercise(wordsNeeded_, UstPrzyssawki.Gloski);
    const auto& exercise = Slowa->Exercise();
    // Only whole boards of the words the catalogue gave: a short exercise
    // must not leave a board reading past its end.
    const int boardCount = std::min(wordsNeeded_, static_cast<int>(exercise.size())) / kWordsPerBoard;
    wordsRemaining_ = boardCount * kWordsPerBoard;
    dragged_ = nullptr;
    lastTouched_ = nullptr;
    boards_.clear();
    for (int b = 0; b < boardCount; ++b) {
        auto board = std::make_unique<CPssPlansza>();
        CSlowa::SPaczka* words[kWordsPerBoard];
        for (int k = 0; k < kWordsPerBoard; ++k) {
            words[k] = exercise[static_cast<std::size_t>(b * kWordsPerBoard + k)];
            board->AddScreen(std::make_unique<CPssEkranik>(places_[static_cast<std::size_t>(k)], *snow_, *words[k]));
        }
        for (int i = 0; i < kWordsPerBoard - 1; ++i)
            std::swap(words[i], words[i + RandomInt(kWordsPerBoard - i)]);
        for (int k = 0; k < kWordsPerBoard; ++k)
            board->AddPlate(std::make_unique<CPssRamka>(CPssRamka::Home(Display(), k), *words[k], clean_, plate_));
        boards_.push_back(std::move(board));
    }
    switch_.Reset(boardCount);
}

void TFormPrzyssawki::actNowaGraExecute()
{
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    wordsNeeded_ = BoardsForLevel(UstPrzyssawki.Poziom) * kWordsPerBoard;
    BuildBoards();
    SyncButtons();
    hintGate_.Reset();
    GoToBoard(0);
    active_ = true;
    Timer1.SetEnabled(true);
    StatRec->StartGame(UstPrzyssawki);
}

void TFormPrzyssawki::SyncButtons()
{
    dalej_->SetVisible(switch_.DalejVisible());
    wstecz_->SetVisible(switch_.WsteczVisible());
}

void TFormPrzyssawki::Recompose()
{
    composed_.CopyRect(composed_.Bounds(), clean_, clean_.Bounds());
    for (CPrzyciskW* button : {stop_.get(), pomoc_.get(), dalej_.get(), wstecz_.get()})
        button->DrawNormal();
    if (CPssPlansza* board = Current())
        board->Draw(composed_);
}

void TFormPrzyssawki::ShowComposed() { pbGame.Canvas().Draw(0, 0, composed_); }

void TFormPrzyssawki::GoToBoard(int index)
{
    CPssPlansza* previous = Current();
    if (switch_.MoveTo(index)) {
        if (previous != nullptr)
            previous->Release();
        lastTouched_ = nullptr;
        Current()->Prepare(FontBold());
        Current()->StartOpening();
    }
    // Redrawn even when the board stays: the buttons may have changed.
    Recompose();
    ShowComposed();
}

void TFormPrzyssawki::actDalejExecute()
{
    StatRec->Touch();
    if (Busy())
        return;
    const int target = switch_.Forward();
    SyncButtons();
    GoToBoard(target);
}

void TFormPrzyssawki::actWsteczExecute()
{
    StatRec->Touch();
    if (Busy())
        return;
    const int target = switch_.Back();
    SyncButtons();
    GoToBoard(target);
}

void TFormPrzyssawki::Timer1Timer()
{
    CPssPlansza* board = Current();
    if (board == nullptr || !board->Tick())
        return;
    board->ClearPlaced(composed_, clean_);
    board->Draw(composed_);
    board->Show(pbGame.Canvas(), composed_);
}

void TFormPrzyssawki::pbGamePaint() { ShowComposed(); }

void TFormPrzyssawki::UpdatePointer(int x, int y)
{
    const CPssPlansza* board = Current();
    pbGame.Cursor = active_ && board != nullptr && board->FreePlateAt(x, y) != nullptr ? crHand : crDefault;
}

void TFormPrzyssawki::pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (dropping_)
        return;
    StatRec->Touch();
    CPssPlansza* board = Current();
    if (board == nullptr || Busy())
        return;
    if (button == TMouseButton::mbLeft) {
        if (dragged_ != nullptr) {
            pbGameMouseMove(shift, x, y);
            return;
        }
        if (!active_)
            return;
        CPssRamka* plate = board->FreePlateAt(x, y);
        if (plate == nullptr)
            return;
        dragged_ = plate;
        lastTouched_ = plate;
        plate->SetAtHome(false);
        const int w = plate_.Colour->Width(), h = plate_.Colour->Height();
        const TPoint c = plate->Centre();
        mover_.Begin(RectXYWH(c.x - w / 2, c.y - h / 2, w, h), x, y, &pbGame.Canvas(), &composed_,
                     [this](void*, Bitmap& scratch, int left, int top) {
                         if (dragged_ != nullptr)
                             dragged_->DrawPlaced(scratch, left, top);
                     },
                     nullptr);
        // The window keeps showing the plate at home until the first move.
        Recompose();
    } else if (button == TMouseButton::mbRight) {
        if (const CPssRamka* plate = board->PlateAt(x, y)) {
            PlayDataSound(plate->Word().Key, false);
        } else if (const CPssEkranik* screen = board->ScreenAt(x, y)) {
            if (FormPociag != nullptr) {
                CZoom& zoom = FormPociag->Zoom();
                zoom.Show(pbGame.Canvas(), composed_, y, x, CZoom::WordOf(screen->Word()));
                zoom.PlayWord();
                zoom.Hide(pbGame.Canvas(), composed_);
            }
        }
    }
}

void TFormPrzyssawki::pbGameMouseMove(TShiftState, int x, int y)
{
    if (dropping_)
        return;
    UpdatePointer(x, y);
    if (dragged_ != nullptr)
        mover_.MoveTo(x, y);
}

void TFormPrzyssawki::pbGameMouseUp(TMouseButton button, TShiftState, int x, int y)
{
    if (button != TMouseButton::mbLeft || dropping_)
        return;
    StatRec->Touch();
    UpdatePointer(x, y);
    if (dragged_ != nullptr) {
        dropping_ = true;
        App().ProcessMessages();
        Drop();
        dropping_ = false;
    }
    if (active_ && wordsRemaining_ <= 0)
        actStop.Execute();
}

void TFormPrzyssawki::Drop()
{
    CPssPlansza& board = *Current();
    CPssRamka& plate = *dragged_;
    plate.SetAtHome(true);
    const int w = plate_.Colour->Width(), h = plate_.Colour->Height();
    const int dropX = mover_.Left() + w / 2, dropY = mover_.Top() + h / 2;
    const CPssEkranik* target = board.ScreenDockingAt(dropX, dropY);
    if (target != nullptr && target->Word().Key == plate.Word().Key) {
        lastTouched_ = nullptr;
        const TPoint dock = target->Place().Dock();
        plate.PlaceAt(dock);
        mover_.Glide(dock.x - w / 2, dock.y - h / 2, kPlacedGlideMs, kPlacedGlideSteps);
        StatRec->AddCorrect();
        PlayFeedbackSound(kPraise, true);
        PlayDataSound(target->Word().Key, false);
        --wordsRemaining_;
    } else {
        if (target != nullptr) {
            StatRec->AddWrong();
            PlayFeedbackSound(kReproach, false);
        }
        mover_.Glide(mover_.StartLeft(), mover_.StartTop(), kBackGlideMs, kBackGlideSteps);
    }
    dragged_ = nullptr;
    Recompose();
    ShowComposed();
}

void TFormPrzyssawki::BlinkHighlight(TPoint centre)
{
    TCanvas& canvas = pbGame.Canvas();
    const int left = centre.x - highlight_.Colour->Width() / 2;
    const int top = centre.y - highlight_.Colour->Height() / 2;
    const TRect r = RectXYWH(left, top, highlight_.Colour->Width(), highlight_.Colour->Height());
    highlight_.ComposeFromCanvas(composed_, left, top, 255);
    canvas.Draw(left, top, *highlight_.Cache);
    for (int k = 0; k < 2; ++k) {
        canvas.CopyRect(r, composed_, r);
        TheClock().Sleep(200);
        canvas.Draw(left, top, *highlight_.Cache);
        TheClock().Sleep(200);
    }
}

void TFormPrzyssawki::actPomocExecute()
{
    StatRec->Touch();
    CPssPlansza* board = Current();
    if (board == nullptr || !hintGate_.Allows(TheClock().Milliseconds()) || Busy())
        return;
    CPssRamka* plate = lastTouched_ != nullptr ? lastTouched_ : board->RandomUnplacedPlate();
    const CPssEkranik* screen = board->ScreenForPlate(plate);
    if (screen == nullptr)
        return;
    StatRec->AddHint();
    BlinkHighlight(plate->Centre());
    BlinkHighlight(screen->Place().Dock());
    highlight_.Cache.reset();
    TheClock().Sleep(1000);
    ShowComposed();
    hintGate_.HintEnded(TheClock().Milliseconds());
}

void TFormPrzyssawki::actStopExecute()
{
    active_ = false;
    StatRec->StopGame();
    for (int k = 0; k < wordsRemaining_; ++k)
        StatRec->AddWrong();
    StatRec->Save(wordsRemaining_ <= 0 ? 1 : 0);
    ShowSummaryThenContinue(FormKoniecGry, actNowaGra, *this);
}

void TFormPrzyssawki::FormShow()
{
    SetSize(App().ScreenWidth(), App().ScreenHeight());
    actNowaGra.Execute();
}

void TFormPrzyssawki::FormClose(TCloseAction&)
{
    Timer1.SetEnabled(false);
    dragged_ = nullptr;
    lastTouched_ = nullptr;
    active_ = false;
    SetSize(App().ScreenWidth(), App().ScreenHeight() - 20);
    // The boards point into the catalogue's words, which are let go here.
    boards_.clear();
    switch_.Reset(0);
    Slowa->ReleaseAll();
}

void TFormPrzyssawki::FormPaint()
{
    PaintBlackAround(Canvas(), pbGame.BoundsRect(), Width(), Height());
}

std::unique_ptr<CScreenOwner> MakeFormPrzyssawki(TApplication& app)
{
    return std::make_unique<TFormPrzyssawki>(app);
}
