// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice's own recordings of the program's words and phrases, kept in
// the voice folder (ProgramPlaces::voice): the one place that says which file
// a recording of the data tree is played from. The screens and games name the
// tree's recordings as before and never learn whose voice they hear.
#pragma once

#include <filesystem>
#include <string_view>

// The sub-folder of the voice folder that holds the praise and reproach phrases.
inline constexpr const char* kVoicePhraseFolder = "Zwroty";

// The voice folder's file that stands for a recording of the data tree:
// "Data\Smd\zaba.pw" (a word) is "zaba.wav", "Data\Intf\Smd\g03.pw" (a
// phrase) is "Zwroty/g03.wav". Empty for every other path, and when there is
// no voice folder.
std::filesystem::path HumanRecordingFor(std::string_view treePath);

// Plays a recording of the data tree: the practice's recording of it when the
// voice folder holds a playable one, else the tree's own file (a damaged human
// recording is passed over, not played as silence). With wait the call returns
// when the sound has ended. False when neither file exists.
bool PlayRecording(std::string_view treePath, bool wait);
