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
std::vector<Colour> Blurred(const std::vector<Colour>& edge)
{
    const int n = static_cast<int>(edge.size());
    std::vector<Colour> out(edge.size());
    if (n == 0)
        return out;
    const int radius = std::max(2, n / 20);
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

bool BorderFill::LooksAlike(const Samples& a, const Samples& b)
{
    for (int e = 0; e < 4; ++e) {
        if (a[e].size() != b[e].size())
            return false;
        for (std::size_t i = 0; i < a[e].size(); ++i)
            for (int c = 0; c < 3; ++c)
                if (std::abs(a[e][i][c] - b[e][i][c]) > kTolerance)
                    return false;
    }
    return true;
}

void BorderFill::Draw(const Bitmap& screen, const ScaledView& view, const PixelTarget& target)
{
    samples_ = Sample(screen);
    Paint(screen, view, target);
}

void BorderFill::Paint(const Bitmap& screen, const ScaledView& view, const PixelTarget& target)
{
    drawn_ = true;
    if (Borders(view).empty() || samples_[kLeft].empty())
        return;
    std::array<std::vector<Colour>, 4> edges;
    for (int e = 0; e < 4; ++e)
        edges[e] = Blurred(samples_[e]);
    const TRect p = view.Picture();
    const int w = view.Window().width, h = view.Window().height;
    const int lastRow = screen.Height() - 1, lastColumn = screen.Width() - 1;
    std::vector<int> columns;  // the screen column under each window column, for the rows above and below
    for (int y = 0; y < h; ++y) {
        // The screen row beside this window row; rows above or below the
        // picture take its first or last.
        const int row = std::clamp(view.ToScreen({p.left, std::clamp(y, p.top, p.bottom - 1)}).y, 0, lastRow);
        for (int x = 0; x < p.left; ++x)
            Put(target, x, y, edges[kLeft][row], Fade(p.left - x, p.left));
        for (int x = p.right; x < w; ++x)
            Put(target, x, y, edges[kRight][row], Fade(x - p.right + 1, w - p.right));
        if (y >= p.top && y < p.bottom)
            continue;
        const bool above = y < p.top;
        const int d = above ? p.top - y : y - p.bottom + 1;
        const int depth = above ? p.top : h - p.bottom;
        if (columns.empty())
            for (int x = p.left; x < p.right; ++x)
                columns.push_back(std::clamp(view.ToScreen({x, p.top}).x, 0, lastColumn));
        for (int x = p.left; x < p.right; ++x)
            Put(target, x, y, edges[above ? kTop : kBottom][columns[x - p.left]], Fade(d, depth));
    }
}

std::vector<TRect> BorderFill::Refresh(const Bitmap& screen, const ScaledView& view, const TRect& presented,
                                       const PixelTarget& target)
{
    std::vector<TRect> borders = Borders(view);
    if (borders.empty())
        return {};
    if (drawn_) {
        // Only a present that reached the outer pixels can have changed them.
        const TRect inner{kEdgeDepth, kEdgeDepth, screen.Width() - kEdgeDepth, screen.Height() - kEdgeDepth};
        const TRect reached = presented.Intersect(screen.Bounds());
        const bool outer = !reached.IsEmpty() && (reached.left < inner.left || reached.top < inner.top ||
                                                  reached.right > inner.right || reached.bottom > inner.bottom);
        if (!outer)
            return {};
        Samples now = Sample(screen);
        if (LooksAlike(now, samples_))
            return {};
        samples_ = std::move(now);
    } else {
        samples_ = Sample(screen);
    }
    Paint(screen, view, target);
    return borders;
}
