// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The named picture loaders of the program: interface pictures, backgrounds
// and word pictures, from program paths (cp1250, Windows-style) to bitmaps.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "graphics/JpegImage.h"
#include "platform/Bitmap.h"

// Where a full-screen background goes: the screen's size and the offset of
// the design area on it.
struct ScreenPlacement {
    int screenWidth = 0;
    int screenHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// A BMP file loaded by LoadCorrectBitmap; raises EInvalidGraphic on failure.
std::unique_ptr<Bitmap> LoadBitmapFile(std::string_view fileName);
// A JPEG file as a 24-bit bitmap; raises EInvalidGraphic on failure.
std::unique_ptr<Bitmap> LoadJpegFile(std::string_view fileName);
void LoadJpegInto(Bitmap& target, std::string_view fileName);
// Draws a JPEG file at (x, y); a missing or damaged file draws nothing.
void DrawJpegFile(Bitmap& canvas, int x, int y, std::string_view fileName);
// A BMP or a JPEG file, told apart by the first bytes, as a 24-bit bitmap.
void LoadPictureFile(Bitmap& target, std::string_view fileName);

// target becomes a black 24-bit picture of the screen's size with the JPEG
// file, when it exists, drawn at the design area's offset.
void MakeBackground(const ScreenPlacement& display, Bitmap& target, std::string_view fileName);

std::string WordPictureSmallName(std::string_view word);
std::string WordPictureLargeName(std::string_view word);
// A word's picture at w x h: the centre strip of the picture's aspect w : h,
// scaled, with a black outline of frameWidth pixels when frameWidth > 0.
// A missing or unreadable file gives a black picture; never raises.
std::unique_ptr<Bitmap> LoadWordPictureSmall(std::string_view word, int w, int h, int frameWidth);
std::unique_ptr<Bitmap> LoadWordPictureLarge(std::string_view word, int w, int h, int frameWidth);
// The frame picture with the word's small picture inside its margins.
std::unique_ptr<Bitmap> FramedWordPicture(const Bitmap& frame, int marginX, int marginY, std::string_view word);
// The word's small picture kept as JPEG bytes (the memory game's card faces).
JpegImage WordPictureAsJpeg(std::string_view word, int w, int h, int frameWidth);

std::unique_ptr<Bitmap> NewBitmap24(int w, int h);
void ResizeBitmap24(Bitmap& bitmap, int w, int h);

// The word-picture crop and scale on an already decoded picture.
std::unique_ptr<Bitmap> FitWordPicture(const Bitmap& picture, int w, int h, int frameWidth);
