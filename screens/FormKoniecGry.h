// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game summary: play time, correct and wrong solutions and hints
// over a picture chosen by how well the child did, with the ways on: the same
// game again (modal result 1) or back to the main menu (2).
#pragma once

#include <memory>
#include <string>

#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "platform/Label.h"

class CPrzyciskP;
class CStatRec;

class TFormKoniecGry : public TForm {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 450;
    static constexpr int kNewGame = 1;
    static constexpr int kBackToMenu = 2;

    // Reads what it shows from stats, which must outlive the form. Raises
    // CBlad code 1 when a picture or a button cannot be loaded.
    TFormKoniecGry(TApplication& app, const CStatRec& stats);
    ~TFormKoniecGry() override;

    // The picture file of a rating: 1 poor, 2 middling, 4 good.
    static const char* RatingPictureName(int rating);
    // The rating whose picture the background holds now.
    int ShownRating() const { return shownRating_; }
    const Bitmap& Background() const { return background_; }

    TAction A_OdNowa;
    TAction A_Stop;
    TLabel Label3;
    TLabel lab_Czas;
    TLabel Label4;
    TLabel lab_Dobre;
    TLabel Label6;
    TLabel lab_Zle;
    TLabel Label2;
    TLabel lab_Pomoc;
    TLabel Label1;
    TLabel lab_Brak;

private:
    void A_OdNowaExecute();
    void A_StopExecute();
    void FormShow();
    void FormPaint();
    void FormKeyPress(char& key);
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void ShowRatingPicture(int rating);

    const CStatRec* stats_;
    Bitmap background_;
    std::unique_ptr<Bitmap> poor_;
    std::unique_ptr<Bitmap> middling_;
    std::unique_ptr<Bitmap> good_;
    std::unique_ptr<CPrzyciskP> start_;
    std::unique_ptr<CPrzyciskP> stop_;
    int shownRating_ = 2;
};

// The one summary screen of the program while it exists.
extern TFormKoniecGry* FormKoniecGry;
