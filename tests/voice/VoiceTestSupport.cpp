// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/voice/VoiceTestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "platform/WaveFile.h"
#include "tests/TestSupport.h"

std::vector<int16_t> GeneratedWord(const std::string& key)
{
    const std::filesystem::path tree = GeneratedTreeDir();
    WaveData wave;
    if (tree.empty() || !LoadWaveFile(tree / "Data" / "Smd" / (key + ".pw"), wave))
        return {};
    return Samples16(wave);
}

std::vector<int16_t> TakeAround(const std::vector<int16_t>& word, double gain, int leadMs, int tailMs, double noise,
                                int offset)
{
    const std::size_t lead = static_cast<std::size_t>(leadMs) * kRecordingRate / 1000;
    const std::size_t tail = static_cast<std::size_t>(tailMs) * kRecordingRate / 1000;
    std::vector<int16_t> take(lead + word.size() + tail);
    std::mt19937 random(7);
    std::normal_distribution<double> hiss(0, noise);
    for (std::size_t i = 0; i < take.size(); ++i) {
        double v = offset + hiss(random);
        if (i >= lead && i < lead + word.size())
            v += word[i - lead] * gain;
        take[i] = static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
    }
    return take;
}

std::string WaveBytes(const std::vector<int16_t>& samples, int rate, int channels, const std::string& layout)
{
    const int bytes = layout == "pcm16" ? 2 : layout == "pcm24" ? 3 : 4;
    std::string data;
    for (const int16_t s : samples)
        for (int c = 0; c < channels; ++c) {
            if (layout == "float32") {
                const float f = s / 32768.0f;
                char raw[4];
                std::memcpy(raw, &f, 4);
                data.append(raw, 4);
            } else {
                const int32_t v = layout == "pcm24" ? s * 256 : s;
                for (int b = 0; b < bytes; ++b)
                    data += static_cast<char>((v >> (8 * b)) & 0xFF);
            }
        }
    const auto le = [](uint32_t v, int n) {
        std::string out;
        for (int i = 0; i < n; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    };
    const uint32_t align = static_cast<uint32_t>(channels * bytes);
    return "RIFF" + le(36 + static_cast<uint32_t>(data.size()), 4) + "WAVEfmt " + le(16, 4) +
           le(layout == "float32" ? 3 : 1, 2) + le(static_cast<uint32_t>(channels), 2) +
           le(static_cast<uint32_t>(rate), 4) + le(static_cast<uint32_t>(rate) * align, 4) + le(align, 2) +
           le(static_cast<uint32_t>(bytes * 8), 2) + "data" + le(static_cast<uint32_t>(data.size()), 4) + data;
}
