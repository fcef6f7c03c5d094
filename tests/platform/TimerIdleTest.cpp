// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/MainThread.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

// A back end with events queued in advance, behaving as a real display
// does: events are pending until taken, and waiting returns nothing.
class QueuedBackend final : public Backend {
public:
    QueuedBackend() { screen_ = Bitmap(320, 240); }
    std::deque<InputEvent> events;
    void Present(const TRect&) override {}
    bool PollEvent(InputEvent& e) override
    {
        if (events.empty())
            return false;
        e = events.front();
        events.pop_front();
        return true;
    }
    bool WaitEvent(InputEvent& e, int) override { return PollEvent(e); }
    bool IsHeadless() const override { return false; }
    void SetCursorShape(TCursor) override {}
    bool ConfinePointer(const TRect*) override { return false; }
    void WarpPointer(int, int) override {}
    void SetTitle(const std::string&) override {}
    void Raise() override {}
    bool SaveDisplayedPicture(const std::filesystem::path&) override { return false; }
};

InputEvent Key(int code)
{
    InputEvent e;
    e.kind = InputKind::KeyDown;
    e.key = code;
    return e;
}

}  // namespace

TEST(MessageLoop, TimersOfTwoFormsInterleaveOnTheVirtualClock)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 200\n");
    TForm a(*app, "A", 640, 480), b(*app, "B", 100, 100);
    std::vector<std::string> log;
    Timer timA([&] { log.push_back("A" + std::to_string(TheClock().Milliseconds())); }, 30, false);
    Timer timB([&] { log.push_back("B" + std::to_string(TheClock().Milliseconds())); }, 50, false);
    a.OnShow = [&] {
        timB.SetEnabled(true);
        timA.SetEnabled(true);
        b.Show();
    };
    EXPECT_EQ(app->Run(), 0);
    // At 150 both are due: B was armed first (at 100, A at 120), so B fires first.
    EXPECT_EQ(log, (std::vector<std::string>{"A30", "B50", "A60", "A90", "B100", "A120", "B150", "A150", "A180",
                                             "B200"}));
}

TEST(MessageLoop, ScriptGoesOnInsideAModalFormOpenedByATimerDuringAWait)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 500\nexpect form Summary\nkey Return\nexpect form Game\n");
    TForm game(*app, "Game", 640, 480), summary(*app, "Summary", 200, 100);
    std::vector<std::string> log;
    Timer end(
        [&] {
            end.SetEnabled(false);
            log.push_back("end at " + std::to_string(TheClock().Milliseconds()));
            log.push_back("result " + std::to_string(summary.ShowModal()));
            log.push_back("back at " + std::to_string(TheClock().Milliseconds()));
        },
        100, true);
    summary.OnKeyDown = [&](int& key, TShiftState) {
        if (key == VK_RETURN)
            summary.SetModalResult(1);
    };
    EXPECT_EQ(app->Run(), 0);
    // The wait went on in the modal loop: the summary took the Return only after 500 ms.
    EXPECT_EQ(log, (std::vector<std::string>{"end at 100", "result 1", "back at 500"}));
}

TEST(MessageLoop, IdleFramesThatWaitForTheirFrameMoveTheClockDuringAWait)
{
    ProgramSandbox box;
    auto app = HeadlessApp("key a\nkey b\nwait 200\nkey c\n");
    TForm form(*app, "F", 640, 480);
    std::string trace;
    form.OnKeyPress = [&](char& k) { trace += k; };
    app->OnIdle = [&](bool& done) {
        trace += '.';
        TheClock().Sleep(40);  // a 40 ms frame
        done = false;
    };
    EXPECT_EQ(app->Run(), 0);
    // No idle frame between events that are already waiting; five frames fill the 200 ms.
    EXPECT_EQ(trace, "ab.....c");
}

TEST(MessageLoop, IdleThatIsDoneRunsAgainOnlyAfterSomethingHappened)
{
    ProgramSandbox box;
    auto app = HeadlessApp("wait 1000\n");
    TForm form(*app, "F", 640, 480);
    int idles = 0, ticks = 0;
    Timer tick([&] { ++ticks; }, 300, true);
    app->OnIdle = [&](bool& done) {
        ++idles;
        done = true;
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(idles, 1 + ticks);  // once at the start, once after every timer
    EXPECT_EQ(TheClock().Milliseconds(), 1000);
}

TEST(MessageLoop, RealLoopRunsIdleOnlyWhenNoEventIsPendingAndPostedCallbacksBetweenEvents)
{
    ProgramSandbox box;
    auto owned = std::make_unique<QueuedBackend>();
    QueuedBackend& backend = *owned;
    TApplication app(std::move(owned));
    TForm form(app, "F", 320, 240);
    form.Show();
    std::string trace;
    form.OnKeyDown = [&](int& key, TShiftState) {
        trace += static_cast<char>(key);
        if (key == 'B')
            PostToMainThread([&] { trace += '+'; });
    };
    app.OnIdle = [&](bool& done) {
        trace += '.';
        done = trace.size() > 20;
    };
    backend.events = {Key('A'), Key('B'), Key('C')};
    for (int i = 0; i < 6; ++i)
        app.HandleMessage();
    EXPECT_EQ(trace, "AB+C...");
    // ProcessMessages takes what is queued but runs no idle frame.
    backend.events = {Key('D')};
    app.ProcessMessages();
    EXPECT_EQ(trace, "AB+C...D");
}
