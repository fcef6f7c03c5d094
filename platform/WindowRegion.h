// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The visible shape of a form: a rectangle with rounded corners (or the whole
// form). Pixels outside it are neither shown nor hit by the mouse.
#pragma once

#include <utility>
#include <vector>

#include "platform/Bitmap.h"

class WindowRegion {
public:
    // No region: the whole form is visible.
    WindowRegion() = default;
    // The rectangle r (right, bottom exclusive) with corners cut along quarter
    // ellipses ellipseWidth x ellipseHeight, as a rounded-rectangle region.
    static WindowRegion RoundRect(TRect r, int ellipseWidth, int ellipseHeight);

    bool IsWhole() const { return whole_; }
    bool Contains(int x, int y) const;
    // The visible columns [first, second) of a row; empty when first >= second.
    std::pair<int, int> Span(int row) const;
    TRect Bounds() const { return bounds_; }

private:
    bool whole_ = true;
    TRect bounds_;
    std::vector<std::pair<int, int>> spans_;  // one per row of bounds_
};
