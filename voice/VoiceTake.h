// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One take of a word or phrase in the practice's voice, made ready to keep:
// the silence and room noise before and after the speech cut off, the
// loudness brought to the level of the generated recordings, and a take that
// cannot serve (clipped, too quiet, noise only, too short, too long) refused
// with the reason. Samples in, samples out: no sound device is involved, so
// the screen and the import shape takes alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TakeVerdict { Kept, Silent, TooQuiet, Noisy, Clipped, TooShort, TooLong };

struct ProcessedTake {
    TakeVerdict verdict = TakeVerdict::Silent;
    // The shaped take at the recording rate, mono; empty unless kept.
    std::vector<int16_t> samples;
    // Where the speech was found in the samples given (without the margins
    // kept around it), in samples; both 0 when none was found.
    std::size_t speechStart = 0;
    std::size_t speechEnd = 0;
};

// A kept take is at most this long, margins included: the games wait for a
// word to end, and a longer sound would hold the child up.
inline constexpr int kLongestTakeMs = 2500;
// Speech shorter than this is a click or a cough, not a word.
inline constexpr int kShortestSpeechMs = 150;
// The generated recordings' loudness: the median of their speech levels (as
// SpeechLevel measures them; the words lie between 2900 and 7200), and their
// peak, 0.9 of full scale. A kept take has this speech level unless its peak
// would then pass the ceiling; then its peak is the ceiling.
inline constexpr int kSpeechLevel = 4500;
inline constexpr int kPeakCeiling = 29490;

// Shapes a take recorded at the recording rate (22050 Hz, mono).
ProcessedTake ProcessTake(const std::vector<int16_t>& samples);

// The loudness of the speech in samples at the recording rate: the root mean
// square over the frames that hold speech; 0 when none was found.
double SpeechLevel(const std::vector<int16_t>& samples);

// What the adult is told about a refused take, and what to do (cp1250).
std::string TakeVerdictText(TakeVerdict verdict);
