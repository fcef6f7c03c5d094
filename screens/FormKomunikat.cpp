// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The message box.
#include "screens/FormKomunikat.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"

TFormKomunikat* FormKomunikat = nullptr;

namespace {

constexpr const char* kBackgroundFile = "Data\\Intf\\Spec\\mKom_kp.xji";
// The text's label, and the light sheet of the background picture above the
// "stop" button that the text is centred on (a longer text runs down over
// the rest of the label).
constexpr TRect kTextField{18, 59, 18 + 385, 59 + 126};
constexpr int kSheetBottom = 146;

}  // namespace

TFormKomunikat::TFormKomunikat(TApplication& app)
    : TForm(app, "FormKomunikat", kWidth, kHeight),
      A_Stop("A_Stop", [this] { A_StopExecute(); }),
      vL_Komunikat(*this),
      background_(kWidth, kHeight)
{
    SetRoundRectRegion({0, 0, kWidth, kHeight}, 25, 25);
    if (!FileExists(kBackgroundFile))
        throw CBlad(1);
    try {
        const std::unique_ptr<Bitmap> picture = LoadJpegFile(kBackgroundFile);
        background_.Draw(0, 0, *picture);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
    stop_ = std::make_unique<CPrzyciskP>(*this, "stop", Canvas(), background_, ClientWidth() / 2 - 30,
                                         ClientHeight() - 100, &A_Stop);

    TFont font;
    font.Name = "Arial Black";
    font.Height = 16;
    font.Bold = true;
    font.Color = clWindowText;
    vL_Komunikat.Name = "vL_Komunikat";
    vL_Komunikat.SetAutoSize(false);
    vL_Komunikat.SetWordWrap(true);
    vL_Komunikat.SetAlignment(TAlignment::taCenter);
    vL_Komunikat.SetTransparent(true);
    vL_Komunikat.SetFont(font);
    vL_Komunikat.SetBounds(kTextField.left, kTextField.top, kTextField.Width(), kTextField.Height());

    OnPaint = [this] { FormPaint(); };
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { FormMouseDown(b, s, x, y); };
    // The text is part of the window: pressing on it drags the window too.
    vL_Komunikat.OnMouseDown = OnMouseDown;
    OnShow = [this] {
        if (App().MainForm() != nullptr && App().MainForm() != this)
            CenterOn(*App().MainForm());
        // Headless runs have nobody to read the box: the message goes where
        // the system's message boxes go there.
        if (App().Headless()) {
            std::fprintf(stderr, "[komunikat %d] %s\n", number_, Cp1250ToUtf8(Text()).c_str());
            std::fflush(stderr);
        }
    };
    if (App().MainForm() != nullptr && App().MainForm() != this)
        CenterOn(*App().MainForm());
    FormKomunikat = this;
}

TFormKomunikat::~TFormKomunikat()
{
    if (FormKomunikat == this)
        FormKomunikat = nullptr;
}

std::string TFormKomunikat::MessageText(int number)
{
    switch (number) {
    case 1: return "Proszę wybrać większą liczbę głosek."_cp;
    case 2: return "Proszę wybrać większą liczbę pozycji głosek."_cp;
    case 3: return "Proszę wybrać większą liczbę głosek lub pozycji."_cp;
    case 10: return "Proszę wybrać pozycję i wprowadzić nazwę nagrania."_cp;
    case 11: return "Proszę wprowadzić nazwę dla nagrania."_cp;
    // Not among the maker's messages: a recording, or a game's record, that
    // could not be saved, and why.
    case 12: return "Nagranie nie zostało zapisane. Sprawdź, czy na dysku jest wolne miejsce."_cp;
    case 13: return "Nagranie nie zostało zapisane: folder nagrań jest tylko do odczytu."_cp;
    case 14: return "Nagranie nie zostało zapisane: brak uprawnień do zapisu w folderze nagrań."_cp;
    case 15: return "Nagranie nie zostało zapisane: błąd zapisu pliku."_cp;
    case 16: return "Wynik gry nie został zapisany. Sprawdź, czy na dysku jest wolne miejsce."_cp;
    case 17: return "Wynik gry nie został zapisany: folder programu jest tylko do odczytu."_cp;
    case 18: return "Wynik gry nie został zapisany: brak uprawnień do zapisu pliku statystyk."_cp;
    case 19: return "Wynik gry nie został zapisany: błąd zapisu pliku statystyk."_cp;
    case 20: return "Proszę wybrać pozycję do odtworzenia."_cp;
    case 21: return "Brak nagrania dla wybranej pozycji."_cp;
    case 22: return "Odpowiedzi nie zostały zapisane w dzienniku. Sprawdź, czy na dysku jest wolne miejsce."_cp;
    case 23: return "Odpowiedzi nie zostały zapisane w dzienniku: folder programu jest tylko do odczytu."_cp;
    case 24: return "Odpowiedzi nie zostały zapisane w dzienniku: brak uprawnień do zapisu dziennika."_cp;
    case 25: return "Odpowiedzi nie zostały zapisane w dzienniku: błąd zapisu dziennika."_cp;
    default: return "Błąd."_cp;
    }
}

int TFormKomunikat::RecordingNotSavedMessage(FileProblem problem)
{
    switch (problem) {
    case FileProblem::DiskFull: return 12;
    case FileProblem::ReadOnly: return 13;
    case FileProblem::NoPermission: return 14;
    default: return 15;
    }
}

int TFormKomunikat::GameNotSavedMessage(FileProblem problem)
{
    switch (problem) {
    case FileProblem::DiskFull: return 16;
    case FileProblem::ReadOnly: return 17;
    case FileProblem::NoPermission: return 18;
    default: return 19;
    }
}

int TFormKomunikat::JournalNotWrittenMessage(FileProblem problem)
{
    switch (problem) {
    case FileProblem::DiskFull: return 22;
    case FileProblem::ReadOnly: return 23;
    case FileProblem::NoPermission: return 24;
    default: return 25;
    }
}

void TFormKomunikat::SetMessage(int number)
{
    number_ = number;
    vL_Komunikat.SetCaption(MessageText(number));
    // The text stands in the middle of its field, however many lines it takes.
    const int lines = static_cast<int>(TextRenderer::Wrap(vL_Komunikat.Font(), vL_Komunikat.Caption(),
                                                          kTextField.Width()).size());
    const int height = std::min(kTextField.Height(), lines * TextRenderer::LineHeight(vL_Komunikat.Font()));
    const int top = kTextField.top + std::max(0, (kSheetBottom - kTextField.top - height) / 2);
    vL_Komunikat.SetBounds(kTextField.left, top, kTextField.Width(), height);
}

void TFormKomunikat::A_StopExecute()
{
    Close();
}

void TFormKomunikat::FormPaint()
{
    Canvas().Draw(0, 0, background_);
}

void TFormKomunikat::FormMouseDown(TMouseButton button, TShiftState, int, int)
{
    if (button == TMouseButton::mbLeft)
        BeginMoveDrag();
}
