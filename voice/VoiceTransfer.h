// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing a voice set between computers: one archive of the recordings with a
// manifest of the words' and phrases' keys, written and read back byte for
// byte; and a folder of sound files named by the words as they are written
// (szalik.wav, Żaba.WAV), each shaped as a take recorded on the screen is.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class VoiceLibrary;

struct TransferReport {
    int words = 0;    // recordings written or read
    int phrases = 0;
    // Every file passed over: its name (UTF-8) and why (cp1250).
    std::vector<std::pair<std::string, std::string>> skipped;
    // Why nothing at all could be done (cp1250); empty otherwise.
    std::string failure;
};

// The name of the manifest inside the archive.
inline constexpr const char* kVoiceManifestName = "szeptaczki-glos.txt";

// Writes every recording of the library into a tar archive at file, whole or
// not at all; modified stamps its entries (seconds since 1970).
TransferReport ExportVoiceSet(const VoiceLibrary& library, const std::filesystem::path& file, int64_t modified);

// Reads an archive made by ExportVoiceSet: each recording the manifest names
// for a word or phrase of this program is kept as it is, byte for byte (one
// not in the recording format is shaped as a new take); the rest is reported.
TransferReport ImportVoiceArchive(VoiceLibrary& library, const std::filesystem::path& file);

// Takes every sound file of a folder (not its sub-folders) whose name is a
// word or phrase of the program, shaped as a take on the screen is.
TransferReport ImportVoiceFolder(VoiceLibrary& library, const std::filesystem::path& folder);
