// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wiring the paint-box games share.
#include "games/common/PlayAreaScreen.h"

#include <exception>

#include "controls/CPrzyciskW.h"
#include "controls/CZoom.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "games/common/PaintAround.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransBitmap.h"
#include "platform/Application.h"
#include "platform/Clock.h"

namespace {

CZoom* lentZoom = nullptr;

}  // namespace

void PlayAreaScreen::LendZoom(CZoom* zoom) { lentZoom = zoom; }

PlayAreaScreen::PlayAreaScreen(TApplication& app, std::string name, CSlowa& words, CStatRec& stats, TForm* summary)
    : GameScreen(app, std::move(name), app.ScreenWidth(), app.ScreenHeight() - 20, words, stats, summary),
      pbGame(*this),
      actStop("actStop", [this] { EndGame(); }),
      actPomoc("actPomoc", [this] { actPomocExecute(); }),
      actNowaGra("actNowaGra", [this] { actNowaGraExecute(); }),
      actDalej("actDalej", [this] { SwitchBoard(true); }),
      actWstecz("actWstecz", [this] { SwitchBoard(false); })
{
    const CDisplay& d = Display();
    pbGame.Name = "pbGame";
    pbGame.SetBounds(d.OffsetX(), d.OffsetY(), d.AreaWidth(), d.AreaHeight());
    pbGame.OnPaint = [this] { pbGamePaint(); };
    pbGame.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseDown(b, s, x, y); };
    pbGame.OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x, y); };
    pbGame.OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseUp(b, s, x, y); };
    // Over the black border the pointer still belongs to the game, so that a
    // drag carried off the design area goes on.
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbGameMouseDown(b, s, x - pbGame.Left(), y - pbGame.Top());
    };
    OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x - pbGame.Left(), y - pbGame.Top()); };
    OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbGameMouseUp(b, s, x - pbGame.Left(), y - pbGame.Top());
    };
    OnShow = [this] {
        SetSize(App().ScreenWidth(), App().ScreenHeight());
        actNowaGra.Execute();
        FormShown();
    };
    OnPaint = [this] { PaintBlackAround(Canvas(), pbGame.BoundsRect(), Width(), Height()); };
}

PlayAreaScreen::~PlayAreaScreen() = default;

void PlayAreaScreen::LoadOrFail(const std::function<void()>& load)
{
    try {
        load();
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }
}

void PlayAreaScreen::SetScene(Bitmap& shown, const Bitmap& clean)
{
    shown_ = &shown;
    clean_ = &clean;
}

std::unique_ptr<CPrzyciskW> PlayAreaScreen::Button(const char* name, TPoint at, TAction& action)
{
    const CDisplay& d = Display();
    auto button = std::make_unique<CPrzyciskW>(*this, name, Canvas(), *shown_, clean_, at.x, at.y, action);
    button->SetBackBufferOffset(d.OffsetX(), d.OffsetY());
    button->SetBackgroundOffset(d.OffsetX(), d.OffsetY());
    return button;
}

void PlayAreaScreen::MakeButtons(TPoint stop, TPoint help)
{
    stop_ = Button("stop", stop, actStop);
    pomoc_ = Button("pomoc", help, actPomoc);
}

void PlayAreaScreen::MakeBoardButtons()
{
    const CDisplay& d = Display();
    using B = BoardSwitch::Button;
    MakeButtons(BoardSwitch::ButtonPosition(d, B::Stop), BoardSwitch::ButtonPosition(d, B::Pomoc));
    dalej_ = Button("dalej", BoardSwitch::ButtonPosition(d, B::Dalej), actDalej);
    wstecz_ = Button("wstecz", BoardSwitch::ButtonPosition(d, B::Wstecz), actWstecz);
}

void PlayAreaScreen::DrawButtons()
{
    for (CPrzyciskW* button : {stop_.get(), pomoc_.get(), dalej_.get(), wstecz_.get()})
        if (button != nullptr)
            button->DrawNormal();
}

void PlayAreaScreen::ResetBoards(int boardCount)
{
    boards_.Reset(boardCount);
    dalej_->SetVisible(boards_.DalejVisible());
    wstecz_->SetVisible(boards_.WsteczVisible());
}

void PlayAreaScreen::SwitchBoard(bool forward)
{
    Stats().Touch();
    if (Busy() || dalej_ == nullptr)
        return;
    const int n = forward ? boards_.Forward() : boards_.Back();
    dalej_->SetVisible(boards_.DalejVisible());
    wstecz_->SetVisible(boards_.WsteczVisible());
    GoToBoard(n);
}

void PlayAreaScreen::GoToBoard(int) {}

void PlayAreaScreen::ZoomWord(const CSlowa::SPaczka& word, int x, int y)
{
    if (lentZoom == nullptr)
        return;
    TCanvas& canvas = pbGame.Canvas();
    lentZoom->Show(canvas, *shown_, y, x, CZoom::WordOf(word));
    lentZoom->PlayWord();
    lentZoom->Hide(canvas, *shown_);
}

void PlayAreaScreen::BlinkHighlight(CTransBitmap& highlight, int left, int top, bool keep)
{
    if (!highlight.Colour || !highlight.Mask)
        return;
    TCanvas& canvas = pbGame.Canvas();
    const TRect r = RectXYWH(left, top, highlight.Colour->Width(), highlight.Colour->Height());
    highlight.ComposeFromCanvas(*shown_, left, top, 255);
    canvas.Draw(left, top, *highlight.Cache);
    for (int k = 0; k < 2; ++k) {
        canvas.CopyRect(r, *shown_, r);
        TheClock().Sleep(200);
        canvas.Draw(left, top, *highlight.Cache);
        TheClock().Sleep(200);
    }
    if (keep)
        shown_->Draw(left, top, *highlight.Cache);
}

void PlayAreaScreen::pbGameMouseDown(TMouseButton, TShiftState, int, int) {}

void PlayAreaScreen::pbGameMouseMove(TShiftState, int, int) {}

void PlayAreaScreen::pbGameMouseUp(TMouseButton, TShiftState, int, int) {}

void PlayAreaScreen::pbGamePaint() { pbGame.Canvas().Draw(0, 0, *shown_); }

void PlayAreaScreen::FormClose(TCloseAction&)
{
    Closing();
    SetSize(App().ScreenWidth(), App().ScreenHeight() - 20);
    Words().ReleaseAll();
}
