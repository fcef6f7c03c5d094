// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Installs the SDL sound back end: one output device shared by the simple
// player (TheSoundPlayer()) and every media player made by CreateMediaPlayer().
// Without an audio device the program runs silent. At exit, InstallHeadlessSound()
// (platform/SoundServices.h) lets go of the device before SDL is shut down.
#pragma once

void InstallSdlSound();
