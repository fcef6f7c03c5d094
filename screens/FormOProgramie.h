// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about screen: the logo, the version, what the program is and its
// licence, the licences of the pictures, fonts and voice it uses, and the
// names of their makers, over which a wave of colour runs now and then.
#pragma once

#include <memory>
#include <string>

#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/Label.h"

class CPrzyciskP;

class TFormOProgramie : public TForm {
public:
    static constexpr int kShimmerIntervalMs = 40;

    // Covers the whole screen. Raises CBlad code 1 when the background, the
    // logo or the button cannot be loaded.
    explicit TFormOProgramie(TApplication& app);
    ~TFormOProgramie() override;

    // Lays the information block out around the middle of the design area.
    void FormResize();

    // The shade (0..255, 255 white) of character i (from 1) of a credit line
    // whose wave stands at q.
    static int Shade(int i, int q);
    // The colour of a shade: white at 255, warm pink to orange below.
    static TColor ShadeColour(int v);

    int ShimmerPosition() const { return position_; }
    const Timer& ShimmerTimer() const { return Timer1; }
    const Bitmap& CreditsPicture() const { return credits_; }
    const Bitmap& Background() const { return background_; }
    const Bitmap& LogoPicture() const { return *logo_; }
    TPoint LogoPlace() const { return logoPlace_; }
    CPrzyciskP& StopButton() { return *stop_; }

    TAction A_Stop;
    TLabel LabelVer;
    TLabel LabelPrawa1;
    TLabel LabelPrawa2;
    TLabel LabelISBN;
    TLabel LabelKontakt;
    TLabel LabelF1;
    TLabel LabelF2;
    TLabel LabelF3;
    TLabel LabelF4;
    TLabel LabelF5;
    TLabel LabelF6;
    TLabel LabelF7;
    TLabel LabelAut;
    TLabel LabelAutList;
    TLabel LabelAutList2;

private:
    void A_StopExecute();
    void FormShow();
    void FormClose();
    void FormPaint();
    void FormKeyPress(char& key);
    void Timer1Timer();
    void MakeCreditsPicture();
    void DrawCredits();
    void DrawCreditLine(TCanvas& canvas, int y, const std::string& line, int q);

    Timer Timer1;
    Bitmap background_;
    std::unique_ptr<Bitmap> logo_;
    TPoint logoPlace_;
    std::unique_ptr<CPrzyciskP> stop_;
    Bitmap credits_;
    int position_ = 0;
};

// The about screen of the program while it exists.
extern TFormOProgramie* FormOProgramie;
