// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one pseudo-random generator, seeded once at start-up from the
// clock or from --seed, so a seeded run repeats exactly.
#pragma once

#include <cstdint>

void SeedRandom(uint64_t seed);
// A uniform integer 0 <= r < n; RandomInt(0) (or a negative n) is 0.
int RandomInt(int n);
// A uniform integer 0 ... 32767.
int Random15();
// A uniform integer 0 ... 2^31 - 1.
int32_t Random31();
