// Drawings of things, part four: vehicles, clothes, furniture and a few more.
#include "tools/datagen/ThingDrawings.h"

#include <cmath>
#include <initializer_list>

#include "tools/datagen/DrawingKit.h"

namespace drawing {

namespace {

const Rgb kWood{0.78, 0.52, 0.28};
const Rgb kMetal{0.72, 0.75, 0.8};
const Rgb kDark{0.25, 0.26, 0.3};

void Wheel(cairo_t* cr, double x, double y, double r)
{
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    Fill(cr, kDark);
    cairo_arc(cr, x, y, r * 0.45, 0, 2 * kPi);
    Fill(cr, kMetal);
}

}  // namespace

void Tank(cairo_t* cr)
{
    const Rgb green{0.42, 0.55, 0.3};
    RoundedRect(cr, 40, 195, 320, 70, 35);
    Fill(cr, kDark);
    for (int i = 0; i < 6; ++i)
        Wheel(cr, 80 + i * 48.0, 230, 18);
    cairo_move_to(cr, 50, 200);
    cairo_line_to(cr, 80, 150);
    cairo_line_to(cr, 320, 150);
    cairo_line_to(cr, 350, 200);
    cairo_close_path(cr);
    Fill(cr, green);
    RoundedRect(cr, 250, 112, 150, 18, 6);
    Fill(cr, Darker(green, 0.2));
    cairo_move_to(cr, 130, 150);
    cairo_curve_to(cr, 130, 80, 270, 80, 270, 150);
    cairo_close_path(cr);
    Fill(cr, Lighter(green, 0.1));
    cairo_arc(cr, 200, 180, 14, 0, 2 * kPi);
    Fill(cr, {1, 0.85, 0.2});
}

void Jug(cairo_t* cr)
{
    cairo_arc(cr, 275, 160, 48, -kPi / 2, kPi / 2);
    Stroke(cr, {0.25, 0.5, 0.85}, 18);
    cairo_move_to(cr, 140, 60);
    cairo_line_to(cr, 100, 40);
    cairo_line_to(cr, 150, 90);
    cairo_curve_to(cr, 90, 160, 110, 270, 200, 270);
    cairo_curve_to(cr, 290, 270, 310, 160, 250, 90);
    cairo_line_to(cr, 260, 60);
    cairo_close_path(cr);
    Fill(cr, {0.35, 0.6, 0.95});
    for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, 150 + i * 25.0, 180, 8, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
    Shine(cr, 155, 130, 10, 30);
}

void CashRegister(cairo_t* cr)
{
    RoundedRect(cr, 230, 40, 110, 60, 8);
    Fill(cr, kDark);
    RoundedRect(cr, 245, 52, 80, 36, 4);
    Fill(cr, {0.5, 0.95, 0.5});
    cairo_move_to(cr, 60, 240);
    cairo_line_to(cr, 80, 110);
    cairo_line_to(cr, 340, 110);
    cairo_line_to(cr, 350, 240);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.45, 0.35});
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 4; ++k) {
            RoundedRect(cr, 105 + k * 36.0 - row * 3, 125 + row * 30.0, 28, 22, 5);
            Fill(cr, {1, 1, 1});
        }
    RoundedRect(cr, 40, 240, 330, 40, 6);
    Fill(cr, {0.85, 0.35, 0.28});
    RoundedRect(cr, 180, 252, 50, 14, 7);
    Fill(cr, kMetal);
}

void Cradle(cairo_t* cr)
{
    for (double x : {140.0, 260.0}) {
        cairo_move_to(cr, x, 200);
        cairo_line_to(cr, x, 262);
    }
    Stroke(cr, kWood, 12);
    cairo_arc(cr, 200, 40, 230, kPi * 0.35, kPi * 0.65);
    Stroke(cr, kWood, 16);
    cairo_move_to(cr, 80, 110);
    cairo_curve_to(cr, 80, 250, 320, 250, 320, 110);
    cairo_close_path(cr);
    Fill(cr, {1.0, 0.8, 0.85});
    cairo_move_to(cr, 80, 110);
    cairo_line_to(cr, 320, 110);
    Stroke(cr, kWood, 12);
    Ellipse(cr, 150, 120, 40, 22);
    Fill(cr, {1, 1, 1});
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 120 + i * 55.0, 130);
        cairo_line_to(cr, 120 + i * 55.0, 205);
    }
    Stroke(cr, Darker({1.0, 0.8, 0.85}, 0.2), 4);
}

void DeckChair(cairo_t* cr)
{
    cairo_move_to(cr, 110, 270);
    cairo_line_to(cr, 260, 40);
    cairo_move_to(cr, 120, 120);
    cairo_line_to(cr, 320, 270);
    Stroke(cr, kWood, 14);
    // Striped cloth hanging from the back to the front.
    cairo_move_to(cr, 250, 55);
    cairo_line_to(cr, 180, 170);
    cairo_line_to(cr, 290, 215);
    cairo_curve_to(cr, 250, 170, 280, 110, 300, 90);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.2, 0.55, 0.95);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 150 + i * 24.0, 40);
        cairo_line_to(cr, 110 + i * 24.0, 240);
        cairo_line_to(cr, 122 + i * 24.0, 240);
        cairo_line_to(cr, 162 + i * 24.0, 40);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    Stroke(cr, {0.1, 0.35, 0.7}, 4);
}

void WhiteMushrooms(cairo_t* cr)
{
    const double spots[][3] = {{140, 150, 1.0}, {265, 175, 0.8}};
    for (const auto& m : spots) {
        const double x = m[0];
        const double y = m[1];
        const double s = m[2];
        RoundedRect(cr, x - 25 * s, y, 50 * s, 100 * s, 18 * s);
        Fill(cr, {0.98, 0.96, 0.9});
        cairo_move_to(cr, x - 85 * s, y + 10 * s);
        cairo_curve_to(cr, x - 85 * s, y - 90 * s, x + 85 * s, y - 90 * s, x + 85 * s, y + 10 * s);
        cairo_close_path(cr);
        Fill(cr, {0.93, 0.88, 0.8});
        Shine(cr, x - 30 * s, y - 40 * s, 20 * s, 10 * s);
    }
}

void PowerPole(cairo_t* cr)
{
    RoundedRect(cr, 185, 30, 30, 260, 6);
    Fill(cr, kWood);
    RoundedRect(cr, 100, 60, 200, 18, 6);
    Fill(cr, Darker(kWood, 0.1));
    for (double x : {115.0, 165.0, 235.0, 285.0}) {
        cairo_arc(cr, x, 54, 8, 0, 2 * kPi);
        Fill(cr, {0.95, 0.95, 0.95});
    }
    for (double x : {115.0, 165.0, 235.0, 285.0}) {
        cairo_move_to(cr, 0, 40 + (x - 115) * 0.05);
        cairo_curve_to(cr, x * 0.5, 70, x * 0.8, 60, x, 48);
        cairo_curve_to(cr, x + 60, 70, 350, 70, 400, 50 + (x - 115) * 0.05);
    }
    Stroke(cr, kDark, 2);
}

void RopeCoil(cairo_t* cr)
{
    const Rgb rope{0.85, 0.68, 0.4};
    for (int i = 5; i >= 0; --i) {
        Ellipse(cr, 200, 150 + i * 4.0, 40.0 + i * 24, 22.0 + i * 14);
        Stroke(cr, Darker(rope, 0.3), 20);
        Ellipse(cr, 200, 150 + i * 4.0, 40.0 + i * 24, 22.0 + i * 14);
        Stroke(cr, rope, 14);
    }
    cairo_move_to(cr, 330, 170);
    cairo_curve_to(cr, 360, 200, 340, 250, 380, 270);
    Stroke(cr, Darker(rope, 0.3), 20);
    cairo_move_to(cr, 330, 170);
    cairo_curve_to(cr, 360, 200, 340, 250, 380, 270);
    Stroke(cr, rope, 14);
}

void Sail(cairo_t* cr)
{
    cairo_move_to(cr, 160, 20);
    cairo_line_to(cr, 160, 280);
    Stroke(cr, kWood, 12);
    cairo_move_to(cr, 120, 255);
    cairo_line_to(cr, 320, 255);
    Stroke(cr, kWood, 10);
    cairo_move_to(cr, 170, 30);
    cairo_curve_to(cr, 260, 90, 310, 170, 315, 240);
    cairo_line_to(cr, 170, 240);
    cairo_close_path(cr);
    Fill(cr, {1, 1, 1});
    cairo_move_to(cr, 170, 140);
    cairo_line_to(cr, 290, 140);
    cairo_line_to(cr, 300, 175);
    cairo_line_to(cr, 170, 175);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.95, 0.3, 0.3);
    cairo_fill(cr);
}

void Sink(cairo_t* cr)
{
    cairo_move_to(cr, 160, 120);
    cairo_line_to(cr, 160, 60);
    cairo_curve_to(cr, 160, 30, 230, 30, 230, 60);
    cairo_line_to(cr, 230, 80);
    Stroke(cr, kMetal, 16);
    RoundedRect(cr, 140, 110, 40, 20, 6);
    Fill(cr, kMetal);
    RoundedRect(cr, 40, 130, 320, 40, 10);
    Fill(cr, {0.95, 0.96, 0.98});
    cairo_move_to(cr, 80, 170);
    cairo_curve_to(cr, 90, 270, 310, 270, 320, 170);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.96, 0.98});
    cairo_move_to(cr, 230, 90);
    cairo_line_to(cr, 230, 150);
    cairo_set_source_rgba(cr, 0.3, 0.6, 1.0, 0.8);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

void Zipper(cairo_t* cr)
{
    const Rgb cloth{0.25, 0.55, 0.85};
    cairo_rectangle(cr, 60, 20, 280, 260);
    Fill(cr, cloth);
    // Closed below the slider: the teeth of the two sides interlock.
    for (int i = 0; i < 11; ++i)
        cairo_rectangle(cr, (i % 2) ? 198 : 180, 160 + i * 11.0, 22, 8);
    cairo_set_source_rgb(cr, 0.95, 0.8, 0.3);
    cairo_fill(cr);
    cairo_move_to(cr, 195, 40);
    cairo_line_to(cr, 160, 150);
    cairo_line_to(cr, 240, 150);
    cairo_line_to(cr, 205, 40);
    cairo_close_path(cr);
    Fill(cr, {1, 1, 1});
    for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, 186 - i * 6.0, 52 + i * 16.0, 12, 8);
        cairo_rectangle(cr, 202 + i * 6.0, 52 + i * 16.0, 12, 8);
    }
    cairo_set_source_rgb(cr, 0.95, 0.8, 0.3);
    cairo_fill(cr);
    RoundedRect(cr, 180, 130, 40, 36, 8);
    Fill(cr, kMetal);
    RoundedRect(cr, 190, 160, 20, 50, 8);
    Fill(cr, kMetal);
}

void Braces(cairo_t* cr)
{
    const Rgb strap{0.9, 0.25, 0.3};
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 200 + side * 110, 270);
        cairo_line_to(cr, 200 + side * 60, 40);
        Stroke(cr, Darker(strap, 0.3), 30);
        cairo_move_to(cr, 200 + side * 110, 270);
        cairo_line_to(cr, 200 + side * 60, 40);
        Stroke(cr, strap, 24);
        RoundedRect(cr, 200 + side * 110 - 22, 245, 44, 30, 6);
        Fill(cr, kMetal);
    }
    cairo_move_to(cr, 140, 40);
    cairo_line_to(cr, 260, 40);
    Stroke(cr, strap, 24);
}

void Tracksuit(cairo_t* cr)
{
    const Rgb blue{0.2, 0.4, 0.85};
    cairo_move_to(cr, 150, 30);
    cairo_line_to(cr, 250, 30);
    cairo_line_to(cr, 350, 90);
    cairo_line_to(cr, 370, 230);
    cairo_line_to(cr, 320, 240);
    cairo_line_to(cr, 300, 130);
    cairo_line_to(cr, 295, 280);
    cairo_line_to(cr, 105, 280);
    cairo_line_to(cr, 100, 130);
    cairo_line_to(cr, 80, 240);
    cairo_line_to(cr, 30, 230);
    cairo_line_to(cr, 50, 90);
    cairo_close_path(cr);
    Fill(cr, blue);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 200 + side * 158, 95);
        cairo_line_to(cr, 200 + side * 150, 232);
        Stroke(cr, {1, 1, 1}, 8);
    }
    cairo_move_to(cr, 200, 40);
    cairo_line_to(cr, 200, 280);
    Stroke(cr, kMetal, 5);
    cairo_move_to(cr, 150, 30);
    cairo_curve_to(cr, 170, 60, 230, 60, 250, 30);
    Stroke(cr, {1, 1, 1}, 8);
}

void Pocket(cairo_t* cr)
{
    const Rgb denim{0.3, 0.45, 0.72};
    cairo_rectangle(cr, 40, 20, 320, 260);
    Fill(cr, denim);
    cairo_move_to(cr, 110, 70);
    cairo_line_to(cr, 290, 70);
    cairo_line_to(cr, 290, 200);
    cairo_line_to(cr, 200, 250);
    cairo_line_to(cr, 110, 200);
    cairo_close_path(cr);
    Fill(cr, Lighter(denim, 0.12));
    cairo_move_to(cr, 122, 82);
    cairo_line_to(cr, 278, 82);
    cairo_line_to(cr, 278, 192);
    cairo_line_to(cr, 200, 236);
    cairo_line_to(cr, 122, 192);
    cairo_close_path(cr);
    const double dash[] = {8, 6};
    cairo_set_dash(cr, dash, 2, 0);
    Stroke(cr, {1.0, 0.75, 0.3}, 3);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Seeds(cairo_t* cr)
{
    const double seeds[][3] = {{120, 110, 0.4},  {200, 90, -0.3}, {280, 120, 0.9}, {150, 190, -0.8},
                               {230, 180, 0.2},  {310, 210, -0.4}, {90, 220, 1.2}, {190, 250, 0.6}};
    for (const auto& s : seeds) {
        cairo_save(cr);
        cairo_translate(cr, s[0], s[1]);
        cairo_rotate(cr, s[2]);
        cairo_move_to(cr, 0, -34);
        cairo_curve_to(cr, 28, -20, 22, 30, 0, 34);
        cairo_curve_to(cr, -22, 30, -28, -20, 0, -34);
        cairo_close_path(cr);
        cairo_restore(cr);
        Fill(cr, {0.3, 0.3, 0.32});
        cairo_save(cr);
        cairo_translate(cr, s[0], s[1]);
        cairo_rotate(cr, s[2]);
        cairo_move_to(cr, 0, -26);
        cairo_line_to(cr, 0, 26);
        cairo_restore(cr);
        Stroke(cr, {0.85, 0.85, 0.8}, 4);
    }
}

void SwimCap(cairo_t* cr)
{
    cairo_move_to(cr, 70, 220);
    cairo_curve_to(cr, 60, 40, 340, 40, 330, 220);
    cairo_curve_to(cr, 250, 240, 150, 240, 70, 220);
    cairo_close_path(cr);
    Fill(cr, {0.95, 0.4, 0.6});
    for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, 130 + i * 35.0, 120 + (i % 2) * 40.0, 16, 0, 2 * kPi);
        Fill(cr, {1, 0.85, 0.9});
    }
    Shine(cr, 140, 85, 30, 10);
}

void Carts(cairo_t* cr)
{
    for (int i = 0; i < 2; ++i) {
        const double x = 25 + i * 190.0;
        const double y = 100 + i * 40.0;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 160, y);
        cairo_line_to(cr, x + 145, y + 70);
        cairo_line_to(cr, x + 15, y + 70);
        cairo_close_path(cr);
        Fill(cr, kWood);
        cairo_move_to(cr, x + 10, y + 25);
        cairo_line_to(cr, x + 150, y + 25);
        Stroke(cr, Darker(kWood, 0.25), 3);
        for (double wx : {x + 40, x + 120}) {
            cairo_arc(cr, wx, y + 80, 26, 0, 2 * kPi);
            Fill(cr, Darker(kWood, 0.2));
            cairo_arc(cr, wx, y + 80, 8, 0, 2 * kPi);
            Fill(cr, kDark);
        }
    }
}

void SleepingBag(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.25);
    RoundedRect(cr, -170, -60, 340, 120, 55);
    Fill(cr, {0.95, 0.55, 0.2});
    RoundedRect(cr, 60, -52, 100, 104, 48);
    Fill(cr, {0.85, 0.42, 0.15});
    Ellipse(cr, 110, 0, 32, 36);
    Fill(cr, {1, 0.87, 0.72});
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, -130 + i * 45.0, -56);
        cairo_line_to(cr, -130 + i * 45.0, 56);
    }
    Stroke(cr, {0.8, 0.4, 0.12}, 3);
    cairo_restore(cr);
}

void Siphon(cairo_t* cr)
{
    RoundedRect(cr, 130, 100, 140, 180, 30);
    Fill(cr, {0.6, 0.85, 0.95});
    RoundedRect(cr, 155, 40, 90, 70, 10);
    Fill(cr, kMetal);
    cairo_move_to(cr, 155, 60);
    cairo_line_to(cr, 90, 80);
    Stroke(cr, kMetal, 14);
    cairo_move_to(cr, 245, 50);
    cairo_line_to(cr, 300, 30);
    Stroke(cr, kDark, 10);
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, 170 + (i % 3) * 30.0, 160 + i * 15.0, 6, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    }
}

void Spear(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 200, 150);
    cairo_rotate(cr, -0.55);
    RoundedRect(cr, -190, -7, 300, 14, 7);
    Fill(cr, kWood);
    cairo_move_to(cr, 100, -22);
    cairo_line_to(cr, 190, 0);
    cairo_line_to(cr, 100, 22);
    cairo_close_path(cr);
    Fill(cr, kMetal);
    cairo_restore(cr);
}

void Branches(cairo_t* cr)
{
    const Rgb bark{0.5, 0.33, 0.18};
    cairo_move_to(cr, 40, 260);
    cairo_curve_to(cr, 140, 200, 240, 150, 370, 60);
    Stroke(cr, bark, 16);
    cairo_move_to(cr, 150, 195);
    cairo_curve_to(cr, 170, 140, 160, 100, 190, 50);
    cairo_move_to(cr, 250, 140);
    cairo_curve_to(cr, 290, 150, 330, 170, 370, 200);
    Stroke(cr, bark, 10);
    Leaf(cr, 190, 50, -1.2, 50);
    Leaf(cr, 175, 110, 3.5, 45);
    Leaf(cr, 370, 200, 0.6, 45);
    Leaf(cr, 310, 160, 1.8, 45);
    Leaf(cr, 370, 60, -0.5, 50);
}

void Eyelashes(cairo_t* cr)
{
    cairo_move_to(cr, 60, 160);
    cairo_curve_to(cr, 140, 60, 260, 60, 340, 160);
    cairo_curve_to(cr, 260, 230, 140, 230, 60, 160);
    cairo_close_path(cr);
    Fill(cr, {1, 1, 1});
    cairo_arc(cr, 200, 155, 50, 0, 2 * kPi);
    Fill(cr, {0.3, 0.6, 0.35});
    cairo_arc(cr, 200, 155, 22, 0, 2 * kPi);
    Fill(cr, {0.1, 0.1, 0.1});
    Shine(cr, 185, 140, 8, 6);
    for (int i = 0; i < 7; ++i) {
        const double t = (i + 1) / 8.0;
        const double x = 60 + 280 * t;
        const double y = 160 - 100 * std::sin(kPi * t) * 0.75;
        const double a = -kPi / 2 + (t - 0.5) * 1.6;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 45 * std::cos(a), y + 45 * std::sin(a));
    }
    Stroke(cr, {0.12, 0.1, 0.1}, 6);
}

void Railing(cairo_t* cr)
{
    for (int i = 0; i < 7; ++i) {
        RoundedRect(cr, 50 + i * 48.0, 100, 16, 170, 6);
        Fill(cr, {0.95, 0.95, 0.95});
    }
    RoundedRect(cr, 30, 75, 340, 34, 14);
    Fill(cr, kWood);
    RoundedRect(cr, 30, 262, 340, 20, 6);
    Fill(cr, Darker(kWood, 0.1));
}

}  // namespace drawing
