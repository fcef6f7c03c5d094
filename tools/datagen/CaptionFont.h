// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// DejaVu Sans Bold as a Cairo font face, for the words and digits on pictures.
#pragma once

#include <cairo.h>

#include <filesystem>

// One per thread, like every FreeType object.
class CaptionFont {
public:
    static std::filesystem::path DefaultFile();

    // Throws std::runtime_error when the font cannot be opened.
    explicit CaptionFont(const std::filesystem::path& file = DefaultFile());
    ~CaptionFont();
    CaptionFont(const CaptionFont&) = delete;
    CaptionFont& operator=(const CaptionFont&) = delete;

    cairo_font_face_t* Face() const { return face_; }

private:
    cairo_font_face_t* face_ = nullptr;
};
