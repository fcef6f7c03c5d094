// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files brought in from elsewhere (an audio editor, another recorder)
// read as takes at the recording rate, mono. Wave files of integer samples
// (8, 16, 24 or 32 bits) or floating-point ones (32 or 64 bits), with any
// number of channels and any rate, are read here; any other format goes
// through the sox program when it is installed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The sound of a wave file's bytes, mixed down to mono and converted to the
// recording rate. False, with the reason (cp1250), for anything else.
bool DecodeWave(const std::string& bytes, std::vector<int16_t>& samples, std::string& reason);

// Reads a sound file: itself when DecodeWave can, else through sox. False,
// with the reason (cp1250), when neither can.
bool ReadSoundFile(const std::filesystem::path& file, std::vector<int16_t>& samples, std::string& reason);
