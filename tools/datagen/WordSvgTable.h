// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text of every word drawing, put into the generator by the build from
// the SVG files under tools/datagen/svg (the file name less ".svg" is the key).
#pragma once

#include <span>
#include <string_view>

struct WordSvg {
    std::string_view key;
    std::string_view text;
};

std::span<const WordSvg> WordSvgs();

// The drawing's SVG text, or empty when the word has none.
std::string_view WordSvgText(std::string_view key);
