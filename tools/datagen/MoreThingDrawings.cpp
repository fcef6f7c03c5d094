// Drawings of things, part two: household things and tools.
#include "tools/datagen/ThingDrawings.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/datagen/DrawingKit.h"

namespace drawing {

namespace {

const Rgb kWood{0.78, 0.52, 0.28};
const Rgb kMetal{0.72, 0.75, 0.8};
const Rgb kDark{0.25, 0.26, 0.3};

void CenteredText(cairo_t* cr, cairo_font_face_t* font, const char* text, double cx, double cy, double size)
{
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
    cairo_show_text(cr, text);
}

}  // namespace

void Pillow(cairo_t* cr)
{
    cairo_move_to(cr, 70, 70);
    cairo_curve_to(cr, 150, 95, 250, 95, 330, 70);
    cairo_curve_to(cr, 310, 130, 310, 170, 330, 230);
    cairo_curve_to(cr, 250, 205, 150, 205, 70, 230);
    cairo_curve_to(cr, 90, 170, 90, 130, 70, 70);
    cairo_close_path(cr);
    Fill(cr, {0.55, 0.75, 1.0});
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 150 + i * 50.0, 150, 9, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    Shine(cr, 130, 110, 40, 12);
}

void Tray(cairo_t* cr)
{
    Ellipse(cr, 200, 165, 175, 80);
    Fill(cr, kMetal);
    Ellipse(cr, 200, 160, 150, 62);
    Fill(cr, Lighter(kMetal, 0.5));
    Shine(cr, 150, 135, 50, 12);
}

void Hanger(cairo_t* cr)
{
    cairo_move_to(cr, 200, 110);
    cairo_line_to(cr, 200, 85);
    cairo_arc(cr, 200, 65, 20, kPi / 2, 2.2 * kPi);
    Stroke(cr, kMetal, 9);
    cairo_move_to(cr, 200, 110);
    cairo_line_to(cr, 50, 220);
    cairo_line_to(cr, 350, 220);
    cairo_close_path(cr);
    Stroke(cr, kWood, 16);
}

void Oar(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.5);
    RoundedRect(cr, -180, -9, 250, 18, 9);
    Fill(cr, kWood);
    cairo_move_to(cr, 60, -12);
    cairo_curve_to(cr, 110, -40, 170, -35, 185, 0);
    cairo_curve_to(cr, 170, 35, 110, 40, 60, 12);
    cairo_close_path(cr);
    Fill(cr, Lighter(kWood, 0.2));
    RoundedRect(cr, -185, -13, 40, 26, 10);
    Fill(cr, {0.85, 0.3, 0.25});
    cairo_restore(cr);
}

void Lampshade(cairo_t* cr)
{
    cairo_move_to(cr, 200, 20);
    cairo_line_to(cr, 200, 60);
    Stroke(cr, kDark, 6);
    cairo_move_to(cr, 140, 60);
    cairo_line_to(cr, 260, 60);
    cairo_line_to(cr, 320, 200);
    cairo_line_to(cr, 80, 200);
    cairo_close_path(cr);
    Fill(cr, {1.0, 0.78, 0.3});
    cairo_arc(cr, 200, 222, 28, kPi, 2 * kPi);
    cairo_close_path(cr);
    Fill(cr, {1.0, 0.95, 0.6});
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 95 + i * 70.0, 190);
        cairo_line_to(cr, 135 + i * 44.0, 70);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void Cauldron(cairo_t* cr)
{
    for (double x : {120.0, 280.0}) {
        cairo_move_to(cr, x, 210);
        cairo_line_to(cr, x + (x < 200 ? -15 : 15), 270);
        Stroke(cr, kDark, 14);
    }
    cairo_move_to(cr, 70, 100);
    cairo_curve_to(cr, 60, 260, 340, 260, 330, 100);
    cairo_close_path(cr);
    Fill(cr, {0.3, 0.3, 0.34});
    Ellipse(cr, 200, 100, 135, 26);
    Fill(cr, {0.5, 0.8, 0.35});
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 160 + i * 40.0, 60 - (i % 2) * 15.0, 10 + i * 2.0, 0, 2 * kPi);
        Fill(cr, {0.75, 0.95, 0.6});
    }
    Shine(cr, 110, 160, 10, 30);
}

void Stove(cairo_t* cr)
{
    RoundedRect(cr, 90, 40, 220, 240, 14);
    Fill(cr, {0.95, 0.95, 0.97});
    RoundedRect(cr, 115, 120, 170, 130, 10);
    Fill(cr, kDark);
    RoundedRect(cr, 130, 135, 140, 70, 6);
    Fill(cr, {1.0, 0.6, 0.2});
    cairo_move_to(cr, 130, 112);
    cairo_line_to(cr, 270, 112);
    Stroke(cr, kMetal, 10);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 125 + i * 50.0, 75, 12, 0, 2 * kPi);
        Fill(cr, {0.9, 0.3, 0.25});
    }
}

void Sieve(cairo_t* cr)
{
    cairo_move_to(cr, 280, 150);
    cairo_line_to(cr, 380, 150);
    Stroke(cr, kDark, 16);
    cairo_arc(cr, 180, 150, 100, 0, 2 * kPi);
    Fill(cr, kMetal);
    cairo_save(cr);
    cairo_arc(cr, 180, 150, 88, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.5, 0.53, 0.58);
    cairo_set_line_width(cr, 2);
    for (int i = -9; i <= 9; ++i) {
        cairo_move_to(cr, 180 + i * 10.0, 50);
        cairo_line_to(cr, 180 + i * 10.0, 250);
        cairo_move_to(cr, 80, 150 + i * 10.0);
        cairo_line_to(cr, 280, 150 + i * 10.0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Dustpan(cairo_t* cr)
{
    cairo_move_to(cr, 60, 240);
    cairo_line_to(cr, 100, 110);
    cairo_line_to(cr, 250, 110);
    cairo_line_to(cr, 290, 240);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.45, 0.3});
    cairo_move_to(cr, 250, 140);
    cairo_line_to(cr, 370, 80);
    Stroke(cr, {0.7, 0.3, 0.2}, 22);
}

void JamJar(cairo_t* cr)
{
    RoundedRect(cr, 110, 90, 180, 190, 26);
    Fill(cr, {0.85, 0.12, 0.25});
    RoundedRect(cr, 140, 150, 120, 70, 8);
    Fill(cr, {1.0, 0.97, 0.88});
    cairo_set_source_rgb(cr, 0.85, 0.12, 0.25);
    cairo_arc(cr, 200, 185, 16, 0, 2 * kPi);
    cairo_fill(cr);
    // The cloth over the lid, red and white squares.
    cairo_move_to(cr, 90, 95);
    cairo_line_to(cr, 120, 45);
    cairo_line_to(cr, 280, 45);
    cairo_line_to(cr, 310, 95);
    cairo_close_path(cr);
    Fill(cr, {1, 1, 1});
    cairo_save(cr);
    cairo_move_to(cr, 90, 95);
    cairo_line_to(cr, 120, 45);
    cairo_line_to(cr, 280, 45);
    cairo_line_to(cr, 310, 95);
    cairo_close_path(cr);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.9, 0.2, 0.2);
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 3; ++y)
            if ((x + y) % 2 == 0)
                cairo_rectangle(cr, 90 + x * 20.0, 45 + y * 17.0, 20, 17);
    cairo_fill(cr);
    cairo_restore(cr);
    Shine(cr, 130, 240, 8, 22);
}

void InkBottle(cairo_t* cr)
{
    RoundedRect(cr, 170, 60, 60, 50, 6);
    Fill(cr, kDark);
    RoundedRect(cr, 110, 100, 180, 170, 30);
    Fill(cr, {0.15, 0.25, 0.65});
    RoundedRect(cr, 140, 150, 120, 60, 6);
    Fill(cr, {1, 1, 1});
    cairo_move_to(cr, 310, 250);
    cairo_curve_to(cr, 300, 225, 330, 215, 350, 240);
    cairo_curve_to(cr, 370, 265, 330, 280, 310, 250);
    Fill(cr, {0.15, 0.25, 0.65});
}

void Postcard(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.08);
    cairo_rectangle(cr, -160, -105, 320, 210);
    Fill(cr, {1.0, 0.98, 0.9});
    cairo_rectangle(cr, 80, -90, 62, 72);
    Fill(cr, {0.95, 0.4, 0.4});
    cairo_arc(cr, 111, -54, 18, 0, 2 * kPi);
    Fill(cr, {1, 0.85, 0.2});
    cairo_move_to(cr, 10, -90);
    cairo_line_to(cr, 10, 90);
    Stroke(cr, {0.7, 0.7, 0.7}, 3);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 30, 10 + i * 30.0);
        cairo_line_to(cr, 140, 10 + i * 30.0);
    }
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, -140, -70 + i * 30.0);
        cairo_curve_to(cr, -110, -80 + i * 30.0, -60, -60 + i * 30.0, -10, -70 + i * 30.0);
    }
    Stroke(cr, {0.3, 0.45, 0.85}, 4);
    cairo_restore(cr);
}

void Comic(cairo_t* cr, cairo_font_face_t* font)
{
    cairo_rectangle(cr, 70, 20, 260, 260);
    Fill(cr, {1, 1, 1});
    const double panels[][4] = {{85, 35, 110, 110}, {205, 35, 110, 110}, {85, 155, 230, 110}};
    const Rgb colours[] = {{0.5, 0.8, 1}, {1, 0.85, 0.4}, {0.6, 0.9, 0.6}};
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, panels[i][0], panels[i][1], panels[i][2], panels[i][3]);
        Fill(cr, colours[i]);
    }
    Ellipse(cr, 200, 205, 70, 36);
    Fill(cr, {1, 1, 1});
    cairo_set_source_rgb(cr, 0.9, 0.2, 0.2);
    CenteredText(cr, font, "BUM!", 200, 205, 40);
}

void Gauge(cairo_t* cr)
{
    cairo_arc(cr, 200, 190, 150, kPi, 2 * kPi);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.95, 0.97});
    const Rgb bands[] = {{0.3, 0.8, 0.35}, {1, 0.8, 0.2}, {0.95, 0.3, 0.25}};
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, 200, 190, 125, kPi + i * kPi / 3, kPi + (i + 1) * kPi / 3);
        Stroke(cr, bands[i], 22);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, 200, 190);
    cairo_line_to(cr, 200 + 110 * std::cos(-0.75), 190 + 110 * std::sin(-0.75));
    Stroke(cr, kDark, 9);
    cairo_arc(cr, 200, 190, 16, 0, 2 * kPi);
    Fill(cr, kDark);
}

void Tablecloth(cairo_t* cr)
{
    cairo_move_to(cr, 110, 50);
    cairo_line_to(cr, 350, 60);
    cairo_line_to(cr, 290, 260);
    cairo_line_to(cr, 50, 245);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.9, 0.15, 0.2, 0.75);
    for (int i = 0; i < 10; ++i) {
        cairo_rectangle(cr, 40 + i * 34.0, 40, 17, 240);
        cairo_rectangle(cr, 40, 40 + i * 26.0, 320, 13);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, 110, 50);
    cairo_line_to(cr, 350, 60);
    cairo_line_to(cr, 290, 260);
    cairo_line_to(cr, 50, 245);
    cairo_close_path(cr);
    Stroke(cr, {0.7, 0.1, 0.15}, 4);
}

void Chandelier(cairo_t* cr)
{
    cairo_move_to(cr, 200, 10);
    cairo_line_to(cr, 200, 110);
    Stroke(cr, {0.75, 0.6, 0.2}, 6);
    cairo_move_to(cr, 60, 150);
    cairo_curve_to(cr, 100, 220, 300, 220, 340, 150);
    Stroke(cr, {0.85, 0.68, 0.2}, 9);
    cairo_move_to(cr, 200, 110);
    cairo_line_to(cr, 200, 195);
    Stroke(cr, {0.85, 0.68, 0.2}, 9);
    for (int i = 0; i < 5; ++i) {
        const double x = 60 + i * 70.0;
        const double y = i == 0 || i == 4 ? 150 : (i == 2 ? 195 : 185);
        RoundedRect(cr, x - 10, y - 55, 20, 45, 4);
        Fill(cr, {1, 1, 0.95});
        Ellipse(cr, x, y - 68, 9, 15);
        Fill(cr, {1, 0.75, 0.15});
    }
    Ellipse(cr, 200, 108, 22, 14);
    Fill(cr, {0.95, 0.8, 0.3});
}

void RubberStamp(cairo_t* cr)
{
    Ellipse(cr, 200, 60, 40, 34);
    Fill(cr, {0.8, 0.3, 0.25});
    RoundedRect(cr, 185, 85, 30, 90, 8);
    Fill(cr, {0.8, 0.3, 0.25});
    RoundedRect(cr, 120, 170, 160, 40, 8);
    Fill(cr, kWood);
    cairo_rectangle(cr, 125, 210, 150, 16);
    Fill(cr, kDark);
    Ellipse(cr, 200, 270, 110, 16);
    cairo_set_source_rgba(cr, 0.2, 0.3, 0.8, 0.6);
    cairo_fill(cr);
}

void BottleCap(cairo_t* cr)
{
    cairo_new_path(cr);
    for (int i = 0; i < 42; ++i) {
        const double a = 2 * kPi * i / 42;
        const double r = i % 2 ? 112 : 126;
        cairo_line_to(cr, 200 + r * std::cos(a), 150 + r * std::sin(a));
    }
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.2, 0.2});
    cairo_arc(cr, 200, 150, 88, 0, 2 * kPi);
    Fill(cr, {0.95, 0.3, 0.3});
    cairo_arc(cr, 200, 150, 45, 0, 2 * kPi);
    Fill(cr, {1, 0.85, 0.25});
    Shine(cr, 160, 100, 30, 12);
}

void Belt(cairo_t* cr)
{
    RoundedRect(cr, 20, 120, 360, 60, 12);
    Fill(cr, {0.55, 0.32, 0.16});
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 60 + i * 35.0, 150, 6, 0, 2 * kPi);
        Fill(cr, {0.3, 0.18, 0.08});
    }
    RoundedRect(cr, 240, 100, 90, 100, 16);
    cairo_set_source_rgb(cr, 0.95, 0.78, 0.25);
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_move_to(cr, 262, 150);
    cairo_line_to(cr, 310, 150);
    Stroke(cr, {0.8, 0.62, 0.15}, 9);
}

void JumpRope(cairo_t* cr)
{
    cairo_move_to(cr, 90, 100);
    cairo_curve_to(cr, 80, 330, 320, 330, 310, 100);
    Stroke(cr, {0.95, 0.4, 0.6}, 8);
    for (double x : {90.0, 310.0}) {
        RoundedRect(cr, x - 15, 30, 30, 80, 14);
        Fill(cr, {0.3, 0.6, 0.95});
    }
}

void Swing(cairo_t* cr)
{
    cairo_move_to(cr, 60, 280);
    cairo_line_to(cr, 110, 30);
    cairo_line_to(cr, 290, 30);
    cairo_line_to(cr, 340, 280);
    Stroke(cr, {0.85, 0.3, 0.25}, 16);
    cairo_move_to(cr, 160, 30);
    cairo_line_to(cr, 160, 210);
    cairo_move_to(cr, 240, 30);
    cairo_line_to(cr, 240, 210);
    Stroke(cr, kDark, 5);
    RoundedRect(cr, 140, 205, 120, 22, 6);
    Fill(cr, kWood);
}

void Stairs(cairo_t* cr)
{
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 70 + i * 65.0, 230 - i * 50.0, 330 - 70 - i * 65.0, 50);
        Fill(cr, Lighter(kWood, 0.1 * i));
    }
}

void LittleRoof(cairo_t* cr)
{
    cairo_rectangle(cr, 110, 160, 180, 110);
    Fill(cr, {1.0, 0.9, 0.7});
    cairo_rectangle(cr, 175, 200, 50, 70);
    Fill(cr, kWood);
    cairo_move_to(cr, 60, 175);
    cairo_line_to(cr, 200, 50);
    cairo_line_to(cr, 340, 175);
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.3, 0.2});
}

void ZlotyCoin(cairo_t* cr, cairo_font_face_t* font)
{
    cairo_arc(cr, 200, 150, 125, 0, 2 * kPi);
    Fill(cr, {0.95, 0.78, 0.25});
    cairo_arc(cr, 200, 150, 100, 0, 2 * kPi);
    Stroke(cr, {0.8, 0.6, 0.15}, 5);
    cairo_set_source_rgb(cr, 0.6, 0.42, 0.08);
    CenteredText(cr, font, "1 zł", 200, 150, 72);
    Shine(cr, 150, 80, 30, 12);
}

void GoldBars(cairo_t* cr)
{
    const double bars[][2] = {{70, 220}, {200, 220}, {135, 145}};
    for (const auto& b : bars) {
        cairo_move_to(cr, b[0], b[1] + 60);
        cairo_line_to(cr, b[0] + 20, b[1]);
        cairo_line_to(cr, b[0] + 110, b[1]);
        cairo_line_to(cr, b[0] + 130, b[1] + 60);
        cairo_close_path(cr);
        Fill(cr, {1.0, 0.8, 0.2});
        Shine(cr, b[0] + 50, b[1] + 15, 25, 5);
    }
}

void Cannon(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 170, 170);
    cairo_rotate(cr, -0.35);
    RoundedRect(cr, -70, -38, 230, 76, 30);
    Fill(cr, kDark);
    RoundedRect(cr, 150, -44, 22, 88, 8);
    Fill(cr, kDark);
    cairo_restore(cr);
    cairo_arc(cr, 160, 215, 58, 0, 2 * kPi);
    Fill(cr, kWood);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 160 + 50 * std::cos(i * kPi / 4), 215 + 50 * std::sin(i * kPi / 4));
        cairo_line_to(cr, 160 - 50 * std::cos(i * kPi / 4), 215 - 50 * std::sin(i * kPi / 4));
    }
    Stroke(cr, Darker(kWood, 0.3), 6);
    const double balls[][2] = {{320, 255}, {355, 255}, {337, 225}};
    for (const auto& b : balls) {
        cairo_arc(cr, b[0], b[1], 18, 0, 2 * kPi);
        Fill(cr, kDark);
    }
}

void Compasses(cairo_t* cr)
{
    cairo_move_to(cr, 200, 60);
    cairo_line_to(cr, 120, 260);
    Stroke(cr, kMetal, 14);
    cairo_move_to(cr, 200, 60);
    cairo_line_to(cr, 280, 250);
    Stroke(cr, kMetal, 14);
    cairo_move_to(cr, 280, 250);
    cairo_line_to(cr, 288, 275);
    Stroke(cr, {0.3, 0.3, 0.3}, 8);
    RoundedRect(cr, 185, 20, 30, 50, 10);
    Fill(cr, {0.9, 0.3, 0.25});
    cairo_arc(cr, 200, 75, 14, 0, 2 * kPi);
    Fill(cr, kMetal);
    cairo_arc(cr, 200, 255, 110, 0.6, kPi - 0.6);
    cairo_set_source_rgba(cr, 0.2, 0.4, 0.9, 0.6);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void Club(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.6);
    cairo_move_to(cr, -160, -12);
    cairo_curve_to(cr, -40, -20, 60, -60, 150, -50);
    cairo_curve_to(cr, 185, -40, 185, 40, 150, 50);
    cairo_curve_to(cr, 60, 60, -40, 20, -160, 12);
    cairo_close_path(cr);
    Fill(cr, kWood);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 60 + i * 38.0, (i % 2 ? 18 : -18), 7, 0, 2 * kPi);
        Fill(cr, Darker(kWood, 0.3));
    }
    cairo_restore(cr);
}

void Sickle(cairo_t* cr)
{
    cairo_new_path(cr);
    cairo_arc(cr, 210, 130, 110, -2.6, 1.3);
    cairo_arc_negative(cr, 190, 120, 85, 1.3, -2.4);
    cairo_close_path(cr);
    Fill(cr, kMetal);
    cairo_move_to(cr, 230, 240);
    cairo_line_to(cr, 200, 290);
    Stroke(cr, kWood, 22);
}

void Well(cairo_t* cr)
{
    cairo_rectangle(cr, 100, 170, 200, 110);
    Fill(cr, {0.75, 0.75, 0.78});
    cairo_save(cr);
    cairo_rectangle(cr, 100, 170, 200, 110);
    cairo_clip(cr);
    for (int row = 0; row < 3; ++row)
        for (int k = -1; k < 4; ++k)
            cairo_rectangle(cr, 100 + k * 50.0 + (row % 2) * 25.0, 170 + row * 37.0, 50, 37);
    cairo_set_source_rgb(cr, 0.55, 0.55, 0.58);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (double x : {115.0, 285.0}) {
        cairo_move_to(cr, x, 170);
        cairo_line_to(cr, x, 70);
        Stroke(cr, kWood, 14);
    }
    cairo_move_to(cr, 80, 85);
    cairo_line_to(cr, 200, 25);
    cairo_line_to(cr, 320, 85);
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.3, 0.2});
    cairo_move_to(cr, 200, 90);
    cairo_line_to(cr, 200, 130);
    Stroke(cr, kDark, 4);
    RoundedRect(cr, 180, 125, 40, 35, 5);
    Fill(cr, {0.3, 0.55, 0.9});
}

void Drawer(cairo_t* cr)
{
    cairo_rectangle(cr, 70, 40, 260, 240);
    Fill(cr, kWood);
    cairo_rectangle(cr, 90, 60, 220, 60);
    Fill(cr, Lighter(kWood, 0.2));
    cairo_move_to(cr, 90, 150);
    cairo_line_to(cr, 310, 150);
    cairo_line_to(cr, 350, 180);
    cairo_line_to(cr, 50, 180);
    cairo_close_path(cr);
    Fill(cr, Darker(kWood, 0.2));
    cairo_rectangle(cr, 50, 180, 300, 70);
    Fill(cr, Lighter(kWood, 0.25));
    for (double y : {90.0, 215.0}) {
        RoundedRect(cr, 175, y - 7, 50, 14, 7);
        Fill(cr, kMetal);
    }
}

void Berries(cairo_t* cr, Rgb berry, int count, double size)
{
    Leaf(cr, 200, 70, -0.6, 90);
    Leaf(cr, 200, 70, -2.5, 80);
    cairo_move_to(cr, 200, 70);
    cairo_line_to(cr, 200, 110);
    Stroke(cr, {0.4, 0.3, 0.15}, 5);
    // A bunch: rows that narrow towards the bottom.
    int placed = 0;
    for (int row = 0; placed < count; ++row) {
        const int inRow = std::max(1, 5 - row);
        for (int k = 0; k < inRow && placed < count; ++k, ++placed) {
            const double x = 200 + (k - (inRow - 1) / 2.0) * size * 1.8;
            const double y = 130 + row * size * 1.6;
            cairo_arc(cr, x, y, size, 0, 2 * kPi);
            Fill(cr, berry);
            Shine(cr, x - size * 0.35, y - size * 0.35, size * 0.25, size * 0.18);
        }
    }
}

}  // namespace drawing
