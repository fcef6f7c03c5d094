// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train game.
#include "games/train/FormPociag.h"

#include <string>

#include "controls/CZoom.h"
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

TFormPociag* FormPociag = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

// Object pictures of mode 16 carry "R5_", not the backgrounds' "R8_".
std::string ObjectName(const std::string& name) { return kSpec + Display().ModePrefix() + name; }

int RoundHalfUp(float v) { return static_cast<int>(v + 0.5f); }

}  // namespace

TFormPociag::TFormPociag(TApplication& app)
    : PlayAreaScreen(app, "FormPociag", *Slowa, *StatRec, FormKoniecGry),
      timGad([this] { timGadTimer(); }, kFigureIntervalMs, false)
{
    const CDisplay& d = Display();
    background_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    backBuffer_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    SetScene(backBuffer_, background_);
    LoadOrFail([&] {
        int stopX = 730, stopY = 40, helpX = 725, helpY = 120;
        if (d.Mode() != 2) {
            stopX = 950, stopY = 20, helpX = 947, helpY = 100;
            d.ConvertPairFromMode(4, stopX, stopY);
            d.ConvertPairFromMode(4, helpX, helpY);
        }
        MakeButtons({stopX + d.OffsetX(), stopY + d.OffsetY()}, {helpX + d.OffsetX(), helpY + d.OffsetY()});
        LoadPictures();
        zoom_ = std::make_unique<CZoom>(d.Mode(), pbGame.Canvas(), backBuffer_);
    });
    LendZoom(zoom_.get());
    FormPociag = this;
}

TFormPociag::~TFormPociag()
{
    LendZoom(nullptr);
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
    burst_.LoadPicture(kSpec + d.ModePrefix());
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
    return ByAmount(poziom, 8, 16, 24);
}

bool TFormPociag::EnoughWords()
{
    const int pool = Words().BuildPool(UstPociag.Gloski, UstPociag.Pozycja);
    required_ = WordsForLevel(UstPociag.Poziom);
    return pool >= required_;
}

void TFormPociag::actNowaGraExecute()
{
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    required_ = WordsForLevel(UstPociag.Poziom);
    Words().ReleaseAll();
    Words().ClearExercise();
    if (Words().Pool().empty())
        Words().BuildPool(UstPociag.Gloski, UstPociag.Pozycja);
    Words().ChooseExercise(required_, UstPociag.Gloski);
    ComposePictures(Words(), *framePicture_, frameWidth_, frameWidth_);
    regal_->NewGame(UstPociag);

    for (auto& wagon : wagons_)
        wagon->Clear();
    const auto& exercise = Words().Exercise();
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
    sorted_ = 0;
    current_ = nullptr;
    nextHintMs_ = 0;
    BeginGame(UstPociag);
}

void TFormPociag::RebuildBackBuffer()
{
    backBuffer_.CopyRect(backBuffer_.Bounds(), background_, background_.Bounds());
    DrawButtons();
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
    if (!Running()) {
        pbGame.Cursor = crDefault;
        return;
    }
    Stats().Touch();
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
    if (!Running())
        return;
    Stats().Touch();
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
        ZoomWord(*wagon->Top(), x, y);
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
    // What is waiting is shown first; a click given meanwhile is handled
    // once the drop has been judged.
    App().ProcessPendingWork();
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
        Wrong(dragged_);
        // The picture shakes its head before it goes back.
        const TPoint at = position_;
        for (int step = 0; step < kShakeSteps; ++step) {
            MoveDragged(at.x + ShakeOffset(step, Display().ConvertFromModeRounded(16, 10)), at.y, true);
            TheClock().Sleep(kShakeStepMs);
        }
        GlideBack();
        EndDrag();
        return;
    }
    PlayDataSound(dragged_->Key, true);
    PlayFeedbackSound(kPraise, false);
    CloseLikeBlind();
    const SPaczka* sorted = dragged_;
    grabbed_->Pop();
    Right(sorted);
    // Into the box it went: stars burst from its label.
    burst_.Start(box->LabelPoint(), Display().ConvertFromModeRounded(16, 130));
    burst_.Play(pbGame.Canvas(), backBuffer_);
    ++sorted_;
    grabbed_ = nullptr;
    dragged_ = nullptr;
    current_ = nullptr;
    UpdatePointer(lastPointer_.x, lastPointer_.y);
    if (sorted_ == required_)
        EndGame();
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

void TFormPociag::actPomocExecute()
{
    Stats().Touch();
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
    HintShown(wagon->Top());
    const CPocPudlo* box = regal_->BoxForSound(wagon->Top()->Flags & GL_WSZYSTKIE);
    if (box == nullptr || !highlight_.Colour)
        return;
    const int hw = highlight_.Colour->Width(), hh = highlight_.Colour->Height();
    BlinkHighlight(highlight_, wagon->X() + wagon->FrontWidth() / 2 - hw / 2,
                   wagon->Y() + wagon->FrontHeight() / 2 - hh / 2);
    const TPoint label = box->LabelPoint();
    BlinkHighlight(highlight_, label.x - hw / 2, label.y - hh / 2);
    highlight_.Cache.reset();
    TheClock().Sleep(1000);
    pbGamePaint();
    nextHintMs_ = TheClock().Milliseconds() + kHintPauseMs;
}

std::vector<const CSlowa::SPaczka*> TFormPociag::UnsolvedWords() const
{
    std::vector<const CSlowa::SPaczka*> left;
    for (const auto& wagon : wagons_)
        left.insert(left.end(), wagon->Words().begin(), wagon->Words().end());
    return left;
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

void TFormPociag::FormShown() { timGad.SetEnabled(true); }

void TFormPociag::Closing()
{
    timGad.SetEnabled(false);
    if (dragged_ != nullptr)
        RestoreConfinement();
    grabbed_ = nullptr;
    dragged_ = nullptr;
    for (auto& wagon : wagons_)
        wagon->Clear();
}

std::unique_ptr<CScreenOwner> MakeFormPociag(TApplication& app) { return std::make_unique<TFormPociag>(app); }
