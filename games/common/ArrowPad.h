// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Steering by arrows, in the games a child drives (the conveyor's crane, the
// forklift truck): the arrow keys and four large arrow buttons on the screen,
// pressed and held with the mouse or a finger, count alike. A frame asks
// which arrows are held; which of two opposite arrows wins is the game's
// rule. At the start of the first game of a run the buttons glow one after
// another, showing which to press.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "games/common/SceneOverlay.h"
#include "graphics/CTransBitmap.h"
#include "platform/Action.h"
#include "platform/Bitmap.h"

class CPrzyciskW;
class TCanvas;
class TForm;

class ArrowPad {
public:
    enum Arrow { kLeft, kUp, kRight, kDown };
    static constexpr int kArrowCount = 4;
    static constexpr int kHintFramesPerArrow = 25;

    // The buttons of the display mode (library pictures prefix + set + L,
    // G, P, D; the glow prefix + set + "_podB.xji" / "_podW.xji") go on form
    // and compose into shown, the picture the game shows in its design area,
    // which lies at areaOffset in the form. Raises CBlad code 1 when a
    // picture is missing.
    ArrowPad(TForm& form, Bitmap& shown, TPoint areaOffset, const std::string& set);
    ~ArrowPad();
    ArrowPad(const ArrowPad&) = delete;
    ArrowPad& operator=(const ArrowPad&) = delete;

    // The side of a (square) button.
    int ButtonSize() const;
    // Puts a button's top-left at p, in design-area coordinates.
    void Place(Arrow arrow, TPoint p);
    // Design-area coordinates.
    TRect ButtonRect(Arrow arrow) const;
    const CPrzyciskW& Button(Arrow arrow) const;

    // The arrow keys; true when key is one of them.
    bool KeyDown(int key);
    bool KeyUp(int key);
    // Held by its key or its button.
    bool Held(Arrow arrow) const { return keys_[arrow] || pressed_[arrow]; }
    // Held on the keyboard (the games then move the pointer out of the way).
    bool KeyHeld() const;
    // Any arrow held, by key or button.
    bool AnyHeld() const { return KeyHeld() || Held(kLeft) || Held(kUp) || Held(kRight) || Held(kDown); }
    // A new game or its end: nothing is held.
    void LetGoAll();
    // The buttons composed into the shown picture.
    void DrawButtons();

    // Whenever an arrow starts or stops being held.
    std::function<void()> OnChange;
    // An arrow key or button let go: the child is there.
    std::function<void()> OnRelease;

    // The glowing hint, the arrows of order in turn, once in a run of the
    // program: a later call does nothing. A press or the pointer coming to
    // the buttons ends it at once.
    void StartHintOnce(std::initializer_list<Arrow> order);
    bool HintRunning() const { return hintFrame_ < static_cast<int>(hintOrder_.size()) * kHintFramesPerArrow; }
    // Puts back the scene under the glow (first in a frame); the rectangle.
    TRect EraseHint(Bitmap& scene) { return glowOverlay_.PutBack(scene); }
    // Draws the glow's next step (last in a frame); the rectangle drawn.
    TRect DrawHint(Bitmap& scene);
    // Where the glow goes round a button, whole (design-area coordinates),
    // and how far it reaches out beyond the button's edge.
    TRect GlowRect(Arrow arrow) const;
    int GlowReach() const;
    // The scene was drawn anew as a whole: nothing to put back.
    void SceneRedrawn() { glowOverlay_.Forget(); }

private:
    class Key;
    void Press(Arrow arrow);
    void Let(Arrow arrow);
    void StopHint();
    static int Index(int key);

    TForm& form_;
    Bitmap& shown_;
    TPoint offset_;
    TAction none_;
    std::array<std::unique_ptr<Key>, kArrowCount> onScreen_;
    std::array<bool, kArrowCount> keys_{};
    std::array<bool, kArrowCount> pressed_{};
    CTransBitmap glow_;
    SceneOverlay glowOverlay_;
    bool hintGiven_ = false;
    std::vector<Arrow> hintOrder_;
    int hintFrame_ = 0;
};
