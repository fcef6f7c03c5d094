// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The installed sound back end.
#include "platform/SoundServices.h"

#include "platform/HeadlessMediaPlayer.h"
#include "platform/SoundPlayer.h"

namespace {

std::function<std::unique_ptr<MediaPlayer>()>& Factory()
{
    static std::function<std::unique_ptr<MediaPlayer>()> factory;
    return factory;
}

}  // namespace

std::unique_ptr<MediaPlayer> CreateMediaPlayer()
{
    if (Factory())
        return Factory()();
    return std::make_unique<HeadlessMediaPlayer>();
}

void InstallHeadlessSound()
{
    // The old player goes first: it may hold the audio device.
    InstallSoundPlayer(std::make_unique<SilentSoundPlayer>());
    SetMediaPlayerFactory(nullptr);
}

void SetMediaPlayerFactory(std::function<std::unique_ptr<MediaPlayer>()> factory)
{
    Factory() = std::move(factory);
}
