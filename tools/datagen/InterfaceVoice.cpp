// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice screen's pictures: the meadow and bunting of the main menu with
// one wide cream panel, its title, a white box for the list and one for the
// chosen word's card; and the strip of small row icons.
#include <cmath>
#include <string>

#include "graphics/CDisplay.h"
#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "voice/VoiceScreenLayout.h"

namespace {

// The display the mode's background is made for (the 1280 one on the
// 1280 x 1024 screen of its "R8_" size).
CDisplay DisplayFor(const UiMode& m)
{
    return CDisplay(m.backdropWidth, m.backdropHeight);
}

void WhiteBox(cairo_t* cr, const TRect& r, double radius, UiColour rim)
{
    RoundedRectPath(cr, r.left, r.top, r.Width(), r.Height(), radius);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, rim);
    cairo_set_line_width(cr, std::max(1.5, radius * 0.18));
    cairo_stroke(cr);
}

void Background(InterfaceWriter& out, const UiMode& m)
{
    const VoiceScreenLayout l = MakeVoiceScreenLayout(DisplayFor(m));
    UiCanvas c(m.backdropWidth, m.backdropHeight);
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    const double s = m.backdropWidth / 1024.0;
    cairo_scale(cr, s, s);
    DrawMeadow(cr, 1024, m.backdropHeight / s, 560, 1.0);
    DrawBunting(cr, 1024, 1.0);
    cairo_restore(cr);

    const double k = m.pictureWidth / 800.0;
    const TRect& p = l.panel;
    SoftShadow(cr, p.left + 4, p.top + 6, p.Width(), p.Height(), 24 * k, 6, 0.2);
    RoundedRectPath(cr, p.left, p.top, p.Width(), p.Height(), 24 * k);
    SetColour(cr, kPanel);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 4 * k);
    cairo_stroke(cr);

    // The list and the card stand out in white; the rows and the word are
    // drawn on it by the program.
    WhiteBox(cr, RectXYWH(l.list.left - 4, l.list.top - 4, l.scrollTrack.right - l.list.left + 8, l.list.Height() + 8),
             10 * k, Hex(0xF4C28A));
    WhiteBox(cr, l.card, 12 * k, Hex(0xF4C28A));

    UiTextStyle title;
    title.size = l.title.Height() * 0.72;
    title.fill = Hex(0xD9552B);
    const std::string text = "Głos terapeuty";
    title.size = FittingSize(cr, text, title, l.title.Width() * 0.9);
    const double width = TextWidth(cr, text, title);
    const double cx = l.captionCentreX;
    const double cy = l.title.top + l.title.Height() / 2.0;
    CentredText(cr, text, cx, cy, title);
    // A microphone either side, in the menu's tab style.
    for (int side : {-1, 1}) {
        const double ix = cx + side * (width / 2 + l.title.Height() * 0.7);
        cairo_arc(cr, ix, cy, l.title.Height() * 0.45, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFDE3EE));
        cairo_fill(cr);
        DrawIcon(cr, UiIcon::Microphone, ix, cy, l.title.Height() * 0.7);
    }
    out.Picture(std::string("Data\\Intf\\Spec\\") + m.backdrop + "glosT.xji", c.Over(clBlack));
}

void Circle(cairo_t* cr, double cx, double cy, double r, UiColour colour)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r / 3, cy - r / 2, r / 6, cx, cy, r);
    const UiColour hi = Lighter(colour, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, colour.r, colour.g, colour.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColour(cr, Darker(colour, 0.4));
    cairo_set_line_width(cr, std::max(1.0, r * 0.1));
    cairo_stroke(cr);
}

void DrawRowIcon(cairo_t* cr, VoiceIcon icon, double cx, double cy, double size)
{
    const double r = size / 2 - 1;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (icon) {
    case VoiceIcon::Play:
        Circle(cr, cx, cy, r, Hex(0x3CC068));
        cairo_move_to(cr, cx - r * 0.32, cy - r * 0.45);
        cairo_line_to(cr, cx + r * 0.5, cy);
        cairo_line_to(cr, cx - r * 0.32, cy + r * 0.45);
        cairo_close_path(cr);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        break;
    case VoiceIcon::Record:
        Circle(cr, cx, cy, r, Hex(0xF0483E));
        cairo_arc(cr, cx, cy, r * 0.38, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        break;
    case VoiceIcon::Accept:
        Circle(cr, cx, cy, r, Hex(0x2DA858));
        cairo_move_to(cr, cx - r * 0.45, cy + r * 0.02);
        cairo_line_to(cr, cx - r * 0.1, cy + r * 0.38);
        cairo_line_to(cr, cx + r * 0.5, cy - r * 0.36);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, r * 0.24);
        cairo_stroke(cr);
        break;
    case VoiceIcon::Delete:
        Circle(cr, cx, cy, r, Hex(0x9A8F84));
        cairo_move_to(cr, cx - r * 0.36, cy - r * 0.36);
        cairo_line_to(cr, cx + r * 0.36, cy + r * 0.36);
        cairo_move_to(cr, cx + r * 0.36, cy - r * 0.36);
        cairo_line_to(cr, cx - r * 0.36, cy + r * 0.36);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, r * 0.22);
        cairo_stroke(cr);
        break;
    case VoiceIcon::Human:
        // The therapist's own voice: a microphone on a warm pink badge.
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFDE3EE));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xF0609E));
        cairo_set_line_width(cr, std::max(1.0, r * 0.12));
        cairo_stroke(cr);
        DrawIcon(cr, UiIcon::Microphone, cx, cy, size * 0.78);
        break;
    case VoiceIcon::Generated: {
        // The synthetic voice: a small grey robot's head.
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        SetColour(cr, Hex(0xEEEAE4));
        cairo_fill(cr);
        const double h = r * 0.9;
        RoundedRectPath(cr, cx - h * 0.7, cy - h * 0.45, h * 1.4, h * 1.05, h * 0.25);
        SetColour(cr, Hex(0xA8A29A));
        cairo_fill(cr);
        for (int side : {-1, 1}) {
            cairo_arc(cr, cx + side * h * 0.33, cy + h * 0.02, h * 0.15, 0, 2 * M_PI);
            SetColour(cr, Hex(0xFFFFFF));
            cairo_fill(cr);
        }
        cairo_move_to(cr, cx, cy - h * 0.45);
        cairo_line_to(cr, cx, cy - h * 0.78);
        SetColour(cr, Hex(0xA8A29A));
        cairo_set_line_width(cr, std::max(1.0, h * 0.12));
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy - h * 0.82, h * 0.12, 0, 2 * M_PI);
        cairo_fill(cr);
        break;
    }
    case VoiceIcon::Count:
        break;
    }
}

void Icons(InterfaceWriter& out, const UiMode& m)
{
    const int size = MakeVoiceScreenLayout(DisplayFor(m)).icon;
    const int count = static_cast<int>(VoiceIcon::Count);
    UiCanvas c(size * count, size);
    for (int i = 0; i < count; ++i)
        DrawRowIcon(c.Cr(), static_cast<VoiceIcon>(i), i * size + size / 2.0, size / 2.0, size);
    out.Pair(std::string("Data\\Intf\\Spec\\") + m.prefix + "glos_ikony", ".xbi", c);
}

} // namespace

void GenerateVoice(InterfaceWriter& out, const UiMode& m)
{
    Background(out, m);
    Icons(out, m);
}

UiSize VoiceIconStripSize(const UiMode& m)
{
    const int size = MakeVoiceScreenLayout(DisplayFor(m)).icon;
    return {size * static_cast<int>(VoiceIcon::Count), size};
}
