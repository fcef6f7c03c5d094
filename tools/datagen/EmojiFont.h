// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colour emoji pictures from the Noto Color Emoji bitmap font, read with FreeType.
#pragma once

#include <filesystem>

#include "tools/datagen/CairoSurface.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

// One per thread: FreeType objects must not be shared between threads.
class EmojiFont {
public:
    static std::filesystem::path DefaultFile();

    // Throws std::runtime_error when the font cannot be opened.
    explicit EmojiFont(const std::filesystem::path& file = DefaultFile());
    ~EmojiFont();
    EmojiFont(const EmojiFont&) = delete;
    EmojiFont& operator=(const EmojiFont&) = delete;

    bool Has(char32_t codePoint) const;
    // The emoji at the font's own size (about 136 x 128), or none when the font lacks it.
    CairoSurface Glyph(char32_t codePoint) const;

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};
