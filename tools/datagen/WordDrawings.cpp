// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawings of our own for words no emoji shows. They are kept as SVG files so
// that a person can open and change them in a drawing program; the build puts
// their text into the generator, so that it needs no files beside it.
#include "tools/datagen/WordDrawings.h"

#include <librsvg/rsvg.h>

#include <algorithm>

#include "tools/datagen/WordSvgTable.h"

bool HasDrawing(std::string_view key)
{
    return !WordSvgText(key).empty();
}

std::vector<std::string_view> DrawingKeys()
{
    std::vector<std::string_view> keys;
    for (const WordSvg& svg : WordSvgs())
        keys.push_back(svg.key);
    return keys;
}

std::string_view WordSvgText(std::string_view key)
{
    const auto& svgs = WordSvgs();
    const auto it = std::find_if(svgs.begin(), svgs.end(), [key](const WordSvg& s) { return s.key == key; });
    return it == svgs.end() ? std::string_view() : it->text;
}

bool DrawWordThing(cairo_t* cr, std::string_view key)
{
    const std::string_view svg = WordSvgText(key);
    return !svg.empty() && DrawSvg(cr, svg, 0, 0, 400, 300);
}

bool DrawSvg(cairo_t* cr, std::string_view svg, double x, double y, double w, double h)
{
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (!handle) {
        g_clear_error(&error);
        return false;
    }
    // A picture that fails half-way leaves no half-drawing behind: it is drawn
    // on a group that is only painted when the whole of it worked.
    cairo_save(cr);
    cairo_push_group(cr);
    const RsvgRectangle viewport{x, y, w, h};
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error) != FALSE;
    cairo_pattern_t* group = cairo_pop_group(cr);
    if (drawn) {
        cairo_set_source(cr, group);
        cairo_paint(cr);
    }
    cairo_pattern_destroy(group);
    cairo_restore(cr);
    g_clear_error(&error);
    g_object_unref(handle);
    return drawn;
}
