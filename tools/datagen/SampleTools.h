// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shaping of mono 16-bit sound for the data tree: from parsed waves, to the
// recording rate, trimmed and normalised.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/WaveFile.h"

// Every recording of the data tree is 22050 Hz mono 16-bit PCM.
inline constexpr int kWaveRate = kRecordingRate;

using Samples = std::vector<int16_t>;

// The sound of a parsed wave as mono 16-bit samples (stereo is mixed down).
Samples MonoSamples(const WaveData& wave);

// Linear-interpolation change of sample rate.
Samples Resample(const Samples& in, int fromRate, int toRate);

// Cuts leading and trailing quiet (keeping a short margin), scales the peak to
// the given fraction of full scale and fades the ends so that nothing clicks.
void TrimAndNormalise(Samples& samples, double peak);
