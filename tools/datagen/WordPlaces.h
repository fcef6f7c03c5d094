// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The places where the games show a word picture, each with the part of the
// picture it keeps in view: the contact sheets draw them, and the word
// pictures keep what matters inside all of them.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/InterfaceLayout.h"
#include "tools/datagen/WordPainter.h"

struct WordPlace {
    std::string name;     // "card", "can", "wagon", "box", "screen1".."screen5", "zoom", "panel"
    PictureSize picture;  // the file the game cuts it from
    int width = 0;        // the size the game makes the picture at
    int height = 0;
    int outline = 0;      // the black frame the game draws round the picture
    double inset = 0;     // how far the place's casing or outline reaches over the picture's edges
    double radius = 0;    // the rounded corners of what shows
};

// Every place of the mode, in the order above.
std::vector<WordPlace> WordPlacesOf(const UiMode& m);

// What the place keeps in view of a picture, in the 400 x 300 design
// coordinates every word picture is laid out on (the games cut the middle
// strip of the place's aspect and scale it; the inset hides the edges).
DesignBox KeptInView(const WordPlace& place);

// True when the design point shows in the place: inside its kept box and
// clear of its rounded corners.
bool ShowsInPlace(const WordPlace& place, double x, double y);
