// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL sound back end's installation.
#include "platform/sdl/SdlSound.h"

#include "platform/SoundServices.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlMediaPlayer.h"
#include "platform/sdl/SdlSoundPlayer.h"

void InstallSdlSound()
{
    InstallHeadlessSound();  // the previous device, if any, is closed first
    auto audio = std::make_shared<SdlAudio>();
    // Opened now, so the first word a child hears is not delayed by it.
    audio->OutputAvailable();
    InstallSoundPlayer(std::make_unique<SdlSoundPlayer>(audio));
    SetMediaPlayerFactory([audio]() -> std::unique_ptr<MediaPlayer> { return std::make_unique<SdlMediaPlayer>(audio); });
}
