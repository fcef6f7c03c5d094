// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FormSplashScreen.h"

#include <exception>

#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

constexpr TColor clLime = RGB(0, 255, 0);
constexpr const char* kSplashPicture = "Data\\Intf\\QW6_Splash.xji";

}  // namespace

TFormSplashScreen::TFormSplashScreen(TApplication& app)
    : TForm(app, "FormSplashScreen", kSplashWidth, kSplashHeight)
{
    Caption = "Szeptaczki Cz.VI Splash";
    if (FileExists(kSplashPicture)) {
        try {
            LoadJpegInto(picture_, kSplashPicture);
            if (!picture_.Empty())
                SetSize(picture_.Width(), picture_.Height());
        } catch (const std::exception&) {
            // A damaged picture leaves the screen plain; loading goes on.
            picture_ = Bitmap();
        }
    }
    SetPosition((app.ScreenWidth() - Width()) / 2, (app.ScreenHeight() - Height()) / 2);

    if (picture_.Empty()) {
        errorShown_ = true;
        lbBladTekst_ = std::make_unique<TLabel>(*this);
        TFont red;
        red.Name = "MS Sans Serif";
        red.Height = 13;
        red.Bold = true;
        red.Color = clRed;
        lbBladTekst_->SetFont(red);
        lbBladTekst_->SetTransparent(true);
        lbBladTekst_->SetCaption("Brak zasobów!"_cp);
        lbBladTekst_->SetBounds(8, 8, lbBladTekst_->Width(), lbBladTekst_->Height());

        lbTytul_ = std::make_unique<TLabel>(*this);
        TFont title;
        title.Name = "Arial Black";
        title.Height = 28;
        title.Bold = true;
        lbTytul_->SetFont(title);
        lbTytul_->SetTransparent(true);
        lbTytul_->SetAutoSize(false);
        lbTytul_->SetAlignment(TAlignment::taCenter);
        lbTytul_->SetCaption("Szeptaczki Cz.VI");
        lbTytul_->SetBounds(0, 32, Width(), 41);
    }
    OnPaint = [this] { Paint(); };
}

TFormSplashScreen::~TFormSplashScreen() = default;

void TFormSplashScreen::Paint()
{
    if (picture_.Empty()) {
        // Only the error text asks for the background to be erased.
        Canvas().Brush.Color = clLime;
        Canvas().FillRect({0, 0, Width(), Height()});
        return;
    }
    Canvas().Draw(0, 0, picture_);
}
