// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the game's figure in its poses.
#include "tools/datagen/UiFigure.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/UiCanvas.h"

namespace {

const UiColour kSkin = Hex(0xFFD9B3);
const UiColour kSkinShade = Hex(0xF2B98C);
const UiColour kHair = Hex(0xFF8C1A);
const UiColour kInk = Hex(0x3A2A1E);
const UiColour kShirt = Hex(0xFFD93D);
const UiColour kDungarees = Hex(0x3B8BEB);
const UiColour kShoes = Hex(0xE8453C);

void Fit(cairo_t* cr, double x, double y, double w, double h, double unitW, double unitH)
{
    const double s = std::min(w / unitW, h / unitH);
    cairo_translate(cr, x + (w - unitW * s) / 2, y + (h - unitH * s));
    cairo_scale(cr, s, s);
}

void Outline(cairo_t* cr, double width = 2.2)
{
    SetColour(cr, kInk);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Filled(cairo_t* cr, UiColour c, double line = 2.2)
{
    SetColour(cr, c);
    cairo_fill_preserve(cr);
    Outline(cr, line);
}

// Head centred on (0, 0), radius 30.
void Head(cairo_t* cr, const UiPose& pose, bool cap)
{
    cairo_save(cr);
    cairo_rotate(cr, pose.headTilt);
    // Ears.
    for (int side : {-1, 1}) {
        cairo_arc(cr, side * 29, 4, 7, 0, 2 * M_PI);
        Filled(cr, kSkin);
    }
    if (!cap) {
        // Hair tuft behind the face.
        cairo_move_to(cr, -22, -18);
        cairo_curve_to(cr, -30, -42, 0, -48, 6, -36);
        cairo_curve_to(cr, 8, -50, 30, -44, 24, -20);
        cairo_close_path(cr);
        Filled(cr, kHair);
    }
    cairo_arc(cr, 0, 0, 30, 0, 2 * M_PI);
    cairo_pattern_t* face = cairo_pattern_create_radial(-8, -10, 4, 0, 0, 32);
    cairo_pattern_add_color_stop_rgb(face, 0, 1.0, 0.9, 0.78);
    cairo_pattern_add_color_stop_rgb(face, 1, kSkinShade.r, kSkinShade.g, kSkinShade.b);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(face);
    Outline(cr);
    if (!cap) {
        // Fringe.
        cairo_move_to(cr, -26, -12);
        cairo_curve_to(cr, -20, -34, 18, -36, 27, -10);
        cairo_curve_to(cr, 14, -20, 4, -14, -4, -22);
        cairo_curve_to(cr, -10, -14, -18, -14, -26, -12);
        Filled(cr, kHair, 1.8);
    } else {
        // A striped driver's cap with a peak, sitting above the eyes.
        // Orange hair peeking out under the cap.
        for (int side : {-1, 1}) {
            cairo_move_to(cr, side * 29, -16);
            cairo_curve_to(cr, side * 33, -6, side * 26, 0, side * 22, -4);
            cairo_curve_to(cr, side * 22, -10, side * 20, -14, side * 18, -16);
            cairo_close_path(cr);
            Filled(cr, kHair, 1.6);
        }
        auto dome = [cr] {
            cairo_move_to(cr, -30, -14);
            cairo_curve_to(cr, -31, -44, 31, -44, 30, -14);
            cairo_close_path(cr);
        };
        dome();
        SetColour(cr, Hex(0x2F6FD6));
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        SetColour(cr, Hex(0xFFFFFF, 0.75));
        for (int i = -28; i <= 28; i += 12)
            cairo_rectangle(cr, i, -46, 3.5, 34);
        cairo_fill(cr);
        cairo_restore(cr);
        dome();
        Outline(cr);
        cairo_move_to(cr, -32, -14);
        cairo_curve_to(cr, -16, -9, 20, -9, 40, -16);
        cairo_curve_to(cr, 20, -20, -16, -20, -32, -14);
        Filled(cr, Hex(0x1E4FA8), 1.8);
    }
    // Eyes.
    for (int side : {-1, 1}) {
        const double ex = side * 11;
        const double ey = -2;
        if (pose.blink) {
            cairo_move_to(cr, ex - 6, ey + 1);
            cairo_curve_to(cr, ex - 3, ey + 4, ex + 3, ey + 4, ex + 6, ey + 1);
            Outline(cr, 2.4);
            continue;
        }
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_scale(cr, 1, 1.25);
        cairo_arc(cr, 0, 0, 6.5, 0, 2 * M_PI);
        cairo_restore(cr);
        Filled(cr, Hex(0xFFFFFF), 1.6);
        cairo_arc(cr, ex + pose.look * 2.2, ey + 1, 3.8, 0, 2 * M_PI);
        SetColour(cr, Hex(0x2B1D14));
        cairo_fill(cr);
        cairo_arc(cr, ex + pose.look * 2.2 + 1.3, ey - 0.6, 1.3, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
    }
    // Cheeks.
    for (int side : {-1, 1}) {
        cairo_arc(cr, side * 19, 10, 5, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFF7A8A, 0.45));
        cairo_fill(cr);
    }
    // Nose.
    cairo_arc(cr, 0, 6, 2.6, 0, 2 * M_PI);
    SetColour(cr, Hex(0xE89A70));
    cairo_fill(cr);
    // Mouth: a smile that opens into a laugh.
    const double open = std::clamp(pose.smile, 0.0, 1.0);
    cairo_move_to(cr, -10, 14);
    cairo_curve_to(cr, -6, 19 + open * 4, 6, 19 + open * 4, 10, 14);
    if (open > 0.2) {
        cairo_curve_to(cr, 6, 14 + open * 11, -6, 14 + open * 11, -10, 14);
        cairo_close_path(cr);
        Filled(cr, Hex(0xC0392B), 1.8);
    } else {
        Outline(cr, 2.4);
    }
    cairo_restore(cr);
}

void Arm(cairo_t* cr, double sx, double sy, double angle, int side, double length)
{
    // angle 0 hangs down, pi / 2 points sideways, beyond that the arm is raised.
    const double hx = sx + side * std::sin(angle) * length;
    const double hy = sy + std::cos(angle) * length;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, hx, hy);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    SetColour(cr, kShirt);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_arc(cr, hx, hy, 6, 0, 2 * M_PI);
    Filled(cr, kSkin, 2);
}

} // namespace

void DrawFigure(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose)
{
    cairo_save(cr);
    Fit(cr, x, y, w, h, 100, 160);
    cairo_translate(cr, 0, -pose.bounce);
    // Shadow on the floor stays put while the figure bounces.
    cairo_save(cr);
    cairo_translate(cr, 50, 154 + pose.bounce);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, 30 - pose.bounce, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Hex(0x000000, 0.18));
    cairo_fill(cr);
    // Legs and shoes.
    for (int side : {-1, 1}) {
        RoundedRectPath(cr, 50 + side * 9 - 6, 112, 12, 32, 4);
        Filled(cr, kDungarees);
        cairo_save(cr);
        cairo_translate(cr, 50 + side * 11, 147);
        cairo_scale(cr, 1.5, 1);
        cairo_arc(cr, 0, 0, 7, 0, 2 * M_PI);
        cairo_restore(cr);
        Filled(cr, kShoes);
    }
    // Arms behind the body.
    Arm(cr, 31, 84, pose.leftArm, -1, 27);
    Arm(cr, 69, 84, pose.rightArm, 1, 27);
    // Body: yellow shirt, blue dungarees with a pocket and buttons.
    RoundedRectPath(cr, 28, 72, 44, 48, 16);
    Filled(cr, kShirt);
    cairo_move_to(cr, 30, 96);
    cairo_line_to(cr, 32, 86);
    cairo_line_to(cr, 68, 86);
    cairo_line_to(cr, 70, 96);
    cairo_line_to(cr, 71, 116);
    cairo_curve_to(cr, 60, 124, 40, 124, 29, 116);
    cairo_close_path(cr);
    Filled(cr, kDungarees);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 50 + side * 14, 87);
        cairo_line_to(cr, 50 + side * 12, 74);
        SetColour(cr, kDungarees);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_arc(cr, 50 + side * 13, 89, 2.6, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFE27A));
        cairo_fill(cr);
    }
    RoundedRectPath(cr, 42, 96, 16, 11, 3);
    SetColour(cr, Hex(0x2F6FD6));
    cairo_fill(cr);
    StarPath(cr, 50, 101.5, 4.5, 2, 5);
    SetColour(cr, Hex(0xFFE27A));
    cairo_fill(cr);
    cairo_translate(cr, 50, 44);
    Head(cr, pose, false);
    cairo_restore(cr);
}

void DrawDriver(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose)
{
    cairo_save(cr);
    Fit(cr, x, y, w, h, 100, 110);
    cairo_translate(cr, 0, -pose.bounce);
    // Waving arm behind the shoulder.
    Arm(cr, 74, 88, pose.rightArm, 1, 26);
    RoundedRectPath(cr, 22, 74, 56, 50, 18);
    Filled(cr, kDungarees);
    cairo_move_to(cr, 42, 74);
    cairo_line_to(cr, 50, 86);
    cairo_line_to(cr, 58, 74);
    SetColour(cr, kShirt);
    cairo_fill(cr);
    // A red neckerchief.
    cairo_move_to(cr, 38, 74);
    cairo_line_to(cr, 62, 74);
    cairo_line_to(cr, 50, 90);
    cairo_close_path(cr);
    Filled(cr, Hex(0xE8453C), 1.6);
    cairo_translate(cr, 50, 42);
    Head(cr, pose, true);
    cairo_restore(cr);
}

void DrawFigureHead(cairo_t* cr, double x, double y, double w, double h, const UiPose& pose, bool cap)
{
    cairo_save(cr);
    Fit(cr, x, y, w, h, 100, 100);
    // Hair and ears reach about 50 units above and 38 beside the centre.
    cairo_translate(cr, 50, 58);
    cairo_scale(cr, 1.15, 1.15);
    Head(cr, pose, cap);
    cairo_restore(cr);
}
