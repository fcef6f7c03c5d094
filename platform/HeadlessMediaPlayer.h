// The media player of headless runs and tests: no device; playing lasts the
// sound's real length in program time, recording captures silence for the
// program time that passes. Both end through window timers.
#pragma once

#include "platform/Clock.h"
#include "platform/MediaPlayer.h"

class HeadlessMediaPlayer final : public MediaPlayer {
public:
    HeadlessMediaPlayer();
    ~HeadlessMediaPlayer() override;

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
