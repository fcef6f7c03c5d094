// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An image button over a game's animated scene: it draws into the game's
// back buffer, which the game redraws every frame, and shows that part of the
// buffer on the screen.
#pragma once

#include <string_view>

#include "controls/ImageButtonBase.h"

class TAction;
class TCanvas;

class CPrzyciskW : public ImageButtonBase {
public:
    // (left, top) are screen coordinates (the game form covers the screen).
    // A click runs action. Raises CBlad code 1 when a picture is missing.
    CPrzyciskW(TForm& form, std::string_view baseName, TCanvas& screen, Bitmap& backBuffer,
               const Bitmap* background, int left, int top, TAction& action);

    // Where the back buffer and the background start on the screen (the
    // design area's offset).
    void SetBackBufferOffset(int x, int y) { backBufferOffset_ = {x, y}; }
    void SetBackgroundOffset(int x, int y) { backgroundOffset_ = {x, y}; }
    TPoint BackBufferOffset() const { return backBufferOffset_; }
    TPoint BackgroundOffset() const { return backgroundOffset_; }
    const Bitmap* Background() const { return background_; }

    // Composes the normal picture into the back buffer; the game calls it
    // after each redraw of its scene, before showing the scene.
    void DrawNormal();
    void SetPosition(int left, int top);

    // The game's own painting shows the button with its scene.
    void Paint(TCanvas&) override {}

private:
    void DrawState(ButtonState state) override;
    TRect BackBufferRect() const { return BoundsRect().Offset(-backBufferOffset_.x, -backBufferOffset_.y); }

    TCanvas* screen_;
    Bitmap* backBuffer_;
    const Bitmap* background_;
    TPoint backBufferOffset_;
    TPoint backgroundOffset_;
};
