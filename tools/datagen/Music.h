// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's background music: a cheerful little tune, synthesised.
#pragma once

#include <string>

#include "tools/datagen/SampleTools.h"

// About a minute of music at 22050 Hz, always the same samples; its peak is
// kept well below full scale so that speech played over it stays clear.
Samples ComposeMusic();

// The music as wave file bytes.
std::string MusicWave();
