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

bool WordPainter::PaintEmoji(cairo_t* cr, const std::u32string& emoji, Box box) const
{
    std::vector<CairoSurface> glyphs;
    for (char32_t c : emoji) {
        CairoSurface g = emoji_.Glyph(c);
        if (!g)
            return false;
        glyphs.push_back(std::move(g));
    }
    if (glyphs.empty())
        return false;
    // Where each emoji goes, as the centre and the side of its square in box
    // units: one fills the box; several stand in a row in a wide box and in
    // a little heap in a square one, so that they stay inside it.
    struct Place {
        double cx, cy, side;
    };
    std::vector<Place> places;
    const std::size_t n = glyphs.size();
    const double aspect = box.w / box.h;
    if (n == 1) {
        places.push_back({0.5, 0.5, 1.0});
    } else if (aspect > 1.2) {
        const double side = std::min(1.0, aspect / (static_cast<double>(n) * 0.92));
        for (std::size_t i = 0; i < n; ++i) {
            const double step = side * 0.92 / aspect;
            places.push_back({0.5 + (static_cast<double>(i) - (n - 1) / 2.0) * step, 0.5, side});
        }
    } else if (n == 2) {
        places = {{0.33, 0.33, 0.64}, {0.67, 0.67, 0.64}};
    } else {
        places = {{0.5, 0.28, 0.54}, {0.26, 0.72, 0.54}, {0.74, 0.72, 0.54}};
    }
    const double unit = std::min(box.w, box.h);
    for (std::size_t i = 0; i < n && i < places.size(); ++i) {
        const double w = cairo_image_surface_get_width(glyphs[i].get());
        const double h = cairo_image_surface_get_height(glyphs[i].get());
        const double scale = places[i].side * unit / std::max(w, h);
        cairo_save(cr);
        cairo_translate(cr, box.x + places[i].cx * box.w - w * scale / 2, box.y + places[i].cy * box.h - h * scale / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, glyphs[i].get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
        cairo_paint(cr);
        cairo_restore(cr);
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

CairoSurface WordPainter::PaintSurface(const DatagenWord& word, PictureSize size, PictureKind& kind) const
{
    const bool small = size == PictureSize::Small;
    const int width = small ? kSmallPictureWidth : kLargePictureWidth;
    const int height = small ? kSmallPictureHeight : kLargePictureHeight;
    // The emoji box lies inside the 111 middle columns that a memory card's
    // 62 : 84 strip keeps of the small picture.
    const Box emojiBox = small ? Box{45, 12, 110, 126} : Box{15, 35, 370, 230};
    // Drawings and cards are made on the 400 x 300 area and scaled into this box;
    // their own margins take the small cut of the narrowest strips.
    const Box designBox = small ? Box{35, 26.25, 130, 97.5} : Box{0, 0, 400, 300};

    CairoSurface surface = NewImageSurface(width, height);
    CairoContext cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());

    // A pale disc in the word's colour behind the emoji or the drawing.
    const auto paleDisc = [&] {
        const CardColour c = WordColour(word.key);
        cairo_save(cr.get());
        cairo_translate(cr.get(), width / 2.0, height / 2.0);
        if (small)
            cairo_scale(cr.get(), 72, 72);
        else
            cairo_scale(cr.get(), emojiBox.w / 2, emojiBox.h / 2 + 20);
        cairo_arc(cr.get(), 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(cr.get());
        cairo_set_source_rgb(cr.get(), 1 - (1 - c.r) * 0.18, 1 - (1 - c.g) * 0.18, 1 - (1 - c.b) * 0.18);
        cairo_fill(cr.get());
    };
    const std::u32string emoji = EmojiForWord(word.key);
    if (!emoji.empty()) {
        paleDisc();
        cairo_save(cr.get());
        const bool painted = PaintEmoji(cr.get(), emoji, emojiBox);
        cairo_restore(cr.get());
        if (painted) {
            kind = PictureKind::Emoji;
            return surface;
        }
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
    }
    if (HasDrawing(word.key)) {
        paleDisc();
        cairo_save(cr.get());
        cairo_translate(cr.get(), designBox.x, designBox.y);
        cairo_scale(cr.get(), designBox.w / kAreaWidth, designBox.h / kAreaHeight);
        const bool drawn = DrawWordThing(cr.get(), word.key);
        cairo_restore(cr.get());
        if (drawn) {
            kind = PictureKind::Drawing;
            return surface;
        }
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
    }
    cairo_translate(cr.get(), designBox.x, designBox.y);
    cairo_scale(cr.get(), designBox.w / kAreaWidth, designBox.h / kAreaHeight);
    PaintCaption(cr.get(), word);
    kind = PictureKind::Caption;
    return surface;
}

Bitmap WordPainter::Paint(const DatagenWord& word, PictureSize size, PictureKind& kind) const
{
    CairoSurface surface = PaintSurface(word, size, kind);
    return BitmapFromSurface(surface.get());
}
