// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The interface pictures, the bitmap font collection and the picture
// library of a fresh program directory.
#pragma once

#include <filesystem>

// Writes programDir/Data/Intf/... (pictures of every display mode and the
// font collection "Data/Intf/Spec/qw6cz.tfs") and programDir/RESOURCE/...
// (the picture library). Throws std::runtime_error when a file cannot be
// written.
void GenerateInterface(const std::filesystem::path& programDir);

// The same, and contact sheets of all pictures as PNG files in previewDir,
// for looking the set over.
void GenerateInterface(const std::filesystem::path& programDir, const std::filesystem::path& previewDir);
