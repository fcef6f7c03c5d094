// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of one word: its emoji, a drawing of our own, or its name on a card.
#include "tools/datagen/WordPainter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <optional>
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
    // units: one fills the box; several lie in a little heap, which the
    // painter then fits into the box as one thing.
    struct Place {
        double cx, cy, side;
    };
    std::vector<Place> places;
    const std::size_t n = glyphs.size();
    if (n == 1) {
        places.push_back({0.5, 0.5, 1.0});
    } else if (n == 2) {
        places = {{0.36, 0.36, 0.66}, {0.64, 0.64, 0.66}};
    } else {
        places = {{0.5, 0.34, 0.6}, {0.3, 0.66, 0.6}, {0.7, 0.66, 0.6}};
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
    // A card inside the thing box, so that every place shows it whole.
    const CardColour c = WordColour(word.key);
    const double w = kThingBox.right - kThingBox.left;
    RoundedRect(cr, kThingBox.left, 90, w, 120, 24);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgb(cr, c.r * 0.75, c.g * 0.75, c.b * 0.75);
    cairo_stroke(cr);

    const std::string capitals = Cp1250ToUtf8(UpperPolish(Utf8ToCp1250(word.spelling)));
    cairo_set_font_face(cr, caption_.Face());
    cairo_set_font_size(cr, 100);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, capitals.c_str(), &ext);
    const double size = std::min(60.0, 100.0 * (w - 24) / ext.width);
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

PictureKind WordPainter::DrawThing(cairo_t* cr, const DatagenWord& word) const
{
    const std::u32string emoji = EmojiForWord(word.key);
    if (!emoji.empty()) {
        cairo_save(cr);
        const Box box{kThingBox.left, kThingBox.top, kThingBox.right - kThingBox.left, kThingBox.bottom - kThingBox.top};
        const bool drawn = PaintEmoji(cr, emoji, box);
        cairo_restore(cr);
        if (drawn)
            return PictureKind::Emoji;
    }
    if (HasDrawing(word.key) && DrawWordThing(cr, word.key))
        return PictureKind::Drawing;
    return PictureKind::Caption;
}

namespace {

// The rectangle of the layer's pixels that are more than faintly drawn.
std::optional<DesignBox> InkBounds(cairo_surface_t* layer)
{
    cairo_surface_flush(layer);
    const unsigned char* data = cairo_image_surface_get_data(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < cairo_image_surface_get_height(layer); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < cairo_image_surface_get_width(layer); ++x)
            if ((row[x] >> 24) > 12) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    }
    if (right < 0)
        return std::nullopt;
    return DesignBox{double(left), double(top), double(right), double(bottom)};
}

// The soft grounds every picture stands on, one family of pale tints of
// equal lightness, each with the deeper shade of its hue that outlines a
// thing of pale colours.
struct Ground {
    CardColour pale, deep;
};

CardColour FromHex(uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Ground GroundOf(const std::string& key)
{
    static const uint32_t grounds[][2] = {
        {0xFDE3D3, 0xEE9A66},  // peach
        {0xFBDDE8, 0xE27FA6},  // pink
        {0xE9E1F8, 0xA48ADC},  // lilac
        {0xDCEBFA, 0x74A8E4},  // sky
        {0xDAF1E6, 0x62C08E},  // mint
        {0xD8F0EF, 0x56B8B0},  // aqua
        {0xF8F0CF, 0xD8B440},  // lemon
        {0xF9DCDC, 0xE48282},  // rose
    };
    const auto& g = grounds[(Fnv1a(key) >> 3) % std::size(grounds)];
    return {FromHex(g[0]), FromHex(g[1])};
}

CardColour Mix(const CardColour& a, const CardColour& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The ground: its tint at the edges, nearly white in the middle.
void PaintGround(cairo_t* cr, const Ground& g)
{
    const CardColour inner = Mix(CardColour{1, 1, 1}, g.pale, 0.3);
    cairo_pattern_t* ground = cairo_pattern_create_radial(kAreaWidth / 2, kAreaHeight / 2, 30, kAreaWidth / 2,
                                                          kAreaHeight / 2, kAreaWidth * 0.62);
    cairo_pattern_add_color_stop_rgb(ground, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(ground, 1, g.pale.r, g.pale.g, g.pale.b);
    cairo_set_source(cr, ground);
    cairo_paint(cr);
    cairo_pattern_destroy(ground);
}

// A thing of pale colours (a swan, a snowflake, a glass of milk) would fade
// into the ground: it gets an outline in the ground's deep shade, its
// silhouette grown by a few pixels all round.
void PaintOutline(cairo_t* cr, cairo_surface_t* thing, const CardColour& ring, double width)
{
    cairo_push_group(cr);
    constexpr int kSteps = 16;
    for (int i = 0; i < kSteps; ++i) {
        const double a = 2 * std::numbers::pi * i / kSteps;
        cairo_set_source_rgb(cr, ring.r, ring.g, ring.b);
        cairo_mask_surface(cr, thing, width * std::cos(a), width * std::sin(a));
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

}  // namespace

CairoSurface WordPainter::PaintThing(const DatagenWord& word, PictureKind& kind, double scale) const
{
    // Drawn once as it comes to find its ink, then again fitted into the
    // thing box: a drawing or a heap of emoji of any shape fills as much of
    // the box as its proportions allow, centred in it.
    // The loose layer reaches a whole area beyond each side, for drawings
    // that overflow their 400 x 300 (a slanting comb's ends).
    CairoSurface loose = NewImageSurface(static_cast<int>(3 * kAreaWidth), static_cast<int>(3 * kAreaHeight));
    CairoContext lcr(cairo_create(loose.get()));
    cairo_translate(lcr.get(), kAreaWidth, kAreaHeight);
    kind = DrawThing(lcr.get(), word);
    CairoSurface fitted = NewImageSurface(static_cast<int>(std::lround(kAreaWidth * scale)),
                                          static_cast<int>(std::lround(kAreaHeight * scale)));
    const std::optional<DesignBox> ink = InkBounds(loose.get());
    if (kind == PictureKind::Caption || !ink)
        return fitted;
    const double boxWidth = kThingBox.right - kThingBox.left, boxHeight = kThingBox.bottom - kThingBox.top;
    const double inkWidth = ink->right - ink->left, inkHeight = ink->bottom - ink->top;
    const double fit = std::min(boxWidth / inkWidth, boxHeight / inkHeight);
    CairoContext cr(cairo_create(fitted.get()));
    cairo_scale(cr.get(), scale, scale);
    cairo_translate(cr.get(), (kThingBox.left + kThingBox.right) / 2, (kThingBox.top + kThingBox.bottom) / 2);
    cairo_scale(cr.get(), fit, fit);
    cairo_translate(cr.get(), kAreaWidth - (ink->left + ink->right) / 2, kAreaHeight - (ink->top + ink->bottom) / 2);
    DrawThing(cr.get(), word);
    return fitted;
}

CairoSurface WordPainter::PaintSurface(const DatagenWord& word, PictureSize size, PictureKind& kind) const
{
    const bool small = size == PictureSize::Small;
    const int width = small ? kSmallPictureWidth : kLargePictureWidth;
    const int height = small ? kSmallPictureHeight : kLargePictureHeight;
    const double scale = width / kAreaWidth;
    CairoSurface thing = PaintThing(word, kind, scale);
    CairoSurface surface = NewImageSurface(width, height);
    CairoContext cr(cairo_create(surface.get()));
    const Ground ground = GroundOf(word.key);
    const CardColour under = Mix(CardColour{1, 1, 1}, ground.pale, 0.6);
    const bool pale = kind != PictureKind::Caption && FadesInto(thing.get(), under.r, under.g, under.b);
    cairo_save(cr.get());
    cairo_scale(cr.get(), scale, scale);
    PaintGround(cr.get(), ground);
    if (kind == PictureKind::Caption) {
        PaintCaption(cr.get(), word);
        return surface;
    }
    cairo_restore(cr.get());
    if (pale)
        PaintOutline(cr.get(), thing.get(), ground.deep, 5 * scale);
    cairo_set_source_surface(cr.get(), thing.get(), 0, 0);
    cairo_paint(cr.get());
    return surface;
}

Bitmap WordPainter::Paint(const DatagenWord& word, PictureSize size, PictureKind& kind) const
{
    CairoSurface surface = PaintSurface(word, size, kind);
    return BitmapFromSurface(surface.get());
}
