// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The silent player and the wave-file length shared by every player.
#include "platform/SoundPlayer.h"

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/WaveFile.h"

namespace {

std::unique_ptr<SoundPlayer>& PlayerStorage()
{
    static std::unique_ptr<SoundPlayer> player = std::make_unique<SilentSoundPlayer>();
    return player;
}

}  // namespace

int WaveDurationMs(const std::string& bytes)
{
    // The same parser as the real players, so that a file is playable in every back end or in none.
    WaveData wave;
    return ParseWave(bytes, wave) ? wave.DurationMs() : -1;
}

bool SilentSoundPlayer::Play(const std::filesystem::path& file, bool wait)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes))
        return false;
    const int duration = WaveDurationMs(bytes);
    if (duration < 0)
        return false;
    played.push_back(file);
    if (wait)
        TheClock().Sleep(duration);
    return true;
}

SoundPlayer& TheSoundPlayer()
{
    return *PlayerStorage();
}

std::unique_ptr<SoundPlayer> InstallSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    std::unique_ptr<SoundPlayer> previous = std::move(PlayerStorage());
    PlayerStorage() = std::move(player);
    return previous;
}
