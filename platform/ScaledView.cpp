// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fitting and the exact integer mapping between screen and window pixels.
#include "platform/ScaledView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t CeilDiv(int64_t a, int64_t b)
{
    return -FloorDiv(-a, b);
}

// The areas the program has pictures for, in the order they are preferred on a tie.
constexpr TSize kAreas[] = {{1280, 1024}, {1280, 960}, {1024, 768}, {800, 600}};

double ProportionDistance(TSize a, TSize b)
{
    return std::fabs(std::log(static_cast<double>(a.width) / a.height) -
                     std::log(static_cast<double>(b.width) / b.height));
}

}  // namespace

TSize ChooseScaledArea(TSize screen)
{
    // The widest area that fits gives the sharpest pictures: scaling up a
    // smaller area's pictures would only blur them more.
    const TSize* best = nullptr;
    for (const TSize& area : kAreas) {
        if (area.width > screen.width || area.height > screen.height)
            continue;
        if (best == nullptr)
            best = &area;
        else if (area.width == best->width &&
                 ProportionDistance(area, screen) < ProportionDistance(*best, screen) - 1e-9)
            best = &area;
    }
    return best != nullptr ? *best : screen;
}

ScaledView::ScaledView(TSize screen, TSize window, bool scale) : screen_(screen), window_(window)
{
    int w = screen.width, h = screen.height;
    if (scale && screen.width > 0 && screen.height > 0) {
        // Fit by the tighter side; the other side is rounded to the nearest pixel.
        if (static_cast<int64_t>(window.width) * screen.height >= static_cast<int64_t>(window.height) * screen.width) {
            h = window.height;
            w = static_cast<int>((static_cast<int64_t>(screen.width) * h * 2 + screen.height) / (2 * screen.height));
        } else {
            w = window.width;
            h = static_cast<int>((static_cast<int64_t>(screen.height) * w * 2 + screen.width) / (2 * screen.width));
        }
    }
    w = std::max(w, 1);
    h = std::max(h, 1);
    const int left = (window.width - w) / 2, top = (window.height - h) / 2;
    picture_ = {left, top, left + w, top + h};
}

TPoint ScaledView::ToScreen(TPoint window) const
{
    return {static_cast<int>(FloorDiv(static_cast<int64_t>(window.x - picture_.left) * screen_.width,
                                      picture_.Width())),
            static_cast<int>(FloorDiv(static_cast<int64_t>(window.y - picture_.top) * screen_.height,
                                      picture_.Height()))};
}

int ScaledView::SpanStartX(int x) const
{
    return picture_.left +
           static_cast<int>(CeilDiv(static_cast<int64_t>(x) * picture_.Width(), std::max(screen_.width, 1)));
}

int ScaledView::SpanStartY(int y) const
{
    return picture_.top +
           static_cast<int>(CeilDiv(static_cast<int64_t>(y) * picture_.Height(), std::max(screen_.height, 1)));
}

TPoint ScaledView::ToWindow(TPoint screen) const
{
    // A screen pixel covers window pixels [start, end); shrunk pictures may
    // give it none, and then the one at its start is nearest.
    const int x0 = SpanStartX(screen.x), x1 = SpanStartX(screen.x + 1);
    const int y0 = SpanStartY(screen.y), y1 = SpanStartY(screen.y + 1);
    return {x1 > x0 ? (x0 + x1 - 1) / 2 : x0, y1 > y0 ? (y0 + y1 - 1) / 2 : y0};
}

TRect ScaledView::ToWindow(const TRect& screen) const
{
    return {SpanStartX(screen.left), SpanStartY(screen.top), SpanStartX(screen.right), SpanStartY(screen.bottom)};
}

TRect ScaledView::AffectedBy(const TRect& screen) const
{
    if (!Scaled())
        return ToWindow(screen).Intersect(picture_);
    return ToWindow(TRect{screen.left - 1, screen.top - 1, screen.right + 1, screen.bottom + 1}).Intersect(picture_);
}
