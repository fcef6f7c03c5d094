#include "graphics/GlobalFonts.h"

#include "graphics/CTransFont.h"

namespace {

struct Fonts {
    CTransFont regular;
    CTransFont bold;
    CTransFont boldItalic;
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
    // All three are tried so that a damaged collection shows as one error.
    const bool regular = f.regular.LoadFromCollection(collection, names.regular);
    const bool bold = f.bold.LoadFromCollection(collection, names.bold);
    const bool boldItalic = f.boldItalic.LoadFromCollection(collection, names.boldItalic);
    return regular && bold && boldItalic;
}

CTransFont& FontRegular() { return TheFonts().regular; }
CTransFont& FontBold() { return TheFonts().bold; }
CTransFont& FontBoldItalic() { return TheFonts().boldItalic; }
