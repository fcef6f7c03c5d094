// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The borders beside a scaled screen: its edges' colours, blurred and darkened.
#include "platform/BorderFill.h"

#include <algorithm>
#include <cstdlib>

namespace {

// How bright the fill is next to the picture and at the window's edge.
constexpr int kNearPercent = 58;
constexpr int kFarPercent = 30;
// Colours of the outer pixels that differ by no more than this count as the
// same: a border is not drawn again for noise.
constexpr int kTolerance = 6;

using Colour = std::array<uint8_t, 3>;

// A box blur along the edge, reaching a twentieth of its length each way, so
// that the fill shows the edge's broad colours and none of its details.
int BlurRadius(int n) { return std::max(2, n / 20); }

std::vector<Colour> Blurred(const std::vector<Colour>& edge)
{
    const int n = static_cast<int>(edge.size());
    std::vector<Colour> out(edge.size());
    if (n == 0)
        return out;
    const int radius = BlurRadius(n);
    std::vector<std::array<int64_t, 3>> sums(edge.size() + 1, {0, 0, 0});
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            sums[i + 1][c] = sums[i][c] + edge[i][c];
    for (int i = 0; i < n; ++i) {
        const int from = std::max(0, i - radius), to = std::min(n, i + radius + 1);
        for (int c = 0; c < 3; ++c)
            out[i][c] = static_cast<uint8_t>((sums[to][c] - sums[from][c]) / (to - from));
    }
    return out;
}

void Put(const PixelTarget& target, int x, int y, const Colour& colour, int percent)
{
    uint8_t* p = target.Row(y) + static_cast<std::ptrdiff_t>(x) * 4;
    p[0] = static_cast<uint8_t>(colour[0] * percent / 100);
    p[1] = static_cast<uint8_t>(colour[1] * percent / 100);
    p[2] = static_cast<uint8_t>(colour[2] * percent / 100);
    p[3] = 255;
}

// Darker the further from the picture: d of `depth` pixels away.
int Fade(int d, int depth)
{
    return kNearPercent - (kNearPercent - kFarPercent) * d / std::max(1, depth);
}

}  // namespace

std::vector<TRect> BorderFill::Borders(const ScaledView& view)
{
    std::vector<TRect> borders;
    if (!view.Scaled())
        return borders;
    const TRect p = view.Picture();
    const int w = view.Window().width, h = view.Window().height;
    // The side borders take the corners, when a window leaves both.
    if (p.left > 0)
        borders.push_back({0, 0, p.left, h});
    if (p.right < w)
        borders.push_back({p.right, 0, w, h});
    if (p.top > 0)
        borders.push_back({p.left, 0, p.right, p.top});
    if (p.bottom < h)
        borders.push_back({p.left, p.bottom, p.right, h});
    return borders;
}

BorderFill::Samples BorderFill::Sample(const Bitmap& screen)
{
    Samples s;
    const int w = screen.Width(), h = screen.Height();
    if (w < 1 || h < 1 || screen.Format() != PixelFormat::Bgr24)
        return s;
    const int depthX = std::min(kEdgeDepth, w), depthY = std::min(kEdgeDepth, h);
    s[kLeft].assign(static_cast<std::size_t>(h), Colour{});
    s[kRight].assign(static_cast<std::size_t>(h), Colour{});
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = screen.ScanLine(y);
        int left[3] = {0, 0, 0}, right[3] = {0, 0, 0};
        for (int i = 0; i < depthX; ++i)
            for (int c = 0; c < 3; ++c) {
                left[c] += row[3 * i + c];
                right[c] += row[3 * (w - 1 - i) + c];
            }
        for (int c = 0; c < 3; ++c) {
            s[kLeft][y][c] = static_cast<uint8_t>(left[c] / depthX);
            s[kRight][y][c] = static_cast<uint8_t>(right[c] / depthX);
        }
    }
    for (const Edge edge : {kTop, kBottom}) {
        std::vector<std::array<int, 3>> sum(static_cast<std::size_t>(w), {0, 0, 0});
        for (int i = 0; i < depthY; ++i) {
            const uint8_t* row = screen.ScanLine(edge == kTop ? i : h - 1 - i);
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c)
                    sum[x][c] += row[3 * x + c];
        }
        s[edge].assign(static_cast<std::size_t>(w), Colour{});
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                s[edge][x][c] = static_cast<uint8_t>(sum[x][c] / depthY);
    }
    return s;
}

BorderFill::Spans BorderFill::Whole(const Samples& s)
{
    Spans spans;
    for (int e = 0; e < 4; ++e)
        spans[e] = {0, static_cast<int>(s[e].size())};
    return spans;
}

void BorderFill::Draw(const Bitmap& screen, const ScaledView& view, const PixelTarget& target)
{
    samples_ = Sample(screen);
    Paint(screen, view, target, Whole(samples_));
}

std::vector<TRect> BorderFill::Paint(const Bitmap& screen, const ScaledView& view, const PixelTarget& target,
                                     const Spans& spans)
{
    drawn_ = true;
    if (Borders(view).empty() || samples_[kLeft].empty())
        return {};
    std::array<std::vector<Colour>, 4> edges;
    for (int e = 0; e < 4; ++e)
        edges[e] = Blurred(samples_[e]);
    const TRect p = view.Picture();
    const int w = view.Window().width, h = view.Window().height;
    const int lastRow = screen.Height() - 1, lastColumn = screen.Width() - 1;
    const auto inside = [&spans](Edge e, int i) { return i >= spans[e].from && i < spans[e].to; };
    TRect left, right, above, below;  // the window rectangles drawn
    const auto grow = [](TRect& r, int x0, int x1, int y) {
        if (x0 < x1)
            r = r.IsEmpty() ? TRect{x0, y, x1, y + 1} : TRect{r.left, std::min(r.top, y), r.right, y + 1};
    };
    std::vector<int> columns;  // the screen column under each window column, for the rows above and below
    for (int y = 0; y < h; ++y) {
        // The screen row beside this window row; rows above or below the
        // picture take its first or last.
        const int row = std::clamp(view.ToScreen({p.left, std::clamp(y, p.top, p.bottom - 1)}).y, 0, lastRow);
        if (inside(kLeft, row)) {
            for (int x = 0; x < p.left; ++x)
                Put(target, x, y, edges[kLeft][row], Fade(p.left - x, p.left));
            grow(left, 0, p.left, y);
        }
        if (inside(kRight, row)) {
            for (int x = p.right; x < w; ++x)
                Put(target, x, y, edges[kRight][row], Fade(x - p.right + 1, w - p.right));
            grow(right, p.right, w, y);
        }
        if (y >= p.top && y < p.bottom)
            continue;
        const bool isAbove = y < p.top;
        const Edge edge = isAbove ? kTop : kBottom;
        if (spans[edge].Empty())
            continue;
        const int d = isAbove ? p.top - y : y - p.bottom + 1;
        const int depth = isAbove ? p.top : h - p.bottom;
        if (columns.empty())
            for (int x = p.left; x < p.right; ++x)
                columns.push_back(std::clamp(view.ToScreen({x, p.top}).x, 0, lastColumn));
        // Above and below are drawn whole when their edge changed anywhere.
        for (int x = p.left; x < p.right; ++x)
            Put(target, x, y, edges[edge][columns[x - p.left]], Fade(d, depth));
        grow(isAbove ? above : below, p.left, p.right, y);
    }
    std::vector<TRect> drawn;
    for (const TRect& r : {left, right, above, below})
        if (!r.IsEmpty())
            drawn.push_back(r);
    return drawn;
}

std::vector<TRect> BorderFill::Refresh(const Bitmap& screen, const ScaledView& view, const TRect& presented,
                                       const PixelTarget& target)
{
    if (Borders(view).empty())
        return {};
    if (!drawn_) {
        samples_ = Sample(screen);
        return Paint(screen, view, target, Whole(samples_));
    }
    // Only a present that reached the outer pixels can have changed them.
    const TRect inner{kEdgeDepth, kEdgeDepth, screen.Width() - kEdgeDepth, screen.Height() - kEdgeDepth};
    const TRect reached = presented.Intersect(screen.Bounds());
    const bool outer = !reached.IsEmpty() && (reached.left < inner.left || reached.top < inner.top ||
                                              reached.right > inner.right || reached.bottom > inner.bottom);
    if (!outer)
        return {};
    Samples now = Sample(screen);
    for (int e = 0; e < 4; ++e)
        if (now[e].size() != samples_[e].size()) {
            samples_ = std::move(now);
            return Paint(screen, view, target, Whole(samples_));
        }
    // The samples that changed more than noise are taken; the others stay
    // as drawn. A sample's colour reaches as far along the border as the
    // blur does.
    Spans spans;
    bool any = false;
    for (int e = 0; e < 4; ++e) {
        const int n = static_cast<int>(now[e].size());
        int from = n, to = 0;
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < 3; ++c)
                if (std::abs(now[e][i][c] - samples_[e][i][c]) > kTolerance) {
                    from = std::min(from, i);
                    to = i + 1;
                }
        if (from >= to)
            continue;
        any = true;
        std::copy(now[e].begin() + from, now[e].begin() + to, samples_[e].begin() + from);
        const int radius = BlurRadius(n);
        spans[e] = {std::max(0, from - radius), std::min(n, to + radius)};
    }
    if (!any)
        return {};
    return Paint(screen, view, target, spans);
}
