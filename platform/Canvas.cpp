// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas drawing: clipping to the canvas's area, raster copies, fills and text.
#include "platform/Canvas.h"

#include "platform/TextRenderer.h"

TCanvas::TCanvas(Bitmap& target) : target_(&target), clip_{0, 0, 1 << 30, 1 << 30} {}

TCanvas::TCanvas(Bitmap& target, TPoint origin, TRect clip, CanvasSink* sink)
    : target_(&target), origin_(origin), clip_(clip), sink_(sink)
{
}

void TCanvas::WillUse(TRect bitmapRect) const
{
    if (sink_ != nullptr && !bitmapRect.IsEmpty())
        sink_->CanvasWillUse(bitmapRect);
}

void TCanvas::Changed(TRect bitmapRect)
{
    if (sink_ != nullptr && !bitmapRect.IsEmpty())
        sink_->CanvasChanged(bitmapRect);
}

void TCanvas::CopyRect(TRect dest, const Bitmap& src, TRect source)
{
    const TRect d = ToBitmap(dest);
    const TRect visible = d.Intersect(clip_).Intersect(target_->Bounds());
    if (visible.IsEmpty() || source.IsEmpty() || src.Empty())
        return;
    const bool sameSize = d.Width() == source.Width() && d.Height() == source.Height();
    if (sameSize && CopyMode == RasterOp::Copy && sink_ != nullptr) {
        const TRect part = visible.Offset(source.left - d.left, source.top - d.top);
        if (sink_->CanvasShowsPicture(visible, src, part)) {
            Changed(visible);
            return;
        }
    }
    WillUse(visible);
    if (visible == d) {
        target_->CopyRect(d, src, source, CopyMode);
    } else if (sameSize) {
        const TRect part{source.left + visible.left - d.left, source.top + visible.top - d.top,
                         source.left + visible.right - d.left, source.top + visible.bottom - d.top};
        target_->CopyRect(visible, src, part, CopyMode);
    } else {
        // A clipped stretch keeps the nearest-pixel mapping of the whole rectangle.
        Bitmap stretched(d.Width(), d.Height(), target_->Format());
        stretched.CopyRect(stretched.Bounds(), src, source, RasterOp::Copy);
        target_->CopyRect(visible, stretched, visible.Offset(-d.left, -d.top), CopyMode);
    }
    Changed(visible);
}

void TCanvas::CopyRect(TRect dest, const TCanvas& src, TRect source)
{
    src.WillUse(source.Offset(src.origin_.x, src.origin_.y).Intersect(src.target_->Bounds()));
    CopyRect(dest, *src.target_, source.Offset(src.origin_.x, src.origin_.y));
}

void TCanvas::Draw(int x, int y, const Bitmap& src)
{
    CopyRect(RectXYWH(x, y, src.Width(), src.Height()), src, src.Bounds());
}

void TCanvas::StretchDraw(TRect dest, const Bitmap& src)
{
    CopyRect(dest, src, src.Bounds());
}

void TCanvas::FillRect(TRect r)
{
    const TRect visible = ToBitmap(r).Intersect(clip_).Intersect(target_->Bounds());
    if (visible.IsEmpty())
        return;
    WillUse(visible);
    target_->FillRect(visible, Brush.Color);
    Changed(visible);
}

void TCanvas::FrameRect(TRect r)
{
    const TRect d = ToBitmap(r);
    WillUse(d.Intersect(clip_).Intersect(target_->Bounds()));
    const TRect sides[4] = {{d.left, d.top, d.right, d.top + 1},
                            {d.left, d.bottom - 1, d.right, d.bottom},
                            {d.left, d.top, d.left + 1, d.bottom},
                            {d.right - 1, d.top, d.right, d.bottom}};
    for (const TRect& s : sides)
        target_->FillRect(s.Intersect(clip_), Brush.Color);
    Changed(d.Intersect(clip_).Intersect(target_->Bounds()));
}

void TCanvas::Rectangle(TRect r)
{
    const TRect d = ToBitmap(r);
    const int w = Pen.Width < 1 ? 1 : Pen.Width;
    WillUse(d.Intersect(clip_).Intersect(target_->Bounds()));
    if (!Brush.Clear)
        target_->FillRect(TRect{d.left + w, d.top + w, d.right - w, d.bottom - w}.Intersect(clip_), Brush.Color);
    const TRect sides[4] = {{d.left, d.top, d.right, d.top + w},
                            {d.left, d.bottom - w, d.right, d.bottom},
                            {d.left, d.top, d.left + w, d.bottom},
                            {d.right - w, d.top, d.right, d.bottom}};
    for (const TRect& s : sides)
        target_->FillRect(s.Intersect(clip_), Pen.Color);
    Changed(d.Intersect(clip_).Intersect(target_->Bounds()));
}

TColor TCanvas::Pixel(int x, int y) const
{
    WillUse(RectXYWH(x + origin_.x, y + origin_.y, 1, 1).Intersect(target_->Bounds()));
    return target_->GetPixel(x + origin_.x, y + origin_.y);
}

void TCanvas::SetPixel(int x, int y, TColor colour)
{
    const int bx = x + origin_.x, by = y + origin_.y;
    if (!clip_.Contains(bx, by))
        return;
    WillUse(RectXYWH(bx, by, 1, 1).Intersect(target_->Bounds()));
    target_->SetPixel(bx, by, colour);
    Changed(RectXYWH(bx, by, 1, 1).Intersect(target_->Bounds()));
}

void TCanvas::TextOut(int x, int y, std::string_view cp1250)
{
    const TPoint size = TextExtent(cp1250);
    const TRect d = RectXYWH(x + origin_.x, y + origin_.y, size.x, size.y);
    WillUse(d.Intersect(clip_).Intersect(target_->Bounds()));
    if (!Brush.Clear)
        target_->FillRect(d.Intersect(clip_), Brush.Color);
    TextRenderer::Draw(*target_, d.left, d.top, Font, cp1250, clip_);
    Changed(d.Intersect(clip_).Intersect(target_->Bounds()));
}

TPoint TCanvas::TextExtent(std::string_view cp1250) const
{
    return TextRenderer::Measure(Font, cp1250);
}
