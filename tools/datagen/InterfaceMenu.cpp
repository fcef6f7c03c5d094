// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: its scene, the six tab pictures and the loudspeaker pair.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/MainMenuLayout.h"
#include "recording/CNagData.h"
#include "tools/datagen/CairoSurface.h"

#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"

namespace {

struct Tab {
    int top, bottom; // hit band inside the strip, 1024 design
    UiIcon icon;
    const char* label;
    unsigned colour;
};

constexpr Tab kTabs[6] = {
    {28, 125, UiIcon::Train, "Pociąg", 0xFF6B6B},      {140, 213, UiIcon::Cup, "Przyssawki", 0x2EB8C4},
    {225, 303, UiIcon::Cards, "Memory", 0xA77BF0},     {312, 383, UiIcon::Forklift, "Widlak", 0xFF9A3C},
    {394, 465, UiIcon::Conveyor, "Taśmociąg", 0x4D8DF5}, {476, 545, UiIcon::Microphone, "Nagrania", 0xF0609E},
};

// Panel of the choices, 1024 design.
constexpr double kPanelLeft = 175;
constexpr double kPanelTop = 122;
constexpr double kPanelRight = 736;
constexpr double kPanelBottom = 640;
constexpr double kStripX = 674;
constexpr double kStripY = 99;

void TabShape(cairo_t* cr, const Tab& t, bool selected)
{
    (void)selected;
    const double x = kStripX + 50;
    const double w = kStripX + 226 - x;
    RoundedRectPath(cr, x, kStripY + t.top + 1, w, t.bottom - t.top - 2, 18);
}

void DrawTab(cairo_t* cr, const Tab& t, bool selected)
{
    const UiColour colour = Hex(t.colour);
    TabShape(cr, t, selected);
    if (selected) {
        SetColour(cr, kPanel);
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xF4A259));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        // Join the open tab to the panel: cover the panel's border there.
        cairo_rectangle(cr, kPanelRight - 16, kStripY + t.top + 3.5, 24, t.bottom - t.top - 7);
        SetColour(cr, kPanel);
        cairo_fill(cr);
    } else {
        SoftShadow(cr, kStripX + 52, kStripY + t.top + 4, 166, t.bottom - t.top - 4, 18, 3, 0.15);
        TabShape(cr, t, false);
        VerticalGradient(cr, kStripY + t.top, kStripY + t.bottom, Lighter(colour, 0.2), Darker(colour, 0.08));
        cairo_fill_preserve(cr);
        SetColour(cr, Darker(colour, 0.35));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    const double cy = kStripY + (t.top + t.bottom) / 2.0;
    const double iconSize = std::min(46.0, (t.bottom - t.top) * 0.7);
    const double iconX = kStripX + 66 + iconSize / 2;
    cairo_arc(cr, iconX, cy, iconSize * 0.55, 0, 2 * M_PI);
    SetColour(cr, selected ? Lighter(colour, 0.75) : Hex(0xFFFFFF, 0.85));
    cairo_fill(cr);
    DrawIcon(cr, t.icon, iconX, cy, iconSize * 0.85);
    UiTextStyle text;
    text.fill = selected ? Darker(colour, 0.3) : Hex(0xFFFFFF);
    if (!selected) {
        text.outline = Darker(colour, 0.4);
        text.outlineWidth = 1.3;
    }
    const double textX = iconX + iconSize * 0.6 + 2;
    const double room = kStripX + 216 - textX;
    // Every tab's caption in the one size that lets the longest fit.
    text.size = 17;
    for (const Tab& other : kTabs)
        text.size = std::min(text.size, FittingSize(cr, other.label, text, room));
    CentredText(cr, t.label, textX + room / 2, cy, text);
}

// The whole menu scene with tab `open` (1..6) in front, drawn in the 1024
// design and scaled to the mode.
void DrawMenuScene(UiCanvas& c, const UiMode& m, int open)
{
    cairo_t* cr = c.Cr();
    const double s = m.pictureWidth / 1024.0;
    cairo_save(cr);
    cairo_scale(cr, s, s);
    const double h = c.Height() / s;
    DrawMeadow(cr, 1024, h, 560, 1.0);
    DrawBunting(cr, 1024, 1.0);
    for (int k = 0; k < 6; ++k)
        if (k + 1 != open)
            DrawTab(cr, kTabs[k], false);
    SoftShadow(cr, kPanelLeft + 4, kPanelTop + 6, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop, 30, 6, 0.2);
    RoundedRectPath(cr, kPanelLeft, kPanelTop, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop, 30);
    SetColour(cr, kPanel);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xF4A259));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    DrawTab(cr, kTabs[open - 1], true);
    cairo_restore(cr);
    // A soft plate under the three buttons at the bottom, which keep their
    // pixel distances from the middle in every mode.
    const double top = m.pictureHeight - m.pictureHeight / 7 - 10;
    RoundedRectPath(cr, m.pictureWidth / 2.0 - 170, top, 300, 80, 24);
    SetColour(cr, Hex(0xFFFFFF, 0.55));
    cairo_fill(cr);
}

Bitmap Crop(const Bitmap& from, int x, int y, int w, int h)
{
    Bitmap out(w, h);
    out.CopyRect({0, 0, w, h}, from, {x, y, x + w, y + h});
    return out;
}

// The recording tab's own panel: the scene with its tab open, a heading, a
// band behind each of the eight rows of slots, a track for the scroll thumb
// between the arrows, and a plate with a place for each of the recording
// buttons, so that the place of "stop" is no gap while it is hidden. Cut to
// the panel's inside, which the menu lays it over.
void WriteRecordingPanel(InterfaceWriter& out, const UiMode& m)
{
    const CDisplay& d = MenuDisplay(m);
    const SMainMenuLayout l = MainMenuLayout(d);
    UiCanvas c(m.backdropWidth, m.backdropHeight);
    DrawMenuScene(c, m, 6);
    cairo_t* cr = c.Cr();
    const double s = m.pictureWidth / 1024.0;
    // In 800 x 600 the rows reach the panel's left border and the buttons
    // its bottom: what is drawn here stays inside it.
    const UiRect p = MenuPanel(m);
    cairo_rectangle(cr, p.left, p.top, p.right - p.left, p.bottom - p.top);
    cairo_clip(cr);

    // The heading above the column headings, which stand 20 rows (in the
    // 1024 design) above the first slot.
    const TRect first = CNagData::RowPlace(d, 0);
    const UiSize captionSize = CaptionSize(m.mode != 2);
    const Bitmap caption = MenuCaption(captionSize, "Nagrania");
    CairoSurface captionSurface = SurfaceFromBitmap(caption);
    const double captionTop = first.top - 26 * s - captionSize.height;
    cairo_set_source_surface(cr, captionSurface.get(), l.captionCentreX - captionSize.width / 2.0, captionTop);
    cairo_paint(cr);

    for (int k = 0; k < CNagData::kRowCount; ++k) {
        const TRect r = CNagData::RowPlace(d, k);
        // The band ends before the selection button, whose picture is on
        // the panel's colour.
        // Its right end is only slightly rounded: the date's white field
        // reaches to 3 pixels from it, and a round end would leave the
        // field's square corners standing out of the band.
        const double x = r.left - 6, y = r.top - 3;
        const double w = r.Width() + 9, h = r.Height() + 6;
        const double end = 6;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w - end, y + end, end, -M_PI / 2, 0);
        cairo_arc(cr, x + w - end, y + h - end, end, 0, M_PI / 2);
        cairo_arc(cr, x + h / 2, y + h / 2, h / 2, M_PI / 2, 1.5 * M_PI);
        cairo_close_path(cr);
        SetColour(cr, k % 2 == 0 ? Hex(0xFFE7C7) : Hex(0xFFEFDA));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0xF2C08A));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }

    // The thumb runs from 30 below the top of "up" to 5 above "down".
    const UiSize thumb = ButtonSize("scroll");
    const double trackX = first.right + CNagData::kArrowsGap + 4 + thumb.width / 2.0;
    const double trackTop = l.up.y + 30 - 3, trackBottom = l.down.y - 5 + thumb.height + 3;
    RoundedRectPath(cr, trackX - thumb.width / 2.0 - 3, trackTop, thumb.width + 6, trackBottom - trackTop,
                    thumb.width / 2.0 + 3);
    VerticalGradient(cr, trackTop, trackBottom, Hex(0xEBD2B0), Hex(0xF6E4CC));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xD9AE7C));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    // The plate keeps off the last row's band and the panel's lower edge:
    // in 800 x 600 the room between them leaves it a thinner rim.
    const UiSize button = ButtonSize("rrec");
    const TRect last = CNagData::RowPlace(d, CNagData::kRowCount - 1);
    const double rim = std::min({8.0, l.play.y - (last.bottom + 3.0) - 1, p.bottom - (l.play.y + button.height) - 1.0});
    const double plateLeft = l.play.x - 12, plateRight = l.record.x + button.width + 12;
    const double plateTop = l.play.y - rim, plateHeight = button.height + 2 * rim;
    RoundedRectPath(cr, plateLeft, plateTop, plateRight - plateLeft, plateHeight, plateHeight / 2);
    SetColour(cr, Hex(0xF6DDBB, 0.8));
    cairo_fill(cr);
    // Where "stop" appears while a recording runs: a faded stop sign.
    const double cx = l.stop.x + button.width / 2.0, cy = l.stop.y + button.height / 2.0;
    cairo_arc(cr, cx, cy, button.height * 0.36, 0, 2 * M_PI);
    SetColour(cr, Hex(0xFFFFFF, 0.7));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xD9AE7C));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedRectPath(cr, cx - button.height * 0.13, cy - button.height * 0.13, button.height * 0.26,
                    button.height * 0.26, 2);
    SetColour(cr, Hex(0xD9AE7C));
    cairo_fill(cr);

    cairo_reset_clip(cr);
    out.Picture(std::string("Data\\Intf\\Spec\\") + m.backdrop + "mNagr.xji",
                Crop(c.Over(clBlack), p.left, p.top, p.right - p.left, p.bottom - p.top));
}

// The music button: a round white button with a musical note, crossed out
// while the music is off. Its shadow keeps a few pixels off the picture's
// edges, so that nothing of it is cut where the button meets the corner of
// the screen.
void WriteSpeaker(InterfaceWriter& out, const UiMode& m)
{
    const UiSize size = SpeakerSize(m);
    const std::string base = std::string("Data\\Intf\\Spec\\") + m.prefix + "glos";
    const double cx = size.width / 2.0, cy = size.height / 2.0;
    const double r = size.width / 2.0 - 5;
    for (bool on : {false, true}) {
        UiCanvas c(size.width, size.height);
        cairo_t* cr = c.Cr();
        cairo_arc(cr, cx + 1, cy + 1.5, r + 0.5, 0, 2 * M_PI);
        SetColour(cr, Hex(0x000000, 0.22));
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        SetColour(cr, on ? Hex(0x9A63E8) : Hex(0xB8A68A));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        DrawIcon(cr, on ? UiIcon::Music : UiIcon::MusicOff, cx, cy, size.width * 0.62);
        out.Pair(base + (on ? "_A" : "_D"), ".xbi", c);
    }
}

} // namespace

void GenerateMenu(InterfaceWriter& out, const UiMode& m)
{
    const std::string spec = "Data\\Intf\\Spec\\";
    const UiSize tab = MenuTabSize(m);
    const UiTrainPoint place = MenuTabPlace(m);
    for (int open = 1; open <= 6; ++open) {
        UiCanvas c(m.backdropWidth, m.backdropHeight);
        DrawMenuScene(c, m, open);
        const Bitmap scene = c.Over(clBlack);
        if (open == 1)
            out.Picture(spec + m.backdrop + "mT0.xji", scene);
        out.Picture(spec + m.backdrop + "mT" + std::to_string(open) + ".xji",
                    Crop(scene, place.x, place.y, tab.width, tab.height));
    }
    WriteRecordingPanel(out, m);
    if (m.mode != 16)
        WriteSpeaker(out, m);
}
