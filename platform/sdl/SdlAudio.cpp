// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL output device and the mixer of the program's voices.
#include "platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstring>

bool ConvertWave(const WaveData& wave, int rate, int channels, std::vector<int16_t>& out)
{
    if (wave.FrameBytes() <= 0 || wave.sampleRate <= 0)
        return false;
    const SDL_AudioFormat from = wave.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(wave.channels), wave.sampleRate, AUDIO_S16SYS,
                          static_cast<Uint8>(channels), rate) < 0)
        return false;
    const std::size_t inBytes = static_cast<std::size_t>(wave.Frames()) * static_cast<std::size_t>(wave.FrameBytes());
    if (inBytes == 0) {
        out.clear();
        return true;
    }
    if (inBytes > static_cast<std::size_t>(INT32_MAX / std::max(cvt.len_mult, 1)))
        return false;
    std::vector<Uint8> buffer(inBytes * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(buffer.data(), wave.samples.data(), inBytes);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(inBytes);
    if (cvt.needed && SDL_ConvertAudio(&cvt) < 0)
        return false;
    const std::size_t outBytes = cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : inBytes;
    const std::size_t frame = static_cast<std::size_t>(channels) * 2;
    out.resize(outBytes / frame * static_cast<std::size_t>(channels));
    std::memcpy(out.data(), buffer.data(), out.size() * 2);
    return true;
}

SdlAudio::~SdlAudio()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    if (audioInit_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::InitAudio()
{
    if (!audioInit_) {
        // The program takes SIGINT and SIGTERM itself (QuitSignals).
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        audioInit_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return audioInit_;
}

bool SdlAudio::OutputAvailable()
{
    if (!triedOpen_) {
        triedOpen_ = true;
        if (!InitAudio())
            return false;
        SDL_AudioSpec want;
        SDL_zero(want);
        want.freq = kRate;
        want.format = AUDIO_S16SYS;
        want.channels = kChannels;
        want.samples = 1024;  // about 23 ms: short enough that a click is heard at once
        want.callback = &SdlAudio::Callback;
        want.userdata = this;
        SDL_AudioSpec have;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ != 0)
            SDL_PauseAudioDevice(device_, 0);
    }
    return device_ != 0;
}

uint64_t SdlAudio::Start(const WaveData& wave, std::function<void()> ended)
{
    if (!OutputAvailable())
        return 0;
    auto samples = std::make_shared<std::vector<int16_t>>();
    if (!ConvertWave(wave, kRate, kChannels, *samples))
        return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    Voice voice;
    voice.id = nextId_++;
    voice.samples = std::move(samples);
    voice.ended = std::move(ended);
    voices_.push_back(std::move(voice));
    return voices_.back().id;
}

void SdlAudio::Stop(uint64_t voice)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        voices_.erase(std::remove_if(voices_.begin(), voices_.end(), [voice](const Voice& v) { return v.id == voice; }),
                      voices_.end());
    }
    voiceEnded_.notify_all();
}

bool SdlAudio::IsSounding(uint64_t voice)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return std::any_of(voices_.begin(), voices_.end(), [voice](const Voice& v) { return v.id == voice; });
}

bool SdlAudio::Wait(uint64_t voice, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return voiceEnded_.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), [&] {
        return std::none_of(voices_.begin(), voices_.end(), [voice](const Voice& v) { return v.id == voice; }) &&
               std::find(ending_.begin(), ending_.end(), voice) == ending_.end();
    });
}

void SdlAudio::Callback(void* self, uint8_t* stream, int len)
{
    static_cast<SdlAudio*>(self)->Mix(reinterpret_cast<int16_t*>(stream), static_cast<std::size_t>(len) / 2);
}

void SdlAudio::Mix(int16_t* out, std::size_t count)
{
    std::vector<int32_t>& sum = sum_;
    sum.assign(count, 0);
    std::vector<std::function<void()>> endings;
    bool anyEnded = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (Voice& v : voices_) {
            const std::vector<int16_t>& s = *v.samples;
            const std::size_t n = std::min(count, s.size() - v.position);
            for (std::size_t i = 0; i < n; ++i)
                sum[i] += s[v.position + i];
            v.position += n;
        }
        auto finished = std::stable_partition(voices_.begin(), voices_.end(),
                                              [](const Voice& v) { return v.position < v.samples->size(); });
        for (auto it = finished; it != voices_.end(); ++it) {
            anyEnded = true;
            if (it->ended) {
                endings.push_back(std::move(it->ended));
                ending_.push_back(it->id);
            }
        }
        voices_.erase(finished, voices_.end());
    }
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(sum[i], INT16_MIN, INT16_MAX));
    // The callbacks run outside the lock (they may start another voice), and
    // waiters are woken only after them.
    for (auto& ending : endings)
        ending();
    if (!endings.empty()) {
        std::lock_guard<std::mutex> lock(mutex_);
        ending_.clear();
    }
    if (anyEnded)
        voiceEnded_.notify_all();
}
