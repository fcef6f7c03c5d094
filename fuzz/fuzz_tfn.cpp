// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the font record reader ("TFN1") and lays out text with what it reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "graphics/CTransFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CTransFont font;
    const bool ok = font.LoadFromStream(in);
    // Loaded or not, the font must be safe to use.
    if (font.GlyphCount() < 1)
        std::abort();
    for (int c = 0; c < 256; ++c)
        if (font.CharMap(static_cast<uint8_t>(c)) >= font.GlyphCount())
            std::abort();
    std::string text = "Ala ma kota\r\ni psa  ";
    for (int c = 1; c < 256; c += 7)
        text += static_cast<char>(c);
    Bitmap target(24, 20);
    font.DrawText(target, {2, 1, 22, 18}, 255, clWhite, text);
    font.DrawWrapped(target, text, 200, 1, clRed, {0, 0, 24, 20});
    font.DrawWrapped(target, text, 255, 2, clRed, {3, 3, 4, 20});
    (void)font.MeasureText(text);
    for (int width : {-5, 0, 1, 10, 1000}) {
        const CTransFont::SLine line = font.BreakLine(text, width);
        if (line.next == 0 || line.next > text.size() || line.count < 0 ||
            static_cast<std::size_t>(line.count) > text.size())
            std::abort();
    }
    if (ok) {
        std::stringstream again;
        if (font.SaveToStream(again)) {
            CTransFont back;
            if (!back.LoadFromStream(again) || !back.SameAs(font))
                std::abort();
        }
    }
    return 0;
}
