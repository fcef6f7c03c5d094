// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers of the graphics tests: random pictures and pixel access.
#pragma once

#include <cstdint>
#include <random>

#include "platform/Bitmap.h"

inline Bitmap RandomBitmap(int w, int h, PixelFormat format, std::mt19937& rng)
{
    Bitmap b(w, h, format);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y) {
        uint8_t* p = b.ScanLine(y);
        for (int x = 0; x < w * b.BytesPerPixel(); ++x)
            p[x] = static_cast<uint8_t>(byte(rng));
    }
    return b;
}

// A mask with long clear and opaque runs as well as soft values.
inline Bitmap RandomSpriteMask(int w, int h, std::mt19937& rng)
{
    Bitmap m(w, h, PixelFormat::Gray8);
    std::uniform_int_distribution<int> kind(0, 9), byte(0, 255), run(1, 40);
    for (int y = 0; y < h; ++y) {
        uint8_t* p = m.ScanLine(y);
        int x = 0;
        while (x < w) {
            const int k = kind(rng), n = std::min(run(rng), w - x);
            for (int i = 0; i < n; ++i, ++x)
                p[x] = static_cast<uint8_t>(k < 3 ? 0 : k < 6 ? 255 : k == 6 ? (i & 1 ? 1 : 254) : byte(rng));
        }
    }
    return m;
}

inline uint8_t Byte(const Bitmap& b, int x, int y, int channel)
{
    return b.ScanLine(y)[x * b.BytesPerPixel() + channel];
}
