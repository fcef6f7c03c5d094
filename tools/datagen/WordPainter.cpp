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

// True when most of what is drawn on the layer is close in colour to the
// pale disc (a white swan, a light blue snowflake): it would fade into it.
bool FadesInto(cairo_surface_t* layer, double r, double g, double b)
{
    cairo_surface_flush(layer);
    const unsigned char* data = cairo_image_surface_get_data(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    const int ground[3] = {static_cast<int>(r * 255), static_cast<int>(g * 255), static_cast<int>(b * 255)};
    long drawn = 0;
    long close = 0;
    for (int y = 0; y < cairo_image_surface_get_height(layer); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < cairo_image_surface_get_width(layer); ++x) {
            // Premultiplied ARGB: only the nearly opaque pixels are judged.
            const uint32_t p = row[x];
            if ((p >> 24) < 230)
                continue;
            ++drawn;
            const int step = std::max({std::abs(static_cast<int>((p >> 16) & 0xFF) - ground[0]),
                                       std::abs(static_cast<int>((p >> 8) & 0xFF) - ground[1]),
                                       std::abs(static_cast<int>(p & 0xFF) - ground[2])});
            close += step < 72;
        }
    }
    return drawn > 0 && close * 2 > drawn;
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

    // The thing is painted on a layer of its own first, so that the disc
    // behind it can be chosen to set it off.
    CairoSurface layer = NewImageSurface(width, height);
    CairoContext lcr(cairo_create(layer.get()));
    kind = PictureKind::Caption;
    const std::u32string emoji = EmojiForWord(word.key);
    if (!emoji.empty()) {
        cairo_save(lcr.get());
        if (PaintEmoji(lcr.get(), emoji, emojiBox))
            kind = PictureKind::Emoji;
        cairo_restore(lcr.get());
    }
    if (kind == PictureKind::Caption && HasDrawing(word.key)) {
        cairo_save(lcr.get());
        cairo_translate(lcr.get(), designBox.x, designBox.y);
        cairo_scale(lcr.get(), designBox.w / kAreaWidth, designBox.h / kAreaHeight);
        if (DrawWordThing(lcr.get(), word.key))
            kind = PictureKind::Drawing;
        cairo_restore(lcr.get());
    }

    CairoSurface surface = NewImageSurface(width, height);
    CairoContext cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    if (kind == PictureKind::Caption) {
        cairo_translate(cr.get(), designBox.x, designBox.y);
        cairo_scale(cr.get(), designBox.w / kAreaWidth, designBox.h / kAreaHeight);
        PaintCaption(cr.get(), word);
        return surface;
    }
    // A disc in the word's colour behind the thing: pale as a rule, deep
    // behind a thing of pale colours of its own (a sheep, a snowflake, a
    // glass of milk), which would fade into a pale one.
    const CardColour c = WordColour(word.key);
    const auto tint = [&c](double depth) {
        return CardColour{1 - (1 - c.r) * depth, 1 - (1 - c.g) * depth, 1 - (1 - c.b) * depth};
    };
    const CardColour pale = tint(0.18);
    const bool deep = FadesInto(layer.get(), pale.r, pale.g, pale.b);
    const CardColour disc = deep ? tint(0.75) : pale;
    cairo_save(cr.get());
    cairo_translate(cr.get(), width / 2.0, height / 2.0);
    // A deep disc stays inside the strip a memory card keeps, or the card
    // would show its cut edges as coloured bands.
    if (small)
        cairo_scale(cr.get(), deep ? 55 : 72, 72);
    else
        cairo_scale(cr.get(), emojiBox.w / 2, emojiBox.h / 2 + 20);
    cairo_arc(cr.get(), 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr.get());
    cairo_set_source_rgb(cr.get(), disc.r, disc.g, disc.b);
    cairo_fill(cr.get());
    cairo_set_source_surface(cr.get(), layer.get(), 0, 0);
    cairo_paint(cr.get());
    return surface;
}

Bitmap WordPainter::Paint(const DatagenWord& word, PictureSize size, PictureKind& kind) const
{
    CairoSurface surface = PaintSurface(word, size, kind);
    return BitmapFromSurface(surface.get());
}
