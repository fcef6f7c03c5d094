// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice screen.
#include "voice/FormGlos.h"

#include <algorithm>
#include <exception>

#include "controls/CCheckBut.h"
#include "controls/CPrzyciskP.h"
#include "controls/LibraryPicture.h"
#include "core/CBlad.h"
#include "core/MainMenuLayout.h"
#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"
#include "voice/VoicePainter.h"

namespace {

enum ButtonIndex { kPlay, kRecord, kStop, kAccept, kDelete, kBack };
constexpr const char* kButtonNames[6] = {"rodtworz", "rrec", "rstop", "tak", "usun", "wstecz"};
constexpr int kPositionBits[3] = {POZ_NAGLOS, POZ_SRODGLOS, POZ_WYGLOS};
constexpr const char* kPositionNames[3] = {"naglos", "srodglos", "wyglos"};

}  // namespace

TFormGlos::TFormGlos(TApplication& app, const CSlowa& catalogue)
    : TForm(app, "FormGlos", app.ScreenWidth(), app.ScreenHeight()),
      A_Odtworz("A_Odtworz", [this] { PlayChosen(); }),
      A_Nagraj("A_Nagraj", [this] { StartRecording(); }),
      A_Zatrzymaj("A_Zatrzymaj", [this] { FinishRecording(); }),
      A_Zatwierdz("A_Zatwierdz", [this] { AcceptTake(); }),
      A_Usun("A_Usun", [this] { DeleteChosen(); }),
      A_Wroc("A_Wroc", [this] { Leave(); }),
      A_Slowa("A_Slowa", [this] { ShowKind(VoiceLibrary::Kind::Word); }),
      A_Zwroty("A_Zwroty", [this] { ShowKind(VoiceLibrary::Kind::Phrase); }),
      pbLista(*this),
      pbKarta(*this),
      pbLicznik(*this),
      pbKomunikat(*this),
      vL_Klawisze(*this),
      layout_(MakeVoiceScreenLayout(Display())),
      library_(catalogue),
      list_(library_),
      recorder_([this] { RecorderEnded(); }),
      recordingTimer_([this] { PaintCard(); }, 100, false)
{
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, App().ScreenWidth(), App().ScreenHeight());
    try {
        BuildControls();
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }
    OnPaint = [this] { FormPaint(); };
    OnKeyDown = [this](int& key, TShiftState shift) { FormKeyDown(key, shift); };
    OnKeyUp = [this](int& key, TShiftState shift) { FormKeyUp(key, shift); };
    OnMouseWheel = [this](TShiftState, int delta, int, int) {
        list_.Scroll(delta > 0 ? -3 : 3);
        pbLista.Repaint();
    };
    OnClose = [this](TCloseAction&) { recorder_.Close(); };
    RegisterVoiceScreen(this);
}

TFormGlos::~TFormGlos()
{
    if (TheVoiceScreen() == this)
        RegisterVoiceScreen(nullptr);
}

void TFormGlos::BuildControls()
{
    const CDisplay& d = Display();
    const std::string backgroundFile = "Data\\Intf\\Spec\\" + d.ModePrefix(true) + "glosT.xji";
    if (!FileExists(backgroundFile))
        throw CBlad(1);
    MakeBackground({ClientWidth(), ClientHeight(), d.OffsetX(), d.OffsetY()}, background_, backgroundFile);
    const char* captionNames[2] = {"nap_gloski", "nap_pozycja"};
    const TPoint captionPlaces[2] = {layout_.soundCaption, layout_.positionCaption};
    for (std::size_t i = 0; i < 2; ++i) {
        OpenLibraryPicture(captionNames[i] + layout_.captionSuffix, captions_[i]);
        captionPlaces_[i] = {layout_.captionCentreX - captions_[i].Width() / 2, captionPlaces[i].y};
    }
    painter_ = std::make_unique<VoicePainter>(layout_, library_);

    for (std::size_t i = 0; i < 12; ++i) {
        soundActions[i].OnExecute = [this, i] {
            sounds_[i]->Toggle();
            FilterChanged();
        };
        sounds_[i] = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + kSoundButtonNames[i], Canvas(),
                                                 layout_.sounds[i].x, layout_.sounds[i].y, &soundActions[i]);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        positionActions[i].OnExecute = [this, i] {
            positions_[i]->Toggle();
            FilterChanged();
        };
        positions_[i] = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + kPositionNames[i], Canvas(),
                                                    layout_.positions[i].x, layout_.positions[i].y,
                                                    &positionActions[i]);
    }
    wordsSwitch_ = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + "slowa", Canvas(), layout_.wordsSwitch.x,
                                               layout_.wordsSwitch.y, &A_Slowa);
    phrasesSwitch_ = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + "zwroty", Canvas(),
                                                 layout_.phrasesSwitch.x, layout_.phrasesSwitch.y, &A_Zwroty);
    TAction* actions[6] = {&A_Odtworz, &A_Nagraj, &A_Zatrzymaj, &A_Zatwierdz, &A_Usun, &A_Wroc};
    for (std::size_t i = 0; i < 6; ++i) {
        // The stop button takes the record button's place while a take runs.
        const std::size_t slot = i == kStop ? std::size_t{kRecord} : i > kStop ? i - 1 : i;
        const TPoint place = layout_.cardButtons[slot];
        buttons_[i] = std::make_unique<CPrzyciskP>(*this, kButtonNames[i], Canvas(), background_, place.x,
                                                   place.y, actions[i]);
        buttons_[i]->Cursor = crHand;
    }
    buttons_[kStop]->Hide();

    const auto place = [](TControl& c, const TRect& r) { c.SetBounds(r.left, r.top, r.Width(), r.Height()); };
    place(pbLista, RectXYWH(layout_.list.left, layout_.list.top, layout_.scrollTrack.right - layout_.list.left,
                            layout_.list.Height()));
    place(pbKarta, RectXYWH(layout_.card.left + 4, layout_.card.top + 4, layout_.card.Width() - 8,
                            layout_.cardButtons[0].y - layout_.card.top - 6));
    place(pbLicznik, layout_.counter);
    place(pbKomunikat, layout_.message);
    pbLista.OnPaint = [this] { PaintList(); };
    pbKarta.OnPaint = [this] { PaintCard(); };
    pbLicznik.OnPaint = [this] { PaintCounter(); };
    pbKomunikat.OnPaint = [this] { PaintMessage(); };
    pbLista.Cursor = crHand;
    pbLista.OnMouseDown = [this](TMouseButton b, TShiftState, int x, int y) {
        if (b == TMouseButton::mbLeft)
            ListMouseDown(x, y);
    };
    list_.SetVisibleRows(layout_.list.Height() / layout_.rowHeight);

    vL_Klawisze.SetFont(VoiceFont(d.ConvertFromModeRounded(2, 11), false, kVoiceSoftInk));
    vL_Klawisze.SetTransparent(true);
    vL_Klawisze.SetCaption("Spacja: nagraj    Enter: zapisz i nagraj następne    P: odsłuchaj    Delete: usuń    "
                           "Tab: słowa / zwroty    Esc: wyjście"_cp);
    vL_Klawisze.SetBounds(layout_.help.left, layout_.help.top, vL_Klawisze.Width(), vL_Klawisze.Height());
}

void TFormGlos::ShowVoiceScreen()
{
    library_.Refresh();
    spaceDown_ = false;
    Say("Wybierz słowo i naciśnij Enter albo Spację, aby je nagrać."_cp, Tone::Plain);
    ShowKind(list_.Kind());
    ShowModal();
    recorder_.Close();
}

void TFormGlos::FormPaint()
{
    const bool words = list_.Kind() == VoiceLibrary::Kind::Word;
    TCanvas& canvas = Canvas();
    canvas.Draw(0, 0, background_);
    wordsSwitch_->SetChecked(words);
    phrasesSwitch_->SetChecked(!words);
    if (words) {
        for (std::size_t i = 0; i < 2; ++i)
            canvas.Draw(captionPlaces_[i].x, captionPlaces_[i].y, captions_[i]);
        for (std::size_t i = 0; i < 12; ++i)
            sounds_[i]->SetChecked((list_.Sounds() & kSoundButtonBits[i]) != 0);
        for (std::size_t i = 0; i < 3; ++i)
            positions_[i]->SetChecked((list_.Positions() & kPositionBits[i]) != 0);
        return;
    }
    // The phrases have no sounds to choose: their list says what they are
    // where the words' filters stand.
    const TBrush brush = canvas.Brush;
    const TFont font = canvas.Font;
    canvas.Brush.Clear = true;
    canvas.Font = VoiceFont(layout_.textHeight, false, kVoiceInk);
    int y = layout_.soundCaption.y;
    for (const std::string& line : TextRenderer::Wrap(
             canvas.Font,
             "Gry mówią pochwałę po dobrej odpowiedzi dziecka, a zachętę po złej, wybierając je losowo. "
             "Nagraj je tak jak słowa. Zwrot bez nagrania gra głosem syntezatora."_cp,
             layout_.card.Width() - layout_.textHeight)) {
        canvas.TextOut(layout_.card.left + layout_.textHeight / 2, y, line);
        y += canvas.TextHeight(line);
    }
    canvas.Brush = brush;
    canvas.Font = font;
}

void TFormGlos::ShowKind(VoiceLibrary::Kind kind)
{
    if (recorder_.GetState() == TakeRecorder::State::Recording)
        return;
    recorder_.Discard();
    list_.SetKind(kind);
    const bool words = kind == VoiceLibrary::Kind::Word;
    for (auto& b : sounds_)
        b->GetControl().SetVisible(words);
    for (auto& b : positions_)
        b->GetControl().SetVisible(words);
    Refresh();
    Invalidate();
}

void TFormGlos::FilterChanged()
{
    int32_t sounds = 0, positions = 0;
    for (std::size_t i = 0; i < 12; ++i)
        if (sounds_[i]->IsChecked())
            sounds |= kSoundButtonBits[i];
    for (std::size_t i = 0; i < 3; ++i)
        if (positions_[i]->IsChecked())
            positions |= kPositionBits[i];
    recorder_.Discard();
    list_.SetFilter(sounds, positions);
    if (list_.Empty())
        Say("Żadne słowo nie ma wybranych głosek w wybranych pozycjach."_cp, Tone::Plain);
    Refresh();
}

void TFormGlos::FormKeyDown(int& key, TShiftState shift)
{
    const TakeRecorder::State state = recorder_.GetState();
    switch (key) {
    case VK_SPACE:
        if (spaceDown_)
            break;  // the key repeating while it is held
        spaceDown_ = true;
        if (state == TakeRecorder::State::Recording) {
            FinishRecording();
        } else {
            spaceDownMs_ = TheClock().Milliseconds();
            StartRecording();
        }
        break;
    case VK_RETURN:
        if (state == TakeRecorder::State::Recording)
            FinishRecording();
        else if (state == TakeRecorder::State::Reviewing && AcceptTake())
            RecordNextUnrecorded(false);
        else
            RecordNextUnrecorded(true);
        break;
    case VK_DELETE:
    case VK_BACK:
        DeleteChosen();
        break;
    case 'P':
        PlayChosen();
        break;
    case VK_TAB:
        ShowKind(list_.Kind() == VoiceLibrary::Kind::Word ? VoiceLibrary::Kind::Phrase : VoiceLibrary::Kind::Word);
        break;
    case VK_ESCAPE:
        if (state == TakeRecorder::State::Recording) {
            recorder_.Discard();
            Say("Nagrywanie przerwane; nic nie zapisano."_cp, Tone::Plain);
            Refresh();
        } else {
            Leave();
        }
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
        if (state == TakeRecorder::State::Recording)
            break;
        const int page = list_.VisibleRows();
        const int moves[6] = {-1, 1, -page, page, -100000, 100000};
        const int index = key == VK_UP ? 0 : key == VK_DOWN ? 1 : key == VK_PRIOR ? 2 : key == VK_NEXT ? 3
                          : key == VK_HOME ? 4 : 5;
        if (state == TakeRecorder::State::Reviewing) {
            recorder_.Discard();
            Say("Poprzednie nagranie nie zostało zatwierdzone."_cp, Tone::Plain);
        }
        recorder_.StopSound();
        list_.Move(moves[index]);
        Refresh();
        break;
    }
    default:
        return;
    }
    (void)shift;
    key = 0;
}

void TFormGlos::FormKeyUp(int& key, TShiftState)
{
    if (key != VK_SPACE)
        return;
    spaceDown_ = false;
    // Held long enough: the adult records while holding the key.
    if (recorder_.GetState() == TakeRecorder::State::Recording &&
        TheClock().Milliseconds() - spaceDownMs_ >= kHoldMs)
        FinishRecording();
    key = 0;
}

void TFormGlos::ListMouseDown(int x, int y)
{
    if (recorder_.GetState() == TakeRecorder::State::Recording) {
        FinishRecording();  // a click anywhere on the list ends the take
        return;
    }
    const int row = list_.Top() + y / layout_.rowHeight;
    if (row >= static_cast<int>(list_.Rows().size()))
        return;
    if (x >= layout_.list.Width()) {
        list_.Scroll(row < list_.Top() + list_.VisibleRows() / 2 ? -list_.VisibleRows() : list_.VisibleRows());
        pbLista.Repaint();
        return;
    }
    if (row != list_.Selected() && recorder_.GetState() == TakeRecorder::State::Reviewing)
        recorder_.Discard();
    list_.Select(row);
    // The row's icons stand at its right end: play, record, accept or delete.
    const int slot = (layout_.list.Width() - x) / (layout_.icon + layout_.icon / 4);
    if (slot == 2)
        PlayChosen();
    else if (slot == 1)
        StartRecording();
    else if (slot == 0 && recorder_.GetState() == TakeRecorder::State::Reviewing)
        AcceptTake();
    else if (slot == 0 && library_.At(list_.SelectedEntry()).recorded)
        DeleteChosen();
    Refresh();
}

void TFormGlos::StartRecording()
{
    if (list_.Empty())
        return;
    std::string error;
    if (!recorder_.Start(list_.SelectedEntry(), error)) {
        Say(error, Tone::Bad);
        Refresh();
        return;
    }
    Say("Nagrywanie. Powiedz „"_cp + library_.At(list_.SelectedEntry()).text +
            "” i puść spację albo naciśnij Enter."_cp,
        Tone::Bad);
    recordingTimer_.SetEnabled(true);
    Refresh();
}

void TFormGlos::FinishRecording()
{
    if (recorder_.GetState() != TakeRecorder::State::Recording)
        return;
    recorder_.Finish();
    RecorderEnded();
}

void TFormGlos::RecorderEnded()
{
    if (recordingTimer_.Enabled() && recorder_.GetState() != TakeRecorder::State::Recording) {
        recordingTimer_.SetEnabled(false);
        if (recorder_.GetState() == TakeRecorder::State::Reviewing)
            Say("Posłuchaj. Enter: zapisz i dalej, Spacja: jeszcze raz, Delete: odrzuć."_cp, Tone::Good);
        else
            Say(recorder_.LastMessage(), Tone::Bad);
    }
    Refresh();
}

bool TFormGlos::AcceptTake()
{
    if (recorder_.GetState() != TakeRecorder::State::Reviewing)
        return false;
    const std::size_t entry = recorder_.TakeEntry();
    std::string error;
    if (!recorder_.Accept(library_, error)) {
        Say(error, Tone::Bad);  // the take still waits: nothing is lost
        Refresh();
        return false;
    }
    list_.SelectEntry(entry);
    Say("Zapisano „"_cp + library_.At(entry).text + "”."_cp, Tone::Good);
    Refresh();
    return true;
}

void TFormGlos::RecordNextUnrecorded(bool withChosen)
{
    const int row = list_.NextUnrecorded(withChosen);
    if (row < 0) {
        Say(list_.Empty() ? message_ : "Wszystko na tej liście ma już nagranie."_cp, Tone::Good);
        Refresh();
        return;
    }
    list_.Select(row);
    StartRecording();
}

void TFormGlos::PlayChosen()
{
    if (list_.Empty() || recorder_.GetState() == TakeRecorder::State::Recording)
        return;
    std::string error;
    if (recorder_.GetState() == TakeRecorder::State::Reviewing && recorder_.TakeEntry() == list_.SelectedEntry()) {
        if (!recorder_.PlayTake(error))
            Say(error, Tone::Bad);
        Refresh();
        return;
    }
    const VoiceLibrary::Entry& e = library_.At(list_.SelectedEntry());
    const std::filesystem::path file = e.recorded ? e.file : NativePath(e.treePath);
    if (!recorder_.Play(file, error))
        Say(error, Tone::Bad);
    Refresh();
}

void TFormGlos::DeleteChosen()
{
    if (list_.Empty() || recorder_.GetState() == TakeRecorder::State::Recording)
        return;
    if (recorder_.GetState() == TakeRecorder::State::Reviewing) {
        recorder_.Discard();
        Say("Nagranie odrzucone."_cp, Tone::Plain);
        Refresh();
        return;
    }
    const std::size_t entry = list_.SelectedEntry();
    const VoiceLibrary::Entry& e = library_.At(entry);
    if (!e.recorded)
        return;
    // A recording is taken away only on a second press: one stray key must
    // not undo the adult's work.
    const int64_t now = TheClock().Milliseconds();
    if (deleteArmedMs_ < 0 || deleteArmedEntry_ != entry || now - deleteArmedMs_ > kDeleteConfirmMs) {
        deleteArmedMs_ = now;
        deleteArmedEntry_ = entry;
        Say("Naciśnij Delete jeszcze raz, aby usunąć nagranie „"_cp + e.text + "” (trafi do kosza)."_cp, Tone::Bad);
        Refresh();
        return;
    }
    deleteArmedMs_ = -1;
    recorder_.StopSound();
    std::string error;
    if (library_.Remove(entry, error))
        Say("Usunięto nagranie „"_cp + e.text + "”; gry znów użyją głosu syntezatora."_cp, Tone::Plain);
    else
        Say(error, Tone::Bad);
    Refresh();
}

void TFormGlos::Leave()
{
    recorder_.Close();
    Close();
}

void TFormGlos::Say(std::string text, Tone tone)
{
    message_ = std::move(text);
    tone_ = tone;
}

void TFormGlos::Refresh()
{
    UpdateButtons();
    if (!Visible())
        return;
    pbLista.Repaint();
    PaintCard();
    PaintCounter();
    PaintMessage();
}

void TFormGlos::UpdateButtons()
{
    const TakeRecorder::State state = recorder_.GetState();
    const bool recording = state == TakeRecorder::State::Recording;
    const bool chosen = !list_.Empty();
    A_Odtworz.SetEnabled(chosen && !recording);
    A_Nagraj.SetEnabled(chosen);
    A_Zatwierdz.SetEnabled(state == TakeRecorder::State::Reviewing);
    A_Usun.SetEnabled(chosen && !recording &&
                      (state == TakeRecorder::State::Reviewing || library_.At(list_.SelectedEntry()).recorded));
    A_Slowa.SetEnabled(!recording);
    A_Zwroty.SetEnabled(!recording);
    for (TAction& a : soundActions)
        a.SetEnabled(!recording);
    for (TAction& a : positionActions)
        a.SetEnabled(!recording);
    buttons_[kRecord]->SetVisible(!recording);
    buttons_[kStop]->SetVisible(recording);
    for (const int i : {kPlay, kRecord, kAccept, kDelete})
        if (buttons_[static_cast<std::size_t>(i)]->Visible())
            buttons_[static_cast<std::size_t>(i)]->Refresh();
}

void TFormGlos::PaintOn(TPaintBox& box, const std::function<void(Bitmap&, TCanvas&)>& draw)
{
    Bitmap picture(box.Width(), box.Height());
    picture.CopyRect(picture.Bounds(), background_, box.BoundsRect());
    TCanvas canvas(picture);
    canvas.Brush.Clear = true;
    draw(picture, canvas);
    box.Canvas().Draw(0, 0, picture);
}

void TFormGlos::PaintList()
{
    PaintOn(pbLista, [this](Bitmap& picture, TCanvas& canvas) {
        painter_->DrawList(picture, canvas, pbLista.BoundsRect(), list_, recorder_);
    });
}

void TFormGlos::PaintCard()
{
    PaintOn(pbKarta, [this](Bitmap& picture, TCanvas& canvas) {
        if (!list_.Empty())
            painter_->DrawCard(picture, canvas, pbKarta.BoundsRect(), list_, recorder_);
    });
}

void TFormGlos::PaintCounter()
{
    PaintOn(pbLicznik, [this](Bitmap&, TCanvas& canvas) {
        const VoiceLibrary::Kind kind = list_.Kind();
        const bool words = kind == VoiceLibrary::Kind::Word;
        const std::string total = std::to_string(library_.Recorded(kind)) + " z " +
                                  std::to_string(library_.Count(kind)) +
                                  (words ? " słów nagranych"_cp : " zwrotów nagranych"_cp);
        canvas.Font = VoiceFont(layout_.textHeight * 4 / 3, true, kVoiceInk);
        canvas.TextOut(0, 0, total);
        const int y = canvas.TextHeight(total);
        canvas.Font = VoiceFont(layout_.textHeight - 2, false, kVoiceSoftInk);
        canvas.TextOut(0, y,
                       words ? "Na liście: "_cp + std::to_string(list_.Rows().size()) + ", z nagraniem: "_cp +
                                   std::to_string(list_.RecordedRows())
                             : "Pochwały i zachęty, które gry mówią po odpowiedzi dziecka"_cp);
    });
}

void TFormGlos::PaintMessage()
{
    PaintOn(pbKomunikat, [this](Bitmap&, TCanvas& canvas) {
        canvas.Font = VoiceFont(layout_.textHeight, true,
                                tone_ == Tone::Good  ? kVoiceGood
                                : tone_ == Tone::Bad ? kVoiceBad
                                                     : kVoiceInk);
        int y = 0;
        for (const std::string& line : TextRenderer::Wrap(canvas.Font, message_, pbKomunikat.Width())) {
            canvas.TextOut(0, y, line);
            y += canvas.TextHeight(line);
        }
    });
}

std::unique_ptr<CScreenOwner> MakeFormGlos(TApplication& app)
{
    return std::make_unique<TFormGlos>(app, *Slowa);
}
