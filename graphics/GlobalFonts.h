// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three program-wide bitmap fonts (regular, bold, bold italic) of the
// display mode, loaded once at start-up from the font collection.
#pragma once

#include <string_view>

class CTransFont;

constexpr std::string_view kFontCollection = "Data\\Intf\\Spec\\qw6cz.tfs";

// Loads the three fonts of a display mode; false when any of them fails
// (start-up then stops with the missing-resources error). The label face is
// loaded too when the collection has it, but is never required.
bool LoadGlobalFonts(int mode, std::string_view collection = kFontCollection);

CTransFont& FontRegular();
CTransFont& FontBold();
CTransFont& FontBoldItalic();
// The label face of the display mode, or the bold font when the data tree
// has no label face.
CTransFont& FontLabel();
