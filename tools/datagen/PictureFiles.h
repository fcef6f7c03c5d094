// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a word's two picture files, written with the program's own codecs.
#pragma once

#include <string>

#include "platform/Bitmap.h"

// The small picture: a 24-bit BMP (".xbi").
std::string SmallPictureFile(const Bitmap& picture);

// The large picture: a JPEG (".xji") of high quality.
std::string LargePictureFile(const Bitmap& picture);
