// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: a tab for each game where the adult chooses the amount, the
// sounds and the positions and starts the game, a tab that records the
// child's voice, the loudspeaker that switches the music, about and exit.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/MainMenuLayout.h"
#include "graphics/CTransBitmap.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PaintBox.h"
#include "recording/CNagData.h"

class CCheckBut;
class CCheckButW;
class ChildNamePlate;
class CNagData;
class CNagrywanie;
class CObiektGraficzny;
class CPrzyciskP;
class CScrollBar;
class RecordingIndicator;

class TFormMain : public TForm {
public:
    // Loads every picture and button; any failure raises CBlad code 1.
    explicit TFormMain(TApplication& app);
    // Saves the settings.
    ~TFormMain() override;

    // Draws the waiting picture centred on a window (the games show it while
    // they build a new game).
    void ShowWaitingPicture(TForm& window);

    // Actions of the menu's buttons (public so tests and scripts reach them
    // the way a click does).
    TAction A_Malo, A_Srednio, A_Duzo;
    TAction A_Naglos, A_Srodglos, A_Wyglos;
    std::array<TAction, 12> soundActions;
    TAction A_Start, A_Stop, A_Oprogramie, A_Zakladka, A_Glosnik;
    TAction A_Rec_Rec, A_Rec_Play, MPStop;

    TPaintBox g_Menu;
    TLabel vL_Nazwisko;
    TLabel vL_Data;
    // The help line: how the adult reaches the voice screen.
    TLabel vL_Pomoc;

    bool Busy() const { return busy_; }
    CNagData& Recordings() { return *nagData_; }
    CNagrywanie& Recorder() { return *recorder_; }
    const RecordingIndicator& Indicator() const { return *indicator_; }
    ChildNamePlate& NamePlate() { return *namePlate_; }
    CCheckBut& AmountButton(int i) { return *amounts_[static_cast<std::size_t>(i)]; }
    CCheckBut& SoundButton(int i) { return *sounds_[static_cast<std::size_t>(i)]; }
    CCheckBut& PositionButton(int i) { return *positions_[static_cast<std::size_t>(i)]; }
    CPrzyciskP& Button(const std::string& baseName);
    const SMainMenuLayout& Layout() const { return layout_; }
    // The scene as the recording tab shows it, without the three captions.
    const Bitmap& SceneWithoutCaptions() const { return sceneWithoutCaptions_; }

private:
    void BuildBackground();
    void BuildButtons();
    void BuildRecordingPanel();
    void BuildNamePlate();

    void FormPaint();
    void FormActivate();
    void FormKeyDown(int& key, TShiftState shift);
    void FormMouseWheel(TShiftState shift, int delta, int x, int y);
    void g_MenuMouseDown(TMouseButton button, TShiftState shift, int x, int y);

    void A_ZakladkaExecute();
    void SetAmount(int level);
    void A_StartExecute();
    void A_GlosnikExecute();
    void A_Rec_RecExecute();
    void A_Rec_PlayExecute();
    void MPStopExecute();
    void ScrollUp();
    void ScrollDown();
    void EnterBusyState();
    void RedrawBusyButtons();
    void ShowMessageNumber(int number);
    void ShowVoiceScreen();
    void DropFocus();

    SMainMenuLayout layout_;
    Bitmap background_;
    Bitmap sceneWithoutCaptions_;
    std::array<Bitmap, 6> tabs_;
    std::array<std::unique_ptr<CObiektGraficzny>, 3> captions_;  // amount, sound, position
    CTransBitmap waiting_;
    std::array<std::unique_ptr<CPrzyciskP>, 8> buttons_;
    std::array<std::unique_ptr<CCheckBut>, 3> amounts_;
    std::array<std::unique_ptr<CCheckBut>, 12> sounds_;
    std::array<std::unique_ptr<CCheckBut>, 3> positions_;
    std::unique_ptr<CCheckButW> speaker_;
    std::unique_ptr<CNagData> nagData_;
    std::unique_ptr<CScrollBar> scrollBar_;
    std::unique_ptr<CNagrywanie> recorder_;
    std::unique_ptr<RecordingIndicator> indicator_;
    std::unique_ptr<ChildNamePlate> namePlate_;
    bool busy_ = false;
    // The slot being recorded, and whether the recorder really started: the
    // slot is noted as recorded only once its recording is in its file.
    std::optional<int> recordingSlot_;
    bool recordingStarted_ = false;
    // A game's record that could not be saved is told once a run.
    bool toldUnsavedGame_ = false;
    int recordingTabRepaints_ = 4;
    int gameTabRepaints_ = 4;
    bool inPaint_ = false;
    int shownTab_ = 0;  // the tab the last A_Zakladka showed
};

// The main menu while it exists.
extern TFormMain* FormMain;
