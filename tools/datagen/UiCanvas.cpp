// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cairo drawing surface, shared shapes and lettering of the interface pictures.
#include "tools/datagen/UiCanvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

UiColour Hex(unsigned rgb, double alpha)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

UiColour Mix(UiColour a, UiColour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

UiColour Lighter(UiColour c, double amount) { return Mix(c, UiColour{1, 1, 1, c.a}, amount); }
UiColour Darker(UiColour c, double amount) { return Mix(c, UiColour{0, 0, 0, c.a}, amount); }

void SetColour(cairo_t* cr, UiColour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

UiCanvas::UiCanvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_))
{
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

UiCanvas::~UiCanvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

int UiCanvas::AlphaAt(int x, int y) const
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    uint32_t px;
    std::copy_n(data + static_cast<std::size_t>(y) * stride + x * 4, 4, reinterpret_cast<unsigned char*>(&px));
    return static_cast<int>(px >> 24);
}

Bitmap UiCanvas::Over(const Bitmap& background, int ox, int oy) const
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Bitmap out(width_, height_, PixelFormat::Bgr24);
    for (int y = 0; y < height_; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        uint8_t* dst = out.ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            // Cairo keeps premultiplied colour, so "over" is one multiply-add.
            const uint32_t p = src[x];
            const unsigned a = p >> 24;
            const TColor bg = background.GetPixel(x + ox, y + oy);
            const unsigned r = ((p >> 16) & 0xFF) + (GetRValue(bg) * (255 - a) + 127) / 255;
            const unsigned g = ((p >> 8) & 0xFF) + (GetGValue(bg) * (255 - a) + 127) / 255;
            const unsigned b = (p & 0xFF) + (GetBValue(bg) * (255 - a) + 127) / 255;
            dst[x * 3 + 0] = static_cast<uint8_t>(std::min(255u, b));
            dst[x * 3 + 1] = static_cast<uint8_t>(std::min(255u, g));
            dst[x * 3 + 2] = static_cast<uint8_t>(std::min(255u, r));
        }
    }
    return out;
}

Bitmap UiCanvas::Over(TColor background) const
{
    Bitmap plain(width_, height_, PixelFormat::Bgr24);
    plain.Fill(background);
    return Over(plain);
}

void UiCanvas::Paint(const Bitmap& picture, double x, double y)
{
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width(), picture.Height());
    cairo_surface_flush(img);
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int row = 0; row < picture.Height(); ++row) {
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(row) * stride);
        for (int col = 0; col < picture.Width(); ++col) {
            const TColor c = picture.GetPixel(col, row);
            dst[col] = 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
    cairo_surface_mark_dirty(img);
    cairo_save(cr_);
    cairo_set_source_surface(cr_, img, x, y);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(img);
}

void UiCanvas::WritePng(const std::filesystem::path& file) const
{
    cairo_surface_flush(surface_);
    cairo_surface_write_to_png(surface_, file.c_str());
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::max(0.0, std::min(r, std::min(w, h) / 2));
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn - M_PI / 2 + i * M_PI / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, UiColour top, UiColour bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double spread, double alpha)
{
    // Stacked translucent outlines stand in for a blur.
    const int steps = std::max(1, static_cast<int>(spread));
    for (int i = steps; i >= 1; --i) {
        const double grow = spread * i / steps;
        RoundedRectPath(cr, x - grow, y - grow, w + 2 * grow, h + 2 * grow, r + grow);
        cairo_set_source_rgba(cr, 0, 0, 0, alpha / steps);
        cairo_fill(cr);
    }
}

void GlossyBox(cairo_t* cr, double x, double y, double w, double h, double r, UiColour top, UiColour bottom,
               UiColour outline, double outlineWidth)
{
    RoundedRectPath(cr, x, y, w, h, r);
    VerticalGradient(cr, y, y + h, top, bottom);
    cairo_fill_preserve(cr);
    if (outlineWidth > 0) {
        SetColour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
    const double inset = std::max(1.5, outlineWidth * 1.2);
    RoundedRectPath(cr, x + inset, y + inset, w - 2 * inset, h * 0.45, std::max(0.0, r - inset));
    VerticalGradient(cr, y + inset, y + h * 0.5, UiColour{1, 1, 1, 0.55}, UiColour{1, 1, 1, 0.05});
    cairo_fill(cr);
}

const char* FontFile(UiFace face)
{
    switch (face) {
    case UiFace::Bold:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case UiFace::Regular:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case UiFace::Rounded:
        return "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    }
    return "";
}

namespace {

FT_Library FreeType()
{
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0)
            throw std::runtime_error("FreeType cannot start");
        return lib;
    }();
    return library;
}

// Faces live as long as the generator: Cairo keeps using them.
cairo_font_face_t* Face(UiFace which, bool italic)
{
    static std::map<std::pair<UiFace, bool>, cairo_font_face_t*> faces;
    auto key = std::make_pair(which, italic);
    auto it = faces.find(key);
    if (it != faces.end())
        return it->second;
    const char* file = FontFile(which);
    if (italic && which == UiFace::Rounded)
        file = "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf";
    FT_Face ft = nullptr;
    if (FT_New_Face(FreeType(), file, 0, &ft) != 0)
        throw std::runtime_error(std::string("font file missing: ") + file);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    faces[key] = face;
    return face;
}

void Select(cairo_t* cr, const UiTextStyle& style)
{
    cairo_set_font_face(cr, Face(style.face, style.italic));
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void Ink(cairo_t* cr, const UiTextStyle& style)
{
    if (style.outlineWidth > 0) {
        cairo_save(cr);
        SetColour(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_restore(cr);
    }
    SetColour(cr, style.fill);
    cairo_fill(cr);
}

} // namespace

double TextWidth(cairo_t* cr, const std::string& utf8, const UiTextStyle& style)
{
    cairo_save(cr);
    Select(cr, style);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    cairo_restore(cr);
    return ext.width;
}

double FittingSize(cairo_t* cr, const std::string& utf8, UiTextStyle style, double maxWidth)
{
    const double width = TextWidth(cr, utf8, style);
    if (width > maxWidth && width > 0)
        style.size *= maxWidth / width;
    return style.size;
}

void CentredText(cairo_t* cr, const std::string& utf8, double cx, double cy, const UiTextStyle& style)
{
    cairo_save(cr);
    Select(cr, style);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    cairo_font_extents_t fext;
    cairo_font_extents(cr, &fext);
    // Centre capitals on their own height so that "Ż" and "a" rows agree.
    const double capHeight = fext.ascent * 0.72;
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy + capHeight / 2);
    cairo_text_path(cr, utf8.c_str());
    Ink(cr, style);
    cairo_restore(cr);
}

void TextAt(cairo_t* cr, const std::string& utf8, double x, double baseline, const UiTextStyle& style)
{
    cairo_save(cr);
    Select(cr, style);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, utf8.c_str());
    Ink(cr, style);
    cairo_restore(cr);
}
