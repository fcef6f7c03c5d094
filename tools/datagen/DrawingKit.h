// Small helpers shared by the word drawings: colours, outlined fills, shapes.
#pragma once

#include <cairo.h>

#include <numbers>

namespace drawing {

constexpr double kPi = std::numbers::pi;

struct Rgb {
    double r, g, b;
};

// The colour mixed towards white (amount 0 keeps it, 1 gives white).
Rgb Lighter(Rgb c, double amount);
Rgb Darker(Rgb c, double amount);

// Fills the current path with c and outlines it in a darker shade of c.
void Fill(cairo_t* cr, Rgb c);
// Strokes the current path with a colour and width, round caps and joins.
void Stroke(cairo_t* cr, Rgb c, double width);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A soft white highlight, as light falling on a round surface.
void Shine(cairo_t* cr, double cx, double cy, double rx, double ry);

// A green leaf from (x, y) pointing along angle, size long.
void Leaf(cairo_t* cr, double x, double y, double angle, double size);

}  // namespace drawing
