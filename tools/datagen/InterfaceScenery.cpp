// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scenery shared by several screens: the meadow, the title lettering and
// the small icons of tabs and buttons.
#include <cmath>
#include <string>
#include <vector>

#include "tools/datagen/InterfaceParts.h"

namespace {

void Cloud(cairo_t* cr, double x, double y, double s)
{
    cairo_new_path(cr);
    const double parts[][3] = {{0, 0, 22}, {24, -12, 28}, {52, -4, 24}, {74, 4, 18}, {36, 8, 22}, {10, 10, 16}};
    for (const auto& p : parts) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + p[0] * s, y + p[1] * s, p[2] * s, 0, 2 * M_PI);
    }
    SetColour(cr, Hex(0xFFFFFF, 0.92));
    cairo_fill(cr);
}

void Flower(cairo_t* cr, double x, double y, double r, UiColour petals)
{
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        cairo_arc(cr, x + std::cos(a) * r, y + std::sin(a) * r, r * 0.75, 0, 2 * M_PI);
        SetColour(cr, petals);
        cairo_fill(cr);
    }
    cairo_arc(cr, x, y, r * 0.6, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFD93D));
    cairo_fill(cr);
}

} // namespace

void DrawMeadow(cairo_t* cr, double w, double h, double horizon, double s)
{
    cairo_rectangle(cr, 0, 0, w, h);
    VerticalGradient(cr, 0, horizon, Hex(0x6EC6FF), Hex(0xD6F0FF));
    cairo_fill(cr);
    // Sun with soft rays.
    const double sx = w * 0.09;
    const double sy = horizon * 0.2;
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, sx + std::cos(a) * 44 * s, sy + std::sin(a) * 44 * s);
        cairo_line_to(cr, sx + std::cos(a + 0.12) * 72 * s, sy + std::sin(a + 0.12) * 72 * s);
        cairo_line_to(cr, sx + std::cos(a - 0.12) * 72 * s, sy + std::sin(a - 0.12) * 72 * s);
        cairo_close_path(cr);
    }
    SetColour(cr, Hex(0xFFE066, 0.8));
    cairo_fill(cr);
    cairo_arc(cr, sx, sy, 40 * s, 0, 2 * M_PI);
    cairo_pattern_t* sun = cairo_pattern_create_radial(sx - 10 * s, sy - 10 * s, 5 * s, sx, sy, 40 * s);
    cairo_pattern_add_color_stop_rgb(sun, 0, 1, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(sun, 1, 1, 0.8, 0.2);
    cairo_set_source(cr, sun);
    cairo_fill(cr);
    cairo_pattern_destroy(sun);
    Cloud(cr, w * 0.3, horizon * 0.16, s * 1.1);
    Cloud(cr, w * 0.62, horizon * 0.1, s * 0.8);
    Cloud(cr, w * 0.84, horizon * 0.26, s);
    // Two layers of hills.
    cairo_move_to(cr, 0, horizon);
    cairo_curve_to(cr, w * 0.25, horizon - 70 * s, w * 0.45, horizon + 10 * s, w * 0.7, horizon - 50 * s);
    cairo_curve_to(cr, w * 0.85, horizon - 80 * s, w * 0.95, horizon - 20 * s, w, horizon - 30 * s);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    VerticalGradient(cr, horizon - 80 * s, h, Hex(0x9BE36D), Hex(0x6CC04A));
    cairo_fill(cr);
    cairo_move_to(cr, 0, horizon + 50 * s);
    cairo_curve_to(cr, w * 0.3, horizon + 10 * s, w * 0.6, horizon + 90 * s, w, horizon + 30 * s);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    VerticalGradient(cr, horizon, h, Hex(0x7ED957), Hex(0x4FAE3A));
    cairo_fill(cr);
    // A scatter of flowers, the same every time.
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 16) & 0x7FFF) / 32767.0;
    };
    const UiColour petals[] = {Hex(0xFFFFFF), Hex(0xFF8FB1), Hex(0xFFD93D), Hex(0xB983FF)};
    for (int i = 0; i < 40; ++i) {
        const double fx = next() * w;
        const double fy = horizon + 60 * s + next() * (h - horizon - 60 * s);
        Flower(cr, fx, fy, (3 + next() * 3) * s, petals[i % 4]);
    }
}

void DrawTitle(cairo_t* cr, double cx, double cy, double size)
{
    const std::vector<std::string> letters = {"S", "z", "e", "p", "t", "a", "c", "z", "k", "i"};
    const unsigned colours[] = {0xFF5A5A, 0xFF9A3C, 0xFFC926, 0x5BC85B, 0x3BB2E8,
                                0x4D7CFF, 0x9A63E8, 0xF0609E, 0xFF5A5A, 0xFF9A3C};
    UiTextStyle style;
    style.face = UiFace::Rounded;
    style.size = size;
    double total = 0;
    std::vector<double> widths;
    cairo_save(cr);
    for (const std::string& l : letters) {
        cairo_text_extents_t e;
        cairo_set_font_size(cr, size);
        widths.push_back(TextWidth(cr, l, style) + size * 0.04);
        (void)e;
        total += widths.back();
    }
    double x = cx - total / 2;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const double wobble = (i % 2 == 0 ? -1 : 1) * size * 0.04;
        UiTextStyle shadow = style;
        shadow.fill = Hex(0x000000, 0.18);
        CentredText(cr, letters[i], x + widths[i] / 2 + size * 0.03, cy + wobble + size * 0.05, shadow);
        UiTextStyle s = style;
        s.fill = Hex(colours[i]);
        s.outline = Hex(0xFFFFFF);
        s.outlineWidth = size * 0.07;
        CentredText(cr, letters[i], x + widths[i] / 2, cy + wobble, s);
        x += widths[i];
    }
    cairo_restore(cr);
}

void DrawIcon(cairo_t* cr, UiIcon icon, double cx, double cy, double size)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const UiColour ink = Hex(0x3A2A1E);
    auto filled = [&](UiColour c) {
        SetColour(cr, c);
        cairo_fill_preserve(cr);
        SetColour(cr, ink);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    };
    auto wheel = [&](double x, double y, double r) {
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        filled(Hex(0x4A4A58));
        cairo_arc(cr, x, y, r * 0.4, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFD93D));
        cairo_fill(cr);
    };
    switch (icon) {
    case UiIcon::Train:
        RoundedRectPath(cr, -44, -10, 60, 34, 6);
        filled(Hex(0xFF5A5A));
        RoundedRectPath(cr, 10, -34, 34, 58, 5);
        filled(Hex(0xFF5A5A));
        RoundedRectPath(cr, 17, -27, 20, 18, 3);
        filled(Hex(0xBDE8FF));
        RoundedRectPath(cr, -36, -30, 12, 22, 2);
        filled(Hex(0x4A4A58));
        RoundedRectPath(cr, 6, -40, 44, 8, 3);
        filled(Hex(0x3B7BE8));
        wheel(-28, 30, 11);
        wheel(-4, 30, 11);
        wheel(28, 30, 13);
        break;
    case UiIcon::Cup:
        // A suction cup holding a little word plate.
        RoundedRectPath(cr, -44, 14, 88, 28, 6);
        filled(Hex(0xFFFFFF));
        cairo_move_to(cr, -34, 14);
        cairo_curve_to(cr, -30, -20, 30, -20, 34, 14);
        cairo_close_path(cr);
        filled(Hex(0xF0483E));
        RoundedRectPath(cr, -7, -44, 14, 34, 5);
        filled(Hex(0xFFB020));
        for (int i = -30; i <= 20; i += 16) {
            cairo_move_to(cr, i, 28);
            cairo_line_to(cr, i + 10, 28);
        }
        SetColour(cr, Hex(0x3B7BE8));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        break;
    case UiIcon::Cards:
        cairo_save(cr);
        cairo_rotate(cr, -0.25);
        RoundedRectPath(cr, -40, -34, 46, 64, 7);
        filled(Hex(0x9A63E8));
        StarPath(cr, -17, -2, 14, 6, 5);
        SetColour(cr, Hex(0xFFE066));
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_rotate(cr, 0.2);
        RoundedRectPath(cr, -4, -36, 46, 64, 7);
        filled(Hex(0xFFFFFF));
        cairo_restore(cr);
        {
            UiTextStyle q;
            q.size = 44;
            q.fill = Hex(0x9A63E8);
            CentredText(cr, "?", 22, 0, q);
        }
        break;
    case UiIcon::Forklift:
        RoundedRectPath(cr, -40, -8, 52, 32, 6);
        filled(Hex(0xFFB020));
        cairo_move_to(cr, -30, -8);
        cairo_line_to(cr, -24, -36);
        cairo_line_to(cr, 2, -36);
        cairo_line_to(cr, 8, -8);
        SetColour(cr, ink);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        RoundedRectPath(cr, 16, -44, 8, 70, 2);
        filled(Hex(0x4A4A58));
        RoundedRectPath(cr, 22, 18, 26, 7, 2);
        filled(Hex(0x4A4A58));
        RoundedRectPath(cr, 24, -8, 22, 24, 3);
        filled(Hex(0xC98A4B));
        wheel(-28, 30, 11);
        wheel(2, 30, 11);
        break;
    case UiIcon::Conveyor:
        RoundedRectPath(cr, -46, 10, 92, 22, 11);
        filled(Hex(0x4A4A58));
        for (int i = -34; i <= 34; i += 17) {
            cairo_arc(cr, i, 21, 6, 0, 2 * M_PI);
            SetColour(cr, Hex(0xBBBBCC));
            cairo_fill(cr);
        }
        RoundedRectPath(cr, -30, -30, 24, 38, 5);
        filled(Hex(0x3BB2E8));
        RoundedRectPath(cr, 8, -24, 24, 32, 5);
        filled(Hex(0x5BC85B));
        break;
    case UiIcon::Microphone:
        RoundedRectPath(cr, -16, -44, 32, 52, 16);
        filled(Hex(0xB8B8C8));
        for (int y = -34; y <= 0; y += 8) {
            cairo_move_to(cr, -10, y);
            cairo_line_to(cr, 10, y);
        }
        SetColour(cr, Hex(0x6A6A7A));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_arc_negative(cr, 0, -6, 26, M_PI, 0);
        SetColour(cr, ink);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_move_to(cr, 0, 20);
        cairo_line_to(cr, 0, 38);
        cairo_move_to(cr, -18, 40);
        cairo_line_to(cr, 18, 40);
        cairo_stroke(cr);
        cairo_arc(cr, 30, -38, 8, 0, 2 * M_PI);
        SetColour(cr, Hex(0xF0483E));
        cairo_fill(cr);
        break;
    case UiIcon::Music:
    case UiIcon::MusicOff: {
        // Two beamed quavers: coloured while the music plays, grey and
        // crossed out with a red stroke while it is off.
        const bool on = icon == UiIcon::Music;
        const UiColour note = on ? Hex(0x9A63E8) : Hex(0x9A9AA8);
        cairo_move_to(cr, -22, 26);
        cairo_line_to(cr, -22, -28);
        cairo_line_to(cr, 30, -40);
        cairo_line_to(cr, 30, 14);
        SetColour(cr, on ? Darker(note, 0.3) : Hex(0x6A6A78));
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
        cairo_move_to(cr, -22, -28);
        cairo_line_to(cr, 30, -40);
        cairo_line_to(cr, 30, -26);
        cairo_line_to(cr, -22, -14);
        cairo_close_path(cr);
        filled(note);
        for (const double x : {-32.0, 20.0}) {
            const double y = x < 0 ? 28 : 16;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, -0.35);
            cairo_scale(cr, 1.35, 1);
            cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
            cairo_restore(cr);
            filled(note);
        }
        if (!on) {
            cairo_move_to(cr, -38, -38);
            cairo_line_to(cr, 38, 38);
            SetColour(cr, Hex(0xFFFFFF));
            cairo_set_line_width(cr, 16);
            cairo_stroke(cr);
            cairo_move_to(cr, -38, -38);
            cairo_line_to(cr, 38, 38);
            SetColour(cr, Hex(0xF0483E));
            cairo_set_line_width(cr, 9);
            cairo_stroke(cr);
        }
        break;
    }
    }
    cairo_restore(cr);
}

void DrawBunting(cairo_t* cr, double width, double s)
{
    const unsigned colours[] = {0xFF6B6B, 0xFFD93D, 0x6BCB77, 0x4D96FF, 0xB983FF, 0xFF9A3C};
    cairo_move_to(cr, 0, 14 * s);
    cairo_curve_to(cr, width * 0.3, 50 * s, width * 0.7, 50 * s, width, 14 * s);
    SetColour(cr, Hex(0x8A5A3A));
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    for (int i = 0; i < 22; ++i) {
        const double t = (i + 0.5) / 22.0;
        // Point on the cubic above.
        const double u = 1 - t;
        const double x = 3 * u * u * t * width * 0.3 + 3 * u * t * t * width * 0.7 + t * t * t * width;
        const double y = (u * u * u * 14 + 3 * u * u * t * 50 + 3 * u * t * t * 50 + t * t * t * 14) * s;
        cairo_move_to(cr, x - 14 * s, y);
        cairo_line_to(cr, x + 14 * s, y);
        cairo_line_to(cr, x, y + 30 * s);
        cairo_close_path(cr);
        SetColour(cr, Hex(colours[i % 6]));
        cairo_fill(cr);
    }
}
