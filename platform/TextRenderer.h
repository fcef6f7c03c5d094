// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text in system fonts, drawn into bitmaps the same way on every back end
// (software rendering, so headless screenshots match the window).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Font.h"

namespace TextRenderer {

// Width and height in pixels of one line of cp1250 text.
TPoint Measure(const TFont& font, std::string_view cp1250);
// Distance between two lines of the font.
int LineHeight(const TFont& font);
// Draws one line with its top-left corner at (x, y), blended over the
// bitmap's pixels in the font's colour, clipped to clip.
void Draw(Bitmap& target, int x, int y, const TFont& font, std::string_view cp1250, TRect clip);
// Breaks text into lines no wider than width, at spaces (a word longer than
// the width stands alone); explicit line breaks are kept.
std::vector<std::string> Wrap(const TFont& font, std::string_view cp1250, int width);
// The font file a face name maps to (empty when no file exists).
std::string FontFile(const TFont& font);

}  // namespace TextRenderer
