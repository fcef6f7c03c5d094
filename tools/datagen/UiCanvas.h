// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A Cairo drawing surface with alpha for the interface pictures of the data
// generator, with the shapes and lettering the pictures share and the ways
// of turning a drawing into the program's 24-bit pictures.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <string>

#include "platform/Bitmap.h"

// A colour of the drawings, components 0..1.
struct UiColour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;
};

// 0xRRGGBB as written in colour pickers.
UiColour Hex(unsigned rgb, double alpha = 1.0);
UiColour Mix(UiColour a, UiColour b, double t);
UiColour Lighter(UiColour c, double amount);
UiColour Darker(UiColour c, double amount);
void SetColour(cairo_t* cr, UiColour c);

enum class UiFace { Bold, Regular, Rounded };

class UiCanvas {
public:
    UiCanvas(int width, int height);
    ~UiCanvas();
    UiCanvas(const UiCanvas&) = delete;
    UiCanvas& operator=(const UiCanvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The drawing flattened over one colour.
    Bitmap Over(TColor background) const;
    // The drawing flattened over a picture of at least its size, whose
    // top-left part lies under it.
    Bitmap Over(const Bitmap& background, int x = 0, int y = 0) const;
    // Opacity of a pixel, 0..255.
    int AlphaAt(int x, int y) const;
    // A 24-bit picture painted into the drawing at (x, y).
    void Paint(const Bitmap& picture, double x, double y);
    void WritePng(const std::filesystem::path& file) const;
    cairo_surface_t* Surface() const { return surface_; }

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Path helpers.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);

// A rounded rectangle with a vertical gradient, an outline and a soft
// glossy highlight on its upper half.
void GlossyBox(cairo_t* cr, double x, double y, double w, double h, double r, UiColour top, UiColour bottom,
               UiColour outline, double outlineWidth);
void VerticalGradient(cairo_t* cr, double y0, double y1, UiColour top, UiColour bottom);
// A soft shadow under a rounded rectangle.
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double spread, double alpha);

// Lettering (UTF-8) centred on (cx, cy) measured on the ink, optionally
// with an outline drawn under the fill.
struct UiTextStyle {
    UiFace face = UiFace::Bold;
    double size = 20;
    UiColour fill = Hex(0x333333);
    UiColour outline = Hex(0xFFFFFF, 0);
    double outlineWidth = 0;
    bool italic = false;
};
void CentredText(cairo_t* cr, const std::string& utf8, double cx, double cy, const UiTextStyle& style);
// Left-aligned text on a baseline.
void TextAt(cairo_t* cr, const std::string& utf8, double x, double baseline, const UiTextStyle& style);
double TextWidth(cairo_t* cr, const std::string& utf8, const UiTextStyle& style);
// The largest size, at most style.size, at which the text fits maxWidth.
double FittingSize(cairo_t* cr, const std::string& utf8, UiTextStyle style, double maxWidth);

// The TrueType files the pictures and fonts are made from.
const char* FontFile(UiFace face);
