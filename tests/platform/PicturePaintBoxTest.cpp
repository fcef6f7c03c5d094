// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A paint box that shows a game's picture directly: what reaches the screen
// equals what copying everything through the form gives (a full redraw),
// through changed rectangles, drawing over the picture, reads of the window
// and another form shown over it and taken away.
#include <gtest/gtest.h>

#include <random>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"
#include "tests/TestSupport.h"
#include "tests/graphics/GraphicsTestSupport.h"
#include "tests/platform/HeadlessApp.h"

TEST(PicturePaintBox, ScreenEqualsTheFormDrawnThroughCopiesAtEveryStep)
{
    ProgramSandbox box;
    auto app = HeadlessApp("", 320, 240);
    std::mt19937 rng(3);
    Bitmap picture = RandomBitmap(200, 150, PixelFormat::Bgr24, rng);
    // The same steps on a hidden form of plain pixels: the full redraw.
    TForm shown(*app, "Shown", 320, 240), plain(*app, "Plain", 320, 240);
    TPaintBox pb(shown), ref(plain);
    pb.SetBounds(40, 30, 200, 150);
    ref.SetBounds(40, 30, 200, 150);
    pb.SetPicture(&picture);
    pb.OnPaint = [&] { pb.Canvas().Draw(0, 0, picture); };
    ref.OnPaint = [&] { ref.Canvas().Draw(0, 0, picture); };
    auto same = [&](const char* step) {
        app->FlushPresents();
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                if (app->Screen().GetPixel(x, y) != plain.Pixels().GetPixel(x, y)) {
                    ADD_FAILURE() << step << ": first difference at " << x << "," << y;
                    return;
                }
    };
    shown.Show();
    ref.Canvas().Draw(0, 0, picture);
    same("shown");

    // Frames: the picture changes in a few places, each reported.
    auto change = [&](TRect r, TColor c) {
        picture.FillRect(r, c);
        pb.ShowPicture(r);
        ref.Canvas().CopyRect(r, picture, r);
    };
    change({10, 10, 30, 20}, clRed);
    change({150, 100, 190, 140}, RGB(0, 0, 255));
    same("changed rectangles");

    // Drawing on the window over the picture (a button, a blinking highlight).
    for (TForm* f : {&shown, &plain}) {
        f->Canvas().Brush.Color = RGB(0, 255, 0);
        f->Canvas().FillRect({20, 20, 120, 70});
    }
    same("drawn over");
    // The picture changes under part of that drawing, and shows there.
    change({60, 10, 160, 30}, RGB(255, 255, 0));
    same("changed under the drawing");
    EXPECT_EQ(pb.Canvas().Pixel(10, 20), ref.Canvas().Pixel(10, 20));
    EXPECT_EQ(pb.Canvas().Pixel(120, 60), ref.Canvas().Pixel(120, 60));

    // A restore of the drawn-over part from the picture (the highlight goes).
    pb.Canvas().CopyRect({0, 0, 80, 40}, picture, {0, 0, 80, 40});
    ref.Canvas().CopyRect({0, 0, 80, 40}, picture, {0, 0, 80, 40});
    change({0, 35, 200, 45}, RGB(255, 0, 255));
    same("restored");

    // Another form over it, then gone: the screen is composed again from both.
    TForm dialog(*app, "Dialog", 100, 80);
    dialog.SetPosition(60, 60);
    dialog.Show();
    dialog.Hide();
    same("uncovered");

    // A repaint draws the picture whole: shown from it everywhere again.
    shown.Repaint();
    ref.Canvas().Draw(0, 0, picture);
    same("repainted");
}
