// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text fields: editing keys, typed characters and drawing with the caret.
#include "platform/Edit.h"

#include <algorithm>

#include "platform/Canvas.h"
#include "platform/Form.h"
#include "platform/TextRenderer.h"

namespace {

constexpr int kPadding = 3;

}  // namespace

TEdit::TEdit(TForm& form) : TControl(form)
{
    SetBounds(0, 0, 121, TextRenderer::LineHeight(Font) + 2 * kPadding + 2);
}

void TEdit::SetText(const std::string& cp1250)
{
    std::string text = cp1250;
    if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_)
        text.resize(static_cast<std::size_t>(maxLength_));
    caret_ = static_cast<int>(text.size());
    if (text == text_) {
        Invalidate();
        return;
    }
    text_ = text;
    Changed();
}

void TEdit::SetMaxLength(int maxLength)
{
    maxLength_ = std::max(maxLength, 0);
}

void TEdit::SetSelStart(int position)
{
    caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    Invalidate();
}

void TEdit::SetFocus()
{
    Form().SetActiveControl(this);
}

void TEdit::Changed()
{
    Invalidate();
    if (OnChange)
        OnChange();
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        // The caret goes to the character boundary nearest to the click.
        const int target = x - TextX();
        int best = 0, bestDistance = std::abs(target);
        for (int i = 1; i <= static_cast<int>(text_.size()); ++i) {
            const int w = TextRenderer::Measure(Font, std::string_view(text_).substr(0, static_cast<std::size_t>(i))).x;
            if (std::abs(w - target) < bestDistance) {
                best = i;
                bestDistance = std::abs(w - target);
            }
        }
        caret_ = best;
        Invalidate();
    }
    TControl::MouseDown(button, shift, x, y);
}

void TEdit::KeyDown(int& key, TShiftState shift)
{
    const int length = static_cast<int>(text_.size());
    switch (key) {
    case VK_LEFT: caret_ = std::max(caret_ - 1, 0); break;
    case VK_RIGHT: caret_ = std::min(caret_ + 1, length); break;
    case VK_HOME: caret_ = 0; break;
    case VK_END: caret_ = length; break;
    case VK_BACK:
        if (!ReadOnly && caret_ > 0) {
            text_.erase(static_cast<std::size_t>(caret_ - 1), 1);
            --caret_;
            Changed();
        }
        break;
    case VK_DELETE:
        if (!ReadOnly && caret_ < length) {
            text_.erase(static_cast<std::size_t>(caret_), 1);
            Changed();
        }
        break;
    default: TControl::KeyDown(key, shift); return;
    }
    Invalidate();
}

void TEdit::KeyPress(char& key)
{
    const auto c = static_cast<unsigned char>(key);
    // Control characters (BackSpace, Return, Escape, Tab) are not text.
    if (ReadOnly || c < 32 || c == 127)
        return;
    if (maxLength_ > 0 && static_cast<int>(text_.size()) >= maxLength_)
        return;
    text_.insert(text_.begin() + caret_, key);
    ++caret_;
    Changed();
}

void TEdit::FocusChanged(bool)
{
    Invalidate();
}

int TEdit::TextX() const
{
    return (Border ? 1 : 0) + kPadding - scroll_;
}

void TEdit::Paint(TCanvas& canvas)
{
    const TRect all{0, 0, Width(), Height()};
    canvas.Brush.Color = Color;
    canvas.Brush.Clear = false;
    canvas.FillRect(all);
    if (Border) {
        canvas.Brush.Color = BorderColor;
        canvas.FrameRect(all);
    }
    // Keep the caret inside the field by scrolling the text.
    const int inner = Width() - 2 * ((Border ? 1 : 0) + kPadding);
    const int caretX = TextRenderer::Measure(Font, std::string_view(text_).substr(0, static_cast<std::size_t>(caret_))).x;
    if (caretX - scroll_ > inner)
        scroll_ = caretX - inner;
    if (caretX < scroll_)
        scroll_ = caretX;
    const int lineHeight = TextRenderer::LineHeight(Font);
    const int textY = (Height() - lineHeight) / 2;
    const TRect savedClip = canvas.ClipRect();
    const int edge = Border ? 1 : 0;
    canvas.SetBitmapClip(
        TRect{edge, edge, Width() - edge, Height() - edge}.Offset(canvas.Origin().x, canvas.Origin().y).Intersect(
            savedClip.Offset(canvas.Origin().x, canvas.Origin().y)));
    canvas.Font = Font;
    canvas.Brush.Clear = true;
    canvas.TextOut(TextX(), textY, text_);
    canvas.Brush.Clear = false;
    if (Focused()) {
        canvas.Brush.Color = Font.Color;
        canvas.FillRect(RectXYWH(TextX() + caretX, textY, 1, lineHeight));
    }
    canvas.SetBitmapClip(savedClip.Offset(canvas.Origin().x, canvas.Origin().y));
}
