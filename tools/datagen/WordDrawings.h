// Simple drawings of their own for words no emoji shows.
#pragma once

#include <cairo.h>

#include <string_view>

bool HasDrawing(std::string_view key);

// Draws the thing named by the word with this key on a 400 x 300 white area;
// false (and nothing drawn) when there is no drawing for it. Text, where a
// drawing has any, uses the given font face.
bool DrawWordThing(cairo_t* cr, std::string_view key, cairo_font_face_t* font);
