// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface over a bitmap. The canvas of a form or of one of its
// controls draws "on the window": each call makes its rectangle visible at
// once, so an animation that sleeps between frames is seen while it sleeps.
// A canvas made over a plain bitmap draws off screen.
#pragma once

#include <string_view>

#include "platform/Bitmap.h"
#include "platform/Font.h"

// Told about every rectangle (in bitmap pixels) a canvas has changed.
class CanvasSink {
public:
    virtual void CanvasChanged(const TRect& bitmapRect) = 0;
    // Before a canvas draws on or reads a rectangle: its pixels must be the
    // ones shown.
    virtual void CanvasWillUse(const TRect& bitmapRect) { static_cast<void>(bitmapRect); }
    // A plain copy of source's rectangle to the rectangle of the bitmap at
    // the same place relative to a picture the sink shows directly: true
    // when the sink has taken it as shown, and nothing is to be copied.
    virtual bool CanvasShowsPicture(const TRect& bitmapRect, const Bitmap& source, const TRect& sourceRect)
    {
        static_cast<void>(bitmapRect);
        static_cast<void>(source);
        static_cast<void>(sourceRect);
        return false;
    }

protected:
    ~CanvasSink() = default;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
    bool Clear = false;  // hollow: rectangles are not filled, text has no background
};

class TCanvas {
public:
    // An off-screen canvas over the whole bitmap.
    explicit TCanvas(Bitmap& target);
    // A canvas whose (0, 0) is at origin inside target, drawing only inside
    // clip (bitmap pixels) and reporting changes to sink.
    TCanvas(Bitmap& target, TPoint origin, TRect clip, CanvasSink* sink);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    Bitmap& Target() { return *target_; }
    const Bitmap& Target() const { return *target_; }
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint origin) { origin_ = origin; }
    // The drawable area in canvas coordinates.
    TRect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }
    // Sets the drawable area in bitmap pixels (the owner's business).
    void SetBitmapClip(TRect clip) { clip_ = clip; }

    // Raster operation of CopyRect, Draw and StretchDraw.
    RasterOp CopyMode = RasterOp::Copy;
    TPen Pen;
    TBrush Brush;
    TFont Font;

    void CopyRect(TRect dest, const Bitmap& src, TRect source);
    // From another canvas; source is in that canvas's coordinates.
    void CopyRect(TRect dest, const TCanvas& src, TRect source);
    void Draw(int x, int y, const Bitmap& src);
    void StretchDraw(TRect dest, const Bitmap& src);
    // Fills with the brush colour.
    void FillRect(TRect r);
    // An outline one pixel wide in the brush colour.
    void FrameRect(TRect r);
    // Pen outline, brush inside (unless the brush is clear).
    void Rectangle(TRect r);
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor colour);

    // One line of cp1250 text with its top-left corner at (x, y); the brush
    // fills the text's rectangle first unless it is clear.
    void TextOut(int x, int y, std::string_view cp1250);
    TPoint TextExtent(std::string_view cp1250) const;
    int TextWidth(std::string_view cp1250) const { return TextExtent(cp1250).x; }
    int TextHeight(std::string_view cp1250) const { return TextExtent(cp1250).y; }

private:
    // Canvas rectangle to bitmap rectangle.
    TRect ToBitmap(TRect r) const { return r.Offset(origin_.x, origin_.y); }
    void WillUse(TRect bitmapRect) const;
    void Changed(TRect bitmapRect);

    Bitmap* target_;
    TPoint origin_;
    TRect clip_;
    CanvasSink* sink_ = nullptr;
};
