// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "tools/datagen/CaptionFont.h"
#include "tools/datagen/CairoSurface.h"
#include "tools/datagen/EmojiFont.h"
#include "tools/datagen/WordSource.h"

enum class PictureKind { Emoji, Drawing, Caption };

// The two picture files of a word. The games crop a picture to the aspect of
// the place it fills — portrait memory cards (62 x 84) and can windows
// (55 x 69), landscape train frames (125 x 100) — so the small picture is
// square with everything that matters in its middle, where every such crop
// keeps it. The large one fills 4:3 places (the zoom, the memory panel).
enum class PictureSize { Small, Large };

inline constexpr int kSmallPictureWidth = 200;
inline constexpr int kSmallPictureHeight = 200;
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
