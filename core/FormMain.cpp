// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FormMain.h"

#include <exception>

#include "controls/CCheckBut.h"
#include "controls/CCheckButW.h"
#include "controls/CPrzyciskP.h"
#include "controls/CScrollBar.h"
#include "core/ActiveChild.h"
#include "core/AnswerJournal.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/ChildNamePlate.h"
#include "core/CSlowa.h"
#include "core/CUstGry.h"
#include "core/Program.h"
#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"
#include "graphics/CObiektGraficzny.h"
#include "graphics/Cbitmapy.h"
#include "graphics/StretchBitmap.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "recording/CNagData.h"
#include "recording/CNagrywanie.h"
#include "recording/RecordingIndicator.h"
#include "screens/FormKomunikat.h"
#include "screens/FormOProgramie.h"

TFormMain* FormMain = nullptr;

namespace {

constexpr int kRecordingLimitMs = 60000;
constexpr int kRecordingTab = 6;

enum ButtonIndex { kAbout, kExit, kStart, kRecord, kPlay, kStop, kUp, kDown };
constexpr const char* kButtonNames[8] = {"oprogramie", "wyjdz", "start", "rrec", "rodtworz", "rstop", "up", "down"};

std::string SpecPath(const std::string& name)
{
    return "Data\\Intf\\Spec\\" + name;
}

}  // namespace

TFormMain::TFormMain(TApplication& app)
    : TForm(app, "FormMain", app.ScreenWidth(), app.ScreenHeight()),
      g_Menu(*this),
      vL_Nazwisko(*this),
      vL_Data(*this),
      vL_Pomoc(*this),
      layout_(MainMenuLayout(Display()))
{
    Caption = "Gry Szeptaczki Cz.VI";
    app.SetTitle("Szeptaczki Cz.VI");
    SetPosition(0, 0);
    KeyPreview = true;
    FormMain = this;
    try {
        BuildBackground();
        BuildButtons();
        BuildRecordingPanel();
        BuildNamePlate();
    } catch (const CBlad&) {
        FormMain = nullptr;
        throw;
    } catch (const std::exception&) {
        FormMain = nullptr;
        throw CBlad(1);
    }

    OnPaint = [this] { FormPaint(); };
    OnActivate = [this] { FormActivate(); };
    OnKeyDown = [this](int& key, TShiftState shift) { FormKeyDown(key, shift); };
    OnMouseWheel = [this](TShiftState s, int delta, int x, int y) { FormMouseWheel(s, delta, x, y); };
    // Closing the window or ending the session ends the program as the exit
    // button does; a recording in progress is stopped and kept first.
    OnCloseRequest = [this] {
        if (busy_)
            MPStop.Execute();
        Close();
    };
    OnClose = [this](TCloseAction&) {
        // The menu closes for good: the program ends with it.
        if (recorder_)
            recorder_->Close();
    };
    // The games go on to their summary; the user learns, once, that their
    // records are not being kept and why.
    if (StatRec != nullptr)
        StatRec->OnSaveFailed = [this](FileProblem problem) {
            if (toldUnsavedGame_)
                return;
            toldUnsavedGame_ = true;
            ShowMessageNumber(TFormKomunikat::GameNotSavedMessage(problem));
        };
    if (TheAnswerJournal != nullptr)
        TheAnswerJournal->OnNotWritten = [this](FileProblem problem) {
            ShowMessageNumber(TFormKomunikat::JournalNotWrittenMessage(problem));
        };
}

TFormMain::~TFormMain()
{
    if (StatRec != nullptr)
        StatRec->OnSaveFailed = nullptr;
    if (TheAnswerJournal != nullptr)
        TheAnswerJournal->OnNotWritten = nullptr;
    SaveSettings();
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::BuildBackground()
{
    const CDisplay& d = Display();
    const std::string& prefix = layout_.tabPrefix;
    const std::string sceneFile = SpecPath(prefix + "mT0.xji");
    // Without its scene the menu would open black: the data tree is damaged.
    if (!FileExists(sceneFile))
        throw CBlad(1);
    MakeBackground({d.ScreenWidth(), d.ScreenHeight(), d.OffsetX(), d.OffsetY()}, background_, sceneFile);
    // Every tab picture must hold all the tabs: a strip that decodes smaller
    // would leave tabs that cannot be clicked.
    const TPoint needs = TabStripNeeds(d);
    for (int k = 0; k < 6; ++k) {
        Bitmap& tab = tabs_[static_cast<std::size_t>(k)];
        LoadJpegInto(tab, SpecPath(prefix + "mT" + std::to_string(k + 1) + ".xji"));
        if (tab.Width() < needs.x || tab.Height() < needs.y)
            throw CBlad(1);
    }
    g_Menu.SetBounds(layout_.tabStrip.x, layout_.tabStrip.y, tabs_[0].Width(), tabs_[0].Height());
    g_Menu.Cursor = crHand;
    g_Menu.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { g_MenuMouseDown(b, s, x, y); };
    g_Menu.OnPaint = [this] {
        const Bitmap& tab = tabs_[static_cast<std::size_t>((Zakladka >= 1 && Zakladka <= 6 ? Zakladka : 1) - 1)];
        g_Menu.Canvas().Draw(0, 0, tab);
    };

    // The logo is drawn for the 1280 mode and scaled down in the others.
    CTransBitmap logo;
    logo.LoadPair(SpecPath("RU_mnqw6B.xji"), SpecPath("RU_mnqw6W.xji"));
    int w = logo.Colour->Width();
    int h = logo.Colour->Height();
    d.ConvertPairFromMode(16, w, h);
    if (w != logo.Colour->Width() || h != logo.Colour->Height()) {
        CTransBitmap scaled;
        scaled.StretchFrom(logo, w, h, true);
        logo.TakeFrom(scaled);
    }
    logo.DrawOnCanvas(background_, layout_.logo.x, layout_.logo.y, 255, true);

    // The captions are part of the scene; the scene without them serves the
    // recording tab, which hides them and shows its own panel (its rows'
    // bands, the scroll track, the plate of its buttons) where a tree has it.
    sceneWithoutCaptions_ = background_;
    const std::string recordingPanel = SpecPath(prefix + "mNagr.xji");
    if (FileExists(recordingPanel)) {
        Bitmap panel;
        LoadJpegInto(panel, recordingPanel);
        sceneWithoutCaptions_.Draw(layout_.panel.left, layout_.panel.top, panel);
    }
    const std::string s = layout_.captionSuffix;
    const char* names[3] = {"nap_ilzadan", "nap_gloski", "nap_pozycja"};
    const int tops[3] = {layout_.amountCaptionTop, layout_.soundCaptionTop, layout_.positionCaptionTop};
    for (int i = 0; i < 3; ++i) {
        auto caption = std::make_unique<CObiektGraficzny>(std::string(names[i]) + s);
        caption->SetPosition(layout_.captionCentreX - caption->GetWidth() / 2, tops[i]);
        caption->Draw(background_);
        captions_[static_cast<std::size_t>(i)] = std::move(caption);
    }

    waiting_.LoadPair(SpecPath("mKom_pc_B.xji"), SpecPath("mKom_pc_W.xji"));
}

void TFormMain::BuildButtons()
{
    A_Malo.OnExecute = [this] { SetAmount(1); };
    A_Srednio.OnExecute = [this] { SetAmount(2); };
    A_Duzo.OnExecute = [this] { SetAmount(3); };
    TAction* positionActions[3] = {&A_Naglos, &A_Srodglos, &A_Wyglos};
    const int positionBits[3] = {POZ_NAGLOS, POZ_SRODGLOS, POZ_WYGLOS};
    for (int i = 0; i < 3; ++i)
        positionActions[i]->OnExecute = [this, i, bit = positionBits[i]] {
            positions_[static_cast<std::size_t>(i)]->Toggle();
            CurrentSettings().TogglePozycja(static_cast<int16_t>(bit));
        };
    for (std::size_t i = 0; i < 12; ++i)
        soundActions[i].OnExecute = [this, i] {
            sounds_[i]->Toggle();
            CurrentSettings().ToggleGloska(static_cast<int16_t>(kSoundButtonBits[i]));
        };
    A_Start.OnExecute = [this] { A_StartExecute(); };
    A_Stop.OnExecute = [this] { Close(); };
    A_Oprogramie.OnExecute = [] {
        if (FormOProgramie != nullptr)
            FormOProgramie->ShowModal();
    };
    A_Zakladka.OnExecute = [this] { A_ZakladkaExecute(); };
    A_Glosnik.OnExecute = [this] { A_GlosnikExecute(); };
    A_Rec_Rec.OnExecute = [this] { A_Rec_RecExecute(); };
    A_Rec_Play.OnExecute = [this] { A_Rec_PlayExecute(); };
    MPStop.OnExecute = [this] { MPStopExecute(); };

    TAction* buttonActions[8] = {&A_Oprogramie, &A_Stop, &A_Start, &A_Rec_Rec, &A_Rec_Play, &MPStop, nullptr, nullptr};
    const TPoint places[8] = {layout_.about, layout_.exit, layout_.start, layout_.record,
                              layout_.play,  layout_.stop, layout_.up,    layout_.down};
    for (int i = 0; i < 8; ++i) {
        // The recording tab's buttons never stand over a caption: the tab
        // hides them, so the buttons put back the scene without them.
        const Bitmap& under = i >= kRecord ? sceneWithoutCaptions_ : background_;
        auto button = std::make_unique<CPrzyciskP>(*this, kButtonNames[i], Canvas(), under, places[i].x,
                                                   places[i].y, buttonActions[i]);
        button->Cursor = crHand;
        buttons_[static_cast<std::size_t>(i)] = std::move(button);
    }
    // The arrows scroll when the mouse is released on them.
    buttons_[kUp]->OnMouseUp = [this](TMouseButton b, TShiftState, int x, int y) {
        if (b == TMouseButton::mbLeft && buttons_[kUp]->Enabled() && x >= 0 && y >= 0 &&
            x < buttons_[kUp]->Width() && y < buttons_[kUp]->Height())
            ScrollUp();
    };
    buttons_[kDown]->OnMouseUp = [this](TMouseButton b, TShiftState, int x, int y) {
        if (b == TMouseButton::mbLeft && buttons_[kDown]->Enabled() && x >= 0 && y >= 0 &&
            x < buttons_[kDown]->Width() && y < buttons_[kDown]->Height())
            ScrollDown();
    };

    TAction* amountActions[3] = {&A_Malo, &A_Srednio, &A_Duzo};
    const char* amountNames[3] = {"malo", "srednio", "duzo"};
    const char* positionNames[3] = {"naglos", "srodglos", "wyglos"};
    for (std::size_t i = 0; i < 3; ++i) {
        amounts_[i] = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + amountNames[i], Canvas(),
                                                  layout_.amounts[i].x, layout_.amounts[i].y, amountActions[i]);
        positions_[i] = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + positionNames[i], Canvas(),
                                                    layout_.positions[i].x, layout_.positions[i].y,
                                                    positionActions[i]);
        amounts_[i]->GetControl().Cursor = crHand;
        positions_[i]->GetControl().Cursor = crHand;
    }
    for (std::size_t i = 0; i < 12; ++i) {
        sounds_[i] = std::make_unique<CCheckBut>(*this, layout_.checkPrefix + kSoundButtonNames[i], Canvas(),
                                                 layout_.sounds[i].x, layout_.sounds[i].y, &soundActions[i]);
        sounds_[i]->GetControl().Cursor = crHand;
    }

    const CDisplay& d = Display();
    speaker_ = std::make_unique<CCheckButW>(*this, "", layout_.speakerBase, Canvas(), 0, 0, &A_Glosnik);
    const int m = layout_.speakerMargin;
    TControl& speakerControl = speaker_->GetControl();
    speaker_->SetPosition(d.OffsetX() + d.AreaWidth() - m - speakerControl.Width(),
                          d.OffsetY() + d.AreaHeight() - m - speakerControl.Height());
    speakerControl.Cursor = crHand;
    speakerControl.Show();
    speaker_->SetChecked(false);  // the music is off at every start
}

void TFormMain::BuildRecordingPanel()
{
    // The column headings in the menu's heading colour, a size larger where
    // the rows leave room for it (13 pixels in 800 x 600).
    TFont heading;
    heading.Name = "Arial Black";
    heading.Height = Display().Mode() == 2 ? 13 : 16;
    heading.Color = RGB(0xD9, 0x55, 0x2B);
    for (TLabel* label : {&vL_Nazwisko, &vL_Data}) {
        label->SetFont(heading);
        label->SetTransparent(true);
        label->Hide();
    }
    vL_Nazwisko.SetCaption("Imię i Nazwisko"_cp);
    vL_Data.SetCaption("Data");
    vL_Nazwisko.SetBounds(329, 200, vL_Nazwisko.Width(), vL_Nazwisko.Height());
    vL_Data.SetBounds(524, 200, vL_Data.Width(), vL_Data.Height());

    // A key combination a child does not press by chance opens the voice
    // screen; the help line in the corner below the logo tells the adult.
    const CDisplay& d = Display();
    TFont help;
    help.Name = "Tahoma";
    help.Height = d.ConvertFromModeRounded(2, 11);
    help.Bold = true;
    help.Color = RGB(0x6A, 0x3C, 0x12);
    vL_Pomoc.SetFont(help);
    vL_Pomoc.SetColor(RGB(0xFF, 0xF7, 0xE6));
    vL_Pomoc.SetCaption(" Ctrl+G: nagrania słów głosem terapeuty "_cp);
    vL_Pomoc.SetBounds(d.OffsetX() + d.ConvertFromModeRounded(2, 8),
                       d.OffsetY() + d.AreaHeight() - vL_Pomoc.Height() - d.ConvertFromModeRounded(2, 8),
                       vL_Pomoc.Width(), vL_Pomoc.Height());

    scrollBar_ = std::make_unique<CScrollBar>(*this, 0, 0, Canvas(), sceneWithoutCaptions_);
    scrollBar_->Hide();

    nagData_ = std::make_unique<CNagData>();
    RecordingPanelParts parts;
    parts.nazwisko = &vL_Nazwisko;
    parts.data = &vL_Data;
    parts.up = buttons_[kUp].get();
    parts.down = buttons_[kDown].get();
    parts.scrollBar = scrollBar_.get();
    nagData_->BuildRows(*this, Canvas(), parts);

    recorder_ = std::make_unique<CNagrywanie>([this] { MPStop.Execute(); }, [this] { MPStop.Execute(); });

    // Left of the three recording buttons: right of them the scroll arrows
    // stand in the smallest mode.
    indicator_ = std::make_unique<RecordingIndicator>(Canvas(), sceneWithoutCaptions_);
    const TRect play = buttons_[kPlay]->BoundsRect();
    const int width = play.Height() * 7 / 4;
    indicator_->SetPlace(RectXYWH(play.left - play.Height() / 3 - width, play.top, width, play.Height()));
}

void TFormMain::BuildNamePlate()
{
    // Another child's files: the recordings shown anew, the tab of its settings.
    namePlate_ = std::make_unique<ChildNamePlate>(*this, background_);
    namePlate_->OnChildChanged = [this] {
        nagData_->Reload();
        shownTab_ = 0;
        Repaint();
    };
    namePlate_->SetName(ActiveChildName());
}

CPrzyciskP& TFormMain::Button(const std::string& baseName)
{
    for (int i = 0; i < 8; ++i)
        if (baseName == kButtonNames[i])
            return *buttons_[static_cast<std::size_t>(i)];
    throw std::out_of_range("no main-menu button " + baseName);
}

void TFormMain::FormPaint()
{
    if (inPaint_)
        return;
    inPaint_ = true;
    Canvas().Draw(0, 0, background_);
    A_Zakladka.Execute();
    if (Zakladka == kRecordingTab) {
        if (!recorder_->MusicEnabled() || recorder_->IsOpen())
            if (!busy_) {
                recorder_->Stop();
                recorder_->Close();
            }
    } else if (recorder_->MusicEnabled() && !recorder_->IsPlaying() && !recorder_->IsRecording()) {
        recorder_->StartMusic();
    }
    inPaint_ = false;
}

void TFormMain::FormActivate()
{
    if (!recorder_->Busy())
        recorder_->StartMusic();
}

void TFormMain::FormKeyDown(int& key, TShiftState shift)
{
    if (key == VK_ESCAPE) {
        key = 0;
        A_Stop.Execute();
    } else if (key == 'G' && (shift & ssCtrl) != 0) {
        key = 0;
        ShowVoiceScreen();
    }
}

void TFormMain::ShowVoiceScreen()
{
    CVoiceScreen* screen = TheVoiceScreen();
    if (screen == nullptr || busy_)
        return;
    recorder_->StopMusic();
    screen->ShowVoiceScreen();
    recorder_->StartMusic();
    Repaint();
}

void TFormMain::FormMouseWheel(TShiftState, int delta, int, int)
{
    if (Zakladka != kRecordingTab)
        return;
    if (delta > 0 && buttons_[kUp]->Enabled())
        ScrollUp();
    else if (delta < 0 && buttons_[kDown]->Enabled())
        ScrollDown();
}

void TFormMain::g_MenuMouseDown(TMouseButton, TShiftState, int x, int y)
{
    if (busy_)
        return;
    const int tab = TabAt(Display(), x, y);
    if (tab == 0)
        return;
    const int previous = Zakladka;
    Zakladka = static_cast<int16_t>(tab);
    if (tab != previous)
        A_Zakladka.Execute();
}

void TFormMain::A_ZakladkaExecute()
{
    const int tab = Zakladka >= 1 && Zakladka <= 6 ? Zakladka : 1;
    // Every repaint shows the tab again, but only opening a tab clears the
    // recording rows' selection and the keyboard focus: a repaint while the
    // adult types a name must not take the row and the caret away.
    const bool opening = tab != shownTab_;
    const bool wasRecordingTab = shownTab_ == kRecordingTab;
    shownTab_ = tab;
    const Bitmap& tabPicture = tabs_[static_cast<std::size_t>(tab - 1)];
    Canvas().Draw(g_Menu.Left(), g_Menu.Top(), tabPicture);
    // The panel of the tab's kind, once the other kind's controls are hidden
    // (hiding puts back what lay under them), then the tab strip again,
    // which reaches over the panel's edge.
    const auto showPanel = [&](const Bitmap& scene) {
        Canvas().CopyRect(layout_.panel, scene, layout_.panel);
        Canvas().Draw(g_Menu.Left(), g_Menu.Top(), tabPicture);
    };
    if (tab == kRecordingTab) {
        for (auto& b : amounts_)
            b->Hide();
        for (auto& b : sounds_)
            b->Hide();
        for (auto& b : positions_)
            b->Hide();
        showPanel(sceneWithoutCaptions_);
        if (opening)
            nagData_->ShowRows();
        vL_Nazwisko.Show();
        vL_Data.Show();
        buttons_[kUp]->Show();
        buttons_[kDown]->Show();
        scrollBar_->Show();
        // While a recording runs or plays only "rstop" may be pressed, and a
        // repaint must not bring the other two back.
        buttons_[kStop]->SetVisible(busy_);
        buttons_[kRecord]->SetVisible(!busy_);
        buttons_[kPlay]->SetVisible(!busy_);
        indicator_->Draw();
        if (opening)
            DropFocus();
        buttons_[kStart]->Hide();
        if (recordingTabRepaints_ > 0) {
            --recordingTabRepaints_;
            Invalidate();
        } else if (!inPaint_) {
            // The panel drawn above covers the rows' fields until they paint again.
            Invalidate();
        }
    } else {
        nagData_->HideRows();
        vL_Nazwisko.Hide();
        vL_Data.Hide();
        buttons_[kUp]->Hide();
        buttons_[kDown]->Hide();
        scrollBar_->Hide();
        buttons_[kRecord]->Hide();
        buttons_[kPlay]->Hide();
        buttons_[kStop]->Hide();
        if (wasRecordingTab && !inPaint_)
            showPanel(background_);
        buttons_[kStart]->Show();
        const CUstGry& settings = CurrentSettings();
        for (int i = 0; i < 3; ++i) {
            amounts_[static_cast<std::size_t>(i)]->Show();
            amounts_[static_cast<std::size_t>(i)]->SetChecked(settings.IsPoziom(static_cast<int16_t>(i + 1)));
        }
        for (std::size_t i = 0; i < 12; ++i) {
            sounds_[i]->Show();
            sounds_[i]->SetChecked(settings.HasGloska(static_cast<int16_t>(kSoundButtonBits[i])));
        }
        const int positionBits[3] = {POZ_NAGLOS, POZ_SRODGLOS, POZ_WYGLOS};
        for (std::size_t i = 0; i < 3; ++i) {
            positions_[i]->Show();
            positions_[i]->SetChecked(settings.HasPozycja(static_cast<int16_t>(positionBits[i])));
        }
        if (gameTabRepaints_ > 0) {
            --gameTabRepaints_;
            Invalidate();
        }
    }
    speaker_->DrawIfVisible();
}

void TFormMain::SetAmount(int level)
{
    for (int i = 0; i < 3; ++i)
        amounts_[static_cast<std::size_t>(i)]->SetChecked(i + 1 == level);
    CurrentSettings().SetPoziom(static_cast<int16_t>(level));
}

void TFormMain::ShowMessageNumber(int number)
{
    if (!FormKomunikat)
        return;
    FormKomunikat->SetMessage(number);
    FormKomunikat->ShowModal();
}

void TFormMain::DropFocus()
{
    SetActiveControl(nullptr);
}

void TFormMain::ShowWaitingPicture(TForm& window)
{
    if (!waiting_.Colour)
        return;
    const int x = window.Width() / 2 - waiting_.Colour->Width() / 2;
    const int y = window.Height() / 2 - waiting_.Colour->Height() / 2;
    // Composed over what the window shows now, then put on it at once.
    Bitmap& pixels = window.Pixels();
    const TRect r = RectXYWH(x, y, waiting_.Colour->Width(), waiting_.Colour->Height());
    Bitmap under(r.Width(), r.Height());
    under.CopyRect(under.Bounds(), pixels, r);
    waiting_.DrawOnCanvas(under, 0, 0, 255, false);
    window.Canvas().CopyRect(r, under, under.Bounds());
}

void TFormMain::A_StartExecute()
{
    CUstGry& settings = CurrentSettings();
    settings.Pozycja = static_cast<int16_t>(settings.Pozycja & 0x7000);
    settings.Gloski = static_cast<int16_t>(settings.Gloski & 0xFFF);
    const int tab = Zakladka;
    if (tab == kRecordingTab)
        return;
    CGameScreen* game = GameScreenFor(tab);
    if (!game)
        return;  // a game that is not part of this build
    if (tab == UstMemory3.GameId) {
        Slowa->Filter(UstMemory3);
        if (static_cast<int>(Slowa->Filtered().size()) < 4 * UstMemory3.Poziom) {
            ShowMessageNumber(3);
        } else {
            recorder_->StopMusic();
            game->ShowGame();
            recorder_->StartMusic();
        }
    } else {
        ShowWaitingPicture(*this);
        if (game->EnoughWords()) {
            recorder_->StopMusic();
            game->ShowGame();
            recorder_->StartMusic();
        } else {
            ShowMessageNumber(3);
        }
    }
    recorder_->StartMusic();
    Repaint();
    App().ProcessPendingWork();
    Repaint();
}

void TFormMain::A_GlosnikExecute()
{
    speaker_->Toggle();
    if (!speaker_->IsChecked()) {
        recorder_->MusicOff();
    } else {
        recorder_->MusicOn();
        if (Zakladka != kRecordingTab)
            recorder_->StartMusic();
    }
}

void TFormMain::EnterBusyState()
{
    buttons_[kRecord]->Hide();
    buttons_[kPlay]->Hide();
    buttons_[kStop]->Show();
    A_Oprogramie.SetEnabled(false);
    A_Stop.SetEnabled(false);
    buttons_[kUp]->SetEnabled(false);
    buttons_[kDown]->SetEnabled(false);
    busy_ = true;
    RedrawBusyButtons();
}

void TFormMain::RedrawBusyButtons()
{
    // The actions do not tell their buttons: the dimmed or plain look is
    // drawn here.
    for (int i : {kAbout, kExit, kUp, kDown})
        buttons_[static_cast<std::size_t>(i)]->Refresh();
}

void TFormMain::A_Rec_RecExecute()
{
    const int row = nagData_->SelectedRow();
    if (row < 0) {
        ShowMessageNumber(10);
        DropFocus();
        return;
    }
    if (nagData_->RowName(row).empty()) {
        ShowMessageNumber(11);
        DropFocus();
        return;
    }
    EnterBusyState();
    recordingSlot_ = nagData_->Top() + row;
    recordingStarted_ = false;
    if (!recorder_->Open(nagData_->RecordingFile(row)))
        return;  // the stop button brings the menu back
    if (recorder_->Record(kRecordingLimitMs)) {
        recordingStarted_ = true;
        indicator_->Start();
        return;  // the recorder calls MPStop when the recording ends
    }
    if (recorder_->HasError())
        TheMessageBoxes().Show("Błąd podczas próby nagrania"_cp, recorder_->ErrorText(), MessageIcon::Error);
    MPStop.Execute();
}

void TFormMain::A_Rec_PlayExecute()
{
    const int row = nagData_->SelectedRow();
    if (row < 0) {
        ShowMessageNumber(20);
        DropFocus();
        return;
    }
    const std::string file = nagData_->RowFile(row);
    if (nagData_->RowName(row).empty() || file.empty() || !FileExists(file)) {
        ShowMessageNumber(21);
        DropFocus();
        return;
    }
    EnterBusyState();
    if (!recorder_->Open(file))
        return;
    recorder_->Play();
    if (recorder_->HasError())
        TheMessageBoxes().Show("Błąd podczas próby nagrania"_cp, recorder_->ErrorText(), MessageIcon::Error);
}

void TFormMain::MPStopExecute()
{
    recorder_->Stop();
    const bool openFailed = !recorder_->IsOpen();
    recorder_->Close();
    indicator_->Stop();
    busy_ = false;
    buttons_[kStop]->Hide();
    buttons_[kRecord]->Show();
    buttons_[kPlay]->Show();
    A_Oprogramie.SetEnabled(true);
    A_Stop.SetEnabled(true);
    buttons_[kUp]->SetEnabled(true);
    buttons_[kDown]->SetEnabled(true);
    RedrawBusyButtons();
    if (!recordingSlot_)
        return;
    const int row = *recordingSlot_ - nagData_->Top();
    recordingSlot_.reset();
    if (recordingStarted_ && !recorder_->SaveFailed()) {
        if (!nagData_->NoteRecording(row))
            ShowMessageNumber(TFormKomunikat::RecordingNotSavedMessage(nagData_->ListProblem()));
        return;
    }
    // The slot keeps its name, file and date. A player error was shown
    // already; a file that could not be made or written (a full disk, a
    // read-only folder) is told here, over the menu as it is again.
    if (recordingStarted_ || openFailed)
        ShowMessageNumber(TFormKomunikat::RecordingNotSavedMessage(recorder_->WriteProblem()));
}

void TFormMain::ScrollUp()
{
    nagData_->ScrollUp();
}

void TFormMain::ScrollDown()
{
    nagData_->ScrollDown();
}
