// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Owning handles for Cairo objects and the hand-over of Cairo pictures to Bitmap.
#pragma once

#include <cairo.h>

#include <memory>

#include "platform/Bitmap.h"

struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct CairoContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextDeleter>;

// A new ARGB image surface; throws std::runtime_error when Cairo cannot make one.
CairoSurface NewImageSurface(int width, int height);

// A 24-bit or 32-bit bitmap as an opaque Cairo surface.
CairoSurface SurfaceFromBitmap(const Bitmap& bitmap);

// The surface's pixels as a 24-bit bitmap, laid over white where not opaque.
Bitmap BitmapFromSurface(cairo_surface_t* surface);
