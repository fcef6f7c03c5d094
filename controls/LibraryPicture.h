// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The button and widget pictures of the picture library, opened by name for
// the controls; a picture that cannot be had is the missing-resources error.
#pragma once

#include <string>
#include <string_view>

#include "platform/Bitmap.h"

// target becomes the named library picture ("stop_A", "scroll_M", ...) with
// its own size, 24-bit. Raises CBlad code 1 when the picture is missing or
// damaged; target is then unchanged.
void OpenLibraryPicture(std::string_view name, Bitmap& target);

// Where the library keeps a picture: "RESOURCE\" + name + ".bmp" beside the program.
std::string LibraryPicturePath(std::string_view name);
