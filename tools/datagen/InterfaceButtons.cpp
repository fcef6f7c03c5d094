// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture library: image buttons in their three states with a mask,
// check buttons, captions and the small widgets of the recording panel.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiCanvas.h"

namespace {

enum class ButtonState { Normal, Hover, Pressed };

struct ButtonLook {
    UiColour colour;
    bool round; // a circle instead of a rounded rectangle
};

ButtonLook LookOf(const std::string& base)
{
    if (IsChildrenButton(base))
        return {ChildrenButtonColour(base), base == "dz_lewo" || base == "dz_prawo"};
    if (base == "stop" || base == "rrec")
        return {Hex(0xF0483E), base == "rrec"};
    if (base == "pomoc")
        return {Hex(0xFFB020), true};
    if (base == "start" || base == "rodtworz")
        return {Hex(0x3CC068), base == "rodtworz"};
    if (base == "wyjdz")
        return {Hex(0x8E6CEF), false};
    if (base == "oprogramie")
        return {Hex(0x2BB5C8), false};
    if (base == "rstop")
        return {Hex(0x3B7BE8), true};
    if (base == "dalej" || base == "wstecz")
        return {Hex(0x3C9BEF), true};
    if (base == "tak")
        return {Hex(0x2DA858), true};
    if (base == "usun")
        return {Hex(0x9A8F84), true};
    return {Hex(0xFF9A3C), true};
}

void Glyph(cairo_t* cr, const std::string& base, double cx, double cy, double s)
{
    SetColour(cr, Hex(0xFFFFFF));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    UiTextStyle text;
    text.fill = Hex(0xFFFFFF);
    if (IsChildrenButton(base)) {
        DrawChildrenButtonGlyph(cr, base, cx, cy);
    } else if (base == "stop") {
        // The word stays well inside the white rim: the rim's flats lie
        // about 0.36 of the button from the centre.
        text.size = s * 0.29;
        text.outline = Hex(0x9E1F18, 0.6);
        text.outlineWidth = 1;
        text.size = FittingSize(cr, "STOP", text, s * 0.52);
        CentredText(cr, "STOP", cx, cy, text);
    } else if (base == "pomoc") {
        text.size = s * 0.8;
        text.outline = Hex(0xB06A00, 0.7);
        text.outlineWidth = 1.2;
        CentredText(cr, "?", cx, cy + s * 0.02, text);
    } else if (base == "oprogramie") {
        text.size = s * 0.75;
        text.face = UiFace::Rounded;
        CentredText(cr, "i", cx, cy, text);
    } else if (base == "start" || base == "rodtworz") {
        cairo_move_to(cr, cx - s * 0.22, cy - s * 0.3);
        cairo_line_to(cr, cx + s * 0.32, cy);
        cairo_line_to(cr, cx - s * 0.22, cy + s * 0.3);
        cairo_close_path(cr);
        cairo_set_line_width(cr, s * 0.08);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    } else if (base == "wyjdz") {
        // A door with an arrow pointing out of it.
        cairo_set_line_width(cr, s * 0.08);
        cairo_rectangle(cr, cx - s * 0.42, cy - s * 0.34, s * 0.36, s * 0.68);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - s * 0.14, cy);
        cairo_line_to(cr, cx + s * 0.36, cy);
        cairo_set_line_width(cr, s * 0.12);
        cairo_stroke(cr);
        cairo_move_to(cr, cx + s * 0.16, cy - s * 0.2);
        cairo_line_to(cr, cx + s * 0.4, cy);
        cairo_line_to(cr, cx + s * 0.16, cy + s * 0.2);
        cairo_stroke(cr);
    } else if (base == "rrec") {
        cairo_arc(cr, cx, cy, s * 0.24, 0, 2 * M_PI);
        cairo_fill(cr);
    } else if (base == "rstop") {
        RoundedRectPath(cr, cx - s * 0.22, cy - s * 0.22, s * 0.44, s * 0.44, s * 0.06);
        cairo_fill(cr);
    } else if (base == "dalej" || base == "wstecz") {
        // A fat arrow pointing to the next or the previous board.
        const double d = base == "dalej" ? 1 : -1;
        cairo_move_to(cr, cx - d * s * 0.28, cy - s * 0.09);
        cairo_line_to(cr, cx + d * s * 0.02, cy - s * 0.09);
        cairo_line_to(cr, cx + d * s * 0.02, cy - s * 0.24);
        cairo_line_to(cr, cx + d * s * 0.3, cy);
        cairo_line_to(cr, cx + d * s * 0.02, cy + s * 0.24);
        cairo_line_to(cr, cx + d * s * 0.02, cy + s * 0.09);
        cairo_line_to(cr, cx - d * s * 0.28, cy + s * 0.09);
        cairo_close_path(cr);
        cairo_set_line_width(cr, s * 0.05);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    } else if (base == "tak") {
        // A tick: keep this take.
        cairo_move_to(cr, cx - s * 0.2, cy + s * 0.01);
        cairo_line_to(cr, cx - s * 0.05, cy + s * 0.17);
        cairo_line_to(cr, cx + s * 0.22, cy - s * 0.16);
        cairo_set_line_width(cr, s * 0.1);
        cairo_stroke(cr);
    } else if (base == "usun") {
        // A cross: take the recording away.
        cairo_move_to(cr, cx - s * 0.16, cy - s * 0.16);
        cairo_line_to(cr, cx + s * 0.16, cy + s * 0.16);
        cairo_move_to(cr, cx + s * 0.16, cy - s * 0.16);
        cairo_line_to(cr, cx - s * 0.16, cy + s * 0.16);
        cairo_set_line_width(cr, s * 0.09);
        cairo_stroke(cr);
    } else if (base == "up" || base == "down") {
        const double d = base == "up" ? -1 : 1;
        cairo_move_to(cr, cx - s * 0.26, cy - d * s * 0.12);
        cairo_line_to(cr, cx, cy + d * s * 0.16);
        cairo_line_to(cr, cx + s * 0.26, cy - d * s * 0.12);
        cairo_set_line_width(cr, s * 0.12);
        cairo_stroke(cr);
    }
}

// One state of an image button, drawn with alpha. The outline of the button
// is the same in every state, so that one mask serves all three.
void DrawButton(UiCanvas& c, const std::string& base, ButtonState state)
{
    cairo_t* cr = c.Cr();
    const ButtonLook look = LookOf(base);
    const double w = c.Width();
    const double h = c.Height();
    const double line = std::max(1.5, std::min(w, h) * 0.045);
    UiColour face = look.colour;
    if (state == ButtonState::Hover)
        face = Lighter(face, 0.22);
    if (state == ButtonState::Pressed)
        face = Darker(face, 0.15);
    const UiColour rim = Darker(look.colour, 0.45);
    const double press = state == ButtonState::Pressed ? std::max(1.0, h * 0.04) : 0;
    if (base == "stop") {
        // An octagon, the shape every child knows as "stop".
        const double r = std::min(w, h) / 2 - line;
        cairo_new_path(cr);
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 8 + i * M_PI / 4;
            cairo_line_to(cr, w / 2 + r * std::cos(a), h / 2 + r * std::sin(a));
        }
        cairo_close_path(cr);
        VerticalGradient(cr, 0, h, Lighter(face, 0.15), Darker(face, 0.12));
        cairo_fill_preserve(cr);
        SetColour(cr, rim);
        cairo_set_line_width(cr, line);
        cairo_stroke(cr);
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 8 + i * M_PI / 4;
            cairo_line_to(cr, w / 2 + (r - line * 1.6) * std::cos(a), h / 2 + (r - line * 1.6) * std::sin(a));
        }
        cairo_close_path(cr);
        SetColour(cr, Hex(0xFFFFFF, 0.9));
        cairo_set_line_width(cr, line * 0.9);
        cairo_stroke(cr);
    } else if (look.round) {
        const double r = std::min(w, h) / 2 - line / 2 - 0.5;
        cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
        cairo_pattern_t* p = cairo_pattern_create_radial(w / 2 - r / 3, h / 2 - r / 2, r / 6, w / 2, h / 2, r);
        const UiColour hi = Lighter(face, 0.35);
        cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
        cairo_pattern_add_color_stop_rgb(p, 1, face.r, face.g, face.b);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetColour(cr, rim);
        cairo_set_line_width(cr, line);
        cairo_stroke(cr);
    } else {
        GlossyBox(cr, line / 2 + 0.5, line / 2 + 0.5, w - line - 1, h - line - 1, h * 0.3, Lighter(face, 0.18),
                  Darker(face, 0.1), rim, line);
    }
    if (state == ButtonState::Hover) {
        // A thin bright ring inside the rim says "you can press me".
        cairo_save(cr);
        SetColour(cr, Hex(0xFFF6A8, 0.9));
        cairo_set_line_width(cr, line * 0.8);
        if (look.round)
            cairo_arc(cr, w / 2, h / 2, std::min(w, h) / 2 - line * 1.9, 0, 2 * M_PI);
        else if (base != "stop")
            RoundedRectPath(cr, line * 1.7, line * 1.7, w - line * 3.4, h - line * 3.4, h * 0.24);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    Glyph(cr, base, w / 2, h / 2 + press, std::min(w, h));
}

} // namespace

// The library pictures of an image button: each state opaque where the mask
// is white and white elsewhere, the mask white where the button is opaque.
void WriteButton(InterfaceWriter& out, const std::string& base)
{
    const UiSize size = ButtonSize(base);
    Bitmap mask;
    const std::pair<ButtonState, const char*> states[] = {
        {ButtonState::Normal, "_D"}, {ButtonState::Hover, "_A"}, {ButtonState::Pressed, "_"}};
    for (const auto& [state, suffix] : states) {
        UiCanvas c(size.width, size.height);
        DrawButton(c, base, state);
        Bitmap picture;
        LibraryPicture(c, picture, state == ButtonState::Normal ? &mask : nullptr);
        out.Library(base + suffix, picture);
    }
    out.Library(base + "_M", mask);
}

namespace {

// A check button chip on the panel colour: unchecked white with a coloured
// rim, checked filled with a tick.
Bitmap CheckChip(UiSize size, const std::string& label, UiColour colour, bool checked)
{
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double w = size.width;
    const double h = size.height;
    const double line = h * 0.07;
    const double r = h * 0.42;
    SoftShadow(cr, 3, 4, w - 6, h - 7, r, 2, 0.12);
    if (checked) {
        GlossyBox(cr, 2, 2, w - 4, h - 6, r, Lighter(colour, 0.15), Darker(colour, 0.08), Darker(colour, 0.4), line);
    } else {
        RoundedRectPath(cr, 2, 2, w - 4, h - 6, r);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        SetColour(cr, Lighter(colour, 0.25));
        cairo_set_line_width(cr, line);
        cairo_stroke(cr);
    }
    // Box for the tick on the left.
    const double bx = h * 0.22;
    const double bs = h * 0.46;
    const double by = (h - 4) / 2 - bs / 2 + 2;
    RoundedRectPath(cr, bx, by, bs, bs, bs * 0.25);
    SetColour(cr, checked ? Hex(0xFFFFFF) : Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, checked ? Darker(colour, 0.35) : Lighter(colour, 0.1));
    cairo_set_line_width(cr, line * 0.8);
    cairo_stroke(cr);
    if (checked) {
        cairo_move_to(cr, bx + bs * 0.18, by + bs * 0.52);
        cairo_line_to(cr, bx + bs * 0.42, by + bs * 0.78);
        cairo_line_to(cr, bx + bs * 0.86, by + bs * 0.2);
        SetColour(cr, Hex(0x1E9E4A));
        cairo_set_line_width(cr, bs * 0.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    UiTextStyle style;
    style.size = h * 0.46;
    style.fill = checked ? Hex(0xFFFFFF) : Darker(colour, 0.35);
    if (checked) {
        style.outline = Darker(colour, 0.45);
        style.outlineWidth = h * 0.03;
    }
    const double textLeft = bx + bs + h * 0.1;
    const double room = w - textLeft - h * 0.2;
    style.size = FittingSize(cr, label, style, room);
    CentredText(cr, label, textLeft + room / 2, (h - 4) / 2 + 2, style);
    return c.Over(kPanelColour);
}

Bitmap Caption(UiSize size, const std::string& text)
{
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    UiTextStyle style;
    style.size = size.height * 0.66;
    style.fill = Hex(0xD9552B);
    style.size = FittingSize(cr, text, style, size.width * 0.8);
    const double tw = TextWidth(cr, text, style);
    CentredText(cr, text, size.width / 2.0, size.height * 0.45, style);
    // Two small stars either side of the words.
    for (int side : {-1, 1}) {
        StarPath(cr, size.width / 2.0 + side * (tw / 2 + size.height * 0.45), size.height * 0.45, size.height * 0.22,
                 size.height * 0.1, 5);
        SetColour(cr, Hex(0xFFB020));
        cairo_fill(cr);
    }
    cairo_move_to(cr, size.width / 2.0 - tw / 2, size.height * 0.88);
    cairo_curve_to(cr, size.width / 2.0 - tw / 4, size.height * 0.78, size.width / 2.0 + tw / 4, size.height * 0.98,
                   size.width / 2.0 + tw / 2, size.height * 0.86);
    SetColour(cr, Hex(0xFFB020, 0.8));
    cairo_set_line_width(cr, size.height * 0.06);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    return c.Over(kPanelColour);
}

Bitmap RoundSelector(UiSize size, bool checked)
{
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double r = size.width / 2.0 - 1.5;
    cairo_arc(cr, size.width / 2.0, size.height / 2.0, r, 0, 2 * M_PI);
    SetColour(cr, checked ? Hex(0x3CC068) : Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, checked ? Hex(0x1E7E40) : Hex(0xB8A68A));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (checked) {
        const double s = size.width;
        cairo_move_to(cr, s * 0.28, s * 0.52);
        cairo_line_to(cr, s * 0.44, s * 0.68);
        cairo_line_to(cr, s * 0.72, s * 0.32);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, s * 0.13);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    return c.Over(kPanelColour);
}

void WriteScrollThumb(InterfaceWriter& out)
{
    const UiSize size = ButtonSize("scroll");
    UiCanvas c(size.width, size.height);
    // A handle with a grip rather than a pill: it slides in the track the
    // recording tab's panel draws for it.
    GlossyBox(c.Cr(), 1, 1, size.width - 2, size.height - 2, 3.5, Hex(0xFFC065), Hex(0xF08A24), Hex(0xA8561A), 1.2);
    for (const double y : {size.height * 0.38, size.height * 0.62}) {
        cairo_move_to(c.Cr(), size.width * 0.3, y);
        cairo_line_to(c.Cr(), size.width * 0.7, y);
    }
    SetColour(c.Cr(), Hex(0xA8561A, 0.8));
    cairo_set_line_width(c.Cr(), 1.2);
    cairo_stroke(c.Cr());
    Bitmap thumb(size.width, size.height);
    Bitmap mask(size.width, size.height);
    const Bitmap colour = c.Over(clBlack);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const int a = c.AlphaAt(x, y);
            if (a < 128) {
                thumb.SetPixel(x, y, clWhite);
                continue;
            }
            const TColor p = colour.GetPixel(x, y);
            auto un = [a](unsigned v) { return std::min(255u, (v * 255 + a / 2) / a); };
            thumb.SetPixel(x, y, RGB(un(GetRValue(p)), un(GetGValue(p)), un(GetBValue(p))));
            mask.SetPixel(x, y, clWhite);
        }
    out.Library("scroll_D", thumb);
    out.Library("scroll_M", mask);
}

} // namespace

void LibraryPicture(const UiCanvas& c, Bitmap& picture, Bitmap* mask)
{
    // The mask is the drawing's cover in grey, so that the program lays the
    // button's soft edge over any background; the picture keeps the pure
    // colour of every covered pixel, and white where nothing is.
    const Bitmap onBlack = c.Over(clBlack);
    picture = Bitmap(c.Width(), c.Height());
    if (mask != nullptr)
        *mask = Bitmap(c.Width(), c.Height());
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const int a = c.AlphaAt(x, y);
            if (a == 0) {
                picture.SetPixel(x, y, clWhite);
                continue;
            }
            const TColor p = onBlack.GetPixel(x, y);
            auto un = [a](unsigned v) { return std::min(255u, (v * 255 + a / 2) / a); };
            picture.SetPixel(x, y, RGB(un(GetRValue(p)), un(GetGValue(p)), un(GetBValue(p))));
            if (mask != nullptr)
                mask->SetPixel(x, y, RGB(a, a, a));
        }
}

Bitmap MenuCaption(UiSize size, const std::string& text) { return Caption(size, text); }

// A white pointing hand with a dark outline, drawn without smoothing: the
// cursor loader treats the corner's magenta as see-through, and soft edges
// would leave a pink fringe.
Bitmap HandCursor()
{
    const UiSize size = kHandCursorSize;
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr);
    // Index finger pointing up, its tip the hot spot.
    cairo_move_to(cr, 9, 4);
    cairo_arc(cr, 11.5, 4, 2.5, M_PI, 0);
    cairo_line_to(cr, 14, 13);
    // The folded fingers as three bumps along the top of the hand.
    cairo_arc(cr, 16, 13.5, 2, M_PI, 0);
    cairo_arc(cr, 20, 14.5, 2, M_PI, 0);
    cairo_arc(cr, 24, 16, 2, M_PI, 0);
    cairo_line_to(cr, 26, 24);
    cairo_curve_to(cr, 26, 28, 23, 30, 19, 30);
    cairo_line_to(cr, 13, 30);
    cairo_curve_to(cr, 10, 30, 8, 28, 6, 25);
    // The thumb on the left.
    cairo_line_to(cr, 3, 19);
    cairo_curve_to(cr, 2, 17, 4, 15.5, 6, 17);
    cairo_line_to(cr, 9, 20);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x3A2A1A));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Creases between the folded fingers.
    for (const double x : {18.0, 22.0}) {
        cairo_move_to(cr, x, 15);
        cairo_line_to(cr, x, 19);
    }
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return c.Over(RGB(255, 0, 255));
}

void GenerateLibrary(InterfaceWriter& out)
{
    for (const char* base : {"stop", "pomoc", "start", "wyjdz", "oprogramie", "rrec", "rodtworz", "rstop", "up", "down", "dalej", "wstecz", "tak", "usun"})
        WriteButton(out, base);

    struct Check {
        const char* name;
        const char* label;
        unsigned colour;
        bool sound;
    };
    static const Check checks[] = {
        {"malo", "mało", 0xFF9A3C, false},     {"srednio", "średnio", 0xFF9A3C, false},
        {"duzo", "dużo", 0xFF9A3C, false},     {"naglos", "nagłos", 0xF0609E, false},
        {"srodglos", "śródgłos", 0xF0609E, false}, {"wyglos", "wygłos", 0xF0609E, false},
        {"SZ", "SZ", 0x3B8BEB, true},          {"ZZ", "Ż", 0x3B8BEB, true},
        {"CZ", "CZ", 0x3B8BEB, true},          {"DZZ", "DŻ", 0x3B8BEB, true},
        {"S", "S", 0x2DB360, true},            {"Z", "Z", 0x2DB360, true},
        {"C", "C", 0x2DB360, true},            {"DZ", "DZ", 0x2DB360, true},
        {"SS", "Ś", 0x9A63E8, true},           {"ZZZ", "Ź", 0x9A63E8, true},
        {"CC", "Ć", 0x9A63E8, true},           {"DZZZ", "DŹ", 0x9A63E8, true},
        {"slowa", "słowa", 0x4D8DF5, false},   {"zwroty", "zwroty", 0x4D8DF5, false},
    };
    for (bool large : {false, true}) {
        const std::string prefix = large ? "b_" : "s_";
        for (const Check& c : checks) {
            const UiSize size = CheckButtonSize(large, c.sound);
            out.Library(prefix + c.name + "_D", CheckChip(size, c.label, Hex(c.colour), false));
            out.Library(prefix + c.name + "_A", CheckChip(size, c.label, Hex(c.colour), true));
        }
        const std::string s = large ? "_b" : "_s";
        out.Library("nap_ilzadan" + s, Caption(CaptionSize(large), "Ilość zadań"));
        out.Library("nap_gloski" + s, Caption(CaptionSize(large), "Głoski"));
        out.Library("nap_pozycja" + s, Caption(CaptionSize(large), "Pozycja głoski"));
    }
    out.Library("S_CHBUT_D", RoundSelector(ButtonSize("S_CHBUT"), false));
    out.Library("S_CHBUT_A", RoundSelector(ButtonSize("S_CHBUT"), true));
    WriteScrollThumb(out);
    out.Library("REKA1", HandCursor());
}
