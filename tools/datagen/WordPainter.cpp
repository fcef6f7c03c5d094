// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#include "tools/datagen/WordPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "graphics/Universalfn.h"
#include "platform/Text.h"
#include "tools/datagen/WordDrawings.h"
#include "tools/datagen/WordEmoji.h"

namespace {

// Every picture is drawn on this area and scaled to the file's size.
constexpr double kAreaWidth = 400;
constexpr double kAreaHeight = 300;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

uint32_t Fnv1a(const std::string& text)
{
    uint32_t h = 2166136261u;
    for (unsigned char c : text)
        h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

CardColour WordColour(const std::string& key)
{
    static const CardColour palette[] = {
        {0.96, 0.36, 0.36},  // tomato
        {1.00, 0.56, 0.20},  // orange
        {0.18, 0.72, 0.42},  // green
        {0.10, 0.66, 0.62},  // teal
        {0.20, 0.56, 0.90},  // sky blue
        {0.56, 0.38, 0.84},  // violet
        {0.95, 0.38, 0.66},  // pink
        {0.92, 0.66, 0.05},  // sunflower
    };
    return palette[Fnv1a(key) % std::size(palette)];
}

bool WordPainter::PaintEmoji(cairo_t* cr, const std::u32string& emoji) const
{
    std::vector<CairoSurface> glyphs;
    double totalWidth = 0;
    double height = 0;
    for (char32_t c : emoji) {
        CairoSurface g = emoji_.Glyph(c);
        if (!g)
            return false;
        totalWidth += cairo_image_surface_get_width(g.get());
        height = std::max<double>(height, cairo_image_surface_get_height(g.get()));
        glyphs.push_back(std::move(g));
    }
    if (glyphs.empty())
        return false;
    // One emoji fills most of the height; several share the width, a little overlapped.
    const double gap = glyphs.size() > 1 ? -8.0 : 0.0;
    const double fullWidth = totalWidth + gap * static_cast<double>(glyphs.size() - 1);
    const double scale = std::min(230.0 / height, 370.0 / fullWidth);
    double x = (kAreaWidth - fullWidth * scale) / 2;
    for (const CairoSurface& g : glyphs) {
        const double w = cairo_image_surface_get_width(g.get());
        const double h = cairo_image_surface_get_height(g.get());
        cairo_save(cr);
        cairo_translate(cr, x, (kAreaHeight - h * scale) / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, g.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
        cairo_paint(cr);
        cairo_restore(cr);
        x += (w + gap) * scale;
    }
    return true;
}

void WordPainter::PaintCaption(cairo_t* cr, const DatagenWord& word) const
{
    const CardColour c = WordColour(word.key);
    RoundedRect(cr, 16, 30, kAreaWidth - 32, kAreaHeight - 60, 36);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 6);
    cairo_set_source_rgb(cr, c.r * 0.75, c.g * 0.75, c.b * 0.75);
    cairo_stroke(cr);
    // A light band across the top makes the card look glossy.
    RoundedRect(cr, 30, 42, kAreaWidth - 60, 70, 28);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_fill(cr);

    const std::string capitals = Cp1250ToUtf8(UpperPolish(Utf8ToCp1250(word.spelling)));
    cairo_set_font_face(cr, caption_.Face());
    cairo_set_font_size(cr, 100);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, capitals.c_str(), &ext);
    const double size = std::min(100.0, 100.0 * 320.0 / ext.width);
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, capitals.c_str(), &ext);
    const double x = (kAreaWidth - ext.width) / 2 - ext.x_bearing;
    const double y = (kAreaHeight - ext.height) / 2 - ext.y_bearing;
    cairo_move_to(cr, x + 3, y + 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_show_text(cr, capitals.c_str());
    cairo_move_to(cr, x, y);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, capitals.c_str());
}

CairoSurface WordPainter::PaintSurface(const DatagenWord& word, int width, int height, PictureKind& kind) const
{
    CairoSurface surface = NewImageSurface(width, height);
    CairoContext cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_scale(cr.get(), width / kAreaWidth, height / kAreaHeight);

    const std::u32string emoji = EmojiForWord(word.key);
    if (!emoji.empty()) {
        // A pale disc in the word's colour behind the emoji.
        const CardColour c = WordColour(word.key);
        cairo_save(cr.get());
        cairo_translate(cr.get(), kAreaWidth / 2, kAreaHeight / 2);
        cairo_scale(cr.get(), 1.25, 1.0);
        cairo_arc(cr.get(), 0, 0, 138, 0, 2 * std::numbers::pi);
        cairo_restore(cr.get());
        cairo_set_source_rgb(cr.get(), 1 - (1 - c.r) * 0.18, 1 - (1 - c.g) * 0.18, 1 - (1 - c.b) * 0.18);
        cairo_fill(cr.get());
        cairo_save(cr.get());
        const bool painted = PaintEmoji(cr.get(), emoji);
        cairo_restore(cr.get());
        if (painted) {
            kind = PictureKind::Emoji;
            return surface;
        }
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
    }
    cairo_save(cr.get());
    const bool drawn = DrawWordThing(cr.get(), word.key, caption_.Face());
    cairo_restore(cr.get());
    if (drawn) {
        kind = PictureKind::Drawing;
        return surface;
    }
    PaintCaption(cr.get(), word);
    kind = PictureKind::Caption;
    return surface;
}

Bitmap WordPainter::Paint(const DatagenWord& word, int width, int height, PictureKind& kind) const
{
    CairoSurface surface = PaintSurface(word, width, height, kind);
    return BitmapFromSurface(surface.get());
}
