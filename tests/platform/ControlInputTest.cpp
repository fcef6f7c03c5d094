// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Action.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

// A form with one click area at (100, 100)-(200, 150) that logs what happens to it.
struct AreaForm {
    explicit AreaForm(TApplication& app) : form(app, "F", 640, 480), area(form)
    {
        area.SetBounds(100, 100, 100, 50);
        area.OnClick = [this] { log.push_back("click"); };
        area.OnMouseEnter = [this] { log.push_back("enter"); };
        area.OnMouseLeave = [this] { log.push_back("leave"); };
        area.OnMouseDown = [this](TMouseButton, TShiftState, int x, int y) {
            log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        };
        area.OnMouseUp = [this](TMouseButton, TShiftState, int x, int y) {
            log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        };
        form.OnMouseUp = [this](TMouseButton, TShiftState, int, int) { log.push_back("form up"); };
    }
    TForm form;
    TControl area;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(ControlClicks, PressMoveOutAndReleaseOutsideGivesNoClick)
{
    ProgramSandbox box;
    auto app = HeadlessApp("press 110 110\nmove 300 300\nrelease 300 300\n");
    AreaForm f(*app);
    EXPECT_EQ(app->Run(), 0);
    // The pressed control keeps the moves and the release (at its own coordinates), but no click.
    EXPECT_EQ(f.log, (Log{"enter", "down 10,10", "leave", "up 200,200"}));
}

TEST(ControlClicks, ReleaseOverThePressedControlClicksOnceAndAPressElsewhereDoesNot)
{
    ProgramSandbox box;
    auto app = HeadlessApp(
        "click 150 120\n"
        "press 300 300\nmove 150 120\nrelease 150 120\n"
        "press 150 120 right\nrelease 150 120 right\n");
    AreaForm f(*app);
    EXPECT_EQ(app->Run(), 0);
    // Hover follows the pointer even while the form holds the press; closing the form leaves the control.
    EXPECT_EQ(f.log, (Log{"enter", "down 50,20", "click", "up 50,20", "leave", "enter", "form up", "down 50,20",
                          "up 50,20", "leave"}));
}

TEST(ControlClicks, DisabledActionOrHiddenControlTakesNoClick)
{
    ProgramSandbox box;
    auto app = HeadlessApp("click 150 120\nclick 150 120\nclick 150 120\n");
    AreaForm f(*app);
    int executed = 0;
    TAction action("A_Start", [&] {
        ++executed;
        f.area.Hide();  // the third click then lands on the form
    });
    f.area.SetAction(&action);
    action.SetEnabled(false);
    f.form.OnMouseDown = [&](TMouseButton, TShiftState, int, int) {
        f.log.push_back("form down");
        action.SetEnabled(true);
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(f.log.back(), "form up");
}

TEST(ControlHover, EnterAndLeaveFollowThePointer)
{
    ProgramSandbox box;
    auto app = HeadlessApp("move 10 10\nmove 120 120\nmove 130 130\nmove 250 120\nmove 199 149\n");
    AreaForm f(*app);
    bool insideSeen = false;
    f.area.OnMouseMove = [&](TShiftState, int, int) { insideSeen = f.area.MouseInside(); };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(f.log, (Log{"enter", "leave", "enter", "leave"}));  // the last as the form closes
    EXPECT_TRUE(insideSeen);
}

TEST(ControlHover, CursorFollowsTheControlUnderThePointerUnlessTheScreenCursorIsSet)
{
    ProgramSandbox box;
    auto app = HeadlessApp("move 150 120\nwait 10\nmove 10 10\nwait 10\nmove 20 20\nwait 10\n");
    AreaForm f(*app);
    f.area.Cursor = crHand;
    std::vector<TCursor> seen;
    Timer look(
        [&] {
            seen.push_back(static_cast<HeadlessBackend&>(app->GetBackend()).Cursor());
            if (seen.size() == 2)
                app->SetCursor(crHand);
            if (seen.size() == 3)
                app->SetCursor(crDefault);
        },
        10, true);
    EXPECT_EQ(app->Run(), 0);
    // Over the area, beside it, then beside it again with the screen cursor set by the program.
    EXPECT_EQ(seen, (std::vector<TCursor>{crHand, crDefault, crHand}));
}

TEST(FormDrag, ScriptDragsAModalFormByItsSurfaceAndThenClicksItsButton)
{
    ProgramSandbox box;
    auto app = HeadlessApp(
        "click 10 10\n"
        "expect form Box\n"
        "press 230 250\n"
        "move 280 280\n"
        "move 330 300\n"
        "release 330 300\n"
        "click 215 215\n"  // where the button was: the main form's pixels now
        "click 320 270\n"  // the button after the drag
        "expect form Main\n");
    TForm main(*app, "Main", 640, 480);
    TForm dialog(*app, "Box", 200, 100);
    dialog.SetPosition(200, 200);
    TControl ok(dialog);
    ok.SetBounds(10, 10, 30, 30);
    int okClicks = 0, result = -1, mainDowns = 0;
    ok.OnClick = [&] {
        ++okClicks;
        dialog.SetModalResult(5);
    };
    dialog.OnMouseDown = [&](TMouseButton b, TShiftState, int, int) {
        if (b == TMouseButton::mbLeft)
            dialog.BeginMoveDrag();
    };
    main.OnMouseDown = [&](TMouseButton, TShiftState, int, int) {
        ++mainDowns;
        if (mainDowns == 1)
            result = dialog.ShowModal();
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(dialog.Left(), 300);
    EXPECT_EQ(dialog.Top(), 250);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(result, 5);
    // The click on the old place hit the main form, which takes no input under a modal form.
    EXPECT_EQ(mainDowns, 1);
}

TEST(CursorConfinement, PositionsStayInsideTheRectangleUntilReleased)
{
    ProgramSandbox box;
    auto app = HeadlessApp("press 150 300\nmove 400 100\nmove 10 460\nrelease 10 460\nmove 600 20\n");
    TForm form(*app, "F", 640, 480);
    std::vector<TPoint> seen;
    form.OnMouseDown = [&](TMouseButton, TShiftState, int x, int y) {
        const TRect line{x, 0, x + 1, y + 1};
        app->ClipCursor(&line);
    };
    form.OnMouseMove = [&](TShiftState, int x, int y) { seen.push_back({x, y}); };
    form.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { app->ClipCursor(nullptr); };
    EXPECT_EQ(app->Run(), 0);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (TPoint{150, 300}));  // the move to the press point
    EXPECT_EQ(seen[1], (TPoint{150, 100}));
    EXPECT_EQ(seen[2], (TPoint{150, 300}));
    EXPECT_EQ(seen[3], (TPoint{600, 20}));
    EXPECT_EQ(app->GetClipCursor(), app->ScreenRect());
}

TEST(FormDrag, AModalFormOpenedFromAPressTakesTheMouseAtOnce)
{
    ProgramSandbox box;
    // The right button opens the dialog on its press; the next click belongs to the dialog.
    auto app = HeadlessApp("press 20 20 right\nclick 210 210\nexpect form Main\n");
    TForm main(*app, "Main", 640, 480);
    TForm dialog(*app, "Box", 200, 100);
    dialog.SetPosition(200, 200);
    int mainUps = 0;
    main.OnMouseDown = [&](TMouseButton b, TShiftState, int, int) {
        if (b == TMouseButton::mbRight)
            dialog.ShowModal();
    };
    main.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { ++mainUps; };
    dialog.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { dialog.SetModalResult(mrOk); };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(mainUps, 0);
}
