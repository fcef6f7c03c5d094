// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing RIFF wave files of PCM sound, shared by every player and
// recorder. Parsing is defensive: damaged or lying files are refused, never
// trusted.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// PCM sound as a wave file holds it.
struct WaveData {
    int sampleRate = 0;
    int channels = 0;       // 1 or 2
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    std::string samples;    // whole frames only

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    int64_t Frames() const { return FrameBytes() > 0 ? static_cast<int64_t>(samples.size()) / FrameBytes() : 0; }
    int DurationMs() const { return sampleRate > 0 ? static_cast<int>(Frames() * 1000 / sampleRate) : 0; }
};

// The recordings are made in this format: 22050 Hz, mono, 16-bit.
constexpr int kRecordingRate = 22050;

// Where the format and the sound of a RIFF wave file lie: the bodies of its
// first "fmt " chunk and of the "data" chunk after it, the data cut to the
// bytes that are there. False when the bytes are not a RIFF WAVE file or a
// chunk is missing (a "data" chunk before any "fmt " one counts as missing).
struct WaveChunks {
    std::size_t format = 0;
    uint32_t formatSize = 0;
    std::size_t data = 0;
    std::size_t dataSize = 0;
};
bool FindWaveChunks(const std::string& bytes, WaveChunks& out);

// Parses a wave file of 8- or 16-bit PCM (plain or extensible layout), mono or stereo, at 1000..192000 Hz.
// A data chunk cut short counts only the frames that are there. False (and
// `out` untouched) for anything else.
bool ParseWave(const std::string& bytes, WaveData& out);

// Reads and parses a wave file; files beyond a sane size are refused.
bool LoadWaveFile(const std::filesystem::path& file, WaveData& out);

// The bytes of a wave file: "RIFF", an 18-byte format chunk, the data chunk.
std::string BuildWave(const WaveData& wave);

// The samples of 16-bit sound as numbers (a stereo sound's channels in turn).
std::vector<int16_t> Samples16(const WaveData& wave);

// A wave file of 16-bit mono samples at the recording rate.
std::string BuildRecordingWave(const std::vector<int16_t>& samples);

// The 46-byte header-only wave file a recording starts from.
std::string EmptyRecordingWave();
