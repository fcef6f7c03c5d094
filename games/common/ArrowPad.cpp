// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The arrows a child steers with: keys, buttons on the screen, the hint.
#include "games/common/ArrowPad.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "controls/CPrzyciskW.h"
#include "graphics/CDisplay.h"
#include "platform/Form.h"
#include "platform/Input.h"

namespace {

constexpr const char* kLetters[ArrowPad::kArrowCount] = {"L", "G", "P", "D"};
constexpr int kKeys[ArrowPad::kArrowCount] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};

}  // namespace

// A button held like a key: pressed while the left button (or a finger) is
// down on it, let go when it comes up or the pointer leaves the button.
class ArrowPad::Key final : public CPrzyciskW {
public:
    Key(ArrowPad& pad, Arrow arrow, const std::string& name, TAction& none)
        : CPrzyciskW(pad.form_, name, pad.form_.Canvas(), pad.shown_, nullptr, 0, 0, none), pad_(pad), arrow_(arrow)
    {
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        if (button == TMouseButton::mbLeft)
            pad_.StopHint();
        CPrzyciskW::MouseDown(button, shift, x, y);
        if (button == TMouseButton::mbLeft)
            pad_.Press(arrow_);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        CPrzyciskW::MouseUp(button, shift, x, y);
        if (button == TMouseButton::mbLeft)
            pad_.Let(arrow_);
    }
    void MouseEnter() override
    {
        pad_.StopHint();
        CPrzyciskW::MouseEnter();
    }
    void MouseLeave() override
    {
        CPrzyciskW::MouseLeave();
        pad_.Let(arrow_);
    }

private:
    ArrowPad& pad_;
    Arrow arrow_;
};

ArrowPad::ArrowPad(TForm& form, Bitmap& shown, TPoint areaOffset, const std::string& set)
    : form_(form), shown_(shown), offset_(areaOffset)
{
    const std::string prefix = Display().ModePrefix();
    for (int a = 0; a < kArrowCount; ++a) {
        auto& key = onScreen_[static_cast<std::size_t>(a)];
        key = std::make_unique<Key>(*this, static_cast<Arrow>(a), prefix + set + kLetters[a], none_);
        key->SetBackBufferOffset(offset_.x, offset_.y);
        key->SetBackgroundOffset(offset_.x, offset_.y);
    }
    const std::string glow = "Data\\Intf\\Spec\\" + prefix + set + "_pod";
    glow_.LoadPair(glow + "B.xji", glow + "W.xji");
}

ArrowPad::~ArrowPad() = default;

int ArrowPad::ButtonSize() const { return onScreen_[0]->Width(); }

void ArrowPad::Place(Arrow arrow, TPoint p)
{
    onScreen_[static_cast<std::size_t>(arrow)]->SetPosition(p.x + offset_.x, p.y + offset_.y);
}

TRect ArrowPad::ButtonRect(Arrow arrow) const
{
    return onScreen_[static_cast<std::size_t>(arrow)]->BoundsRect().Offset(-offset_.x, -offset_.y);
}

const CPrzyciskW& ArrowPad::Button(Arrow arrow) const { return *onScreen_[static_cast<std::size_t>(arrow)]; }

int ArrowPad::Index(int key)
{
    const int* found = std::find(std::begin(kKeys), std::end(kKeys), key);
    return found == std::end(kKeys) ? -1 : static_cast<int>(found - std::begin(kKeys));
}

bool ArrowPad::KeyDown(int key)
{
    const int a = Index(key);
    if (a < 0)
        return false;
    auto& held = keys_[static_cast<std::size_t>(a)];
    if (!held) {
        StopHint();
        held = true;
        if (OnChange)
            OnChange();
    }
    return true;
}

bool ArrowPad::KeyUp(int key)
{
    const int a = Index(key);
    if (a < 0)
        return false;
    auto& held = keys_[static_cast<std::size_t>(a)];
    if (OnRelease)
        OnRelease();
    if (held) {
        held = false;
        if (OnChange)
            OnChange();
    }
    return true;
}

void ArrowPad::Press(Arrow arrow)
{
    pressed_[arrow] = true;
    if (OnChange)
        OnChange();
}

void ArrowPad::Let(Arrow arrow)
{
    if (!pressed_[arrow])
        return;
    pressed_[arrow] = false;
    if (OnRelease)
        OnRelease();
    if (OnChange)
        OnChange();
}

bool ArrowPad::KeyHeld() const { return std::any_of(keys_.begin(), keys_.end(), [](bool held) { return held; }); }

void ArrowPad::LetGoAll()
{
    keys_ = {};
    pressed_ = {};
}

void ArrowPad::DrawButtons()
{
    for (const auto& key : onScreen_)
        key->DrawNormal();
}

void ArrowPad::StartHintOnce(std::initializer_list<Arrow> order)
{
    if (hintGiven_)
        return;
    hintGiven_ = true;
    hintOrder_.assign(order);
    hintFrame_ = 0;
}

TRect ArrowPad::DrawHint(Bitmap& scene)
{
    if (!HintRunning() || !glow_.Colour || !glow_.Mask)
        return {};
    const Arrow arrow = hintOrder_[static_cast<std::size_t>(hintFrame_ / kHintFramesPerArrow)];
    // Up and down again over the arrow's turn.
    const int half = kHintFramesPerArrow / 2;
    const int opacity = 255 * (half + 1 - std::abs(hintFrame_ % kHintFramesPerArrow - half)) / (half + 1);
    ++hintFrame_;
    const TRect r = GlowRect(arrow);
    const TRect kept = glowOverlay_.Keep(scene, r);
    // The glow's own corner is the place given, also where the scene's edge
    // cuts it: only its part inside the scene is drawn, where it belongs.
    if (!kept.IsEmpty())
        BlendTransparent(&scene, r.left, r.top, opacity, r.top, r.left, &scene, kept.Offset(-r.left, -r.top),
                         glow_.Mask.get(), glow_.Colour.get());
    return kept;
}

TRect ArrowPad::GlowRect(Arrow arrow) const
{
    if (!glow_.Colour)
        return {};
    const TRect button = ButtonRect(arrow);
    const int w = glow_.Colour->Width(), h = glow_.Colour->Height();
    return RectXYWH(button.left + (button.Width() - w) / 2, button.top + (button.Height() - h) / 2, w, h);
}

int ArrowPad::GlowReach() const { return glow_.Colour ? std::max(0, (glow_.Colour->Width() - ButtonSize()) / 2) : 0; }

void ArrowPad::StopHint()
{
    if (hintOrder_.empty())
        return;
    hintOrder_.clear();
    hintFrame_ = 0;
    // The glow goes at once, also from the screen; the frame loop would
    // take it away only when it next draws.
    const TRect r = glowOverlay_.PutBack(shown_);
    if (!r.IsEmpty())
        form_.Canvas().CopyRect(r.Offset(offset_.x, offset_.y), shown_, r);
}
