// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small shared services around sounds: the display names of the sound codes,
// splitting sound sets, shuffling, and playing recordings of the data tree.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/SoundCodes.h"

// The display name (cp1250) of one sound bit; the two spellings of Ż, Ś, Ź, Ć
// and DŹ are joined by separator ("RZ" + separator + "Ż"). Empty for any value
// that is not a single sound bit.
std::string SoundName(int32_t sound, std::string_view separator);

// The single sound bits of mask, lowest first; returns how many were written.
int SplitSounds(int32_t mask, std::array<int32_t, kSoundCount>& sounds);

// One pass of the program's shuffle over the first n values.
void ShuffleInts(int* values, int n);

// Plays the recording "Data\Smd\" + name + ".pw" (in the practice's voice
// when it has recorded the word); with wait to its end. False when there is
// no such file.
bool PlayDataSound(std::string_view name, bool wait);

// What a feedback sound answers.
enum FeedbackKind { kPraise = 0, kReproach = 1, kPraiseShort = 3 };

// Plays a random praise (kind 0: g00-g46, kind 3: g00-g39) or reproach (kind 1:
// b00-b39) recording, in the practice's voice when it has recorded that one;
// with wait to its end and half a second beyond. False when the chosen file
// does not exist.
bool PlayFeedbackSound(int kind, bool wait);
