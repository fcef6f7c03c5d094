// The train game.
#include "games/train/FormPociag.h"

#include <exception>
#include <string>

#include "controls/CPrzyciskW.h"
#include "controls/CZoom.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "core/WordPictures.h"
#include "games/train/CPocPudlo.h"
#include "games/train/CPocRegal.h"
#include "games/train/CPocWagon.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/Chamowanie.h"
#include "graphics/Universalfn.h"
#include "platform/Application.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "screens/FormKoniecGry.h"
#include "games/common/GameSummary.h"
#include "games/common/PaintAround.h"

TFormPociag* FormPociag = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

// Object pictures of mode 16 carry "R5_", not the backgrounds' "R8_".
std::string ObjectName(const std::string& name) { return kSpec + Display().ModePrefix() + name; }

int RoundHalfUp(float v) { return static_cast<int>(v + 0.5f); }

}  // namespace

TFormPociag::TFormPociag(TApplication& app)
    : TForm(app, "FormPociag", app.ScreenWidth(), app.ScreenHeight() - 20),
      pbGame(*this),
      timGad([this] { timGadTimer(); }, kFigureIntervalMs, false),
      actStop("actStop", [this] { actStopExecute(); }),
      actPomoc("actPomoc", [this] { actPomocExecute(); }),
      actNowaGra("actNowaGra", [this] { actNowaGraExecute(); })
{
    const CDisplay& d = Display();
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, app.ScreenWidth(), app.ScreenHeight() - 20);
    pbGame.Name = "pbGame";
    pbGame.SetBounds(d.OffsetX(), d.OffsetY(), d.AreaWidth(), d.AreaHeight());
    background_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    backBuffer_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);

    try {
        int stopX = 730, stopY = 40, helpX = 725, helpY = 120;
        if (d.Mode() != 2) {
            stopX = 950, stopY = 20, helpX = 947, helpY = 100;
            d.ConvertPairFromMode(4, stopX, stopY);
            d.ConvertPairFromMode(4, helpX, helpY);
        }
        stop_ = std::make_unique<CPrzyciskW>(*this, "stop", Canvas(), backBuffer_, &background_,
                                             stopX + d.OffsetX(), stopY + d.OffsetY(), actStop);
        pomoc_ = std::make_unique<CPrzyciskW>(*this, "pomoc", Canvas(), backBuffer_, &background_,
                                              helpX + d.OffsetX(), helpY + d.OffsetY(), actPomoc);
        for (CPrzyciskW* button : {stop_.get(), pomoc_.get()}) {
            button->SetBackBufferOffset(d.OffsetX(), d.OffsetY());
            button->SetBackgroundOffset(d.OffsetX(), d.OffsetY());
        }
        LoadPictures();
        zoom_ = std::make_unique<CZoom>(d.Mode(), pbGame.Canvas(), backBuffer_);
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
        if (running_)
            actStop.Execute();
        else
            Close();
    };
    OnPaint = [this] { FormPaint(); };
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { FormMouseDown(b, s, x, y); };
    OnMouseMove = [this](TShiftState s, int x, int y) { FormMouseMove(s, x, y); };
    OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) { FormMouseUp(b, s, x, y); };

    FormPociag = this;
    RegisterGameScreen(this);
}

TFormPociag::~TFormPociag()
{
    UnregisterGameScreen(this);
    if (FormPociag == this)
        FormPociag = nullptr;
}

void TFormPociag::LoadPictures()
{
    const CDisplay& d = Display();
    const int mode = d.Mode();
    for (int k = 0; k < kFigureFrames; ++k)
        figures_[static_cast<std::size_t>(k)] = LoadJpegFile(ObjectName("poc_gad" + std::to_string(k) + ".xji"));
    framePicture_ = LoadBitmapFile(ObjectName("poc_ramp.xbi"));
    highlight_.LoadPair(ObjectName("poc_pswB.xji"), ObjectName("poc_pswW.xji"));
    frameWidth_ = mode == 2 ? 3 : mode == 4 ? 4 : 5;
    figurePosition_ = mode == 2   ? TPoint{135, 386}
                      : mode == 4 ? TPoint{173, 494}
                                  : TPoint{216 + d.PictureOffsetX(), 618 + d.PictureOffsetY()};
    regal_ = std::make_unique<CPocRegal>(d.PictureOffsetX(), d.PictureOffsetY());
    for (int i = 1; i <= kWagonCount; ++i) {
        const CPocWagon::SPlace p = CPocWagon::Placement(d, i);
        wagons_[static_cast<std::size_t>(i - 1)] =
            std::make_unique<CPocWagon>(p.x, p.y, ObjectName("poc_sz" + std::to_string(i)), p.clearance);
    }
}

int TFormPociag::WordsForLevel(int poziom)
{
    switch (poziom) {
    case 1: return 8;
    case 2: return 16;
    case 3: return 24;
    default: return 0;
    }
}

bool TFormPociag::EnoughWords()
{
    const int pool = Slowa->BuildPool(UstPociag.Gloski, UstPociag.Pozycja);
    required_ = WordsForLevel(UstPociag.Poziom);
    return pool >= required_;
}

int TFormPociag::ShowGame() { return ShowModal(); }

void TFormPociag::actNowaGraExecute()
{
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    required_ = WordsForLevel(UstPociag.Poziom);
    Slowa->ReleaseAll();
    Slowa->ClearExercise();
    if (Slowa->Pool().empty())
        Slowa->BuildPool(UstPociag.Gloski, UstPociag.Pozycja);
    Slowa->ChooseExercise(required_, UstPociag.Gloski);
    ComposePictures(*Slowa, *framePicture_, frameWidth_, frameWidth_);
    regal_->NewGame(UstPociag);

    for (auto& wagon : wagons_)
        wagon->Clear();
    const auto& exercise = Slowa->Exercise();
    for (std::size_t j = 0; j < exercise.size(); ++j)
        wagons_[j % kWagonCount]->Push(exercise[j]);
    // The game ends when every picture dealt is sorted, even if the
    // catalogue could give fewer than the amount asked for.
    required_ = static_cast<int>(exercise.size());

    const CDisplay& d = Display();
    background_.Fill(clBlack);
    const int backgroundTop = d.Variant() == 16 ? -32 : 0;
    DrawJpegFile(background_, 0, backgroundTop, kSpec + d.PrefixedName("Tpociag.xji"));
    regal_->Draw(background_);

    grabbed_ = nullptr;
    dragged_ = nullptr;
    RebuildBackBuffer();
    Invalidate();
    running_ = true;
    sorted_ = 0;
    current_ = nullptr;
    nextHintMs_ = 0;
    StatRec->StartGame(UstPociag);
}

void TFormPociag::RebuildBackBuffer()
{
    backBuffer_.CopyRect(backBuffer_.Bounds(), background_, background_.Bounds());
    stop_->DrawNormal();
    pomoc_->DrawNormal();
    for (const auto& wagon : wagons_)
        if (wagon.get() != grabbed_)
            wagon->DrawWithPicture(backBuffer_);
}

void TFormPociag::pbGamePaint()
{
    TCanvas& canvas = pbGame.Canvas();
    canvas.Draw(0, 0, backBuffer_);
    canvas.Draw(figurePosition_.x, figurePosition_.y, *figures_[static_cast<std::size_t>(figureFrame_)]);
}

void TFormPociag::timGadTimer()
{
    figureFrame_ = Random15() % kFigureFrames;
    pbGame.Canvas().Draw(figurePosition_.x, figurePosition_.y, *figures_[static_cast<std::size_t>(figureFrame_)]);
}

CPocWagon* TFormPociag::WagonAt(int x, int y) const
{
    for (const auto& wagon : wagons_)
        if (wagon->Hit(x, y))
            return wagon.get();
    return nullptr;
}

void TFormPociag::UpdatePointer(int x, int y)
{
    lastPointer_ = {x, y};
    if (!running_) {
        pbGame.Cursor = crDefault;
        return;
    }
    StatRec->Touch();
    pbGame.Cursor = WagonAt(x, y) != nullptr ? crHand : crDefault;
}

void TFormPociag::pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (dropping_)
        return;
    if (dragged_ != nullptr) {
        pbGameMouseUp(TMouseButton::mbLeft, shift, x, y);
        return;
    }
    if (!running_)
        return;
    StatRec->Touch();
    CPocWagon* wagon = WagonAt(x, y);
    if (wagon == nullptr)
        return;
    if (button == TMouseButton::mbLeft) {
        grabbed_ = wagon;
        current_ = wagon;
        dragged_ = wagon->Top();
        position_ = previous_ = {wagon->X(), wagon->Y()};
        grabOffset_ = {x - wagon->X(), y - wagon->Y()};
        RebuildBackBuffer();
        DrawDrag();
        ConfineToColumn(x, y);
        released_ = false;
    } else if (button == TMouseButton::mbRight) {
        TCanvas& canvas = pbGame.Canvas();
        zoom_->Show(canvas, backBuffer_, y, x, CZoom::WordOf(*wagon->Top()));
        zoom_->PlayWord();
        zoom_->Hide(canvas, backBuffer_);
    }
}

void TFormPociag::pbGameMouseMove(TShiftState, int x, int y)
{
    if (dropping_)
        return;
    UpdatePointer(x, y);
    if (dragged_ == nullptr)
        return;
    TPoint p{x, y};
    // Where the pointer cannot be held, the picture keeps to the same rule.
    if (!App().CanConfineCursor())
        p = grabbed_->ConfinedPointer(p, grabOffset_, released_, PictureHeight());
    const bool out = MoveDragged(p.x - grabOffset_.x, p.y - grabOffset_.y, true);
    if (out && !released_) {
        released_ = true;
        ConfineAboveClearance();
    }
}

void TFormPociag::pbGameMouseUp(TMouseButton button, TShiftState, int, int)
{
    if (button != TMouseButton::mbLeft || dragged_ == nullptr || dropping_)
        return;
    RestoreConfinement();
    UpdatePointer(lastPointer_.x, lastPointer_.y);
    dropping_ = true;
    App().ProcessMessages();
    Drop();
    dropping_ = false;
}

bool TFormPociag::MoveDragged(int x, int y, bool draw)
{
    const CPocWagon::SMove move = grabbed_->MoveRule(x, y, position_.y, PictureHeight());
    if (move.refused)
        return false;
    previous_ = position_;
    position_ = {move.x, move.y};
    if (draw)
        DrawDrag();
    UpdatePointer(lastPointer_.x, lastPointer_.y);
    return move.out;
}

void TFormPociag::RestoreUncoveredOnScreen(int newX, int newY, TRect oldRect)
{
    // What RestoreUncovered does in a bitmap, done on the window so that it shows at once.
    TCanvas& canvas = pbGame.Canvas();
    for (const TRect& r : UncoveredBands(newX, newY, oldRect))
        if (!r.IsEmpty())
            canvas.CopyRect(r, backBuffer_, r);
}

void TFormPociag::DrawDrag()
{
    TCanvas& canvas = pbGame.Canvas();
    const Bitmap& picture = *dragged_->Picture;
    const int w = picture.Width(), h = picture.Height();
    int x = position_.x;
    const int y = position_.y;
    const int px = previous_.x, py = previous_.y;
    const int wx = grabbed_->X(), wy = grabbed_->Y(), cz = grabbed_->Clearance();
    const TRect wagonRect = grabbed_->Rect();
    const TRect previousRect = RectXYWH(px, py, w, h);

    if (cz < y + h || wy < py + h) {
        // The wagon shows what lies under the lifted picture; the front goes
        // over it below.
        const SPaczka* beneath = grabbed_->Beneath();
        if (beneath != nullptr && beneath->Picture)
            backBuffer_.CopyRect(RectXYWH(wx, wy, wagonRect.Width(), wagonRect.Height()), *beneath->Picture,
                                 RectXYWH(0, 0, wagonRect.Width(), wagonRect.Height()));
        else
            backBuffer_.CopyRect(wagonRect, background_, wagonRect);
    }
    if (cz < y + h) {
        if (y < cz) {
            x = wx;
            canvas.CopyRect(RectXYWH(wx, y, w, cz - y), picture, RectXYWH(0, 0, w, cz - y));
        }
        if (py < cz && py < y)
            RestoreUncoveredOnScreen(wx, y, previousRect);
        if (wy < y + h)
            backBuffer_.CopyRect(RectXYWH(wx, wy, w, h - (wy - y)), picture, RectXYWH(0, wy - y, w, h - (wy - y)));
        // Rising out of the wagon behind its front.
        grabbed_->DrawFront(backBuffer_);
        canvas.CopyRect(wagonRect, backBuffer_, wagonRect);
    } else {
        canvas.Draw(x, y, picture);
        RestoreUncoveredOnScreen(x, y, previousRect);
        if (wy < py + h) {
            grabbed_->DrawFront(backBuffer_);
            canvas.CopyRect(wagonRect, backBuffer_, wagonRect);
        }
    }
}

void TFormPociag::Drop()
{
    const int w = PictureWidth(), h = PictureHeight();
    const CPocPudlo* box = regal_->BoxAt(position_.x + w / 2, position_.y + h / 2);
    if (box == nullptr) {
        GlideBack();
        EndDrag();
        return;
    }
    if (box->Key != (dragged_->Flags & GL_WSZYSTKIE)) {
        PlayFeedbackSound(kReproach, false);
        StatRec->AddWrong();
        GlideBack();
        EndDrag();
        return;
    }
    PlayDataSound(dragged_->Key, true);
    PlayFeedbackSound(kPraise, false);
    CloseLikeBlind();
    grabbed_->Pop();
    StatRec->AddCorrect();
    ++sorted_;
    grabbed_ = nullptr;
    dragged_ = nullptr;
    current_ = nullptr;
    UpdatePointer(lastPointer_.x, lastPointer_.y);
    if (sorted_ == required_)
        actStop.Execute();
}

void TFormPociag::EndDrag()
{
    grabbed_ = nullptr;
    dragged_ = nullptr;
    UpdatePointer(lastPointer_.x, lastPointer_.y);
}

void TFormPociag::GlideBack()
{
    const int h = PictureHeight();
    const int wx = grabbed_->X(), wy = grabbed_->Y(), line = grabbed_->Clearance() - h;
    constexpr int kSteps = 6;
    constexpr int kStepMs = 50;
    Chamowanie cx, cy;
    if (line >= position_.y) {
        cx.StartSquare(static_cast<float>(position_.x), static_cast<float>(wx), kSteps);
        cy.StartSquare(static_cast<float>(position_.y), static_cast<float>(line), kSteps);
        for (int i = 0; i < kSteps; ++i) {
            const int x = RoundHalfUp(cx.Next());
            MoveDragged(x, RoundHalfUp(cy.Next()), true);
            TheClock().Sleep(kStepMs);
        }
    }
    cy.StartSquare(static_cast<float>(position_.y), static_cast<float>(wy), kSteps);
    for (int i = 0; i < kSteps; ++i) {
        MoveDragged(wx, RoundHalfUp(cy.Next()), true);
        TheClock().Sleep(kStepMs);
    }
}

void TFormPociag::CloseLikeBlind()
{
    TCanvas& canvas = pbGame.Canvas();
    const Bitmap& frame = *framePicture_;
    const int w = PictureWidth(), h = PictureHeight(), t = frameWidth_;
    const int x = position_.x, y = position_.y;
    // The scene under the picture: the back buffer holds the background and
    // the buttons, so a picture dropped over a button gives it back too.
    const Bitmap& scene = backBuffer_;
    for (int i = 1; i <= 20; ++i) {
        const int b = i * (h / 2 - t) / 20;
        canvas.CopyRect(RectXYWH(x, y, w, b), scene, RectXYWH(x, y, w, b));
        canvas.CopyRect(RectXYWH(x, y + h - b, w, b), scene, RectXYWH(x, y + h - b, w, b));
        canvas.CopyRect(RectXYWH(x, y + b, w, t), frame, RectXYWH(0, 0, w, t));
        canvas.CopyRect(RectXYWH(x, y + h - b - t, w, t), frame, RectXYWH(0, h - t, w, t));
        TheClock().Sleep(20);
    }
    canvas.CopyRect(RectXYWH(x, y, w, h), scene, RectXYWH(x, y, w, h));
}

void TFormPociag::BlinkHighlight(int left, int top)
{
    if (!highlight_.Colour)
        return;
    TCanvas& canvas = pbGame.Canvas();
    const TRect r = RectXYWH(left, top, highlight_.Colour->Width(), highlight_.Colour->Height());
    highlight_.ComposeFromCanvas(backBuffer_, left, top, 255);
    canvas.Draw(left, top, *highlight_.Cache);
    for (int k = 0; k < 2; ++k) {
        canvas.CopyRect(r, backBuffer_, r);
        TheClock().Sleep(200);
        canvas.Draw(left, top, *highlight_.Cache);
        TheClock().Sleep(200);
    }
}

void TFormPociag::actPomocExecute()
{
    StatRec->Touch();
    if (TheClock().Milliseconds() < nextHintMs_)
        return;
    CPocWagon* wagon = current_ != nullptr ? current_ : wagons_[static_cast<std::size_t>(Random15() % kWagonCount)].get();
    if (wagon->Top() == nullptr) {
        wagon = nullptr;
        for (const auto& w : wagons_)
            if (w->Top() != nullptr) {
                wagon = w.get();
                break;
            }
        if (wagon == nullptr)
            return;
    }
    StatRec->AddHint();
    const CPocPudlo* box = regal_->BoxForSound(wagon->Top()->Flags & GL_WSZYSTKIE);
    if (box == nullptr || !highlight_.Colour)
        return;
    const int hw = highlight_.Colour->Width(), hh = highlight_.Colour->Height();
    BlinkHighlight(wagon->X() + wagon->FrontWidth() / 2 - hw / 2, wagon->Y() + wagon->FrontHeight() / 2 - hh / 2);
    const TPoint label = box->LabelPoint();
    BlinkHighlight(label.x - hw / 2, label.y - hh / 2);
    highlight_.Cache.reset();
    TheClock().Sleep(1000);
    pbGamePaint();
    nextHintMs_ = TheClock().Milliseconds() + kHintPauseMs;
}

void TFormPociag::actStopExecute()
{
    running_ = false;
    StatRec->StopGame();
    for (int k = sorted_; k < required_; ++k)
        StatRec->AddWrong();
    StatRec->Save(sorted_ == required_ ? 1 : 0);
    ShowSummaryThenContinue(FormKoniecGry, actNowaGra, *this);
}

void TFormPociag::ConfineToColumn(int x, int y)
{
    savedClip_ = App().GetClipCursor();
    savedConfined_ = !(savedClip_ == App().ScreenRect());
    const TPoint s = pbGame.ClientToScreen({x, y});
    const TRect column{s.x, 0, s.x + 1, s.y + 1};
    App().ClipCursor(&column);
}

void TFormPociag::ConfineAboveClearance()
{
    const int row = pbGame.ClientToScreen({0, grabbed_->Clearance() - PictureHeight() + grabOffset_.y}).y;
    const TRect band{Left(), 0, Left() + Width(), row + 1};
    App().ClipCursor(&band);
}

void TFormPociag::RestoreConfinement()
{
    App().ClipCursor(savedConfined_ ? &savedClip_ : nullptr);
}

void TFormPociag::FormShow()
{
    SetSize(App().ScreenWidth(), App().ScreenHeight());
    actNowaGra.Execute();
    timGad.SetEnabled(true);
}

void TFormPociag::FormClose(TCloseAction&)
{
    timGad.SetEnabled(false);
    if (dragged_ != nullptr)
        RestoreConfinement();
    grabbed_ = nullptr;
    dragged_ = nullptr;
    running_ = false;
    SetSize(App().ScreenWidth(), App().ScreenHeight() - 20);
    for (auto& wagon : wagons_)
        wagon->Clear();
    Slowa->ReleaseAll();
}

void TFormPociag::FormPaint()
{
    PaintBlackAround(Canvas(), pbGame.BoundsRect(), Width(), Height());
}

void TFormPociag::FormMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    pbGameMouseDown(button, shift, x - pbGame.Left(), y - pbGame.Top());
}

void TFormPociag::FormMouseMove(TShiftState shift, int x, int y)
{
    pbGameMouseMove(shift, x - pbGame.Left(), y - pbGame.Top());
}

void TFormPociag::FormMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    pbGameMouseUp(button, shift, x - pbGame.Left(), y - pbGame.Top());
}

std::unique_ptr<CScreenOwner> MakeFormPociag(TApplication& app) { return std::make_unique<TFormPociag>(app); }
