// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colour emoji pictures from the Noto Color Emoji bitmap font, read with FreeType.
#include "tools/datagen/EmojiFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <bit>
#include <cstring>
#include <stdexcept>

std::filesystem::path EmojiFont::DefaultFile()
{
    return "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
}

EmojiFont::EmojiFont(const std::filesystem::path& file)
{
    if (FT_Init_FreeType(&library_) != 0)
        throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open the emoji font " + file.string());
    }
    // A bitmap-only font: its one strike (109 pixels a em) is the only size it has.
    if (face_->num_fixed_sizes < 1 || FT_Select_Size(face_, 0) != 0) {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
        throw std::runtime_error("the emoji font has no bitmap strike: " + file.string());
    }
}

EmojiFont::~EmojiFont()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

bool EmojiFont::Has(char32_t codePoint) const
{
    return FT_Get_Char_Index(face_, codePoint) != 0;
}

CairoSurface EmojiFont::Glyph(char32_t codePoint) const
{
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_COLOR) != 0)
        return nullptr;
    const FT_Bitmap& bm = face_->glyph->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_BGRA || bm.width == 0 || bm.rows == 0)
        return nullptr;
    CairoSurface surface = NewImageSurface(static_cast<int>(bm.width), static_cast<int>(bm.rows));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    // FreeType's premultiplied BGRA bytes are Cairo's ARGB32 words on a little-endian machine.
    static_assert(std::endian::native == std::endian::little);
    for (unsigned y = 0; y < bm.rows; ++y)
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch,
                    static_cast<std::size_t>(bm.width) * 4);
    cairo_surface_mark_dirty(surface.get());
    return surface;
}
