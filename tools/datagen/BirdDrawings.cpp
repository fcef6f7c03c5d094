// Drawings of birds and of a few more things, for words no emoji shows.
#include "tools/datagen/ThingDrawings.h"

#include <cmath>
#include <initializer_list>

#include "tools/datagen/DrawingKit.h"

namespace drawing {

namespace {

const Rgb kWood{0.78, 0.52, 0.28};
const Rgb kDark{0.2, 0.2, 0.22};

void Eye(cairo_t* cr, double x, double y, double r)
{
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_arc(cr, x + r * 0.2, y, r * 0.55, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
    cairo_fill(cr);
}

}  // namespace

void WadingBird(cairo_t* cr, Rgb body, Rgb wing, Rgb beak, bool redCap)
{
    // Legs first, the body over them.
    for (double x : {185.0, 215.0}) {
        cairo_move_to(cr, x, 175);
        cairo_line_to(cr, x + (x < 200 ? -5 : 5), 285);
    }
    Stroke(cr, beak, 7);
    cairo_move_to(cr, 130, 140);
    cairo_curve_to(cr, 130, 95, 250, 95, 290, 150);
    cairo_curve_to(cr, 250, 195, 140, 195, 130, 140);
    cairo_close_path(cr);
    Fill(cr, body);
    cairo_move_to(cr, 170, 125);
    cairo_curve_to(cr, 220, 110, 280, 130, 320, 175);
    cairo_curve_to(cr, 260, 175, 200, 170, 170, 150);
    cairo_close_path(cr);
    Fill(cr, wing);
    cairo_move_to(cr, 145, 135);
    cairo_curve_to(cr, 120, 100, 125, 70, 120, 45);
    Stroke(cr, Darker(body, 0.35), 26);
    cairo_move_to(cr, 145, 135);
    cairo_curve_to(cr, 120, 100, 125, 70, 120, 45);
    Stroke(cr, body, 20);
    cairo_arc(cr, 118, 42, 20, 0, 2 * kPi);
    Fill(cr, body);
    if (redCap) {
        cairo_arc(cr, 118, 32, 10, 0, 2 * kPi);
        Fill(cr, {0.9, 0.15, 0.15});
    }
    cairo_move_to(cr, 102, 38);
    cairo_line_to(cr, 30, 55);
    cairo_line_to(cr, 102, 50);
    cairo_close_path(cr);
    Fill(cr, beak);
    Eye(cr, 116, 38, 6);
}

void Swallow(cairo_t* cr)
{
    const Rgb blue{0.12, 0.2, 0.45};
    cairo_move_to(cr, 200, 150);
    cairo_curve_to(cr, 150, 80, 80, 50, 20, 60);
    cairo_curve_to(cr, 90, 110, 140, 150, 200, 165);
    cairo_close_path(cr);
    Fill(cr, blue);
    cairo_move_to(cr, 215, 150);
    cairo_curve_to(cr, 260, 80, 330, 40, 385, 45);
    cairo_curve_to(cr, 320, 100, 270, 150, 215, 168);
    cairo_close_path(cr);
    Fill(cr, blue);
    cairo_move_to(cr, 150, 170);
    cairo_curve_to(cr, 190, 140, 260, 150, 280, 170);
    cairo_line_to(cr, 330, 250);
    cairo_line_to(cr, 270, 195);
    cairo_line_to(cr, 290, 265);
    cairo_curve_to(cr, 230, 200, 170, 200, 150, 170);
    cairo_close_path(cr);
    Fill(cr, blue);
    cairo_move_to(cr, 160, 175);
    cairo_curve_to(cr, 190, 195, 230, 195, 255, 180);
    cairo_curve_to(cr, 220, 170, 180, 168, 160, 175);
    cairo_close_path(cr);
    Fill(cr, {1, 0.97, 0.92});
    cairo_arc(cr, 150, 168, 22, 0, 2 * kPi);
    Fill(cr, blue);
    cairo_arc(cr, 140, 178, 10, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.85, 0.3, 0.2);
    cairo_fill(cr);
    cairo_move_to(cr, 130, 162);
    cairo_line_to(cr, 112, 170);
    cairo_line_to(cr, 130, 172);
    cairo_close_path(cr);
    Fill(cr, kDark);
    Eye(cr, 146, 162, 5);
}

void Vulture(cairo_t* cr)
{
    const Rgb brown{0.42, 0.28, 0.18};
    cairo_move_to(cr, 120, 260);
    cairo_curve_to(cr, 80, 160, 150, 90, 220, 110);
    cairo_curve_to(cr, 300, 130, 320, 220, 280, 260);
    cairo_close_path(cr);
    Fill(cr, brown);
    cairo_move_to(cr, 140, 250);
    cairo_curve_to(cr, 150, 180, 230, 150, 300, 200);
    cairo_curve_to(cr, 320, 240, 300, 270, 260, 275);
    cairo_close_path(cr);
    Fill(cr, Darker(brown, 0.25));
    Ellipse(cr, 190, 112, 55, 20);
    Fill(cr, {0.95, 0.92, 0.85});
    cairo_move_to(cr, 190, 105);
    cairo_curve_to(cr, 180, 80, 170, 60, 160, 50);
    Stroke(cr, {0.85, 0.55, 0.55}, 18);
    cairo_arc(cr, 155, 48, 24, 0, 2 * kPi);
    Fill(cr, {0.95, 0.65, 0.62});
    cairo_move_to(cr, 135, 40);
    cairo_curve_to(cr, 100, 38, 95, 60, 105, 72);
    cairo_curve_to(cr, 112, 62, 125, 58, 138, 58);
    cairo_close_path(cr);
    Fill(cr, {0.9, 0.8, 0.5});
    Eye(cr, 152, 42, 6);
    for (double x : {170.0, 230.0}) {
        cairo_move_to(cr, x, 262);
        cairo_line_to(cr, x, 285);
    }
    Stroke(cr, {0.7, 0.6, 0.4}, 8);
}

void Beak(cairo_t* cr)
{
    cairo_arc(cr, 150, 150, 120, 0, 2 * kPi);
    Fill(cr, {0.35, 0.6, 0.95});
    Eye(cr, 150, 110, 26);
    cairo_move_to(cr, 230, 120);
    cairo_curve_to(cr, 300, 120, 360, 140, 390, 165);
    cairo_curve_to(cr, 340, 170, 290, 170, 240, 165);
    cairo_close_path(cr);
    Fill(cr, {1.0, 0.72, 0.1});
    cairo_move_to(cr, 240, 170);
    cairo_curve_to(cr, 290, 172, 330, 175, 360, 178);
    cairo_curve_to(cr, 320, 205, 270, 205, 235, 195);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.6, 0.05});
}

void Saddle(cairo_t* cr)
{
    cairo_move_to(cr, 60, 110);
    cairo_curve_to(cr, 100, 150, 300, 150, 340, 90);
    cairo_curve_to(cr, 350, 140, 330, 200, 290, 220);
    cairo_curve_to(cr, 230, 240, 160, 240, 100, 215);
    cairo_curve_to(cr, 70, 190, 55, 150, 60, 110);
    cairo_close_path(cr);
    Fill(cr, {0.55, 0.3, 0.15});
    cairo_move_to(cr, 140, 200);
    cairo_line_to(cr, 150, 275);
    Stroke(cr, kDark, 6);
    Ellipse(cr, 152, 280, 20, 8);
    Fill(cr, {0.75, 0.75, 0.8});
    Shine(cr, 180, 165, 40, 10);
}

void BikeSaddle(cairo_t* cr)
{
    RoundedRect(cr, 190, 170, 20, 110, 6);
    Fill(cr, {0.75, 0.75, 0.8});
    cairo_move_to(cr, 60, 110);
    cairo_curve_to(cr, 60, 60, 200, 60, 250, 100);
    cairo_curve_to(cr, 290, 110, 340, 110, 350, 130);
    cairo_curve_to(cr, 350, 150, 300, 160, 250, 155);
    cairo_curve_to(cr, 180, 170, 60, 180, 60, 110);
    cairo_close_path(cr);
    Fill(cr, kDark);
    Shine(cr, 120, 92, 40, 10);
}

void Thorns(cairo_t* cr)
{
    cairo_move_to(cr, 60, 270);
    cairo_curve_to(cr, 150, 200, 250, 120, 350, 30);
    Stroke(cr, {0.3, 0.6, 0.25}, 16);
    const double thorns[][3] = {{120, 225, -1}, {175, 183, 1}, {230, 140, -1}, {285, 90, 1}};
    for (const auto& t : thorns) {
        const double x = t[0];
        const double y = t[1];
        const double side = t[2];
        cairo_move_to(cr, x - 14, y + 10);
        cairo_line_to(cr, x + side * 30 - 10 * side, y + side * 30 - 30);
        cairo_line_to(cr, x + 14, y - 10);
        cairo_close_path(cr);
        Fill(cr, {0.7, 0.3, 0.2});
    }
    Leaf(cr, 350, 30, -0.6, 50);
}

void Stretcher(cairo_t* cr)
{
    for (double y : {110.0, 200.0}) {
        RoundedRect(cr, 20, y - 8, 360, 16, 8);
        Fill(cr, kWood);
    }
    cairo_rectangle(cr, 70, 110, 260, 90);
    Fill(cr, {0.55, 0.75, 0.55});
    cairo_rectangle(cr, 185, 125, 30, 60);
    cairo_rectangle(cr, 170, 140, 60, 30);
    cairo_set_source_rgb(cr, 0.9, 0.15, 0.15);
    cairo_fill(cr);
}

void MopOfHair(cairo_t* cr)
{
    cairo_arc(cr, 200, 175, 90, 0, 2 * kPi);
    Fill(cr, {1.0, 0.84, 0.68});
    // Tousled hair: overlapping curls over the top of the head.
    const Rgb hair{0.55, 0.3, 0.1};
    for (int i = 0; i < 9; ++i) {
        const double a = kPi + kPi * i / 8.0;
        cairo_arc(cr, 200 + 95 * std::cos(a), 165 + 85 * std::sin(a), 40, 0, 2 * kPi);
        Fill(cr, hair);
    }
    cairo_arc(cr, 200, 110, 60, 0, 2 * kPi);
    Fill(cr, hair);
    Eye(cr, 170, 185, 11);
    Eye(cr, 230, 185, 11);
    cairo_arc(cr, 200, 210, 30, 0.2 * kPi, 0.8 * kPi);
    Stroke(cr, {0.7, 0.25, 0.2}, 6);
}

void HighlanderAxe(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, 0.5);
    RoundedRect(cr, -10, -120, 20, 260, 8);
    Fill(cr, kWood);
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, -10, -40 + i * 40.0, 20, 8);
        cairo_set_source_rgb(cr, 0.85, 0.75, 0.35);
        cairo_fill(cr);
    }
    // The small axe head on top, a blade one side and a knob the other.
    cairo_move_to(cr, 10, -130);
    cairo_line_to(cr, 70, -150);
    cairo_curve_to(cr, 80, -125, 80, -100, 70, -80);
    cairo_line_to(cr, 10, -100);
    cairo_close_path(cr);
    Fill(cr, {0.75, 0.78, 0.82});
    RoundedRect(cr, -35, -130, 50, 28, 8);
    Fill(cr, {0.75, 0.78, 0.82});
    cairo_restore(cr);
}

void Root(cairo_t* cr)
{
    const Rgb bark{0.55, 0.36, 0.2};
    cairo_rectangle(cr, 0, 150, 400, 150);
    cairo_set_source_rgb(cr, 0.85, 0.72, 0.55);
    cairo_fill(cr);
    const double roots[][4] = {{150, 170, 60, 260}, {200, 175, 190, 290}, {250, 170, 340, 250},
                               {170, 200, 110, 285}, {230, 200, 290, 290}};
    for (const auto& r : roots) {
        cairo_move_to(cr, r[0], r[1]);
        cairo_curve_to(cr, r[0], r[1] + 40, r[2], r[3] - 50, r[2], r[3]);
    }
    Stroke(cr, bark, 12);
    cairo_move_to(cr, 140, 20);
    cairo_line_to(cr, 260, 20);
    cairo_line_to(cr, 270, 180);
    cairo_line_to(cr, 130, 180);
    cairo_close_path(cr);
    Fill(cr, bark);
}

void Woodlouse(cairo_t* cr)
{
    const Rgb grey{0.55, 0.57, 0.62};
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.32);
    for (int i = 0; i < 7; ++i)
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 110 + i * 30.0, 150);
            cairo_line_to(cr, 100 + i * 30.0, 150 + side * 95);
        }
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 7; i >= 0; --i) {
        Ellipse(cr, 95 + i * 28.0, 150, 30, 70 - std::abs(i - 3.5) * 6);
        Fill(cr, i % 2 ? grey : Lighter(grey, 0.15));
    }
    cairo_move_to(cr, 75, 135);
    cairo_curve_to(cr, 40, 110, 30, 90, 20, 80);
    cairo_move_to(cr, 75, 165);
    cairo_curve_to(cr, 40, 190, 30, 210, 20, 220);
    Stroke(cr, {0.3, 0.3, 0.32}, 5);
}

void BottleOpener(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.4);
    RoundedRect(cr, -40, -22, 200, 44, 22);
    Fill(cr, {0.9, 0.3, 0.25});
    cairo_new_path(cr);
    cairo_arc(cr, -90, 0, 65, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, -95, 0, 32, 2 * kPi, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Fill(cr, {0.75, 0.78, 0.82});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_restore(cr);
}

void JumpingJack(cairo_t* cr)
{
    const Rgb suit{0.95, 0.3, 0.3};
    // Arms and legs spread, as the toy's are when its string is pulled.
    cairo_move_to(cr, 170, 125);
    cairo_line_to(cr, 90, 60);
    cairo_move_to(cr, 230, 125);
    cairo_line_to(cr, 310, 60);
    cairo_move_to(cr, 180, 200);
    cairo_line_to(cr, 120, 285);
    cairo_move_to(cr, 220, 200);
    cairo_line_to(cr, 280, 285);
    Stroke(cr, {0.2, 0.5, 0.9}, 24);
    RoundedRect(cr, 160, 110, 80, 100, 20);
    Fill(cr, suit);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 200, 130 + i * 25.0, 7, 0, 2 * kPi);
        Fill(cr, {1, 0.85, 0.2});
    }
    cairo_arc(cr, 200, 80, 34, 0, 2 * kPi);
    Fill(cr, {1.0, 0.85, 0.72});
    cairo_arc(cr, 200, 88, 7, 0, 2 * kPi);
    Fill(cr, {0.9, 0.2, 0.2});
    Eye(cr, 188, 74, 5);
    Eye(cr, 212, 74, 5);
    cairo_move_to(cr, 170, 55);
    cairo_line_to(cr, 200, 5);
    cairo_line_to(cr, 230, 55);
    cairo_close_path(cr);
    Fill(cr, {1, 0.8, 0.2});
    cairo_move_to(cr, 200, 210);
    cairo_line_to(cr, 200, 295);
    Stroke(cr, kDark, 2);
}

void GrainKernel(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.3);
    cairo_move_to(cr, 0, -120);
    cairo_curve_to(cr, 95, -110, 95, 110, 0, 120);
    cairo_curve_to(cr, -95, 110, -95, -110, 0, -120);
    cairo_close_path(cr);
    cairo_restore(cr);
    Fill(cr, {0.93, 0.75, 0.4});
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.3);
    cairo_move_to(cr, 0, -95);
    cairo_curve_to(cr, 12, -30, 12, 30, 0, 95);
    cairo_restore(cr);
    Stroke(cr, {0.7, 0.5, 0.2}, 6);
    Shine(cr, 165, 95, 14, 24);
}

void CementBag(cairo_t* cr, cairo_font_face_t* font)
{
    cairo_move_to(cr, 100, 50);
    cairo_curve_to(cr, 200, 35, 200, 65, 300, 50);
    cairo_line_to(cr, 320, 270);
    cairo_curve_to(cr, 200, 285, 200, 255, 80, 270);
    cairo_close_path(cr);
    Fill(cr, {0.75, 0.75, 0.78});
    RoundedRect(cr, 120, 120, 160, 70, 8);
    Fill(cr, {0.95, 0.55, 0.15});
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, 30);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "25 kg", &ext);
    cairo_move_to(cr, 200 - ext.width / 2 - ext.x_bearing, 155 - ext.height / 2 - ext.y_bearing);
    cairo_show_text(cr, "25 kg");
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, 300 + i * 18.0, 278 - (i % 2) * 6.0, 9, 0, 2 * kPi);
        Fill(cr, {0.7, 0.7, 0.72});
    }
}

void SewingMachine(cairo_t* cr)
{
    const Rgb body{0.2, 0.55, 0.75};
    RoundedRect(cr, 40, 240, 320, 36, 8);
    Fill(cr, kWood);
    // The arm: a column on the right and a head reaching over to the needle.
    cairo_move_to(cr, 300, 240);
    cairo_line_to(cr, 300, 70);
    cairo_curve_to(cr, 300, 50, 290, 45, 270, 45);
    cairo_line_to(cr, 110, 45);
    cairo_curve_to(cr, 90, 45, 85, 55, 85, 75);
    cairo_line_to(cr, 85, 140);
    cairo_line_to(cr, 140, 140);
    cairo_line_to(cr, 140, 100);
    cairo_line_to(cr, 250, 100);
    cairo_line_to(cr, 250, 240);
    cairo_close_path(cr);
    Fill(cr, body);
    RoundedRect(cr, 60, 215, 280, 28, 6);
    Fill(cr, Lighter(body, 0.25));
    cairo_move_to(cr, 110, 140);
    cairo_line_to(cr, 110, 200);
    Stroke(cr, {0.75, 0.78, 0.82}, 6);
    cairo_arc(cr, 330, 120, 32, 0, 2 * kPi);
    Fill(cr, {0.75, 0.78, 0.82});
    RoundedRect(cr, 180, 20, 24, 30, 6);
    Fill(cr, {0.95, 0.3, 0.4});
    cairo_move_to(cr, 192, 30);
    cairo_curve_to(cr, 160, 30, 120, 60, 110, 140);
    Stroke(cr, {0.95, 0.3, 0.4}, 2);
    Shine(cr, 180, 60, 50, 6);
}

void Postman(cairo_t* cr)
{
    const Rgb uniform{0.2, 0.35, 0.7};
    cairo_move_to(cr, 110, 300);
    cairo_curve_to(cr, 110, 190, 290, 190, 290, 300);
    cairo_close_path(cr);
    Fill(cr, uniform);
    // The strap and the bag full of letters.
    cairo_move_to(cr, 150, 205);
    cairo_line_to(cr, 280, 270);
    Stroke(cr, {0.45, 0.28, 0.12}, 12);
    RoundedRect(cr, 230, 230, 110, 70, 10);
    Fill(cr, {0.6, 0.38, 0.18});
    cairo_rectangle(cr, 250, 215, 70, 30);
    Fill(cr, {1, 1, 1});
    cairo_move_to(cr, 250, 215);
    cairo_line_to(cr, 285, 232);
    cairo_line_to(cr, 320, 215);
    Stroke(cr, {0.6, 0.6, 0.6}, 3);
    cairo_arc(cr, 200, 140, 62, 0, 2 * kPi);
    Fill(cr, {1.0, 0.84, 0.68});
    Eye(cr, 178, 140, 9);
    Eye(cr, 222, 140, 9);
    cairo_arc(cr, 200, 160, 22, 0.2 * kPi, 0.8 * kPi);
    Stroke(cr, {0.7, 0.25, 0.2}, 5);
    // The cap with its peak and a yellow horn badge.
    cairo_move_to(cr, 135, 110);
    cairo_curve_to(cr, 135, 40, 265, 40, 265, 110);
    cairo_close_path(cr);
    Fill(cr, uniform);
    RoundedRect(cr, 125, 100, 150, 20, 8);
    Fill(cr, Darker(uniform, 0.3));
    cairo_arc(cr, 200, 75, 12, 0, 2 * kPi);
    Fill(cr, {1, 0.8, 0.2});
}

void Seam(cairo_t* cr)
{
    const Rgb left{0.95, 0.55, 0.3};
    const Rgb right{0.3, 0.65, 0.9};
    cairo_move_to(cr, 40, 40);
    cairo_line_to(cr, 205, 40);
    cairo_curve_to(cr, 195, 120, 215, 180, 205, 260);
    cairo_line_to(cr, 40, 260);
    cairo_close_path(cr);
    Fill(cr, left);
    cairo_move_to(cr, 205, 40);
    cairo_line_to(cr, 360, 40);
    cairo_line_to(cr, 360, 260);
    cairo_line_to(cr, 205, 260);
    cairo_curve_to(cr, 215, 180, 195, 120, 205, 40);
    cairo_close_path(cr);
    Fill(cr, right);
    for (int i = 0; i < 8; ++i) {
        const double y = 55 + i * 27.0;
        cairo_move_to(cr, 185, y);
        cairo_line_to(cr, 225, y + 14);
        cairo_move_to(cr, 225, y);
        cairo_line_to(cr, 185, y + 14);
    }
    Stroke(cr, {1, 1, 1}, 5);
}

}  // namespace drawing
