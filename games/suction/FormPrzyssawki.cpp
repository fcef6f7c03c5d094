// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game.
#include "games/suction/FormPrzyssawki.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Random.h"
#include "screens/FormKoniecGry.h"

TFormPrzyssawki* FormPrzyssawki = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

}  // namespace

TFormPrzyssawki::TFormPrzyssawki(TApplication& app)
    : PlayAreaScreen(app, "FormPrzyssawki", *Slowa, *StatRec, FormKoniecGry),
      Timer1([this] { Timer1Timer(); }, kTimerMs, false)
{
    SetScene(composed_, clean_);
    LoadOrFail([&] {
        LoadPictures();
        MakeBoardButtons();
    });
    FormPrzyssawki = this;
}

TFormPrzyssawki::~TFormPrzyssawki()
{
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
    burst_.LoadPicture(obj);
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
    return ByAmount(poziom, 3, 5, 7);
}

bool TFormPrzyssawki::EnoughWords()
{
    wordsNeeded_ = BoardsForLevel(UstPrzyssawki.Poziom) * kWordsPerBoard;
    // A game of no boards is no game: an amount out of range is refused.
    return wordsNeeded_ > 0 && Words().BuildPool(UstPrzyssawki.Gloski, UstPrzyssawki.Pozycja) >= wordsNeeded_;
}

CPssPlansza* TFormPrzyssawki::Current() const
{
    const int i = Boards().Current();
    return i >= 0 && i < BoardCount() ? boards_[static_cast<std::size_t>(i)].get() : nullptr;
}

bool TFormPrzyssawki::Busy() const
{
    const CPssPlansza* board = Current();
    return board != nullptr && board->Busy();
}

void TFormPrzyssawki::BuildBoards()
{
    Words().ClearExercise();
    if (Words().Pool().empty())
        Words().BuildPool(UstPrzyssawki.Gloski, UstPrzyssawki.Pozycja);
    Words().ChooseExercise(wordsNeeded_, UstPrzyssawki.Gloski);
    const auto& exercise = Words().Exercise();
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
    ResetBoards(boardCount);
}

void TFormPrzyssawki::actNowaGraExecute()
{
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    wordsNeeded_ = BoardsForLevel(UstPrzyssawki.Poziom) * kWordsPerBoard;
    BuildBoards();
    hintGate_.Reset();
    GoToBoard(0);
    Timer1.SetEnabled(true);
    BeginGame(UstPrzyssawki);
}

void TFormPrzyssawki::Recompose()
{
    composed_.CopyRect(composed_.Bounds(), clean_, clean_.Bounds());
    DrawButtons();
    if (CPssPlansza* board = Current())
        board->Draw(composed_);
}

void TFormPrzyssawki::ShowComposed() { pbGame.Canvas().Draw(0, 0, composed_); }

void TFormPrzyssawki::GoToBoard(int index)
{
    CPssPlansza* previous = Current();
    if (Boards().MoveTo(index)) {
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
    pbGame.Cursor = Running() && board != nullptr && board->FreePlateAt(x, y) != nullptr ? crHand : crDefault;
}

void TFormPrzyssawki::pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (dropping_)
        return;
    Stats().Touch();
    CPssPlansza* board = Current();
    if (board == nullptr || Busy())
        return;
    if (button == TMouseButton::mbLeft) {
        if (dragged_ != nullptr) {
            pbGameMouseMove(shift, x, y);
            return;
        }
        if (!Running())
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
            ZoomWord(screen->Word(), x, y);
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
    Stats().Touch();
    UpdatePointer(x, y);
    if (dragged_ != nullptr) {
        dropping_ = true;
        // What is waiting is shown first; a click given meanwhile (stop,
        // "dalej") is handled once the drop has been judged.
        App().ProcessPendingWork();
        Drop();
        dropping_ = false;
    }
    if (Running() && wordsRemaining_ <= 0)
        EndGame();
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
        Right(&plate.Word());
        // Stuck: stars burst from the plate before the praise is heard.
        dragged_ = nullptr;
        Recompose();
        ShowComposed();
        burst_.Start(dock, Display().ConvertFromModeRounded(16, 170));
        burst_.Play(pbGame.Canvas(), composed_);
        PlayFeedbackSound(kPraise, true);
        PlayDataSound(target->Word().Key, false);
        --wordsRemaining_;
    } else {
        if (target != nullptr) {
            Wrong(&plate.Word());
            PlayFeedbackSound(kReproach, false);
            // The plate shakes its head before it goes back.
            const TPoint grab{mover_.Left() + mover_.GrabX(), mover_.Top() + mover_.GrabY()};
            for (int step = 0; step < kShakeSteps; ++step) {
                mover_.MoveTo(grab.x + ShakeOffset(step, Display().ConvertFromModeRounded(16, 10)), grab.y);
                TheClock().Sleep(kShakeStepMs);
            }
        }
        mover_.Glide(mover_.StartLeft(), mover_.StartTop(), kBackGlideMs, kBackGlideSteps);
    }
    dragged_ = nullptr;
    Recompose();
    ShowComposed();
}

void TFormPrzyssawki::actPomocExecute()
{
    Stats().Touch();
    CPssPlansza* board = Current();
    if (board == nullptr || !hintGate_.Allows(TheClock().Milliseconds()) || Busy())
        return;
    CPssRamka* plate = lastTouched_ != nullptr ? lastTouched_ : board->RandomUnplacedPlate();
    const CPssEkranik* screen = board->ScreenForPlate(plate);
    if (screen == nullptr)
        return;
    HintShown(&plate->Word());
    for (const TPoint centre : {plate->Centre(), screen->Place().Dock()})
        BlinkHighlight(highlight_, centre.x - highlight_.Colour->Width() / 2, centre.y - highlight_.Colour->Height() / 2);
    highlight_.Cache.reset();
    TheClock().Sleep(1000);
    ShowComposed();
    hintGate_.HintEnded(TheClock().Milliseconds());
}

std::vector<const CSlowa::SPaczka*> TFormPrzyssawki::UnsolvedWords() const
{
    std::vector<const CSlowa::SPaczka*> left;
    for (const auto& board : boards_)
        for (int k = 0; k < board->PlateCount(); ++k)
            if (!board->Plate(k).Placed())
                left.push_back(&board->Plate(k).Word());
    return left;
}

void TFormPrzyssawki::Closing()
{
    Timer1.SetEnabled(false);
    dragged_ = nullptr;
    lastTouched_ = nullptr;
    // The boards point into the catalogue's words, which are let go next.
    boards_.clear();
    Boards().Reset(0);
}

std::unique_ptr<CScreenOwner> MakeFormPrzyssawki(TApplication& app)
{
    return std::make_unique<TFormPrzyssawki>(app);
}
