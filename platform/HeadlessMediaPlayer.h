// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The media player of headless runs and tests: no device; playing lasts the
// sound's real length in program time, recording captures what the capture
// feed holds (silence when it is empty) for the program time that passes.
// Both end through window timers.
#pragma once

#include "platform/Clock.h"
#include "platform/MediaPlayer.h"

class HeadlessMediaPlayer final : public MediaPlayer {
public:
    HeadlessMediaPlayer();
    ~HeadlessMediaPlayer() override;

    // What the headless "microphone" hears, at the recording rate, mono: the
    // recordings of every headless player take these samples in turn, each
    // going on where the one before stopped, and hear silence after the end.
    // A headless run fills it from the wave file that the environment
    // variable SZEPTACZKI_MIKROFON names.
    static void SetCaptureFeed(std::vector<int16_t> samples);
    // The feed from a wave file at the recording rate, mono, 16-bit; false
    // (and the feed unchanged) for any other file.
    static bool SetCaptureFeedFromFile(const std::filesystem::path& file);

protected:
    bool BeginPlayback(const WaveData& wave, std::function<void()> ended) override;
    void EndPlayback() override;
    bool BeginCapture(int limitMs, std::function<void()> ended) override;
    std::vector<int16_t> EndCapture() override;
    int CapturedMs() const override;

private:
    Timer timer_;
    std::function<void()> ended_;
    int64_t captureStart_ = 0;
    int limitMs_ = 0;
};
