// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Wave-file parsing and writing.
#include "platform/WaveFile.h"

#include <algorithm>
#include <cstring>

#include "platform/Paths.h"

namespace {

// Ten minutes of 48 kHz stereo: far beyond any recording or music of the
// program, small enough never to exhaust memory on a corrupt size field.
constexpr std::uintmax_t kMaxWaveFileBytes = 128u * 1024u * 1024u;

uint32_t Le32(const std::string& b, std::size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, std::size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

void Put32(std::string& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Put16(std::string& b, uint16_t v)
{
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
}

}  // namespace

bool FindWaveChunks(const std::string& bytes, WaveChunks& out)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const uint32_t size = Le32(bytes, pos + 4);
        const std::size_t body = pos + 8;
        if (std::memcmp(bytes.data() + pos, "fmt ", 4) == 0 && !haveFormat) {
            out.format = body;
            out.formatSize = size;
            haveFormat = true;
        } else if (std::memcmp(bytes.data() + pos, "data", 4) == 0) {
            if (!haveFormat)
                return false;
            out.data = body;
            out.dataSize = static_cast<std::size_t>(std::min<uint64_t>(size, bytes.size() - body));
            return true;
        }
        const uint64_t next = static_cast<uint64_t>(body) + size + (size & 1);
        if (next > bytes.size())
            break;
        pos = static_cast<std::size_t>(next);
    }
    return false;
}

bool ParseWave(const std::string& bytes, WaveData& out)
{
    WaveChunks chunks;
    if (!FindWaveChunks(bytes, chunks))
        return false;
    const std::size_t body = chunks.format;
    if (chunks.formatSize < 16 || body + 16 > bytes.size())
        return false;
    uint16_t format = Le16(bytes, body);
    // The extensible layout names its sample format in a sub-format field.
    if (format == 0xFFFE && chunks.formatSize >= 40 && body + 40 <= bytes.size())
        format = Le16(bytes, body + 24);
    const uint16_t channels = Le16(bytes, body + 2);
    const uint32_t rate = Le32(bytes, body + 4);
    const uint16_t align = Le16(bytes, body + 12);
    const uint16_t bits = Le16(bytes, body + 14);
    if (format != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1000 || rate > 192000 ||
        align != channels * bits / 8)
        return false;
    WaveData wave;
    wave.channels = channels;
    wave.sampleRate = static_cast<int>(rate);
    wave.bitsPerSample = bits;
    const std::size_t whole = chunks.dataSize - chunks.dataSize % static_cast<std::size_t>(wave.FrameBytes());
    wave.samples.assign(bytes, chunks.data, whole);
    out = std::move(wave);
    return true;
}

bool LoadWaveFile(const std::filesystem::path& file, WaveData& out)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxWaveFileBytes)
        return false;
    std::string bytes;
    return ReadWholeFile(file, bytes) && ParseWave(bytes, out);
}

std::string BuildWave(const WaveData& wave)
{
    const uint32_t frameBytes = static_cast<uint32_t>(wave.FrameBytes());
    const uint32_t dataBytes = static_cast<uint32_t>(wave.samples.size() - wave.samples.size() % std::max(frameBytes, 1u));
    std::string b;
    b.reserve(46 + dataBytes + 1);
    b += "RIFF";
    Put32(b, 38 + dataBytes + (dataBytes & 1));
    b += "WAVEfmt ";
    Put32(b, 18);
    Put16(b, 1);
    Put16(b, static_cast<uint16_t>(wave.channels));
    Put32(b, static_cast<uint32_t>(wave.sampleRate));
    Put32(b, static_cast<uint32_t>(wave.sampleRate) * frameBytes);
    Put16(b, static_cast<uint16_t>(frameBytes));
    Put16(b, static_cast<uint16_t>(wave.bitsPerSample));
    Put16(b, 0);
    b += "data";
    Put32(b, dataBytes);
    b.append(wave.samples, 0, dataBytes);
    if (dataBytes & 1)
        b.push_back('\0');  // chunks are padded to an even length
    return b;
}

std::vector<int16_t> Samples16(const WaveData& wave)
{
    std::vector<int16_t> samples(wave.bitsPerSample == 16 ? wave.samples.size() / 2 : 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<unsigned char>(wave.samples[2 * i]) |
                                          static_cast<unsigned char>(wave.samples[2 * i + 1]) << 8);
    return samples;
}

std::string BuildRecordingWave(const std::vector<int16_t>& samples)
{
    WaveData wave;
    wave.sampleRate = kRecordingRate;
    wave.channels = 1;
    wave.bitsPerSample = 16;
    wave.samples.reserve(samples.size() * 2);
    for (const int16_t s : samples) {
        const auto u = static_cast<uint16_t>(s);
        wave.samples.push_back(static_cast<char>(u & 0xFF));
        wave.samples.push_back(static_cast<char>(u >> 8));
    }
    return BuildWave(wave);
}

std::string EmptyRecordingWave()
{
    return BuildRecordingWave({});
}
