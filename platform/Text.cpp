// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the program's cp1250 text and the UTF-8 of the platform.
#include "platform/Text.h"

namespace {

// The inverse of the encoding, made once on first use: one pass over the code
// points cp1250 can hold, the first one found for a byte kept. (At compile
// time the pass exceeds clang's step limit for constant evaluation.)
struct DecodeTable {
    char32_t toUnicode[256] = {};
};

constexpr DecodeTable MakeDecodeTable()
{
    DecodeTable table;
    for (int b = 0; b < 0x80; ++b)
        table.toUnicode[b] = static_cast<char32_t>(b);
    for (int b = 0x80; b < 0x100; ++b)
        table.toUnicode[b] = 0xFFFD;
    bool found[256] = {};
    for (char32_t c = 0x80; c < 0x2200; ++c) {
        const int b = text_detail::Cp1250FromUnicode(c);
        if (b >= 0x80 && !found[b]) {
            found[b] = true;
            table.toUnicode[b] = c;
        }
    }
    return table;
}

const DecodeTable& Table()
{
    static const DecodeTable table = MakeDecodeTable();
    return table;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view cp1250)
{
    std::string out;
    out.reserve(cp1250.size() * 2);
    for (const char ch : cp1250)
        AppendUtf8(out, Table().toUnicode[static_cast<unsigned char>(ch)]);
    return out;
}

std::string Utf8ToCp1250(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        int extra;
        char32_t c;
        if (b < 0x80) { c = b; extra = 0; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
        else { ++i; continue; }  // a stray continuation byte
        bool ok = i + extra < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (cont & 0x3F);
        }
        if (!ok) { ++i; continue; }
        i += 1 + extra;
        const int code = text_detail::Cp1250FromUnicode(c);
        out += code < 0 ? '?' : static_cast<char>(code);
    }
    return out;
}

unsigned char LowerCp1250(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0xA5: return 0xB9;  // Ą
    case 0xCA: return 0xEA;  // Ę
    case 0x8C: return 0x9C;  // Ś
    case 0xC6: return 0xE6;  // Ć
    case 0xD1: return 0xF1;  // Ń
    case 0x8F: return 0x9F;  // Ź
    case 0xAF: return 0xBF;  // Ż
    case 0xD3: return 0xF3;  // Ó
    case 0xA3: return 0xB3;  // Ł
    default: return c;
    }
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerCp1250(static_cast<unsigned char>(a[i])) != LowerCp1250(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
