// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/GlobalFonts.h"

#include "graphics/CTransFont.h"

#include <sstream>
#include <string>

#include "platform/Paths.h"

namespace {

struct Fonts {
    CTransFont regular;
    CTransFont bold;
    CTransFont boldItalic;
    CTransFont label;
    bool hasLabel = false;
};

Fonts& TheFonts()
{
    static Fonts fonts;
    return fonts;
}

}  // namespace

bool LoadGlobalFonts(int mode, std::string_view collection)
{
    const SFontNames names = FontNamesForMode(mode);
    Fonts& f = TheFonts();
    // The collection is read once; each font then finds its own record in it.
    std::string bytes;
    const bool read = ReadWholeFile(NativePath(collection), bytes);
    std::istringstream in(std::move(bytes));
    auto load = [&](CTransFont& font, std::string_view name) {
        in.clear();
        in.seekg(0);
        return font.LoadFromCollection(in, name);
    };
    // All three are tried so that a damaged collection shows as one error.
    const bool regular = load(f.regular, names.regular);
    const bool bold = load(f.bold, names.bold);
    const bool boldItalic = load(f.boldItalic, names.boldItalic);
    // Data trees made before the label face lack it: the labels then use the
    // bold font, and the program still starts.
    f.hasLabel = load(f.label, names.label);
    if (!f.hasLabel)
        f.label.Reset();
    return read && regular && bold && boldItalic;
}

CTransFont& FontRegular() { return TheFonts().regular; }
CTransFont& FontBold() { return TheFonts().bold; }
CTransFont& FontBoldItalic() { return TheFonts().boldItalic; }
CTransFont& FontLabel()
{
    Fonts& f = TheFonts();
    return f.hasLabel ? f.label : f.bold;
}
