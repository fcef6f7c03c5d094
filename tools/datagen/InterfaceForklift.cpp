// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game: the warehouse with its two racks, the text and picture
// boxes with their hint highlights, and the truck in its eight pictures,
// each drawn around the fork root and the floor line the game places it by.
#include <cmath>
#include <string>

#include "games/forklift/CWidWozek.h"
#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"

namespace {

// The rows of the racks, 1280 design (the game's own numbers).
constexpr int kReferenceY[4] = {182, 353, 529, 727};
constexpr int kEmptyY[4] = {182, 348, 520, 715};
constexpr int kRightY[4] = {210, 377, 553, 745};
constexpr int kFloor = 750;

const UiColour kSteel = Hex(0x3D3F52);
const UiColour kBeam = Hex(0xF08A24);
const UiColour kUpright = Hex(0x3B6FD8);
const UiColour kTruck = Hex(0xFFC530);

double S(const UiMode& m, double v) { return v * m.scale; }
// A design line exactly where the game converts it.
double Line(const UiMode& m, int v) { return FromMode16Rounded(m, v); }

void Fill(cairo_t* cr, UiColour c, UiColour outline, double width)
{
    SetColour(cr, c);
    cairo_fill_preserve(cr);
    SetColour(cr, outline);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A shelf beam whose top is the line boxes stand on.
void Beam(cairo_t* cr, const UiMode& m, double left, double right, int shelf)
{
    const double top = Line(m, shelf);
    cairo_rectangle(cr, S(m, left), top + S(m, 12), S(m, right - left), S(m, 8));
    SetColour(cr, Hex(0x000000, 0.12));
    cairo_fill(cr);
    RoundedRectPath(cr, S(m, left), top, S(m, right - left), S(m, 13), S(m, 3));
    VerticalGradient(cr, top, top + S(m, 13), Lighter(kBeam, 0.2), Darker(kBeam, 0.15));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(kBeam, 0.4));
    cairo_set_line_width(cr, std::max(1.0, S(m, 1.5)));
    cairo_stroke(cr);
}

void Upright(cairo_t* cr, const UiMode& m, double x, double top)
{
    RoundedRectPath(cr, S(m, x), S(m, top), S(m, 12), S(m, kFloor - top + 4), S(m, 3));
    VerticalGradient(cr, S(m, top), S(m, kFloor), Lighter(kUpright, 0.15), Darker(kUpright, 0.1));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(kUpright, 0.45));
    cairo_set_line_width(cr, std::max(1.0, S(m, 1.5)));
    cairo_stroke(cr);
    for (double y = top + 20; y < kFloor - 10; y += 28) {
        cairo_arc(cr, S(m, x + 6), S(m, y), S(m, 2), 0, 2 * M_PI);
        SetColour(cr, Darker(kUpright, 0.35));
        cairo_fill(cr);
    }
}

void Warehouse(cairo_t* cr, const UiMode& m, double w, double h)
{
    const double floor = Line(m, kFloor);
    // Wall of light panels.
    cairo_rectangle(cr, 0, 0, w, floor);
    VerticalGradient(cr, 0, floor, Hex(0xEAF3FF), Hex(0xCFDDF2));
    cairo_fill(cr);
    for (double x = 0; x < 1280; x += 80) {
        cairo_rectangle(cr, S(m, x), 0, S(m, 3), floor);
        SetColour(cr, Hex(0xB7C7E0, 0.6));
        cairo_fill(cr);
    }
    // High windows with sky between the racks.
    for (int k = 0; k < 3; ++k) {
        const double x = 580 + k * 110;
        RoundedRectPath(cr, S(m, x), S(m, 150), S(m, 90), S(m, 110), S(m, 10));
        VerticalGradient(cr, S(m, 150), S(m, 260), Hex(0x7FD0FF), Hex(0xD4F0FF));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, S(m, 6));
        cairo_stroke(cr);
        cairo_move_to(cr, S(m, x + 45), S(m, 150));
        cairo_line_to(cr, S(m, x + 45), S(m, 260));
        cairo_set_line_width(cr, S(m, 4));
        cairo_stroke(cr);
    }
    // The sign over the aisle.
    RoundedRectPath(cr, S(m, 590), S(m, 40), S(m, 300), S(m, 76), S(m, 18));
    VerticalGradient(cr, S(m, 40), S(m, 116), Hex(0x4FC36B), Hex(0x2E9A4C));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x1F6B34));
    cairo_set_line_width(cr, S(m, 4));
    cairo_stroke(cr);
    UiTextStyle sign;
    sign.size = S(m, 40);
    sign.fill = Hex(0xFFFFFF);
    sign.outline = Hex(0x1F6B34, 0.7);
    sign.outlineWidth = S(m, 2);
    CentredText(cr, "MAGAZYN", S(m, 740), S(m, 78), sign);
    // A lamp above the sign.
    cairo_move_to(cr, S(m, 740), 0);
    cairo_line_to(cr, S(m, 740), S(m, 24));
    SetColour(cr, kSteel);
    cairo_set_line_width(cr, S(m, 3));
    cairo_stroke(cr);

    // Concrete floor with the painted lane.
    cairo_rectangle(cr, 0, floor, w, h - floor);
    VerticalGradient(cr, floor, h, Hex(0xC8CDD8), Hex(0xA7AEBD));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, floor, w, S(m, 5));
    SetColour(cr, Hex(0x8D95A6));
    cairo_fill(cr);
    for (double x = 20; x < 1280; x += 90) {
        cairo_rectangle(cr, S(m, x), floor + S(m, 44), S(m, 50), S(m, 9));
        SetColour(cr, Hex(0xFFD23F));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, floor + S(m, 92), w, S(m, 2));
    SetColour(cr, Hex(0xFFFFFF, 0.35));
    cairo_fill(cr);

    // The left rack: reference boxes round x 158, the slots for the boxes
    // to deliver round x 382, each row on its own beam.
    Upright(cr, m, 8, 20);
    Upright(cr, m, 266, 20);
    Upright(cr, m, 522, 20);
    Beam(cr, m, 0, 542, 24);
    for (int i = 0; i < 4; ++i) {
        Beam(cr, m, 4, 292, kReferenceY[i]);
        Beam(cr, m, 250, 540, kEmptyY[i]);
        // A little arrow on the slot's beam: "your box goes here".
        const double y = Line(m, kEmptyY[i]) + S(m, 6.5);
        cairo_move_to(cr, S(m, 400), y - S(m, 4));
        cairo_line_to(cr, S(m, 370), y);
        cairo_line_to(cr, S(m, 400), y + S(m, 4));
        SetColour(cr, Hex(0xFFFFFF, 0.85));
        cairo_set_line_width(cr, std::max(1.0, S(m, 2.5)));
        cairo_stroke(cr);
    }
    // The right rack of boxes to carry, its lowest row a pallet on the floor.
    Upright(cr, m, 957, 40);
    Upright(cr, m, 1256, 40);
    Beam(cr, m, 950, 1276, 44);
    for (int i = 0; i < 3; ++i)
        Beam(cr, m, 954, 1272, kRightY[i]);
    const double pallet = Line(m, kRightY[3]);
    for (double x : {990.0, 1100.0, 1210.0}) {
        cairo_rectangle(cr, S(m, x), pallet, S(m, 26), floor - pallet + S(m, 2));
        SetColour(cr, Hex(0xB5743A));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, S(m, 970), pallet, S(m, 286), S(m, 3));
    SetColour(cr, Hex(0x8A5228));
    cairo_fill(cr);
}

void Wheel(cairo_t* cr, double cx, double cy, double r)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColour(cr, Hex(0x2B2D3A));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * M_PI);
    SetColour(cr, Hex(0xD6D8E6));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.2, 0, 2 * M_PI);
    SetColour(cr, Hex(0xE8453C));
    cairo_fill(cr);
}

void Driver(cairo_t* cr, double cx, double top, bool front)
{
    // Torso, head, helmet and a smile; facing +x unless seen from the front.
    RoundedRectPath(cr, cx - 22, top + 50, 44, 90, 14);
    Fill(cr, Hex(0x3B7BE8), Hex(0x1F4FA8), 2);
    cairo_arc(cr, cx, top + 28, 24, 0, 2 * M_PI);
    Fill(cr, Hex(0xFFD7B0), Hex(0xC98D5F), 2);
    cairo_arc(cr, cx, top + 24, 27, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    Fill(cr, Hex(0xFFE14D), Hex(0xC9A012), 2);
    const double eye = front ? 0 : 8;
    for (double dx : {-8.0, 8.0}) {
        cairo_arc(cr, cx + eye + dx, top + 30, 3, 0, 2 * M_PI);
        SetColour(cr, Hex(0x2B2D3A));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx + eye, top + 36, 9, 0.15 * M_PI, 0.85 * M_PI);
    SetColour(cr, Hex(0x9E3B2B));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// The body facing +x in design units: the fork root at (0, 0) on the floor.
void BodySide(cairo_t* cr)
{
    // Shadow on the floor.
    cairo_save(cr);
    cairo_scale(cr, 1, 0.12);
    cairo_arc(cr, -110, -4 / 0.12, 120, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Hex(0x000000, 0.18));
    cairo_fill(cr);
    // Mast: two rails with cross bars and the lift cylinder.
    cairo_rectangle(cr, -40, -300, 7, 270);
    Fill(cr, Hex(0xB8BCCB), Hex(0x6B6F8A), 1.5);
    for (double x : {-28.0, -14.0}) {
        cairo_rectangle(cr, x, -585, 11, 565);
        Fill(cr, Hex(0x5B7DB1), Hex(0x2F4A78), 2);
    }
    for (double y : {-585.0, -420.0, -250.0, -40.0}) {
        cairo_rectangle(cr, -30, y, 30, 9);
        Fill(cr, Hex(0x4A6A9E), Hex(0x2F4A78), 1.5);
    }
    // Overhead guard and the driver under it.
    for (double x : {-196.0, -82.0}) {
        cairo_rectangle(cr, x, -365, 8, 230);
        Fill(cr, kSteel, Darker(kSteel, 0.4), 1.5);
    }
    RoundedRectPath(cr, -206, -378, 140, 16, 5);
    Fill(cr, kSteel, Darker(kSteel, 0.4), 1.5);
    Driver(cr, -130, -290, false);
    // Seat back, counterweight, chassis.
    RoundedRectPath(cr, -176, -235, 20, 100, 8);
    Fill(cr, Hex(0xE8453C), Hex(0x9E1F18), 2);
    RoundedRectPath(cr, -238, -200, 52, 160, 16);
    Fill(cr, Hex(0x4A4E69), Hex(0x2B2D3A), 2);
    RoundedRectPath(cr, -226, -150, 214, 108, 18);
    VerticalGradient(cr, -150, -42, Lighter(kTruck, 0.25), Darker(kTruck, 0.12));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(kTruck, 0.5));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, -220, -112, 200, 10);
    SetColour(cr, Hex(0x2B2D3A, 0.85));
    cairo_fill(cr);
    // Steering wheel in the driver's hands.
    cairo_move_to(cr, -96, -150);
    cairo_line_to(cr, -86, -196);
    SetColour(cr, kSteel);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -86, -198);
    cairo_scale(cr, 0.45, 1);
    cairo_arc(cr, 0, 0, 16, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, kSteel);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, -112, -232);
    cairo_line_to(cr, -90, -200);
    SetColour(cr, Hex(0x3B7BE8));
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // A beacon on the roof and a headlight on the mast.
    RoundedRectPath(cr, -150, -396, 20, 18, 6);
    Fill(cr, Hex(0xFF9A3C), Hex(0xB8561A), 1.5);
    cairo_arc(cr, -6, -330, 8, 0, 2 * M_PI);
    Fill(cr, Hex(0xFFF3A0), Hex(0xB89A12), 1.5);
    Wheel(cr, -184, -32, 32);
    Wheel(cr, -56, -34, 34);
}

// The mast foot that passes in front of the fork's carriage.
void OverlaySide(cairo_t* cr)
{
    RoundedRectPath(cr, -7, -40, 20, 38, 5);
    Fill(cr, Hex(0x4A6A9E), Hex(0x2F4A78), 1.5);
    cairo_arc(cr, 3, -21, 4, 0, 2 * M_PI);
    SetColour(cr, Hex(0xD6D8E6));
    cairo_fill(cr);
}

// The fork facing +x: the tine's top at (0, 0) from the root, the
// carriage plate hanging under the root.
void ForkSide(cairo_t* cr)
{
    RoundedRectPath(cr, 0.5, 0, 16, 28, 3);
    Fill(cr, Hex(0x4A6A9E), Hex(0x2F4A78), 1.5);
    cairo_arc(cr, 8.5, 18, 3, 0, 2 * M_PI);
    SetColour(cr, Hex(0xD6D8E6));
    cairo_fill(cr);
    cairo_move_to(cr, 0.5, 0.5);
    cairo_line_to(cr, 188, 0.5);
    cairo_line_to(cr, 195.5, 6);
    cairo_line_to(cr, 195.5, 9);
    cairo_line_to(cr, 0.5, 9);
    cairo_close_path(cr);
    Fill(cr, Hex(0x6B6F8A), Darker(kSteel, 0.5), 1.2);
    cairo_rectangle(cr, 16, 1.5, 168, 2);
    SetColour(cr, Hex(0xFFFFFF, 0.45));
    cairo_fill(cr);
}

void BodyFront(cairo_t* cr)
{
    cairo_save(cr);
    cairo_scale(cr, 1, 0.1);
    cairo_arc(cr, 0, -4 / 0.1, 112, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Hex(0x000000, 0.18));
    cairo_fill(cr);
    for (double x : {-96.0, 88.0}) {
        cairo_rectangle(cr, x - 8, -365, 8, 230);
        Fill(cr, kSteel, Darker(kSteel, 0.4), 1.5);
    }
    RoundedRectPath(cr, -106, -378, 212, 16, 5);
    Fill(cr, kSteel, Darker(kSteel, 0.4), 1.5);
    RoundedRectPath(cr, -10, -396, 20, 18, 6);
    Fill(cr, Hex(0xFF9A3C), Hex(0xB8561A), 1.5);
    Driver(cr, 0, -290, true);
    for (double x : {-106.0, 72.0}) {
        RoundedRectPath(cr, x, -72, 34, 72, 10);
        Fill(cr, Hex(0x2B2D3A), Hex(0x15161E), 1.5);
    }
    RoundedRectPath(cr, -84, -150, 168, 108, 18);
    VerticalGradient(cr, -150, -42, Lighter(kTruck, 0.25), Darker(kTruck, 0.12));
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(kTruck, 0.5));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x : {-62.0, 62.0}) {
        cairo_arc(cr, x, -118, 10, 0, 2 * M_PI);
        Fill(cr, Hex(0xFFF3A0), Hex(0xB89A12), 1.5);
    }
    for (double x : {-52.0, 40.0}) {
        cairo_rectangle(cr, x, -585, 12, 565);
        Fill(cr, Hex(0x5B7DB1), Hex(0x2F4A78), 2);
    }
    for (double y : {-585.0, -420.0, -40.0}) {
        cairo_rectangle(cr, -50, y, 100, 9);
        Fill(cr, Hex(0x4A6A9E), Hex(0x2F4A78), 1.5);
    }
}

void ForkFront(cairo_t* cr)
{
    RoundedRectPath(cr, -74, 0.5, 148, 10, 3);
    Fill(cr, kSteel, Darker(kSteel, 0.5), 1.5);
    for (double x : {-48.0, 30.0}) {
        RoundedRectPath(cr, x, 0.5, 18, 15, 2);
        Fill(cr, Hex(0x6B6F8A), Darker(kSteel, 0.5), 1.2);
    }
}

// One truck picture: the drawing in design units around the root at (rx, ry)
// of the picture, mirrored for the pictures facing left.
template <class Draw>
void TruckPicture(InterfaceWriter& out, const UiMode& m, int index, double rx, double ry, bool mirrored, Draw draw)
{
    const UiSize size = ForkliftTruckSize(m, index);
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    cairo_translate(cr, rx, ry);
    cairo_scale(cr, mirrored ? -m.scale : m.scale, m.scale);
    draw(cr);
    out.Pair(std::string("Data\\Intf\\Spec\\") + m.prefix + CWidWozek::PictureNames()[static_cast<std::size_t>(index)],
             ".xji", c);
}

void WriteTruck(InterfaceWriter& out, const UiMode& m)
{
    auto s = [&m](int v) { return static_cast<double>(FromMode16Rounded(m, v)); };
    const UiSize fork = ForkliftTruckSize(m, 1);
    const UiSize front = ForkliftTruckSize(m, 7);
    // Body offsets (42, 600), (238, 597), (109, 590); overlay offsets (27,
    // 556) and (231, 556) from the body's corner.
    TruckPicture(out, m, 0, s(42), s(600), true, BodySide);
    TruckPicture(out, m, 1, fork.width, 0, true, ForkSide);
    TruckPicture(out, m, 2, s(42) - s(27), s(600) - s(556), true, OverlaySide);
    TruckPicture(out, m, 3, s(238), s(597), false, BodySide);
    TruckPicture(out, m, 4, 0, 0, false, ForkSide);
    TruckPicture(out, m, 5, s(238) - s(231), s(597) - s(556), false, OverlaySide);
    TruckPicture(out, m, 6, s(109), s(590), false, BodyFront);
    TruckPicture(out, m, 7, front.width / 2, 0, false, ForkFront);
}

// A cardboard box with a white label for the written word.
void TextBox(cairo_t* cr, const UiMode& m, UiSize size)
{
    const double w = size.width, body = S(m, 61);
    SoftShadow(cr, S(m, 4), body - S(m, 6), w - S(m, 8), size.height - body + S(m, 4), S(m, 4), S(m, 2), 0.3);
    RoundedRectPath(cr, S(m, 2), S(m, 2), w - S(m, 4), body - S(m, 2), S(m, 7));
    VerticalGradient(cr, 0, body, Hex(0xF0BE7E), Hex(0xD99A57));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x8F5A27));
    cairo_set_line_width(cr, std::max(1.2, S(m, 2.5)));
    cairo_stroke(cr);
    RoundedRectPath(cr, S(m, 14), S(m, 13), w - S(m, 28), S(m, 43), S(m, 8));
    SetColour(cr, Hex(0xFFFDF6));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xC48A4E));
    cairo_set_line_width(cr, std::max(1.0, S(m, 1.5)));
    cairo_stroke(cr);
    // Tape over the lid.
    cairo_rectangle(cr, w / 2 - S(m, 14), S(m, 2), S(m, 28), S(m, 10));
    SetColour(cr, Hex(0xC9E46B, 0.9));
    cairo_fill(cr);
}

// A wooden crate with a window the word picture shows through.
void PictureBox(cairo_t* cr, const UiMode& m, UiSize size)
{
    const double w = size.width, body = S(m, 145);
    const UiRect r = ForkliftPictureWindow(m);
    const TRect win{r.left, r.top, r.right, r.bottom};
    SoftShadow(cr, S(m, 4), body - S(m, 6), w - S(m, 8), size.height - body + S(m, 4), S(m, 4), S(m, 2), 0.3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRectPath(cr, S(m, 2), S(m, 2), w - S(m, 4), body - S(m, 2), S(m, 8));
    RoundedRectPath(cr, win.left, win.top, win.Width(), win.Height(), ForkliftWindowRadius(m));
    VerticalGradient(cr, 0, body, Hex(0xF6C46C), Hex(0xDB9A3E));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x8F5A27));
    cairo_set_line_width(cr, std::max(1.2, S(m, 2.5)));
    cairo_stroke(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Nails in the corners of the frame.
    for (double x : {S(m, 13), w - S(m, 13)})
        for (double y : {S(m, 12), body - S(m, 12)}) {
            cairo_arc(cr, x, y, std::max(1.0, S(m, 3)), 0, 2 * M_PI);
            SetColour(cr, Hex(0x8F5A27));
            cairo_fill(cr);
        }
}

// A glowing ring round a box placed at (ox, oy) of the highlight picture.
void Glow(cairo_t* cr, const UiMode& m, double ox, double oy, double bw, double bh)
{
    for (int i = 6; i >= 1; --i) {
        const double g = S(m, i * 1.8);
        RoundedRectPath(cr, ox - S(m, 4) - g, oy - S(m, 4) - g, bw + S(m, 8) + 2 * g, bh + S(m, 8) + 2 * g,
                        S(m, 12) + g);
        SetColour(cr, Hex(0xFFE24A, 0.12));
        cairo_set_line_width(cr, S(m, 4));
        cairo_stroke(cr);
    }
    RoundedRectPath(cr, ox - S(m, 4), oy - S(m, 4), bw + S(m, 8), bh + S(m, 8), S(m, 12));
    SetColour(cr, Hex(0xFFD21F));
    cairo_set_line_width(cr, S(m, 6));
    cairo_stroke(cr);
    const double corners[4][2] = {{ox - S(m, 4), oy - S(m, 4)},
                                  {ox + bw + S(m, 4), oy - S(m, 4)},
                                  {ox - S(m, 4), oy + bh + S(m, 4)},
                                  {ox + bw + S(m, 4), oy + bh + S(m, 4)}};
    for (const auto& xy : corners) {
        StarPath(cr, xy[0], xy[1], S(m, 11), S(m, 4), 4);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xFFB020));
        cairo_set_line_width(cr, std::max(1.0, S(m, 1.5)));
        cairo_stroke(cr);
    }
}

} // namespace

void GenerateForklift(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const std::string obj = spec + m.prefix;
    UiCanvas scene(m.backdropWidth, m.backdropHeight);
    Warehouse(scene.Cr(), m, m.backdropWidth, m.backdropHeight);
    out.Picture(spec + m.backdrop + "Twid.xji", scene.Over(clBlack));

    const UiSize text = ForkliftTextBoxSize(m), picture = ForkliftPictureBoxSize(m);
    UiCanvas textBox(text.width, text.height);
    TextBox(textBox.Cr(), m, text);
    out.Pair(obj + "wid_pudd", ".xji", textBox);
    UiCanvas pictureBox(picture.width, picture.height);
    PictureBox(pictureBox.Cr(), m, picture);
    out.Pair(obj + "wid_pudk", ".xji", pictureBox);

    // The boxes' bodies end 61 and 145 below their tops; the rings hug them.
    const UiSize th = ForkliftTextHighlightSize(m), ph = ForkliftPictureHighlightSize(m);
    UiCanvas textGlow(th.width, th.height);
    Glow(textGlow.Cr(), m, Line(m, 12), Line(m, 13), text.width, Line(m, 61));
    out.Pair(obj + "wid_podd", ".xji", textGlow);
    UiCanvas pictureGlow(ph.width, ph.height);
    Glow(pictureGlow.Cr(), m, Line(m, 14), Line(m, 22), picture.width, Line(m, 145));
    out.Pair(obj + "wid_podk", ".xji", pictureGlow);

    WriteTruck(out, m);
}
