// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simple SDL sound player.
#include "platform/sdl/SdlSoundPlayer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Clock.h"
#include "platform/WaveFile.h"
#include "platform/sdl/SdlAudio.h"

namespace {

// A device that stops taking samples must not hang the program: a sound
// played to its end is waited for at most this much beyond its length.
constexpr int kWaitMarginMs = 1000;

// Ramps this long at both ends keep the short tone free of clicks.
constexpr int kBeepRampMs = 1;

}  // namespace

WaveData RefusalBeepTone()
{
    constexpr int kRate = 44100;
    constexpr int kFrames = kRate * kRefusalBeepMs / 1000;
    constexpr double kRamp = kRate * kBeepRampMs / 1000.0;
    WaveData w;
    w.sampleRate = kRate;
    w.channels = 1;
    w.bitsPerSample = 16;
    for (int i = 0; i < kFrames; ++i) {
        const double envelope = std::min({1.0, i / kRamp, (kFrames - i) / kRamp});
        const auto s = static_cast<int16_t>(9000.0 * envelope * std::sin(2.0 * std::numbers::pi * kRefusalBeepHz * i / kRate));
        const auto u = static_cast<uint16_t>(s);
        w.samples.push_back(static_cast<char>(u & 0xFF));
        w.samples.push_back(static_cast<char>(u >> 8));
    }
    return w;
}

SdlSoundPlayer::SdlSoundPlayer(std::shared_ptr<SdlAudio> audio) : audio_(std::move(audio)) {}

SdlSoundPlayer::~SdlSoundPlayer()
{
    Stop();
    if (beep_ != 0)
        audio_->Stop(beep_);
}

bool SdlSoundPlayer::Play(const std::filesystem::path& file, bool wait)
{
    WaveData wave;
    if (!LoadWaveFile(file, wave))
        return false;
    Stop();
    const int duration = wave.DurationMs();
    if (!audio_->OutputAvailable()) {
        // Silent, but the program keeps the pace it would have with sound.
        if (wait)
            TheClock().Sleep(duration);
        return true;
    }
    voice_ = audio_->Start(wave);
    if (voice_ == 0)
        return false;
    if (wait) {
        audio_->Wait(voice_, duration + kWaitMarginMs);
        Stop();
    }
    return true;
}

void SdlSoundPlayer::Stop()
{
    if (voice_ != 0)
        audio_->Stop(voice_);
    voice_ = 0;
}

void SdlSoundPlayer::Beep()
{
    static const WaveData tone = RefusalBeepTone();
    if (beep_ != 0)
        audio_->Stop(beep_);
    beep_ = audio_->Start(tone);
}

bool SdlSoundPlayer::IsSounding() const
{
    return voice_ != 0 && audio_->IsSounding(voice_);
}
