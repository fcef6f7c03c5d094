// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The hiss of the sibilants (s, sz, ś, c, cz, ć) in spoken words: where it
// is, how long it lasts, and making it last longer so that a child hears it.
#pragma once

#include <cstddef>
#include <vector>

#include "tools/datagen/SampleTools.h"

struct FricationRun {
    std::size_t start = 0;   // first sample
    std::size_t length = 0;  // in samples
};

// The stretches of loud, high-pitched noise, found in 10 ms frames: loud
// enough against the loudest frame and crossing zero as often as a hiss does.
// Runs shorter than 30 ms are left out.
std::vector<FricationRun> FricationRuns(const Samples& samples, int rate);

// The longest run in seconds, 0 when there is none.
double LongestFricationSeconds(const Samples& samples, int rate);

// Every run made `factor` times as long (1 to 2), the rest untouched. Noise
// has no period to keep in step, so the run grows by a copy of its own middle
// spliced in with an equal-power cross-fade: no click, no change of loudness.
Samples LengthenFrication(const Samples& samples, int rate, double factor);
