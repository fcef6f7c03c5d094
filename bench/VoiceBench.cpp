// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the voice screen does between the end of a take and its playback: the
// take shaped (speech found, trimmed, brought to level) and made a wave file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "platform/WaveFile.h"
#include "voice/VoiceTake.h"

namespace {

// A take of 1.8 s as the microphone gives it: room noise, then a generated
// word of the tree beside the benchmark program (or a vowel-like tone).
std::vector<int16_t> Take()
{
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    WaveData word;
    std::vector<int16_t> spoken;
    if (LoadWaveFile(dir / "Data" / "Smd" / "szalik.pw", word))
        spoken = Samples16(word);
    else
        for (int i = 0; i < kRecordingRate; ++i)
            spoken.push_back(static_cast<int16_t>(6000 * ((i / 50) % 2 ? 1 : -1)));
    std::vector<int16_t> take(static_cast<std::size_t>(kRecordingRate) * 18 / 10);
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 40);
    for (std::size_t i = 0; i < take.size(); ++i) {
        double v = noise(random);
        if (i >= 5000 && i - 5000 < spoken.size())
            v += spoken[i - 5000] * 0.3;
        take[i] = static_cast<int16_t>(v);
    }
    return take;
}

void BM_ShapeTake(benchmark::State& state)
{
    const std::vector<int16_t> take = Take();
    for (auto _ : state) {
        const ProcessedTake kept = ProcessTake(take);
        benchmark::DoNotOptimize(BuildRecordingWave(kept.samples));
    }
}
BENCHMARK(BM_ShapeTake)->Unit(benchmark::kMillisecond);

}  // namespace
