// Small helpers shared by the word drawings: colours, outlined fills, shapes.
#include "tools/datagen/DrawingKit.h"

namespace drawing {

Rgb Lighter(Rgb c, double amount)
{
    return {c.r + (1 - c.r) * amount, c.g + (1 - c.g) * amount, c.b + (1 - c.b) * amount};
}

Rgb Darker(Rgb c, double amount)
{
    return {c.r * (1 - amount), c.g * (1 - amount), c.b * (1 - amount)};
}

void Fill(cairo_t* cr, Rgb c)
{
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, c.r * 0.6, c.g * 0.6, c.b * 0.6);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Stroke(cairo_t* cr, Rgb c, double width)
{
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void Shine(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    Ellipse(cr, cx, cy, rx, ry);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_fill(cr);
}

void Leaf(cairo_t* cr, double x, double y, double angle, double size)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, size * 0.3, -size * 0.35, size * 0.75, -size * 0.3, size, 0);
    cairo_curve_to(cr, size * 0.75, size * 0.3, size * 0.3, size * 0.35, 0, 0);
    cairo_close_path(cr);
    cairo_restore(cr);
    Fill(cr, {0.3, 0.72, 0.3});
}

}  // namespace drawing
