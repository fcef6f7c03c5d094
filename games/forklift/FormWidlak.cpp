// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game's screen.
#include "games/forklift/FormWidlak.h"

#include <algorithm>
#include <string>
#include <utility>

#include "controls/CPrzyciskW.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "graphics/CTransFont.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "screens/FormKoniecGry.h"

TFormWidlak* FormWidlak = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

// Rack rows, top to bottom, in the 1280-wide layout: the reference boxes and
// the empty slots beside them on the left, the boxes to carry on the right.
constexpr int kReferenceX = 158, kEmptyX = 382, kRightX = 1113;
constexpr int kReferenceY[4] = {182, 353, 529, 727};
constexpr int kEmptyY[4] = {182, 348, 520, 715};
constexpr int kRightY[4] = {210, 377, 553, 745};

void LoadPairOf(CTransBitmap& picture, const std::string& base)
{
    picture.LoadPair(base + "B.xji", base + "W.xji");
}

}  // namespace

TFormWidlak::TFormWidlak(TApplication& app, CSlowa& slowa, CStatRec& stats, TFormKoniecGry* summary)
    : PlayAreaScreen(app, "FormWidlak", slowa, stats, summary), loop_(app)
{
    const CDisplay& d = Display();
    clean_ = Bitmap(d.AreaWidth(), d.AreaHeight());
    composed_ = Bitmap(d.AreaWidth(), d.AreaHeight());
    SetScene(composed_, clean_);
    pbGame.SetPicture(&composed_);
    LoadOrFail([&] {
        LoadPictures();
        truck_ = std::make_unique<CWidWozek>(ForkliftMeasures::Of(d));
        truck_->LoadPictures(kSpec + d.ModePrefix());
        MakeBoardButtons();
        arrows_ = std::make_unique<ArrowPad>(*this, composed_, TPoint{d.OffsetX(), d.OffsetY()}, "strz");
        PlaceArrows();
        burst_.LoadPicture(kSpec + d.ModePrefix());
    });
    arrows_->OnRelease = [this] { Stats().Touch(); };
    OnKeyDown = [this](int& key, TShiftState s) { FormKeyDown(key, s); };
    OnKeyUp = [this](int& key, TShiftState s) { FormKeyUp(key, s); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    FormWidlak = this;
}

TFormWidlak::~TFormWidlak()
{
    loop_.Stop();
    if (FormWidlak == this)
        FormWidlak = nullptr;
}

int TFormWidlak::S(int v) const { return Display().ConvertFromModeRounded(16, v); }

void TFormWidlak::PlaceArrows()
{
    // On the floor in front of the racks, where the truck never comes:
    // driving on the left (far enough in for the glow round it to show
    // whole), the fork further right, away from the board buttons.
    const int y = truck_->Measures().floor + (Display().AreaHeight() - truck_->Measures().floor - arrows_->ButtonSize()) / 2;
    const int left = std::max(S(22), arrows_->GlowReach());
    arrows_->Place(ArrowPad::kLeft, {left, y});
    arrows_->Place(ArrowPad::kRight, {left + S(132), y});
    arrows_->Place(ArrowPad::kUp, {S(420), y});
    arrows_->Place(ArrowPad::kDown, {S(552), y});
}

void TFormWidlak::LoadPictures()
{
    const CDisplay& d = Display();
    const std::string obj = kSpec + d.ModePrefix();
    LoadPairOf(textBox_, obj + "wid_pudd");
    LoadPairOf(pictureBox_, obj + "wid_pudk");
    LoadPairOf(textHighlight_, obj + "wid_podd");
    LoadPairOf(pictureHighlight_, obj + "wid_podk");
    textHeight_ = S(61);
    pictureHeight_ = S(145);

    // The 1280 x 960 area cuts off what the 1280 x 1024 background has below it.
    const std::unique_ptr<Bitmap> background = LoadJpegFile(kSpec + d.PrefixedName("Twid.xji"));
    background_ = Bitmap(d.AreaWidth(), d.AreaHeight());
    background_.Draw(0, 0, *background);

    // The word picture shows through the box's window; the cut-out is the
    // box's own rim over the window, laid over the picture afterwards.
    window_ = d.ConvertRect(16, {26, 11, 149, 138});
    const TRect inside{0, 0, window_.Width(), window_.Height()};
    auto colour = std::make_unique<Bitmap>(window_.Width(), window_.Height());
    colour->CopyRect(inside, *pictureBox_.Colour, window_);
    auto mask = NewMask(window_.Width(), window_.Height(), 0);
    mask->CopyRect(inside, *pictureBox_.Mask, window_);
    windowCutOut_.SetColour(std::move(colour));
    windowCutOut_.SetMask(std::move(mask));
    pictureBox_.Mask->FillRect(window_, clWhite);
}

int TFormWidlak::BoardsForLevel(int poziom)
{
    return ByAmount(poziom, 3, 6, 9);
}

bool TFormWidlak::EnoughWords()
{
    boardCount_ = BoardsForLevel(UstWidlak.Poziom);
    wordsNeeded_ = boardCount_ * kWordsPerBoard;
    // An amount outside the three gives no boards: nothing to play.
    return boardCount_ > 0 && Words().BuildPool(UstWidlak.Gloski, UstWidlak.Pozycja) >= wordsNeeded_;
}

std::unique_ptr<CWidPudlo> TFormWidlak::MakeTextBox(CSlowa::SPaczka* word) const
{
    auto picture = std::make_unique<Bitmap>(*textBox_.Colour);
    const int w = picture->Width(), h = picture->Height();
    FontBoldItalic().DrawWrapped(*picture, CSlowa::CapitalSpelling(*word), 255, 1, clBlack, {0, S(19), w, h});
    return std::make_unique<CWidPudlo>(CWidPudlo::Kind::Text, word, false, textHeight_, textBox_.Mask.get(),
                                       std::move(picture));
}

std::unique_ptr<CWidPudlo> TFormWidlak::MakePictureBox(CSlowa::SPaczka* word) const
{
    auto picture = std::make_unique<Bitmap>(*pictureBox_.Colour);
    const std::unique_ptr<Bitmap> small = LoadWordPictureSmall(word->Key, window_.Width(), window_.Height(), 0);
    picture->Draw(window_.left, window_.top, *small);
    BlendTransparent(picture.get(), window_.left, window_.top, 255, window_.top, window_.left, picture.get(),
                     windowCutOut_.Colour->Bounds(), windowCutOut_.Mask.get(), windowCutOut_.Colour.get());
    return std::make_unique<CWidPudlo>(CWidPudlo::Kind::Picture, word, true, pictureHeight_, pictureBox_.Mask.get(),
                                       std::move(picture));
}

std::unique_ptr<CWidPudlo> TFormWidlak::MakeBox(bool picture, CSlowa::SPaczka* word) const
{
    return picture ? MakePictureBox(word) : MakeTextBox(word);
}

void TFormWidlak::BuildBoards()
{
    if (Words().Pool().empty())
        Words().BuildPool(UstWidlak.Gloski, UstWidlak.Pozycja);
    Words().ClearExercise();
    Words().ChooseExercise(wordsNeeded_, UstWidlak.Gloski);
    const std::vector<CSlowa::SPaczka*> words = Words().Exercise();
    // The game ends when every box dealt is delivered, even if the
    // catalogue gave fewer words than asked for.
    wordsRemaining_ = static_cast<int>(words.size());
    boards_.clear();

    const int textWidth = textBox_.Colour->Width(), pictureWidth = pictureBox_.Colour->Width();
    int parity = RandomInt(2);
    for (std::size_t first = 0; first < words.size(); first += kWordsPerBoard) {
        const std::size_t rows = std::min<std::size_t>(kWordsPerBoard, words.size() - first);
        auto board = std::make_unique<CWidPlansza>(*truck_);
        CWidRegal& left = board->LeftRack();
        CWidRegal& right = board->RightRack();
        const bool textReference = parity % 2 == 1;
        std::vector<CSlowa::SPaczka*> row(words.begin() + static_cast<std::ptrdiff_t>(first),
                                          words.begin() + static_cast<std::ptrdiff_t>(first + rows));
        for (std::size_t i = 0; i < rows; ++i) {
            left.AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(left, S(kReferenceX), S(kReferenceY[i]),
                                                                    MakeBox(!textReference, row[i])));
            left.AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(left, row[i], S(kEmptyX), S(kEmptyY[i]),
                                                                    textReference ? pictureWidth : textWidth));
        }
        for (std::size_t i = 0; i + 1 < rows; ++i)
            std::swap(row[i], row[i + static_cast<std::size_t>(RandomInt(static_cast<int>(rows - i)))]);
        for (std::size_t i = 0; i < rows; ++i)
            right.AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(right, S(kRightX), S(kRightY[i]),
                                                                     MakeBox(textReference, row[i])));
        boards_.push_back(std::move(board));
        ++parity;
    }
    ResetBoards(static_cast<int>(boards_.size()));
}

void TFormWidlak::actNowaGraExecute()
{
    loop_.Stop();
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    boardCount_ = BoardsForLevel(UstWidlak.Poziom);
    wordsNeeded_ = boardCount_ * kWordsPerBoard;
    arrows_->LetGoAll();
    burst_.Stop();
    flash_.Stop();
    // Counted from the start too, so that the pointer left over the scene
    // by the menu's start button goes out of the way as well.
    pointerPark_.Reset();
    fullRepaint_ = true;
    endCountdown_ = kEndDelayMs / kFramePeriodMs;
    BuildBoards();
    GoToBoard(0);
    arrows_->StartHintOnce({ArrowPad::kRight, ArrowPad::kUp, ArrowPad::kDown, ArrowPad::kLeft});
    hintGate_.Reset();
    BeginGame(UstWidlak);
    loop_.StartSkippingUnchanged([this] { return MoveTruck(); }, [this] { ShowTruck(); });
}

void TFormWidlak::GoToBoard(int index)
{
    // The truck as it stands stays with the board left behind.
    const int previous = Boards().Current();
    if (!Boards().MoveTo(index))
        return;
    if (previous >= 0)
        boards_[static_cast<std::size_t>(previous)]->SaveTruck();
    boards_[static_cast<std::size_t>(Boards().Current())]->RestoreTruck();
    // Stars over the board left behind have no place on this one.
    burst_.Stop();
    Recompose();
    pbGame.Canvas().Draw(0, 0, composed_);
}

CWidPlansza* TFormWidlak::Current() const
{
    const int k = Boards().Current();
    return k >= 0 && k < static_cast<int>(boards_.size()) ? boards_[static_cast<std::size_t>(k)].get() : nullptr;
}

void TFormWidlak::Recompose()
{
    clean_.CopyRect(clean_.Bounds(), background_, background_.Bounds());
    if (CWidPlansza* board = Current())
        board->DrawRacks(clean_);
    composed_.CopyRect(composed_.Bounds(), clean_, clean_.Bounds());
    DrawButtons();
    arrows_->DrawButtons();
    arrows_->SceneRedrawn();
    burst_.SceneRedrawn();
    truck_->Draw(composed_);
}

bool TFormWidlak::MoveTruck()
{
    CWidPlansza* board = Current();
    truckFrame_ = false;
    frameDrawn_ = false;
    if (board == nullptr)
        return false;
    // What was drawn over the scene goes first, in the reverse order of its
    // drawing; then the truck.
    effects_ = arrows_->EraseHint(composed_);
    effects_ = Covering(effects_, burst_.Erase(composed_));
    // Only arrows move the truck, a rack changes only when it moves, and a
    // blushing box is drawn anew every frame and once more when it is over.
    truckFrame_ = arrows_->AnyHeld() || fullRepaint_ || board->RacksChanged() || Blushing() || tintLeft_;
    if (truckFrame_) {
        previousTruck_ = truck_->Rect();
        composed_.CopyRect(previousTruck_, clean_, previousTruck_);
    }

    const int a = S(6);
    if (arrows_->Held(ArrowPad::kLeft)) {
        const CSlowa::SPaczka* carried = truck_->Box ? truck_->Box->Word() : nullptr;
        const int result = truck_->DriveLeft(a);
        if (result == CWidWozek::kRightDelivery) {
            --wordsRemaining_;
            Right(carried);
            PlayFeedbackSound(kPraiseShort, false);
            if (const CWidRegal::CMiejscePudla* slot = board->LeftRack().ChangedSlot(); slot && slot->Box()) {
                const CWidPudlo& box = *slot->Box();
                burst_.Start({box.x + box.Width() / 2, box.y + box.PictureHeight() / 2}, S(140));
            }
        } else if (result == CWidWozek::kWrongDelivery) {
            Wrong(carried);
            PlayFeedbackSound(kReproach, false);
            flash_.Start();
        }
    } else if (arrows_->Held(ArrowPad::kRight)) {
        truck_->DriveRight(a);
    }
    if (arrows_->Held(ArrowPad::kUp))
        truck_->Raise(a);
    else if (arrows_->Held(ArrowPad::kDown))
        truck_->Lower(a);
    if (pointerPark_.Frame(arrows_->KeyHeld()))
        MovePointerAway();

    if (Running() && wordsRemaining_ == 0) {
        if (endCountdown_ > 0)
            --endCountdown_;
        if (endCountdown_ == 0)
            EndGame();
    }
    frameDrawn_ = truckFrame_ || !effects_.IsEmpty() || burst_.Active() || arrows_->HintRunning();
    return frameDrawn_;
}

bool TFormWidlak::Blushing() const
{
    return flash_.Active() && truck_->Box && truck_->Box->Mask() != nullptr;
}

void TFormWidlak::ShowTruck()
{
    CWidPlansza* board = Current();
    if (board == nullptr || !frameDrawn_)
        return;
    if (truckFrame_) {
        if (board->RacksChanged()) {
            Recompose();
            fullRepaint_ = true;
        } else {
            truck_->Draw(composed_);
        }
        // A box refused by a wrong slot blushes on the fork.
        tintLeft_ = Blushing();
        if (tintLeft_) {
            const TPoint at = truck_->BoxPosition();
            flash_.Draw(composed_, *truck_->Box->Mask(), at.x, at.y, composed_.Bounds());
        }
    }
    effects_ = Covering(effects_, burst_.Draw(composed_));
    effects_ = Covering(effects_, arrows_->DrawHint(composed_));
    TCanvas& canvas = pbGame.Canvas();
    if (fullRepaint_) {
        canvas.Draw(0, 0, composed_);
        fullRepaint_ = false;
    } else {
        if (truckFrame_) {
            const TRect r = Covering(previousTruck_, truck_->Rect());
            canvas.CopyRect(r, composed_, r);
        }
        if (!effects_.IsEmpty())
            canvas.CopyRect(effects_, composed_, effects_);
    }
}

void TFormWidlak::MovePointerAway()
{
    const TPoint corner = pbGame.ClientToScreen({0, 0});
    pointerPark_.Parked(corner);
    App().SetCursorPos(corner.x, corner.y);
}

void TFormWidlak::FormKeyDown(int& key, TShiftState) { arrows_->KeyDown(key); }

void TFormWidlak::FormKeyUp(int& key, TShiftState)
{
    // Every key let go shows the child is there; an arrow's says so itself.
    if (!arrows_->KeyUp(key))
        Stats().Touch();
}

void TFormWidlak::FormKeyPress(char& key)
{
    if (key == ' ' && ButtonDalej().Visible())
        actDalej.Execute();
    else if (key == 8 && ButtonWstecz().Visible())
        actWstecz.Execute();
}

void TFormWidlak::pbGameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    Stats().Touch();
    CWidPlansza* board = Current();
    if (button != TMouseButton::mbRight || board == nullptr)
        return;
    CWidPudlo* box = board->BoxAt(x, y);
    if (box == nullptr)
        box = truck_->BoxAt(x, y);
    if (box == nullptr || box->Word() == nullptr)
        return;
    if (box->HasPicture()) {
        ZoomWord(*box->Word(), x, y);
    } else {
        PlayDataSound(box->Word()->Key, false);
    }
}

void TFormWidlak::pbGameMouseMove(TShiftState, int x, int y)
{
    pointerPark_.PointerMoved(pbGame.ClientToScreen({x, y}));
}

void TFormWidlak::actPomocExecute()
{
    Stats().Touch();
    CWidPlansza* board = Current();
    if (board == nullptr || !hintGate_.Allows(TheClock().Milliseconds()))
        return;
    const CWidPudlo* box = truck_->Box.get();
    TPoint at;
    if (box != nullptr) {
        at = truck_->BoxPosition();
    } else {
        const CWidRegal::CMiejscePudla* slot = board->RightRack().RandomBoxedSlot();
        if (slot == nullptr)
            return;
        box = slot->Box();
        at = {box->x, box->y};
    }
    const CWidRegal::CMiejscePudla* target = board->LeftRack().EmptySlotFor(box->Word());
    if (target == nullptr)
        return;
    HintShown(box->Word());
    const bool text = box->BoxKind() == CWidPudlo::Kind::Text;
    CTransBitmap& highlight = text ? textHighlight_ : pictureHighlight_;
    const TPoint off = text ? TPoint{S(12), S(13)} : TPoint{S(14), S(22)};
    BlinkHighlight(highlight, at.x - off.x, at.y - off.y, true);
    BlinkHighlight(highlight, target->X() - target->Width() / 2 - off.x, target->ShelfY() - box->Height() - off.y);
    highlight.Cache.reset();
    TheClock().Sleep(1000);
    Recompose();
    pbGame.Canvas().Draw(0, 0, composed_);
    hintGate_.HintEnded(TheClock().Milliseconds());
}

void TFormWidlak::StopPlay() { arrows_->LetGoAll(); }

std::vector<const CSlowa::SPaczka*> TFormWidlak::UnsolvedWords() const
{
    // Each word waits in its empty slot beside its reference box until its
    // box is delivered, on whichever board the truck carries it.
    std::vector<const CSlowa::SPaczka*> left;
    for (const auto& board : boards_)
        for (const auto& slot : board->LeftRack().Slots())
            if (slot->Box() == nullptr && slot->Word() != nullptr)
                left.push_back(slot->Word());
    return left;
}

void TFormWidlak::Closing()
{
    loop_.Stop();
    arrows_->LetGoAll();
}
