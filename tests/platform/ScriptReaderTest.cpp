// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MainThread.h"
#include "platform/ScriptReader.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

std::vector<InputEvent> ReadAll(const std::string& text)
{
    ScriptReader reader(text);
    std::deque<InputEvent> out;
    std::vector<InputEvent> events;
    for (int guard = 0; guard < 100; ++guard) {
        reader.ReadNext(out);
        while (!out.empty()) {
            events.push_back(out.front());
            out.pop_front();
        }
        if (events.back().kind == InputKind::ScriptEnd || events.back().kind == InputKind::ScriptError)
            break;
    }
    return events;
}

}  // namespace

TEST(ScriptReader, TurnsCommandsIntoEventsWithTheirLineNumbers)
{
    const auto e = ReadAll(
        "# comment\r\n"
        "click 10 20 right  # trailing comment\n"
        "\n"
        "type  a b#c\n"
        "key #\n"
        "keydown Shift\n"
        "key Escape\n"
        "keyup Shift\n"
        "wheel down\n"
        "wait 40\n"
        "shot out.png\n"
        "expect form FormMain\n");
    ASSERT_EQ(e.size(), 22u);  // with the end of the script
    EXPECT_EQ(e[0].kind, InputKind::MouseMove);
    EXPECT_EQ(e[1].kind, InputKind::MouseDown);
    EXPECT_EQ(e[2].kind, InputKind::MouseUp);
    EXPECT_EQ(e[2].button, TMouseButton::mbRight);
    EXPECT_EQ(e[2].x, 10);
    EXPECT_EQ(e[2].y, 20);
    EXPECT_EQ(e[2].line, 2);
    // "type" keeps the rest of the line, spaces and '#' included.
    std::string typed;
    for (int i = 3; i < 8; ++i) {
        EXPECT_EQ(e[i].kind, InputKind::Char);
        typed += static_cast<char>(e[i].key);
    }
    EXPECT_EQ(typed, " a b#");
    EXPECT_EQ(e[8].kind, InputKind::Char);  // the last 'c'
    EXPECT_EQ(e[9].kind, InputKind::KeyDown);
    EXPECT_EQ(e[10].key, '#');
    EXPECT_EQ(e[11].kind, InputKind::KeyUp);
    EXPECT_EQ(e[12].key, VK_SHIFT);
    EXPECT_EQ(e[13].key, VK_ESCAPE);
    EXPECT_EQ(e[13].shift, ssShift);
    EXPECT_EQ(e[14].kind, InputKind::Char);
    EXPECT_EQ(e[14].key, 27);
    EXPECT_EQ(e[15].kind, InputKind::KeyUp);
    EXPECT_EQ(e[16].shift, 0u);  // keyup Shift
    EXPECT_EQ(e[17].amount, -WHEEL_DELTA);
    EXPECT_EQ(e[18].amount, 40);
    EXPECT_EQ(e[19].text, "out.png");
    EXPECT_EQ(e[20].text, "FormMain");
    EXPECT_EQ(e[20].line, 12);
}

TEST(ScriptReader, PolishLettersAreCp1250AndLettersGiveTheirKeyCodes)
{
    const auto e = ReadAll("key ż\nkey q\ntype Łódź\n");
    ASSERT_GE(e.size(), 10u);
    EXPECT_EQ(e[1].key, static_cast<unsigned char>("ż"_cp[0]));
    EXPECT_EQ(e[3].key, 'Q');
    EXPECT_EQ(e[4].key, 'q');
    std::string typed;
    for (std::size_t i = 6; i < 10; ++i)
        typed += static_cast<char>(e[i].key);
    EXPECT_EQ(typed, "Łódź"_cp);
    EXPECT_EQ(e.back().kind, InputKind::ScriptEnd);
}

TEST(ScriptReader, ReportsTheLineAndTheReasonOfALineItCannotUnderstand)
{
    const auto e = ReadAll("move 1 1\nclick 1\n");
    EXPECT_EQ(e.back().kind, InputKind::ScriptError);
    EXPECT_EQ(e.back().line, 2);
    EXPECT_FALSE(e.back().text.empty());
}

TEST(MessageLoop, WheelGoesToTheTopmostFormAndPostedCallbacksRunBeforeTheNextEvent)
{
    ProgramSandbox box;
    auto app = HeadlessApp("move 300 200\nwheel up\nwheel down\nkey a\nkey b\n");
    TForm main(*app, "M", 640, 480);
    TForm top(*app, "T", 100, 100);
    top.SetPosition(250, 150);
    main.OnShow = [&] { top.Show(); };
    std::string trace;
    top.OnMouseWheel = [&](TShiftState, int delta, int x, int y) {
        trace += (delta > 0 ? "up@" : "down@") + std::to_string(x) + "," + std::to_string(y) + " ";
    };
    top.OnKeyPress = [&](char& k) {
        trace += k;
        if (k == 'a') {
            // From another thread, as the audio thread reports the end of a sound.
            std::thread([&] { PostToMainThread([&] { trace += "+"; }); }).join();
        }
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(trace, "up@50,50 down@50,50 a+b");
}
