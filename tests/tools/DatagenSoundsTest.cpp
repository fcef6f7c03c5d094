// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's recordings and music: valid waves of the program's format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "platform/SoundPlayer.h"
#include "tests/TestSupport.h"
#include "tools/datagen/DataTree.h"
#include "tools/datagen/Frication.h"
#include "core/FeedbackPhrases.h"
#include "tools/datagen/Music.h"
#include "tools/datagen/Speech.h"
#include "platform/WaveFile.h"
#include "tools/datagen/SampleTools.h"

namespace {

int Peak(const Samples& s)
{
    int peak = 0;
    for (int16_t v : s)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

// Checks that bytes are a 22050 Hz mono 16-bit wave of some length.
void ExpectProgramWave(const std::string& bytes, const std::string& what)
{
    EXPECT_GT(WaveDurationMs(bytes), 0) << what;
    WaveData wave;
    ASSERT_TRUE(ParseWave(bytes, wave)) << what;
    EXPECT_EQ(wave.sampleRate, 22050) << what;
    EXPECT_EQ(wave.channels, 1) << what;
    EXPECT_EQ(wave.bitsPerSample, 16) << what;
}

Samples SamplesOf(const std::string& bytes)
{
    WaveData wave;
    EXPECT_TRUE(ParseWave(bytes, wave));
    return MonoSamples(wave);
}

}  // namespace

TEST(DatagenWave, TrimKeepsTheSoundWithShortMarginsAndScalesThePeak)
{
    Samples s(22050, 0);  // a second of silence, a tenth of a second of tone in the middle
    for (int i = 0; i < 2205; ++i)
        s[11025 + i] = static_cast<int16_t>(1000 * std::sin(i * 0.3));
    TrimAndNormalise(s, 0.5);
    // 100 ms of tone plus 30 ms before and 80 ms after.
    EXPECT_NEAR(static_cast<double>(s.size()), 2205 + 661 + 1764, 10);
    EXPECT_NEAR(Peak(s), 16384, 40);
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);

    Samples silent(1000, 0);
    TrimAndNormalise(silent, 0.9);
    EXPECT_TRUE(silent.empty());
}

TEST(DatagenWave, PipedWavesAreReadAndStereoIsMixedDown)
{
    const Samples s = {0, 100, -100, 32767, -32767, 5};
    std::string bytes = BuildRecordingWave(s);
    EXPECT_EQ(SamplesOf(bytes), s);
    // A piped wave carries no real sizes: the data runs to the end.
    const std::size_t dataSize = bytes.find("data") + 4;
    bytes.replace(dataSize, 4, "\xFF\xFF\xFF\x7F");
    bytes.replace(4, 4, "\xFF\xFF\xFF\x7F");
    EXPECT_EQ(SamplesOf(bytes), s);

    WaveData stereo;
    stereo.sampleRate = 11025;
    stereo.channels = 2;
    stereo.bitsPerSample = 16;
    stereo.samples = std::string("\x10\x00\x30\x00\xF0\xFF\x10\x00", 8);  // (16, 48), (-16, 16)
    EXPECT_EQ(MonoSamples(stereo), (Samples{32, 0}));

    const Samples doubled = Resample(Samples(100, 7), 11025, 22050);
    EXPECT_EQ(doubled.size(), 200u);
    EXPECT_EQ(doubled[150], 7);
}

TEST(DatagenSpeech, WordsAreSpokenAsProgramWaves)
{
    const std::string wave = SpokenWave("żaba", SpeechVoice{});
    ExpectProgramWave(wave, "żaba");
    EXPECT_GT(Peak(SamplesOf(wave)), 29000);
    EXPECT_LT(WaveDurationMs(wave), 2000);  // the silence around the word is gone
    EXPECT_EQ(wave, SpokenWave("żaba", SpeechVoice{}));
}

TEST(DatagenSpeech, RecordingsOfAFewWordsAndAllFeedbackLandInTheTree)
{
    TempDir dir;
    WriteWordRecordings(dir.Path(), {{"zaba", "żaba"}, {"losss", "łoś"}, {"sowa", "sowa"}}, 2);
    ExpectProgramWave(dir.Read("Data/Smd/zaba.pw"), "zaba.pw");
    ExpectProgramWave(dir.Read("Data/Smd/losss.pw"), "losss.pw");
    // Model words are slow, and their hiss long enough to hear and copy:
    // espeak-ng's ordinary speed gives about 0.6 s and 80 ms of hiss.
    const std::string sowa = dir.Read("Data/Smd/sowa.pw");
    EXPECT_GT(WaveDurationMs(sowa), 900);
    EXPECT_GT(WaveDurationMs(sowa), WaveDurationMs(SpokenWave("sowa", SpeechVoice{})) * 3 / 2);
    EXPECT_GE(LongestFricationSeconds(SamplesOf(sowa), kWaveRate), 0.15);

    ASSERT_EQ(PraisePhrases().size(), static_cast<std::size_t>(kPraiseCount));
    ASSERT_EQ(ReproachPhrases().size(), static_cast<std::size_t>(kReproachCount));
    std::set<std::string> distinct(PraisePhrases().begin(), PraisePhrases().end());
    distinct.insert(ReproachPhrases().begin(), ReproachPhrases().end());
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kPraiseCount + kReproachCount));

    WriteFeedbackRecordings(dir.Path(), 2);
    for (const char* name : {"g00", "g46", "b00", "b39"})
        ExpectProgramWave(dir.Read(std::string("Data/Intf/Smd/") + name + ".pw"), name);
    // A reproach is over quickly, so that the child can try again at once.
    for (int i = 0; i < kReproachCount; ++i) {
        const std::string name = std::string("b") + static_cast<char>('0' + i / 10) + static_cast<char>('0' + i % 10);
        EXPECT_LE(WaveDurationMs(dir.Read("Data/Intf/Smd/" + name + ".pw")), 2000) << ReproachPhrases()[i];
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Data/Intf/Smd/g47.pw"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Data/Intf/Smd/b40.pw"));
}

TEST(DatagenSpeech, PraiseFitsGirlsAndBoysAlikeAndAnySpeaker)
{
    // Polish marks the gender in adjectives after "jesteś"/"jestem" and in the
    // past tense of the first and second person ("wiedziałem", "zrobiłaś").
    for (const std::string& phrase : PraisePhrases()) {
        std::string word;
        std::vector<std::string> words;
        for (char c : phrase + " ") {
            if (c == ' ' || c == ',' || c == '!' || c == '.' || c == '?') {
                if (!word.empty())
                    words.push_back(word);
                word.clear();
            } else {
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string& w = words[i];
            for (const char* ending : {"łem", "łam", "łeś", "łaś"})
                EXPECT_FALSE(w.size() > 4 && w.ends_with(ending)) << phrase;
            EXPECT_FALSE((w == "jesteś" || w == "jestem") && i + 1 < words.size()) << phrase;
            EXPECT_NE(w, "zuch") << phrase;
        }
    }
}

TEST(DatagenMusic, AboutAMinuteQuietAndAlwaysTheSame)
{
    const Samples music = ComposeMusic();
    const double seconds = static_cast<double>(music.size()) / kWaveRate;
    EXPECT_GT(seconds, 50);
    EXPECT_LT(seconds, 80);
    EXPECT_LE(Peak(music), 32767 / 2);  // stays under speech
    EXPECT_GT(Peak(music), 32767 / 5);
    EXPECT_EQ(music.back(), 0);  // faded out, no click at the end
    const std::string wave = MusicWave();
    ExpectProgramWave(wave, "music.wav");
    EXPECT_EQ(SamplesOf(wave), music);
}
