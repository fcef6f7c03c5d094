// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one SDL audio output device and its small mixer: every sound of the
// program (the simple player's recordings, the media player's playback and
// the menu music) is a voice mixed into it, so they can sound together.
// No device is not an error: the mixer then reports itself unavailable and
// the players keep time without sound.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/WaveFile.h"

// Converts PCM sound to interleaved signed 16-bit samples at another rate and
// channel count. False when the sound cannot be converted.
bool ConvertWave(const WaveData& wave, int rate, int channels, std::vector<int16_t>& out);

class SdlAudio {
public:
    // The format of the mixer (SDL converts to the hardware's own).
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts SDL's audio part (also needed for capture devices); false when it has no driver.
    bool InitAudio();
    // Opens the output device on first use; false when there is none.
    bool OutputAvailable();

    // Starts a voice and returns its number, or 0 when there is no device or
    // the sound cannot be converted. `ended` runs on the audio thread when the
    // voice has sounded to its end (not when it is stopped).
    uint64_t Start(const WaveData& wave, std::function<void()> ended = {});
    void Stop(uint64_t voice);
    bool IsSounding(uint64_t voice);
    // Waits until the voice has ended or was stopped, at most timeoutMs; false on timeout.
    bool Wait(uint64_t voice, int timeoutMs);

private:
    struct Voice {
        uint64_t id = 0;
        std::shared_ptr<const std::vector<int16_t>> samples;
        std::size_t position = 0;
        std::function<void()> ended;
    };

    static void Callback(void* self, uint8_t* stream, int len);
    void Mix(int16_t* out, std::size_t count);

    bool audioInit_ = false;
    bool triedOpen_ = false;
    uint32_t device_ = 0;
    std::mutex mutex_;
    std::condition_variable voiceEnded_;
    std::vector<Voice> voices_;
    // Voices that have finished but whose end callbacks are still running:
    // a wait for them returns only after their callbacks did.
    std::vector<uint64_t> ending_;
    std::vector<int32_t> sum_;  // the audio thread's own
    uint64_t nextId_ = 1;
};
