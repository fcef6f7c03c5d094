// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A text label in a system font: transparent or on its own colour, aligned
// left, right or centred, on one line or wrapped at word boundaries.
#pragma once

#include <string>

#include "platform/Control.h"
#include "platform/Font.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Where the lines sit in a label taller than its text.
enum class TTextLayout { tlTop, tlCenter };

class TLabel : public TControl {
public:
    explicit TLabel(TForm& form);

    const std::string& Caption() const { return caption_; }
    // cp1250 text. With AutoSize the label takes its text's size; a
    // right-aligned label keeps its right edge and grows to the left.
    void SetCaption(const std::string& cp1250);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Wrapping keeps the width and lets AutoSize change only the height.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void Paint(TCanvas& canvas) override;

private:
    void AdjustBounds();

    std::string caption_;
    TFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool transparent_ = false;
    TColor color_ = clBtnFace;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};
