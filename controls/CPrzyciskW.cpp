// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Image buttons over an animated scene.
#include "controls/CPrzyciskW.h"

#include "platform/Canvas.h"

CPrzyciskW::CPrzyciskW(TForm& form, std::string_view baseName, TCanvas& screen, Bitmap& backBuffer,
                       const Bitmap* background, int left, int top, TAction& action)
    : ImageButtonBase(form, baseName, left, top), screen_(&screen), backBuffer_(&backBuffer), background_(background)
{
    SetAction(&action);
    Cursor = crHand;
    SetReady();
}

void CPrzyciskW::DrawNormal()
{
    if (!Visible())
        return;
    const TRect r = BackBufferRect();
    Pictures().Compose(*backBuffer_, r.left, r.top, ButtonState::Normal);
}

void CPrzyciskW::SetPosition(int left, int top)
{
    SetBounds(left < 0 ? Left() : left, top < 0 ? Top() : top, Width(), Height());
}

void CPrzyciskW::DrawState(ButtonState state)
{
    const TRect r = BackBufferRect();
    Pictures().Compose(*backBuffer_, r.left, r.top, state);
    screen_->CopyRect(BoundsRect(), *backBuffer_, r);
}
