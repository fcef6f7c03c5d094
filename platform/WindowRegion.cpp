// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Rounded window regions: one visible span per row.
#include "platform/WindowRegion.h"

#include <algorithm>
#include <cmath>

WindowRegion WindowRegion::RoundRect(TRect r, int ellipseWidth, int ellipseHeight)
{
    WindowRegion region;
    region.whole_ = false;
    region.bounds_ = r.IsEmpty() ? TRect{} : r;
    if (r.IsEmpty())
        return region;
    const double rx = std::clamp(ellipseWidth, 0, r.Width()) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, r.Height()) / 2.0;
    region.spans_.reserve(static_cast<std::size_t>(r.Height()));
    for (int y = r.top; y < r.bottom; ++y) {
        // Pixel centres decide: a pixel belongs to the region when its centre
        // lies inside the corner ellipse of its quadrant.
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < r.top + ry)
            dy = r.top + ry - cy;
        else if (cy > r.bottom - ry)
            dy = cy - (r.bottom - ry);
        int inset = 0;
        if (dy > 0 && rx > 0 && ry > 0) {
            const double t = std::max(0.0, 1.0 - (dy * dy) / (ry * ry));
            const double halfWidth = rx * std::sqrt(t);  // extent from the ellipse centre
            // Columns whose centre x + 0.5 lies within [left + rx - halfWidth, ...].
            inset = static_cast<int>(std::ceil(rx - halfWidth - 0.5));
            inset = std::max(inset, 0);
        }
        const int left = r.left + inset;
        const int right = r.right - inset;
        region.spans_.emplace_back(left, std::max(left, right));
    }
    return region;
}

bool WindowRegion::Contains(int x, int y) const
{
    if (whole_)
        return true;
    const auto span = Span(y);
    return x >= span.first && x < span.second;
}

std::pair<int, int> WindowRegion::Span(int row) const
{
    if (whole_)
        return {0, 0};
    if (row < bounds_.top || row >= bounds_.bottom)
        return {0, 0};
    return spans_[static_cast<std::size_t>(row - bounds_.top)];
}
