// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// DejaVu Sans Bold as a Cairo font face, for the words and digits on pictures.
#include "tools/datagen/CaptionFont.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <stdexcept>

namespace {

cairo_user_data_key_t faceKey;

// Cairo may keep a font face in its caches after we let go of it, so the
// FreeType face and its library go away only when Cairo drops the face.
struct FreeTypeFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~FreeTypeFace()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

void DoneFace(void* data)
{
    std::unique_ptr<FreeTypeFace> owned(static_cast<FreeTypeFace*>(data));
}

}  // namespace

std::filesystem::path CaptionFont::DefaultFile()
{
    return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

CaptionFont::CaptionFont(const std::filesystem::path& file)
{
    auto owned = std::make_unique<FreeTypeFace>();
    if (FT_Init_FreeType(&owned->library) != 0)
        throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(owned->library, file.c_str(), 0, &owned->face) != 0)
        throw std::runtime_error("cannot open the font " + file.string());
    face_ = cairo_ft_font_face_create_for_ft_face(owned->face, 0);
    if (cairo_font_face_set_user_data(face_, &faceKey, owned.get(), DoneFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face_);
        DoneFace(owned.release());
        throw std::runtime_error("Cairo cannot use the font " + file.string());
    }
    owned.release();
}

CaptionFont::~CaptionFont()
{
    cairo_font_face_destroy(face_);
}
