// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/MainThread.h"
#include "platform/Text.h"
#include "platform/sdl/SdlBackend.h"
#include "tests/TestSupport.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace {

// A window on SDL's dummy video driver: no display needed.
std::unique_ptr<SdlBackend> DummyWindow()
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = 320;
    options.screenHeight = 240;
    try {
        auto window = std::make_unique<SdlBackend>(options);
        ::unsetenv("SDL_VIDEODRIVER");
        return window;
    } catch (const std::exception&) {
        ::unsetenv("SDL_VIDEODRIVER");
        return nullptr;
    }
}

std::vector<InputEvent> Drain(SdlBackend& window)
{
    std::vector<InputEvent> out;
    InputEvent e;
    while (window.PollEvent(e))
        if (e.kind != InputKind::Expose && e.kind != InputKind::MouseMove)
            out.push_back(e);
    return out;
}

InputEvent Make(InputKind kind, int key = 0, int x = 0, int y = 0)
{
    InputEvent e;
    e.kind = kind;
    e.key = key;
    e.x = x;
    e.y = y;
    return e;
}

}  // namespace

TEST(SdlBackend, TurnsSdlInputIntoTheProgramsKeysCharactersAndButtons)
{
    auto window = DummyWindow();
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    Drain(*window);
    InputEvent right = Make(InputKind::MouseDown, 0, 12, 34);
    right.button = TMouseButton::mbRight;
    InputEvent wheel = Make(InputKind::Wheel);
    wheel.amount = -WHEEL_DELTA;
    InputEvent ctrlG = Make(InputKind::KeyDown, 'G');
    ctrlG.shift = ssCtrl;  // a script's Ctrl+G reaches the screens as such
    for (const InputEvent& e : {right, wheel, ctrlG, Make(InputKind::KeyDown, VK_ESCAPE),
                                Make(InputKind::Char, static_cast<unsigned char>("ż"_cp[0])),
                                Make(InputKind::KeyUp, VK_LEFT)})
        ASSERT_TRUE(window->InjectInput(e));
    const auto got = Drain(*window);
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0].kind, InputKind::MouseDown);
    EXPECT_EQ(got[0].button, TMouseButton::mbRight);
    EXPECT_EQ(got[0].x, 12);
    EXPECT_EQ(got[0].y, 34);
    EXPECT_EQ(got[1].amount, -WHEEL_DELTA);
    EXPECT_EQ(got[2].key, 'G');
    EXPECT_EQ(got[2].shift, ssCtrl);
    EXPECT_EQ(got[3].key, VK_ESCAPE);
    EXPECT_EQ(got[4].kind, InputKind::Char);  // Escape types character 27
    EXPECT_EQ(got[4].key, 27);
    EXPECT_EQ(got[5].kind, InputKind::Char);
    EXPECT_EQ(got[5].key, static_cast<unsigned char>("ż"_cp[0]));
    EXPECT_EQ(got[6].kind, InputKind::KeyUp);
    EXPECT_EQ(got[6].key, VK_LEFT);
}

TEST(SdlBackend, TheFirstFingerOfATouchIsTheLeftButtonHeldOnceWhereItTouches)
{
    auto window = DummyWindow();
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    Drain(*window);
    auto finger = [](uint32_t type, SDL_FingerID id, float x, float y) {
        SDL_Event e{};
        e.type = type;
        e.tfinger.touchId = 7;
        e.tfinger.fingerId = id;
        e.tfinger.x = x;
        e.tfinger.y = y;
        SDL_PushEvent(&e);
    };
    finger(SDL_FINGERDOWN, 1, 0.5f, 0.25f);
    // What a system that makes mouse events of touches sends as well.
    SDL_Event made{};
    made.type = SDL_MOUSEBUTTONDOWN;
    made.button.which = SDL_TOUCH_MOUSEID;
    made.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&made);
    finger(SDL_FINGERDOWN, 2, 0.9f, 0.9f);  // a second finger changes nothing
    finger(SDL_FINGERMOTION, 1, 0.5f, 0.5f);
    finger(SDL_FINGERUP, 2, 0.9f, 0.9f);
    finger(SDL_FINGERUP, 1, 0.5f, 0.5f);
    std::vector<InputEvent> got;
    InputEvent e;
    while (window->PollEvent(e))
        if (e.kind != InputKind::Expose)
            got.push_back(e);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].kind, InputKind::MouseDown);
    EXPECT_EQ(got[0].button, TMouseButton::mbLeft);
    EXPECT_EQ((TPoint{got[0].x, got[0].y}), (TPoint{160, 60}));
    EXPECT_EQ(got[1].kind, InputKind::MouseMove);
    EXPECT_EQ((TPoint{got[1].x, got[1].y}), (TPoint{160, 120}));
    EXPECT_EQ(got[2].kind, InputKind::MouseUp);
}

TEST(SdlBackend, PostedCallbacksWakeTheEventWait)
{
    auto window = DummyWindow();
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    Drain(*window);
    PostToMainThread([] {});
    InputEvent e;
    ASSERT_TRUE(window->WaitEvent(e, 5000));
    EXPECT_EQ(e.kind, InputKind::Wake);
    EXPECT_EQ(RunPostedCallbacks(), 1);
}

TEST(SdlBackend, PresentedPixelsAreWhatTheWindowShows)
{
    auto window = DummyWindow();
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    Bitmap& screen = window->Screen();
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            screen.SetPixel(x, y, RGB(x, y, (x * y) & 0xFF));
    window->Present({0, 0, 160, 240});  // only the left half
    TempDir dir;
    ASSERT_TRUE(window->SaveDisplayedPicture(dir.Path() / "shown.png"));
    int w = 0, h = 0, channels = 0;
    unsigned char* rgb = stbi_load((dir.Path() / "shown.png").c_str(), &w, &h, &channels, 3);
    ASSERT_NE(rgb, nullptr);
    ASSERT_EQ(w, 320);
    ASSERT_EQ(h, 240);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = rgb + (y * w + x) * 3;
            const TColor expected = x < 160 ? screen.GetPixel(x, y) : clBlack;  // the rest was never presented
            wrong += RGB(p[0], p[1], p[2]) != expected ? 1 : 0;
        }
    stbi_image_free(rgb);
    EXPECT_EQ(wrong, 0);
}

TEST(SdlBackend, AScriptIsFedAsInputInRealTimeWithItsWaits)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindowOptions options;
    options.windowed = true;
    options.screenWidth = 320;
    options.screenHeight = 240;
    options.hasScript = true;
    options.scriptText = "move 10 11\nwait 80\nclick 20 21 right\nshot a.png\nexpect form F\n";
    std::unique_ptr<SdlBackend> window;
    try {
        window = std::make_unique<SdlBackend>(options);
    } catch (const std::exception&) {
    }
    ::unsetenv("SDL_VIDEODRIVER");
    if (!window)
        GTEST_SKIP() << "no SDL video driver";
    std::vector<InputEvent> got;
    const uint64_t start = SDL_GetTicks64();
    uint64_t clickAt = 0;
    InputEvent e;
    while (SDL_GetTicks64() - start < 3000 && (got.empty() || got.back().kind != InputKind::ScriptEnd)) {
        if (!window->WaitEvent(e, 1000) || e.kind == InputKind::Expose || e.kind == InputKind::Wake)
            continue;
        if (e.kind == InputKind::MouseDown)
            clickAt = SDL_GetTicks64();
        got.push_back(e);
    }
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0].kind, InputKind::MouseMove);
    EXPECT_EQ((TPoint{got[0].x, got[0].y}), (TPoint{10, 11}));
    EXPECT_EQ(got[1].kind, InputKind::MouseMove);
    EXPECT_EQ(got[2].kind, InputKind::MouseDown);
    EXPECT_EQ(got[2].button, TMouseButton::mbRight);
    EXPECT_EQ((TPoint{got[2].x, got[2].y}), (TPoint{20, 21}));
    EXPECT_EQ(got[3].kind, InputKind::MouseUp);
    EXPECT_GE(clickAt - start, 80u);  // the wait passed in real time first
    EXPECT_EQ(got[4].kind, InputKind::ScriptShot);
    EXPECT_TRUE(std::filesystem::path(got[4].text).is_absolute());
    EXPECT_EQ(got[5].kind, InputKind::ScriptExpect);
    EXPECT_EQ(got[6].kind, InputKind::ScriptEnd);
}
