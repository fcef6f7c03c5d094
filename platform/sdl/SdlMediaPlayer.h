// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The media player on SDL: playback is a voice of the shared mixer, recording
// reads the default capture device at 22050 Hz mono 16-bit.
#pragma once

#include <memory>
#include <mutex>

#include "platform/Clock.h"
#include "platform/MediaPlayer.h"

class SdlAudio;

class SdlMediaPlayer final : public MediaPlayer {
public:
    explicit SdlMediaPlayer(std::shared_ptr<SdlAudio> audio);
    ~SdlMediaPlayer() override;

protected:
    bool BeginPlayback(const WaveData& wave, std::function<void()> ended) override;
    void EndPlayback() override;
    bool BeginCapture(int limitMs, std::function<void()> ended) override;
    std::vector<int16_t> EndCapture() override;
    int CapturedMs() const override;

private:
    static void CaptureCallback(void* self, uint8_t* stream, int len);
    void Captured(const int16_t* samples, std::size_t count);

    std::shared_ptr<SdlAudio> audio_;
    uint64_t voice_ = 0;
    // Without an output device a sound still lasts its length, silently;
    // with one, the same timer ends a sound that a stalled device never finishes.
    Timer silentTimer_;
    std::function<void()> silentEnded_;

    uint32_t capture_ = 0;
    mutable std::mutex captureMutex_;
    std::vector<int16_t> captured_;
    std::size_t maxSamples_ = 0;
    std::function<void()> captureEnded_;
};
