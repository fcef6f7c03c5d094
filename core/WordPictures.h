// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the words of one game, made from the word picture files:
// card faces for the memory game, plain pictures for the conveyor and framed
// pictures for the train. The catalogue frees them (ReleaseAll).
#pragma once

#include "platform/Bitmap.h"

class CSlowa;

// Every word of Chosen gets a new card face: its small picture at
// width x height with a 1-pixel outline, kept as JPEG bytes in CardImage
// (an older one is replaced). True when every word got one.
bool LoadCardImages(CSlowa& catalogue, int width, int height);

// Every word of Exercise without a Picture gets its small picture at
// width x height with a 1-pixel outline; pictures already made stay. True
// when no word was left without one.
bool LoadPictures(CSlowa& catalogue, int width, int height);

// Every word of Exercise without a Picture gets a copy of frame with the
// word's small picture inside the margins x, y; pictures already made stay.
// True when no word was left without one.
bool ComposePictures(CSlowa& catalogue, const Bitmap& frame, int x, int y);
