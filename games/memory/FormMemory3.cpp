// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game's screen.
#include "games/memory/FormMemory3.h"

#include "controls/CPrzyciskC.h"
#include "core/CBlad.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/WordPictures.h"
#include "games/memory/CKarta.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/StretchBitmap.h"
#include "graphics/Universalfn.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Text.h"

std::unique_ptr<TFormMemory3> FormMemory3;

TFormMemory3& CreateFormMemory3(TApplication& app, CSlowa& words, CStatRec& stats, TForm& summary)
{
    FormMemory3 = std::make_unique<TFormMemory3>(app, words, stats, summary);
    return *FormMemory3;
}

namespace {

const std::string kPictureFolder = "Data\\Intf\\Spec\\";

constexpr int kPanelSteps = 8;
constexpr int kPanelPauseMs = 25;
constexpr int kFigureFadePauseMs = 30;

// Positions of one display mode, before the design area's offset is added.
struct ScreenLayout {
    TPoint panel;
    TPoint help;
    TPoint stop;
};

ScreenLayout LayoutOfMode(const CDisplay& d)
{
    switch (d.Mode()) {
    case 2: return {{42, 211}, {644, 524}, {735, 524}};
    case 4: return {{54, 270}, {943, 602}, {947, 697}};
    default:
        return {{68, 338},
                {d.ConvertFromMode(4, 943), d.ConvertFromMode(4, 602)},
                {d.ConvertFromMode(4, 947), d.ConvertFromMode(4, 697)}};
    }
}

}  // namespace

TFormMemory3::TFormMemory3(TApplication& app, CSlowa& words, CStatRec& stats, TForm& summary)
    : GameScreen(app, "FormMemory3", app.ScreenWidth(), app.ScreenHeight(), words, stats, &summary),
      A_Stop("A_Stop", [this] { A_StopExecute(); }),
      A_NowaGra("A_NowaGra", [this] { A_NowaGraExecute(); }),
      A_Pomoc("A_Pomoc", [this] { A_PomocExecute(); }),
      A_EkranPaint("A_EkranPaint", [this] { A_EkranPaintExecute(); }),
      timGad([this] { timGadTimer(); }, MemoryFigure::kTickMs, false)
{
    clientRect_ = {0, 0, ClientWidth(), ClientHeight()};
    try {
        LoadPictures();
    } catch (const std::exception&) {
        // Whatever went wrong, the data tree is damaged: the missing-resources error.
        throw CBlad(1);
    }
    OnShow = [this] { FormShow(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { FormMouseDown(b, s, x, y); };
    OnMouseWheel = [this](TShiftState s, int delta, int x, int y) { FormMouseWheel(s, delta, x, y); };
}

TFormMemory3::~TFormMemory3()
{
    timGad.SetEnabled(false);
}

void TFormMemory3::LoadPictures()
{
    const CDisplay& d = Display();
    const std::string prefix = d.ModePrefix();
    MakeBackground({ClientWidth(), ClientHeight(), d.OffsetX(), d.OffsetY()}, background_,
                   kPictureFolder + d.PrefixedName("Tmem3.xji"));

    LoadJpegInto(panelMask_, kPictureFolder + prefix + "mem_wysM.xji");
    // Only the first byte of each pixel is the mask.
    ToGrey(panelMask_, true);

    for (int k = 0; k < MemoryFigure::kFrameCount; ++k) {
        const std::string name = kPictureFolder + prefix + "mem_gad" + IntToStrPad(k + 1, 2);
        figureFrames_[k].LoadPair(name + "B.xji", name + "W.xji");
    }

    ResizeBitmap24(scratch_, panelMask_.Width(), panelMask_.Height());
    backBuffer_ = std::move(*NewBitmap24(ClientWidth(), ClientHeight()));

    const ScreenLayout layout = LayoutOfMode(d);
    panelRect_ = RectXYWH(layout.panel.x + d.OffsetX(), layout.panel.y + d.OffsetY(), panelMask_.Width(),
                          panelMask_.Height());
    figurePos_ = d.Mode() == 16 ? TPoint{107, 540} : TPoint{d.ConvertFromMode(16, 107), d.ConvertFromMode(16, 540)};
    figurePos_.x += d.OffsetX();
    figurePos_.y += d.OffsetY();

    // The 800 x 600 mode has no card back of its own: the 1024 x 768 one is scaled.
    if (d.Mode() == 16) {
        LoadJpegInto(cardBack_, kPictureFolder + "R5_mem_blkcard0.xji");
    } else {
        LoadJpegInto(cardBack_, kPictureFolder + "R3_mem_blkcard0.xji");
        if (d.Mode() == 2) {
            const TPoint size = graMemory::CardFaceSize(2);
            Bitmap scaled(size.x, size.y, PixelFormat::Bgr24);
            StretchBitmap(scaled, cardBack_);
            cardBack_ = std::move(scaled);
        }
    }

    stopButton_ = std::make_unique<CPrzyciskC>(*this, "stop", backBuffer_, layout.stop.x + d.OffsetX(),
                                               layout.stop.y + d.OffsetY(), [this] { A_Stop.Execute(); });
    helpButton_ = std::make_unique<CPrzyciskC>(*this, "pomoc", backBuffer_, layout.help.x + d.OffsetX(),
                                               layout.help.y + d.OffsetY(), [this] { A_Pomoc.Execute(); });
}

bool TFormMemory3::HelpButtonVisible() const
{
    return helpButton_->GetControl().Visible();
}

TRect TFormMemory3::FigureRect() const
{
    const Bitmap* colour = figureFrames_[figure_.Frame].Colour.get();
    return RectXYWH(figurePos_.x, figurePos_.y, colour ? colour->Width() : 0, colour ? colour->Height() : 0);
}

TRect TFormMemory3::HelpButtonRect() const
{
    return helpButton_->GetControl().BoundsRect();
}

TRect TFormMemory3::StopButtonRect() const
{
    return stopButton_->GetControl().BoundsRect();
}

// ---- the figure ----

void TFormMemory3::DrawFigure()
{
    if (!figure_.TakeDraw())
        return;
    const CTransBitmap& frame = figureFrames_[figure_.Frame];
    if (!frame.Colour || !frame.Mask)
        return;
    BlendTransparent(&backBuffer_, figurePos_.x, figurePos_.y, figure_.Opacity, figurePos_.y, figurePos_.x,
                     &background_, frame.Colour->Bounds(), frame.Mask.get(), frame.Colour.get());
    const TRect r = FigureRect();
    Canvas().CopyRect(r, backBuffer_, r);
}

void TFormMemory3::FadeFigureOutAtOnce()
{
    figure_.Step = 0;
    if (figure_.Opacity == 0)
        return;
    figure_.Opacity -= MemoryFigure::kQuickFadeStep;
    while (figure_.Opacity > 0) {
        DrawFigure();
        TheClock().Sleep(kFigureFadePauseMs);
        figure_.Opacity -= MemoryFigure::kQuickFadeStep;
    }
    figure_.Opacity = 0;
    DrawFigure();
    figure_.Rest();
}

void TFormMemory3::timGadTimer()
{
    figure_.Tick(board_ != nullptr && board_->BoardEmpty());
    DrawFigure();
}

// ---- what the board asks for ----

void TFormMemory3::DrawCardFace(const CKarta& card)
{
    card.DrawFace(backBuffer_);
}

void TFormMemory3::DrawCardBack(const CKarta& card)
{
    card.DrawBack(backBuffer_);
}

void TFormMemory3::EraseCard(const CKarta& card)
{
    card.Erase(backBuffer_, background_);
}

void TFormMemory3::RepaintWindow()
{
    if (Visible())
        Repaint();
}

void TFormMemory3::FlashCardFace(const CKarta& card)
{
    Canvas().Draw(card.Position().x, card.Position().y, card.Face());
}

void TFormMemory3::FlashCardBack(const CKarta& card)
{
    Canvas().Draw(card.Position().x, card.Position().y, card.Back());
}

void TFormMemory3::FigureOutAtOnce()
{
    FadeFigureOutAtOnce();
}

void TFormMemory3::FigureInSoon()
{
    figure_.ShowSoon();
}

void TFormMemory3::WordPanelIn(const std::string& key)
{
    const auto picture = LoadWordPictureLarge(key, panelMask_.Width(), panelMask_.Height(), 1);
    for (int i = 1; i <= kPanelSteps; ++i) {
        const int alpha = (i * 255) / kPanelSteps;
        BlendTransparent(&scratch_, 0, 0, alpha, panelRect_.top, panelRect_.left, &background_, panelMask_.Bounds(),
                         &panelMask_, picture.get());
        Canvas().Draw(panelRect_.left, panelRect_.top, scratch_);
        TheClock().Sleep(kPanelPauseMs);
    }
    backBuffer_.Draw(panelRect_.left, panelRect_.top, scratch_);
}

void TFormMemory3::WordPanelOut(const std::string& key)
{
    const auto picture = LoadWordPictureLarge(key, panelMask_.Width(), panelMask_.Height(), 1);
    for (int i = 1; i < kPanelSteps; ++i) {
        const int alpha = (2040 - 255 * i) / kPanelSteps;
        BlendTransparent(&scratch_, 0, 0, alpha, panelRect_.top, panelRect_.left, &background_, panelMask_.Bounds(),
                         &panelMask_, picture.get());
        Canvas().Draw(panelRect_.left, panelRect_.top, scratch_);
        TheClock().Sleep(kPanelPauseMs);
    }
    backBuffer_.CopyRect(panelRect_, background_, panelRect_);
}

void TFormMemory3::RedrawScreen()
{
    A_EkranPaint.Execute();
}

void TFormMemory3::BoardCleared()
{
    A_Stop.Execute();
}

void TFormMemory3::Answered(AnswerKind kind, const CSlowa::SPaczka* word, int counted)
{
    ReportAnswer(kind, word, counted);
}

// ---- actions ----

void TFormMemory3::A_NowaGraExecute()
{
    FadeFigureOutAtOnce();
    hintStock_ = kHintsPerGame;
    helpButton_->GetControl().Show();
    if (board_) {
        board_->Retire();
        retiredBoard_ = std::move(board_);
    }
    const int count = ByAmount(UstMemory3.Poziom, 3, 6, 10);
    Words().ChooseForMemory(count);
    const TPoint faceSize = graMemory::CardFaceSize(Display().Mode());
    LoadCardImages(Words(), faceSize.x, faceSize.y);
    MemoryHost& host = *this;
    board_ = std::make_unique<graMemory>(host, this, Words().Chosen(), count, cardBack_, faceSize);
    BeginGame(UstMemory3);
    A_EkranPaint.Execute();
}

void TFormMemory3::A_EkranPaintExecute()
{
    backBuffer_.CopyRect(clientRect_, background_, clientRect_);
    helpButton_->Draw();
    stopButton_->Draw();
    if (board_)
        board_->DrawAllBacks(backBuffer_);
    RepaintWindow();
}

void TFormMemory3::FormPaint()
{
    Canvas().CopyRect(clientRect_, backBuffer_, clientRect_);
}

void TFormMemory3::A_PomocExecute()
{
    if (hintStock_ == 0)
        return;
    if (TheClock().Milliseconds() < nextHintMs_)
        return;
    if (!board_ || !board_->Accepting())
        return;
    Stats().Touch();
    figure_.Hide();
    FadeFigureOutAtOnce();
    board_->ShowAll();
    nextHintMs_ = TheClock().Milliseconds() + kHintPauseMs;
    --hintStock_;
    if (hintStock_ == 0) {
        helpButton_->GetControl().Hide();
        A_EkranPaint.Execute();
    }
}

void TFormMemory3::A_StopExecute()
{
    EndGame();
}

std::vector<const CSlowa::SPaczka*> TFormMemory3::UnsolvedWords() const
{
    // One pair left is one item unsolved; its two cards leave the board together.
    std::vector<const CSlowa::SPaczka*> left;
    for (int k = 0; board_ && k < board_->SlotCount(); ++k)
        if (board_->Slot(k).OnBoard() && board_->Slot(k).Twin() == 1)
            left.push_back(&board_->Slot(k).Word());
    return left;
}

int TFormMemory3::WrongPerUnsolved() const
{
    // One wrong answer for every card left, not for every pair.
    return 2;
}

void TFormMemory3::Saved(bool complete)
{
    if (complete)
        figure_.Show(true);
    else
        figure_.Hide();
}

// ---- window events ----

void TFormMemory3::FormShow()
{
    figure_.Opacity = 0;
    A_NowaGra.Execute();
    timGad.SetEnabled(true);
}

void TFormMemory3::FormClose(TCloseAction&)
{
    timGad.SetEnabled(false);
    if (board_)
        board_->Retire();
    Words().ReleaseAll();
}

void TFormMemory3::FormKeyPress(char& key)
{
    Stats().Touch();
    if (key == 27)
        A_Stop.Execute();
}

void TFormMemory3::FormMouseDown(TMouseButton, TShiftState, int, int)
{
    Stats().Touch();
}

void TFormMemory3::FormMouseWheel(TShiftState, int, int, int)
{
    Stats().Touch();
}
