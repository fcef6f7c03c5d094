// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

// Main form M (whole screen); key A opens F1 modally; F1's area opens F2
// modally; F2's area sets result 7; Return on F1 sets its result 3.
struct ThreeForms {
    explicit ThreeForms(TApplication& app)
        : main(app, "M", 640, 480), f1(app, "F1", 200, 200), f2(app, "F2", 100, 100), openF2(f1), ok(f2)
    {
        f1.SetPosition(100, 100);
        f2.SetPosition(150, 150);
        openF2.SetBounds(0, 0, 50, 50);  // screen (100..150, 100..150)
        ok.SetBounds(0, 0, 50, 50);      // screen (150..200, 150..200)
        main.OnKeyPress = [this](char& k) {
            if (k == 'a')
                log.push_back("F1=" + std::to_string(f1.ShowModal()));
        };
        openF2.OnClick = [this] {
            log.push_back("F2=" + std::to_string(f2.ShowModal()));
            log.push_back("F1 goes on");
        };
        f1.OnKeyDown = [this](int& key, TShiftState) {
            if (key == VK_RETURN)
                f1.SetModalResult(3);
        };
        ok.OnClick = [this] { f2.SetModalResult(7); };
        main.OnClose = [this](TCloseAction&) { log.push_back("M closed"); };
    }
    TForm main, f1, f2;
    TControl openF2, ok;
    std::vector<std::string> log;
};

}  // namespace

TEST(ShowModal, NestedModalReturnsItsResultThenTheOuterLoopGoesOn)
{
    ProgramSandbox box;
    auto app = HeadlessApp(
        "key a\n"
        "expect form F1\n"
        "click 110 110\n"
        "expect form F2\n"
        "click 160 160\n"
        "expect form F1\n"
        "key Return\n"
        "expect form M\n");
    ThreeForms forms(*app);
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(forms.log, (std::vector<std::string>{"F2=7", "F1 goes on", "F1=3", "M closed"}));
    EXPECT_FALSE(forms.f1.Visible());
    EXPECT_FALSE(forms.f2.Visible());
}

TEST(ShowModal, EndOfScriptUnwindsEveryModalLoopAndClosesTheMainForm)
{
    ProgramSandbox box;
    auto app = HeadlessApp("key a\nclick 110 110\n");
    ThreeForms forms(*app);
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(forms.log,
              (std::vector<std::string>{"F2=" + std::to_string(mrCancel), "F1 goes on",
                                        "F1=" + std::to_string(mrCancel), "M closed"}));
    // Once the program ends, a further modal showing returns at once.
    EXPECT_EQ(forms.f1.ShowModal(), mrCancel);
}

TEST(ShowModal, CloseQueryCanKeepTheFormOpenAndCloseGivesCancel)
{
    ProgramSandbox box;
    auto app = HeadlessApp("key a\nkey Escape\nexpect form F1\nkey Escape\nexpect form M\n");
    ThreeForms forms(*app);
    int queries = 0;
    forms.f1.OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
    forms.f1.OnKeyPress = [&](char& k) {
        if (k == 27)
            forms.f1.Close();
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(queries, 2);
    ASSERT_FALSE(forms.log.empty());
    EXPECT_EQ(forms.log.front(), "F1=" + std::to_string(mrCancel));
}

TEST(Script, FailedExpectEndsWithStatus3AndTheLineOnStandardError)
{
    ProgramSandbox box;
    auto app = HeadlessApp("# a comment\n\nkey a\nexpect form F2\nkey Return\n");
    ThreeForms forms(*app);
    testing::internal::CaptureStderr();
    const int status = app->Run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 3);
    EXPECT_NE(err.find("line 4"), std::string::npos) << err;
    EXPECT_NE(err.find("F1"), std::string::npos) << err;
    // The loops unwound: the modal form gave up, and the main form was closed.
    EXPECT_EQ(forms.log.back(), "M closed");
}

TEST(Script, UnparsableLineEndsWithStatus3)
{
    for (const char* bad : {"click 10\n", "click x 10\n", "jump 1 2\n", "key NoSuchKey\n", "wait -5\n",
                            "expect window M\n", "wheel sideways\n", "click 1 2 middle\n"}) {
        ProgramSandbox box;
        auto app = HeadlessApp(std::string("move 1 1\n") + bad + "expect form M\n");
        ThreeForms forms(*app);
        testing::internal::CaptureStderr();
        EXPECT_EQ(app->Run(), 3) << bad;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("line 2"), std::string::npos) << bad << err;
    }
}

TEST(Script, ExpectChecksTheTopmostShownFormAndKeysGoToIt)
{
    ProgramSandbox box;
    auto app = HeadlessApp("expect form F2\nkey h\nexpect form M\n");
    TForm main(*app, "M", 640, 480);
    TForm other(*app, "F2", 10, 10);
    main.OnShow = [&] { other.Show(); };
    std::string mainKeys;
    main.OnKeyPress = [&](char& k) { mainKeys += k; };
    other.OnKeyPress = [&](char& k) {
        if (k == 'h')
            other.Hide();
    };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(mainKeys, "");
}
