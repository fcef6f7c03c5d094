// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game summary.
#include "screens/FormKoniecGry.h"

#include <exception>

#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Text.h"

TFormKoniecGry* FormKoniecGry = nullptr;

namespace {

std::unique_ptr<Bitmap> LoadSummaryPicture(const char* fileName)
{
    try {
        return LoadJpegFile(fileName);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
}

TFont SummaryFont()
{
    TFont font;
    font.Name = "Arial Black";
    font.Height = 19;
    font.Bold = true;
    font.Color = clWindowText;
    return font;
}

void PlaceCaption(TLabel& label, const char* name, int left, int top, const std::string& text)
{
    label.Name = name;
    label.SetTransparent(true);
    label.SetFont(SummaryFont());
    label.SetBounds(left, top, 0, 0);
    label.SetCaption(text);
}

// A value grows to the left from its right edge as its text widens.
void PlaceValue(TLabel& label, const char* name, int left, int top, int right)
{
    label.Name = name;
    label.SetTransparent(true);
    label.SetAlignment(TAlignment::taRightJustify);
    label.SetFont(SummaryFont());
    label.SetBounds(left, top, right - left, 0);
    label.SetCaption("0");
}

}  // namespace

TFormKoniecGry::TFormKoniecGry(TApplication& app, const CStatRec& stats)
    : TForm(app, "FormKoniecGry", kWidth, kHeight),
      A_OdNowa("A_OdNowa", [this] { A_OdNowaExecute(); }),
      A_Stop("A_Stop", [this] { A_StopExecute(); }),
      Label3(*this),
      lab_Czas(*this),
      Label4(*this),
      lab_Dobre(*this),
      Label6(*this),
      lab_Zle(*this),
      Label2(*this),
      lab_Pomoc(*this),
      Label1(*this),
      lab_Brak(*this),
      stats_(&stats),
      background_(kWidth, kHeight)
{
    // The outer 5 pixels on the left and at the top are cut away with the corners.
    SetRoundRectRegion({5, 5, kWidth, kHeight}, 50, 50);
    poor_ = LoadSummaryPicture(RatingPictureName(1));
    middling_ = LoadSummaryPicture(RatingPictureName(2));
    good_ = LoadSummaryPicture(RatingPictureName(4));
    ShowRatingPicture(2);
    start_ = std::make_unique<CPrzyciskP>(*this, "start", Canvas(), background_, 235, 340, &A_OdNowa);
    stop_ = std::make_unique<CPrzyciskP>(*this, "stop", Canvas(), background_, 325, 340, &A_Stop);

    PlaceCaption(Label3, "Label3", 88, 177, "Czas gry:"_cp);
    PlaceValue(lab_Czas, "lab_Czas", 345, 177, 358);
    PlaceCaption(Label4, "Label4", 88, 206, "Poprawne rozwiązania:"_cp);
    PlaceValue(lab_Dobre, "lab_Dobre", 409, 206, 422);
    PlaceCaption(Label6, "Label6", 88, 237, "Błędne rozwiązania:"_cp);
    PlaceValue(lab_Zle, "lab_Zle", 409, 237, 422);
    PlaceCaption(Label2, "Label2", 88, 270, "Liczba podpowiedzi:"_cp);
    PlaceValue(lab_Pomoc, "lab_Pomoc", 409, 270, 422);
    // The row of answers not given stays in the layout, hidden and empty.
    PlaceCaption(Label1, "Label1", 88, 302, "Brak odpowiedzi:"_cp);
    Label1.Hide();
    PlaceValue(lab_Brak, "lab_Brak", 409, 302, 422);
    lab_Brak.SetCaption("");
    lab_Brak.Hide();

    OnShow = [this] { FormShow(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { FormMouseDown(b, s, x, y); };
    // The labels lie on the form's surface: a press on them drags it as well.
    for (TLabel* label : {&Label3, &lab_Czas, &Label4, &lab_Dobre, &Label6, &lab_Zle, &Label2, &lab_Pomoc})
        label->OnMouseDown = OnMouseDown;
    if (App().MainForm() != nullptr && App().MainForm() != this)
        CenterOn(*App().MainForm());
    FormKoniecGry = this;
}

TFormKoniecGry::~TFormKoniecGry()
{
    if (FormKoniecGry == this)
        FormKoniecGry = nullptr;
}

const char* TFormKoniecGry::RatingPictureName(int rating)
{
    switch (rating) {
    case 1: return "Data\\Intf\\Spec\\mStatsB.xji";
    case 4: return "Data\\Intf\\Spec\\mStatsG.xji";
    default: return "Data\\Intf\\Spec\\mStatsM.xji";
    }
}

void TFormKoniecGry::ShowRatingPicture(int rating)
{
    const Bitmap& picture = rating == 1 ? *poor_ : rating == 4 ? *good_ : *middling_;
    background_.Fill(clBlack);
    background_.Draw(0, 0, picture);
    shownRating_ = rating == 1 || rating == 4 ? rating : 2;
}

void TFormKoniecGry::A_OdNowaExecute()
{
    SetModalResult(kNewGame);
}

void TFormKoniecGry::A_StopExecute()
{
    SetModalResult(kBackToMenu);
}

void TFormKoniecGry::FormShow()
{
    if (App().MainForm() != nullptr && App().MainForm() != this)
        CenterOn(*App().MainForm());
    lab_Pomoc.SetCaption(stats_->HintsText());
    lab_Czas.SetCaption(stats_->DurationText());
    lab_Dobre.SetCaption(stats_->CorrectText());
    lab_Zle.SetCaption(stats_->WrongText());
    ShowRatingPicture(stats_->Rating());
}

void TFormKoniecGry::FormPaint()
{
    Canvas().Draw(0, 0, background_);
}

void TFormKoniecGry::FormKeyPress(char& key)
{
    if (key == 27)
        A_Stop.Execute();
}

void TFormKoniecGry::FormMouseDown(TMouseButton button, TShiftState, int, int)
{
    if (button == TMouseButton::mbLeft)
        BeginMoveDrag();
}
