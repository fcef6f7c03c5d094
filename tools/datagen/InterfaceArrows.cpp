// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen arrows of the games steered by arrows (the conveyor and the
// forklift): four large buttons of each display mode in the picture library,
// the glow that shows a child which arrow to press, and the star of the
// bursts that greet a right answer.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiCanvas.h"

namespace {

// Left, up, right, down: the letters of the library names ("lewo", "góra",
// "prawo", "dół") and the arrow's direction.
struct ArrowKind {
    const char* letter;
    double dx, dy;
};
constexpr ArrowKind kArrows[4] = {{"L", -1, 0}, {"G", 0, -1}, {"P", 1, 0}, {"D", 0, 1}};

const UiColour kArrowFace = Hex(0x3CC068);

std::string ArrowBase(const UiMode& m, const ArrowKind& a) { return std::string(m.prefix) + "strz" + a.letter; }

// A rounded green key with a fat white arrow: the program's button look,
// large enough for a small finger.
void DrawArrowButton(UiCanvas& c, const ArrowKind& a, int state)
{
    cairo_t* cr = c.Cr();
    const double s = c.Width();
    const double line = std::max(2.0, s * 0.045);
    UiColour face = kArrowFace;
    if (state == 1)
        face = Lighter(face, 0.22);
    if (state == 2)
        face = Darker(face, 0.15);
    const double press = state == 2 ? s * 0.03 : 0;
    SoftShadow(cr, line, line * 2, s - 2 * line, s - 3 * line, s * 0.22, line, 0.25);
    GlossyBox(cr, line / 2 + 0.5, line / 2 + 0.5 + press, s - line - 1, s - line * 2 - 1, s * 0.22, Lighter(face, 0.18),
              Darker(face, 0.12), Darker(kArrowFace, 0.45), line);
    if (state == 1) {
        SetColour(cr, Hex(0xFFF6A8, 0.9));
        cairo_set_line_width(cr, line * 0.8);
        RoundedRectPath(cr, line * 1.8, line * 1.8 + press, s - line * 3.6, s - line * 4.6, s * 0.17);
        cairo_stroke(cr);
    }
    // The arrow, drawn pointing right about the centre, then turned.
    const double cx = s / 2, cy = (s - line) / 2 + press;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, std::atan2(a.dy, a.dx));
    cairo_move_to(cr, -s * 0.26, -s * 0.09);
    cairo_line_to(cr, s * 0.02, -s * 0.09);
    cairo_line_to(cr, s * 0.02, -s * 0.22);
    cairo_line_to(cr, s * 0.28, 0);
    cairo_line_to(cr, s * 0.02, s * 0.22);
    cairo_line_to(cr, s * 0.02, s * 0.09);
    cairo_line_to(cr, -s * 0.26, s * 0.09);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, Darker(kArrowFace, 0.5));
    cairo_set_line_width(cr, line * 1.6);
    cairo_stroke_preserve(cr);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
}

// A bright ring round a button, golden with a white edge inside; the game
// fades it in and out.
void DrawGlow(UiCanvas& c, double pad)
{
    cairo_t* cr = c.Cr();
    const double w = c.Width();
    const double inset = pad * 0.3, band = pad * 0.5;
    RoundedRectPath(cr, inset + band / 2, inset + band / 2, w - 2 * inset - band, w - 2 * inset - band,
                    (w - 2 * inset) * 0.24);
    SetColour(cr, Hex(0xFFB020));
    cairo_set_line_width(cr, band);
    cairo_stroke_preserve(cr);
    SetColour(cr, Hex(0xFFF6A8));
    cairo_set_line_width(cr, band * 0.35);
    cairo_stroke(cr);
}

// A five-pointed star, golden with a white glint.
void DrawStar(UiCanvas& c)
{
    cairo_t* cr = c.Cr();
    const double s = c.Width();
    StarPath(cr, s / 2, s / 2 + s * 0.03, s * 0.46, s * 0.2, 5);
    cairo_pattern_t* p = cairo_pattern_create_radial(s * 0.42, s * 0.38, s * 0.05, s / 2, s / 2, s * 0.5);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.69, 0.13);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColour(cr, Hex(0xD9552B));
    cairo_set_line_width(cr, std::max(1.2, s * 0.05));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, s * 0.42, s * 0.38, s * 0.07, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFFFFF, 0.9));
    cairo_fill(cr);
}

} // namespace

UiSize ArrowButtonSize(const UiMode& m) { return m.mode == 2 ? UiSize{72, 72} : m.mode == 4 ? UiSize{92, 92} : UiSize{116, 116}; }

UiSize ArrowGlowSize(const UiMode& m)
{
    const int side = ArrowButtonSize(m).width * 3 / 2;
    return {side, side};
}

UiSize StarSize(const UiMode& m) { return m.mode == 2 ? UiSize{30, 30} : m.mode == 4 ? UiSize{38, 38} : UiSize{48, 48}; }

void AddArrowFiles(std::vector<InterfaceFile>& files, const UiMode& m)
{
    const std::string obj = std::string("Data\\Intf\\Spec\\") + m.prefix;
    for (const ArrowKind& a : kArrows)
        for (const char* suffix : {"_A", "_D", "_", "_M"})
            files.push_back({ArrowBase(m, a) + suffix, ArrowButtonSize(m).width, ArrowButtonSize(m).height, true});
    for (const char* ending : {"B.xji", "W.xji"}) {
        files.push_back({obj + "strz_pod" + ending, ArrowGlowSize(m).width, ArrowGlowSize(m).height, false});
        files.push_back({obj + "gwiazdka" + ending, StarSize(m).width, StarSize(m).height, false});
    }
}

void GenerateArrows(InterfaceWriter& out, const UiMode& m)
{
    const UiSize size = ArrowButtonSize(m);
    for (const ArrowKind& a : kArrows) {
        Bitmap mask;
        const std::pair<int, const char*> states[] = {{0, "_D"}, {1, "_A"}, {2, "_"}};
        for (const auto& [state, suffix] : states) {
            UiCanvas c(size.width, size.height);
            DrawArrowButton(c, a, state);
            Bitmap picture;
            LibraryPicture(c, picture, state == 0 ? &mask : nullptr);
            out.Library(ArrowBase(m, a) + suffix, picture);
        }
        out.Library(ArrowBase(m, a) + "_M", mask);
    }
    const UiSize glow = ArrowGlowSize(m);
    UiCanvas ring(glow.width, glow.height);
    DrawGlow(ring, (glow.width - size.width) / 2.0);
    out.Pair(std::string("Data\\Intf\\Spec\\") + m.prefix + "strz_pod", ".xji", ring);
    const UiSize star = StarSize(m);
    UiCanvas c(star.width, star.height);
    DrawStar(c);
    out.Pair(std::string("Data\\Intf\\Spec\\") + m.prefix + "gwiazdka", ".xji", c);
}
