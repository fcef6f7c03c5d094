// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Polish speech from espeak-ng, turned into the data tree's recordings.
#include "tools/datagen/Speech.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "tools/datagen/Frication.h"

namespace {

// The text as one single-quoted shell word.
std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

struct PipeCloser {
    void operator()(FILE* f) const { pclose(f); }
};

}  // namespace

Samples Speak(const std::string& utf8Text, const SpeechVoice& voice)
{
    const std::string command = "espeak-ng -v pl -s " + std::to_string(voice.speed) + " -p " +
                                std::to_string(voice.pitch) + " --stdout " + ShellQuoted(utf8Text);
    std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    if (!pipe)
        throw std::runtime_error("cannot run espeak-ng");
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        bytes.append(buffer, got);
    const int status = pclose(pipe.release());
    // Piped output cannot know its length: the size fields are placeholders and
    // the parser takes the frames that are there.
    WaveData wave;
    if (status != 0 || !ParseWave(bytes, wave) || wave.Frames() == 0)
        throw std::runtime_error("espeak-ng gave no sound for \"" + utf8Text +
                                 "\" (is the espeak-ng package installed?)");
    return Resample(MonoSamples(wave), wave.sampleRate, kWaveRate);
}

std::string SpokenWave(const std::string& utf8Text, const SpeechVoice& voice)
{
    Samples samples = Speak(utf8Text, voice);
    if (voice.fricationStretch > 1.0)
        samples = LengthenFrication(samples, kWaveRate, voice.fricationStretch);
    // Speech at 90 % of full scale leaves headroom for the players' mixing.
    TrimAndNormalise(samples, 0.9);
    if (samples.empty())
        throw std::runtime_error("espeak-ng gave only silence for \"" + utf8Text + "\"");
    return BuildRecordingWave(samples);
}
