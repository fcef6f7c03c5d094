// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A take as a microphone brings it: the word found in the room's noise, cut
// out with its soft beginning kept, brought to the generated recordings'
// level; and the takes that cannot serve refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/WaveFile.h"
#include "tests/voice/VoiceTestSupport.h"
#include "voice/VoiceTake.h"

namespace {

constexpr int kRate = kRecordingRate;

int Ms(std::size_t samples)
{
    return static_cast<int>(samples * 1000 / kRate);
}

int Peak(const std::vector<int16_t>& s)
{
    int peak = 0;
    for (const int16_t v : s)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

}  // namespace

TEST(VoiceTake, CutsTheWordOutOfTheRoomNoiseAndBringsItToTheGeneratedLevel)
{
    // "szalik" begins with a hiss much quieter than its vowels: it must stay.
    const std::vector<int16_t> word = GeneratedWord("szalik");
    if (word.empty())
        GTEST_SKIP() << "no generated data tree beside the program";
    // Far from the microphone (a quarter of the level), a hum offset, room noise.
    const int lead = 700, tail = 900;
    const std::vector<int16_t> take = TakeAround(word, 0.25, lead, tail, 40, 300);
    const ProcessedTake kept = ProcessTake(take);
    ASSERT_EQ(kept.verdict, TakeVerdict::Kept);

    // The generated word holds 30 ms of quiet before its sound and 80 ms after.
    EXPECT_NEAR(Ms(kept.speechStart), lead + 30, 25);
    EXPECT_NEAR(Ms(kept.speechEnd), lead + Ms(word.size()) - 80, 60);
    // What is kept: the word and short margins, nothing of the long silences.
    EXPECT_GE(Ms(kept.samples.size()), Ms(word.size()) - 60);
    EXPECT_LE(Ms(kept.samples.size()), Ms(word.size()) + 150);
    EXPECT_LE(Ms(kept.samples.size()), kLongestTakeMs);

    // The level of the generated recordings, without passing their peak: a
    // word with loud peaks for its level stops at the peak ceiling below it.
    const double db = 20 * std::log10(SpeechLevel(kept.samples) / kSpeechLevel);
    EXPECT_LE(Peak(kept.samples), kPeakCeiling);
    if (Peak(kept.samples) < kPeakCeiling * 98 / 100)
        EXPECT_NEAR(db, 0.0, 0.5);
    else
        EXPECT_NEAR(db, -1.5, 1.5);
    // Spoken nearer the microphone or farther away: kept at the same level.
    const ProcessedTake louder = ProcessTake(TakeAround(word, 0.8, lead, tail, 40, 300));
    ASSERT_EQ(louder.verdict, TakeVerdict::Kept);
    EXPECT_NEAR(SpeechLevel(louder.samples), SpeechLevel(kept.samples), SpeechLevel(kept.samples) * 0.06);
    // The ends fade in and out: no click where the take was cut.
    EXPECT_LT(std::abs(kept.samples.front()), 50);
    EXPECT_LT(std::abs(kept.samples.back()), 50);
    // No offset left.
    double sum = 0;
    for (const int16_t v : kept.samples)
        sum += v;
    EXPECT_LT(std::abs(sum / static_cast<double>(kept.samples.size())), 30.0);

    // A take shaped once and shaped again stays the same length and level:
    // an imported file that was already trimmed loses nothing.
    const ProcessedTake again = ProcessTake(kept.samples);
    ASSERT_EQ(again.verdict, TakeVerdict::Kept);
    EXPECT_NEAR(Ms(again.samples.size()), Ms(kept.samples.size()), 10);
}

TEST(VoiceTake, RefusesTakesThatCannotServeWithTheReason)
{
    const std::vector<int16_t> word = GeneratedWord("szalik");
    if (word.empty())
        GTEST_SKIP() << "no generated data tree beside the program";
    const auto verdict = [](const std::vector<int16_t>& take) { return ProcessTake(take).verdict; };

    // Too near the microphone: the tops of the waves are cut off.
    EXPECT_EQ(verdict(TakeAround(word, 3.0, 300, 300, 20)), TakeVerdict::Clipped);
    // The microphone is off: digital silence, or nearly.
    EXPECT_EQ(verdict(std::vector<int16_t>(kRate * 2, 0)), TakeVerdict::Silent);
    EXPECT_EQ(verdict(TakeAround({}, 1, 2000, 0, 5)), TakeVerdict::Silent);
    // Spoken far too softly.
    EXPECT_EQ(verdict(TakeAround(word, 0.02, 300, 300, 3)), TakeVerdict::TooQuiet);
    // Only the room: loud noise and no word in it.
    EXPECT_EQ(verdict(TakeAround({}, 1, 2000, 0, 900)), TakeVerdict::Noisy);
    // The word no louder than the noise around it.
    EXPECT_EQ(verdict(TakeAround(word, 0.1, 600, 600, 700)), TakeVerdict::Noisy);
    // A click of the key, not a word.
    std::vector<int16_t> click(kRate / 10, 0);
    for (std::size_t i = 0; i < click.size(); ++i)
        click[i] = static_cast<int16_t>(8000 * std::sin(i * 0.3));
    EXPECT_EQ(verdict(TakeAround(click, 1, 500, 500, 20)), TakeVerdict::TooShort);
    // The word three times with short pauses: longer than a word may be.
    std::vector<int16_t> thrice;
    for (int i = 0; i < 3; ++i) {
        thrice.insert(thrice.end(), word.begin(), word.end());
        thrice.insert(thrice.end(), kRate / 5, 0);
    }
    EXPECT_EQ(verdict(TakeAround(thrice, 0.5, 300, 300, 20)), TakeVerdict::TooLong);
}

