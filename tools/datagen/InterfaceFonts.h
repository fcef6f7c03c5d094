// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap font collection of the game pictures, rasterised with FreeType.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CTransFont;

constexpr const char* kFontCollectionPath = "Data\\Intf\\Spec\\qw6cz.tfs";

// The twelve fonts the program looks up: a regular, a bold, a bold italic
// and a label one for each display mode, named with their pixel size.
struct UiFontSpec {
    const char* name;
    const char* file;
    double pixelSize;
};
const std::vector<UiFontSpec>& FontSpecs();

// One font with a glyph for every printable cp1250 character.
void RasteriseFont(const UiFontSpec& spec, CTransFont& font);
// Writes all twelve into one collection file.
void WriteFontCollectionFile(const std::filesystem::path& file);
