// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's window.
#include "screens/FormDzieci.h"

#include <algorithm>
#include <exception>

#include "controls/CPrzyciskP.h"
#include "core/ActiveChild.h"
#include "core/CBlad.h"
#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/ChildFolders.h"
#include "platform/Paths.h"
#include "platform/Text.h"

TFormDzieci* FormDzieci = nullptr;

namespace {

constexpr const char* kBackgroundFile = "Data\\Intf\\Spec\\mDzieci.xji";
// The white sheet of the picture, and the list's rows on it.
constexpr TRect kSheet{16, 62, 336, 358};
constexpr TRect kList{24, 70, 298, 350};
constexpr int kRowHeight = 40;
constexpr int kButtonsLeft = 336;
constexpr int kFirstButtonTop = 62;
constexpr int kButtonStep = 50;
// How far back a note may be written.
constexpr int kOldestNoteDay = 366;

constexpr TColor kInk = RGB(0x3A, 0x2E, 0x24);
constexpr TColor kProblemInk = RGB(0xC0, 0x2A, 0x1E);
constexpr TColor kDoneInk = RGB(0x1F, 0x8A, 0x3C);

enum Button {
    kWybierz, kDodaj, kZmien, kUsun, kNotatka, kZamknij, kZapisz, kAnuluj, kTak, kLewo, kPrawo, kGora, kDol, kButtons
};

struct ButtonPlace {
    const char* base;
    int left, top;
};

constexpr ButtonPlace kPlaces[kButtons] = {
    {"dz_wybierz", kButtonsLeft, kFirstButtonTop},
    {"dz_dodaj", kButtonsLeft, kFirstButtonTop + kButtonStep},
    {"dz_zmien", kButtonsLeft, kFirstButtonTop + 2 * kButtonStep},
    {"dz_usun", kButtonsLeft, kFirstButtonTop + 3 * kButtonStep},
    {"dz_notatka", kButtonsLeft, kFirstButtonTop + 4 * kButtonStep},
    {"dz_zamknij", kButtonsLeft, kSheet.bottom - 42},
    {"dz_zapisz", kButtonsLeft, kFirstButtonTop},
    {"dz_anuluj", kButtonsLeft, kFirstButtonTop + kButtonStep},
    {"dz_tak", kButtonsLeft, kFirstButtonTop},
    {"dz_lewo", 32, 76},
    {"dz_prawo", 284, 76},
    {"up", kList.right + 4, kList.top + 2},
    {"down", kList.right + 4, kList.bottom - 30},
};

TFont Face(int height, bool bold, TColor colour)
{
    TFont font;
    font.Name = bold ? "Arial Black" : "Arial";
    font.Height = height;
    font.Bold = bold;
    font.Color = colour;
    return font;
}

// „Ania” in the program's text.
std::string Quoted(const std::string& name)
{
    return "\x84" + name + "\x94";
}

std::string DayText(int daysBack)
{
    int y = 0, m = 0, d = 0;
    LocalDate(daysBack, y, m, d);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d, m, y);
    if (daysBack == 0)
        return std::string(text) + " (dziś)"_cp;
    if (daysBack == 1)
        return std::string(text) + " (wczoraj)";
    return text;
}

}  // namespace

TFormDzieci::TFormDzieci(TApplication& app)
    : TForm(app, "FormDzieci", kWidth, kHeight),
      pbLista(*this),
      vL_Tytul(*this),
      vL_Tekst(*this),
      vL_Dzien(*this),
      vL_Notatki(*this),
      vL_Komunikat(*this),
      ePole(*this),
      background_(kWidth, kHeight)
{
    SetRoundRectRegion({0, 0, kWidth, kHeight}, 25, 25);
    if (!FileExists(kBackgroundFile))
        throw CBlad(1);
    try {
        const std::unique_ptr<Bitmap> picture = LoadJpegFile(kBackgroundFile);
        background_.Draw(0, 0, *picture);
        BuildButtons();
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }

    vL_Tytul.SetAutoSize(false);
    vL_Tytul.SetTransparent(true);
    vL_Tytul.SetAlignment(TAlignment::taCenter);
    vL_Tytul.SetFont(Face(20, true, clWhite));
    vL_Tytul.SetBounds(70, 18, kWidth - 140, 28);
    for (TLabel* label : {&vL_Tekst, &vL_Notatki}) {
        label->SetAutoSize(false);
        label->SetWordWrap(true);
        label->SetTransparent(true);
    }
    vL_Tekst.SetFont(Face(15, false, kInk));
    vL_Notatki.SetFont(Face(13, false, kInk));
    vL_Dzien.SetAutoSize(false);
    vL_Dzien.SetTransparent(true);
    vL_Dzien.SetAlignment(TAlignment::taCenter);
    vL_Dzien.SetFont(Face(17, true, kInk));
    vL_Dzien.SetBounds(76, 84, 204, 26);
    vL_Komunikat.SetAutoSize(false);
    vL_Komunikat.SetWordWrap(true);
    vL_Komunikat.SetTransparent(true);
    vL_Komunikat.SetAlignment(TAlignment::taCenter);
    vL_Komunikat.SetFont(Face(13, true, kInk));
    vL_Komunikat.SetBounds(24, kHeight - 46, kWidth - 48, 30);
    ePole.Font = Face(17, false, kInk);
    ePole.SetMaxLength(ChildFolders::kMaxNameLength);

    pbLista.SetBounds(kList.left, kList.top, kList.Width(), kList.Height());
    pbLista.Cursor = crHand;
    pbLista.OnPaint = [this] { pbListaPaint(); };
    pbLista.OnMouseDown = [this](TMouseButton b, TShiftState, int, int y) {
        if (b == TMouseButton::mbLeft)
            pbListaMouseDown(y);
    };

    OnPaint = [this] { Canvas().Draw(0, 0, background_); };
    KeyPreview = true;
    OnKeyDown = [this](int& key, TShiftState shift) { FormKeyDown(key, shift); };
    OnMouseWheel = [this](TShiftState, int delta, int, int) {
        if (mode_ == Mode::List)
            (delta > 0 ? A_Wyzej : A_Nizej).Execute();
    };
    OnMouseDown = [this](TMouseButton b, TShiftState, int, int) {
        if (b == TMouseButton::mbLeft)
            BeginMoveDrag();
    };
    OnShow = [this] {
        if (App().MainForm() != nullptr && App().MainForm() != this)
            CenterOn(*App().MainForm());
    };
    EnterMode(Mode::List);
    FormDzieci = this;
}

TFormDzieci::~TFormDzieci()
{
    if (FormDzieci == this)
        FormDzieci = nullptr;
}

void TFormDzieci::BuildButtons()
{
    A_Wybierz.OnExecute = [this] { A_WybierzExecute(); };
    A_Dodaj.OnExecute = [this] { EnterMode(Mode::Add); };
    A_Zmien.OnExecute = [this] {
        if (selected_ >= 0)
            EnterMode(Mode::Rename);
    };
    A_Usun.OnExecute = [this] { A_UsunExecute(); };
    A_Notatka.OnExecute = [this] {
        if (selected_ >= 0)
            EnterMode(Mode::Note);
    };
    A_Zamknij.OnExecute = [this] { Close(); };
    A_Zapisz.OnExecute = [this] { A_ZapiszExecute(); };
    A_Anuluj.OnExecute = [this] { EnterMode(Mode::List); };
    A_Tak.OnExecute = [this] { A_TakExecute(); };
    A_Wczesniej.OnExecute = [this] {
        daysBack_ = std::min(daysBack_ + 1, kOldestNoteDay);
        ShowNoteDay();
    };
    A_Pozniej.OnExecute = [this] {
        daysBack_ = std::max(daysBack_ - 1, 0);
        ShowNoteDay();
    };
    A_Wyzej.OnExecute = [this] {
        top_ = std::max(top_ - 1, 0);
        pbLista.Invalidate();
    };
    A_Nizej.OnExecute = [this] {
        top_ = std::max(0, std::min(top_ + 1, static_cast<int>(names_.size()) - kVisibleRows));
        pbLista.Invalidate();
    };
    TAction* actions[kButtons] = {&A_Wybierz, &A_Dodaj, &A_Zmien, &A_Usun,      &A_Notatka, &A_Zamknij, &A_Zapisz,
                                  &A_Anuluj,  &A_Tak,   &A_Wczesniej, &A_Pozniej, &A_Wyzej,  &A_Nizej};
    for (int i = 0; i < kButtons; ++i) {
        auto button = std::make_unique<CPrzyciskP>(*this, kPlaces[i].base, Canvas(), background_, kPlaces[i].left,
                                                   kPlaces[i].top, actions[i]);
        button->Cursor = crHand;
        buttons_.push_back(std::move(button));
    }
}

int TFormDzieci::ShowChildren()
{
    daysBack_ = 0;
    ReadNames(ActiveChildName());
    EnterMode(Mode::List);
    Tell({}, false);
    return ShowModal();
}

void TFormDzieci::ReadNames(const std::string& select)
{
    names_ = ChildFolders(PracticeDir()).Names();
    active_ = ActiveChildName();
    selected_ = -1;
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == select)
            selected_ = static_cast<int>(i);
    if (selected_ < 0 && !names_.empty())
        selected_ = 0;
    top_ = 0;
    Select(selected_);
}

void TFormDzieci::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(names_.size()))
        return;
    selected_ = index;
    // The selected row stays in sight.
    if (selected_ < top_)
        top_ = selected_;
    if (selected_ >= top_ + kVisibleRows)
        top_ = selected_ - kVisibleRows + 1;
    pbLista.Invalidate();
}

std::string TFormDzieci::SelectedName() const
{
    return selected_ >= 0 && selected_ < static_cast<int>(names_.size()) ? names_[static_cast<std::size_t>(selected_)]
                                                                         : std::string();
}

void TFormDzieci::EnterMode(Mode mode)
{
    mode_ = mode;
    const bool list = mode == Mode::List;
    const bool editing = mode == Mode::Add || mode == Mode::Rename || mode == Mode::Note;
    const bool asking = mode == Mode::Remove || mode == Mode::RemoveAgain;
    const bool scrolling = list && static_cast<int>(names_.size()) > kVisibleRows;
    const bool shown[kButtons] = {list,    list,   list, list, list, list, editing,
                                  !list,   asking, mode == Mode::Note, mode == Mode::Note, scrolling, scrolling};
    // Buttons sharing a place: the leaving ones give it back first.
    for (int i = 0; i < kButtons; ++i)
        if (!shown[i])
            buttons_[static_cast<std::size_t>(i)]->Hide();
    for (int i = 0; i < kButtons; ++i)
        if (shown[i])
            buttons_[static_cast<std::size_t>(i)]->Show();

    const std::string name = SelectedName();
    pbLista.SetVisible(list);
    vL_Tekst.SetVisible(!list);
    ePole.SetVisible(editing);
    vL_Dzien.SetVisible(mode == Mode::Note);
    vL_Notatki.SetVisible(mode == Mode::Note);
    switch (mode) {
    case Mode::List:
        vL_Tytul.SetCaption("Dzieci");
        SetActiveControl(nullptr);
        break;
    case Mode::Add:
    case Mode::Rename:
        vL_Tytul.SetCaption(mode == Mode::Add ? "Nowe dziecko" : "Zmiana imienia");
        vL_Tekst.SetCaption(mode == Mode::Add ? "Imię nowego dziecka:"_cp : "Nowe imię dla "_cp + Quoted(name) + ":");
        vL_Tekst.SetBounds(32, 80, 288, 44);
        ePole.SetMaxLength(ChildFolders::kMaxNameLength);
        ePole.SetBounds(32, 128, 288, 34);
        ePole.SetText(mode == Mode::Add ? std::string() : name);
        ePole.SetFocus();
        break;
    case Mode::Remove:
    case Mode::RemoveAgain:
        vL_Tytul.SetCaption("Usuwanie dziecka");
        vL_Tekst.SetCaption(
            mode == Mode::Remove
                ? "Usunąć "_cp + Quoted(name) +
                      " z listy dzieci? Ustawienia, statystyki, nagrania i dziennik nie zostaną skasowane: cały folder dziecka zostanie przeniesiony do folderu "_cp +
                      Quoted("Usunięte"_cp) + "."
                : "Czy na pewno? "_cp + Quoted(name) +
                      " zniknie z listy. Przywrócić je można, przenosząc jego folder z "_cp + Quoted("Usunięte"_cp) +
                      " z powrotem do " + Quoted("Dzieci") + ".");
        vL_Tekst.SetBounds(32, 80, 288, 260);
        break;
    case Mode::Note:
        vL_Tytul.SetCaption("Notatka: " + name);
        vL_Tekst.SetCaption("Treść notatki:"_cp);
        vL_Tekst.SetBounds(32, 128, 288, 22);
        ePole.SetMaxLength(500);
        ePole.SetBounds(32, 152, 288, 34);
        ePole.SetText({});
        ePole.SetFocus();
        ShowNoteDay();
        break;
    }
    Invalidate();
}

void TFormDzieci::ShowNoteDay()
{
    vL_Dzien.SetCaption(DayText(daysBack_));
    A_Pozniej.SetEnabled(daysBack_ > 0);
    A_Wczesniej.SetEnabled(daysBack_ < kOldestNoteDay);
    buttons_[kLewo]->Refresh();
    buttons_[kPrawo]->Refresh();
    int y = 0, m = 0, d = 0;
    LocalDate(daysBack_, y, m, d);
    const std::vector<std::string> notes = DayNotes(SelectedName(), IsoDate(y, m, d));
    std::string text = notes.empty() ? "Tego dnia nie ma jeszcze notatek."_cp : "Notatki tego dnia:"_cp;
    for (const std::string& note : notes)
        text += "\n\x95 " + note;
    vL_Notatki.SetCaption(text);
    vL_Notatki.SetBounds(32, 198, 292, 152);
}

void TFormDzieci::Tell(const std::string& text, bool problem)
{
    TFont font = vL_Komunikat.Font();
    font.Color = problem ? kProblemInk : kDoneInk;
    vL_Komunikat.SetFont(font);
    vL_Komunikat.SetCaption(text);
}

void TFormDzieci::A_WybierzExecute()
{
    const std::string name = SelectedName();
    if (name.empty())
        return;
    std::string error;
    if (!SwitchChild(name, error)) {
        Tell(error, true);
        return;
    }
    SetModalResult(mrOk);
}

void TFormDzieci::A_UsunExecute()
{
    const std::string name = SelectedName();
    if (name.empty())
        return;
    if (name == active_) {
        Tell("Najpierw wybierz inne dziecko: nie można usunąć dziecka, które teraz ćwiczy."_cp, true);
        return;
    }
    Tell({}, false);
    EnterMode(Mode::Remove);
}

void TFormDzieci::A_TakExecute()
{
    if (mode_ == Mode::Remove) {
        EnterMode(Mode::RemoveAgain);
        return;
    }
    const std::string name = SelectedName();
    std::string error;
    const bool removed = RemoveChild(name, error);
    ReadNames(active_);
    EnterMode(Mode::List);
    if (removed)
        Tell(Quoted(name) + " przeniesiono do folderu "_cp + Quoted("Usunięte"_cp) + ".", false);
    else
        Tell(error, true);
}

void TFormDzieci::A_ZapiszExecute()
{
    std::string error;
    const std::string text = ChildFolders::Trimmed(ePole.Text());
    switch (mode_) {
    case Mode::Add:
        if (!AddChild(text, error)) {
            Tell(error, true);
            return;
        }
        ReadNames(text);
        EnterMode(Mode::List);
        Tell("Dodano "_cp + Quoted(text) + ". Aby zagrać, naciśnij "_cp + Quoted("Wybierz") + ".", false);
        return;
    case Mode::Rename: {
        const std::string from = SelectedName();
        if (!RenameChild(from, text, error)) {
            Tell(error, true);
            return;
        }
        ReadNames(text);
        EnterMode(Mode::List);
        Tell("Zmieniono imię na "_cp + Quoted(text) + ".", false);
        return;
    }
    case Mode::Note: {
        int y = 0, m = 0, d = 0;
        LocalDate(daysBack_, y, m, d);
        if (!AddDayNote(SelectedName(), IsoDate(y, m, d), text, error)) {
            Tell(error, true);
            return;
        }
        ePole.SetText({});
        ShowNoteDay();
        Tell("Notatka zapisana.", false);
        return;
    }
    default:
        return;
    }
}

void TFormDzieci::FormKeyDown(int& key, TShiftState)
{
    if (key == VK_ESCAPE) {
        key = 0;
        (mode_ == Mode::List ? A_Zamknij : A_Anuluj).Execute();
    } else if (key == VK_RETURN) {
        key = 0;
        if (mode_ == Mode::List)
            A_Wybierz.Execute();
        else if (mode_ == Mode::Remove || mode_ == Mode::RemoveAgain)
            A_Tak.Execute();
        else
            A_Zapisz.Execute();
    } else if (mode_ == Mode::List && (key == VK_UP || key == VK_DOWN)) {
        Select(selected_ + (key == VK_UP ? -1 : 1));
        key = 0;
    }
}

void TFormDzieci::pbListaPaint()
{
    TCanvas& c = pbLista.Canvas();
    c.CopyRect({0, 0, kList.Width(), kList.Height()}, background_, kList);
    const int rows = std::min(kVisibleRows, static_cast<int>(names_.size()) - top_);
    const int width = kList.Width() - (static_cast<int>(names_.size()) > kVisibleRows ? 34 : 0);
    for (int k = 0; k < rows; ++k) {
        const int index = top_ + k;
        const std::string& name = names_[static_cast<std::size_t>(index)];
        const TRect row{0, k * kRowHeight, width, (k + 1) * kRowHeight - 4};
        if (index == selected_) {
            c.Brush.Color = RGB(0xD6, 0xEA, 0xFF);
            c.Brush.Clear = false;
            c.FillRect(row);
            c.Brush.Color = RGB(0x4D, 0x9B, 0xEA);
            c.FrameRect(row);
        }
        c.Brush.Clear = true;
        c.Font = Face(17, true, kInk);
        c.TextOut(12, row.top + (row.Height() - c.TextHeight(name)) / 2, name);
        if (name == active_) {
            c.Font = Face(12, true, kDoneInk);
            const std::string playing = "• ćwiczy"_cp;
            c.TextOut(width - 10 - c.TextWidth(playing), row.top + (row.Height() - c.TextHeight(playing)) / 2,
                      playing);
        }
    }
}

void TFormDzieci::pbListaMouseDown(int y)
{
    const int index = top_ + y / kRowHeight;
    if (y >= 0 && index < static_cast<int>(names_.size()))
        Select(index);
}
