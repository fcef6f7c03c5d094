// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlMediaPlayer.h"
#include "platform/sdl/SdlSoundPlayer.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Points SDL at one of its test drivers for the lifetime of the object.
class AudioDriver {
public:
    explicit AudioDriver(const char* name) { ::setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver()
    {
        ::unsetenv("SDL_AUDIODRIVER");
        ::unsetenv("SDL_DISKAUDIOFILE");
        ::unsetenv("SDL_DISKAUDIOFILEIN");
    }
};

WaveData Constant(int rate, int16_t value, int ms)
{
    WaveData w;
    w.sampleRate = rate;
    w.channels = 1;
    w.bitsPerSample = 16;
    const auto u = static_cast<uint16_t>(value);
    for (int i = 0; i < rate * ms / 1000; ++i) {
        w.samples.push_back(static_cast<char>(u & 0xFF));
        w.samples.push_back(static_cast<char>(u >> 8));
    }
    return w;
}

// Waits in real time, running what the audio threads post, until `done` or a few seconds passed.
template <typename Done>
bool PumpUntil(Done done)
{
    RealClock clock;
    for (int i = 0; i < 500 && !done(); ++i) {
        clock.Sleep(10);
        FireDueTimers();
        RunPostedCallbacks();
    }
    return done();
}

}  // namespace

TEST(SdlAudio, ConvertsEightBitMonoToTheMixersStereo)
{
    WaveData w;
    w.sampleRate = 22050;
    w.channels = 1;
    w.bitsPerSample = 8;
    w.samples = std::string(2205, '\x80') + std::string(2205, '\xFF');
    std::vector<int16_t> out;
    ASSERT_TRUE(ConvertWave(w, 44100, 2, out));
    // Twice the rate, two channels: about four times the samples.
    EXPECT_NEAR(static_cast<double>(out.size()), 4.0 * 4410, 64);
    EXPECT_NEAR(out[400], 0, 300);          // 0x80 is the silent middle of 8-bit sound
    EXPECT_GT(out[out.size() - 400], 30000);  // 0xFF is near the top
    EXPECT_EQ(out[out.size() - 400], out[out.size() - 399]);  // both channels alike
    WaveData none;
    EXPECT_FALSE(ConvertWave(none, 44100, 2, out));
}

TEST(SdlAudio, MixesVoicesTogetherAndClipsInsteadOfWrappingAround)
{
    TempDir dir;
    AudioDriver driver("disk");
    const fs::path output = dir.Path() / "out.raw";
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    {
        SdlAudio audio;
        ASSERT_TRUE(audio.OutputAvailable());
        int ended = 0;
        // The first voice is long, so the second lies inside it even when the
        // audio thread runs ahead between the two starts on a busy machine.
        const uint64_t a = audio.Start(Constant(44100, 30000, 1000), [&] { ++ended; });
        const uint64_t b = audio.Start(Constant(22050, 20000, 100));
        ASSERT_NE(a, 0u);
        ASSERT_NE(b, 0u);
        EXPECT_TRUE(audio.IsSounding(a));
        EXPECT_TRUE(audio.Wait(a, 30000));
        EXPECT_FALSE(audio.IsSounding(b));
        EXPECT_EQ(ended, 1);
        // A stopped voice ends at once and without its end callback.
        const uint64_t c = audio.Start(Constant(44100, 100, 5000), [&] { ++ended; });
        audio.Stop(c);
        EXPECT_TRUE(audio.Wait(c, 0));
        EXPECT_EQ(ended, 1);
    }
    std::string raw;
    ASSERT_TRUE(ReadWholeFile(output, raw));
    std::vector<int16_t> s(raw.size() / 2);
    std::memcpy(s.data(), raw.data(), s.size() * 2);
    int clipped = 0, alone = 0, negative = 0;
    for (const int16_t v : s) {
        clipped += v == 32767;
        alone += std::abs(v - 30000) <= 2;
        negative += v < 0;
    }
    EXPECT_NEAR(clipped, 2 * 4410, 200);  // both voices together: 100 ms of stereo frames at the top
    EXPECT_NEAR(alone, 2 * (44100 - 4410), 2200);  // the rest of the first voice alone
    EXPECT_EQ(negative, 0);
}

TEST(SdlSoundPlayer, PlaysToTheEndOrInTheBackgroundAndRefusesDamagedFiles)
{
    TempDir dir;
    AudioDriver driver("dummy");
    dir.Write("a.pw", BuildWave(Constant(22050, 1000, 300)));
    dir.Write("bad.pw", "RIFF\x20\0\0\0WAVEfmt \x10\0\0\0garbage");
    dir.Write("long.pw", BuildWave(Constant(8000, 1000, 5000)));
    auto audio = std::make_shared<SdlAudio>();
    SdlSoundPlayer player(audio);
    ASSERT_TRUE(audio->OutputAvailable());

    RealClock clock;
    const int64_t start = clock.Milliseconds();
    EXPECT_TRUE(player.Play(dir.Path() / "a.pw", true));
    EXPECT_GE(clock.Milliseconds() - start, 250);
    EXPECT_FALSE(player.IsSounding());

    EXPECT_TRUE(player.Play(dir.Path() / "long.pw", false));
    EXPECT_TRUE(player.IsSounding());
    EXPECT_FALSE(player.Play(dir.Path() / "bad.pw", false));
    EXPECT_FALSE(player.Play(dir.Path() / "missing.pw", false));
    EXPECT_TRUE(player.IsSounding());  // a refused file leaves the sound in progress alone
    player.Beep();
    player.Stop();
    EXPECT_FALSE(player.IsSounding());
}

TEST(SdlMediaPlayer, PlaysWithAnEndNotificationAndRecordsTheCaptureDeviceUpToTheLimit)
{
    TempDir dir;
    AudioDriver driver("disk");
    // What the "microphone" hears: a ramp, at the recording format.
    std::string heard;
    for (int i = 0; i < kRecordingRate; ++i) {
        const auto v = static_cast<uint16_t>(i % 2000);
        heard.push_back(static_cast<char>(v & 0xFF));
        heard.push_back(static_cast<char>(v >> 8));
    }
    dir.Write("in.raw", heard);
    ::setenv("SDL_DISKAUDIOFILE", (dir.Path() / "out.raw").c_str(), 1);
    ::setenv("SDL_DISKAUDIOFILEIN", (dir.Path() / "in.raw").c_str(), 1);
    dir.Write("n.wav", BuildWave(Constant(22050, 500, 200)));

    auto audio = std::make_shared<SdlAudio>();
    SdlMediaPlayer player(audio);
    int notified = 0;
    player.OnNotify = [&] { ++notified; };
    player.Notify = true;
    ASSERT_TRUE(player.Open(dir.Path() / "n.wav"));
    EXPECT_EQ(player.Length(), 200);
    ASSERT_TRUE(player.Play());
    EXPECT_TRUE(PumpUntil([&] { return notified == 1; }));
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);

    ASSERT_TRUE(player.StartRecording(500)) << player.ErrorMessage();
    EXPECT_TRUE(PumpUntil([&] { return notified == 2; }));
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    WaveData recorded;
    ASSERT_TRUE(LoadWaveFile(dir.Path() / "n.wav", recorded));
    EXPECT_EQ(recorded.sampleRate, 22050);
    EXPECT_EQ(recorded.channels, 1);
    EXPECT_EQ(recorded.samples, heard.substr(0, 22050));  // exactly 500 ms of what was heard
    EXPECT_EQ(player.Length(), 500);

    // Stopped early by hand: a shorter but complete file, and no notification.
    ASSERT_TRUE(player.StartRecording(60000));
    PumpUntil([&] { return player.Length() >= 100; });
    player.Stop();
    ASSERT_TRUE(LoadWaveFile(dir.Path() / "n.wav", recorded));
    EXPECT_GE(recorded.DurationMs(), 100);
    EXPECT_LT(recorded.DurationMs(), 60000);
    EXPECT_EQ(notified, 2);
}

TEST(SdlSound, WithoutAnyAudioDeviceTheProgramKeepsTimeSilentlyAndRecordingSaysWhy)
{
    ProgramSandbox box;
    AudioDriver driver("no-such-driver");
    box.Dir().Write("a.pw", BuildWave(Constant(8000, 1000, 700)));
    box.Dir().Write("r.wav", EmptyRecordingWave());
    auto audio = std::make_shared<SdlAudio>();
    EXPECT_FALSE(audio->OutputAvailable());
    EXPECT_EQ(audio->Start(Constant(8000, 1, 100)), 0u);

    SdlSoundPlayer sounds(audio);
    const int64_t before = box.Clock().Milliseconds();
    EXPECT_TRUE(sounds.Play(box.Root() / "a.pw", true));
    EXPECT_EQ(box.Clock().Milliseconds() - before, 700);
    EXPECT_TRUE(sounds.Play(box.Root() / "a.pw", false));
    EXPECT_EQ(box.Clock().Milliseconds() - before, 700);
    sounds.Beep();

    SdlMediaPlayer player(audio);
    int notified = 0;
    player.OnNotify = [&] { ++notified; };
    player.Notify = true;
    ASSERT_TRUE(player.Open(box.Root() / "a.pw"));
    ASSERT_TRUE(player.Play());
    box.Clock().Sleep(699);
    FireDueTimers();
    RunPostedCallbacks();
    EXPECT_EQ(notified, 0);
    box.Clock().Sleep(1);
    FireDueTimers();
    RunPostedCallbacks();
    EXPECT_EQ(notified, 1);

    const std::string before2 = box.Dir().Read("a.pw");
    EXPECT_FALSE(player.StartRecording(1000));
    EXPECT_NE(player.ErrorMessage().find("nagrywania"), std::string::npos);
    EXPECT_EQ(box.Dir().Read("a.pw"), before2);
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
}

TEST(SdlSoundPlayer, TheRefusalBeepIsTwoThousandHertzForTenMilliseconds)
{
    const WaveData tone = RefusalBeepTone();
    ASSERT_EQ(tone.channels, 1);
    ASSERT_EQ(tone.bitsPerSample, 16);
    EXPECT_EQ(tone.DurationMs(), 10);
    EXPECT_EQ(tone.Frames(), tone.sampleRate / 100);
    // Rising zero crossings count the periods: 20 in 10 ms at 2000 Hz.
    int rising = 0;
    int16_t previous = 0;
    for (int64_t i = 0; i < tone.Frames(); ++i) {
        int16_t s = 0;
        std::memcpy(&s, tone.samples.data() + 2 * i, 2);
        if (previous < 0 && s >= 0)
            ++rising;
        previous = s;
    }
    EXPECT_GE(rising, 19);
    EXPECT_LE(rising, 20);
}
