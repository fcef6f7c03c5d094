// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory game: its table, the word panel and its mask, the card back
// and the figure's eleven waving frames.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

void DrawTable(UiCanvas& c, const UiMode& m)
{
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    const double s = m.pictureWidth / 1024.0;
    // Lilac wall with polka dots.
    cairo_rectangle(cr, 0, 0, w, h);
    VerticalGradient(cr, 0, h, Hex(0xE9E0FF), Hex(0xCFE6FF));
    cairo_fill(cr);
    for (double y = 20 * s; y < h; y += 56 * s)
        for (double x = (static_cast<int>(y / (56 * s)) % 2) * 28 * s; x < w; x += 56 * s) {
            cairo_arc(cr, x, y, 6 * s, 0, 2 * M_PI);
            SetColour(cr, Hex(0xFFFFFF, 0.45));
            cairo_fill(cr);
        }
    // Heading.
    UiTextStyle title;
    title.face = UiFace::Rounded;
    title.size = 54 * s;
    title.fill = Hex(0x9A63E8);
    title.outline = Hex(0xFFFFFF);
    title.outlineWidth = 5 * s;
    CentredText(cr, "Znajdź pary!", 640 * s, 78 * s, title);
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, (i == 0 ? 395 : 885) * s, 78 * s);
        cairo_rotate(cr, i == 0 ? -0.25 : 0.25);
        RoundedRectPath(cr, -18 * s, -25 * s, 36 * s, 50 * s, 6 * s);
        SetColour(cr, i == 0 ? Hex(0xFF9A3C) : Hex(0x45C06A));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, 3 * s);
        cairo_stroke(cr);
        StarPath(cr, 0, 0, 10 * s, 4 * s, 5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The green table the cards lie on.
    const double tx = 410 * s, ty = 140 * s, tw = 458 * s, th = 478 * s;
    SoftShadow(cr, tx + 4 * s, ty + 8 * s, tw, th, 30 * s, 8 * s, 0.18);
    RoundedRectPath(cr, tx - 10 * s, ty - 10 * s, tw + 20 * s, th + 20 * s, 38 * s);
    VerticalGradient(cr, ty, ty + th, Hex(0xD99A5B), Hex(0xB5743A));
    cairo_fill(cr);
    RoundedRectPath(cr, tx, ty, tw, th, 30 * s);
    cairo_pattern_t* felt = cairo_pattern_create_radial(tx + tw / 2, ty + th / 2, 20 * s, tx + tw / 2, ty + th / 2, tw * 0.7);
    cairo_pattern_add_color_stop_rgb(felt, 0, 0.42, 0.8, 0.47);
    cairo_pattern_add_color_stop_rgb(felt, 1, 0.26, 0.64, 0.33);
    cairo_set_source(cr, felt);
    cairo_fill(cr);
    cairo_pattern_destroy(felt);
    // The word panel: a golden frame around a soft sky.
    const UiTrainPoint pp = MemoryPanelPlace(m);
    const UiSize ps = MemoryPanelSize(m);
    const double r = MemoryPanelRadius(m);
    const double rim = 12 * m.scale;
    SoftShadow(cr, pp.x - rim + 3 * s, pp.y - rim + 6 * s, ps.width + 2 * rim, ps.height + 2 * rim, r + rim, 6 * s, 0.18);
    RoundedRectPath(cr, pp.x - rim, pp.y - rim, ps.width + 2 * rim, ps.height + 2 * rim, r + rim);
    VerticalGradient(cr, pp.y - rim, pp.y + ps.height + rim, Hex(0xFFD95A), Hex(0xF59A23));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xB86A12));
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    RoundedRectPath(cr, pp.x, pp.y, ps.width, ps.height, r);
    VerticalGradient(cr, pp.y, pp.y + ps.height, Hex(0xBFE6FF), Hex(0xFFFFFF));
    cairo_fill(cr);
    // A dark line just inside the frame, where the mask keeps the word
    // picture's black outline out: the frame's edge, not a black square corner.
    const double inset = WordWindowInset();
    RoundedRectPath(cr, pp.x + inset / 2, pp.y + inset / 2, ps.width - inset, ps.height - inset, r - inset / 2);
    SetColour(cr, Hex(0xB86A12));
    cairo_set_line_width(cr, inset + 1);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        StarPath(cr, pp.x + ps.width * (0.12 + 0.13 * i), pp.y + ps.height * (0.15 + 0.08 * (i % 3)),
                 7 * m.scale, 3 * m.scale, 5);
        SetColour(cr, Hex(0xFFE066, 0.8));
        cairo_fill(cr);
    }
    // A hill the figure stands on under the panel.
    cairo_move_to(cr, 0, h);
    cairo_line_to(cr, 0, 700 * s);
    cairo_curve_to(cr, 140 * s, 640 * s, 330 * s, 660 * s, 420 * s, h);
    cairo_close_path(cr);
    VerticalGradient(cr, 650 * s, h, Hex(0x9BE36D), Hex(0x5DB845));
    cairo_fill(cr);
}

Bitmap CardBack(UiSize size)
{
    // Square like the faces the game draws, with a deep violet rim rather
    // than a hard black line, and its stars and dots whole inside the thin
    // white line round the middle: none is cut by an edge.
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double w = size.width, h = size.height, s = w / 70.0;
    cairo_rectangle(cr, 0, 0, w, h);
    VerticalGradient(cr, 0, h, Hex(0x8F6CF0), Hex(0x5B8DF5));
    cairo_fill(cr);
    const double inset = 5 * s;
    const double star = 3.6 * s;
    const double columns = 4, rows = 7;
    const double stepX = (w - 2 * inset - 2 * star - 2 * s) / (columns - 0.5);
    const double stepY = (h - 2 * inset - 2 * star - 2 * s) / (rows - 1);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col) {
            const double x = inset + star + s + col * stepX + (row % 2) * stepX / 2;
            const double y = inset + star + s + row * stepY;
            if ((row + col) % 2 == 0) {
                StarPath(cr, x, y, star, 1.5 * s, 5);
                SetColour(cr, Hex(0xFFE066, 0.85));
            } else {
                cairo_arc(cr, x, y, 1.6 * s, 0, 2 * M_PI);
                SetColour(cr, Hex(0xFFFFFF, 0.6));
            }
            cairo_fill(cr);
        }
    // A thin white line inside the edge, as on a playing card, and the rim.
    cairo_rectangle(cr, inset - 1.5 * s, inset - 1.5 * s, w - 2 * inset + 3 * s, h - 2 * inset + 3 * s);
    SetColour(cr, Hex(0xFFFFFF, 0.8));
    cairo_set_line_width(cr, 1.5 * s);
    cairo_stroke(cr);
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    SetColour(cr, Hex(0x4A2FA0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, w / 2, h / 2, 15 * s, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xFFB020));
    cairo_set_line_width(cr, 2 * s);
    cairo_stroke(cr);
    UiTextStyle q;
    q.size = 24 * s;
    q.fill = Hex(0x9A63E8);
    CentredText(cr, "?", w / 2, h / 2, q);
    return c.Over(clWhite);
}

} // namespace

void GenerateMemory(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const std::string obj = spec + m.prefix;
    UiCanvas table(m.backdropWidth, m.backdropHeight);
    DrawTable(table, m);
    out.Picture(spec + m.backdrop + "Tmem3.xji", table.Over(clBlack));

    const UiSize ps = MemoryPanelSize(m);
    UiCanvas mask(ps.width, ps.height);
    cairo_set_source_rgb(mask.Cr(), 0, 0, 0);
    cairo_paint(mask.Cr());
    const double inset = WordWindowInset();
    RoundedRectPath(mask.Cr(), inset, inset, ps.width - 2 * inset, ps.height - 2 * inset, MemoryPanelRadius(m) - inset);
    cairo_set_source_rgb(mask.Cr(), 1, 1, 1);
    cairo_fill(mask.Cr());
    out.Picture(obj + "mem_wysM.xji", mask.Over(clBlack));

    // Eleven frames of a wave that the game plays forwards and back. The
    // figure stands on the hill below the word panel, its raised hand and
    // bounce (a few design units over its box) clear of the panel's frame.
    const UiSize fs = MemoryFigureSize(m);
    const double clearTop = std::max(0, MemoryPanelFrameBottom(m) - MemoryFigurePlace(m).y) + 4 * m.scale;
    const double figureHeight = (fs.height - clearTop) / 1.06;
    for (int k = 0; k < 11; ++k) {
        const double t = k / 10.0;
        UiPose pose;
        pose.rightArm = 2.0 + 0.9 * std::sin(t * 2 * M_PI);
        pose.leftArm = 0.35 + 0.1 * t;
        pose.headTilt = 0.08 * std::sin(t * M_PI * 2);
        pose.bounce = 3 * std::sin(t * M_PI);
        pose.smile = 0.45 + 0.5 * std::sin(t * M_PI);
        pose.blink = k == 6;
        pose.look = 0.4 * std::sin(t * M_PI * 2);
        UiCanvas c(fs.width, fs.height);
        DrawFigure(c.Cr(), 0, fs.height - figureHeight, fs.width, figureHeight, pose);
        out.Pair(obj + "mem_gad" + (k + 1 < 10 ? "0" : "") + std::to_string(k + 1), ".xji", c);
    }
    if (m.mode != 2)
        out.Picture(obj + "mem_blkcard0.xji", CardBack(MemoryCardSize(m)));
}
