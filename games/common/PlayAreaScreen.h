// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screens that play in a paint box over the design area (train,
// conveyor, suction cups, forklift): the paint box and its mouse events, also
// over the black border around it so that a drag goes on there; the stop and
// hint buttons, and in games of several boards "dalej" and "wstecz" with the
// board they switch to; the zoom that the train screen lends to every game;
// the window covering the whole screen while shown; the black border.
#pragma once

#include <memory>
#include <string>

#include "games/common/BoardSwitch.h"
#include "games/common/GameScreen.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/PaintBox.h"

class CPrzyciskW;
class CTransBitmap;
class CZoom;

class PlayAreaScreen : public GameScreen {
public:
    ~PlayAreaScreen() override;

    TPaintBox pbGame;
    TAction actStop;
    TAction actPomoc;
    TAction actNowaGra;
    // Shown only by the games of several boards.
    TAction actDalej;
    TAction actWstecz;

    // The program's one picture zoom, which the train screen owns and lends
    // to every game while it exists (nullptr: no zoom).
    static void LendZoom(CZoom* zoom);

protected:
    // The window is as wide as the screen and 20 pixels shorter while hidden;
    // the paint box covers the design area.
    PlayAreaScreen(TApplication& app, std::string name, CSlowa& words, CStatRec& stats, TForm* summary);

    // The picture the paint box shows and the clean scene the buttons are
    // composed over; both must be sized before the buttons are made.
    void SetScene(Bitmap& shown, const Bitmap& clean);
    Bitmap& Shown() const { return *shown_; }
    // The stop and hint buttons with their top-left corners in window
    // coordinates. Raise CBlad code 1 when a picture is missing.
    void MakeButtons(TPoint stop, TPoint help);
    // The four buttons of a game of several boards at their shared places.
    void MakeBoardButtons();
    // Composes the visible buttons into the shown picture.
    void DrawButtons();
    // A new game of boardCount boards: "wstecz" hidden, "dalej" shown unless
    // there is one board only.
    void ResetBoards(int boardCount);
    BoardSwitch& Boards() { return boards_; }
    const BoardSwitch& Boards() const { return boards_; }
    const CPrzyciskW& ButtonDalej() const { return *dalej_; }
    const CPrzyciskW& ButtonWstecz() const { return *wstecz_; }

    // The zoom at (x, y) of the paint box with the word's large picture over
    // the shown scene, while the word is heard.
    void ZoomWord(const CSlowa::SPaczka& word, int x, int y);

    // The help button's blink at (left, top) of the paint box: the highlight
    // over the shown scene, then twice taken away and put back 200 ms apart.
    // It stays on the screen, and with keep in the shown picture too.
    void BlinkHighlight(CTransBitmap& highlight, int left, int top, bool keep = false);

    // Loading a screen's pictures: any failure but the program's own error
    // becomes the missing-resources error, CBlad code 1.
    static void LoadOrFail(const std::function<void()>& load);

    virtual void actNowaGraExecute() = 0;
    virtual void actPomocExecute() = 0;
    // While true, "dalej" and "wstecz" are refused (after Touch).
    virtual bool Busy() const { return false; }
    // Shows the board of the index BoardSwitch gives.
    virtual void GoToBoard(int index);
    // Paint box coordinates.
    virtual void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void pbGameMouseMove(TShiftState shift, int x, int y);
    virtual void pbGameMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void pbGamePaint();
    // After the first game of a showing has been started.
    virtual void FormShown() {}
    // Closing: the game's own clean-up before the words' pictures go.
    virtual void Closing() {}

private:
    void NewGame() override { actNowaGra.Execute(); }
    void FormClose(TCloseAction& action) override;
    void SwitchBoard(bool forward);
    std::unique_ptr<CPrzyciskW> Button(const char* name, TPoint at, TAction& action);

    Bitmap* shown_ = nullptr;
    const Bitmap* clean_ = nullptr;
    std::unique_ptr<CPrzyciskW> stop_;
    std::unique_ptr<CPrzyciskW> pomoc_;
    std::unique_ptr<CPrzyciskW> dalej_;
    std::unique_ptr<CPrzyciskW> wstecz_;
    BoardSwitch boards_;
};
