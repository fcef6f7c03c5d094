// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChangedRects.h"

#include <algorithm>

namespace {

long long Area(const TRect& r) { return r.IsEmpty() ? 0 : static_cast<long long>(r.Width()) * r.Height(); }

// Joined when the union wastes little: a present per rectangle costs more
// than a few rows of pixels, but not as much as a long strip's bounding box
// with a tall column (the crane's rail and the crane) would.
bool WorthJoining(const TRect& a, const TRect& b)
{
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
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            if (WorthJoining(rects_[i], joined)) {
                joined = UnionRect(joined, rects_[i]);
                rects_[i] = rects_.back();
                rects_.pop_back();
                again = true;
                break;
            }
            if (!rects_[i].Intersect(joined).IsEmpty()) {
                // Overlapping, but their union would be mostly unchanged
                // pixels: only the parts outside those already here go in.
                again = false;
                break;
            }
        }
    }
    AddApart(joined, 0);
    if (rects_.size() > kMaxRects) {
        const TRect all = Bounds();
        rects_.assign(1, all);
    }
}

void ChangedRects::AddApart(const TRect& r, std::size_t from)
{
    // r overlaps none of the rectangles before from. Cutting only ever makes
    // smaller pieces, so this ends; the pieces of one cut do not overlap.
    for (std::size_t i = from; i < rects_.size(); ++i)
        if (!rects_[i].Intersect(r).IsEmpty()) {
            TRect parts[4];
            const int n = SubtractRect(r, rects_[i], parts);
            for (int k = 0; k < n; ++k)
                AddApart(parts[k], i + 1);
            return;
        }
    rects_.push_back(r);
}

TRect ChangedRects::Bounds() const
{
    TRect all;
    for (const TRect& r : rects_)
        all = UnionRect(all, r);
    return all;
}
