// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Flags and keys of the catalogue's words, derived from their notation.
#include "core/Notation.h"

#include <utility>

#include "core/SoundCodes.h"
#include "platform/Text.h"

namespace {

// The sound of a marked token on its own (a following "_i" softens it; see below).
int32_t SoundOfToken(std::string_view token)
{
    static const std::pair<const char*, int32_t> kTokens[] = {
        {"_sz", GL_SZ},  {"_ż"_cp, GL_ZRZ},  {"_rz", GL_ZRZ}, {"_cz", GL_CZ},  {"_dż"_cp, GL_DZZ},
        {"_s", GL_S},    {"_z", GL_Z},       {"_c", GL_C},    {"_dz", GL_DZ},  {"_ś"_cp, GL_SS},
        {"_si", GL_SS},  {"_ź"_cp, GL_ZZ},   {"_zi", GL_ZZ},  {"_ć"_cp, GL_CC}, {"_ci", GL_CC},
        {"_dź"_cp, GL_DZZZ}, {"_dzi", GL_DZZZ},
    };
    for (const auto& [name, sound] : kTokens)
        if (token == name)
            return sound;
    return 0;
}

// A consonant whose "i" is also the vowel of its syllable ("b,u,_c,_i,k,")
// is the soft sound of its series.
int32_t SoftenedSound(int32_t hard)
{
    switch (hard) {
    case GL_S: return GL_SS;
    case GL_Z: return GL_ZZ;
    case GL_C: return GL_CC;
    case GL_DZ: return GL_DZZZ;
    default: return 0;
    }
}

}  // namespace

std::vector<std::string_view> NotationTokens(std::string_view notation)
{
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < notation.size()) {
        std::size_t comma = notation.find(',', pos);
        if (comma == std::string_view::npos)
            comma = notation.size();
        tokens.push_back(notation.substr(pos, comma - pos));
        pos = comma + 1;
    }
    return tokens;
}

int32_t NotationFlags(std::string_view notation)
{
    const std::vector<std::string_view> tokens = NotationTokens(notation);
    std::size_t first = tokens.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].empty() && tokens[i][0] == '_') {
            if (first == tokens.size())
                first = i;
            last = i;
        }
    }
    if (first == tokens.size())
        return 0;

    int32_t sound = SoundOfToken(tokens[first]);
    if (first + 1 < tokens.size() && tokens[first + 1] == "_i")
        sound = SoftenedSound(sound);
    // A final "dź" is heard as "ć" (łabędź, łódź).
    if (sound == GL_DZZZ && tokens[first] == "_dź"_cp && first == tokens.size() - 1)
        sound = GL_CC;
    if (sound == 0)
        return 0;

    int32_t position = POZ_SRODGLOS;
    if (first == 0)
        position = POZ_NAGLOS;
    else if (last == tokens.size() - 1)
        position = POZ_WYGLOS;
    return sound | position;
}

std::string NotationKey(std::string_view notation)
{
    // Without the extra letters łoś would share its files with los, and the
    // animal zebra with żebra.
    if (notation == "ł,o,_ś,"_cp)
        return "losss";
    if (notation == "_z,e,b,r,a,")
        return "zebraa";

    std::string key;
    for (const char ch : notation) {
        if (ch == ',' || ch == '_')
            continue;
        switch (static_cast<unsigned char>(ch)) {
        case 0xB9: key += 'a'; break;  // ą
        case 0xE6: key += 'c'; break;  // ć
        case 0xEA: key += 'e'; break;  // ę
        case 0xB3: key += 'l'; break;  // ł
        case 0xF1: key += 'n'; break;  // ń
        case 0xF3: key += 'o'; break;  // ó
        case 0x9C: key += 's'; break;  // ś
        case 0x9F: key += 'z'; break;  // ź
        case 0xBF: key += 'z'; break;  // ż
        default: key += ch; break;
        }
    }
    return key;
}
