// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simple sound player: one sound at a time, played to its end or in the
// background; starting a sound stops the one in progress. No audio device is
// not an error: the program then runs silent.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays a wave file; with wait the call returns when the sound has ended.
    // False when the file cannot be read or is not a playable wave file.
    virtual bool Play(const std::filesystem::path& file, bool wait) = 0;
    // Stops the sound in progress, if any.
    virtual void Stop() = 0;
    // A short warning beep (a refused action).
    virtual void Beep() = 0;
};

// Plays nothing, but remembers what it was asked to play; a sound played to its
// end lasts its real length in program time (the clock sleeps for it).
class SilentSoundPlayer final : public SoundPlayer {
public:
    bool Play(const std::filesystem::path& file, bool wait) override;
    void Stop() override {}
    void Beep() override { ++beeps; }

    std::vector<std::filesystem::path> played;
    int beeps = 0;
};

// Length in milliseconds of a RIFF wave file's sound data, or -1 when the
// bytes are not a wave file the players understand.
int WaveDurationMs(const std::string& bytes);

SoundPlayer& TheSoundPlayer();
std::unique_ptr<SoundPlayer> InstallSoundPlayer(std::unique_ptr<SoundPlayer> player);
