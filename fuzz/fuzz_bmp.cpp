// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the BMP reader: any bytes must decode or be refused cleanly, and a
// decoded picture must survive writing and reading back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "graphics/LoadCorrectBitmap.h"

constexpr long long kFuzzPixels = 1 << 14;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Gray8}) {
        Bitmap picture;
        try {
            // A small limit keeps each run short; the limit itself is part of what is tested.
            DecodeBmp(bytes, picture, format, kFuzzPixels);
        } catch (const EInvalidGraphic&) {
            continue;
        }
        if (picture.Width() * static_cast<long long>(picture.Height()) > kFuzzPixels)
            std::abort();
        Bitmap back;
        DecodeBmp(EncodeBmp(picture), back, format);
        if (!(back == picture))
            std::abort();
    }
    RepairBmpSizeField(bytes);
    try {
        Bitmap repaired;
        DecodeBmp(bytes, repaired, PixelFormat::Bgr24, kFuzzPixels);
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
