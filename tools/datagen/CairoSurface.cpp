// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Owning handles for Cairo objects and the hand-over of Cairo pictures to Bitmap.
#include "tools/datagen/CairoSurface.h"

#include <cstdint>
#include <stdexcept>

CairoSurface NewImageSurface(int width, int height)
{
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("Cairo cannot make a picture surface");
    return surface;
}

Bitmap BitmapFromSurface(cairo_surface_t* surface)
{
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y) {
        // Cairo keeps premultiplied native-endian ARGB words.
        const auto* src = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        uint8_t* dst = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            const unsigned a = p >> 24;
            const unsigned white = 255 - a;
            dst[3 * x + 0] = static_cast<uint8_t>((p & 0xFF) + white);
            dst[3 * x + 1] = static_cast<uint8_t>(((p >> 8) & 0xFF) + white);
            dst[3 * x + 2] = static_cast<uint8_t>(((p >> 16) & 0xFF) + white);
        }
    }
    return bitmap;
}

CairoSurface SurfaceFromBitmap(const Bitmap& bitmap)
{
    CairoSurface surface = NewImageSurface(bitmap.Width(), bitmap.Height());
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.GetPixel(x, y);
            dst[x] = 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}
