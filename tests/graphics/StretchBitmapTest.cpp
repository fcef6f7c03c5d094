// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "graphics/ExactDivider.h"
#include "graphics/StretchBitmap.h"
#include "tests/graphics/GraphicsTestSupport.h"

namespace {

struct Tap {
    int first, wl, wr, div;
};

// The bilinear table written out plainly, one formula per case.
std::vector<Tap> PlainBilinearTable(int s, int t)
{
    std::vector<Tap> taps;
    for (int i = 0; i < t; ++i) {
        const long long c = static_cast<long long>(s) * (2 * i + 1);
        const long long d = (c + t) / (2LL * t);
        const long long left = d - 1;
        if (left < 0)
            taps.push_back({0, 1, 0, 1});
        else if (d == s)
            taps.push_back({static_cast<int>(d - 2), 0, 1, 1});
        else {
            const long long r = c - (2 * left + 1) * t;
            taps.push_back({static_cast<int>(left), static_cast<int>(2 * t - r), static_cast<int>(r), 2 * t});
        }
    }
    return taps;
}

// The two-dimensional formula, pixel by pixel, in 64-bit sums.
Bitmap PlainBilinear(const Bitmap& src, int tw, int th)
{
    const auto xs = PlainBilinearTable(src.Width(), tw);
    const auto ys = PlainBilinearTable(src.Height(), th);
    Bitmap out(tw, th);
    for (int j = 0; j < th; ++j)
        for (int i = 0; i < tw; ++i)
            for (int k = 0; k < 3; ++k) {
                const Tap& x = xs[i];
                const Tap& y = ys[j];
                const unsigned long long sum =
                    1ULL * Byte(src, x.first, y.first, k) * x.wl * y.wl +
                    1ULL * Byte(src, x.first + 1, y.first, k) * x.wr * y.wl +
                    1ULL * Byte(src, x.first, y.first + 1, k) * x.wl * y.wr +
                    1ULL * Byte(src, x.first + 1, y.first + 1, k) * x.wr * y.wr;
                out.ScanLine(j)[i * 3 + k] = static_cast<uint8_t>(sum / (1ULL * x.div * y.div));
            }
    return out;
}

// Area averaging: every source pixel weighted by how much of it each target pixel covers.
Bitmap PlainArea(const Bitmap& src, int tw, int th)
{
    const int sw = src.Width(), sh = src.Height();
    auto weight = [](long long s, long long d, long long j, long long cell) -> long long {
        const long long first = j * s / d, last = ((j + 1) * s - 1) / d;
        if (cell < first || cell > last)
            return 0;
        if (cell == first)
            return (first + 1) * d - j * s;
        if (cell == last)
            return (j + 1) * s - last * d;
        return d;
    };
    Bitmap out(tw, th);
    for (int j = 0; j < th; ++j)
        for (int i = 0; i < tw; ++i)
            for (int k = 0; k < 3; ++k) {
                unsigned long long sum = 0;
                for (int y = j * sh / th; y <= ((j + 1) * sh - 1) / th; ++y)
                    for (int x = i * sw / tw; x <= ((i + 1) * sw - 1) / tw; ++x)
                        sum += Byte(src, x, y, k) * weight(sw, tw, i, x) * weight(sh, th, j, y);
                out.ScanLine(j)[i * 3 + k] = static_cast<uint8_t>(sum / (1ULL * sw * sh));
            }
    return out;
}

}  // namespace

TEST(StretchBitmap, BilinearTableAndAreaWeightsByHand)
{
    const auto up = BilinearTaps(4, 8);
    auto tap = [&](int i) { return std::vector<int>{up[i].first, up[i].weightFirst, up[i].weightNext, up[i].divisor}; };
    ASSERT_EQ(up.size(), 8u);
    EXPECT_EQ(tap(0), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(tap(1), (std::vector<int>{0, 12, 4, 16}));
    EXPECT_EQ(tap(6), (std::vector<int>{2, 4, 12, 16}));
    EXPECT_EQ(tap(7), (std::vector<int>{2, 0, 1, 1}));

    const auto area = AreaTaps(5, 2);
    auto cells = [&](int j) { return std::vector<int>{area[j].first, area[j].last, area[j].weightFirst, area[j].weightLast}; };
    ASSERT_EQ(area.size(), 2u);
    EXPECT_EQ(cells(0), (std::vector<int>{0, 2, 2, 1}));
    EXPECT_EQ(cells(1), (std::vector<int>{2, 4, 1, 2}));

    // 2 x 2 up to 4 x 2 by hand.
    Bitmap two(2, 2);
    two.SetPixel(0, 0, RGB(0, 0, 0));
    two.SetPixel(1, 0, RGB(160, 0, 0));
    two.SetPixel(0, 1, RGB(0, 0, 0));
    two.SetPixel(1, 1, RGB(160, 0, 0));
    Bitmap four(4, 2);
    StretchBitmap(four, two);
    // Columns of s=2, t=4: (0: 1,0 /1) (1: 6,2 /8) (2: 2,6 /8) (3: 0,1 /1).
    EXPECT_EQ(GetRValue(four.GetPixel(0, 0)), 0u);
    EXPECT_EQ(GetRValue(four.GetPixel(1, 0)), 160u * 2 / 8);
    EXPECT_EQ(GetRValue(four.GetPixel(2, 0)), 160u * 6 / 8);
    EXPECT_EQ(GetRValue(four.GetPixel(3, 1)), 160u);

    // 5 x 5 down to 2 x 2 by area: a single bright pixel in the centre cell
    // weighs 1 x 2 (x: second target column, y: first) out of 25.
    Bitmap five(5, 5);
    five.SetPixel(2, 0, RGB(250, 0, 0));
    Bitmap small(2, 2);
    ShrinkBitmap(small, five);
    EXPECT_EQ(GetRValue(small.GetPixel(0, 0)), 250u * 1 * 2 / 25);
    EXPECT_EQ(GetRValue(small.GetPixel(1, 0)), 250u * 1 * 2 / 25);
    EXPECT_EQ(GetRValue(small.GetPixel(0, 1)), 0u);
}

TEST(StretchBitmap, EqualsThePlainFormulasOnRandomPictures)
{
    std::mt19937 rng(99);
    const int sizes[][4] = {{7, 5, 13, 9}, {40, 30, 128, 96}, {33, 17, 20, 9}, {100, 100, 50, 50},
                            {3, 2, 61, 37}, {64, 48, 63, 47}, {9, 40, 300, 41}};
    for (const auto& s : sizes) {
        const Bitmap src = RandomBitmap(s[0], s[1], PixelFormat::Bgr24, rng);
        Bitmap out(s[2], s[3]);
        StretchBitmap(out, src);
        ASSERT_EQ(out, PlainBilinear(src, s[2], s[3])) << s[0] << "x" << s[1] << " -> " << s[2] << "x" << s[3];
    }
    const int shrinks[][4] = {{100, 100, 49, 49}, {37, 23, 10, 7}, {64, 64, 31, 2}, {50, 9, 3, 4}};
    for (const auto& s : shrinks) {
        const Bitmap src = RandomBitmap(s[0], s[1], PixelFormat::Bgr24, rng);
        Bitmap out(s[2], s[3]);
        ShrinkBitmap(out, src);
        ASSERT_EQ(out, PlainArea(src, s[2], s[3])) << s[0] << "x" << s[1] << " -> " << s[2] << "x" << s[3];
    }
}

TEST(StretchBitmap, AreaAveragesOfSizesWithCommonDivisorsStayExact)
{
    // Sizes whose reduced ratios are small take the narrow sums: shrink by
    // factors from just over 1 to over 5, in both directions, over white
    // pictures (the largest sums), black-and-white noise and random ones,
    // and widths that end a row at every phase of the filter's groups.
    std::mt19937 rng(17);
    auto pick = [&](int& source, int& target) {
        const int reduced = 2 + static_cast<int>(rng() % 12);
        const int reducedTarget = 1 + static_cast<int>(rng() % static_cast<unsigned>(reduced - 1));
        const int factor = 1 + static_cast<int>(rng() % static_cast<unsigned>(std::max(1, 90 / reduced)));
        source = reduced * factor;
        target = reducedTarget * factor;
    };
    for (int n = 0; n < 300; ++n) {
        int sw, tw, sh, th;
        pick(sw, tw);
        pick(sh, th);
        Bitmap src = RandomBitmap(sw, sh, PixelFormat::Bgr24, rng);
        if (n % 3 == 0)
            src.Fill(clWhite);
        else if (n % 3 == 1)
            for (int y = 0; y < sh; ++y)
                for (int i = 0; i < sw * 3; ++i)
                    src.ScanLine(y)[i] = rng() % 2 ? 255 : 0;
        Bitmap out(tw, th);
        ShrinkBitmap(out, src);
        ASSERT_EQ(out, PlainArea(src, tw, th)) << sw << "x" << sh << " -> " << tw << "x" << th;
    }
    // Column sums at the top of 15 bits and just past it, with large
    // vertical weights; white is where any overflow would show.
    const int wide[][4] = {{97, 128, 45, 65}, {101, 129, 37, 100}, {101, 127, 37, 100}};
    for (const auto& z : wide)
        for (int white = 0; white < 2; ++white) {
            Bitmap src = RandomBitmap(z[0], z[1], PixelFormat::Bgr24, rng);
            if (white)
                src.Fill(clWhite);
            Bitmap out(z[2], z[3]);
            ShrinkBitmap(out, src);
            ASSERT_EQ(out, PlainArea(src, z[2], z[3])) << z[0] << "x" << z[1] << " -> " << z[2] << "x" << z[3];
        }
}

TEST(StretchBitmap, ChoosesTheFilterBySize)
{
    std::mt19937 rng(5);
    const Bitmap src = RandomBitmap(100, 100, PixelFormat::Bgr24, rng);
    Bitmap half(50, 50), less(49, 49);
    StretchBitmap(half, src);
    EXPECT_EQ(half, PlainBilinear(src, 50, 50));
    // At exactly half both filters average pixel pairs; just above half they differ.
    const Bitmap odd = RandomBitmap(99, 99, PixelFormat::Bgr24, rng);
    Bitmap oddHalf(50, 50);
    StretchBitmap(oddHalf, odd);
    EXPECT_EQ(oddHalf, PlainBilinear(odd, 50, 50));
    EXPECT_NE(oddHalf, PlainArea(odd, 50, 50));
    StretchBitmap(less, src);
    EXPECT_EQ(less, PlainArea(src, 49, 49));

    // One pixel wide: the plain stretched copy.
    const Bitmap column = RandomBitmap(1, 100, PixelFormat::Bgr24, rng);
    Bitmap wide(3, 100), expected(3, 100);
    StretchBitmap(wide, column);
    expected.CopyRect(expected.Bounds(), column, column.Bounds());
    EXPECT_EQ(wide, expected);
    EXPECT_EQ(wide.GetPixel(2, 40), column.GetPixel(0, 40));

    // Smaller in one direction only: stretched copy as well.
    Bitmap narrow(20, 100), narrowExpected(20, 100);
    ShrinkBitmap(narrow, src);
    narrowExpected.CopyRect(narrowExpected.Bounds(), src, src.Bounds());
    EXPECT_EQ(narrow, narrowExpected);

    // Equal sizes copy; other formats are left alone.
    Bitmap same(100, 100);
    StretchBitmap(same, src);
    EXPECT_EQ(same, src);
    Bitmap grey(50, 50, PixelFormat::Gray8);
    StretchBitmap(grey, src);
    EXPECT_EQ(grey, Bitmap(50, 50, PixelFormat::Gray8));
    Bitmap empty(0, 0);
    ShrinkBitmap(empty, src);
    EXPECT_TRUE(empty.Empty());
}

TEST(StretchBitmap, LargeTargetsUseWideSumsAndStayExact)
{
    // 2100 x 2010 is past the size where 32-bit sums would overflow.
    std::mt19937 rng(8);
    const Bitmap src = RandomBitmap(5, 4, PixelFormat::Bgr24, rng);
    Bitmap big(2100, 2010);
    StretchBitmap(big, src);
    const auto xs = PlainBilinearTable(5, 2100);
    const auto ys = PlainBilinearTable(4, 2010);
    for (int n = 0; n < 2000; ++n) {
        const int i = static_cast<int>(rng() % 2100), j = static_cast<int>(rng() % 2010), k = n % 3;
        const Tap& x = xs[i];
        const Tap& y = ys[j];
        const unsigned long long sum = 1ULL * Byte(src, x.first, y.first, k) * x.wl * y.wl +
                                       1ULL * Byte(src, x.first + 1, y.first, k) * x.wr * y.wl +
                                       1ULL * Byte(src, x.first, y.first + 1, k) * x.wl * y.wr +
                                       1ULL * Byte(src, x.first + 1, y.first + 1, k) * x.wr * y.wr;
        ASSERT_EQ(Byte(big, i, j, k), sum / (1ULL * x.div * y.div)) << i << "," << j;
    }
}

TEST(ExactDivider, EqualsIntegerDivisionOverTheWholeRange)
{
    std::mt19937_64 rng(17);
    const uint64_t divisors[] = {1, 2, 3, 7, 255, 256, 2500, 4 * 400 * 300, 2560ull * 1920, 1280ull * 1024,
                                 8388607, 8388608, 16900000, 4294967295ull};
    for (uint64_t d : divisors) {
        const uint64_t max = 255 * d;
        const ExactDivider div(d, max);
        for (uint64_t q : {0ull, 1ull, 2ull, 127ull, 254ull, 255ull}) {
            for (int64_t off : {-1, 0, 1}) {
                const int64_t n = static_cast<int64_t>(q * d) + off;
                if (n < 0 || static_cast<uint64_t>(n) > max)
                    continue;
                ASSERT_EQ(div(static_cast<uint64_t>(n)), static_cast<uint64_t>(n) / d) << d << " " << n;
            }
        }
        for (int i = 0; i < 2000; ++i) {
            const uint64_t n = rng() % (max + 1);
            ASSERT_EQ(div(n), n / d) << d << " " << n;
        }
    }
    EXPECT_EQ(ExactDivider(0, 10)(7), 7u);  // a zero divisor is taken as 1
}
