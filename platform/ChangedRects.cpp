// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChangedRects.h"

#include <algorithm>

namespace {

long long Area(const TRect& r) { return r.IsEmpty() ? 0 : static_cast<long long>(r.Width()) * r.Height(); }

// Joined when they overlap or touch, or when the union wastes little: a
// present per rectangle costs more than a few rows of pixels.
bool WorthJoining(const TRect& a, const TRect& b)
{
    if (a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom)
        return true;
    const long long both = Area(a) + Area(b);
    return Area(UnionRect(a, b)) <= both + both / 8;
}

}  // namespace

TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

int SubtractRect(const TRect& a, const TRect& b, TRect* out)
{
    if (a.IsEmpty())
        return 0;
    const TRect i = a.Intersect(b);
    if (i.IsEmpty()) {
        out[0] = a;
        return 1;
    }
    int n = 0;
    const TRect parts[4] = {{a.left, a.top, a.right, i.top},
                            {a.left, i.bottom, a.right, a.bottom},
                            {a.left, i.top, i.left, i.bottom},
                            {i.right, i.top, a.right, i.bottom}};
    for (const TRect& p : parts)
        if (!p.IsEmpty())
            out[n++] = p;
    return n;
}

void ChangedRects::Add(const TRect& r)
{
    if (r.IsEmpty())
        return;
    TRect joined = r;
    // A joined rectangle may now reach others: look again until none is left.
    for (bool again = true; again;) {
        again = false;
        for (std::size_t i = 0; i < rects_.size(); ++i)
            if (WorthJoining(rects_[i], joined)) {
                joined = UnionRect(joined, rects_[i]);
                rects_[i] = rects_.back();
                rects_.pop_back();
                again = true;
                break;
            }
    }
    rects_.push_back(joined);
    if (rects_.size() > kMaxRects) {
        const TRect all = Bounds();
        rects_.assign(1, all);
    }
}

TRect ChangedRects::Bounds() const
{
    TRect all;
    for (const TRect& r : rects_)
        all = UnionRect(all, r);
    return all;
}
