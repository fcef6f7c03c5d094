// Drawings of things, part one: shapes for words that no emoji shows.
#include "tools/datagen/ThingDrawings.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/datagen/DrawingKit.h"

namespace drawing {
// A blot of paint: a round blob with a wavy edge and a few drops beside it.
void PaintSplash(cairo_t* cr, Rgb c)
{
    cairo_new_path(cr);
    constexpr int kSteps = 144;
    for (int i = 0; i < kSteps; ++i) {
        const double a = 2 * kPi * i / kSteps;
        const double r = 100 * (1 + 0.07 * std::sin(5 * a) + 0.04 * std::sin(3 * a + 1.0));
        const double x = 190 + r * 1.15 * std::cos(a);
        const double y = 155 + r * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    const double drops[][3] = {{335, 70, 16}, {355, 112, 9}, {330, 245, 12}};
    for (const auto& d : drops) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, d[0], d[1], d[2], 0, 2 * kPi);
    }
    Fill(cr, c);
    Shine(cr, 140, 105, 34, 16);
}

void BigDigit(cairo_t* cr, cairo_font_face_t* font, const char* digit, Rgb c)
{
    cairo_new_path(cr);
    cairo_arc(cr, 200, 150, 128, 0, 2 * kPi);
    Fill(cr, {1 - (1 - c.r) * 0.25, 1 - (1 - c.g) * 0.25, 1 - (1 - c.b) * 0.25});
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, 210);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, digit, &ext);
    const double x = 200 - ext.width / 2 - ext.x_bearing;
    const double y = 150 - ext.height / 2 - ext.y_bearing;
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, digit);
    Fill(cr, c);
}

void FirstAidKit(cairo_t* cr)
{
    RoundedRect(cr, 150, 48, 100, 50, 16);
    cairo_set_source_rgb(cr, 0.35, 0.35, 0.38);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    RoundedRect(cr, 70, 78, 260, 180, 22);
    Fill(cr, {0.97, 0.97, 0.95});
    cairo_rectangle(cr, 178, 110, 44, 116);
    cairo_rectangle(cr, 142, 146, 116, 44);
    cairo_set_source_rgb(cr, 0.88, 0.12, 0.15);
    cairo_fill(cr);
}

void Button(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_arc(cr, 200, 150, 118, 0, 2 * kPi);
    Fill(cr, {0.16, 0.58, 0.92});
    cairo_arc(cr, 200, 150, 86, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.15);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 200 + (i % 2 ? 26 : -26), 150 + (i / 2 ? 26 : -26), 14, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 0.06, 0.28, 0.5);
        cairo_fill(cr);
    }
    Shine(cr, 150, 85, 30, 14);
}

void Puddle(cairo_t* cr)
{
    cairo_move_to(cr, 60, 190);
    cairo_curve_to(cr, 40, 140, 120, 120, 170, 135);
    cairo_curve_to(cr, 220, 105, 320, 110, 345, 160);
    cairo_curve_to(cr, 370, 210, 300, 240, 230, 228);
    cairo_curve_to(cr, 170, 250, 80, 240, 60, 190);
    cairo_close_path(cr);
    Fill(cr, {0.45, 0.74, 0.96});
    for (int i = 0; i < 2; ++i) {
        Ellipse(cr, 215, 178, 40.0 + 38 * i, 13.0 + 12 * i);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

void SteeringWheel(cairo_t* cr)
{
    const Rgb dark{0.22, 0.24, 0.3};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, dark.r, dark.g, dark.b);
    cairo_set_line_width(cr, 26);
    for (double a : {kPi / 2, kPi * 7 / 6, -kPi / 6}) {
        cairo_move_to(cr, 200, 150);
        cairo_line_to(cr, 200 + 110 * std::cos(a), 150 + 110 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_arc(cr, 200, 150, 115, 0, 2 * kPi);
    cairo_set_line_width(cr, 30);
    cairo_stroke(cr);
    cairo_arc(cr, 200, 150, 40, 0, 2 * kPi);
    Fill(cr, {0.9, 0.22, 0.2});
    cairo_arc(cr, 200, 150, 115, kPi * 1.15, kPi * 1.45);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

static void Cube(cairo_t* cr, double x, double y, double s, Rgb c)
{
    const double d = s * 0.3;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + d, y - d);
    cairo_line_to(cr, x + s + d, y - d);
    cairo_line_to(cr, x + s, y);
    cairo_close_path(cr);
    Fill(cr, {1 - (1 - c.r) * 0.6, 1 - (1 - c.g) * 0.6, 1 - (1 - c.b) * 0.6});
    cairo_move_to(cr, x + s, y);
    cairo_line_to(cr, x + s + d, y - d);
    cairo_line_to(cr, x + s + d, y + s - d);
    cairo_line_to(cr, x + s, y + s);
    cairo_close_path(cr);
    Fill(cr, {c.r * 0.75, c.g * 0.75, c.b * 0.75});
    cairo_rectangle(cr, x, y, s, s);
    Fill(cr, c);
}

void Blocks(cairo_t* cr)
{
    Cube(cr, 80, 170, 90, {0.95, 0.3, 0.3});
    Cube(cr, 190, 170, 90, {0.2, 0.6, 0.95});
    Cube(cr, 135, 70, 90, {0.98, 0.78, 0.1});
}

void Table(cairo_t* cr)
{
    const Rgb wood{0.78, 0.5, 0.25};
    for (double x : {90.0, 290.0}) {
        cairo_rectangle(cr, x, 120, 22, 150);
        Fill(cr, {wood.r * 0.85, wood.g * 0.85, wood.b * 0.85});
    }
    cairo_move_to(cr, 80, 80);
    cairo_line_to(cr, 320, 80);
    cairo_line_to(cr, 360, 115);
    cairo_line_to(cr, 40, 115);
    cairo_close_path(cr);
    Fill(cr, {wood.r * 1.15, wood.g * 1.15, wood.b * 1.15});
    RoundedRect(cr, 36, 112, 328, 26, 6);
    Fill(cr, wood);
}

void Plums(cairo_t* cr)
{
    const double plums[][2] = {{145, 175}, {255, 175}, {200, 120}};
    for (const auto& p : plums) {
        Ellipse(cr, p[0], p[1], 58, 68);
        Fill(cr, {0.45, 0.2, 0.62});
        Shine(cr, p[0] - 22, p[1] - 28, 10, 16);
    }
    cairo_move_to(cr, 200, 55);
    cairo_curve_to(cr, 205, 35, 215, 25, 230, 20);
    cairo_set_source_rgb(cr, 0.4, 0.26, 0.12);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_move_to(cr, 212, 36);
    cairo_curve_to(cr, 250, 10, 290, 30, 300, 45);
    cairo_curve_to(cr, 270, 60, 230, 55, 212, 36);
    Fill(cr, {0.3, 0.75, 0.3});
}

void Icicles(cairo_t* cr)
{
    const double lengths[] = {120, 170, 90, 200, 140, 100, 160};
    for (int i = 0; i < 7; ++i) {
        const double x = 60 + i * 45.0;
        cairo_move_to(cr, x - 18, 70);
        cairo_line_to(cr, x + 18, 70);
        cairo_line_to(cr, x, 70 + lengths[i]);
        cairo_close_path(cr);
        Fill(cr, {0.72, 0.9, 1.0});
    }
    RoundedRect(cr, 20, 40, 360, 36, 10);
    Fill(cr, {0.92, 0.96, 1.0});
}

void EasterEgg(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 155);
    cairo_scale(cr, 95, 125);
    cairo_move_to(cr, 0, -1);
    cairo_curve_to(cr, 0.75, -1, 1, 0.1, 1, 0.3);
    cairo_curve_to(cr, 1, 0.85, 0.55, 1, 0, 1);
    cairo_curve_to(cr, -0.55, 1, -1, 0.85, -1, 0.3);
    cairo_curve_to(cr, -1, 0.1, -0.75, -1, 0, -1);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgb(cr, 1.0, 0.55, 0.2);
    cairo_fill(cr);
    cairo_set_line_width(cr, 10);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const Rgb stripes[] = {{0.95, 0.25, 0.45}, {1, 0.9, 0.3}, {0.2, 0.6, 0.95}};
    for (int s = 0; s < 3; ++s) {
        const double y = 95 + s * 55.0;
        cairo_move_to(cr, 90, y);
        for (int k = 0; k < 12; ++k)
            cairo_line_to(cr, 100 + k * 20.0, y + (k % 2 ? -14 : 14));
        cairo_set_source_rgb(cr, stripes[s].r, stripes[s].g, stripes[s].b);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 5; ++k) {
        cairo_arc(cr, 135 + k * 32.0, 262 - (k % 2) * 10.0, 7, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.6, 0.3, 0.1);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void Matches(cairo_t* cr)
{
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 200, 250);
        cairo_rotate(cr, (i - 1) * 0.35);
        cairo_rectangle(cr, -9, -190, 18, 190);
        Fill(cr, {0.96, 0.82, 0.55});
        Ellipse(cr, 0, -190, 16, 24);
        Fill(cr, {0.88, 0.15, 0.15});
        cairo_restore(cr);
    }
}

void Plank(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.18);
    RoundedRect(cr, -170, -42, 340, 84, 10);
    Fill(cr, {0.86, 0.62, 0.36});
    cairo_set_source_rgb(cr, 0.62, 0.4, 0.2);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -150, -20 + k * 20.0);
        cairo_curve_to(cr, -60, -30 + k * 20.0, 40, -8 + k * 20.0, 150, -22 + k * 20.0);
    }
    cairo_stroke(cr);
    Ellipse(cr, 60, 2, 16, 9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Glockenspiel(cairo_t* cr)
{
    const Rgb bars[] = {{0.93, 0.26, 0.26}, {1, 0.56, 0.2}, {0.98, 0.82, 0.15}, {0.3, 0.78, 0.36},
                        {0.2, 0.72, 0.85},  {0.25, 0.45, 0.9}, {0.58, 0.35, 0.85}};
    for (int i = 0; i < 7; ++i) {
        const double h = 190 - i * 16.0;
        RoundedRect(cr, 62 + i * 40.0, 150 - h / 2, 32, h, 8);
        Fill(cr, bars[i]);
        for (double dy : {-h / 2 + 16, h / 2 - 16}) {
            cairo_arc(cr, 78 + i * 40.0, 150 + dy, 4, 0, 2 * kPi);
            cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
            cairo_fill(cr);
        }
    }
    for (int m = 0; m < 2; ++m) {
        cairo_move_to(cr, 300 + m * 40.0, 290);
        cairo_line_to(cr, 250 + m * 60.0, 215);
        cairo_set_source_rgb(cr, 0.55, 0.35, 0.18);
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
        cairo_arc(cr, 250 + m * 60.0, 215, 13, 0, 2 * kPi);
        Fill(cr, {0.95, 0.95, 0.9});
    }
}

void Blackboard(cairo_t* cr, cairo_font_face_t* font)
{
    RoundedRect(cr, 40, 40, 320, 210, 10);
    Fill(cr, {0.72, 0.48, 0.24});
    cairo_rectangle(cr, 58, 58, 284, 174);
    cairo_set_source_rgb(cr, 0.16, 0.4, 0.28);
    cairo_fill(cr);
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, 64);
    cairo_move_to(cr, 90, 165);
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.92);
    cairo_show_text(cr, "2+2=4");
    cairo_rectangle(cr, 250, 250, 60, 14);
    Fill(cr, {0.95, 0.95, 0.92});
}

}  // namespace drawing
