// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game: a cheerful studio wall with five little television
// sets whose windows are left see-through (the game shows its pictures in
// them), a cork board the word plates wait on, the word plate with its two
// suction cups, the hint's glowing ring and the snow of a screen tuning in.
#include <cmath>
#include <random>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"

namespace {

const unsigned kCasingColours[5] = {0xFF6B6B, 0x4D8DF5, 0x45C06A, 0xFFB020, 0xA77BF0};

void Wall(cairo_t* cr, const UiMode& m, double w, double h)
{
    const double s = m.scale;
    cairo_rectangle(cr, 0, 0, w, h);
    VerticalGradient(cr, 0, h, Hex(0xD7F1FF), Hex(0xFFF1DA));
    cairo_fill(cr);
    // Soft diagonal rows of stars and dots on the wallpaper.
    for (int row = 0; row * 64 * s < h; ++row)
        for (int col = -1; col * 64 * s < w; ++col) {
            const double x = col * 64 * s + (row % 2) * 32 * s, y = 20 * s + row * 64 * s;
            if ((row + col) % 3 == 0) {
                StarPath(cr, x, y, 7 * s, 3 * s, 5);
                SetColour(cr, Hex(0xFFFFFF, 0.55));
            } else {
                cairo_arc(cr, x, y, 3 * s, 0, 2 * M_PI);
                SetColour(cr, Hex(0x9FD4F5, 0.35));
            }
            cairo_fill(cr);
        }
    // The floor the room stands on.
    const double floorTop = 885 * s;
    cairo_rectangle(cr, 0, floorTop, w, h - floorTop);
    VerticalGradient(cr, floorTop, h, Hex(0xE6B27A), Hex(0xC98A4B));
    cairo_fill(cr);
    for (double y = floorTop + 30 * s; y < h; y += 34 * s) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y);
        SetColour(cr, Hex(0x9A6234, 0.3));
        cairo_set_line_width(cr, 2 * s);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, 0, floorTop - 12 * s, w, 14 * s);
    VerticalGradient(cr, floorTop - 12 * s, floorTop + 2 * s, Hex(0xFFFFFF), Hex(0xE8D8C0));
    cairo_fill(cr);
}

// The cork board on the right where the plates wait, under its heading:
// its cork reaches round every plate's home, its frame keeps clear of the
// drop places beside the screens.
void Board(cairo_t* cr, const UiMode& m)
{
    const double s = m.scale;
    const double x = 776 * s, y = 92 * s, w = 488 * s, h = 590 * s;
    SoftShadow(cr, x + 4 * s, y + 8 * s, w, h, 26 * s, 8 * s, 0.2);
    RoundedRectPath(cr, x - 12 * s, y - 12 * s, w + 24 * s, h + 24 * s, 30 * s);
    VerticalGradient(cr, y, y + h, Hex(0xD99A5B), Hex(0xB5743A));
    cairo_fill(cr);
    RoundedRectPath(cr, x, y, w, h, 20 * s);
    VerticalGradient(cr, y, y + h, Hex(0xF2CF94), Hex(0xE3B675));
    cairo_fill(cr);
    // Cork speckles, the same on every run.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(0, 1);
    cairo_save(cr);
    RoundedRectPath(cr, x, y, w, h, 20 * s);
    cairo_clip(cr);
    for (int i = 0; i < 900; ++i) {
        cairo_arc(cr, x + u(random) * w, y + u(random) * h, (0.8 + 1.4 * u(random)) * s, 0, 2 * M_PI);
        SetColour(cr, u(random) < 0.5 ? Hex(0xB98246, 0.45) : Hex(0xFFF0CF, 0.5));
        cairo_fill(cr);
    }
    cairo_restore(cr);

    UiTextStyle title;
    title.face = UiFace::Rounded;
    title.size = FittingSize(cr, "Przyczep napis pod obrazek!", UiTextStyle{UiFace::Rounded, 40 * s}, 480 * s);
    title.fill = Hex(0x3B7BE8);
    title.outline = Hex(0xFFFFFF);
    title.outlineWidth = 5 * s;
    CentredText(cr, "Przyczep napis pod obrazek!", x + w / 2, 46 * s, title);
}

// A little television set: antennas and feet outside its rectangle, the
// coloured frame inside it, the window cut out so the game's picture shows.
void Television(cairo_t* cr, const UiMode& m, const UiRect& r, UiColour colour)
{
    const double s = m.scale;
    const double x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
    const double cx = x + w / 2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * 8 * s, y + 2 * s);
        cairo_line_to(cr, cx + side * 40 * s, y - 34 * s);
        SetColour(cr, Hex(0x5A5A6E));
        cairo_set_line_width(cr, 3.5 * s);
        cairo_stroke(cr);
        cairo_arc(cr, cx + side * 40 * s, y - 34 * s, 5 * s, 0, 2 * M_PI);
        SetColour(cr, colour);
        cairo_fill(cr);
    }
    SoftShadow(cr, x + 3 * s, y + 7 * s, w, h, 18 * s, 7 * s, 0.22);
    RoundedRectPath(cr, x, y, w, h, 18 * s);
    VerticalGradient(cr, y, y + h, Lighter(colour, 0.2), Darker(colour, 0.12));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(colour, 0.4));
    cairo_set_line_width(cr, 2 * s);
    cairo_stroke(cr);
    // A shine along the top of the frame.
    RoundedRectPath(cr, x + 5 * s, y + 3 * s, w - 10 * s, 7 * s, 3.5 * s);
    SetColour(cr, Hex(0xFFFFFF, 0.45));
    cairo_fill(cr);
    const double b = SuctionCasingBorder(m);
    RoundedRectPath(cr, x + b - 2 * s, y + b - 2 * s, w - 2 * b + 4 * s, h - 2 * b + 4 * s, SuctionWindowRadius(m) + 2 * s);
    SetColour(cr, Darker(colour, 0.5));
    cairo_fill(cr);
    // The window: see-through in the pair.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    RoundedRectPath(cr, x + b, y + b, w - 2 * b, h - 2 * b, SuctionWindowRadius(m));
    cairo_fill(cr);
    cairo_restore(cr);
}

// Where a right plate will stick: a soft dashed outline under the screen.
void DockMark(cairo_t* cr, const UiMode& m, UiTrainPoint dock, UiColour colour)
{
    const UiSize p = SuctionPlateSize(m);
    const UiSpan face = SuctionPlateFace(m);
    const double x = dock.x - p.width / 2 + 3, y = dock.y - p.height / 2 + face.first + 3;
    RoundedRectPath(cr, x, y, p.width - 6, face.last - face.first - 6, 12 * m.scale);
    SetColour(cr, Hex(0xFFFFFF, 0.55));
    cairo_fill_preserve(cr);
    const double dash[] = {8 * m.scale, 6 * m.scale};
    cairo_set_dash(cr, dash, 2, 0);
    SetColour(cr, Mix(colour, Hex(0xFFFFFF), 0.2));
    cairo_set_line_width(cr, 2.5 * m.scale);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void DrawScene(UiCanvas& c, const UiMode& m)
{
    cairo_t* cr = c.Cr();
    Wall(cr, m, c.Width(), c.Height());
    Board(cr, m);
    for (int k = 0; k < 5; ++k)
        DockMark(cr, m, SuctionDock(m, k), Hex(kCasingColours[k]));
    for (int k = 0; k < 5; ++k)
        Television(cr, m, SuctionScreen(m, k), Hex(kCasingColours[k]));
}

// The word plate: a white sign with a rim, a soft shadow under it, and two
// red suction cups on its top edge.
void DrawPlate(UiCanvas& c, const UiMode& m)
{
    cairo_t* cr = c.Cr();
    const double s = m.scale, w = c.Width();
    const UiSpan face = SuctionPlateFace(m);
    const double top = face.first, bottom = face.last;
    const double line = std::max(2.0, 3 * s);
    const double r = 13 * s;
    SoftShadow(cr, 2 * s, top + 5 * s, w - 4 * s, bottom - top, r, 4 * s, 0.28);
    RoundedRectPath(cr, line / 2 + 0.5, top, w - line - 1, bottom - top, r);
    VerticalGradient(cr, top, bottom, Hex(0xFFFFFF), Hex(0xFFF3D6));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xFF9A3C));
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
    RoundedRectPath(cr, line * 2, top + line * 1.6, w - line * 4, bottom - top - line * 3.2, 10 * s);
    SetColour(cr, Hex(0xFFD8A8, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The cups: rubber domes pressed on the top rim, a highlight on each.
    for (double cx : {w * 0.18, w * 0.82}) {
        cairo_save(cr);
        cairo_translate(cr, cx, top + 3 * s);
        cairo_scale(cr, 16 * s, 10 * s);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        cairo_restore(cr);
        VerticalGradient(cr, top - 7 * s, top + 3 * s, Hex(0xFF8A7A), Hex(0xD63A2C));
        cairo_fill(cr);
        RoundedRectPath(cr, cx - 18 * s, top + 1 * s, 36 * s, 5 * s, 2.5 * s);
        SetColour(cr, Hex(0xB8281C));
        cairo_fill(cr);
        cairo_arc(cr, cx - 6 * s, top - 3 * s, 2.4 * s, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF, 0.85));
        cairo_fill(cr);
    }
}

// The hint's ring, a size larger than a plate so that it goes round one.
void DrawHighlight(UiCanvas& c, const UiMode& m)
{
    cairo_t* cr = c.Cr();
    const double s = m.scale, w = c.Width(), h = c.Height();
    const UiSize p = SuctionPlateSize(m);
    const double gx = (w - p.width) / 2.0 - 6 * s, gy = (h - p.height) / 2.0 - 6 * s;
    // A short glow: a wide haze would blur into the scene around the plate.
    for (int i = 4; i >= 1; --i) {
        const double grow = i * 2.2 * s;
        RoundedRectPath(cr, gx - grow, gy - grow, w - 2 * gx + 2 * grow, h - 2 * gy + 2 * grow, 18 * s + grow);
        SetColour(cr, Hex(0xFFE24A, 0.14));
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
    }
    RoundedRectPath(cr, gx, gy, w - 2 * gx, h - 2 * gy, 18 * s);
    SetColour(cr, Hex(0xFFD21F));
    cairo_set_line_width(cr, 7 * s);
    cairo_stroke(cr);
    RoundedRectPath(cr, gx, gy, w - 2 * gx, h - 2 * gy, 18 * s);
    SetColour(cr, Hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    const double corners[4][2] = {{gx, gy}, {w - gx, gy}, {gx, h - gy}, {w - gx, h - gy}};
    for (const auto& xy : corners) {
        StarPath(cr, xy[0], xy[1], 15 * s, 5 * s, 4);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xFFB020));
        cairo_set_line_width(cr, 1.5 * s);
        cairo_stroke(cr);
    }
}

// Television snow: grey grains with the odd brighter line, fixed by a seed.
Bitmap Snow()
{
    Bitmap b(kSuctionSnowSize.width, kSuctionSnowSize.height);
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> grain(30, 235);
    for (int y = 0; y < b.Height(); ++y) {
        const int lift = y % 23 == 0 ? 40 : 0;
        for (int x = 0; x < b.Width(); ++x) {
            const int v = std::min(255, grain(random) + lift);
            b.SetPixel(x, y, RGB(v, v, std::min(255, v + 8)));
        }
    }
    return b;
}

} // namespace

void GenerateSuction(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const std::string obj = spec + m.prefix;
    UiCanvas scene(m.backdropWidth, m.backdropHeight);
    DrawScene(scene, m);
    out.Pair(spec + m.backdrop + "pss_tlo", ".xji", scene);

    const UiSize p = SuctionPlateSize(m);
    UiCanvas plate(p.width, p.height);
    DrawPlate(plate, m);
    out.Pair(obj + "pss_ram", ".xji", plate);

    const UiSize hs = SuctionHighlightSize(m);
    UiCanvas highlight(hs.width, hs.height);
    DrawHighlight(highlight, m);
    out.Pair(obj + "pss_pod", ".xji", highlight);

    if (m.mode == 16)
        out.Picture(spec + "R5_pss_snieg.xji", Snow());
}
