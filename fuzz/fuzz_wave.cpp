// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the wave reader: any bytes must parse or be refused, and what parses
// must be whole PCM frames in a supported format that survive writing and
// reading back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WaveData wave;
    if (!ParseWave(bytes, wave))
        return 0;
    if ((wave.channels != 1 && wave.channels != 2) || (wave.bitsPerSample != 8 && wave.bitsPerSample != 16) ||
        wave.sampleRate < 1000 || wave.sampleRate > 192000 || wave.samples.size() % wave.FrameBytes() != 0 ||
        wave.samples.size() > size || wave.DurationMs() < 0)
        std::abort();
    WaveData back;
    if (!ParseWave(BuildWave(wave), back) || back.samples != wave.samples || back.sampleRate != wave.sampleRate ||
        back.channels != wave.channels || back.bitsPerSample != wave.bitsPerSample)
        std::abort();
    return 0;
}
