// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"
#include "tests/TestSupport.h"

#include <stb/stb_image.h>

namespace {

std::unique_ptr<TApplication> ScaledHeadless(const std::string& script, int w, int h)
{
    PlatformOptions options;
    options.headless = true;
    options.scale = true;
    options.screenWidth = w;
    options.screenHeight = h;
    options.scriptText = script;
    return CreateApplication(options);
}

struct Png {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    TColor At(int x, int y) const
    {
        const unsigned char* p = rgb.data() + (static_cast<std::size_t>(y) * w + x) * 3;
        return RGB(p[0], p[1], p[2]);
    }
};

Png LoadPng(const std::filesystem::path& file)
{
    Png png;
    int channels = 0;
    unsigned char* data = stbi_load(file.c_str(), &png.w, &png.h, &channels, 3);
    if (data != nullptr) {
        png.rgb.assign(data, data + static_cast<std::size_t>(png.w) * png.h * 3);
        stbi_image_free(data);
    }
    return png;
}

}  // namespace

TEST(ScaledHeadless, RunsInTheFittingAreaTakesClicksInDisplayPixelsAndShowsTheScaledPicture)
{
    ProgramSandbox box;
    TempDir dir;
    const std::string shot = (dir.Path() / "big.png").string();
    // 1920 x 1080 shows 1280 x 960 at 1.125 times from x = 240. The button
    // at (1200, 900)-(1280, 960) lies at display x 1590..1679, y 1012..1079.
    auto app = ScaledHeadless("click 1679 1079\nclick 1680 1079\nclick 1589 1011\nshot " + shot + "\n", 1920, 1080);
    ASSERT_EQ(app->ScreenWidth(), 1280);
    ASSERT_EQ(app->ScreenHeight(), 960);
    TForm form(*app, "FormBig", 1280, 960);
    form.OnPaint = [&form] {
        form.Canvas().Brush.Color = RGB(200, 30, 30);
        form.Canvas().FillRect({0, 0, 1280, 960});
    };
    TControl button(form);
    button.SetBounds(1200, 900, 80, 60);
    int clicks = 0;
    button.OnClick = [&clicks] { ++clicks; };
    EXPECT_EQ(app->Run(), 0);
    // Only the first click is on the button: the second is in the border, the third just outside it.
    EXPECT_EQ(clicks, 1);
    const Png png = LoadPng(shot);
    ASSERT_EQ(png.w, 1920);
    ASSERT_EQ(png.h, 1080);
    EXPECT_EQ(png.At(240, 0), RGB(200, 30, 30));
    EXPECT_EQ(png.At(1679, 1079), RGB(200, 30, 30));
    // The borders: the picture's red, darkened, darker towards the display's edges.
    for (const TPoint p : {TPoint{239, 500}, TPoint{1680, 1079}}) {
        EXPECT_GT(GetRValue(png.At(p.x, p.y)), 100) << p.x;
        EXPECT_LT(GetRValue(png.At(p.x, p.y)), 130) << p.x;
    }
    EXPECT_LT(GetRValue(png.At(0, 500)), 70);
    EXPECT_LT(GetRValue(png.At(1919, 500)), 70);
}

TEST(ScaledHeadless, ConfinementAndPointerMovesStayInTheProgramsCoordinates)
{
    ProgramSandbox box;
    auto app = ScaledHeadless("move 3000 1500\n", 3840, 2160);  // 2.25 times, picture from x = 480
    TForm form(*app, "FormBig", 1280, 960);
    TPoint seen;
    form.OnMouseMove = [&seen](TShiftState, int x, int y) { seen = {x, y}; };
    const TRect box10{100, 100, 200, 150};
    app->ClipCursor(&box10);
    app->SetCursorPos(500, 500);
    auto& backend = static_cast<HeadlessBackend&>(app->GetBackend());
    EXPECT_EQ(backend.WarpedTo(), (TPoint{199, 149}));
    app->Run();
    // (3000 - 480) / 2.25 = 1120, 1500 / 2.25 = 666: held inside the rectangle.
    EXPECT_EQ(seen, (TPoint{199, 149}));
}

TEST(ScaledSdl, PresentsFilledScaledFramesAndMapsInjectedInputBothWays)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = 1920;
    options.screenHeight = 1080;
    options.scale = true;
    std::unique_ptr<SdlBackend> window;
    try {
        window = std::make_unique<SdlBackend>(options);
    } catch (const std::exception&) {
    }
    ::unsetenv("SDL_VIDEODRIVER");
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    ASSERT_EQ(window->Screen().Width(), 1280);
    ASSERT_EQ(window->Screen().Height(), 960);
    EXPECT_EQ(window->View().Picture(), (TRect{240, 0, 1680, 1080}));
    InputEvent e;
    while (window->PollEvent(e)) {
    }
    for (const TPoint p : {TPoint{0, 0}, TPoint{1279, 959}, TPoint{640, 480}}) {
        InputEvent down;
        down.kind = InputKind::MouseDown;
        down.x = p.x;
        down.y = p.y;
        ASSERT_TRUE(window->InjectInput(down));
        InputEvent got;
        ASSERT_TRUE(window->WaitEvent(got, 200)) << p.x << "," << p.y;
        EXPECT_EQ((TPoint{got.x, got.y}), p);
    }
    window->Screen().Fill(RGB(10, 200, 90));
    window->Present({0, 0, 1280, 960});
    TempDir dir;
    ASSERT_TRUE(window->SaveDisplayedPicture(dir.Path() / "shown.png"));
    const Png png = LoadPng(dir.Path() / "shown.png");
    ASSERT_EQ(png.w, 1920);
    EXPECT_EQ(png.At(240, 0), RGB(10, 200, 90));
    EXPECT_EQ(png.At(1679, 1079), RGB(10, 200, 90));
    // The border: the picture's green, darkened, redrawn with the present.
    const TColor border = png.At(100, 500);
    EXPECT_GT(GetGValue(border), 60);
    EXPECT_LT(GetGValue(border), 120);
    EXPECT_LT(GetRValue(border), 10);
}

TEST(PresentBatching, ATurnOfTheLoopShowsItsDrawingInOnePresentOfTheUnion)
{
    ProgramSandbox box;
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = 640;
    options.screenHeight = 480;
    options.scriptText = "click 10 10\nwait 100\n";
    auto app = CreateApplication(options);
    TForm form(*app, "F", 640, 480);
    auto& backend = static_cast<HeadlessBackend&>(app->GetBackend());
    int presentsInClick = -1, atClick = 0;
    form.OnMouseDown = [&](TMouseButton, TShiftState, int, int) {
        atClick = backend.PresentCount();
        form.Canvas().FillRect({0, 0, 10, 10});
        form.Canvas().FillRect({100, 100, 110, 110});
        form.Canvas().FillRect({50, 50, 60, 60});
        presentsInClick = backend.PresentCount() - atClick;
        // A blocking animation: each step is seen before the sleep.
        TheClock().Sleep(20);
        EXPECT_EQ(backend.PresentCount(), atClick + 1);
        form.Canvas().FillRect({0, 0, 5, 5});
        TheClock().Sleep(20);
        EXPECT_EQ(backend.PresentCount(), atClick + 2);
    };
    app->Run();
    EXPECT_EQ(presentsInClick, 0);
}

TEST(ScaledSdl, PresentsThatSkipUnchangedPartsLeaveTheWindowAsAFullRenderWould)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = 3840;
    options.screenHeight = 2160;
    options.scale = true;
    std::unique_ptr<SdlBackend> window;
    try {
        window = std::make_unique<SdlBackend>(options);
    } catch (const std::exception&) {
    }
    ::unsetenv("SDL_VIDEODRIVER");
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    Bitmap& screen = window->Screen();
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            screen.SetPixel(x, y, RGB(x * 7, y * 3, (x ^ y) & 255));
    window->Present(screen.Bounds());
    // Frames that change parts (one a single pixel) while the whole is presented.
    screen.FillRect({300, 200, 420, 260}, RGB(250, 10, 10));
    window->Present(screen.Bounds());
    screen.SetPixel(1279, 959, RGB(0, 0, 255));
    screen.FillRect({0, 500, 1280, 520}, RGB(20, 20, 200));
    window->Present({0, 400, 1280, 960});
    // Several rectangles far apart in one present (a game's frame), each looked at alone.
    const TRect parts[] = {{5, 5, 60, 40}, {1200, 900, 1280, 960}, {600, 300, 601, 700}};
    for (const TRect& r : parts)
        screen.FillRect(r, RGB(r.left & 255, 90, 30));
    window->Present(parts);
    TempDir dir;
    ASSERT_TRUE(window->SaveDisplayedPicture(dir.Path() / "shown.png"));
    const Png png = LoadPng(dir.Path() / "shown.png");
    ASSERT_EQ(png.w, 3840);
    std::vector<uint32_t> expected(static_cast<std::size_t>(3840) * 2160, 0xFF000000u);
    const PixelTarget full{reinterpret_cast<uint8_t*>(expected.data()), 3840 * 4};
    FrameScaler().Render(screen, window->View(), window->View().Picture(), full);
    BorderFill().Draw(screen, window->View(), full);
    int wrong = 0;
    for (int y = 0; y < 2160; ++y)
        for (int x = 0; x < 3840; ++x) {
            const uint32_t e = expected[static_cast<std::size_t>(y) * 3840 + x];
            wrong += png.At(x, y) != RGB((e >> 16) & 255, (e >> 8) & 255, e & 255) ? 1 : 0;
        }
    EXPECT_EQ(wrong, 0);
}
