// The forklift game's screen.
#include "games/forklift/FormWidlak.h"

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
#include "graphics/CTransFont.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "screens/FormKoniecGry.h"
#include "games/common/GameSummary.h"
#include "games/common/PaintAround.h"

TFormWidlak* FormWidlak = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

// Rack rows, top to bottom, in the 1280-wide layout: the reference boxes and
// the empty slots beside them on the left, the boxes to carry on the right.
constexpr int kReferenceX = 158, kEmptyX = 382, kRightX = 1113;
constexpr int kReferenceY[4] = {182, 353, 529, 727};
constexpr int kEmptyY[4] = {182, 348, 520, 715};
constexpr int kRightY[4] = {210, 377, 553, 745};

TRect Union(TRect a, TRect b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

void LoadPairOf(CTransBitmap& picture, const std::string& base)
{
    picture.LoadPair(base + "B.xji", base + "W.xji");
}

}  // namespace

TFormWidlak::TFormWidlak(TApplication& app, CSlowa& slowa, CStatRec& stats, TFormKoniecGry* summary)
    : TForm(app, "FormWidlak", app.ScreenWidth(), app.ScreenHeight() - 20),
      pbGame(*this),
      actStop("actStop", [this] { actStopExecute(); }),
      actPomoc("actPomoc", [this] { actPomocExecute(); }),
      actNowaGra("actNowaGra", [this] { actNowaGraExecute(); }),
      actDalej("actDalej", [this] { actDalejExecute(); }),
      actWstecz("actWstecz", [this] { actWsteczExecute(); }),
      slowa_(slowa),
      stats_(stats),
      summary_(summary),
      loop_(app)
{
    const CDisplay& d = Display();
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, app.ScreenWidth(), app.ScreenHeight() - 20);
    pbGame.Name = "pbGame";
    pbGame.SetBounds(d.OffsetX(), d.OffsetY(), d.AreaWidth(), d.AreaHeight());
    clean_ = Bitmap(d.AreaWidth(), d.AreaHeight());
    composed_ = Bitmap(d.AreaWidth(), d.AreaHeight());
    pbGame.SetPicture(&composed_);
    try {
        LoadPictures();
        truck_ = std::make_unique<CWidWozek>(ForkliftMeasures::Of(d));
        truck_->LoadPictures(kSpec + d.ModePrefix());
        auto button = [&](const char* name, BoardSwitch::Button which, TAction& action) {
            const TPoint p = BoardSwitch::ButtonPosition(d, which);
            auto b = std::make_unique<CPrzyciskW>(*this, name, Canvas(), composed_, &clean_, p.x, p.y, action);
            b->SetBackBufferOffset(d.OffsetX(), d.OffsetY());
            b->SetBackgroundOffset(d.OffsetX(), d.OffsetY());
            return b;
        };
        stop_ = button("stop", BoardSwitch::Button::Stop, actStop);
        pomoc_ = button("pomoc", BoardSwitch::Button::Pomoc, actPomoc);
        dalej_ = button("dalej", BoardSwitch::Button::Dalej, actDalej);
        wstecz_ = button("wstecz", BoardSwitch::Button::Wstecz, actWstecz);
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }

    pbGame.OnPaint = [this] { pbGamePaint(); };
    pbGame.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseDown(b, s, x, y); };
    pbGame.OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x, y); };
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
    switch (poziom) {
    case 1: return 3;
    case 2: return 6;
    case 3: return 9;
    default: return 0;
    }
}

bool TFormWidlak::EnoughWords()
{
    boardCount_ = BoardsForLevel(UstWidlak.Poziom);
    wordsNeeded_ = boardCount_ * kWordsPerBoard;
    // An amount outside the three gives no boards: nothing to play.
    return boardCount_ > 0 && slowa_.BuildPool(UstWidlak.Gloski, UstWidlak.Pozycja) >= wordsNeeded_;
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
    if (slowa_.Pool().empty())
        slowa_.BuildPool(UstWidlak.Gloski, UstWidlak.Pozycja);
    slowa_.ClearExercise();
    slowa_.ChooseExercise(wordsNeeded_, UstWidlak.Gloski);
    const std::vector<CSlowa::SPaczka*> words = slowa_.Exercise();
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
    switch_.Reset(static_cast<int>(boards_.size()));
}

void TFormWidlak::actNowaGraExecute()
{
    loop_.Stop();
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    boardCount_ = BoardsForLevel(UstWidlak.Poziom);
    wordsNeeded_ = boardCount_ * kWordsPerBoard;
    left_ = right_ = up_ = down_ = false;
    // Counted from the start too, so that the pointer left over the scene
    // by the menu's start button goes out of the way as well.
    pointerPark_.Reset();
    fullRepaint_ = true;
    endCountdown_ = kEndDelayMs / kFramePeriodMs;
    BuildBoards();
    ShowBoardButtons();
    GoToBoard(0);
    active_ = true;
    hintGate_.Reset();
    stats_.StartGame(UstWidlak);
    loop_.StartSkippingUnchanged([this] { return MoveTruck(); }, [this] { ShowTruck(); });
}

void TFormWidlak::GoToBoard(int index)
{
    // The truck as it stands stays with the board left behind.
    const int previous = switch_.Current();
    if (!switch_.MoveTo(index))
        return;
    if (previous >= 0)
        boards_[static_cast<std::size_t>(previous)]->SaveTruck();
    boards_[static_cast<std::size_t>(switch_.Current())]->RestoreTruck();
    Recompose();
    truck_->Draw(composed_);
    pbGame.Canvas().Draw(0, 0, composed_);
}

CWidPlansza* TFormWidlak::Current() const
{
    const int k = switch_.Current();
    return k >= 0 && k < static_cast<int>(boards_.size()) ? boards_[static_cast<std::size_t>(k)].get() : nullptr;
}

void TFormWidlak::Recompose()
{
    clean_.CopyRect(clean_.Bounds(), background_, background_.Bounds());
    if (CWidPlansza* board = Current())
        board->DrawRacks(clean_);
    composed_.CopyRect(composed_.Bounds(), clean_, clean_.Bounds());
    for (CPrzyciskW* button : {stop_.get(), pomoc_.get(), dalej_.get(), wstecz_.get()})
        button->DrawNormal();
}

void TFormWidlak::ShowBoardButtons()
{
    dalej_->SetVisible(switch_.DalejVisible());
    wstecz_->SetVisible(switch_.WsteczVisible());
}

bool TFormWidlak::MoveTruck()
{
    CWidPlansza* board = Current();
    truckFrame_ = false;
    if (board == nullptr)
        return false;
    // Only keys move the truck; a rack changes only when it moves.
    truckFrame_ = left_ || right_ || up_ || down_ || fullRepaint_ || board->RacksChanged();
    if (truckFrame_) {
        previousTruck_ = truck_->Rect();
        composed_.CopyRect(previousTruck_, clean_, previousTruck_);
    }

    const int a = S(6);
    if (left_) {
        const int result = truck_->DriveLeft(a);
        if (result == CWidWozek::kRightDelivery) {
            --wordsRemaining_;
            stats_.AddCorrect();
            PlayFeedbackSound(kPraiseShort, false);
        } else if (result == CWidWozek::kWrongDelivery) {
            stats_.AddWrong();
            PlayFeedbackSound(kReproach, false);
        }
    } else if (right_) {
        truck_->DriveRight(a);
    }
    if (up_)
        truck_->Raise(a);
    else if (down_)
        truck_->Lower(a);
    if (pointerPark_.Frame(left_ || right_ || up_ || down_))
        MovePointerAway();

    if (active_ && wordsRemaining_ == 0) {
        if (endCountdown_ > 0)
            --endCountdown_;
        if (endCountdown_ == 0)
            actStop.Execute();
    }
    return truckFrame_;
}

void TFormWidlak::ShowTruck()
{
    CWidPlansza* board = Current();
    if (board == nullptr || !truckFrame_)
        return;
    if (board->RacksChanged()) {
        Recompose();
        fullRepaint_ = true;
    }
    truck_->Draw(composed_);
    TCanvas& canvas = pbGame.Canvas();
    if (fullRepaint_) {
        canvas.Draw(0, 0, composed_);
        fullRepaint_ = false;
    } else {
        const TRect r = Union(previousTruck_, truck_->Rect());
        canvas.CopyRect(r, composed_, r);
    }
}

void TFormWidlak::MovePointerAway()
{
    const TPoint corner = pbGame.ClientToScreen({0, 0});
    pointerPark_.Parked(corner);
    App().SetCursorPos(corner.x, corner.y);
}

void TFormWidlak::FormKeyDown(int& key, TShiftState)
{
    switch (key) {
    case VK_LEFT: left_ = true; break;
    case VK_UP: up_ = true; break;
    case VK_RIGHT: right_ = true; break;
    case VK_DOWN: down_ = true; break;
    default: break;
    }
}

void TFormWidlak::FormKeyUp(int& key, TShiftState)
{
    switch (key) {
    case VK_LEFT: left_ = false; break;
    case VK_UP: up_ = false; break;
    case VK_RIGHT: right_ = false; break;
    case VK_DOWN: down_ = false; break;
    default: break;
    }
    stats_.Touch();
}

void TFormWidlak::FormKeyPress(char& key)
{
    if (key == ' ' && dalej_->Visible())
        actDalej.Execute();
    else if (key == 8 && wstecz_->Visible())
        actWstecz.Execute();
}

void TFormWidlak::pbGameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    stats_.Touch();
    CWidPlansza* board = Current();
    if (button != TMouseButton::mbRight || board == nullptr)
        return;
    CWidPudlo* box = board->BoxAt(x, y);
    if (box == nullptr)
        box = truck_->BoxAt(x, y);
    if (box == nullptr || box->Word() == nullptr)
        return;
    if (box->HasPicture()) {
        if (FormPociag == nullptr)
            return;
        CZoom& zoom = FormPociag->Zoom();
        zoom.Show(pbGame.Canvas(), composed_, y, x, CZoom::WordOf(*box->Word()));
        zoom.PlayWord();
        zoom.Hide(pbGame.Canvas(), composed_);
    } else {
        PlayDataSound(box->Word()->Key, false);
    }
}

void TFormWidlak::pbGameMouseMove(TShiftState, int x, int y)
{
    pointerPark_.PointerMoved(pbGame.ClientToScreen({x, y}));
}

void TFormWidlak::BlinkHighlight(const CTransBitmap& highlight, int left, int top, bool keep)
{
    if (!highlight.Colour || !highlight.Mask)
        return;
    TCanvas& canvas = pbGame.Canvas();
    const TRect r = RectXYWH(left, top, highlight.Colour->Width(), highlight.Colour->Height());
    Bitmap shown(r.Width(), r.Height());
    shown.CopyRect(shown.Bounds(), composed_, r);
    BlendTransparent(&shown, 0, 0, 255, 0, 0, &shown, highlight.Colour->Bounds(), highlight.Mask.get(),
                     highlight.Colour.get());
    canvas.Draw(left, top, shown);
    for (int k = 0; k < 2; ++k) {
        canvas.CopyRect(r, composed_, r);
        TheClock().Sleep(200);
        canvas.Draw(left, top, shown);
        TheClock().Sleep(200);
    }
    if (keep)
        composed_.Draw(left, top, shown);
}

void TFormWidlak::actPomocExecute()
{
    stats_.Touch();
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
    stats_.AddHint();
    const bool text = box->BoxKind() == CWidPudlo::Kind::Text;
    const CTransBitmap& highlight = text ? textHighlight_ : pictureHighlight_;
    const TPoint off = text ? TPoint{S(12), S(13)} : TPoint{S(14), S(22)};
    BlinkHighlight(highlight, at.x - off.x, at.y - off.y, true);
    BlinkHighlight(highlight, target->X() - target->Width() / 2 - off.x, target->ShelfY() - box->Height() - off.y,
                   false);
    TheClock().Sleep(1000);
    Recompose();
    truck_->Draw(composed_);
    pbGame.Canvas().Draw(0, 0, composed_);
    hintGate_.HintEnded(TheClock().Milliseconds());
}

void TFormWidlak::actDalejExecute() { SwitchBoard(true); }

void TFormWidlak::actWsteczExecute() { SwitchBoard(false); }

void TFormWidlak::SwitchBoard(bool forward)
{
    stats_.Touch();
    const int n = forward ? switch_.Forward() : switch_.Back();
    ShowBoardButtons();
    GoToBoard(n);
}

void TFormWidlak::actStopExecute()
{
    left_ = right_ = up_ = down_ = false;
    active_ = false;
    for (int k = 0; k < wordsRemaining_; ++k)
        stats_.AddWrong();
    stats_.StopGame();
    stats_.Save(wordsRemaining_ == 0 ? 1 : 0);
    ShowSummaryThenContinue(summary_, actNowaGra, *this);
}

void TFormWidlak::FormShow()
{
    SetSize(App().ScreenWidth(), App().ScreenHeight());
    actNowaGra.Execute();
}

void TFormWidlak::FormClose(TCloseAction&)
{
    loop_.Stop();
    left_ = right_ = up_ = down_ = false;
    active_ = false;
    SetSize(App().ScreenWidth(), App().ScreenHeight() - 20);
    slowa_.ReleaseAll();
}

void TFormWidlak::FormPaint()
{
    PaintBlackAround(Canvas(), pbGame.BoundsRect(), Width(), Height());
}

void TFormWidlak::pbGamePaint() { pbGame.Canvas().Draw(0, 0, composed_); }
