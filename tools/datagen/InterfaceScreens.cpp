// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screens outside the games: the splash, the menu's logo and waiting
// picture, the end-of-game summary in its three moods and the message box.
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

// The summary window's orange edge.
const UiColour kSummaryBorder = Hex(0xF4A259);

void Badge(cairo_t* cr, const std::string& text, double cx, double cy, double size)
{
    UiTextStyle style;
    style.face = UiFace::Rounded;
    style.size = size;
    style.fill = Hex(0xFFFFFF);
    const double w = TextWidth(cr, text, style) + size * 0.9;
    const double h = size * 1.35;
    SoftShadow(cr, cx - w / 2 + 2, cy - h / 2 + 3, w, h, h / 2, 3, 0.2);
    GlossyBox(cr, cx - w / 2, cy - h / 2, w, h, h / 2, Hex(0xFF7A6B), Hex(0xE8453C), Hex(0xA8241A), size * 0.08);
    CentredText(cr, text, cx, cy, style);
}

void Splash(InterfaceWriter& out)
{
    UiCanvas c(600, 348);
    cairo_t* cr = c.Cr();
    DrawMeadow(cr, 600, 348, 250, 0.7);
    DrawTitle(cr, 330, 120, 76);
    Badge(cr, "Cz. VI", 470, 190, 26);
    UiTextStyle sub;
    sub.size = 17;
    sub.fill = Hex(0x2F5D8A);
    sub.outline = Hex(0xFFFFFF);
    sub.outlineWidth = 2.5;
    const std::string line = "Gry logopedyczne: głoski syczące, szumiące i ciszące";
    sub.size = FittingSize(cr, line, sub, 440);
    CentredText(cr, line, 360, 234, sub);
    UiPose pose;
    pose.rightArm = 2.6;
    pose.smile = 0.9;
    DrawFigure(cr, 14, 150, 110, 190, pose);
    UiTextStyle wait;
    wait.size = 15;
    wait.fill = Hex(0xFFFFFF);
    wait.outline = Hex(0x3F8F2A);
    wait.outlineWidth = 2;
    CentredText(cr, "Wczytywanie...", 330, 318, wait);
    RoundedRectPath(cr, 0.5, 0.5, 599, 347, 0);
    SetColour(cr, Hex(0x2F6FD6));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    out.Picture("Data\\Intf\\QW6_Splash.xji", c.Over(clBlack));
}

void Logo(InterfaceWriter& out)
{
    UiCanvas c(kLogoSize.width, kLogoSize.height);
    cairo_t* cr = c.Cr();
    const double w = kLogoSize.width;
    // A sunny disc behind the figure, the name on a ribbon, the volume badge.
    cairo_arc(cr, w / 2, 128, 92, 0, 2 * M_PI);
    cairo_pattern_t* sun = cairo_pattern_create_radial(w / 2, 128, 10, w / 2, 128, 92);
    cairo_pattern_add_color_stop_rgba(sun, 0, 1, 0.95, 0.6, 1);
    cairo_pattern_add_color_stop_rgba(sun, 0.8, 1, 0.85, 0.35, 0.9);
    cairo_pattern_add_color_stop_rgba(sun, 1, 1, 0.85, 0.35, 0);
    cairo_set_source(cr, sun);
    cairo_fill(cr);
    UiPose pose;
    pose.rightArm = 2.5;
    pose.leftArm = 0.5;
    pose.smile = 0.85;
    DrawFigure(cr, 30, 40, 140, 220, pose);
    cairo_save(cr);
    cairo_translate(cr, w / 2, 300);
    cairo_rotate(cr, -0.08);
    RoundedRectPath(cr, -96, -30, 192, 58, 18);
    SetColour(cr, Hex(0xFFFFFF, 0.92));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    DrawTitle(cr, 0, -2, 36);
    cairo_restore(cr);
    Badge(cr, "Cz. VI", w / 2, 360, 24);
    out.Pair("Data\\Intf\\Spec\\RU_mnqw6", ".xji", c);
}

void Waiting(InterfaceWriter& out)
{
    UiCanvas c(320, 120);
    cairo_t* cr = c.Cr();
    SoftShadow(cr, 8, 10, 304, 100, 36, 6, 0.25);
    GlossyBox(cr, 6, 6, 304, 100, 36, Hex(0xFFFFFF), Hex(0xFFF1C9), Hex(0xF4A259), 4);
    UiPose pose;
    pose.smile = 0.7;
    DrawFigureHead(cr, 18, 14, 86, 86, pose, false);
    UiTextStyle text;
    text.size = 24;
    text.fill = Hex(0xD9552B);
    CentredText(cr, "Chwileczkę...", 206, 46, text);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 176 + i * 30, 82, 7, 0, 2 * M_PI);
        SetColour(cr, Hex(i == 0 ? 0xFF6B6B : i == 1 ? 0xFFC530 : 0x45C06A));
        cairo_fill(cr);
    }
    out.Pair("Data\\Intf\\Spec\\mKom_pc_", ".xji", c);
}

// The summary's picture: a heading, a light sheet for the result rows the
// program writes at x 88..422, y 170..330, and the mood on the right.
void Summary(InterfaceWriter& out, int rating)
{
    UiCanvas c(600, 450);
    cairo_t* cr = c.Cr();
    const unsigned sky[3][2] = {{0xCFE0F5, 0xE9F1FB}, {0xFFE7B0, 0xFFF6DD}, {0xBFF0B0, 0xF1FFE6}};
    const int mood = rating == 1 ? 0 : rating == 2 ? 1 : 2;
    // The window is cut to a rounded shape from (5, 5) with corners 50
    // across. The border is all that lies outside the sky, so the cut runs
    // through it wherever it falls: no sky shows outside the border.
    cairo_rectangle(cr, 0, 0, 600, 450);
    SetColour(cr, kSummaryBorder);
    cairo_fill(cr);
    RoundedRectPath(cr, 12, 12, 581, 431, 20);
    VerticalGradient(cr, 0, 450, Hex(sky[mood][0]), Hex(sky[mood][1]));
    cairo_fill(cr);
    const char* headings[3] = {"Spróbuj jeszcze raz!", "Dobrze!", "Brawo!"};
    UiTextStyle head;
    head.face = UiFace::Rounded;
    head.size = 46;
    head.fill = Hex(mood == 0 ? 0x3B7BE8 : mood == 1 ? 0xFF8A1F : 0x2DB360);
    head.outline = Hex(0xFFFFFF);
    head.outlineWidth = 4;
    head.size = FittingSize(cr, headings[mood], head, 420);
    CentredText(cr, headings[mood], 300, 70, head);
    UiTextStyle small;
    small.size = 17;
    small.fill = Hex(0x6A5A4A);
    CentredText(cr, "Wynik gry", 255, 130, small);
    // The sheet under the result rows.
    SoftShadow(cr, 72, 162, 372, 172, 18, 4, 0.12);
    RoundedRectPath(cr, 70, 158, 372, 172, 18);
    SetColour(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
    for (int row = 0; row < 3; ++row) {
        cairo_move_to(cr, 86, 201 + row * 32);
        cairo_line_to(cr, 426, 201 + row * 32);
        SetColour(cr, Hex(0xE6DCCB));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // Stars earned: one, two or three.
    const int stars = mood + 1;
    for (int i = 0; i < 3; ++i) {
        const double cx = 522 + (i - 1) * 38;
        const double cy = 320 + (i == 1 ? -12 : 0);
        StarPath(cr, cx, cy, 19, 8, 5);
        SetColour(cr, i < stars ? Hex(0xFFC926) : Hex(0xFFFFFF, 0.8));
        cairo_fill_preserve(cr);
        SetColour(cr, i < stars ? Hex(0xD9881A) : Hex(0xB8B0A0));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    UiPose pose;
    if (mood == 0) {
        pose.smile = 0.1;
        pose.headTilt = -0.15;
        pose.leftArm = 0.2;
        pose.rightArm = 0.2;
        pose.look = -0.5;
    } else if (mood == 1) {
        pose.smile = 0.6;
        pose.rightArm = 2.0;
    } else {
        pose.smile = 1.0;
        pose.leftArm = 2.7;
        pose.rightArm = 2.7;
        pose.bounce = 6;
    }
    DrawFigure(cr, 452, 110, 140, 190, pose);
    out.Picture(std::string("Data\\Intf\\Spec\\mStats") + (mood == 0 ? "B" : mood == 1 ? "M" : "G") + ".xji",
                c.Over(clBlack));
}

void MessageBox(InterfaceWriter& out)
{
    UiCanvas c(420, 250);
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 0, 420, 250);
    VerticalGradient(cr, 0, 250, Hex(0xFFF7E6), Hex(0xFFE9BF));
    cairo_fill(cr);
    RoundedRectPath(cr, 4, 4, 412, 242, 12);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // A header band with the figure's head and a speech bubble mark.
    RoundedRectPath(cr, 12, 10, 396, 40, 14);
    VerticalGradient(cr, 10, 50, Hex(0x7FC8FF), Hex(0x4D9BEA));
    cairo_fill(cr);
    UiTextStyle head;
    head.size = 20;
    head.fill = Hex(0xFFFFFF);
    head.outline = Hex(0x2F6FD6);
    head.outlineWidth = 1.5;
    CentredText(cr, "Uwaga!", 210, 30, head);
    UiPose pose;
    pose.smile = 0.5;
    pose.look = 0.6;
    DrawFigureHead(cr, 20, 8, 42, 42, pose, false);
    // A light sheet for the message text.
    RoundedRectPath(cr, 14, 58, 392, 88, 12);
    SetColour(cr, Hex(0xFFFFFF, 0.85));
    cairo_fill(cr);
    out.Picture("Data\\Intf\\Spec\\mKom_kp.xji", c.Over(clBlack));
}

} // namespace

void GenerateScreens(InterfaceWriter& out)
{
    Splash(out);
    Logo(out);
    Waiting(out);
    for (int rating : {1, 2, 4})
        Summary(out, rating);
    MessageBox(out);
}
