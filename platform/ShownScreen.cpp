// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShownScreen.h"

#include <algorithm>
#include <cstring>

namespace {

// Unchanged rows between two changed ones that still join them into one
// rectangle: a present per rectangle costs more than a few rows.
constexpr int kJoinedGap = 8;

// Offsets of the first and last differing bytes of two equal-length spans
// that are known to differ.
int FirstDifference(const uint8_t* a, const uint8_t* b, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8)
        if (std::memcmp(a + i, b + i, 8) != 0)
            break;
    while (a[i] == b[i])
        ++i;
    return i;
}

int LastDifference(const uint8_t* a, const uint8_t* b, int n)
{
    int i = n;
    for (; i >= 8; i -= 8)
        if (std::memcmp(a + i - 8, b + i - 8, 8) != 0)
            break;
    do
        --i;
    while (a[i] == b[i]);
    return i;
}

}  // namespace

void ShownScreen::Reset(int width, int height)
{
    shown_ = Bitmap(width, height, PixelFormat::Bgr24);
}

std::vector<TRect> ShownScreen::TakeChanges(const Bitmap& screen, const TRect& rect)
{
    std::vector<TRect> changes;
    if (screen.Width() != shown_.Width() || screen.Height() != shown_.Height() ||
        screen.Format() != PixelFormat::Bgr24) {
        // Nothing to compare with: all of it is new.
        Reset(screen.Width(), screen.Height());
        const TRect r = rect.Intersect(screen.Bounds());
        if (!r.IsEmpty())
            changes.push_back(r);
        return changes;
    }
    const TRect r = rect.Intersect(screen.Bounds());
    if (r.IsEmpty())
        return changes;
    const int n = r.Width() * 3;
    TRect band;
    bool open = false;
    for (int y = r.top; y < r.bottom; ++y) {
        const uint8_t* now = screen.ScanLine(y) + r.left * 3;
        uint8_t* was = shown_.ScanLine(y) + r.left * 3;
        if (std::memcmp(now, was, static_cast<std::size_t>(n)) == 0)
            continue;
        const int first = FirstDifference(now, was, n), last = LastDifference(now, was, n);
        std::memcpy(was + first, now + first, static_cast<std::size_t>(last - first + 1));
        const int left = r.left + first / 3, right = r.left + last / 3 + 1;
        if (open && y - band.bottom < kJoinedGap) {
            band = {std::min(band.left, left), band.top, std::max(band.right, right), y + 1};
        } else {
            if (open)
                changes.push_back(band);
            band = {left, y, right, y + 1};
            open = true;
        }
    }
    if (open)
        changes.push_back(band);
    return changes;
}
