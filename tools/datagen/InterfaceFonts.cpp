// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Rasterises the twelve fonts of the game pictures into the collection file.
#include "tools/datagen/InterfaceFonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "graphics/CTransFont.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

constexpr const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBold = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
constexpr const char* kLabel = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kBoldItalic = "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf";

// The Unicode character of a cp1250 byte; 0 for bytes that are no
// printable character.
char32_t CharacterOf(unsigned char byte)
{
    if (byte < 0x20 || byte == 0x7F)
        return 0;
    const std::string utf8 = Cp1250ToUtf8(std::string(1, static_cast<char>(byte)));
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    char32_t c = 0;
    if (utf8.size() == 1)
        c = s[0];
    else if (utf8.size() == 2)
        c = (s[0] & 0x1F) << 6 | (s[1] & 0x3F);
    else if (utf8.size() == 3)
        c = (s[0] & 0x0F) << 12 | (s[1] & 0x3F) << 6 | (s[2] & 0x3F);
    if (c == 0xFFFD || (c >= 0x80 && c < 0xA0))
        return 0;
    return c;
}

// Coverage kept to the 7 bits the packed glyph record holds, so that packing
// loses nothing: 0 stays 0 and full cover stays 255.
uint8_t Coverage(unsigned v)
{
    const unsigned seven = (v * 127 + 127) / 255;
    return seven == 127 ? 255 : static_cast<uint8_t>(seven * 2);
}

struct FaceHolder {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FaceHolder()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

} // namespace

const std::vector<UiFontSpec>& FontSpecs()
{
    // The names the program looks up say the face and the pixel size:
    // "segoe19", "ArialB18,75", "ArialBI17,5".
    static const std::vector<UiFontSpec> specs = [] {
        std::vector<UiFontSpec> list;
        for (int mode : {2, 4, 16}) {
            const SFontNames names = FontNamesForMode(mode);
            for (const char* name : {names.regular, names.bold, names.boldItalic, names.label}) {
                std::string n = name;
                const std::size_t digits = n.find_first_of("0123456789");
                std::string size = n.substr(digits);
                std::replace(size.begin(), size.end(), ',', '.');
                const std::string face = n.substr(0, digits);
                const char* file = face == "ArialBI"  ? kBoldItalic
                                   : face == "ArialB" ? kBold
                                   : face == "LabelB" ? kLabel
                                                      : kDejaVu;
                list.push_back({name, file, std::stod(size)});
            }
        }
        return list;
    }();
    return specs;
}

void RasteriseFont(const UiFontSpec& spec, CTransFont& font)
{
    FaceHolder h;
    if (FT_Init_FreeType(&h.library) != 0)
        throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(h.library, spec.file, 0, &h.face) != 0)
        throw std::runtime_error(std::string("font file missing: ") + spec.file);
    FT_Set_Char_Size(h.face, 0, static_cast<FT_F26Dot6>(std::lround(spec.pixelSize * 64)), 72, 72);

    struct Rendered {
        unsigned char byte;
        int left, top, width, rows, advance;
        std::vector<uint8_t> pixels;
    };
    std::vector<Rendered> glyphs;
    // Lines as tall as the program's layouts expect of these fonts: about
    // 1.4 em, and a real gap of a fifth of an em between them, so that two
    // lines drawn 12 design pixels closer (the labels of the train's boxes)
    // still keep the accents of capitals well clear of the line above.
    int ascent = std::max(static_cast<int>(std::ceil(h.face->size->metrics.ascender / 64.0)),
                          static_cast<int>(std::ceil(spec.pixelSize * 1.12)));
    const int descent = std::max(static_cast<int>(std::ceil(-h.face->size->metrics.descender / 64.0)),
                                 static_cast<int>(std::ceil(spec.pixelSize * 0.28)));
    for (int b = 0x20; b <= 0xFF; ++b) {
        // The byte 0xC0 (the letter Ŕ, which Polish does not use) stands
        // between the two spellings of a sound in its name ("RZ", "Ż"): a
        // middle dot with a little room either side, not a letter.
        const bool separator = b == 0xC0;
        const char32_t c = separator ? U'\u00B7' : CharacterOf(static_cast<unsigned char>(b));
        if (c == 0)
            continue;
        const FT_UInt index = FT_Get_Char_Index(h.face, c == 0xA0 ? 0x20 : c);
        if (index == 0 || FT_Load_Glyph(h.face, index, FT_LOAD_TARGET_LIGHT) != 0 ||
            FT_Render_Glyph(h.face->glyph, FT_RENDER_MODE_NORMAL) != 0)
            continue;
        const FT_GlyphSlot g = h.face->glyph;
        Rendered r{static_cast<unsigned char>(b), g->bitmap_left, g->bitmap_top, static_cast<int>(g->bitmap.width),
                   static_cast<int>(g->bitmap.rows), static_cast<int>((g->advance.x + 32) >> 6), {}};
        if (separator) {
            const int room = static_cast<int>(std::lround(spec.pixelSize * 0.1));
            r.left += room;
            r.advance += 2 * room;
        }
        r.pixels.resize(static_cast<std::size_t>(r.width) * r.rows);
        for (int y = 0; y < r.rows; ++y)
            for (int x = 0; x < r.width; ++x)
                r.pixels[static_cast<std::size_t>(y) * r.width + x] = g->bitmap.buffer[y * g->bitmap.pitch + x];
        if (r.rows > 0)
            ascent = std::max(ascent, r.top);
        glyphs.push_back(std::move(r));
    }

    font.Reset();
    font.SetName(spec.name);
    // Glyph images start at the top of the line: every image reaches from the
    // line top (the tallest accent) down to the glyph's lowest row.
    // The label face is only ever drawn on the train's small plates, two lines
    // at most: a smaller gap lets larger letters fit, the accent still clear.
    const bool label = std::string_view(spec.file) == kLabel;
    font.SetMetrics(ascent + descent, 0, static_cast<int>(std::ceil(spec.pixelSize * (label ? 0.1 : 0.2))));
    for (const Rendered& r : glyphs) {
        int index;
        if (r.width == 0 || r.rows == 0) {
            index = font.AddGlyph(0, static_cast<int16_t>(r.advance), nullptr);
        } else {
            auto image = std::make_unique<CTByteBitmap>();
            const int offset = ascent - r.top;
            image->SetSize(r.width, std::max(1, offset + r.rows));
            for (int y = 0; y < r.rows; ++y) {
                if (offset + y < 0)
                    continue;
                for (int x = 0; x < r.width; ++x)
                    image->Set(x, offset + y, Coverage(r.pixels[static_cast<std::size_t>(y) * r.width + x]));
            }
            index = font.AddGlyph(static_cast<int16_t>(r.left), static_cast<int16_t>(r.advance - r.left - r.width),
                                  std::move(image));
        }
        if (index < 0)
            throw std::logic_error(std::string("too many glyphs in ") + spec.name);
        font.MapChar(r.byte, static_cast<uint8_t>(index));
    }
}

void WriteFontCollectionFile(const std::filesystem::path& file)
{
    std::vector<std::unique_ptr<CTransFont>> fonts;
    std::vector<const CTransFont*> list;
    for (const UiFontSpec& spec : FontSpecs()) {
        fonts.push_back(std::make_unique<CTransFont>());
        RasteriseFont(spec, *fonts.back());
        list.push_back(fonts.back().get());
    }
    std::filesystem::create_directories(file.parent_path());
    if (!SaveFontCollection(file.string(), list, true))
        throw std::runtime_error("cannot write the font collection " + file.string());
}
