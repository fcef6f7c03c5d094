// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The changed rectangles of a frame: every changed pixel in exactly one of
// them, and little that did not change.
#include <gtest/gtest.h>

#include "platform/ChangedRects.h"

namespace {

// How many of the rectangles hold the pixel.
int Holding(const ChangedRects& c, int x, int y)
{
    int n = 0;
    for (const TRect& r : c.Rects())
        n += r.Contains(x, y);
    return n;
}

long long Area(const ChangedRects& c)
{
    long long a = 0;
    for (const TRect& r : c.Rects())
        a += static_cast<long long>(r.Width()) * r.Height();
    return a;
}

}  // namespace

TEST(ChangedRects, ALongStripAndATallColumnCrossingStayApartYetCoverEveryPixelOnce)
{
    // The crane's rail across the scene and the crane hanging from it, in
    // either order, with a can beside the crane that joins it.
    const TRect rail{300, 350, 1024, 363}, crane{560, 330, 690, 660}, can{570, 640, 695, 700};
    for (bool railFirst : {true, false}) {
        ChangedRects c;
        c.Add(railFirst ? rail : crane);
        c.Add(railFirst ? crane : rail);
        c.Add(can);
        for (const TRect& r : {rail, crane, can})
            for (int y = r.top; y < r.bottom; y += 3)
                for (int x = r.left; x < r.right; x += 3)
                    ASSERT_EQ(Holding(c, x, y), 1) << railFirst << " " << x << "," << y;
        // Nothing like the bounding box of the strip and the column.
        EXPECT_LT(Area(c), 724 * 13 + 135 * 370 + 135 * 370 / 4) << railFirst;
        EXPECT_EQ(Holding(c, 310, 600), 0);
    }
    // Side by side, or one inside the other: one rectangle.
    ChangedRects c;
    c.Add({0, 0, 10, 10});
    c.Add({10, 0, 20, 10});
    c.Add({2, 2, 5, 5});
    ASSERT_EQ(c.Rects().size(), 1u);
    EXPECT_EQ(c.Rects()[0], (TRect{0, 0, 20, 10}));
}
