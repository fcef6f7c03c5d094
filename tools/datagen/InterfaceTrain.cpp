// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train game: the playroom with its shelves, the locomotive and its
// driver, the wagons with their fronts, the shelf boxes, the word frame, the
// hint highlight and the picture zoom frame.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

const unsigned kWagonColours[4] = {0x4D8DF5, 0x45C06A, 0xFFC530, 0xA77BF0};
const unsigned kBoxColours[12] = {0xFF6B6B, 0x4D8DF5, 0xFFC530, 0x45C06A, 0xA77BF0, 0xFF9A3C,
                                  0x2EB8C4, 0xF0609E, 0x45C06A, 0xFF6B6B, 0x4D8DF5, 0xFFC530};

// Design coordinates of the 1280-wide screen to the mode's background.
struct Place {
    const UiMode& m;
    double X(double v) const { return v * m.scale; }
    double Y(double v) const { return v * m.scale + m.trainShift; }
    double S(double v) const { return v * m.scale; }
};

void Wood(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_rectangle(cr, x, y, w, h);
    VerticalGradient(cr, y, y + h, Hex(0xD99A5B), Hex(0xB5743A));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x8A5228));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void ShelfUnit(cairo_t* cr, const Place& p, double left, double right)
{
    // Back panel, top board, planks and uprights.
    cairo_rectangle(cr, p.X(left), p.Y(50), p.X(right) - p.X(left), p.Y(548) - p.Y(50));
    SetColour(cr, Hex(0xF6DDB0));
    cairo_fill(cr);
    for (double plank : {216.0, 372.0, 532.0}) {
        cairo_rectangle(cr, p.X(left), p.Y(plank) - p.S(10), p.X(right) - p.X(left), p.S(10));
        SetColour(cr, Hex(0x000000, 0.06));
        cairo_fill(cr);
        Wood(cr, p.X(left - 15), p.Y(plank), p.X(right + 15) - p.X(left - 15), p.S(16));
    }
    Wood(cr, p.X(left - 22), p.Y(36), p.X(right + 22) - p.X(left - 22), p.S(18));
    Wood(cr, p.X(left - 15), p.Y(50), p.S(15), p.Y(560) - p.Y(50));
    Wood(cr, p.X(right), p.Y(50), p.S(15), p.Y(560) - p.Y(50));
}

void Room(cairo_t* cr, const UiMode& m, double w, double h)
{
    const Place p{m};
    // Wallpaper with soft stripes and dots.
    cairo_rectangle(cr, 0, 0, w, p.Y(590));
    VerticalGradient(cr, 0, p.Y(590), Hex(0xFFF4CC), Hex(0xFFE39A));
    cairo_fill(cr);
    for (double x = 0; x < w; x += p.S(64)) {
        cairo_rectangle(cr, x, 0, p.S(28), p.Y(590));
        SetColour(cr, Hex(0xFFFFFF, 0.25));
        cairo_fill(cr);
    }
    // Floor boards and skirting.
    cairo_rectangle(cr, 0, p.Y(590), w, h - p.Y(590));
    VerticalGradient(cr, p.Y(590), h, Hex(0xE6B27A), Hex(0xC98A4B));
    cairo_fill(cr);
    for (double y = 610; p.Y(y) < h; y += 46) {
        cairo_move_to(cr, 0, p.Y(y));
        cairo_line_to(cr, w, p.Y(y));
        SetColour(cr, Hex(0x9A6234, 0.35));
        cairo_set_line_width(cr, p.S(2));
        cairo_stroke(cr);
    }
    Wood(cr, 0, p.Y(575), w, p.S(16));
    cairo_save(cr);
    cairo_translate(cr, 0, m.trainShift);
    DrawBunting(cr, w, m.scale * 0.8);
    cairo_restore(cr);
    ShelfUnit(cr, p, 145, 545);
    ShelfUnit(cr, p, 745, 1110);
    // A round window with the sky between the shelves.
    const double cx = p.X(645), cy = p.Y(250), r = p.S(72);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    VerticalGradient(cr, cy - r, cy + r, Hex(0x6EC6FF), Hex(0xCFEFFF));
    cairo_fill(cr);
    cairo_arc(cr, cx - r * 0.35, cy - r * 0.3, r * 0.22, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFD93D));
    cairo_fill(cr);
    for (const auto& c : {std::make_pair(0.15, 0.25), std::make_pair(0.4, 0.2), std::make_pair(0.28, 0.05)}) {
        cairo_arc(cr, cx + r * c.first, cy + r * c.second, r * 0.2, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_set_line_width(cr, p.S(12));
    cairo_stroke(cr);
    cairo_move_to(cr, cx - r, cy);
    cairo_line_to(cr, cx + r, cy);
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx, cy + r);
    cairo_set_line_width(cr, p.S(7));
    cairo_stroke(cr);
    // Rails along the floor.
    const UiWagonPlace first = TrainWagon(m, 0);
    const UiSize frame = TrainFrameSize(m);
    const double rail = first.y + frame.height + p.S(52);
    for (double x = p.S(-10); x < w; x += p.S(34)) {
        RoundedRectPath(cr, x, rail - p.S(4), p.S(20), p.S(14), p.S(3));
        SetColour(cr, Hex(0x8A5228));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, rail - p.S(8), w, p.S(7));
    SetColour(cr, Hex(0x8C8FA3));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, rail - p.S(8), w, p.S(2.5));
    SetColour(cr, Hex(0xD6D8E6));
    cairo_fill(cr);
}

void Wheel(cairo_t* cr, double x, double y, double r)
{
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetColour(cr, Hex(0x3D3F52));
    cairo_fill(cr);
    cairo_arc(cr, x, y, r * 0.72, 0, 2 * M_PI);
    SetColour(cr, Hex(0xE8453C));
    cairo_fill(cr);
    cairo_arc(cr, x, y, r * 0.28, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFD93D));
    cairo_fill(cr);
}

// The front panel of wagon i with its top-left corner at (ox, oy): a coloured
// side wall with a large window through which the word picture is seen.
void WagonFront(cairo_t* cr, const UiMode& m, int i, double ox, double oy)
{
    const UiSize f = TrainFrameSize(m);
    const double w = f.width, h = f.height;
    const double side = std::round(w * 0.06), top = std::round(h * 0.06), bottom = std::round(h * 0.2);
    const UiColour c = Hex(kWagonColours[i]);
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRectPath(cr, 0.5, 0.5, w - 1, h - 1, m.scale * 10);
    RoundedRectPath(cr, side, top, w - 2 * side, h - top - bottom, m.scale * 8);
    VerticalGradient(cr, 0, h, Lighter(c, 0.2), Darker(c, 0.12));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(c, 0.45));
    cairo_set_line_width(cr, std::max(1.5, m.scale * 3));
    cairo_stroke(cr);
    // Rivets and a white stripe on the bottom band.
    cairo_rectangle(cr, side, h - bottom * 0.62, w - 2 * side, std::max(2.0, bottom * 0.14));
    SetColour(cr, Hex(0xFFFFFF, 0.85));
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k) {
        cairo_arc(cr, side + (w - 2 * side) * (k + 0.5) / 6, h - bottom * 0.27, std::max(1.5, m.scale * 3.5), 0,
                  2 * M_PI);
        SetColour(cr, Darker(c, 0.3));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void WagonBody(cairo_t* cr, const UiMode& m, int i, bool withFront)
{
    const Place p{m};
    const UiWagonPlace wp = TrainWagon(m, i);
    const UiSize f = TrainFrameSize(m);
    const UiColour c = Hex(kWagonColours[i]);
    const double over = p.S(8);
    // Roof between the clearance line and the front: pictures pass behind it.
    RoundedRectPath(cr, wp.x - over, wp.clearance, f.width + 2 * over, wp.y - wp.clearance + p.S(4), p.S(10));
    VerticalGradient(cr, wp.clearance, wp.y, Lighter(c, 0.35), Darker(c, 0.25));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(c, 0.5));
    cairo_set_line_width(cr, std::max(1.5, m.scale * 3));
    cairo_stroke(cr);
    cairo_rectangle(cr, wp.x + p.S(12), wp.clearance + p.S(6), f.width - p.S(24), p.S(5));
    SetColour(cr, Hex(0xFFFFFF, 0.6));
    cairo_fill(cr);
    // Chassis, wheels and the coupling to the previous car.
    const double base = wp.y + f.height;
    RoundedRectPath(cr, wp.x - over / 2, base - p.S(4), f.width + over, p.S(20), p.S(6));
    SetColour(cr, Hex(0x3D3F52));
    cairo_fill(cr);
    cairo_rectangle(cr, wp.x - p.S(26), base + p.S(2), p.S(30), p.S(8));
    SetColour(cr, Hex(0x5A5D74));
    cairo_fill(cr);
    for (double at : {0.24, 0.76})
        Wheel(cr, wp.x + f.width * at, base + p.S(26), p.S(22));
    if (withFront) {
        cairo_rectangle(cr, wp.x + f.width * 0.05, wp.y + f.height * 0.05, f.width * 0.9, f.height * 0.8);
        VerticalGradient(cr, wp.y, wp.y + f.height, Darker(c, 0.55), Darker(c, 0.35));
        cairo_fill(cr);
        WagonFront(cr, m, i, wp.x, wp.y);
    }
}

void Locomotive(cairo_t* cr, const UiMode& m)
{
    const Place p{m};
    const UiColour red = Hex(0xE8453C);
    const UiColour ink = Hex(0x5A1A14);
    auto body = [&](double x, double y, double w, double h, double r, UiColour c) {
        RoundedRectPath(cr, p.X(x), p.Y(y), p.S(w), p.S(h), p.S(r));
        VerticalGradient(cr, p.Y(y), p.Y(y + h), Lighter(c, 0.2), Darker(c, 0.12));
        cairo_fill_preserve(cr);
        SetColour(cr, ink);
        cairo_set_line_width(cr, p.S(3));
        cairo_stroke(cr);
    };
    // Chimney with a crown, steam dome, boiler with bands, cab.
    body(70, 612, 44, 80, 6, Hex(0x3D3F52));
    body(60, 598, 64, 20, 8, Hex(0x3D3F52));
    for (const auto& puff : {std::make_tuple(105.0, 560.0, 22.0), std::make_tuple(140.0, 530.0, 30.0),
                             std::make_tuple(185.0, 505.0, 26.0)}) {
        cairo_arc(cr, p.X(std::get<0>(puff)), p.Y(std::get<1>(puff)), p.S(std::get<2>(puff)), 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF, 0.85));
        cairo_fill(cr);
    }
    body(24, 690, 200, 112, 40, red);
    body(140, 660, 40, 36, 14, Hex(0xFFC530));
    for (double x : {70.0, 130.0, 190.0}) {
        cairo_rectangle(cr, p.X(x), p.Y(692), p.S(12), p.S(108));
        SetColour(cr, Hex(0xFFC530));
        cairo_fill(cr);
    }
    cairo_arc(cr, p.X(30), p.Y(745), p.S(18), 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFF3A0));
    cairo_fill_preserve(cr);
    SetColour(cr, ink);
    cairo_set_line_width(cr, p.S(3));
    cairo_stroke(cr);
    body(206, 612, 160, 196, 12, red);
    body(196, 594, 180, 24, 10, Hex(0x3D3F52));
    // The cab window, where the driver leans out.
    RoundedRectPath(cr, p.X(224), p.Y(632), p.S(126), p.S(112), p.S(14));
    VerticalGradient(cr, p.Y(632), p.Y(744), Hex(0xBFE6FF), Hex(0x8ACBF2));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_set_line_width(cr, p.S(6));
    cairo_stroke(cr);
    // Chassis, cow-catcher and wheels.
    const UiWagonPlace first = TrainWagon(m, 0);
    const double base = first.y + TrainFrameSize(m).height;
    cairo_rectangle(cr, p.X(20), base - p.S(4), p.X(366) - p.X(20), p.S(20));
    SetColour(cr, Hex(0x3D3F52));
    cairo_fill(cr);
    cairo_move_to(cr, p.X(24), base - p.S(4));
    cairo_line_to(cr, p.X(2), base + p.S(34));
    cairo_line_to(cr, p.X(44), base + p.S(34));
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFC530));
    cairo_fill_preserve(cr);
    SetColour(cr, ink);
    cairo_stroke(cr);
    Wheel(cr, p.X(90), base + p.S(20), p.S(30));
    Wheel(cr, p.X(165), base + p.S(20), p.S(30));
    Wheel(cr, p.X(290), base + p.S(26), p.S(22));
    cairo_rectangle(cr, p.X(90), base + p.S(17), p.X(165) - p.X(90), p.S(6));
    SetColour(cr, Hex(0xD6D8E6));
    cairo_fill(cr);
}

void DrawBox(cairo_t* cr, const UiMode& m, int k)
{
    const UiBoxPlace b = TrainBox(m, k);
    const Place p{m};
    const UiColour c = Hex(kBoxColours[k]);
    // Everything, the shadow included, stays inside the box picture, which
    // is cut out of the shelf behind it.
    const double right = b.x + b.width - p.S(4);
    const double bottom = b.y + b.height - p.S(3);
    SoftShadow(cr, b.x + p.S(4), b.y + p.S(12), right - b.x - p.S(4), bottom - b.y - p.S(12), p.S(8), p.S(2.5), 0.18);
    RoundedRectPath(cr, b.x + p.S(2), b.y + p.S(10), right - b.x - p.S(4), bottom - b.y - p.S(12), p.S(8));
    VerticalGradient(cr, b.y, b.y + b.height, Lighter(c, 0.2), Darker(c, 0.1));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(c, 0.45));
    cairo_set_line_width(cr, std::max(1.5, p.S(3)));
    cairo_stroke(cr);
    // The lid overhangs the box a little.
    RoundedRectPath(cr, b.x + p.S(1), b.y + p.S(1.5), b.width - p.S(5), p.S(22), p.S(7));
    VerticalGradient(cr, b.y, b.y + p.S(22), Lighter(c, 0.35), Darker(c, 0.05));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(c, 0.45));
    cairo_stroke(cr);
    // The white tag the sound's name is written on.
    const double tagW = std::min(b.width - p.S(16), p.S(104));
    const double tagH = p.S(76);
    const double cy = b.labelY + FromMode16(m, 6);
    SoftShadow(cr, b.labelX - tagW / 2 + p.S(2), cy - tagH / 2 + p.S(3), tagW, tagH, p.S(12), p.S(2), 0.15);
    RoundedRectPath(cr, b.labelX - tagW / 2, cy - tagH / 2, tagW, tagH, p.S(12));
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(c, 0.25));
    cairo_set_line_width(cr, std::max(1.0, p.S(2.5)));
    cairo_stroke(cr);
}

Bitmap Crop(const Bitmap& from, int x, int y, int w, int h)
{
    Bitmap out(w, h);
    out.CopyRect({0, 0, w, h}, from, {x, y, x + w, y + h});
    return out;
}

void WriteFrame(InterfaceWriter& out, const UiMode& m, const std::string& obj)
{
    const UiSize f = TrainFrameSize(m);
    const int t = TrainFrameBorder(m);
    UiCanvas c(f.width, f.height);
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 0, f.width, f.height);
    SetColour(cr, Hex(0xFF9A3C));
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, f.width - 1, f.height - 1);
    SetColour(cr, Hex(0xB8561A));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, t - 1, t - 1, f.width - 2 * (t - 1), f.height - 2 * (t - 1));
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    out.Picture(obj + "poc_ramp.xbi", c.Over(clWhite));
}

void WriteHighlight(InterfaceWriter& out, const UiMode& m, const std::string& obj)
{
    const UiSize size = TrainHighlightSize(m);
    const UiSize f = TrainFrameSize(m);
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double gx = (size.width - f.width) / 2.0 - 4 * m.scale;
    const double gy = (size.height - f.height) / 2.0 - 4 * m.scale;
    // A glowing ring just outside a wagon front.
    for (int i = 8; i >= 1; --i) {
        const double grow = i * 2.2 * m.scale;
        RoundedRectPath(cr, gx - grow, gy - grow, size.width - 2 * gx + 2 * grow, size.height - 2 * gy + 2 * grow,
                        16 * m.scale + grow);
        SetColour(cr, Hex(0xFFE24A, 0.09));
        cairo_set_line_width(cr, 5 * m.scale);
        cairo_stroke(cr);
    }
    RoundedRectPath(cr, gx, gy, size.width - 2 * gx, size.height - 2 * gy, 16 * m.scale);
    SetColour(cr, Hex(0xFFD21F));
    cairo_set_line_width(cr, 7 * m.scale);
    cairo_stroke(cr);
    RoundedRectPath(cr, gx, gy, size.width - 2 * gx, size.height - 2 * gy, 16 * m.scale);
    SetColour(cr, Hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 2.5 * m.scale);
    cairo_stroke(cr);
    const double corners[4][2] = {{gx, gy}, {size.width - gx, gy}, {gx, size.height - gy}, {size.width - gx, size.height - gy}};
    for (const auto& cxy : corners) {
        StarPath(cr, cxy[0], cxy[1], 17 * m.scale, 6 * m.scale, 4);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xFFB020));
        cairo_set_line_width(cr, 1.5 * m.scale);
        cairo_stroke(cr);
    }
    out.Pair(obj + "poc_psw", ".xji", c);
}

void WriteZoom(InterfaceWriter& out, const UiMode& m, const std::string& obj)
{
    const UiSize size = ZoomFrameSize(m);
    const UiSize win = ZoomWindowSize(m);
    const UiTrainPoint at = ZoomWindowPlace(m);
    const double s = size.width / 396.0;
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    SoftShadow(cr, 6 * s, 8 * s, size.width - 12 * s, size.height - 12 * s, 30 * s, 5 * s, 0.25);
    RoundedRectPath(cr, 3 * s, 3 * s, size.width - 8 * s, size.height - 9 * s, 30 * s);
    VerticalGradient(cr, 0, size.height, Hex(0xFFD95A), Hex(0xF59A23));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xB86A12));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
    RoundedRectPath(cr, 9 * s, 8 * s, size.width - 20 * s, (size.height - 20 * s) * 0.45, 24 * s);
    VerticalGradient(cr, 0, size.height * 0.5, Hex(0xFFFFFF, 0.5), Hex(0xFFFFFF, 0.0));
    cairo_fill(cr);
    // The window: white, the word picture is laid into it through its mask.
    // The mask keeps the picture's outline (its outermost pixels) out, and
    // the frame's dark rim reaches over them, so that no black line shows
    // inside the rounded corners.
    const double inset = WordWindowInset();
    RoundedRectPath(cr, at.x - 3 * s, at.y - 3 * s, win.width + 6 * s, win.height + 6 * s, 18 * s);
    SetColour(cr, Hex(0xB86A12));
    cairo_fill(cr);
    RoundedRectPath(cr, at.x + inset, at.y + inset, win.width - 2 * inset, win.height - 2 * inset,
                    ZoomWindowRadius(m) - inset);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    // A little magnifying glass badge on the corner.
    const double bx = size.width - 30 * s, by = size.height - 30 * s;
    cairo_arc(cr, bx, by, 20 * s, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xB86A12));
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    cairo_arc(cr, bx - 3 * s, by - 3 * s, 9 * s, 0, 2 * M_PI);
    SetColour(cr, Hex(0x3B7BE8));
    cairo_set_line_width(cr, 3.5 * s);
    cairo_stroke(cr);
    cairo_move_to(cr, bx + 4 * s, by + 4 * s);
    cairo_line_to(cr, bx + 12 * s, by + 12 * s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5 * s);
    cairo_stroke(cr);
    out.Pair(obj + "ZoomEx", ".xji", c);

    UiCanvas mask(win.width, win.height);
    cairo_t* mr = mask.Cr();
    cairo_set_source_rgb(mr, 0, 0, 0);
    cairo_paint(mr);
    RoundedRectPath(mr, WordWindowInset(), WordWindowInset(), win.width - 2 * WordWindowInset(),
                    win.height - 2 * WordWindowInset(), ZoomWindowRadius(m) - WordWindowInset());
    cairo_set_source_rgb(mr, 1, 1, 1);
    cairo_fill(mr);
    out.Picture(obj + "ZoomExObrM.xji", mask.Over(clBlack));
}

} // namespace

void GenerateTrain(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const std::string obj = spec + m.prefix;
    UiCanvas scene(m.backdropWidth, m.backdropHeight);
    cairo_t* cr = scene.Cr();
    Room(cr, m, m.backdropWidth, m.backdropHeight);
    Locomotive(cr, m);
    for (int i = 0; i < 4; ++i)
        WagonBody(cr, m, i, true);
    const Bitmap background = scene.Over(clBlack);
    out.Picture(spec + m.backdrop + "Tpociag.xji", background);

    // The driver's frames: the cab from the background with him in it.
    const UiTrainPoint fp = TrainFigurePlace(m);
    const UiSize fs = TrainFigureSize(m);
    const UiPose poses[6] = {
        {0.3, 0.4, 0, 0, 0.4, false, 0},     {0.3, 0.4, 0, 0, 0.4, true, 0},
        {0.3, 2.5, -0.05, 1, 0.8, false, 0.5}, {0.3, 2.0, 0.05, 2, 1.0, false, 0.3},
        {0.3, 0.6, -0.12, 0, 0.5, false, -0.8}, {0.3, 0.6, 0.1, 0, 0.6, false, 0.8},
    };
    const Place p{m};
    for (int k = 0; k < 6; ++k) {
        UiCanvas c(fs.width, fs.height);
        c.Paint(Crop(background, fp.x, fp.y, fs.width, fs.height), 0, 0);
        cairo_t* fc = c.Cr();
        cairo_save(fc);
        cairo_translate(fc, -fp.x, -fp.y);
        RoundedRectPath(fc, p.X(224) + p.S(3), p.Y(632) + p.S(3), p.S(120), p.S(106), p.S(12));
        cairo_clip(fc);
        DrawDriver(fc, p.X(226), p.Y(640), p.S(122), p.S(104), poses[k]);
        cairo_restore(fc);
        out.Picture(obj + "poc_gad" + std::to_string(k) + ".xji", c.Over(clBlack));
    }

    // Wagon fronts as transparent pairs.
    for (int i = 0; i < 4; ++i) {
        const UiSize f = TrainFrameSize(m);
        UiCanvas c(f.width, f.height);
        WagonFront(c.Cr(), m, i, 0, 0);
        out.Pair(obj + "poc_sz" + std::to_string(i + 1), ".xji", c);
    }

    // Boxes: the shelf under them from the background, the box over it.
    UiCanvas shelf(m.backdropWidth, m.backdropHeight);
    shelf.Paint(background, 0, 0);
    for (int k = 0; k < 12; ++k)
        DrawBox(shelf.Cr(), m, k);
    const Bitmap withBoxes = shelf.Over(clBlack);
    for (int k = 0; k < 12; ++k) {
        const UiBoxPlace b = TrainBox(m, k);
        out.Picture(obj + "poc_regp" + std::to_string(k % 4 + 1) + std::to_string(k / 4 + 1) + ".xji",
                    Crop(withBoxes, b.x, b.y, b.width, b.height));
    }
    WriteFrame(out, m, obj);
    WriteHighlight(out, m, obj);
    if (m.mode != 16)
        WriteZoom(out, m, obj);
}
