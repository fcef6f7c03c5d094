// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "tools/datagen/CaptionFont.h"
#include "tools/datagen/CairoSurface.h"
#include "tools/datagen/EmojiFont.h"
#include "tools/datagen/WordSource.h"

enum class PictureKind { Emoji, Drawing, Caption };

// Sizes of the two picture files: the small bitmap and the large JPEG, both 4:3.
inline constexpr int kSmallPictureWidth = 200;
inline constexpr int kSmallPictureHeight = 150;
inline constexpr int kLargePictureWidth = 400;
inline constexpr int kLargePictureHeight = 300;

// One per thread: it holds the thread's fonts.
class WordPainter {
public:
    WordPainter() = default;

    // The word's picture at any size (drawn for 4:3); kind says what it shows.
    CairoSurface PaintSurface(const DatagenWord& word, int width, int height, PictureKind& kind) const;
    Bitmap Paint(const DatagenWord& word, int width, int height, PictureKind& kind) const;

private:
    bool PaintEmoji(cairo_t* cr, const std::u32string& emoji) const;
    void PaintCaption(cairo_t* cr, const DatagenWord& word) const;

    EmojiFont emoji_;
    CaptionFont caption_;
};

// The cheerful colour of a word's card and background, always the same for a key.
struct CardColour {
    double r, g, b;
};
CardColour WordColour(const std::string& key);
