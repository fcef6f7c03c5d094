// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window manager's close request and the quit signals end the program
// through each shown form's own way of closing, topmost first.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "tests/platform/HeadlessApp.h"

namespace {

// A main form that opens a "game" on key g; the game's close request shows
// a "summary" modally (as a game's stop button does), which closes the game.
struct GameOverMenu {
    explicit GameOverMenu(TApplication& app) : main(app, "M", 640, 480), game(app, "G", 640, 480), summary(app, "S", 50, 50)
    {
        main.OnKeyPress = [this](char& k) {
            if (k == 'g')
                log.push_back("game=" + std::to_string(game.ShowModal()));
        };
        game.OnCloseRequest = [this] {
            log.push_back("game stopped");
            log.push_back("summary=" + std::to_string(summary.ShowModal()));
            game.Close();
        };
        main.OnCloseRequest = [this] {
            log.push_back("menu exit");
            main.Close();
        };
    }
    TForm main, game, summary;
    std::vector<std::string> log;
};

}  // namespace

TEST(QuitRequest, StopsTheGameThroughItsOwnHandlerThenClosesTheMenu)
{
    auto app = HeadlessApp("key g\nwait 100\nquit\nwait 100\nkey g\n");
    GameOverMenu forms(*app);
    EXPECT_EQ(app->Run(), 0);
    // The summary is closed for the user; the second g never opens the game.
    EXPECT_EQ(forms.log, (std::vector<std::string>{"game stopped", "summary=" + std::to_string(mrCancel),
                                                    "game=" + std::to_string(mrCancel), "menu exit"}));
    EXPECT_TRUE(app->Terminated());
}

TEST(QuitRequest, AFormThatRefusesIsAskedOnceThenTheLoopsEnd)
{
    auto app = HeadlessApp("key g\nquit\nwait 100\n");
    GameOverMenu forms(*app);
    int asked = 0;
    forms.game.OnCloseRequest = [&asked] { ++asked; };  // refuses
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(app->Terminated());
}

TEST(QuitRequest, SigtermAndSigintAreCloseRequests)
{
    for (int signal : {SIGTERM, SIGINT}) {
        auto app = HeadlessApp("wait 100\n");
        TForm main(*app, "M", 640, 480);
        int asked = 0;
        main.OnCloseRequest = [&] {
            ++asked;
            main.Close();
        };
        main.Show();
        std::raise(signal);
        // Taken up by the next turn of the message loop, not inside the handler.
        app->HandleMessage();
        EXPECT_EQ(asked, 1) << signal;
        EXPECT_TRUE(app->Terminated()) << signal;
    }
}
