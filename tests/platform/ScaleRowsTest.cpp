// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/ScaleRows.h"

namespace {

// The columns of a window span [first, first + count) of a picture pictureSize
// wide showing a source sourceSize wide, sampled as the scaler samples them.
ScaleColumns ColumnsFor(int sourceSize, int pictureSize, int first, int count)
{
    std::vector<ScaleColumn> columns;
    for (int j = first; j < first + count; ++j) {
        const int64_t u = ((2 * int64_t{j} + 1) * sourceSize * 256 - int64_t{pictureSize} * 256) / (2 * int64_t{pictureSize});
        int index = 0, next = 0, weight = 0;
        if (u > 0) {
            index = static_cast<int>(u >> 8);
            if (index >= sourceSize - 1)
                index = next = sourceSize - 1;
            else {
                next = index + 1;
                weight = static_cast<int>(u & 255);
            }
        }
        columns.push_back({index * 3, (next - index) * 3, weight});
    }
    ScaleColumns result;
    result.Assign(std::move(columns), sourceSize * 3);
    return result;
}

std::vector<uint8_t> RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(n);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(random());
    // Extremes where products are largest.
    for (std::size_t i = 0; i < n; i += 7)
        bytes[i] = i % 2 == 0 ? 255 : 0;
    return bytes;
}

}  // namespace

TEST(ScaleRows, FilteringInGroupsAndColumnByColumnEqualsThePlainCode)
{
    struct Case {
        int source, picture, first, count;
    };
    // Enlargements of the common screens (whole rows and odd parts ending at
    // the right edge), no scaling, and shrinking, where groups do not fit.
    const Case cases[] = {{1280, 1440, 0, 1440}, {1280, 2880, 0, 2880}, {1280, 2880, 1013, 977},
                          {1280, 2880, 2870, 10},  {1024, 1350, 3, 1347},  {64, 144, 0, 144},
                          {100, 100, 0, 100},      {1280, 1000, 0, 1000},  {7, 20, 0, 20}};
    for (const Case& c : cases) {
        const ScaleColumns columns = ColumnsFor(c.source, c.picture, c.first, c.count);
        const std::vector<uint8_t> row = RandomBytes(static_cast<std::size_t>(c.source) * 3, c.picture);
        const std::size_t lanes = static_cast<std::size_t>(c.count) * 4;
        std::vector<int16_t> plain(lanes, -1), sse2(lanes, -1), avx2(lanes, -1);
        FilterScaledRowScalar(columns, row.data(), plain.data());
        FilterScaledRowSse2(columns, row.data(), sse2.data());
        EXPECT_EQ(sse2, plain) << c.source << " -> " << c.picture << " from " << c.first;
        if (HasAvx2()) {
            FilterScaledRowAvx2(columns, row.data(), avx2.data());
            EXPECT_EQ(avx2, plain) << c.source << " -> " << c.picture << " from " << c.first;
        }
        // Enlarging uses the grouped code for nearly the whole span; shrinking cannot.
        if (c.picture > c.source && c.first + c.count <= c.picture - 8) {
            EXPECT_GE(columns.Groups().size() * 4 + 8, static_cast<std::size_t>(c.count));
        }
        if (c.picture < c.source) {
            EXPECT_LT(columns.Groups().size() * 4, static_cast<std::size_t>(c.count));
        }
    }
}

TEST(ScaleRows, BlendingTwoRowsEqualsThePlainCodeAtEveryLengthAndWeight)
{
    std::mt19937 random(5);
    for (int lanes : {0, 4, 16, 28, 32, 36, 64, 100, 5760}) {
        std::vector<int16_t> a(static_cast<std::size_t>(lanes)), b(a.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = static_cast<int16_t>(random() % (kOpaqueLane + 1));
            b[i] = static_cast<int16_t>(i % 3 == 0 ? kOpaqueLane : random() % (kOpaqueLane + 1));
        }
        for (int weight : {0, 1, 127, 128, 200, 255}) {
            std::vector<uint8_t> plain(a.size() + 1, 7), sse2(plain), avx2(plain);
            BlendScaledRowsScalar(a.data(), b.data(), plain.data(), lanes, weight);
            BlendScaledRowsSse2(a.data(), b.data(), sse2.data(), lanes, weight);
            EXPECT_EQ(sse2, plain) << lanes << " lanes, weight " << weight;
            if (HasAvx2()) {
                BlendScaledRowsAvx2(a.data(), b.data(), avx2.data(), lanes, weight);
                EXPECT_EQ(avx2, plain) << lanes << " lanes, weight " << weight;
            }
            // Nothing is written past the row.
            EXPECT_EQ(plain.back(), 7);
            EXPECT_EQ(avx2.back(), 7);
        }
    }
    // The extremes come out as the colours they stand for.
    const std::vector<int16_t> white(32, kOpaqueLane), black(32, 0);
    std::vector<uint8_t> out(32);
    BlendScaledRows(white.data(), black.data(), out.data(), 32, 0);
    EXPECT_EQ(out, std::vector<uint8_t>(32, 255));
    BlendScaledRows(white.data(), black.data(), out.data(), 32, 128);
    EXPECT_EQ(out, std::vector<uint8_t>(32, 128));
}
