// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own BMP reader and writer (".xbi" files). The reader accepts
// 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and top-down rows, RLE4
// and RLE8 and bit-field masks, and never reads outside the bytes it is given.
#pragma once

#include <string>
#include <string_view>

#include "graphics/EInvalidGraphic.h"
#include "platform/Bitmap.h"

// Decodes BMP file bytes into out: a 24-bit picture, or an 8-bit grey one when
// grey is asked for (mask pictures; the grey value is the luminance of the
// colour, so a grey palette gives its own index). Raises EInvalidGraphic for
// anything it cannot decode, and pictures of more than maxPixels; out is then
// left as it was.
void DecodeBmp(std::string_view bytes, Bitmap& out, PixelFormat format = PixelFormat::Bgr24,
               long long maxPixels = kMaxPicturePixels);

// BMP file bytes of a picture: 24-bit, or 8-bit with a grey palette for a
// Gray8 bitmap. A 32-bit picture is written as 24-bit.
std::string EncodeBmp(const Bitmap& bitmap);

// Reads a BMP file (a cp1250 program path) into target as a 24-bit picture.
// Files written with a wrong image-size field are repaired in memory first.
// Raises EInvalidGraphic when the file cannot be read or decoded.
void LoadCorrectBitmap(Bitmap& target, std::string_view fileName);

// The repair of LoadCorrectBitmap on file bytes: for a 24-bit picture the
// image-size field is rewritten from the width and the height.
void RepairBmpSizeField(std::string& bytes);
