// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "tools/datagen/CaptionFont.h"
#include "tools/datagen/CairoSurface.h"
#include "tools/datagen/EmojiFont.h"
#include "tools/datagen/WordSource.h"

enum class PictureKind { Emoji, Drawing, Caption };

// The two picture files of a word, one the other at half the size. The games
// cut from a picture the middle strip of the aspect of the place it fills
// (the whole height, as much width as that aspect asks; a place wider than
// the picture gets black sides), and casings hide the strip's edges: the
// thing stands where the narrowest of them all, a memory card's strip and a
// television's window, still shows it whole. The 4:3 places (the zoom, the
// memory panel) show the soft ground beside it.
enum class PictureSize { Small, Large };

inline constexpr int kSmallPictureWidth = 200;
inline constexpr int kSmallPictureHeight = 150;
inline constexpr int kLargePictureWidth = 400;
inline constexpr int kLargePictureHeight = 300;

// A rectangle on the 400 x 300 design area every word picture is laid out on.
struct DesignBox {
    double left, top, right, bottom;
};

// Where the thing is fitted: what every place keeps in view, less a margin.
inline constexpr DesignBox kThingBox{102, 30, 298, 270};

// One per thread: it holds the thread's fonts.
class WordPainter {
public:
    WordPainter() = default;

    // The word's picture; kind says what it shows.
    CairoSurface PaintSurface(const DatagenWord& word, PictureSize size, PictureKind& kind) const;
    Bitmap Paint(const DatagenWord& word, PictureSize size, PictureKind& kind) const;

    // The thing alone, on a clear layer of the design area at this scale, at
    // its place in the picture; Caption (and nothing drawn) when the word has
    // neither an emoji nor a drawing.
    CairoSurface PaintThing(const DatagenWord& word, PictureKind& kind, double scale = 1) const;

private:
    struct Box {
        double x, y, w, h;
    };
    bool PaintEmoji(cairo_t* cr, const std::u32string& emoji, Box box) const;
    // The emoji or drawing as it comes, on the design area.
    PictureKind DrawThing(cairo_t* cr, const DatagenWord& word) const;
    void PaintCaption(cairo_t* cr, const DatagenWord& word) const;

    EmojiFont emoji_;
    CaptionFont caption_;
};

// The cheerful colour of a word's card, always the same for a key.
struct CardColour {
    double r, g, b;
};
CardColour WordColour(const std::string& key);
