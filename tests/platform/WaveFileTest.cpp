// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/SoundPlayer.h"
#include "platform/WaveFile.h"
#include "tests/TestSupport.h"

namespace {

WaveData Tone(int rate, int channels, int bits, int frames)
{
    WaveData w;
    w.sampleRate = rate;
    w.channels = channels;
    w.bitsPerSample = bits;
    w.samples.assign(static_cast<std::size_t>(frames * w.FrameBytes()), '\x10');
    return w;
}

void Poke32(std::string& b, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

TEST(WaveFile, EmptyRecordingFileHasTheFixedFortySixByteHeader)
{
    const std::string b = EmptyRecordingWave();
    const std::string expected("RIFF\x26\0\0\0WAVEfmt \x12\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0\0\0data\0\0\0\0", 46);
    EXPECT_EQ(b, expected);
    WaveData w;
    ASSERT_TRUE(ParseWave(b, w));
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.DurationMs(), 0);
}

TEST(WaveFile, RoundTripsEveryFormatThePlayersAccept)
{
    for (int channels : {1, 2})
        for (int bits : {8, 16}) {
            const WaveData in = Tone(8000, channels, bits, 4000);
            WaveData out;
            ASSERT_TRUE(ParseWave(BuildWave(in), out)) << channels << "x" << bits;
            EXPECT_EQ(out.channels, channels);
            EXPECT_EQ(out.bitsPerSample, bits);
            EXPECT_EQ(out.samples, in.samples);
            EXPECT_EQ(out.DurationMs(), 500);
            EXPECT_EQ(WaveDurationMs(BuildWave(in)), 500);
        }
    // An odd-sized data chunk is padded, and the next chunk still found after it.
    const std::string odd = BuildWave(Tone(8000, 1, 8, 3));
    EXPECT_EQ(odd.size(), 46u + 4u);
}

TEST(WaveFile, SkipsUnknownChunksAndKeepsOnlyWholeFramesOfATruncatedFile)
{
    std::string b = BuildWave(Tone(8000, 2, 16, 8000));
    // A "LIST" chunk between the format and the data.
    b.insert(38, std::string("LIST\x03\0\0\0abc\0", 12));
    Poke32(b, 4, static_cast<uint32_t>(b.size() - 8));
    WaveData w;
    ASSERT_TRUE(ParseWave(b, w));
    EXPECT_EQ(w.DurationMs(), 1000);
    // Cut in the middle of a frame: the data chunk still claims a second.
    b.resize(b.size() - 16001);
    ASSERT_TRUE(ParseWave(b, w));
    EXPECT_EQ(w.samples.size() % 4, 0u);
    EXPECT_EQ(w.Frames(), 3999);
}

TEST(WaveFile, RefusesDamagedAndLyingFiles)
{
    const std::string good = BuildWave(Tone(22050, 1, 16, 100));
    WaveData w;
    w.sampleRate = 7;
    auto refused = [&](std::string b) { return !ParseWave(b, w) && w.sampleRate == 7; };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(good.substr(0, 11)));
    EXPECT_TRUE(refused(good.substr(0, 30)));  // format chunk cut short
    EXPECT_TRUE(refused(good.substr(0, 38)));  // no data chunk
    std::string b = good;
    b[20] = 3;  // IEEE float
    EXPECT_TRUE(refused(b));
    b = good;
    b[22] = 6;  // six channels
    EXPECT_TRUE(refused(b));
    b = good;
    b[34] = 24;
    EXPECT_TRUE(refused(b));
    b = good;
    Poke32(b, 24, 0);  // no samples per second
    EXPECT_TRUE(refused(b));
    b = good;
    b[32] = 7;  // block alignment that contradicts the format
    EXPECT_TRUE(refused(b));
    b = good;
    Poke32(b, 16, 0xFFFFFFF0u);  // a format chunk far larger than the file
    EXPECT_TRUE(refused(b));
    // The extensible layout is PCM only when its sub-format says so.
    std::string ext = good.substr(0, 20) + std::string("\xFE\xFF\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0\x16\0\x10\0\x04\0\0\0", 24) +
                      std::string("\x01\0", 2) + std::string(14, 'g') + good.substr(38);
    Poke32(ext, 16, 40);
    ASSERT_TRUE(ParseWave(ext, w));
    EXPECT_EQ(w.Frames(), 100);
    w.sampleRate = 7;
    ext[44] = 3;  // float samples
    EXPECT_TRUE(refused(ext));
    // A data chunk before any format.
    std::string noFormat = "RIFF\x10\0\0\0WAVEdata\x02\0\0\0ab";
    EXPECT_TRUE(refused(noFormat));
    // A data size far beyond the file plays what is there.
    b = good;
    Poke32(b, 42, 0xFFFFFFFFu);
    ASSERT_TRUE(ParseWave(b, w));
    EXPECT_EQ(w.Frames(), 100);
}

TEST(WaveFile, LoadsFromDiskAndRefusesMissingOrGarbageFiles)
{
    TempDir dir;
    dir.Write("a.wav", BuildWave(Tone(16000, 1, 8, 1600)));
    dir.Write("b.wav", std::string(5000, '\x7f'));
    WaveData w;
    EXPECT_TRUE(LoadWaveFile(dir.Path() / "a.wav", w));
    EXPECT_EQ(w.DurationMs(), 100);
    EXPECT_FALSE(LoadWaveFile(dir.Path() / "b.wav", w));
    EXPECT_FALSE(LoadWaveFile(dir.Path() / "c.wav", w));
    EXPECT_FALSE(LoadWaveFile(dir.Path(), w));
}
