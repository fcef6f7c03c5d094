// Mono 16-bit sound samples and the RIFF wave files that carry them.
#include "tools/datagen/WaveData.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void Put16(std::string& out, uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint32_t Get32(std::string_view b, std::size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Get16(std::string_view b, std::size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

std::string EncodeWave(const Samples& samples, int rate)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

bool DecodeWave(std::string_view bytes, Samples& samples, int& rate)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return false;
    int channels = 0;
    int bits = 0;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const uint32_t size = Get32(bytes, pos + 4);
        const std::size_t body = pos + 8;
        const std::string_view id = bytes.substr(pos, 4);
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size() || Get16(bytes, body) != 1)
                return false;
            channels = Get16(bytes, body + 2);
            rate = static_cast<int>(Get32(bytes, body + 4));
            bits = Get16(bytes, body + 14);
            if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate <= 0)
                return false;
        } else if (id == "data") {
            if (channels == 0)
                return false;
            // Streamed output leaves the size unset (0 or all ones): take what is there.
            std::size_t available = bytes.size() - body;
            if (size != 0 && size != 0xFFFFFFFFu && size < available)
                available = size;
            const std::size_t frameBytes = static_cast<std::size_t>(channels) * (bits / 8);
            const std::size_t frames = available / frameBytes;
            samples.assign(frames, 0);
            for (std::size_t f = 0; f < frames; ++f) {
                int sum = 0;
                for (int c = 0; c < channels; ++c) {
                    const std::size_t at = body + f * frameBytes + static_cast<std::size_t>(c) * (bits / 8);
                    sum += bits == 16 ? static_cast<int16_t>(Get16(bytes, at))
                                      : (static_cast<unsigned char>(bytes[at]) - 128) * 256;
                }
                samples[f] = static_cast<int16_t>(sum / channels);
            }
            return true;
        }
        pos = body + size + (size & 1);
    }
    return false;
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
