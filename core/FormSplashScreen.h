// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen shown while the program loads its screens: the product
// picture, or a red note about missing resources when the picture is absent.
#pragma once

#include <memory>

#include "platform/Bitmap.h"
#include "platform/Form.h"

class TLabel;

class TFormSplashScreen : public TForm {
public:
    explicit TFormSplashScreen(TApplication& app);
    ~TFormSplashScreen() override;

    // True when the picture was missing and the labels show instead.
    bool ShowsErrorText() const { return errorShown_; }

private:
    void Paint();

    Bitmap picture_;
    std::unique_ptr<TLabel> lbBladTekst_;
    std::unique_ptr<TLabel> lbTytul_;
    bool errorShown_ = false;
};

constexpr int kSplashWidth = 600;
constexpr int kSplashHeight = 348;
