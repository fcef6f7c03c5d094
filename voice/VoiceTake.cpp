// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the speech in a take, cutting it out and bringing it to the level of
// the generated recordings.
#include "voice/VoiceTake.h"

#include <algorithm>
#include <cmath>

#include "platform/Text.h"
#include "platform/WaveFile.h"

namespace {

constexpr int kFrame = kRecordingRate / 100;  // 10 ms
constexpr int kFrameMs = 10;
// A sample this near full scale is taken for the recorder's limit; a few
// such runs of several samples mean the tops of the waves were cut off.
constexpr int kClipLevel = 32700;
constexpr int kClipRunLength = 3;
constexpr int kClipRunsAllowed = 2;
// Below this the recorder heard nothing at all (a muted or missing microphone).
constexpr double kSilentLevel = 40;
// Speech quieter than this would need so much gain that the room comes up with it.
constexpr double kQuietestSpeech = 300;
// Speech must stand this far above the noise around it (12 dB).
constexpr double kSpeechOverNoise = 4;
// Stop consonants and the pause after a comma in a phrase are silent for a
// while: gaps up to this long belong to the word.
constexpr int kLongestGapMs = 350;
// Around the speech found: room for a soft beginning (a hiss that starts
// gently) and for the natural decay of the last sound.
constexpr int kMarginBeforeMs = 60;
constexpr int kMarginAfterMs = 120;
constexpr int kFadeMs = 15;

struct Speech {
    bool found = false;
    std::size_t first = 0;  // frames, inclusive
    std::size_t last = 0;
    double level = 0;       // RMS of the speech frames
    double noise = 0;       // RMS of the frames well outside the speech; 0 when there are too few
    double loudest = 0;
};

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

// The take without its constant offset (some microphones add one).
std::vector<double> Centred(const std::vector<int16_t>& samples)
{
    double sum = 0;
    for (const int16_t s : samples)
        sum += s;
    const double mean = samples.empty() ? 0 : sum / static_cast<double>(samples.size());
    std::vector<double> x(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        x[i] = samples[i] - mean;
    return x;
}

// Speech is found in 10 ms frames by two measures, each against its own
// noise floor: the loudness, and the loudness of the change from sample to
// sample, which rises with the high pitch of a hiss; so a sibilant that
// begins a word is kept even where it is much quieter than the vowel.
Speech FindSpeech(const std::vector<double>& x)
{
    Speech speech;
    const std::size_t frames = x.size() / kFrame;
    if (frames == 0)
        return speech;
    std::vector<double> level(frames), edge(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0, diff = 0;
        for (std::size_t i = f * kFrame; i < (f + 1) * kFrame; ++i) {
            sum += x[i] * x[i];
            const double d = i > 0 ? x[i] - x[i - 1] : 0;
            diff += d * d;
        }
        level[f] = std::sqrt(sum / kFrame);
        edge[f] = std::sqrt(diff / kFrame);
    }
    const auto loudestAt = static_cast<std::size_t>(std::max_element(level.begin(), level.end()) - level.begin());
    speech.loudest = level[loudestAt];
    if (speech.loudest < kSilentLevel)
        return speech;
    const double levelFloor = std::max(Percentile(level, 0.1) * 2.5, speech.loudest * 0.02);
    const double edgeFloor = std::max(Percentile(edge, 0.1) * 2.5, *std::max_element(edge.begin(), edge.end()) * 0.03);
    std::vector<bool> active(frames);
    for (std::size_t f = 0; f < frames; ++f)
        active[f] = level[f] > levelFloor || edge[f] > edgeFloor;
    if (!active[loudestAt])
        return speech;  // nothing stands out of the noise

    // The word grows from its loudest frame over gaps no longer than a pause.
    const std::size_t gap = kLongestGapMs / kFrameMs;
    std::size_t first = loudestAt, last = loudestAt;
    for (std::size_t f = loudestAt; f-- > 0 && first - f <= gap;)
        if (active[f])
            first = f;
    for (std::size_t f = loudestAt + 1; f < frames && f - last <= gap; ++f)
        if (active[f])
            last = f;

    double sum = 0;
    int count = 0;
    for (std::size_t f = first; f <= last; ++f)
        if (active[f]) {
            sum += level[f] * level[f];
            ++count;
        }
    std::vector<double> outside;
    const std::size_t guard = kMarginAfterMs / kFrameMs;
    for (std::size_t f = 0; f < frames; ++f)
        if (f + guard < first || f > last + guard)
            outside.push_back(level[f]);
    speech.found = true;
    speech.first = first;
    speech.last = last;
    speech.level = std::sqrt(sum / count);
    // A handful of frames tells nothing about the room (a file cut by hand).
    speech.noise = outside.size() >= 10 ? Percentile(outside, 0.5) : 0;
    return speech;
}

bool Clipped(const std::vector<int16_t>& samples, std::size_t from, std::size_t to)
{
    int runs = 0, run = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (std::abs(static_cast<int>(samples[i])) >= kClipLevel) {
            if (++run == kClipRunLength)
                ++runs;
        } else {
            run = 0;
        }
    }
    return runs > kClipRunsAllowed;
}

}  // namespace

ProcessedTake ProcessTake(const std::vector<int16_t>& samples)
{
    ProcessedTake take;
    const std::vector<double> x = Centred(samples);
    const Speech speech = FindSpeech(x);
    if (!speech.found) {
        take.verdict = speech.loudest < kSilentLevel ? TakeVerdict::Silent
                       : speech.loudest < kQuietestSpeech ? TakeVerdict::TooQuiet
                                                          : TakeVerdict::Noisy;
        return take;
    }
    take.speechStart = speech.first * kFrame;
    take.speechEnd = (speech.last + 1) * kFrame;
    const std::size_t rate = kRecordingRate;
    const std::size_t speechLength = take.speechEnd - take.speechStart;
    const std::size_t longest = rate * kLongestTakeMs / 1000;
    // The margins give way to the speech when the take would run too long.
    std::size_t before = std::min(rate * kMarginBeforeMs / 1000, take.speechStart);
    std::size_t after = std::min(rate * kMarginAfterMs / 1000, samples.size() - take.speechEnd);
    if (speechLength + before + after > longest) {
        const std::size_t room = longest > speechLength ? longest - speechLength : 0;
        after = std::min(after, room / 2);
        before = std::min(before, room - after);
    }
    const std::size_t from = take.speechStart - before;
    const std::size_t to = take.speechEnd + after;

    if (Clipped(samples, from, to))
        take.verdict = TakeVerdict::Clipped;
    else if (speech.level < kQuietestSpeech)
        take.verdict = TakeVerdict::TooQuiet;
    else if (speech.noise > 0 && speech.level < speech.noise * kSpeechOverNoise)
        take.verdict = TakeVerdict::Noisy;
    else if (speechLength < rate * kShortestSpeechMs / 1000)
        take.verdict = TakeVerdict::TooShort;
    else if (speechLength + before + after > longest)
        take.verdict = TakeVerdict::TooLong;
    else
        take.verdict = TakeVerdict::Kept;
    if (take.verdict != TakeVerdict::Kept)
        return take;

    const std::size_t length = to - from;
    const std::size_t fade = std::min(rate * kFadeMs / 1000, length / 2);
    std::vector<double> cut(x.begin() + static_cast<std::ptrdiff_t>(from), x.begin() + static_cast<std::ptrdiff_t>(to));
    double peak = 1;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t edgeDistance = std::min(i, length - 1 - i);
        if (edgeDistance < fade)
            cut[i] *= static_cast<double>(edgeDistance) / static_cast<double>(fade);
        peak = std::max(peak, std::abs(cut[i]));
    }
    // The level is measured on the take as it is kept, where the quiet
    // frames around the word count differently than in the whole recording:
    // so the generated recordings and the kept takes are measured alike.
    const Speech kept = FindSpeech(cut);
    const double level = kept.found ? kept.level : speech.level;
    const double gain = std::min(kSpeechLevel / level, kPeakCeiling / peak);
    take.samples.resize(length);
    for (std::size_t i = 0; i < length; ++i)
        take.samples[i] = static_cast<int16_t>(std::clamp(std::lround(cut[i] * gain), -32767L, 32767L));
    return take;
}

double SpeechLevel(const std::vector<int16_t>& samples)
{
    const Speech speech = FindSpeech(Centred(samples));
    return speech.found ? speech.level : 0;
}

std::string TakeVerdictText(TakeVerdict verdict)
{
    switch (verdict) {
    case TakeVerdict::Kept:
        return "Nagranie jest dobre."_cp;
    case TakeVerdict::Silent:
        return "Nic nie nagrano. Sprawdź, czy mikrofon jest podłączony i włączony."_cp;
    case TakeVerdict::TooQuiet:
        return "Nagranie jest za ciche. Mów głośniej albo bliżej mikrofonu."_cp;
    case TakeVerdict::Noisy:
        return "Słowa nie słychać spod szumu. Nagraj je w cichszym miejscu albo bliżej mikrofonu."_cp;
    case TakeVerdict::Clipped:
        return "Nagranie jest przesterowane (za głośne). Mów trochę ciszej albo dalej od mikrofonu."_cp;
    case TakeVerdict::TooShort:
        return "Nagranie jest za krótkie. Powiedz całe słowo wyraźnie."_cp;
    case TakeVerdict::TooLong:
        return "Nagranie jest za długie (ponad 2,5 s). Powiedz samo słowo, bez przerw."_cp;
    }
    return {};
}
