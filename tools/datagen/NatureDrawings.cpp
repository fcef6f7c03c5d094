// Drawings of things, part three: plants, small animals and a few more.
#include "tools/datagen/ThingDrawings.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/datagen/DrawingKit.h"

namespace drawing {

namespace {

const Rgb kWood{0.78, 0.52, 0.28};
const Rgb kDark{0.25, 0.26, 0.3};

}  // namespace

void Blackberry(cairo_t* cr)
{
    Leaf(cr, 200, 75, -0.5, 100);
    Leaf(cr, 200, 75, -2.6, 90);
    // Small round drupelets packed in an oval, the back rows first.
    const Rgb berry{0.28, 0.1, 0.38};
    for (int row = 0; row < 6; ++row) {
        const double y = 105 + row * 28.0;
        const double halfWidth = 80 * std::sin(kPi * (row + 0.7) / 6.4);
        const int inRow = std::max(1, static_cast<int>(halfWidth * 2 / 30));
        for (int k = 0; k < inRow; ++k) {
            const double x = 200 - halfWidth + (k + 0.5) * (2 * halfWidth / inRow);
            cairo_arc(cr, x, y, 17, 0, 2 * kPi);
            Fill(cr, berry);
            Shine(cr, x - 6, y - 6, 4, 3);
        }
    }
}

void RootVegetables(cairo_t* cr, Rgb top, Rgb bottom, int count)
{
    for (int i = 0; i < count; ++i) {
        const double cx = count == 1 ? 200 : 120 + i * 80.0;
        const double s = count == 1 ? 1.0 : 0.6;
        const double cy = count == 1 ? 180 : 190 - (i % 2) * 30.0;
        for (int k = -1; k <= 1; ++k)
            Leaf(cr, cx, cy - 70 * s, -kPi / 2 + k * 0.45, 110 * s);
        cairo_move_to(cr, cx, cy - 75 * s);
        cairo_curve_to(cr, cx + 100 * s, cy - 75 * s, cx + 90 * s, cy + 40 * s, cx, cy + 110 * s);
        cairo_curve_to(cr, cx - 90 * s, cy + 40 * s, cx - 100 * s, cy - 75 * s, cx, cy - 75 * s);
        cairo_close_path(cr);
        cairo_pattern_t* shade = cairo_pattern_create_linear(0, cy - 75 * s, 0, cy + 110 * s);
        cairo_pattern_add_color_stop_rgb(shade, 0.0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(shade, 0.55, bottom.r, bottom.g, bottom.b);
        cairo_set_source(cr, shade);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(shade);
        Stroke(cr, Darker(top, 0.4), 4);
    }
}

void AppleCore(cairo_t* cr)
{
    cairo_move_to(cr, 140, 60);
    cairo_curve_to(cr, 260, 40, 270, 80, 260, 90);
    cairo_curve_to(cr, 200, 110, 200, 190, 260, 215);
    cairo_curve_to(cr, 270, 240, 250, 270, 200, 265);
    cairo_curve_to(cr, 150, 270, 130, 240, 140, 215);
    cairo_curve_to(cr, 200, 190, 200, 110, 140, 90);
    cairo_curve_to(cr, 130, 80, 130, 62, 140, 60);
    cairo_close_path(cr);
    Fill(cr, {1.0, 0.97, 0.82});
    cairo_move_to(cr, 140, 62);
    cairo_curve_to(cr, 200, 50, 250, 55, 260, 75);
    cairo_line_to(cr, 260, 90);
    cairo_curve_to(cr, 200, 75, 160, 80, 140, 90);
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.15, 0.15});
    cairo_move_to(cr, 140, 242);
    cairo_curve_to(cr, 180, 255, 220, 255, 260, 242);
    cairo_line_to(cr, 255, 258);
    cairo_curve_to(cr, 230, 272, 170, 272, 145, 258);
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.15, 0.15});
    for (int i = 0; i < 2; ++i) {
        Ellipse(cr, 190 + i * 20.0, 160, 6, 10);
        Fill(cr, {0.35, 0.2, 0.1});
    }
    cairo_move_to(cr, 200, 55);
    cairo_line_to(cr, 205, 25);
    Stroke(cr, {0.4, 0.25, 0.1}, 6);
}

void Wasp(cairo_t* cr)
{
    for (int i = 0; i < 2; ++i) {
        Ellipse(cr, 200 + i * 40.0, 95, 45, 28);
        cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 0.8);
        cairo_fill_preserve(cr);
        Stroke(cr, {0.5, 0.65, 0.8}, 3);
    }
    cairo_save(cr);
    Ellipse(cr, 220, 170, 110, 55);
    cairo_clip_preserve(cr);
    cairo_set_source_rgb(cr, 1.0, 0.82, 0.1);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.12);
    for (int k = 0; k < 3; ++k)
        cairo_rectangle(cr, 205 + k * 45.0, 100, 22, 140);
    cairo_fill(cr);
    cairo_restore(cr);
    Ellipse(cr, 220, 170, 110, 55);
    Stroke(cr, {0.12, 0.12, 0.12}, 5);
    cairo_move_to(cr, 330, 170);
    cairo_line_to(cr, 355, 175);
    Stroke(cr, {0.12, 0.12, 0.12}, 6);
    cairo_arc(cr, 105, 160, 42, 0, 2 * kPi);
    Fill(cr, {1.0, 0.82, 0.1});
    cairo_arc(cr, 92, 150, 9, 0, 2 * kPi);
    Fill(cr, {0.12, 0.12, 0.12});
    for (double dx : {-12.0, 12.0}) {
        cairo_move_to(cr, 100 + dx, 122);
        cairo_line_to(cr, 85 + dx * 2, 85);
    }
    Stroke(cr, {0.12, 0.12, 0.12}, 4);
}

void PotatoBeetle(cairo_t* cr)
{
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    for (int i = 0; i < 3; ++i)
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 200, 140 + i * 40.0);
            cairo_line_to(cr, 200 + side * 130, 120 + i * 55.0);
        }
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_arc(cr, 200, 70, 35, 0, 2 * kPi);
    Fill(cr, {0.95, 0.55, 0.15});
    cairo_save(cr);
    Ellipse(cr, 200, 175, 95, 110);
    cairo_clip_preserve(cr);
    cairo_set_source_rgb(cr, 1.0, 0.85, 0.3);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    for (int k = -2; k <= 2; ++k)
        cairo_rectangle(cr, 193 + k * 36.0, 60, 14, 240);
    cairo_fill(cr);
    cairo_restore(cr);
    Ellipse(cr, 200, 175, 95, 110);
    Stroke(cr, {0.15, 0.15, 0.15}, 5);
}

void Daffodil(cairo_t* cr)
{
    cairo_move_to(cr, 200, 290);
    cairo_curve_to(cr, 195, 220, 205, 190, 200, 150);
    Stroke(cr, {0.3, 0.65, 0.3}, 10);
    Leaf(cr, 200, 285, -1.9, 120);
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 200, 120);
        cairo_rotate(cr, i * kPi / 3);
        Ellipse(cr, 0, -60, 34, 58);
        cairo_restore(cr);
        Fill(cr, {1.0, 0.92, 0.35});
    }
    cairo_arc(cr, 200, 120, 42, 0, 2 * kPi);
    Fill(cr, {1.0, 0.6, 0.1});
    cairo_arc(cr, 200, 120, 24, 0, 2 * kPi);
    Fill(cr, {1.0, 0.72, 0.2});
}

void TreeHollow(cairo_t* cr)
{
    cairo_move_to(cr, 130, 300);
    cairo_curve_to(cr, 150, 200, 140, 100, 150, 0);
    cairo_line_to(cr, 260, 0);
    cairo_curve_to(cr, 260, 100, 250, 200, 280, 300);
    cairo_close_path(cr);
    Fill(cr, {0.6, 0.42, 0.25});
    Ellipse(cr, 205, 140, 38, 52);
    Fill(cr, {0.2, 0.12, 0.06});
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 165 + i * 10.0, 220 + i * 20.0);
        cairo_curve_to(cr, 175, 240, 180, 260, 172 + i * 8.0, 290);
    }
    Stroke(cr, {0.45, 0.3, 0.15}, 4);
    Leaf(cr, 255, 40, -0.3, 90);
    Leaf(cr, 150, 30, -2.8, 80);
}

void Moustache(cairo_t* cr)
{
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, 200, 150);
        cairo_scale(cr, side, 1);
        cairo_move_to(cr, 0, -20);
        cairo_curve_to(cr, 40, -60, 110, -50, 140, 0);
        cairo_curve_to(cr, 150, 20, 170, 20, 175, 0);
        cairo_curve_to(cr, 185, 30, 150, 60, 120, 40);
        cairo_curve_to(cr, 90, 25, 50, 30, 0, 25);
        cairo_close_path(cr);
        cairo_restore(cr);
        Fill(cr, {0.35, 0.22, 0.12});
    }
}

void Braid(cairo_t* cr)
{
    for (int i = 0; i < 6; ++i) {
        const double y = 40 + i * 36.0;
        const double side = i % 2 ? 1 : -1;
        cairo_save(cr);
        cairo_translate(cr, 200 + side * 12, y);
        cairo_rotate(cr, side * 0.5);
        Ellipse(cr, 0, 0, 30, 24);
        cairo_restore(cr);
        Fill(cr, {0.95, 0.75, 0.3});
    }
    cairo_move_to(cr, 200, 255);
    cairo_line_to(cr, 180, 290);
    cairo_line_to(cr, 220, 290);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.75, 0.3});
    RoundedRect(cr, 182, 245, 36, 16, 6);
    Fill(cr, {0.95, 0.3, 0.5});
}

void Propeller(cairo_t* cr)
{
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 200, 150);
        cairo_rotate(cr, i * 2 * kPi / 3 + 0.3);
        Ellipse(cr, 0, -70, 26, 70);
        cairo_restore(cr);
        Fill(cr, {0.3, 0.55, 0.9});
    }
    cairo_arc(cr, 200, 150, 26, 0, 2 * kPi);
    Fill(cr, {0.9, 0.3, 0.25});
}

void RoadBend(cairo_t* cr)
{
    RoundedRect(cr, 30, 20, 340, 260, 30);
    Fill(cr, {0.55, 0.82, 0.4});
    cairo_move_to(cr, 120, 290);
    cairo_curve_to(cr, 120, 150, 300, 190, 300, 10);
    Stroke(cr, {0.45, 0.45, 0.5}, 70);
    cairo_move_to(cr, 120, 290);
    cairo_curve_to(cr, 120, 150, 300, 190, 300, 10);
    const double dash[] = {18, 16};
    cairo_set_dash(cr, dash, 2, 0);
    Stroke(cr, {1, 1, 1}, 6);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Stick(cairo_t* cr)
{
    cairo_move_to(cr, 60, 240);
    cairo_curve_to(cr, 150, 190, 250, 110, 340, 60);
    Stroke(cr, {0.55, 0.36, 0.18}, 14);
    cairo_move_to(cr, 220, 140);
    cairo_line_to(cr, 250, 190);
    Stroke(cr, {0.55, 0.36, 0.18}, 8);
    Leaf(cr, 250, 190, 1.2, 45);
    Leaf(cr, 340, 60, -0.4, 50);
}

void Flag(cairo_t* cr)
{
    cairo_move_to(cr, 140, 290);
    cairo_line_to(cr, 140, 20);
    Stroke(cr, kWood, 14);
    cairo_arc(cr, 140, 18, 10, 0, 2 * kPi);
    Fill(cr, {1, 0.8, 0.2});
    cairo_move_to(cr, 147, 35);
    cairo_curve_to(cr, 220, 15, 260, 65, 330, 45);
    cairo_line_to(cr, 330, 135);
    cairo_curve_to(cr, 260, 155, 220, 105, 147, 125);
    cairo_close_path(cr);
    Fill(cr, {0.25, 0.6, 0.95});
    cairo_move_to(cr, 80, 290);
    cairo_line_to(cr, 200, 290);
    Stroke(cr, kDark, 8);
}

}  // namespace drawing
