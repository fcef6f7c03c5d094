// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the children's profiles: the name plate of the main menu
// in each display mode, the children's window, and its buttons with words.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

struct WordButton {
    const char* base;
    const char* label;
    unsigned colour;
};

// The colours say what a button does: green goes ahead, red removes, grey
// leaves, the others open a part of the window.
constexpr WordButton kWordButtons[] = {
    {"dz_wybierz", "Wybierz", 0x3CC068}, {"dz_dodaj", "Dodaj", 0x3B8BEB},   {"dz_zmien", "Zmień imię", 0xFF9A3C},
    {"dz_usun", "Usuń", 0xF0483E},       {"dz_notatka", "Notatka", 0x9A63E8}, {"dz_zamknij", "Zamknij", 0x8E8E9E},
    {"dz_zapisz", "Zapisz", 0x3CC068},   {"dz_anuluj", "Anuluj", 0x8E8E9E},  {"dz_tak", "Tak, usuń", 0xF0483E},
};
constexpr const char* kArrowButtons[] = {"dz_lewo", "dz_prawo"};

const WordButton* WordButtonOf(const std::string& base)
{
    for (const WordButton& b : kWordButtons)
        if (base == b.base)
            return &b;
    return nullptr;
}

// The plate is drawn for the 1280 mode and made smaller for the others, as
// the menu's logo is.
constexpr UiSize kPlateDesign{190, 96};

void Plate(InterfaceWriter& out, const UiMode& m)
{
    const UiSize size = ChildPlateSize(m);
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double s = static_cast<double>(size.width) / kPlateDesign.width;
    cairo_scale(cr, s, s);
    SoftShadow(cr, 6, 8, 180, 84, 18, 4, 0.22);
    RoundedRectPath(cr, 4, 4, 182, 86, 18);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // The child's face beside the name the program writes at the top right.
    UiPose pose;
    pose.smile = 0.8;
    DrawFigureHead(cr, 9, 9, 46, 46, pose, false);
    // A band along the bottom that says the plate can be pressed.
    RoundedRectPath(cr, 12, 60, 166, 24, 12);
    VerticalGradient(cr, 60, 84, Hex(0x7FC8FF), Hex(0x4D9BEA));
    cairo_fill(cr);
    UiTextStyle hint;
    hint.size = 13;
    hint.fill = Hex(0xFFFFFF);
    hint.size = FittingSize(cr, "Zmień dziecko ⇄", hint, 150);
    CentredText(cr, "Zmień dziecko ⇄", 95, 72, hint);
    out.Pair(std::string("Data\\Intf\\Spec\\") + m.prefix + "mDziecko", ".xji", c);
}

// The children's window: a header band for its title, a white sheet on the
// left for the list (or the name field, the question, the note), the
// buttons' column on the right and a line for messages at the foot.
void Window(InterfaceWriter& out)
{
    const UiSize size = kChildrenWindowSize;
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double w = size.width;
    const double h = size.height;
    cairo_rectangle(cr, 0, 0, w, h);
    VerticalGradient(cr, 0, h, Hex(0xFFF7E6), Hex(0xFFE9BF));
    cairo_fill(cr);
    RoundedRectPath(cr, 4, 4, w - 8, h - 8, 12);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    RoundedRectPath(cr, 12, 10, w - 24, 42, 14);
    VerticalGradient(cr, 10, 52, Hex(0x7FC8FF), Hex(0x4D9BEA));
    cairo_fill(cr);
    UiPose pose;
    pose.smile = 0.8;
    pose.look = 0.4;
    DrawFigureHead(cr, 20, 9, 44, 44, pose, false);
    DrawFigureHead(cr, w - 64, 9, 44, 44, UiPose{}, false);
    SoftShadow(cr, 18, 66, 320, 296, 14, 3, 0.12);
    RoundedRectPath(cr, 16, 62, 320, 296, 14);
    SetColour(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
    // The message line.
    RoundedRectPath(cr, 16, h - 48, w - 32, 34, 12);
    SetColour(cr, Hex(0xFFFFFF, 0.6));
    cairo_fill(cr);
    out.Picture("Data\\Intf\\Spec\\mDzieci.xji", c.Over(clBlack));
}

}  // namespace

UiSize ChildPlateSize(const UiMode& m)
{
    return {FromMode16(m, kPlateDesign.width), FromMode16(m, kPlateDesign.height)};
}

bool IsChildrenButton(const std::string& base)
{
    if (WordButtonOf(base))
        return true;
    for (const char* arrow : kArrowButtons)
        if (base == arrow)
            return true;
    return false;
}

UiSize ChildrenButtonSize(const std::string& base)
{
    return WordButtonOf(base) ? UiSize{168, 42} : UiSize{40, 40};
}

UiColour ChildrenButtonColour(const std::string& base)
{
    const WordButton* b = WordButtonOf(base);
    return Hex(b ? b->colour : 0x3C9BEF);
}

void DrawChildrenButtonGlyph(cairo_t* cr, const std::string& base, double cx, double cy)
{
    if (const WordButton* b = WordButtonOf(base)) {
        UiTextStyle text;
        text.size = 19;
        text.fill = Hex(0xFFFFFF);
        text.outline = Darker(Hex(b->colour), 0.45);
        text.outlineWidth = 1.2;
        text.size = FittingSize(cr, b->label, text, ChildrenButtonSize(base).width - 30);
        CentredText(cr, b->label, cx, cy, text);
        return;
    }
    // A plain triangle pointing to the day before or after.
    const double d = base == "dz_prawo" ? 1 : -1;
    cairo_move_to(cr, cx - d * 6, cy - 9);
    cairo_line_to(cr, cx + d * 8, cy);
    cairo_line_to(cr, cx - d * 6, cy + 9);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
}

void GenerateChildren(InterfaceWriter& out)
{
    for (const WordButton& b : kWordButtons)
        WriteButton(out, b.base);
    for (const char* arrow : kArrowButtons)
        WriteButton(out, arrow);
    Window(out);
    for (const UiMode& m : UiModes())
        Plate(out, m);
}

void AddChildrenFiles(std::vector<InterfaceFile>& files)
{
    for (const UiMode& m : UiModes()) {
        const std::string base = std::string("Data\\Intf\\Spec\\") + m.prefix + "mDziecko";
        for (const char* side : {"B", "W"})
            files.push_back({base + side + ".xji", ChildPlateSize(m).width, ChildPlateSize(m).height, false});
    }
    files.push_back({"Data\\Intf\\Spec\\mDzieci.xji", kChildrenWindowSize.width, kChildrenWindowSize.height, false});
    auto library = [&files](const std::string& base) {
        const UiSize s = ChildrenButtonSize(base);
        for (const char* suffix : {"_A", "_D", "_", "_M"})
            files.push_back({base + suffix, s.width, s.height, true});
    };
    for (const WordButton& b : kWordButtons)
        library(b.base);
    for (const char* arrow : kArrowButtons)
        library(arrow);
}
