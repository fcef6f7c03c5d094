// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the program gets its sound back end. The entry routine installs one
// set at start: InstallSdlSound() (platform/sdl/SdlSound.h) for a real run,
// InstallHeadlessSound() for headless runs and tests (the default until
// something is installed). Screens then use TheSoundPlayer() and make their
// media players with CreateMediaPlayer().
#pragma once

#include <functional>
#include <memory>

#include "platform/MediaPlayer.h"

// A media player of the installed back end.
std::unique_ptr<MediaPlayer> CreateMediaPlayer();

// The silent sound player and headless media players. Installing it at exit
// also lets go of the audio devices before SDL is shut down.
void InstallHeadlessSound();

// Used by the back ends to install their media players.
void SetMediaPlayerFactory(std::function<std::unique_ptr<MediaPlayer>()> factory);
