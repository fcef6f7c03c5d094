// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor game: a bright toy factory with four pipes under its roof, a
// rail with the magnet crane, the belt at the bottom and the operator at his
// control desk; the cans, the crane's pieces and the hint arrow.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

const unsigned kPipeColours[4] = {0xFF6B6B, 0x4D8DF5, 0x45C06A, 0xA77BF0};
const UiColour kSteel = Hex(0x8C93A8);
const UiColour kCrane = Hex(0xFFC530);
const UiColour kInk = Hex(0x3D3F52);

// A horizontal shading across a cylinder standing upright from x to x + w.
void CylinderAcross(cairo_t* cr, double x, double w, UiColour c)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    const UiColour edge = Darker(c, 0.25), light = Lighter(c, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 0, edge.r, edge.g, edge.b, edge.a);
    cairo_pattern_add_color_stop_rgba(p, 0.3, light.r, light.g, light.b, light.a);
    cairo_pattern_add_color_stop_rgba(p, 1, edge.r, edge.g, edge.b, edge.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, UiColour c, double width)
{
    SetColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Gear(cairo_t* cr, double cx, double cy, double r, int teeth, UiColour c, double turn)
{
    for (int i = 0; i < teeth; ++i) {
        const double a = turn + 2 * M_PI * i / teeth;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -r * 0.16, -r * 1.18, r * 0.32, r * 0.4);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColour(cr, c);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.35, 0, 2 * M_PI);
    SetColour(cr, Lighter(c, 0.6));
    cairo_fill(cr);
}

// The rail beam from x0 to x1 with its top at y.
void RailBeam(cairo_t* cr, double x0, double x1, double y, double h)
{
    cairo_rectangle(cr, x0, y, x1 - x0, h);
    VerticalGradient(cr, y, y + h, Lighter(kSteel, 0.45), Darker(kSteel, 0.2));
    cairo_fill(cr);
    cairo_rectangle(cr, x0, y + h * 0.42, x1 - x0, h * 0.16);
    SetColour(cr, Darker(kSteel, 0.3));
    cairo_fill(cr);
    for (double x = x0 + h; x < x1; x += h * 4) {
        cairo_arc(cr, x, y + h * 0.22, h * 0.1, 0, 2 * M_PI);
        cairo_arc(cr, x, y + h * 0.78, h * 0.1, 0, 2 * M_PI);
        SetColour(cr, Darker(kSteel, 0.4));
        cairo_fill(cr);
    }
}

void Factory(cairo_t* cr, const UiMode& m, const UiConveyor& l)
{
    const double w = m.backdropWidth, h = m.backdropHeight, s = m.scale;
    const double sh = l.shift;
    const double beltTop = l.beltLine + sh;
    // A sunny wall with soft panels.
    cairo_rectangle(cr, 0, 0, w, beltTop);
    VerticalGradient(cr, 0, beltTop, Hex(0xDFF3FF), Hex(0xFFF4D6));
    cairo_fill(cr);
    for (double x = 0; x < w; x += 160 * s) {
        cairo_rectangle(cr, x, 0, 2 * s, beltTop);
        SetColour(cr, Hex(0xFFFFFF, 0.7));
        cairo_fill(cr);
    }
    // Big round-topped windows with sky and clouds behind the crane.
    for (int i = 0; i < 3; ++i) {
        const double cx = (560 + 260 * i) * s, top = 190 * s + sh, ww = 170 * s, wh = 170 * s;
        cairo_new_path(cr);
        cairo_arc(cr, cx, top + ww / 2, ww / 2, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + ww / 2, top + wh);
        cairo_line_to(cr, cx - ww / 2, top + wh);
        cairo_close_path(cr);
        VerticalGradient(cr, top, top + wh, Hex(0x6EC6FF), Hex(0xCFEFFF));
        cairo_fill_preserve(cr);
        Outline(cr, Hex(0xFFFFFF), 8 * s);
        cairo_arc(cr, cx - 30 * s, top + 80 * s, 22 * s, 0, 2 * M_PI);
        cairo_arc(cr, cx, top + 70 * s, 28 * s, 0, 2 * M_PI);
        cairo_arc(cr, cx + 32 * s, top + 82 * s, 20 * s, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF, 0.9));
        cairo_fill(cr);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx, top + wh);
        cairo_move_to(cr, cx - ww / 2, top + wh * 0.55);
        cairo_line_to(cr, cx + ww / 2, top + wh * 0.55);
        Outline(cr, Hex(0xFFFFFF), 5 * s);
    }
    // Friendly gears on the wall.
    Gear(cr, 370 * s, 70 * s + sh, 36 * s, 10, Hex(0xFFB020), 0.1);
    Gear(cr, 425 * s, 118 * s + sh, 22 * s, 8, Hex(0xFF7A59), 0.3);
    Gear(cr, 1200 * s, 560 * s + sh, 30 * s, 9, Hex(0x2EB8C4), 0.2);

    // The pipes come down from the roof; their mouths are at the pipes' line.
    const double line = l.pipesLine + sh;
    for (int i = 0; i < 4; ++i) {
        const double x = l.pipeLeft[i], pw = l.pipeWidth;
        const UiColour c = Hex(kPipeColours[i]);
        cairo_rectangle(cr, x, 0, pw, line);
        CylinderAcross(cr, x, pw, c);
        cairo_fill(cr);
        for (double y = line - 110 * s; y > -20 * s; y -= 120 * s) {
            cairo_rectangle(cr, x - 4 * s, y, pw + 8 * s, 12 * s);
            CylinderAcross(cr, x - 4 * s, pw + 8 * s, Darker(c, 0.1));
            cairo_fill(cr);
        }
        // The mouth: a wide collar just above the line (the cans vanish
        // under it), carrying the white plate the game writes the sound on,
        // as tall as a line of the label font with its accents.
        const double collarTop = line - 56 * s;
        RoundedRectPath(cr, x - 10 * s, collarTop, pw + 20 * s, line - collarTop + 2 * s, 8 * s);
        CylinderAcross(cr, x - 10 * s, pw + 20 * s, Darker(c, 0.05));
        cairo_fill_preserve(cr);
        Outline(cr, Darker(c, 0.45), 2 * s);
        RoundedRectPath(cr, x + 4 * s, collarTop + 5 * s, pw - 8 * s, line - collarTop - 8 * s, 8 * s);
        SetColour(cr, Hex(0xFFFDF2));
        cairo_fill_preserve(cr);
        Outline(cr, Darker(c, 0.35), 2.5 * s);
        cairo_rectangle(cr, x - 6 * s, line - 2 * s, pw + 12 * s, 3 * s);
        SetColour(cr, Darker(c, 0.6));
        cairo_fill(cr);
    }

    // The rail, hung from the roof.
    const double railY = l.railLine + sh;
    const double railLeft = l.reachLeft - 12 * s;
    for (double x : {railLeft + 30 * s, w - 30 * s}) {
        cairo_rectangle(cr, x - 4 * s, 0, 8 * s, railY);
        CylinderAcross(cr, x - 4 * s, 8 * s, kSteel);
        cairo_fill(cr);
    }
    RailBeam(cr, railLeft, w, railY, l.rail.height);
    RoundedRectPath(cr, railLeft - 8 * s, railY - 4 * s, 12 * s, l.rail.height + 8 * s, 3 * s);
    SetColour(cr, Hex(0xE8453C));
    cairo_fill(cr);

    // The operator's platform with yellow and black edge.
    const double fx = l.figurePlace.x, fy = l.figurePlace.y + sh;
    const double deckY = fy + l.figure.height - 8 * s;
    cairo_rectangle(cr, 0, deckY, fx + l.figure.width + 30 * s, 26 * s);
    SetColour(cr, Hex(0x5A5D74));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, deckY, fx + l.figure.width + 30 * s, 10 * s);
    cairo_clip(cr);
    for (double x = -20 * s; x < fx + l.figure.width + 40 * s; x += 24 * s) {
        cairo_move_to(cr, x, deckY + 10 * s);
        cairo_line_to(cr, x + 12 * s, deckY);
        cairo_line_to(cr, x + 24 * s, deckY);
        cairo_line_to(cr, x + 12 * s, deckY + 10 * s);
        cairo_close_path(cr);
        SetColour(cr, Hex(0xFFD21F));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    for (double x : {40 * s, fx + l.figure.width}) {
        cairo_rectangle(cr, x, deckY + 26 * s, 14 * s, beltTop - deckY);
        SetColour(cr, Hex(0x5A5D74));
        cairo_fill(cr);
    }

    // Floor, then the belt: a dark band on rollers over a steel frame.
    cairo_rectangle(cr, 0, beltTop, w, h - beltTop);
    VerticalGradient(cr, beltTop, h, Hex(0xB7C4D6), Hex(0x8E9EB6));
    cairo_fill(cr);
    for (double x = 0; x < w; x += 80 * s) {
        cairo_move_to(cr, x, beltTop + 70 * s);
        cairo_line_to(cr, x - 40 * s, h);
        Outline(cr, Hex(0xFFFFFF, 0.25), 2 * s);
    }
    const double band = 20 * s;
    cairo_rectangle(cr, 0, beltTop, w, 50 * s);
    VerticalGradient(cr, beltTop, beltTop + 50 * s, Hex(0x7D8598), Hex(0x4F566A));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, beltTop, w, band);
    VerticalGradient(cr, beltTop, beltTop + band, Hex(0x4A4E5E), Hex(0x2E3140));
    cairo_fill(cr);
    for (double x = 10 * s; x < w; x += 40 * s) {
        cairo_rectangle(cr, x, beltTop + 3 * s, 18 * s, 3 * s);
        SetColour(cr, Hex(0xFFFFFF, 0.18));
        cairo_fill(cr);
    }
    for (double x = 30 * s; x < w; x += 64 * s) {
        cairo_arc(cr, x, beltTop + 34 * s, 11 * s, 0, 2 * M_PI);
        SetColour(cr, Hex(0xD6D8E6));
        cairo_fill_preserve(cr);
        Outline(cr, kInk, 2 * s);
        cairo_arc(cr, x, beltTop + 34 * s, 3 * s, 0, 2 * M_PI);
        SetColour(cr, kInk);
        cairo_fill(cr);
    }
    for (double x = 60 * s; x < w; x += 300 * s) {
        cairo_rectangle(cr, x, beltTop + 50 * s, 16 * s, h - beltTop);
        SetColour(cr, Hex(0x5A5D74));
        cairo_fill(cr);
    }
}

// A tin can of w x h with its window (wx, wy, ww, wh) left see-through but
// for a glint of glass; plate: the steel disc the magnet holds, on top
// (standing can) or underneath (can pushed up).
void Can(cairo_t* cr, double w, double h, double wx, double wy, double ww, double wh, bool plateOnTop, double s)
{
    const UiColour body = Hex(0x2EB8C4);
    const double rim = 9 * s;
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRectPath(cr, 1, rim, w - 2, h - 2 * rim, 6 * s);
    RoundedRectPath(cr, wx - 1, wy - 1, ww + 2, wh + 2, 4 * s);
    CylinderAcross(cr, 1, w - 2, body);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Rims top and bottom, and ribs.
    for (double y : {0.0, h - 2 * rim}) {
        RoundedRectPath(cr, 0.5, y + 0.5, w - 1, 2 * rim - 1, rim);
        CylinderAcross(cr, 0, w, Hex(0xD6D8E6));
        cairo_fill_preserve(cr);
        Outline(cr, Hex(0x6B7080), 1.5 * s);
    }
    // The magnet's plate.
    const double py = plateOnTop ? 2 * s : h - 8 * s;
    RoundedRectPath(cr, w * 0.3, py, w * 0.4, 6 * s, 3 * s);
    SetColour(cr, Hex(0x5A5D74));
    cairo_fill(cr);
    // A frame round the window and a glint over it.
    RoundedRectPath(cr, wx - 3 * s, wy - 3 * s, ww + 6 * s, wh + 6 * s, 6 * s);
    RoundedRectPath(cr, wx, wy, ww, wh, 3 * s);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_move_to(cr, wx + ww * 0.08, wy + wh * 0.3);
    cairo_line_to(cr, wx + ww * 0.3, wy + wh * 0.06);
    cairo_line_to(cr, wx + ww * 0.42, wy + wh * 0.06);
    cairo_line_to(cr, wx + ww * 0.08, wy + wh * 0.44);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF, 0.35));
    cairo_fill(cr);
    // Little stars on the body beside the window.
    for (double y : {wy + wh * 0.2, wy + wh * 0.8}) {
        StarPath(cr, wx + ww + (w - wx - ww) / 2, y, 6 * s, 2.5 * s, 5);
        SetColour(cr, Hex(0xFFE066));
        cairo_fill(cr);
    }
}

// The magnet: a red drum on a collar; the working face (grey) down or up.
void Magnet(cairo_t* cr, double w, double h, bool faceDown, double s)
{
    cairo_save(cr);
    if (!faceDown) {
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
    }
    const double collar = w * 0.34;
    cairo_rectangle(cr, (w - collar) / 2, 0, collar, h * 0.22);
    CylinderAcross(cr, (w - collar) / 2, collar, Hex(0xD6D8E6));
    cairo_fill(cr);
    cairo_move_to(cr, w * 0.2, h * 0.2);
    cairo_line_to(cr, w * 0.8, h * 0.2);
    cairo_line_to(cr, w - 1, h * 0.5);
    cairo_line_to(cr, w - 1, h * 0.84);
    cairo_line_to(cr, 1, h * 0.84);
    cairo_line_to(cr, 1, h * 0.5);
    cairo_close_path(cr);
    CylinderAcross(cr, 0, w, Hex(0xE8453C));
    cairo_fill_preserve(cr);
    Outline(cr, Hex(0x8A1F18), 1.5 * s);
    cairo_rectangle(cr, 1, h * 0.84, w - 2, h * 0.16);
    CylinderAcross(cr, 0, w, Hex(0xA9AFC0));
    cairo_fill(cr);
    // A lightning sign.
    cairo_move_to(cr, w * 0.55, h * 0.3);
    cairo_line_to(cr, w * 0.4, h * 0.55);
    cairo_line_to(cr, w * 0.52, h * 0.55);
    cairo_line_to(cr, w * 0.45, h * 0.78);
    cairo_line_to(cr, w * 0.63, h * 0.48);
    cairo_line_to(cr, w * 0.51, h * 0.48);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFE066));
    cairo_fill(cr);
    cairo_restore(cr);
}

// The trolley that runs on the rail: a yellow box round the beam.
void Trolley(cairo_t* cr, double x, double y, double w, double h, double s)
{
    RoundedRectPath(cr, x + 0.5, y + 0.5, w - 1, h - 1, 5 * s);
    VerticalGradient(cr, y, y + h, Lighter(kCrane, 0.3), Darker(kCrane, 0.15));
    cairo_fill_preserve(cr);
    Outline(cr, Hex(0xA8731A), 1.5 * s);
    for (double cx : {x + w * 0.3, x + w * 0.7}) {
        cairo_arc(cr, cx, y + h / 2, std::min(w, h) * 0.14, 0, 2 * M_PI);
        SetColour(cr, kInk);
        cairo_fill(cr);
    }
}

void WriteCrane(InterfaceWriter& out, const UiConveyor& l, const std::string& obj, double s)
{
    for (bool down : {false, true}) {
        const UiSize size = down ? l.magnetDown : l.magnetUp;
        UiCanvas c(size.width, size.height);
        Magnet(c.Cr(), size.width, size.height, down, s);
        out.Pair(obj + (down ? "tas_magd" : "tas_magg"), ".xbi", c);
    }
    for (const char* name : {"tas_kolg", "tas_kold"}) {
        UiCanvas c(l.trolley.width, l.trolley.height);
        Trolley(c.Cr(), 0, 0, l.trolley.width, l.trolley.height, s);
        out.Pair(obj + name, ".xbi", c);
    }
    {
        // Turning: the magnet lies across the trolley.
        UiCanvas c(l.magnetTurning.width, l.magnetTurning.height);
        cairo_t* cr = c.Cr();
        Trolley(cr, l.e - l.g, 0, l.trolley.width, l.trolley.height, s);
        cairo_save(cr);
        const double mw = l.magnetTurning.width, mh = l.trolley.height * 0.55;
        cairo_translate(cr, 0, (l.trolley.height - mh) / 2);
        RoundedRectPath(cr, 1, 0, mw - 2, mh, mh / 2);
        CylinderAcross(cr, 0, mw, Hex(0xE8453C));
        cairo_fill_preserve(cr);
        Outline(cr, Hex(0x8A1F18), 1.5 * s);
        cairo_restore(cr);
        out.Pair(obj + "tas_mags", ".xbi", c);
    }
    {
        // The can turning over on the magnet, tilted half-way, above the
        // trolley; the picture's centre is the rod's foot.
        const double w = l.canTurning.width, h = l.canTurning.height;
        UiCanvas c(l.canTurning.width, l.canTurning.height);
        cairo_t* cr = c.Cr();
        const double cx = w / 2 + l.rod.width / 2.0, cy = h / 2;
        const double k = 0.3 * w / 150.0 / s;
        const double cw = l.lowerCan.width * k, ch = l.lowerCan.height * k;
        cairo_save(cr);
        cairo_translate(cr, w * 0.68, h * 0.25);
        cairo_rotate(cr, M_PI / 4);
        cairo_translate(cr, -cw / 2, -ch / 2);
        cairo_scale(cr, k, k);
        Can(cr, l.lowerCan.width, l.lowerCan.height, l.windowLeft, l.windowTop, l.windowWidth, l.windowHeight, false,
            s);
        RoundedRectPath(cr, l.windowLeft, l.windowTop, l.windowWidth, l.windowHeight, 3 * s);
        VerticalGradient(cr, l.windowTop, l.windowTop + l.windowHeight, Hex(0xCFEFFF), Hex(0xFFFFFF));
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_save(cr);
        const double mw = l.magnetUp.width * 0.6, mh = l.magnetUp.height * 0.45;
        cairo_translate(cr, w * 0.57, h * 0.37);
        cairo_rotate(cr, M_PI / 4);
        cairo_translate(cr, -mw / 2, -mh / 2);
        Magnet(cr, mw, mh, false, s);
        cairo_restore(cr);
        Trolley(cr, cx - l.trolley.width / 2.0, cy - l.g, l.trolley.width, l.trolley.height, s);
        // Motion swooshes.
        for (int i = 0; i < 3; ++i) {
            cairo_arc(cr, cx, cy, w * (0.36 + 0.05 * i), -M_PI * 0.9, -M_PI * 0.62);
            Outline(cr, Hex(0x4D8DF5, 0.7), 2 * s);
        }
        out.Pair(obj + "tas_puss", ".xji", c);
    }
    // The rail right of the trolley carries its power cable; its lamp
    // stripe tells the magnet's state.
    const unsigned lamps[3] = {0x45C06A, 0xFFC530, 0x4D8DF5};
    const char* rails[3] = {"tas_rlpd", "tas_rlps", "tas_rlpg"};
    for (int k = 0; k < 3; ++k) {
        UiCanvas c(l.rail.width, l.rail.height);
        cairo_t* cr = c.Cr();
        RailBeam(cr, 0, l.rail.width, 0, l.rail.height);
        cairo_rectangle(cr, 0, l.rail.height * 0.36, l.rail.width, l.rail.height * 0.28);
        SetColour(cr, Hex(lamps[k]));
        cairo_fill(cr);
        out.Picture(obj + rails[k] + ".xbi", c.Over(clBlack));
    }
    UiCanvas rod(l.rod.width, l.rod.height);
    cairo_rectangle(rod.Cr(), 0, 0, l.rod.width, l.rod.height);
    CylinderAcross(rod.Cr(), 0, l.rod.width, Hex(0xB9BFCF));
    cairo_fill(rod.Cr());
    out.Picture(obj + "tas_rgd.xbi", rod.Over(clBlack));
}

void WriteArrow(InterfaceWriter& out, const UiConveyor& l, const std::string& obj, double s)
{
    const double w = l.arrow.width, h = l.arrow.height;
    UiCanvas c(l.arrow.width, l.arrow.height);
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, w / 2, 3 * s);
    cairo_line_to(cr, w - 4 * s, h * 0.48);
    cairo_line_to(cr, w * 0.68, h * 0.48);
    cairo_line_to(cr, w * 0.68, h - 4 * s);
    cairo_line_to(cr, w * 0.32, h - 4 * s);
    cairo_line_to(cr, w * 0.32, h * 0.48);
    cairo_line_to(cr, 4 * s, h * 0.48);
    cairo_close_path(cr);
    VerticalGradient(cr, 0, h, Hex(0xFFE24A), Hex(0xFF9A3C));
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Outline(cr, Hex(0xFFFFFF), 4 * s);
    StarPath(cr, w / 2, h * 0.62, 9 * s, 4 * s, 5);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    out.Pair(obj + "tas_st", ".xji", c);
}

// The operator at the control desk: lever to the left, upright or to the
// right; the lamp on the desk shows the magnet down (green) or up (blue).
void WriteFigure(InterfaceWriter& out, const UiConveyor& l, const std::string& obj, double s)
{
    const double w = l.figure.width, h = l.figure.height;
    const char* names[6] = {"gl", "gs", "gp", "dl", "ds", "dp"};
    for (int k = 0; k < 6; ++k) {
        const int column = k % 3;
        const bool down = k >= 3;
        UiPose pose;
        pose.look = column == 0 ? -0.9 : column == 2 ? 0.9 : 0;
        pose.headTilt = column == 0 ? -0.1 : column == 2 ? 0.1 : 0;
        pose.leftArm = 0.9;
        pose.rightArm = down ? 0.7 : 1.4;
        pose.smile = column == 1 ? 0.5 : 0.85;
        UiCanvas c(l.figure.width, l.figure.height);
        cairo_t* cr = c.Cr();
        DrawFigure(cr, w * 0.05, h * 0.02, w * 0.55, h * 0.85, pose);
        // The desk in front with its lever and lamps.
        const double dx = w * 0.42, dy = h * 0.52, dw = w * 0.55, dh = h * 0.42;
        const double pivotX = dx + dw * 0.5, pivotY = dy + 6 * s;
        const double lean = column == 0 ? -0.5 : column == 2 ? 0.5 : 0;
        cairo_move_to(cr, pivotX, pivotY);
        cairo_line_to(cr, pivotX + std::sin(lean) * h * 0.2, pivotY - std::cos(lean) * h * 0.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Outline(cr, kInk, 7 * s);
        cairo_arc(cr, pivotX + std::sin(lean) * h * 0.2, pivotY - std::cos(lean) * h * 0.2, 12 * s, 0, 2 * M_PI);
        SetColour(cr, Hex(0xE8453C));
        cairo_fill(cr);
        RoundedRectPath(cr, dx, dy, dw, dh, 12 * s);
        VerticalGradient(cr, dy, dy + dh, Hex(0x7FA7FF), Hex(0x4D6FD0));
        cairo_fill_preserve(cr);
        Outline(cr, Hex(0x2B3F80), 3 * s);
        const UiColour lamp = down ? Hex(0x45C06A) : Hex(0x4D8DF5);
        cairo_arc(cr, dx + dw * 0.3, dy + dh * 0.35, 10 * s, 0, 2 * M_PI);
        SetColour(cr, lamp);
        cairo_fill_preserve(cr);
        Outline(cr, Hex(0xFFFFFF), 2.5 * s);
        // The lamp's arrow: where the magnet points.
        const double ax = dx + dw * 0.3, ay = dy + dh * 0.35, d = down ? 1 : -1;
        cairo_move_to(cr, ax, ay + d * 6 * s);
        cairo_line_to(cr, ax - 5 * s, ay - d * 3 * s);
        cairo_line_to(cr, ax + 5 * s, ay - d * 3 * s);
        cairo_close_path(cr);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        for (int b = 0; b < 3; ++b) {
            cairo_arc(cr, dx + dw * (0.55 + 0.14 * b), dy + dh * 0.35, 6 * s, 0, 2 * M_PI);
            SetColour(cr, Hex(b == 0 ? 0xFFE066 : b == 1 ? 0xFF6B6B : 0xFFFFFF));
            cairo_fill(cr);
        }
        out.Pair(obj + "tas_gad" + names[k], ".xji", c);
    }
}

} // namespace

void GenerateConveyor(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const std::string obj = spec + m.prefix;
    const UiConveyor l = ConveyorLayout(m);
    const double s = m.scale;
    UiCanvas scene(m.backdropWidth, m.backdropHeight);
    Factory(scene.Cr(), m, l);
    out.Picture(spec + m.backdrop + "Ttas.xji", scene.Over(clBlack));

    for (bool lower : {true, false}) {
        const UiSize size = lower ? l.lowerCan : l.upperCan;
        UiCanvas c(size.width, size.height);
        const double wx = lower ? l.windowLeft : l.upperWindowLeft, wy = lower ? l.windowTop : l.upperWindowTop;
        Can(c.Cr(), size.width, size.height, wx, wy, l.windowWidth, l.windowHeight, lower, s);
        out.Pair(obj + (lower ? "tas_pusd" : "tas_pusg"), ".xji", c);
    }
    WriteCrane(out, l, obj, s);
    WriteArrow(out, l, obj, s);
    WriteFigure(out, l, obj, s);
}
