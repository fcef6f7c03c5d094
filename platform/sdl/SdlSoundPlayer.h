// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simple sound player on SDL: one sound at a time through the shared mixer.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/SoundPlayer.h"

class SdlAudio;
struct WaveData;

// The refusal beep: a short high tone.
constexpr int kRefusalBeepHz = 2000;
constexpr int kRefusalBeepMs = 10;
WaveData RefusalBeepTone();

class SdlSoundPlayer final : public SoundPlayer {
public:
    explicit SdlSoundPlayer(std::shared_ptr<SdlAudio> audio);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    bool Play(const std::filesystem::path& file, bool wait) override;
    void Stop() override;
    void Beep() override;

    // True while the last sound started here is still being heard.
    bool IsSounding() const;

private:
    std::shared_ptr<SdlAudio> audio_;
    uint64_t voice_ = 0;
    uint64_t beep_ = 0;
};
