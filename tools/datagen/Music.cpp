// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's background music: melody, music-box arpeggio, bass and a
// light rhythm, each a few lines of additive synthesis with soft envelopes.
#include "tools/datagen/Music.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr double kRate = kWaveRate;
constexpr double kEighth = 60.0 / 120.0 / 2.0;  // 120 beats a minute
constexpr int kEighthsPerBar = 8;

struct Note {
    int midi;     // 0 is a rest
    int eighths;  // length
};

// Two eight-bar themes in C major.
const std::vector<Note> kThemeA = {
    {64, 2}, {67, 2}, {72, 2}, {67, 2},            // C
    {74, 3}, {72, 1}, {71, 2}, {67, 2},            // G
    {69, 2}, {72, 2}, {76, 2}, {72, 2},            // Am
    {77, 2}, {76, 1}, {74, 1}, {72, 4},            // F
    {76, 1}, {76, 1}, {74, 1}, {72, 1}, {67, 2}, {64, 2},  // C
    {67, 2}, {71, 2}, {74, 4},                     // G
    {69, 2}, {72, 1}, {69, 1}, {67, 2}, {71, 2},   // F G
    {72, 6}, {0, 2},                               // C
};
const std::vector<Note> kThemeB = {
    {69, 1}, {72, 1}, {77, 2}, {76, 2}, {72, 2},   // F
    {67, 2}, {72, 2}, {76, 4},                     // C
    {77, 1}, {76, 1}, {74, 1}, {72, 1}, {74, 2}, {69, 2},  // Dm
    {71, 2}, {74, 2}, {79, 4},                     // G
    {79, 2}, {76, 2}, {71, 2}, {76, 2},            // Em
    {72, 3}, {71, 1}, {69, 4},                     // Am
    {65, 1}, {69, 1}, {72, 1}, {77, 1}, {74, 2}, {71, 2},  // F G
    {74, 4}, {67, 4},                              // G
};
const std::vector<Note> kEnding = {
    {65, 1}, {69, 1}, {72, 1}, {77, 1}, {74, 2}, {71, 2},  // F G
    {72, 8},                                       // C
};

// Chords, two per bar (a half bar each), as the root's MIDI number and minor flag.
struct Chord {
    int root;
    bool minor;
};
constexpr Chord C{48, false}, G{43, false}, Am{45, true}, F{41, false}, Dm{50, true}, Em{52, true};
const std::vector<Chord> kChordsA = {C, C, G, G, Am, Am, F, F, C, C, G, G, F, G, C, C};
const std::vector<Chord> kChordsB = {F, F, C, C, Dm, Dm, G, G, Em, Em, Am, Am, F, G, G, G};
const std::vector<Chord> kChordsEnding = {F, G, C, C};

double Frequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

class Mixer {
public:
    explicit Mixer(double seconds) : buffer_(static_cast<std::size_t>(seconds * kRate) + 1, 0.0) {}

    // A tone with partials of the given strengths, an attack and an exponential decay.
    void Tone(double start, double length, double freq, double amp, const std::vector<double>& partials,
              double attack, double decay, double vibrato = 0.0)
    {
        const std::size_t from = static_cast<std::size_t>(start * kRate);
        const std::size_t count = static_cast<std::size_t>((length + 0.25) * kRate);
        for (std::size_t i = 0; i < count && from + i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            double env = t < attack ? t / attack : std::exp(-(t - attack) / decay);
            if (t > length)  // release after the note's end
                env *= std::exp(-(t - length) / 0.05);
            const double wobble = vibrato * std::sin(2 * std::numbers::pi * 5.5 * t) * std::min(1.0, t / 0.3);
            const double phase = 2 * std::numbers::pi * freq * t + wobble;
            // sin(k·phase) by the angle-addition recurrence: one sine and one cosine a sample.
            const double s1 = std::sin(phase);
            const double twoCos = 2 * std::cos(phase);
            double previous = 0;
            double current = s1;
            double v = 0;
            for (double strength : partials) {
                v += strength * current;
                const double next = twoCos * current - previous;
                previous = current;
                current = next;
            }
            buffer_[from + i] += amp * env * v;
        }
    }

    // A soft kick: a sine falling from 110 Hz to 50 Hz.
    void Kick(double start, double amp)
    {
        const std::size_t from = static_cast<std::size_t>(start * kRate);
        double phase = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.15 * kRate) && from + i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            phase += 2 * std::numbers::pi * (50.0 + 60.0 * std::exp(-t / 0.03)) / kRate;
            buffer_[from + i] += amp * std::exp(-t / 0.05) * std::sin(phase);
        }
    }

    // A shaker tick: short filtered noise from a fixed generator, so every run sounds the same.
    void Tick(double start, double amp)
    {
        const std::size_t from = static_cast<std::size_t>(start * kRate);
        double last = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.06 * kRate) && from + i < buffer_.size(); ++i) {
            noise_ = noise_ * 1664525u + 1013904223u;
            const double white = static_cast<double>(noise_ >> 8) / (1 << 24) * 2.0 - 1.0;
            const double bright = white - last;  // a crude high-pass
            last = white;
            const double t = static_cast<double>(i) / kRate;
            buffer_[from + i] += amp * std::exp(-t / 0.012) * bright;
        }
    }

    Samples Finish(double peak, double fadeSeconds)
    {
        double loudest = 1e-9;
        for (double v : buffer_)
            loudest = std::max(loudest, std::abs(v));
        const std::size_t fade = static_cast<std::size_t>(fadeSeconds * kRate);
        Samples out(buffer_.size());
        for (std::size_t i = 0; i < buffer_.size(); ++i) {
            double v = buffer_[i] / loudest * peak;
            const std::size_t left = buffer_.size() - 1 - i;
            if (left < fade)
                v *= static_cast<double>(left) / static_cast<double>(fade);
            out[i] = static_cast<int16_t>(std::lround(v * 32767.0));
        }
        return out;
    }

private:
    std::vector<double> buffer_;
    uint32_t noise_ = 12345;
};

void PlayMelody(Mixer& mix, const std::vector<Note>& notes, double start)
{
    double t = start;
    for (const Note& n : notes) {
        const double length = n.eighths * kEighth;
        if (n.midi != 0)
            mix.Tone(t, length * 0.9, Frequency(n.midi), 0.26, {1.0, 0.35, 0.12, 0.05}, 0.012, 0.45, 0.004);
        t += length;
    }
}

void PlayAccompaniment(Mixer& mix, const std::vector<Chord>& chords, double start)
{
    const double half = kEighth * kEighthsPerBar / 2;
    for (std::size_t h = 0; h < chords.size(); ++h) {
        const Chord c = chords[h];
        const double t = start + static_cast<double>(h) * half;
        const int third = c.root + (c.minor ? 3 : 4);
        const int fifth = c.root + 7;
        // Bass on the beat, the fifth on the next one.
        mix.Tone(t, kEighth * 1.8, Frequency(c.root - 12), 0.22, {1.0, 0.5, 0.2}, 0.01, 0.35);
        mix.Tone(t + 2 * kEighth, kEighth * 1.8, Frequency(fifth - 12), 0.16, {1.0, 0.5, 0.2}, 0.01, 0.35);
        // A music-box arpeggio one octave up, an eighth apart.
        const int arpeggio[4] = {c.root + 12, third + 12, fifth + 12, third + 12};
        for (int e = 0; e < 4; ++e)
            mix.Tone(t + e * kEighth, kEighth, Frequency(arpeggio[e]), 0.07, {1.0, 0.0, 0.25, 0.0, 0.08}, 0.004, 0.18);
        mix.Kick(t, 0.2);
        for (int e = 1; e < 4; e += 2)
            mix.Tick(t + e * kEighth, 0.05);
    }
}

}  // namespace

Samples ComposeMusic()
{
    const double bar = kEighth * kEighthsPerBar;
    const double themeLength = 8 * bar;
    // A B A B, then two closing bars: 34 bars of 2 s.
    const double total = 4 * themeLength + 2 * bar + 1.0;
    Mixer mix(total);
    double t = 0;
    for (int part = 0; part < 4; ++part) {
        const bool isA = part % 2 == 0;
        PlayMelody(mix, isA ? kThemeA : kThemeB, t);
        PlayAccompaniment(mix, isA ? kChordsA : kChordsB, t);
        t += themeLength;
    }
    PlayMelody(mix, kEnding, t);
    PlayAccompaniment(mix, kChordsEnding, t);
    // Peak at 40 % of full scale: background music under the game's speech.
    return mix.Finish(0.4, 1.5);
}

std::string MusicWave()
{
    return BuildRecordingWave(ComposeMusic());
}
