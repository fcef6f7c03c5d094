// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The hiss of the sibilants in spoken words: finding it and lengthening it.
#include "tools/datagen/Frication.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A hiss crosses zero on about every third sample or more (energy above
// 3-4 kHz at 22050 Hz); voiced sounds cross far less often.
constexpr double kHissCrossings = 0.28;
// Quieter than this share of the loudest frame's level is silence or breath.
constexpr double kHissLevel = 0.04;

}  // namespace

std::vector<FricationRun> FricationRuns(const Samples& samples, int rate)
{
    std::vector<FricationRun> runs;
    const std::size_t frame = static_cast<std::size_t>(std::max(1, rate / 100));
    const std::size_t frames = samples.size() / frame;
    if (frames == 0)
        return runs;
    std::vector<double> level(frames);
    std::vector<double> crossings(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        double energy = 0;
        int flips = 0;
        for (std::size_t i = f * frame; i < (f + 1) * frame; ++i) {
            energy += static_cast<double>(samples[i]) * samples[i];
            if (i > f * frame && (samples[i] < 0) != (samples[i - 1] < 0))
                ++flips;
        }
        level[f] = std::sqrt(energy / static_cast<double>(frame));
        crossings[f] = static_cast<double>(flips) / static_cast<double>(frame);
    }
    const double loudest = *std::max_element(level.begin(), level.end());
    if (loudest <= 0)
        return runs;
    const std::size_t shortest = static_cast<std::size_t>(rate) * 30 / 1000;
    std::size_t runStart = 0;
    bool inRun = false;
    for (std::size_t f = 0; f <= frames; ++f) {
        const bool hiss = f < frames && level[f] >= kHissLevel * loudest && crossings[f] >= kHissCrossings;
        if (hiss && !inRun) {
            runStart = f;
            inRun = true;
        } else if (!hiss && inRun) {
            inRun = false;
            const FricationRun run{runStart * frame, (f - runStart) * frame};
            if (run.length >= shortest)
                runs.push_back(run);
        }
    }
    return runs;
}

double LongestFricationSeconds(const Samples& samples, int rate)
{
    std::size_t longest = 0;
    for (const FricationRun& run : FricationRuns(samples, rate))
        longest = std::max(longest, run.length);
    return rate > 0 ? static_cast<double>(longest) / rate : 0.0;
}

Samples LengthenFrication(const Samples& samples, int rate, double factor)
{
    factor = std::clamp(factor, 1.0, 2.0);
    const std::vector<FricationRun> runs = FricationRuns(samples, rate);
    if (runs.empty() || factor == 1.0)
        return samples;
    const std::size_t fade = static_cast<std::size_t>(std::max(1, rate * 8 / 1000));
    Samples out;
    out.reserve(static_cast<std::size_t>(static_cast<double>(samples.size()) * factor));
    std::size_t copied = 0;
    for (const FricationRun& run : runs) {
        // The copy of the run's x[p - extra, p) goes in at p; after the copy
        // the sound goes on with x[p], the natural follower of its last
        // sample, so only the copy's start needs a cross-fade.
        if (run.length <= 2 * fade)
            continue;
        const std::size_t extra = std::min(static_cast<std::size_t>(static_cast<double>(run.length) * (factor - 1)),
                                           run.length - 2 * fade);
        const std::size_t p = run.start + run.length - fade;
        out.insert(out.end(), samples.begin() + static_cast<std::ptrdiff_t>(copied),
                   samples.begin() + static_cast<std::ptrdiff_t>(p));
        for (std::size_t i = 0; i < extra; ++i) {
            double v = samples[p - extra + i];
            if (i < fade) {
                const double t = (static_cast<double>(i) + 0.5) / static_cast<double>(fade) * std::numbers::pi / 2;
                v = std::cos(t) * samples[p + i] + std::sin(t) * v;
            }
            out.push_back(static_cast<int16_t>(std::clamp(std::lround(v), -32767L, 32767L)));
        }
        copied = p;
    }
    out.insert(out.end(), samples.begin() + static_cast<std::ptrdiff_t>(copied), samples.end());
    return out;
}
