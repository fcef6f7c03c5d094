// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// PNG pictures of bitmaps: screenshots of scripted runs, tests and the demo.
#pragma once

#include <filesystem>

#include "platform/Bitmap.h"

// Writes the bitmap as an 8-bit RGB PNG (grey for Gray8); false when the file cannot be written.
bool SavePng(const Bitmap& bitmap, const std::filesystem::path& file);
