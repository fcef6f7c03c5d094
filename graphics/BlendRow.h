// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The per-row pixel kernels of transparent drawing, shared by the sprite
// blending and the glyph drawing. One channel is blended as
//   bg + ((fg - bg) * w >> 8)  when fg >= bg,  bg - ((bg - fg) * w >> 8) otherwise,
// with w in 1..256 out of 256, so results round towards the background.
#pragma once

#include <cstdint>

// The weight of a mask value m at an opacity of 0..255: w = ((opacity + 1) * m >> 8) + 1.
// At opacity 255 this is m + 1: 0 keeps the background, 255 gives the picture.
constexpr unsigned MaskWeight(unsigned opacity, unsigned m)
{
    return (((opacity + 1) * m) >> 8) + 1;
}

constexpr uint8_t BlendChannel(unsigned bg, unsigned fg, unsigned w)
{
    return static_cast<uint8_t>(fg >= bg ? bg + ((fg - bg) * w >> 8) : bg - ((bg - fg) * w >> 8));
}

// count 24-bit pixels: dst = colour fg over background bg with mask and
// opacity. dst may be bg itself (drawing in place) but must not overlap it
// otherwise. Uses the widest vector unit of the processor.
void BlendRow24(uint8_t* dst, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int count, int opacity);
// The 128-bit version (only on processors with SSSE3).
void BlendRow24Ssse3(uint8_t* dst, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int count,
                     int opacity);
// The same, one pixel at a time (the reference the vector code must equal).
void BlendRow24Scalar(uint8_t* dst, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int count,
                      int opacity);
