// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A paint box that shows a game's picture directly: what reaches the screen
// equals what copying everything through the form gives (a full redraw),
// through changed rectangles, drawing over the picture, reads of the window
// and another form shown over it and taken away. In a real window the
// picture's rectangles go to the display straight from the picture: what the
// window shows must be the same.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include <stb/stb_image.h>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/PaintBox.h"
#include "platform/sdl/SdlBackend.h"
#include "tests/TestSupport.h"
#include "tests/graphics/GraphicsTestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

// What the window shows, read back from its screenshot.
Bitmap Displayed(TApplication& app, const TempDir& dir)
{
    Bitmap out;
    const auto file = dir.Path() / "shown.png";
    if (!app.GetBackend().SaveDisplayedPicture(file))
        return out;
    int w = 0, h = 0, channels = 0;
    unsigned char* rgb = stbi_load(file.c_str(), &w, &h, &channels, 3);
    if (rgb == nullptr)
        return out;
    out = Bitmap(w, h, PixelFormat::Bgr24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = rgb + (y * w + x) * 3;
            out.SetPixel(x, y, RGB(p[0], p[1], p[2]));
        }
    stbi_image_free(rgb);
    return out;
}

// An application in a window of SDL's dummy video driver: no display needed.
std::unique_ptr<TApplication> WindowApp(int width, int height)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = width;
    options.screenHeight = height;
    std::unique_ptr<TApplication> app;
    try {
        app = std::make_unique<TApplication>(std::make_unique<SdlBackend>(options));
    } catch (const std::exception&) {
    }
    ::unsetenv("SDL_VIDEODRIVER");
    return app;
}

void PlayTheSteps(TApplication& app, bool window)
{
    std::mt19937 rng(3);
    Bitmap picture = RandomBitmap(200, 150, PixelFormat::Bgr24, rng);
    // The same steps on a hidden form of plain pixels: the full redraw.
    TForm shown(app, "Shown", 320, 240), plain(app, "Plain", 320, 240);
    TPaintBox pb(shown), ref(plain);
    pb.SetBounds(40, 30, 200, 150);
    ref.SetBounds(40, 30, 200, 150);
    pb.SetPicture(&picture);
    pb.OnPaint = [&] { pb.Canvas().Draw(0, 0, picture); };
    ref.OnPaint = [&] { ref.Canvas().Draw(0, 0, picture); };
    TempDir dir;
    auto same = [&](const char* step) {
        app.FlushPresents();
        // The display first: reading the composed screen brings it up to date.
        const Bitmap onDisplay = window ? Displayed(app, dir) : Bitmap();
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const TColor want = plain.Pixels().GetPixel(x, y);
                if (window && onDisplay.GetPixel(x, y) != want) {
                    ADD_FAILURE() << step << ": the window differs first at " << x << "," << y;
                    return;
                }
                if (app.Screen().GetPixel(x, y) != want) {
                    ADD_FAILURE() << step << ": first difference at " << x << "," << y;
                    return;
                }
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
        f->Canvas().FillRect({150, 90, 190, 120});  // inside the picture
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
    TForm dialog(app, "Dialog", 100, 80);
    dialog.SetPosition(60, 60);
    dialog.Show();
    dialog.Hide();
    same("uncovered");

    // A repaint draws the picture whole: shown from it everywhere again.
    shown.Repaint();
    ref.Canvas().Draw(0, 0, picture);
    same("repainted");

    // Nothing drawn over the picture now: it goes to the window straight from
    // the picture, but not where the dialog covers it.
    dialog.Show();
    // The picture changes under the dialog and beside it: the dialog stays whole.
    change({50, 20, 180, 120}, RGB(0, 128, 255));
    change({70, 40, 90, 60}, RGB(255, 128, 0));
    if (window) {
        app.FlushPresents();
        const Bitmap onDisplay = Displayed(app, dir);
        int throughDialog = 0;
        for (int y = 60; y < 140; ++y)
            for (int x = 60; x < 160; ++x)
                throughDialog += onDisplay.GetPixel(x, y) != dialog.Pixels().GetPixel(x - 60, y - 60) ? 1 : 0;
        EXPECT_EQ(throughDialog, 0) << "pixels of the picture shown over the dialog";
    }
    dialog.Hide();
    same("uncovered again");
}

}  // namespace

TEST(PicturePaintBox, ScreenEqualsTheFormDrawnThroughCopiesAtEveryStep)
{
    ProgramSandbox box;
    auto app = HeadlessApp("", 320, 240);
    PlayTheSteps(*app, false);
}

TEST(PicturePaintBox, TheWindowShowsWhatTheFormDrawnThroughCopiesGives)
{
    ProgramSandbox box;
    auto app = WindowApp(320, 240);
    if (!app)
        GTEST_SKIP() << "no SDL video driver";
    ASSERT_TRUE(app->GetBackend().PresentsPictures());
    PlayTheSteps(*app, true);
}
