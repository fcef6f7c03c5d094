// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Labels: layout of the lines and the bounds that follow the text.
#include "platform/Label.h"

#include <algorithm>

#include "platform/Canvas.h"
#include "platform/TextRenderer.h"

TLabel::TLabel(TForm& form) : TControl(form)
{
    AdjustBounds();
}

void TLabel::SetCaption(const std::string& cp1250)
{
    if (cp1250 == caption_)
        return;
    caption_ = cp1250;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFont(const TFont& font)
{
    font_ = font;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetColor(TColor color)
{
    color_ = color;
    Invalidate();
}

void TLabel::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    const int lineHeight = TextRenderer::LineHeight(font_);
    if (wordWrap_) {
        const auto lines = TextRenderer::Wrap(font_, caption_, Width());
        SetBounds(Left(), Top(), Width(), lineHeight * static_cast<int>(lines.size()));
        return;
    }
    const int width = TextRenderer::Measure(font_, caption_).x;
    const int left = alignment_ == TAlignment::taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, lineHeight);
}

void TLabel::Paint(TCanvas& canvas)
{
    if (!transparent_) {
        canvas.Brush.Color = color_;
        canvas.FillRect({0, 0, Width(), Height()});
    }
    const std::vector<std::string> lines =
        wordWrap_ ? TextRenderer::Wrap(font_, caption_, Width()) : std::vector<std::string>{caption_};
    const int lineHeight = TextRenderer::LineHeight(font_);
    canvas.Font = font_;
    canvas.Brush.Clear = true;
    // Centred as a one-line field centres its text, so that the two line up.
    int y = layout_ == TTextLayout::tlCenter ? (Height() - lineHeight * static_cast<int>(lines.size())) / 2 : 0;
    for (const std::string& line : lines) {
        const int w = TextRenderer::Measure(font_, line).x;
        int x = 0;
        if (alignment_ == TAlignment::taRightJustify)
            x = Width() - w;
        else if (alignment_ == TAlignment::taCenter)
            x = (Width() - w) / 2;
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
    canvas.Brush.Clear = false;
}
