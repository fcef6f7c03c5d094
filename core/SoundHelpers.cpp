// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound names, sound sets, shuffling and the playing of recordings.
#include "core/SoundHelpers.h"

#include <utility>

#include "graphics/Universalfn.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "platform/VoiceFiles.h"

std::string SoundName(int32_t sound, std::string_view separator)
{
    const std::string sep(separator);
    switch (sound) {
    case GL_SZ: return "SZ";
    case GL_ZRZ: return "RZ" + sep + "Ż"_cp;
    case GL_CZ: return "CZ";
    case GL_DZZ: return "DŻ"_cp;
    case GL_S: return "S";
    case GL_Z: return "Z";
    case GL_C: return "C";
    case GL_DZ: return "DZ";
    case GL_SS: return "SI" + sep + "Ś"_cp;
    case GL_ZZ: return "ZI" + sep + "Ź"_cp;
    case GL_CC: return "CI" + sep + "Ć"_cp;
    case GL_DZZZ: return "DZI" + sep + "DŹ"_cp;
    default: return {};
    }
}

int SplitSounds(int32_t mask, std::array<int32_t, kSoundCount>& sounds)
{
    int count = 0;
    for (int32_t bit = GL_SZ; bit <= GL_DZZZ; bit <<= 1)
        if (mask & bit)
            sounds[static_cast<std::size_t>(count++)] = bit;
    return count;
}

void ShuffleInts(int* values, int n)
{
    for (int i = 0; i < n - 1; ++i) {
        const int j = i + RandomInt(n - i);
        if (j != i)
            std::swap(values[i], values[j]);
    }
}

bool PlayDataSound(std::string_view name, bool wait)
{
    return PlayRecording("Data\\Smd\\" + std::string(name) + ".pw", wait);
}

bool PlayFeedbackSound(int kind, bool wait)
{
    int n = 0;
    if (kind == kPraise)
        n = RandomInt(47);
    else if (kind == kReproach || kind == kPraiseShort)
        n = RandomInt(40);

    std::string file;
    if (kind == kPraise || kind == kPraiseShort)
        file = "Data\\Intf\\Smd\\g";
    else if (kind == kReproach)
        file = "Data\\Intf\\Smd\\b";
    file += IntToStrPad(n, 2) + ".pw";

    if (!PlayRecording(file, wait))
        return false;
    if (wait)
        TheClock().Sleep(500);
    return true;
}
