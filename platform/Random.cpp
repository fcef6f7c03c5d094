// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A small permuted congruential generator (PCG32): fast, well distributed and
// the same sequence on every platform for a given seed.
#include "platform/Random.h"

namespace {

uint64_t g_state = 0x853C49E6748FEA9BULL;
constexpr uint64_t kIncrement = 0xDA3E39CB94B95BDBULL;

uint32_t Next32()
{
    const uint64_t old = g_state;
    g_state = old * 6364136223846793005ULL + kIncrement;
    const uint32_t xorshifted = static_cast<uint32_t>(((old >> 18) ^ old) >> 27);
    const uint32_t rot = static_cast<uint32_t>(old >> 59);
    return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

}  // namespace

void SeedRandom(uint64_t seed)
{
    g_state = 0;
    Next32();
    g_state += seed;
    Next32();
}

int RandomInt(int n)
{
    if (n <= 0)
        return 0;
    // Lemire's multiply-shift with rejection: exactly uniform.
    const uint32_t range = static_cast<uint32_t>(n);
    uint64_t m = static_cast<uint64_t>(Next32()) * range;
    uint32_t low = static_cast<uint32_t>(m);
    if (low < range) {
        const uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            m = static_cast<uint64_t>(Next32()) * range;
            low = static_cast<uint32_t>(m);
        }
    }
    return static_cast<int>(m >> 32);
}

int Random15()
{
    return static_cast<int>(Next32() >> 17);
}

int32_t Random31()
{
    return static_cast<int32_t>(Next32() >> 1);
}
