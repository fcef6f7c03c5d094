// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring the uncovered background and the sprite mover CMovingObj.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/CMovingObj.h"
#include "graphics/Universalfn.h"
#include "platform/Canvas.h"
#include "tests/TestSupport.h"

namespace {

// A scene whose every pixel differs from its neighbours.
Bitmap Scene(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(x * 7 + 1, y * 5 + 1, 90));
    return b;
}

// Pixels of target that now equal the background, within a white canvas.
int RestoredCount(const Bitmap& target, const Bitmap& background)
{
    int n = 0;
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            n += target.GetPixel(x, y) == background.GetPixel(x, y);
    return n;
}

}  // namespace

TEST(RestoreUncovered, CopiesTheBandsTheSpriteMovedAwayFrom)
{
    const Bitmap background = Scene(40, 40);
    const TRect old{10, 10, 20, 20};
    auto restoreFrom = [&](int newX, int newY) {
        Bitmap target(40, 40);
        target.Fill(clWhite);
        RestoreUncovered(target, background, newX, newY, old);
        return target;
    };

    // Down and right by (2, 3): the top three rows and the left two columns below them.
    Bitmap t = restoreFrom(12, 13);
    EXPECT_EQ(RestoredCount(t, background), 3 * 10 + 2 * 7);
    EXPECT_EQ(t.GetPixel(19, 12), background.GetPixel(19, 12));
    EXPECT_EQ(t.GetPixel(11, 19), background.GetPixel(11, 19));
    EXPECT_EQ(t.GetPixel(12, 13), clWhite);

    // Up and left: the bottom rows and the right columns above them.
    t = restoreFrom(8, 7);
    EXPECT_EQ(RestoredCount(t, background), 3 * 10 + 2 * 7);
    EXPECT_EQ(t.GetPixel(10, 17), background.GetPixel(10, 17));
    EXPECT_EQ(t.GetPixel(18, 10), background.GetPixel(18, 10));
    EXPECT_EQ(t.GetPixel(17, 16), clWhite);

    // Only sideways, only vertically, not at all.
    EXPECT_EQ(RestoredCount(restoreFrom(14, 10), background), 4 * 10);
    EXPECT_EQ(RestoredCount(restoreFrom(10, 19), background), 9 * 10);
    EXPECT_EQ(RestoredCount(restoreFrom(10, 10), background), 0);

    // A move by the whole width or height restores all of the old place.
    EXPECT_EQ(RestoredCount(restoreFrom(20, 11), background), 100);
    EXPECT_EQ(RestoredCount(restoreFrom(9, 0), background), 100);
    // Off the edges: clipped, no fault.
    const TRect edge{-5, -5, 5, 5};
    Bitmap clipped(40, 40);
    RestoreUncovered(clipped, background, 30, 30, edge);
    EXPECT_EQ(clipped.GetPixel(4, 4), background.GetPixel(4, 4));
}

TEST(CMovingObj, MoveToRestoresTheSceneAndDrawsOverTheBackground)
{
    const Bitmap background = Scene(60, 40);
    Bitmap canvas = background;
    std::vector<std::pair<int, int>> calls;
    int user = 0;
    // The sprite: one red pixel at its top-left, the rest shows the scene.
    auto paint = [&](void* data, Bitmap& scratch, int x, int y) {
        EXPECT_EQ(data, &user);
        calls.emplace_back(x, y);
        scratch.SetPixel(x, y, clRed);
    };
    CMovingObj mover;
    mover.Begin({10, 10, 20, 18}, 15, 12, &canvas, &background, paint, &user);
    EXPECT_EQ(mover.Scratch().Width(), 10);
    EXPECT_EQ(mover.GrabX(), 5);
    EXPECT_EQ(mover.GrabY(), 2);

    // In place: the sprite is redrawn where it is, the scene around it untouched.
    mover.MoveTo(15, 12);
    EXPECT_EQ(mover.Left(), 10);
    EXPECT_EQ(canvas.GetPixel(10, 10), clRed);
    EXPECT_EQ(canvas.GetPixel(11, 10), background.GetPixel(11, 10));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_pair(0, 0));

    mover.MoveTo(18, 13);
    EXPECT_EQ(mover.Left(), 13);
    EXPECT_EQ(mover.Top(), 11);
    EXPECT_EQ(canvas.GetPixel(10, 10), background.GetPixel(10, 10));
    EXPECT_EQ(canvas.GetPixel(13, 11), clRed);
    Bitmap expected = background;
    expected.SetPixel(13, 11, clRed);
    EXPECT_EQ(canvas, expected);

    // Partly off the canvas: no fault, the visible part is right.
    mover.MoveTo(2, 2);
    EXPECT_EQ(canvas.GetPixel(13, 11), background.GetPixel(13, 11));
    EXPECT_EQ(canvas.GetPixel(0, 0), background.GetPixel(0, 0));

    // A sprite of another size gets a new scratch.
    mover.Begin({0, 0, 4, 4}, 0, 0, &canvas, &background, paint, &user);
    EXPECT_EQ(mover.Scratch().Width(), 4);
    EXPECT_EQ(mover.StartLeft(), 0);
}

TEST(CMovingObj, GlideEndsAtTheTargetWithTheLargestMovesFirst)
{
    ProgramSandbox sandbox;
    const Bitmap background = Scene(400, 100);
    Bitmap canvas = background;
    CMovingObj mover;
    const int64_t start = sandbox.Clock().Milliseconds();
    const int steps = 8;
    std::vector<int> seen;
    mover.Begin({10, 20, 30, 40}, 17, 25, &canvas, &background,
                [&](void*, Bitmap& scratch, int, int) {
                    seen.push_back(mover.Left());  // the position before this move
                    scratch.SetPixel(0, 0, clRed);
                },
                nullptr);
    mover.Glide(310, 20, 400, steps);
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 400);  // 8 sleeps of 50 ms
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(steps));
    seen.push_back(mover.Left());
    EXPECT_EQ(mover.Left(), 310);
    EXPECT_EQ(mover.Top(), 20);
    EXPECT_EQ(seen.front(), 10);
    for (std::size_t i = 2; i < seen.size(); ++i)
        EXPECT_LE(seen[i] - seen[i - 1], seen[i - 1] - seen[i - 2]) << i;
    EXPECT_GT(seen[1] - seen[0], 3 * (seen[8] - seen[7]));
    EXPECT_EQ(canvas.GetPixel(310, 20), clRed);
    EXPECT_EQ(canvas.GetPixel(10, 20), background.GetPixel(10, 20));
}

TEST(CMovingObj, OnAWindowCanvasEveryMoveLandsAtTheCanvasOrigin)
{
    const Bitmap background = Scene(60, 40);
    Bitmap window(100, 80);
    window.Fill(clBlack);
    // The canvas's (0, 0) sits at (20, 30) of the window, as a paint box's does.
    TCanvas canvas(window, {20, 30}, {20, 30, 80, 70}, nullptr);
    canvas.CopyRect(background.Bounds(), background, background.Bounds());
    CMovingObj mover;
    mover.Begin({10, 10, 20, 18}, 10, 10, &canvas, &background,
                [](void*, Bitmap& scratch, int x, int y) { scratch.SetPixel(x, y, clRed); }, nullptr);
    mover.MoveTo(30, 20);
    EXPECT_EQ(window.GetPixel(20 + 30, 30 + 20), clRed);
    EXPECT_EQ(window.GetPixel(20 + 10, 30 + 10), background.GetPixel(10, 10));
    // Past the background's edge nothing is read from outside it.
    mover.MoveTo(55, 35);
    EXPECT_EQ(window.GetPixel(20 + 55, 30 + 35), clRed);
    EXPECT_EQ(window.GetPixel(20 + 30, 30 + 20), background.GetPixel(30, 20));
    EXPECT_EQ(window.GetPixel(5, 5), clBlack);
}
