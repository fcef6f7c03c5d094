// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding and encoding (".xji" files) through libjpeg-turbo, straight
// to and from the program's bottom-up blue-green-red rows.
#pragma once

#include <string>
#include <string_view>

#include "graphics/EInvalidGraphic.h"
#include "platform/Bitmap.h"

// Decodes JPEG bytes into out as a 24-bit picture. Damaged data raises
// EInvalidGraphic (out is then unchanged); a stream that merely ends early
// gives the part that was decoded, as image viewers show it. Pictures of more
// than maxPixels are refused before decoding.
void DecodeJpeg(std::string_view bytes, Bitmap& out, long long maxPixels = kMaxPicturePixels);

// JPEG bytes of a picture at quality 1..100. With fullChroma the colour is
// kept at full resolution (no 4:2:0 subsampling), which keeps thin coloured
// edges of sprite pairs intact. Gray8 pictures become grey JPEGs.
std::string EncodeJpeg(const Bitmap& bitmap, int quality, bool fullChroma = true);
