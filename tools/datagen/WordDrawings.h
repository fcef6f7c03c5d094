// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawings of our own for words no emoji shows: SVG files under svg/, one a
// word, built into the generator and rendered with librsvg.
#pragma once

#include <cairo.h>

#include <string_view>
#include <vector>

bool HasDrawing(std::string_view key);

// The keys of every built-in drawing, in file-name order.
std::vector<std::string_view> DrawingKeys();

// Draws the thing named by the word with this key on a 400 x 300 area at the
// context's origin; false (and nothing drawn) when there is no drawing for it.
bool DrawWordThing(cairo_t* cr, std::string_view key);

// Renders SVG text into the box (keeping its aspect); false when the text is
// not a picture librsvg can read, in which case nothing is drawn.
bool DrawSvg(cairo_t* cr, std::string_view svg, double x, double y, double w, double h);
