// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text inside the program is 8-bit cp1250. Source files are UTF-8: the "_cp"
// literal turns a UTF-8 literal into cp1250 at compile time, and the functions
// below convert at the platform boundary (file names, SDL_ttf, message boxes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text_detail {

// The cp1250 code of a Unicode code point, or -1 when cp1250 has no such character.
constexpr int Cp1250FromUnicode(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    // The upper half of cp1250; 0 marks the five unassigned codes.
    constexpr char16_t kUpper[128] = {
        0x20AC, 0, 0x201A, 0, 0x201E, 0x2026, 0x2020, 0x2021, 0, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
        0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
        0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
        0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
        0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
        0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
        0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
    };
    for (int i = 0; i < 128; ++i)
        if (kUpper[i] != 0 && kUpper[i] == c)
            return 0x80 + i;
    return -1;
}

template <std::size_t N>
struct Cp1250Literal {
    char data[N]{};
    std::size_t size = 0;

    consteval Cp1250Literal(const char (&utf8)[N])
    {
        std::size_t i = 0;
        while (i + 1 < N) {
            const unsigned char b = static_cast<unsigned char>(utf8[i]);
            char32_t c;
            int extra;
            if (b < 0x80) { c = b; extra = 0; }
            else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
            else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
            else { c = b & 0x07; extra = 3; }
            for (int k = 1; k <= extra; ++k)
                c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            i += 1 + extra;
            const int code = Cp1250FromUnicode(c);
            if (code < 0)
                throw "character outside cp1250 in a _cp literal";  // stops compilation
            data[size++] = static_cast<char>(code);
        }
    }
};

}  // namespace text_detail

// "Błąd"_cp is the cp1250 spelling of a UTF-8 literal, made at compile time.
template <text_detail::Cp1250Literal L>
constexpr const char* operator""_cp()
{
    return L.data;
}

// cp1250 text to UTF-8; every byte has a character (unassigned codes become U+FFFD).
std::string Cp1250ToUtf8(std::string_view cp1250);

// UTF-8 text to cp1250; characters cp1250 lacks become '?', broken sequences are skipped.
std::string Utf8ToCp1250(std::string_view utf8);

// Polish-aware lower case of one cp1250 byte (for case-insensitive comparisons).
unsigned char LowerCp1250(unsigned char c);

// Case-insensitive comparison of cp1250 text (ASCII and the Polish letters).
bool EqualsNoCase(std::string_view a, std::string_view b);
