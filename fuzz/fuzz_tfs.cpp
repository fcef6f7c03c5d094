// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the font collection reader ("TFS1"). The first input byte is the
// length of the font name to look up, the name follows, then the collection.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "graphics/CTransFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t nameLength = data[0];
    if (size < 1 + nameLength)
        return 0;
    const std::string name(reinterpret_cast<const char*>(data + 1), nameLength);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1 + nameLength), size - 1 - nameLength));
    CTransFont font;
    font.LoadFromCollection(in, name);
    if (font.GlyphCount() < 1)
        std::abort();
    Bitmap target(16, 16);
    font.DrawText(target, target.Bounds(), 255, clWhite, "Szeptaczki \xB9\xEA");
    return 0;
}
