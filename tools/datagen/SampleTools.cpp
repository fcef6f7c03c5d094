// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shaping of mono 16-bit sound for the data tree.
#include "tools/datagen/SampleTools.h"

#include <algorithm>
#include <cmath>

Samples MonoSamples(const WaveData& wave)
{
    const int64_t frames = wave.Frames();
    const int bytes = wave.bitsPerSample / 8;
    Samples out(static_cast<std::size_t>(frames));
    for (int64_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < wave.channels; ++c) {
            const std::size_t at = static_cast<std::size_t>(f * wave.FrameBytes() + c * bytes);
            const auto lo = static_cast<unsigned char>(wave.samples[at]);
            sum += bytes == 2 ? static_cast<int16_t>(lo | static_cast<unsigned char>(wave.samples[at + 1]) << 8)
                              : (lo - 128) * 256;
        }
        out[static_cast<std::size_t>(f)] = static_cast<int16_t>(sum / std::max(1, wave.channels));
    }
    return out;
}

Samples Resample(const Samples& in, int fromRate, int toRate)
{
    if (fromRate == toRate || in.empty())
        return in;
    const std::size_t outCount = static_cast<std::size_t>(static_cast<double>(in.size()) * toRate / fromRate);
    Samples out(outCount);
    for (std::size_t i = 0; i < outCount; ++i) {
        const double at = static_cast<double>(i) * fromRate / toRate;
        const std::size_t k = static_cast<std::size_t>(at);
        const double frac = at - static_cast<double>(k);
        const double a = in[std::min(k, in.size() - 1)];
        const double b = in[std::min(k + 1, in.size() - 1)];
        out[i] = static_cast<int16_t>(std::lround(a + (b - a) * frac));
    }
    return out;
}

void TrimAndNormalise(Samples& samples, double peak)
{
    int loudest = 0;
    for (int16_t s : samples)
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    if (loudest == 0) {
        samples.clear();
        return;
    }
    // Quiet is anything under 2 % of the loudest sample; the margins keep soft
    // starting consonants and the natural decay of the last sound.
    const int threshold = std::max(1, loudest / 50);
    std::size_t first = 0;
    while (first < samples.size() && std::abs(static_cast<int>(samples[first])) < threshold)
        ++first;
    std::size_t last = samples.size();
    while (last > first && std::abs(static_cast<int>(samples[last - 1])) < threshold)
        --last;
    const std::size_t before = kWaveRate * 30 / 1000;
    const std::size_t after = kWaveRate * 80 / 1000;
    first = first > before ? first - before : 0;
    last = std::min(samples.size(), last + after);
    Samples cut(samples.begin() + static_cast<std::ptrdiff_t>(first), samples.begin() + static_cast<std::ptrdiff_t>(last));

    const double gain = peak * 32767.0 / loudest;
    const std::size_t fade = std::min<std::size_t>(kWaveRate * 5 / 1000, cut.size() / 2);
    for (std::size_t i = 0; i < cut.size(); ++i) {
        double v = cut[i] * gain;
        if (i < fade)
            v *= static_cast<double>(i) / fade;
        if (cut.size() - 1 - i < fade)
            v *= static_cast<double>(cut.size() - 1 - i) / fade;
        cut[i] = static_cast<int16_t>(std::clamp(std::lround(v), -32767L, 32767L));
    }
    samples = std::move(cut);
}
