// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "games/common/IdleFrameLoop.h"
#include "games/common/KeyboardPointerPark.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

TEST(IdleFrameLoop, RunsOneFramePerPeriodWithThePresentAfterTheWait)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 400\n");
    TForm form(*app, "F", 640, 480);
    IdleFrameLoop loop(*app);
    std::string trace;
    int64_t lastPresent = -1;
    form.OnShow = [&] {
        loop.Start([&] { trace += 'u'; },
                   [&] {
                       trace += 'p';
                       lastPresent = TheClock().Milliseconds();
                   });
    };
    EXPECT_EQ(app->Run(), 0);
    // 400 ms of program time at 40 ms a frame; every update is followed by its present.
    EXPECT_EQ(loop.Frames(), 10);
    EXPECT_EQ(trace, "upupupupupupupupupup");
    EXPECT_EQ(lastPresent % 40, 0);
}

TEST(IdleFrameLoop, StopInsideAFrameSkipsItsPresentAndGivesTheIdleHandlerBack)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 400\n");
    TForm form(*app, "F", 640, 480);
    int otherIdle = 0;
    app->OnIdle = [&](bool& done) {
        ++otherIdle;
        done = true;
    };
    IdleFrameLoop loop(*app);
    int updates = 0, presents = 0;
    form.OnShow = [&] {
        loop.Start(
            [&] {
                if (++updates == 3)
                    loop.Stop();
            },
            [&] { ++presents; });
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(updates, 3);
    EXPECT_EQ(presents, 2);
    EXPECT_FALSE(loop.Running());
    ASSERT_TRUE(static_cast<bool>(app->OnIdle));
    bool done = false;
    app->OnIdle(done);
    EXPECT_EQ(otherIdle, 1);
}

TEST(IdleFrameLoop, AModalFormShownFromAFrameRunsNoNestedFramesAndARestartTakesOver)
{
    ProgramSandbox box;
    // The modal form waits 200 ms, then takes the Return that closes it.
    auto app = HeadlessApp("wait 100\nwait 200\nkey Return\nwait 120\n");
    TForm form(*app, "F", 640, 480), modal(*app, "M", 100, 100);
    modal.OnKeyDown = [&](int& key, TShiftState) {
        if (key == VK_RETURN)
            modal.SetModalResult(1);
    };
    IdleFrameLoop loop(*app);
    std::string trace;
    std::function<void()> second = [&] { trace += 'b'; };
    int frame = 0;
    form.OnShow = [&] {
        loop.Start(
            [&] {
                trace += 'a';
                if (++frame == 2) {
                    trace += '[';
                    modal.ShowModal();
                    trace += ']';
                    loop.Start(second, [&] { trace += 'q'; });
                }
            },
            [&] { trace += 'p'; });
    };
    EXPECT_EQ(app->Run(), 0);
    // The frame that showed the summary-like form is not presented: the new
    // game's frames follow, each with its own present.
    EXPECT_EQ(trace.substr(0, 7), "apa[]bq");
    EXPECT_EQ(trace.find('a', 3), std::string::npos);
}

TEST(IdleFrameLoop, DestroyingAStartedLoopLeavesNoHandlerBehind)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 100\n");
    {
        IdleFrameLoop loop(*app);
        loop.Start([] {}, [] {});
        EXPECT_TRUE(static_cast<bool>(app->OnIdle));
    }
    EXPECT_FALSE(static_cast<bool>(app->OnIdle));
}

TEST(KeyboardPointerPark, ParksOnceOnTheFortiethKeyFrame)
{
    KeyboardPointerPark park;
    int parkedOn = 0, parks = 0;
    for (int frame = 1; frame <= 200; ++frame) {
        // Frames without a key neither count nor start the count again.
        if (frame % 10 == 0) {
            EXPECT_FALSE(park.Frame(false));
            continue;
        }
        if (park.Frame(true)) {
            ++parks;
            parkedOn = frame;
        }
    }
    EXPECT_EQ(parks, 1);
    EXPECT_EQ(parkedOn, 44);  // 40 key frames, four key-less frames among them
}

TEST(KeyboardPointerPark, AMouseMoveStartsAgainButTheParkingMoveItselfDoesNot)
{
    KeyboardPointerPark park;
    for (int i = 0; i < 39; ++i)
        EXPECT_FALSE(park.Frame(true));
    park.PointerMoved({5, 5});
    EXPECT_EQ(park.Count(), 0);
    for (int i = 0; i < 39; ++i)
        EXPECT_FALSE(park.Frame(true));
    ASSERT_TRUE(park.Frame(true));
    park.Parked({10, 20});
    park.PointerMoved({10, 20});  // the warp reported back as a move
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(park.Frame(true));
    park.PointerMoved({11, 20});  // the child takes the mouse
    for (int i = 0; i < 39; ++i)
        EXPECT_FALSE(park.Frame(true));
    EXPECT_TRUE(park.Frame(true));
}
