// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, drawn once in a 256-unit design and scaled, so that
// every size is the same picture.
#include "tools/datagen/ProgramIcon.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "tools/datagen/UiCanvas.h"
#include "tools/datagen/UiFigure.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDesign = 256;

// Three soft arcs beside the mouth: the whisper the games are about.
void Whisper(cairo_t* cr, double cx, double cy)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const unsigned colours[] = {0xFF6B6B, 0xFFC530, 0x45C06A};
    for (int i = 0; i < 3; ++i) {
        const double r = 22 + i * 20;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, -0.55, 0.55);
        SetColour(cr, Hex(colours[i]));
        cairo_set_line_width(cr, 11 - i);
        cairo_stroke(cr);
    }
}

void DrawIcon(UiCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    const double s = canvas.Width() / kDesign;
    cairo_scale(cr, s, s);
    // The tile keeps a margin for its shadow; small sizes need every pixel,
    // so the shadow is left out below 32.
    if (canvas.Width() >= 32)
        SoftShadow(cr, 14, 18, 228, 228, 50, 6, 0.3);
    GlossyBox(cr, 12, 12, 228, 228, 50, Hex(0xFFFFFF), Hex(0xFFF1C9), Hex(0xF4A259), 8);
    UiPose pose;
    pose.smile = 0.35;
    pose.look = 0.6;
    DrawFigureHead(cr, 18, 44, 160, 160, pose, false);
    Whisper(cr, 146, 150);
}

}  // namespace

const std::vector<int>& ProgramIconSizes()
{
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

void WriteProgramIcons(const fs::path& root)
{
    for (const int size : ProgramIconSizes()) {
        UiCanvas canvas(size, size);
        DrawIcon(canvas);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const fs::path dir = root / "icons" / "hicolor" / name / "apps";
        fs::create_directories(dir);
        const fs::path file = dir / "szeptaczki.png";
        cairo_surface_flush(canvas.Surface());
        if (cairo_surface_write_to_png(canvas.Surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
            throw std::runtime_error("cannot write " + file.string());
    }
}
