// The device-less media player, timed by the program's clock.
#include "platform/HeadlessMediaPlayer.h"

#include <algorithm>

HeadlessMediaPlayer::HeadlessMediaPlayer()
    : timer_([this] {
          timer_.SetEnabled(false);
          if (ended_)
              ended_();
      })
{
}

HeadlessMediaPlayer::~HeadlessMediaPlayer()
{
    Close();
}

bool HeadlessMediaPlayer::BeginPlayback(const WaveData& wave, std::function<void()> ended)
{
    ended_ = std::move(ended);
    // A timer of 0 ms never fires; an empty sound ends at the next round.
    timer_.SetInterval(std::max(wave.DurationMs(), 1));
    timer_.SetEnabled(false);
    timer_.SetEnabled(true);
    return true;
}

void HeadlessMediaPlayer::EndPlayback()
{
    timer_.SetEnabled(false);
    ended_ = nullptr;
}

bool HeadlessMediaPlayer::BeginCapture(int limitMs, std::function<void()> ended)
{
    captureStart_ = TheClock().Milliseconds();
    limitMs_ = limitMs;
    ended_ = std::move(ended);
    timer_.SetEnabled(false);
    if (limitMs > 0) {
        timer_.SetInterval(limitMs);
        timer_.SetEnabled(true);
    }
    return true;
}

std::vector<int16_t> HeadlessMediaPlayer::EndCapture()
{
    timer_.SetEnabled(false);
    ended_ = nullptr;
    const int64_t ms = CapturedMs();
    return std::vector<int16_t>(static_cast<std::size_t>(ms * kRecordingRate / 1000), 0);
}

int HeadlessMediaPlayer::CapturedMs() const
{
    int64_t ms = TheClock().Milliseconds() - captureStart_;
    if (limitMs_ > 0)
        ms = std::min<int64_t>(ms, limitMs_);
    return static_cast<int>(std::max<int64_t>(ms, 0));
}
