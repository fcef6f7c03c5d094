// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Polish speech from espeak-ng, turned into the data tree's recordings.
#pragma once

#include <string>

#include "tools/datagen/SampleTools.h"

struct SpeechVoice {
    int speed = 140;  // words per minute
    int pitch = 50;   // 0..99
    // How many times as long the hiss of a sibilant is made (1 leaves it).
    double fricationStretch = 1.0;
};

// Speaks UTF-8 text with espeak-ng's Polish voice; the samples come back at
// 22050 Hz. Throws std::runtime_error when espeak-ng cannot be run or gives no sound.
Samples Speak(const std::string& utf8Text, const SpeechVoice& voice);

// A recording ready for the data tree: spoken, trimmed, normalised, wave bytes.
std::string SpokenWave(const std::string& utf8Text, const SpeechVoice& voice);
