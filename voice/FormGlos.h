// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice screen: the adult records the words and the praise and reproach
// phrases in the practice's own voice, which the games then play instead of
// the generated recordings. Words are filtered by sounds and positions as in
// a game's settings; each row shows the word's picture and text, whether the
// practice has recorded it, and play / record / accept / delete. Space (held,
// or pressed twice) records; Enter ends a take, and on a take played back
// keeps it and records the next word that has no recording yet; a take is
// kept only when accepted.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/Program.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PaintBox.h"
#include "voice/TakeRecorder.h"
#include "voice/VoiceLibrary.h"
#include "voice/VoiceList.h"
#include "voice/VoiceScreenLayout.h"

class CCheckBut;
class CPrzyciskP;
class CSlowa;
class VoicePainter;

class TFormGlos : public TForm, public CScreenOwner, public CVoiceScreen {
public:
    // A press of Space held at least this long records only while it is held.
    static constexpr int kHoldMs = 400;
    // A second Delete within this time removes a recording.
    static constexpr int kDeleteConfirmMs = 4000;

    // Covers the whole screen and registers itself as the main menu's voice
    // screen. Raises CBlad code 1 when a picture is missing.
    TFormGlos(TApplication& app, const CSlowa& catalogue);
    ~TFormGlos() override;

    // Shows the screen modally, the voice folder looked at afresh.
    void ShowVoiceScreen() override;

    // The actions of the buttons, reached by tests as a click reaches them.
    TAction A_Odtworz, A_Nagraj, A_Zatrzymaj, A_Zatwierdz, A_Usun, A_Wroc, A_Slowa, A_Zwroty;
    std::array<TAction, 12> soundActions;
    std::array<TAction, 3> positionActions;

    TPaintBox pbLista;
    TPaintBox pbKarta;
    TPaintBox pbLicznik;
    TPaintBox pbKomunikat;
    TLabel vL_Klawisze;

    const VoiceLibrary& Library() const { return library_; }
    const VoiceList& List() const { return list_; }
    const TakeRecorder& Recorder() const { return recorder_; }
    const std::string& Message() const { return message_; }
    const VoiceScreenLayout& Layout() const { return layout_; }

private:
    enum class Tone { Plain, Good, Bad };

    void BuildControls();
    void FormPaint();
    void FormKeyDown(int& key, TShiftState shift);
    void FormKeyUp(int& key, TShiftState shift);
    void ListMouseDown(int x, int y);

    void StartRecording();
    void FinishRecording();
    // Keeps the waiting take; false when there is none or it cannot be kept.
    bool AcceptTake();
    void RecordNextUnrecorded(bool withChosen);
    void PlayChosen();
    void DeleteChosen();
    void ShowKind(VoiceLibrary::Kind kind);
    void FilterChanged();
    void RecorderEnded();
    void Leave();

    void Say(std::string text, Tone tone);
    void Refresh();
    void UpdateButtons();
    // Draws on a copy of the background under a paint box, then shows it at once.
    void PaintOn(TPaintBox& box, const std::function<void(Bitmap&, TCanvas&)>& draw);
    void PaintList();
    void PaintCard();
    void PaintCounter();
    void PaintMessage();

    VoiceScreenLayout layout_;
    VoiceLibrary library_;
    VoiceList list_;
    TakeRecorder recorder_;
    Bitmap background_;
    std::array<Bitmap, 2> captions_;  // of the sound and the position filters
    std::array<TPoint, 2> captionPlaces_;
    std::array<std::unique_ptr<CCheckBut>, 12> sounds_;
    std::array<std::unique_ptr<CCheckBut>, 3> positions_;
    std::unique_ptr<CCheckBut> wordsSwitch_, phrasesSwitch_;
    std::array<std::unique_ptr<CPrzyciskP>, 6> buttons_;  // play, record, stop, accept, delete, back
    std::unique_ptr<VoicePainter> painter_;
    Timer recordingTimer_;
    std::string message_;
    Tone tone_ = Tone::Plain;
    bool spaceDown_ = false;
    int64_t spaceDownMs_ = 0;
    int64_t deleteArmedMs_ = -1;
    std::size_t deleteArmedEntry_ = 0;
};

// The voice screen of the program's catalogue, for the start-up list.
std::unique_ptr<CScreenOwner> MakeFormGlos(TApplication& app);
