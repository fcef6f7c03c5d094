// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap fonts: the collection and record readers and writers, drawing,
// measuring and word wrapping of cp1250 text.
#include "graphics/CTransFont.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "graphics/BinaryStream.h"
#include "platform/Paths.h"

using namespace binary_stream;

namespace {

constexpr char kCollectionMagic[4] = {'T', 'F', 'S', '1'};
constexpr char kFontMagic[4] = {'T', 'F', 'N', '1'};
constexpr int32_t kMaxFonts = 1000;
constexpr int32_t kMaxNamesLength = 100000;

int ClampToInt(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool InBounds(int64_t v, int64_t lo, int64_t hi)
{
    return v >= lo && v <= hi;
}

}  // namespace

CTransFont::CTransFont()
{
    Reset();
}

void CTransFont::Reset()
{
    name_.clear();
    glyphs_.clear();
    glyphs_.reserve(5);
    glyphs_.emplace_back();
    glyphs_.back().after = 1;
    charMap_.fill(0);
    lineHeight_ = 0;
    charSpacing_ = 0;
    lineGap_ = 0;
}

void CTransFont::SetMetrics(int lineHeight, int charSpacing, int lineGap)
{
    lineHeight_ = lineHeight;
    charSpacing_ = charSpacing;
    lineGap_ = lineGap;
}

int CTransFont::AddGlyph(int16_t before, int16_t after, std::unique_ptr<CTByteBitmap> image)
{
    if (glyphs_.size() >= kMaxGlyphs)
        return -1;
    CSign sign;
    sign.before = before;
    sign.after = after;
    sign.image = std::move(image);
    glyphs_.push_back(std::move(sign));
    return static_cast<int>(glyphs_.size()) - 1;
}

void CTransFont::SetGlyph(int index, int16_t before, int16_t after, std::unique_ptr<CTByteBitmap> image)
{
    if (index < 0 || index >= GlyphCount())
        return;
    CSign& sign = glyphs_[static_cast<std::size_t>(index)];
    sign.before = before;
    sign.after = after;
    sign.image = std::move(image);
}

bool CTransFont::LoadFromCollection(std::string_view fileName, std::string_view fontName)
{
    Reset();
    std::ifstream in(NativePath(fileName), std::ios::binary);
    if (!in)
        return false;
    return LoadFromCollection(in, fontName);
}

bool CTransFont::LoadFromCollection(std::istream& in, std::string_view fontName)
{
    Reset();
    char magic[4];
    int32_t fontCount = 0, namesLength = 0;
    if (!ReadExact(in, magic, 4) || std::memcmp(magic, kCollectionMagic, 4) != 0)
        return false;
    if (!ReadInt32(in, fontCount) || !ReadInt32(in, namesLength))
        return false;
    if (!InBounds(fontCount, 0, kMaxFonts) || !InBounds(namesLength, 0, kMaxNamesLength))
        return false;
    const auto n = static_cast<std::size_t>(fontCount);
    const auto s = static_cast<std::size_t>(namesLength);
    std::vector<uint8_t> directory;
    if (!ReadBlock(in, directory, n + s + 4 * n))
        return false;

    const uint8_t* lengths = directory.data();
    const uint8_t* names = directory.data() + n;
    const uint8_t* offsets = directory.data() + n + s;
    std::size_t namePos = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t length = lengths[i];
        if (namePos + length > s)
            return false;  // the names overrun their declared length
        if (length == fontName.size() && std::memcmp(names + namePos, fontName.data(), length) == 0) {
            const uint8_t* o = offsets + 4 * i;
            const auto offset = static_cast<int32_t>(static_cast<uint32_t>(o[0]) | static_cast<uint32_t>(o[1]) << 8 |
                                                     static_cast<uint32_t>(o[2]) << 16 |
                                                     static_cast<uint32_t>(o[3]) << 24);
            if (offset < 0)
                return false;
            in.clear();
            in.seekg(offset);
            if (!in)
                return false;
            return LoadFromStream(in);
        }
        namePos += length;
    }
    return false;
}

bool CTransFont::LoadFromStream(std::istream& in)
{
    Reset();
    try {
        char magic[4];
        uint8_t nameLength = 0;
        std::string name;
        int32_t lineHeight = 0, charSpacing = 0, lineGap = 0, reserved = 0, glyphCount = 0;
        std::array<uint8_t, 256> charMap{};
        if (!ReadExact(in, magic, 4) || std::memcmp(magic, kFontMagic, 4) != 0 || !ReadByte(in, nameLength))
            return false;
        name.resize(nameLength);
        if (!ReadExact(in, name.data(), nameLength))
            return false;
        if (!ReadInt32(in, lineHeight) || !ReadInt32(in, charSpacing) || !ReadInt32(in, lineGap) ||
            !ReadInt32(in, reserved) || !ReadExact(in, charMap.data(), charMap.size()) || !ReadInt32(in, glyphCount))
            return false;
        if (!InBounds(lineHeight, 0, kMaxLineHeight) || !InBounds(charSpacing, -kMaxOffset, kMaxOffset) ||
            !InBounds(lineGap, -kMaxOffset, kMaxOffset) || !InBounds(glyphCount, 1, kMaxGlyphs))
            return false;

        name_ = std::move(name);
        lineHeight_ = lineHeight;
        charSpacing_ = charSpacing;
        lineGap_ = lineGap;
        charMap_ = charMap;
        glyphs_.clear();
        bool ok = ReadGlyphs(in, glyphCount);
        // A record that broke off before its first glyph keeps the empty
        // glyph, so that every byte still maps to something drawable.
        if (glyphs_.empty()) {
            glyphs_.emplace_back();
            glyphs_.back().after = 1;
        }
        for (uint8_t& index : charMap_) {
            if (index >= glyphs_.size()) {
                index = 0;
                ok = false;
            }
        }
        return ok;
    } catch (...) {
        Reset();
        throw;
    }
}

bool CTransFont::ReadGlyphs(std::istream& in, int count)
{
    for (int i = 0; i < count; ++i) {
        int32_t advances = 0;
        uint8_t hasImage = 0;
        if (!ReadInt32(in, advances))
            return false;
        const auto bits = static_cast<uint32_t>(advances);
        const auto before = static_cast<int16_t>(bits & 0xFFFF);
        const auto after = static_cast<int16_t>(bits >> 16);
        if (!InBounds(before, -kMaxOffset, kMaxOffset) || !InBounds(after, -kMaxOffset, kMaxOffset))
            return false;
        if (!ReadByte(in, hasImage))
            return false;
        CSign sign;
        sign.before = before;
        sign.after = after;
        if (hasImage != 0) {
            sign.image = std::make_unique<CTByteBitmap>();
            if (!sign.image->LoadFromStream(in))
                return false;
        }
        glyphs_.push_back(std::move(sign));
    }
    return true;
}

bool CTransFont::SaveToStream(std::ostream& out, bool packGlyphs) const
{
    if (name_.size() > 255 || !InBounds(lineHeight_, 0, kMaxLineHeight) ||
        !InBounds(charSpacing_, -kMaxOffset, kMaxOffset) || !InBounds(lineGap_, -kMaxOffset, kMaxOffset) ||
        glyphs_.empty() || glyphs_.size() > kMaxGlyphs)
        return false;
    for (const CSign& g : glyphs_)
        if (!InBounds(g.before, -kMaxOffset, kMaxOffset) || !InBounds(g.after, -kMaxOffset, kMaxOffset))
            return false;
    for (uint8_t index : charMap_)
        if (index >= glyphs_.size())
            return false;

    out.write(kFontMagic, 4);
    WriteByte(out, static_cast<uint8_t>(name_.size()));
    out.write(name_.data(), static_cast<std::streamsize>(name_.size()));
    WriteInt32(out, lineHeight_);
    WriteInt32(out, charSpacing_);
    WriteInt32(out, lineGap_);
    WriteInt32(out, 0);
    out.write(reinterpret_cast<const char*>(charMap_.data()), static_cast<std::streamsize>(charMap_.size()));
    WriteInt32(out, static_cast<int32_t>(glyphs_.size()));
    for (const CSign& g : glyphs_) {
        WriteInt32(out, static_cast<int32_t>(static_cast<uint16_t>(g.before) |
                                             static_cast<uint32_t>(static_cast<uint16_t>(g.after)) << 16));
        WriteByte(out, g.image ? 1 : 0);
        if (g.image)
            g.image->SaveToStream(out, packGlyphs && g.image->PacksLosslessly());
    }
    return static_cast<bool>(out);
}

bool WriteFontCollection(std::ostream& out, const std::vector<const CTransFont*>& fonts, bool packGlyphs)
{
    if (fonts.size() > static_cast<std::size_t>(kMaxFonts))
        return false;
    std::string names;
    std::vector<std::string> records;
    for (const CTransFont* font : fonts) {
        if (font == nullptr || font->Name().size() > 255)
            return false;
        names += font->Name();
        std::ostringstream record;
        if (!font->SaveToStream(record, packGlyphs))
            return false;
        records.push_back(record.str());
    }
    if (names.size() > static_cast<std::size_t>(kMaxNamesLength))
        return false;

    const std::size_t n = fonts.size();
    int64_t offset = 12 + static_cast<int64_t>(n + names.size() + 4 * n);
    out.write(kCollectionMagic, 4);
    WriteInt32(out, static_cast<int32_t>(n));
    WriteInt32(out, static_cast<int32_t>(names.size()));
    for (const CTransFont* font : fonts)
        WriteByte(out, static_cast<uint8_t>(font->Name().size()));
    out.write(names.data(), static_cast<std::streamsize>(names.size()));
    for (const std::string& record : records) {
        if (offset > std::numeric_limits<int32_t>::max())
            return false;
        WriteInt32(out, static_cast<int32_t>(offset));
        offset += static_cast<int64_t>(record.size());
    }
    for (const std::string& record : records)
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    return static_cast<bool>(out);
}

bool SaveFontCollection(std::string_view fileName, const std::vector<const CTransFont*>& fonts, bool packGlyphs)
{
    std::ostringstream out;
    if (!WriteFontCollection(out, fonts, packGlyphs))
        return false;
    return WriteFileAtomically(NativePath(fileName), out.str());
}

SFontNames FontNamesForMode(int mode)
{
    switch (mode) {
    case 4: return {"segoe24", "ArialB24", "ArialBI22,4", "LabelB26"};
    case 16: return {"segoe30", "ArialB30", "ArialBI28", "LabelB33"};
    default: return {"segoe19", "ArialB18,75", "ArialBI17,5", "LabelB21"};
    }
}

int CTransFont::Advance(uint8_t c) const
{
    const CSign& g = GlyphOf(c);
    return g.before + g.ImageWidth() + g.after + charSpacing_;
}

void CTransFont::DrawText(Bitmap& target, TRect rect, int opacity, TColor colour, std::string_view text)
{
    int64_t x = rect.left;
    int64_t y = rect.top;
    for (const char ch : text) {
        const auto c = static_cast<uint8_t>(ch);
        if (c == '\n') {
            x = rect.left;
            y += static_cast<int64_t>(lineHeight_) + lineGap_;
            continue;
        }
        if (c == '\r') {
            x = rect.left;
            continue;
        }
        const CSign& g = GlyphOf(c);
        x += g.before;
        if (g.image) {
            if (x == ClampToInt(x) && y == ClampToInt(y))
                g.image->DrawColour(target, static_cast<int>(x), static_cast<int>(y), opacity, rect, colour);
            x += g.image->Width();
        }
        x += static_cast<int64_t>(g.after) + charSpacing_;
    }
    penX_ = ClampToInt(x);
    penY_ = ClampToInt(y);
}

void CTransFont::DrawChars(Bitmap& target, TRect rect, int opacity, TColor colour, int count, std::string_view text)
{
    const bool visible = rect.right > rect.left && rect.bottom > rect.top;
    int64_t x = rect.left;
    const int y = rect.top;
    const std::size_t limit = std::min<std::size_t>(text.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < limit && text[i] != '\0'; ++i) {
        const CSign& g = GlyphOf(static_cast<uint8_t>(text[i]));
        x += g.before;
        if (g.image) {
            if (visible && x == ClampToInt(x))
                g.image->DrawColour(target, static_cast<int>(x), y, opacity, rect, colour);
            x += g.image->Width();
        }
        x += static_cast<int64_t>(g.after) + charSpacing_;
    }
    penX_ = ClampToInt(x);
    penY_ = y;
}

CTransFont::SSize CTransFont::MeasureText(std::string_view text) const
{
    int64_t widest = 0;
    int64_t line = 0;
    int64_t tail = 0;  // after + spacing of the previous glyph, counted only if another follows
    bool lineStarted = false;
    int64_t lineBreaks = 0;
    for (const char ch : text) {
        const auto c = static_cast<uint8_t>(ch);
        if (c == '\n' || c == '\r') {
            line = 0;
            lineStarted = false;
            if (c == '\n')
                ++lineBreaks;
            continue;
        }
        const CSign& g = GlyphOf(c);
        if (lineStarted)
            line += tail;
        line += g.before + g.ImageWidth();
        tail = static_cast<int64_t>(g.after) + charSpacing_;
        lineStarted = true;
        widest = std::max(widest, line);
    }
    return {ClampToInt(widest), ClampToInt(lineHeight_ + lineBreaks * (static_cast<int64_t>(lineHeight_) + lineGap_))};
}

CTransFont::SLine CTransFont::BreakLine(std::string_view text, int maxWidth) const
{
    const std::size_t n = text.size();
    auto advance = [&](std::size_t i) -> int64_t {
        return text[i] == '\r' ? 0 : Advance(static_cast<uint8_t>(text[i]));
    };
    // Widths count full advances less one spacing per line; an empty line is 0 wide.
    auto finish = [&](std::size_t end, int64_t sum, std::size_t next) {
        return SLine{static_cast<int>(end), end == 0 ? 0 : ClampToInt(sum - charSpacing_), next};
    };

    std::size_t i = 0;
    int64_t accepted = 0;
    while (i < n && text[i] == ' ')
        accepted += advance(i++);
    std::size_t acceptedEnd = i;  // leading spaces belong to the line
    bool firstWord = true;
    int64_t pending = 0;  // spaces between the accepted words and the word at i

    while (true) {
        if (i == n)
            return finish(acceptedEnd, accepted, n);
        if (text[i] == '\n')
            return finish(acceptedEnd, accepted, i + 1);

        std::size_t j = i;
        int64_t word = 0;
        while (j < n && text[j] != ' ' && text[j] != '\n')
            word += advance(j++);

        if (accepted + pending + word - charSpacing_ <= maxWidth) {
            accepted += pending + word;
            acceptedEnd = j;
            firstWord = false;
            if (j == n)
                return finish(acceptedEnd, accepted, n);
            if (text[j] == '\n')
                return finish(acceptedEnd, accepted, j + 1);
            pending = 0;
            i = j;
            while (i < n && text[i] == ' ')
                pending += advance(i++);
            // Spaces that end the text stay on the line when they fit.
            if (i == n && accepted + pending - charSpacing_ <= maxWidth)
                return finish(n, accepted + pending, n);
            continue;
        }

        if (!firstWord)
            return finish(acceptedEnd, accepted, i);  // the spaces between are dropped

        // The first word alone is too wide: cut it where it stops fitting.
        std::size_t k = i;
        int64_t cut = accepted;
        while (k < j && cut + advance(k) - charSpacing_ < maxWidth)
            cut += advance(k++);
        if (k > i)
            return finish(k, cut, k);
        // Not one character fits. After leading spaces, give the word a line
        // of its own rather than lose a character that may fit there.
        if (i > 0)
            return finish(i, accepted, i);
        return SLine{0, 0, i + 1};
    }
}

void CTransFont::DrawWrapped(Bitmap& target, std::string_view text, int opacity, int align, TColor colour, TRect rect)
{
    const int available = rect.right - rect.left;
    int64_t y = rect.top;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        const SLine line = BreakLine(rest, available);
        int64_t x = 0;
        bool draw = true;
        switch (align) {
        case 0: x = rect.left; break;
        case 1: x = rect.left + (static_cast<int64_t>(available) - line.width) / 2; break;
        case 2: x = static_cast<int64_t>(rect.right) - line.width; break;
        default: draw = false; break;
        }
        if (draw)
            DrawChars(target, {ClampToInt(x), ClampToInt(y), rect.right, rect.bottom}, opacity, colour, line.count, rest);
        y += static_cast<int64_t>(lineHeight_) + lineGap_;
        if (line.next == 0)
            break;
        pos += line.next;
    }
}

bool CTransFont::SameAs(const CTransFont& other) const
{
    if (name_ != other.name_ || lineHeight_ != other.lineHeight_ || charSpacing_ != other.charSpacing_ ||
        lineGap_ != other.lineGap_ || charMap_ != other.charMap_ || glyphs_.size() != other.glyphs_.size())
        return false;
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        const CSign& a = glyphs_[i];
        const CSign& b = other.glyphs_[i];
        if (a.before != b.before || a.after != b.after || static_cast<bool>(a.image) != static_cast<bool>(b.image))
            return false;
        if (a.image && !(*a.image == *b.image))
            return false;
    }
    return true;
}
