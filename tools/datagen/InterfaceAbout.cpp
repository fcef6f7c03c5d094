// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about screen's pictures: a bright meadow with a calm dark panel in the
// middle for the white lines the program writes, and the product's logo
// that sits at the top of the panel.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiFigure.h"

namespace {

// Deep enough for white 11-pixel text and light-blue links to read well.
constexpr TColor kAboutPanel = RGB(0x24, 0x46, 0x6E);
const UiColour kAboutPanelColour = Hex(0x24466E);

// The panel in the background picture: from above the logo to below the
// "stop" button, wide enough for the information block at any mode.
struct PanelBox {
    double x, y, w, h;
};

PanelBox AboutPanel(const UiMode& m)
{
    const UiTrainPoint logo = AboutLogoPlace(m);
    const UiTrainPoint stop = AboutStopPlace(m);
    const UiSize button = ButtonSize("stop");
    // The program's lines grow with the mode: the panel keeps a margin
    // beside the longest of them.
    const double half = 290 + (m.pictureWidth - 800) * 0.25;
    const double top = logo.y - 22;
    const double bottom = stop.y + button.height + 22;
    return {m.pictureWidth / 2.0 - half, top, 2 * half, bottom - top};
}

void Background(InterfaceWriter& out, const UiMode& m)
{
    UiCanvas c(m.backdropWidth, m.backdropHeight);
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    const double s = m.backdropWidth / 1024.0;
    cairo_scale(cr, s, s);
    DrawMeadow(cr, 1024, m.backdropHeight / s, 0.7 * m.backdropHeight / s, 1.0);
    cairo_restore(cr);
    const PanelBox p = AboutPanel(m);
    const double r = 26 * m.scale / 0.625 * 0.8;
    SoftShadow(cr, p.x + 4, p.y + 7, p.w, p.h, r, 8, 0.28);
    RoundedRectPath(cr, p.x, p.y, p.w, p.h, r);
    SetColour(cr, kAboutPanelColour);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xFFE7B0));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // A thin inner line keeps the edge soft against the bright meadow.
    RoundedRectPath(cr, p.x + 7, p.y + 7, p.w - 14, p.h - 14, std::max(4.0, r - 7));
    SetColour(cr, Hex(0xFFFFFF, 0.18));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    out.Picture(std::string("Data\\Intf\\Spec\\") + m.backdrop + "oprogT.xji", c.Over(clBlack));
}

void Pill(cairo_t* cr, const std::string& text, double cx, double cy, double size)
{
    UiTextStyle style;
    style.face = UiFace::Rounded;
    style.size = size;
    style.fill = Hex(0xFFFFFF);
    const double w = TextWidth(cr, text, style) + size * 0.9;
    const double h = size * 1.35;
    GlossyBox(cr, cx - w / 2, cy - h / 2, w, h, h / 2, Hex(0xFF7A6B), Hex(0xE8453C), Hex(0xA8241A), size * 0.08);
    CentredText(cr, text, cx, cy, style);
}

// The logo is opaque and lies on the panel, so it is drawn over the panel's colour.
void Logo(InterfaceWriter& out, const UiMode& m)
{
    const UiSize size = AboutLogoSize(m);
    constexpr double kDesignW = 254;
    constexpr double kDesignH = 117;
    UiCanvas c(size.width, size.height);
    cairo_t* cr = c.Cr();
    const double s = std::min(size.width / kDesignW, size.height / kDesignH);
    cairo_translate(cr, (size.width - kDesignW * s) / 2, (size.height - kDesignH * s) / 2);
    cairo_scale(cr, s, s);
    GlossyBox(cr, 4, 4, kDesignW - 8, kDesignH - 8, 28, Hex(0xFFFFFF), Hex(0xFFF1C9), Hex(0xF4A259), 4);
    UiPose pose;
    pose.smile = 0.85;
    pose.look = 0.4;
    DrawFigureHead(cr, 12, 24, 56, 56, pose, false);
    DrawTitle(cr, 160, 44, 30);
    Pill(cr, "Cz. VI", 160, 84, 16);
    out.Picture(std::string("Data\\Intf\\Spec\\") + m.prefix + "oprog_log.xji", c.Over(kAboutPanel));
}

} // namespace

void GenerateAbout(InterfaceWriter& out, const UiMode& m)
{
    Background(out, m);
    Logo(out, m);
}
