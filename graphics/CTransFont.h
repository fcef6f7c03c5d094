// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The anti-aliased bitmap font of the game pictures: glyphs are coverage
// images painted in any colour and opacity. Fonts live in one collection file
// ("TFS1" directory of "TFN1" records); text is cp1250 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/CTByteBitmap.h"
#include "platform/Bitmap.h"

class CTransFont {
public:
    // One glyph: an optional image between two advances.
    struct CSign {
        std::unique_ptr<CTByteBitmap> image;
        int16_t before = 0;
        int16_t after = 0;

        int ImageWidth() const { return image ? image->Width() : 0; }
    };

    // What BreakLine found: the line is count bytes from its start and
    // width pixels wide; the next line starts at the index next.
    struct SLine {
        int count = 0;
        int width = 0;
        std::size_t next = 0;
    };

    struct SSize {
        int width = 0;
        int height = 0;
    };

    // Bounds of the record fields.
    static constexpr int kMaxLineHeight = 30000;
    static constexpr int kMaxOffset = 30000;
    static constexpr int kMaxGlyphs = 256;

    CTransFont();
    CTransFont(const CTransFont&) = delete;
    CTransFont& operator=(const CTransFont&) = delete;

    // The named font of a collection file (a program path, see NativePath);
    // the name must match exactly, letter case included.
    bool LoadFromCollection(std::string_view fileName, std::string_view fontName);
    bool LoadFromCollection(std::istream& in, std::string_view fontName);
    // Reads one "TFN1" record at the stream's position.
    bool LoadFromStream(std::istream& in);
    // Writes this font as a "TFN1" record; glyph images are packed where
    // that loses nothing when packGlyphs is set. False for a font the record
    // cannot hold (long name, values out of bounds).
    bool SaveToStream(std::ostream& out, bool packGlyphs = false) const;
    // Back to one empty glyph, every byte mapped to it, all metrics 0.
    void Reset();

    void DrawText(Bitmap& target, TRect rect, int opacity, TColor colour, std::string_view text);
    void DrawChars(Bitmap& target, TRect rect, int opacity, TColor colour, int count, std::string_view text);
    SSize MeasureText(std::string_view text) const;
    SLine BreakLine(std::string_view text, int maxWidth) const;
    // align 0 left, 1 centred, 2 right.
    void DrawWrapped(Bitmap& target, std::string_view text, int opacity, int align, TColor colour, TRect rect);

    // Building a font (the data generator, tests).
    void SetName(std::string name) { name_ = std::move(name); }
    void SetMetrics(int lineHeight, int charSpacing, int lineGap);
    // Appends a glyph and returns its index (-1 when the table is full).
    // Glyph 0 of a fresh font is the empty one every byte maps to at first.
    int AddGlyph(int16_t before, int16_t after, std::unique_ptr<CTByteBitmap> image);
    void SetGlyph(int index, int16_t before, int16_t after, std::unique_ptr<CTByteBitmap> image);
    void MapChar(uint8_t c, uint8_t glyph) { charMap_[c] = glyph; }

    const std::string& Name() const { return name_; }
    int GlyphCount() const { return static_cast<int>(glyphs_.size()); }
    const CSign& Glyph(int index) const { return glyphs_[static_cast<std::size_t>(index)]; }
    const CSign& GlyphOf(uint8_t c) const { return glyphs_[charMap_[c]]; }
    uint8_t CharMap(uint8_t c) const { return charMap_[c]; }
    int LineHeight() const { return lineHeight_; }
    int CharSpacing() const { return charSpacing_; }
    int LineGap() const { return lineGap_; }
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

    // Same name, metrics, character map and glyphs (the pen is not compared).
    bool SameAs(const CTransFont& other) const;

private:
    bool ReadGlyphs(std::istream& in, int count);
    // Full advance of a byte: before + image + after + spacing.
    int Advance(uint8_t c) const;

    std::string name_;
    std::vector<CSign> glyphs_;
    std::array<uint8_t, 256> charMap_{};
    int32_t lineHeight_ = 0;
    int32_t charSpacing_ = 0;
    int32_t lineGap_ = 0;
    int32_t penX_ = 0;
    int32_t penY_ = 0;
};

// Writes a "TFS1" collection of the fonts, in the given order. False when
// the fonts do not fit the format (over 1000 fonts, names too long, a font
// SaveToStream refuses).
bool WriteFontCollection(std::ostream& out, const std::vector<const CTransFont*>& fonts, bool packGlyphs = false);
// The same into a file (a program path, see NativePath), written so that it
// is either complete or left as it was.
bool SaveFontCollection(std::string_view fileName, const std::vector<const CTransFont*>& fonts,
                        bool packGlyphs = false);

// Names of the three program-wide fonts (regular, bold, bold italic) of a
// display mode (2, 4 or 16; any other mode gets those of mode 2).
struct SFontNames {
    const char* regular;
    const char* bold;
    const char* boldItalic;
    const char* label;  // the large bold face of the train's box labels
};
SFontNames FontNamesForMode(int mode);
