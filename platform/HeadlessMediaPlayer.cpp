// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The device-less media player, timed by the program's clock.
#include "platform/HeadlessMediaPlayer.h"

#include <algorithm>

namespace {

struct CaptureFeed {
    std::vector<int16_t> samples;
    std::size_t position = 0;
};

CaptureFeed& Feed()
{
    static CaptureFeed feed;
    return feed;
}

}  // namespace

void HeadlessMediaPlayer::SetCaptureFeed(std::vector<int16_t> samples)
{
    Feed() = {std::move(samples), 0};
}

bool HeadlessMediaPlayer::SetCaptureFeedFromFile(const std::filesystem::path& file)
{
    WaveData wave;
    if (!LoadWaveFile(file, wave) || wave.sampleRate != kRecordingRate || wave.channels != 1 || wave.bitsPerSample != 16)
        return false;
    SetCaptureFeed(Samples16(wave));
    return true;
}

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
    std::vector<int16_t> heard(static_cast<std::size_t>(ms * kRecordingRate / 1000), 0);
    CaptureFeed& feed = Feed();
    const std::size_t n = std::min(heard.size(), feed.samples.size() - std::min(feed.position, feed.samples.size()));
    std::copy_n(feed.samples.begin() + static_cast<std::ptrdiff_t>(feed.position), n, heard.begin());
    feed.position += n;
    return heard;
}

int HeadlessMediaPlayer::CapturedMs() const
{
    int64_t ms = TheClock().Milliseconds() - captureStart_;
    if (limitMs_ > 0)
        ms = std::min<int64_t>(ms, limitMs_);
    return static_cast<int>(std::max<int64_t>(ms, 0));
}
