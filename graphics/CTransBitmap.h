// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sprite of every game: a colour picture with an 8-bit alpha mask, and a
// scratch bitmap for composing it over a background. Also the free blending
// routines the games call directly.
#pragma once

#include <memory>
#include <string_view>

#include "graphics/ETransBitmap.h"
#include "platform/Bitmap.h"

class CTransBitmap {
public:
    CTransBitmap() = default;
    CTransBitmap(CTransBitmap&&) = default;
    CTransBitmap& operator=(CTransBitmap&&) = default;
    CTransBitmap(const CTransBitmap&) = delete;
    CTransBitmap& operator=(const CTransBitmap&) = delete;

    std::unique_ptr<Bitmap> Cache;   // 24-bit, the picture composed over a background
    std::unique_ptr<Bitmap> Colour;  // 24-bit, not premultiplied
    std::unique_ptr<Bitmap> Mask;    // 8-bit, 0 transparent .. 255 opaque

    void Free() { Clear(); }
    void Clear();

    // The setters keep colour and mask the same size: the mask follows the
    // colour, and area added to it is transparent.
    void SetColour(std::unique_ptr<Bitmap> colour);
    void SetMask(std::unique_ptr<Bitmap> mask);
    // Takes the other's colour and mask; the other is left without them.
    void TakeFrom(CTransBitmap& other);

    void CreateOpaque(int w, int h);
    void CreateFilled(int w, int h, int value);

    // Colour and mask from a picture drawn over black and the same drawn over
    // white (BMP or JPEG files, told apart by their contents). Raises
    // ETransBitmap: code 6 with the file's name when a file cannot be read or
    // decoded, 8 when the sizes differ, 14 when the pair cannot be combined.
    void LoadPair(std::string_view nameOnBlack, std::string_view nameOnWhite);
    // LoadPair reporting 0 on success, the ETransBitmap code, or 1 for any other failure.
    int TryLoadPair(std::string_view nameOnBlack, std::string_view nameOnWhite);

    Bitmap& GetCache(int w, int h);
    // The cache (picture-sized) becomes background at (x, y) with the picture over it.
    void ComposeOver(const Bitmap& colour, const Bitmap& mask, int opacity, int y, int x, const Bitmap& background);
    void ComposeFromCanvas(const Bitmap& canvas, int x, int y, int opacity);
    void DrawOnCanvas(Bitmap& canvas, int x, int y, int opacity, bool freeCache);
    // The cache for the caller to own (an empty 24-bit bitmap when there is none).
    std::unique_ptr<Bitmap> DetachCache();

    // This picture becomes a w x h scaled copy of source. With bleed the
    // source's transparent pixels first take the colour of their opaque
    // neighbours, so that edges do not darken.
    void StretchFrom(CTransBitmap& source, int w, int h, bool bleed);
};

// An 8-bit mask w x h with every pixel value (empty when w or h < 1).
std::unique_ptr<Bitmap> NewMask(int w, int h, int value);
// Replaces a bitmap by an 8-bit grey copy: its first (blue) byte, or the
// luminance (B * 11 + G * 59 + R * 30 + 50) / 100.
void ToGrey(Bitmap& bitmap, bool firstChannel);
// Colour and mask of a picture drawn over black and over white; false when
// the two are not 24-bit pictures of one size.
bool CombineBlackWhite(const Bitmap& onBlack, const Bitmap& onWhite, Bitmap& colourOut, Bitmap& maskOut);
// Transparent pixels take the mean colour of their non-transparent neighbours.
void BleedEdges(Bitmap& colour, const Bitmap& mask);
// Draws sourceRect of a colour + mask picture onto target at (x, y), blended
// over background's pixels at (bgX, bgY) with opacity 0..255. Missing or
// mismatched bitmaps draw nothing. target may be background itself.
void BlendTransparent(Bitmap* target, int x, int y, int opacity, int bgY, int bgX, const Bitmap* background,
                      TRect sourceRect, const Bitmap* mask, const Bitmap* colour);
// Paints an 8-bit coverage image (width x height bytes, top row first) in one
// colour onto a 24- or 32-bit target at (x, y), clipped to clip; other
// targets are refused with a beep.
void DrawColour(Bitmap& target, int x, int y, int opacity, TRect clip, TColor colour, const uint8_t* coverage,
                int width, int height);
