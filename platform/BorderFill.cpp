// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The borders beside a scaled screen: its edges' colours, blurred and darkened.
#include "platform/BorderFill.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

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

// One window pixel: the colour at a brightness in percent.
void Shade(uint8_t* p, const Colour& colour, int percent)
{
    p[0] = static_cast<uint8_t>(colour[0] * percent / 100);
    p[1] = static_cast<uint8_t>(colour[1] * percent / 100);
    p[2] = static_cast<uint8_t>(colour[2] * percent / 100);
    p[3] = 255;
}

void Put(const PixelTarget& target, int x, int y, const Colour& colour, int percent)
{
    Shade(target.Row(y) + static_cast<std::ptrdiff_t>(x) * 4, colour, percent);
}

// One row of a side border: the colour at each column's brightness.
void PutRow(uint8_t* p, const Colour& colour, const std::vector<uint8_t>& percents)
{
    for (const uint8_t percent : percents) {
        Shade(p, colour, percent);
        p += 4;
    }
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

void BorderFill::SampleEdge(const Bitmap& screen, int edge, Span span, std::vector<Colour>& out)
{
    const int w = screen.Width(), h = screen.Height();
    if (edge == kLeft || edge == kRight) {
        const int depth = std::min(kEdgeDepth, w);
        const int first = edge == kLeft ? 0 : w - depth;
        for (int y = span.from; y < span.to; ++y) {
            const uint8_t* p = screen.ScanLine(y) + static_cast<std::ptrdiff_t>(first) * 3;
            int sum[3] = {0, 0, 0};
            for (int i = 0; i < depth; ++i, p += 3)
                for (int c = 0; c < 3; ++c)
                    sum[c] += p[c];
            for (int c = 0; c < 3; ++c)
                out[y][c] = static_cast<uint8_t>(sum[c] / depth);
        }
        return;
    }
    const int depth = std::min(kEdgeDepth, h);
    std::vector<int> sum(static_cast<std::size_t>(span.to - span.from) * 3, 0);
    for (int i = 0; i < depth; ++i) {
        const uint8_t* row = screen.ScanLine(edge == kTop ? i : h - 1 - i) + static_cast<std::ptrdiff_t>(span.from) * 3;
        for (std::size_t k = 0; k < sum.size(); ++k)
            sum[k] += row[k];
    }
    for (int x = span.from; x < span.to; ++x)
        for (int c = 0; c < 3; ++c)
            out[x][c] = static_cast<uint8_t>(sum[static_cast<std::size_t>(x - span.from) * 3 + c] / depth);
}

BorderFill::Samples BorderFill::Sample(const Bitmap& screen)
{
    Samples s;
    const int w = screen.Width(), h = screen.Height();
    if (w < 1 || h < 1 || screen.Format() != PixelFormat::Bgr24)
        return s;
    for (const Edge edge : {kLeft, kRight, kTop, kBottom}) {
        const int n = edge == kLeft || edge == kRight ? h : w;
        s[edge].assign(static_cast<std::size_t>(n), Colour{});
        SampleEdge(screen, edge, {0, n}, s[edge]);
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
    // The brightness of each column of the side borders.
    std::vector<uint8_t> leftFade, rightFade;
    for (int x = 0; x < p.left; ++x)
        leftFade.push_back(static_cast<uint8_t>(Fade(p.left - x, p.left)));
    for (int x = p.right; x < w; ++x)
        rightFade.push_back(static_cast<uint8_t>(Fade(x - p.right + 1, w - p.right)));
    const auto side = [&](Edge e, int x0, const std::vector<uint8_t>& fade, int y, int row, int previousRow) {
        uint8_t* dst = target.Row(y) + static_cast<std::ptrdiff_t>(x0) * 4;
        // A scaled screen gives several window rows per screen row: the
        // row drawn just before is the same.
        if (row == previousRow)
            std::copy_n(target.Row(y - 1) + static_cast<std::ptrdiff_t>(x0) * 4, fade.size() * 4, dst);
        else
            PutRow(dst, edges[e][row], fade);
    };
    int previousRow = -1;
    for (int y = 0; y < h; ++y) {
        // The screen row beside this window row; rows above or below the
        // picture take its first or last.
        const int row = std::clamp(view.ToScreen({p.left, std::clamp(y, p.top, p.bottom - 1)}).y, 0, lastRow);
        const int before = std::exchange(previousRow, row);
        if (inside(kLeft, row)) {
            side(kLeft, 0, leftFade, y, row, inside(kLeft, before) ? before : -1);
            grow(left, 0, p.left, y);
        }
        if (inside(kRight, row)) {
            side(kRight, p.right, rightFade, y, row, inside(kRight, before) ? before : -1);
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
    if (screen.Width() != static_cast<int>(samples_[kTop].size()) ||
        screen.Height() != static_cast<int>(samples_[kLeft].size())) {
        samples_ = Sample(screen);
        return Paint(screen, view, target, Whole(samples_));
    }
    // Only the outer pixels a present reached can have changed; those are
    // sampled again, and those that changed more than noise are taken (the
    // others stay as drawn). A sample's colour reaches as far along the
    // border as the blur does.
    const int w = screen.Width(), h = screen.Height();
    const TRect reached = presented.Intersect(screen.Bounds());
    if (reached.IsEmpty())
        return {};
    Spans reach;
    if (reached.left < kEdgeDepth)
        reach[kLeft] = {reached.top, reached.bottom};
    if (reached.right > w - kEdgeDepth)
        reach[kRight] = {reached.top, reached.bottom};
    if (reached.top < kEdgeDepth)
        reach[kTop] = {reached.left, reached.right};
    if (reached.bottom > h - kEdgeDepth)
        reach[kBottom] = {reached.left, reached.right};
    Spans spans;
    bool any = false;
    std::vector<Colour> now;
    for (int e = 0; e < 4; ++e) {
        if (reach[e].Empty())
            continue;
        const int n = static_cast<int>(samples_[e].size());
        now.resize(samples_[e].size());
        SampleEdge(screen, e, reach[e], now);
        int from = n, to = 0;
        for (int i = reach[e].from; i < reach[e].to; ++i)
            for (int c = 0; c < 3; ++c)
                if (std::abs(now[i][c] - samples_[e][i][c]) > kTolerance) {
                    from = std::min(from, i);
                    to = i + 1;
                }
        if (from >= to)
            continue;
        any = true;
        std::copy(now.begin() + from, now.begin() + to, samples_[e].begin() + from);
        const int radius = BlurRadius(n);
        spans[e] = {std::max(0, from - radius), std::min(n, to + radius)};
    }
    if (!any)
        return {};
    return Paint(screen, view, target, spans);
}
