// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one translation unit that compiles stb_image_write.
#include "platform/PngWriter.h"

#include <cstdio>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include "platform/Paths.h"

namespace {

void AppendToVector(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool SavePng(const Bitmap& bitmap, const std::filesystem::path& file)
{
    if (bitmap.Empty())
        return false;
    const int w = bitmap.Width(), h = bitmap.Height();
    const bool grey = bitmap.Format() == PixelFormat::Gray8;
    const int channels = grey ? 1 : 3;
    std::vector<unsigned char> rows(static_cast<std::size_t>(w) * h * channels);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = bitmap.ScanLine(y);
        unsigned char* dst = rows.data() + static_cast<std::size_t>(y) * w * channels;
        if (grey) {
            std::copy(src, src + w, dst);
            continue;
        }
        const int bpp = bitmap.BytesPerPixel();
        for (int x = 0; x < w; ++x, src += bpp, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    std::vector<unsigned char> png;
    if (stbi_write_png_to_func(AppendToVector, &png, w, h, channels, rows.data(), w * channels) == 0)
        return false;
    std::FILE* f = OpenFile(file, "wb");
    if (f == nullptr)
        return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}
