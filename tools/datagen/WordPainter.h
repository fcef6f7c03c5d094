// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "tools/datagen/CaptionFont.h"
#include "tools/datagen/CairoSurface.h"
#include "tools/datagen/EmojiFont.h"
#include "tools/datagen/WordSource.h"

enum class PictureKind { Emoji, Drawing, Caption };

// The two picture files of a word. The games cut from a picture the middle
// strip of the aspect of the place it fills (the whole height, as much width
// as that aspect asks; a place wider than the picture gets black sides), so
// the small picture is as wide as the widest such place, 4:3, and keeps what
// matters inside the strip of the narrowest ones: memory cards (62 x 84) and
// can windows (55 x 69). The large one fills 4:3 places (the zoom, the memory
// panel) whole.
enum class PictureSize { Small, Large };

inline constexpr int kSmallPictureWidth = 200;
inline constexpr int kSmallPictureHeight = 150;
inline constexpr int kLargePictureWidth = 400;
inline constexpr int kLargePictureHeight = 300;

// One per thread: it holds the thread's fonts.
class WordPainter {
public:
    WordPainter() = default;

    // The word's picture; kind says what it shows.
    CairoSurface PaintSurface(const DatagenWord& word, PictureSize size, PictureKind& kind) const;
    Bitmap Paint(const DatagenWord& word, PictureSize size, PictureKind& kind) const;

private:
    struct Box {
        double x, y, w, h;
    };
    bool PaintEmoji(cairo_t* cr, const std::u32string& emoji, Box box) const;
    void PaintCaption(cairo_t* cr, const DatagenWord& word) const;

    EmojiFont emoji_;
    CaptionFont caption_;
};

// The cheerful colour of a word's card and background, always the same for a key.
struct CardColour {
    double r, g, b;
};
CardColour WordColour(const std::string& key);
