// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and lengthening the hiss of sibilants in the generator's speech.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "tools/datagen/Frication.h"

namespace {

constexpr int kRate = 22050;

// A vowel-like tone, then a burst of hiss, then the tone again: the shape of
// "asa", with the hiss's place known to the sample.
struct Asa {
    Samples samples;
    std::size_t hissStart = 0;
    std::size_t hissLength = 0;
};

Asa MakeAsa(int vowelMs, int hissMs)
{
    Asa a;
    const std::size_t vowel = static_cast<std::size_t>(kRate) * vowelMs / 1000;
    a.hissLength = static_cast<std::size_t>(kRate) * hissMs / 1000;
    a.hissStart = vowel;
    uint32_t seed = 12345;
    for (std::size_t i = 0; i < vowel; ++i)
        a.samples.push_back(static_cast<int16_t>(12000 * std::sin(2 * M_PI * 180 * i / kRate)));
    for (std::size_t i = 0; i < a.hissLength; ++i) {
        seed = seed * 1664525u + 1013904223u;
        a.samples.push_back(static_cast<int16_t>(static_cast<int>(seed >> 16) % 8001 - 4000));
    }
    for (std::size_t i = 0; i < vowel; ++i)
        a.samples.push_back(static_cast<int16_t>(12000 * std::sin(2 * M_PI * 180 * i / kRate)));
    return a;
}

double Rms(const Samples& s, std::size_t from, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace

TEST(Frication, TheHissIsFoundAndTheToneIsNot)
{
    const Asa asa = MakeAsa(200, 100);
    const std::vector<FricationRun> runs = FricationRuns(asa.samples, kRate);
    ASSERT_EQ(runs.size(), 1u);
    // Found to within one 10 ms frame at either end.
    EXPECT_NEAR(static_cast<double>(runs[0].start), static_cast<double>(asa.hissStart), kRate / 100.0);
    EXPECT_NEAR(static_cast<double>(runs[0].length), static_cast<double>(asa.hissLength), 2 * kRate / 100.0);
    EXPECT_NEAR(LongestFricationSeconds(asa.samples, kRate), 0.1, 0.02);

    // Too short a burst, silence, nothing at all: no hiss.
    EXPECT_TRUE(FricationRuns(MakeAsa(200, 15).samples, kRate).empty());
    EXPECT_TRUE(FricationRuns(Samples(kRate, 0), kRate).empty());
    EXPECT_TRUE(FricationRuns({}, kRate).empty());
    EXPECT_EQ(LongestFricationSeconds({}, kRate), 0.0);
    EXPECT_EQ(LongestFricationSeconds(asa.samples, 0), 0.0);
}

TEST(Frication, LengtheningGrowsOnlyTheHissAndKeepsItsLoudness)
{
    const Asa asa = MakeAsa(200, 100);
    const Samples longer = LengthenFrication(asa.samples, kRate, 1.5);
    const std::size_t grown = longer.size() - asa.samples.size();
    EXPECT_NEAR(static_cast<double>(grown), asa.hissLength * 0.5, kRate / 100.0);
    EXPECT_NEAR(LongestFricationSeconds(longer, kRate), 0.15, 0.02);
    // The tones before and after are untouched, sample for sample.
    for (std::size_t i = 0; i < asa.hissStart; ++i)
        ASSERT_EQ(longer[i], asa.samples[i]) << i;
    for (std::size_t i = 1; i <= asa.hissStart; ++i)
        ASSERT_EQ(longer[longer.size() - i], asa.samples[asa.samples.size() - i]) << i;
    // The equal-power splice neither dips nor swells: every 5 ms of the longer
    // hiss is about as loud as the hiss was.
    const double level = Rms(asa.samples, asa.hissStart, asa.hissLength);
    const std::size_t window = kRate / 200;
    for (std::size_t at = asa.hissStart; at + window <= asa.hissStart + asa.hissLength + grown; at += window)
        EXPECT_NEAR(Rms(longer, at, window), level, level * 0.3) << at;
}

TEST(Frication, LengtheningLeavesSoundWithoutHissAndKeepsWithinTwice)
{
    const Asa tone = MakeAsa(200, 0);
    EXPECT_EQ(LengthenFrication(tone.samples, kRate, 1.5), tone.samples);
    EXPECT_TRUE(LengthenFrication({}, kRate, 1.5).empty());
    const Asa asa = MakeAsa(200, 100);
    EXPECT_EQ(LengthenFrication(asa.samples, kRate, 1.0), asa.samples);
    EXPECT_EQ(LengthenFrication(asa.samples, kRate, 0.2), asa.samples);
    // A factor past 2 is taken as 2.
    EXPECT_LE(LengthenFrication(asa.samples, kRate, 9).size(), asa.samples.size() + asa.hissLength);
}
