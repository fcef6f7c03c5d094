// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL media player: mixer playback and capture-device recording.
#include "platform/sdl/SdlMediaPlayer.h"

#include <SDL.h>

#include <algorithm>

#include "platform/Text.h"
#include "platform/sdl/SdlAudio.h"

namespace {

// A recording without a limit still stops here rather than fill the memory.
constexpr std::size_t kLongestRecordingSamples = static_cast<std::size_t>(kRecordingRate) * 60 * 30;

constexpr int kStalledDeviceMarginMs = 1500;

}  // namespace

SdlMediaPlayer::SdlMediaPlayer(std::shared_ptr<SdlAudio> audio)
    : audio_(std::move(audio)),
      silentTimer_([this] {
          silentTimer_.SetEnabled(false);
          if (silentEnded_)
              silentEnded_();
      })
{
}

SdlMediaPlayer::~SdlMediaPlayer()
{
    Close();
}

bool SdlMediaPlayer::BeginPlayback(const WaveData& wave, std::function<void()> ended)
{
    const bool audible = audio_->OutputAvailable();
    if (audible) {
        voice_ = audio_->Start(wave, ended);
        if (voice_ == 0)
            return false;
    }
    // Without a device the timer is the sound; with one it is the safety net
    // for a device that stops taking samples (unplugged), so that the end
    // still arrives. Whichever comes second is ignored.
    silentEnded_ = std::move(ended);
    silentTimer_.SetInterval(std::max(wave.DurationMs(), 1) + (audible ? kStalledDeviceMarginMs : 0));
    silentTimer_.SetEnabled(false);
    silentTimer_.SetEnabled(true);
    return true;
}

void SdlMediaPlayer::EndPlayback()
{
    if (voice_ != 0)
        audio_->Stop(voice_);
    voice_ = 0;
    silentTimer_.SetEnabled(false);
    silentEnded_ = nullptr;
}

bool SdlMediaPlayer::BeginCapture(int limitMs, std::function<void()> ended)
{
    if (!audio_->InitAudio()) {
        SetError("Nie można rozpocząć nagrywania, ponieważ dźwięk w tym systemie nie działa ("_cp + Utf8ToCp1250(SDL_GetError()) + ").");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(captureMutex_);
        captured_.clear();
        maxSamples_ = limitMs > 0 ? std::min(static_cast<std::size_t>(limitMs) * kRecordingRate / 1000,
                                             kLongestRecordingSamples)
                                  : kLongestRecordingSamples;
        captured_.reserve(std::min<std::size_t>(maxSamples_, static_cast<std::size_t>(kRecordingRate) * 60));
        captureEnded_ = std::move(ended);
    }
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = kRecordingRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = &SdlMediaPlayer::CaptureCallback;
    want.userdata = this;
    SDL_AudioSpec have;
    capture_ = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (capture_ == 0) {
        SetError("Nie można rozpocząć nagrywania, ponieważ nie znaleziono mikrofonu ani innego urządzenia nagrywającego ("_cp +
                 Utf8ToCp1250(SDL_GetError()) + ").");
        std::lock_guard<std::mutex> lock(captureMutex_);
        captureEnded_ = nullptr;
        return false;
    }
    SDL_PauseAudioDevice(capture_, 0);
    return true;
}

std::vector<int16_t> SdlMediaPlayer::EndCapture()
{
    // Closing waits for a callback in progress, which takes the lock itself.
    if (capture_ != 0)
        SDL_CloseAudioDevice(capture_);
    capture_ = 0;
    std::lock_guard<std::mutex> lock(captureMutex_);
    captureEnded_ = nullptr;
    return std::move(captured_);
}

int SdlMediaPlayer::CapturedMs() const
{
    std::lock_guard<std::mutex> lock(captureMutex_);
    return static_cast<int>(static_cast<int64_t>(captured_.size()) * 1000 / kRecordingRate);
}

void SdlMediaPlayer::CaptureCallback(void* self, uint8_t* stream, int len)
{
    static_cast<SdlMediaPlayer*>(self)->Captured(reinterpret_cast<const int16_t*>(stream),
                                                 static_cast<std::size_t>(len) / 2);
}

void SdlMediaPlayer::Captured(const int16_t* samples, std::size_t count)
{
    std::function<void()> ended;
    {
        std::lock_guard<std::mutex> lock(captureMutex_);
        if (captured_.size() >= maxSamples_)
            return;
        const std::size_t n = std::min(count, maxSamples_ - captured_.size());
        captured_.insert(captured_.end(), samples, samples + n);
        if (captured_.size() >= maxSamples_)
            ended = std::move(captureEnded_);  // signalled once: the member is now empty
    }
    if (ended)
        ended();
}
