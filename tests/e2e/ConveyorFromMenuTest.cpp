// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor game as a child meets it: opened from the main menu with two
// sounds chosen, played to its end with the arrow keys and one click on the
// help button, then started once more, stopped early with a can on the
// magnet, and left. A first run learns the moves: an autopilot reads the
// crane and the belt and presses the keys; the second run replays those
// presses as script lines only, and both games must be in the statistics
// file to the byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/MainMenuLayout.h"
#include "core/SoundCodes.h"
#include "games/conveyor/FormTasmociag.h"
#include "graphics/CDisplay.h"
#include "platform/Input.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ProgramRig.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint64_t kSeed = 612;
constexpr int kFrameMs = 40;

std::string Click(TPoint p) { return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n"; }

std::string Le(uint64_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// The menu: the conveyor's tab, the S sound added to the default SZ, start.
std::string OpenConveyor(bool chooseSounds)
{
    const CDisplay display(kWidth, kHeight);
    const SMainMenuLayout l = MainMenuLayout(display);
    std::string s;
    // The tab's band, found in the strip's own coordinates.
    for (int y = 0; y < 700 && s.empty(); y += 4)
        if (TabAt(display, 150, y) == 5)
            s = Click({l.tabStrip.x + 150, l.tabStrip.y + y + 8});
    if (chooseSounds)
        s += Click({l.sounds[4].x + 8, l.sounds[4].y + 8});
    return s + Click({l.start.x + 20, l.start.y + 20});
}

TPoint SummaryButton(int left)
{
    return {(kWidth - TFormKoniecGry::kWidth) / 2 + left + 30, (kHeight - TFormKoniecGry::kHeight) / 2 + 340 + 20};
}

// The buttons of the game in the 1024 x 768 mode: stop (20, 20), help (17, 100).
const TPoint kStop{20 + 30, 20 + 30};
const TPoint kHelp{17 + 30, 100 + 30};

struct Event {
    int frame;
    std::string line;
};

// Plays the game with the arrow keys: waits with the magnet down for a can,
// carries the first one into a pipe of the other sound, then each can into
// its own pipe; asks for a hint once. Key presses go to the screen as the
// keyboard would deliver them, and are noted with their frame.
class Autopilot {
public:
    std::vector<Event> events;
    int frame = 0;
    int summaryFrame = -1;
    int lastDeliveryFrame = -1;

    void Frame()
    {
        TFormTasmociag& f = *FormTasmociag;
        const CTasChwyt& c = f.Crane();
        bool want[4] = {false, false, false, false};  // left, up, right, down
        if (c.Held() == nullptr) {
            if (c.S() != 1 || c.T() < c.MaxDown())
                want[3] = true;
        } else {
            if (!hinted_) {
                hinted_ = true;
                events.push_back({frame, Click(kHelp)});
                f.actPomoc.Execute();
            }
            const CTasRury::CRura* pipe = Aim(f, *c.Held());
            if (c.TargetPipe() != nullptr) {
                if (c.TargetPipe() == pipe && c.LastWrongPipe() != pipe)
                    want[1] = true;
                else
                    want[3] = true;  // out of this pipe
                if (c.LastWrongPipe() == pipe && pipe != nullptr)
                    wrongDone_ = true;
            } else if (pipe != nullptr) {
                const int dx = pipe->Centre() - c.MagnetCentreX();
                if (dx <= -4)
                    want[0] = true;
                else if (dx >= 4)
                    want[2] = true;
                else
                    want[1] = true;
            }
        }
        const int codes[4] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
        const char* names[4] = {"Left", "Up", "Right", "Down"};
        for (int k = 0; k < 4; ++k)
            if (held_[k] && !want[k]) {
                int key = codes[k];
                f.OnKeyUp(key, 0);
                held_[k] = false;
                events.push_back({frame, std::string("keyup ") + names[k] + "\n"});
            }
        for (int k = 0; k < 4; ++k)
            if (!held_[k] && want[k]) {
                int key = codes[k];
                f.OnKeyDown(key, 0);
                held_[k] = true;
                events.push_back({frame, std::string("keydown ") + names[k] + "\n"});
            }
        heldBefore_ = c.Held() != nullptr;
    }
    void AfterFrame()
    {
        if (FormTasmociag->Crane().Released() != nullptr && heldBefore_ && FormTasmociag->Crane().Held() == nullptr)
            lastDeliveryFrame = frame;
        ++frame;
    }

private:
    const CTasRury::CRura* Aim(const TFormTasmociag& f, const CTasPuszka& can)
    {
        const int32_t sound = can.Word().Flags & GL_WSZYSTKIE;
        if (!wrongDone_)
            for (int i = 0; i < f.Pipes().Count(); ++i)
                if ((f.Pipes().Pipe(i).Sound & sound) == 0)
                    return &f.Pipes().Pipe(i);
        wrongDone_ = true;
        return f.Pipes().PipeForSound(sound);
    }

    bool held_[4] = {false, false, false, false};
    bool hinted_ = false;
    bool wrongDone_ = false;
    bool heldBefore_ = false;
};

struct Noted {
    int32_t correct = 0, wrong = 0, hints = 0, duration = 0;
    int16_t completed = -1;
    SystemTime start;
    bool canOnMagnet = false;
};

void NoteSummaries(std::vector<Noted>& out)
{
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [&out, previous] {
        Noted n;
        n.correct = StatRec->Correct;
        n.wrong = StatRec->Wrong;
        n.hints = StatRec->Hints;
        n.duration = StatRec->Duration;
        n.completed = StatRec->Completed;
        n.start = StatRec->StartTime;
        n.canOnMagnet = FormTasmociag->Crane().Held() != nullptr;
        out.push_back(n);
        if (previous)
            previous();
    };
}

std::string Record(const Noted& n)
{
    std::string time;
    for (uint16_t v : {n.start.year, n.start.month, n.start.dayOfWeek, n.start.day, n.start.hour, n.start.minute,
                       n.start.second, n.start.milliseconds})
        time += Le(v, 2);
    return Le(5, 4) + time + Le(1, 2) + Le(GL_SZ | GL_S, 2) + Le(POZ_NAGLOS, 2) + Le(static_cast<uint32_t>(n.duration), 4) +
           Le(static_cast<uint16_t>(n.completed), 2) + Le(static_cast<uint32_t>(n.hints), 4) +
           Le(static_cast<uint32_t>(n.correct), 4) + Le(static_cast<uint32_t>(n.wrong), 4);
}

// After the summary: back to the menu; a second game held down until a can
// hangs on the magnet, stopped with the stop button; back to the menu; out.
std::string SecondGameThenLeave()
{
    return "expect form FormKoniecGry\n" + Click(SummaryButton(325)) + "expect form FormMain\n" +
           OpenConveyor(false) + "expect form FormTasmociag\nkeydown Down\nwait 20000\nkeyup Down\n" + Click(kStop) +
           "expect form FormKoniecGry\n" + Click(SummaryButton(325)) + "expect form FormMain\nkey Escape\n";
}

}  // namespace

TEST(ConveyorFromTheMenu, PlayedToTheEndByKeysThenStoppedEarlyBothRecordedToTheByte)
{
    // The learning run: the autopilot steers, the script only waits.
    Autopilot pilot;
    {
        ProgramRig rig(kWidth, kHeight, OpenConveyor(true) + "wait 1200000\n" + SecondGameThenLeave(), kSeed);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        auto previousShow = FormTasmociag->OnShow;
        bool first = true;
        FormTasmociag->OnShow = [&] {
            previousShow();
            if (!first)
                return;
            first = false;
            // Steer before every frame of the first game.
            auto frame = rig.App().OnIdle;
            rig.App().OnIdle = [&pilot, frame](bool& done) {
                pilot.Frame();
                frame(done);
                pilot.AfterFrame();
            };
        };
        auto previousSummary = FormKoniecGry->OnShow;
        FormKoniecGry->OnShow = [&pilot, previousSummary] {
            if (pilot.summaryFrame < 0)
                pilot.summaryFrame = pilot.frame;
            if (previousSummary)
                previousSummary();
        };
        EXPECT_EQ(rig.Run(), 0);
    }
    ASSERT_GT(pilot.summaryFrame, 0) << "the first game did not end";
    ASSERT_GT(pilot.lastDeliveryFrame, 0);
    // The game ends by itself two seconds (50 frames) after the last can went in.
    EXPECT_EQ(pilot.summaryFrame - pilot.lastDeliveryFrame, 50);

    // The real run: the same presses as script lines, between frame-exact waits.
    std::string play = OpenConveyor(true);
    int at = 0;
    for (const Event& e : pilot.events) {
        if (e.frame >= pilot.summaryFrame)
            break;
        if (e.frame > at)
            play += "wait " + std::to_string((e.frame - at) * kFrameMs) + "\n";
        at = e.frame;
        play += e.line;
    }
    play += "wait " + std::to_string((pilot.summaryFrame - at + 5) * kFrameMs) + "\n" + SecondGameThenLeave();

    std::vector<Noted> shown;
    ProgramRig rig(kWidth, kHeight, play, kSeed);
    ASSERT_TRUE(rig.Ready());
    NoteSummaries(shown);
    EXPECT_EQ(rig.Run(), 0);

    ASSERT_EQ(shown.size(), 2u);
    const Noted& game = shown[0];
    EXPECT_EQ(game.completed, 1);
    EXPECT_EQ(game.correct, 10);
    EXPECT_EQ(game.wrong, 1);
    EXPECT_EQ(game.hints, 1);
    EXPECT_LE(std::abs(game.duration - pilot.summaryFrame * kFrameMs / 1000), 1);
    const Noted& stopped = shown[1];
    EXPECT_TRUE(stopped.canOnMagnet);
    EXPECT_EQ(stopped.completed, 0);
    EXPECT_EQ(stopped.correct, 0);
    EXPECT_EQ(stopped.wrong, 10);  // nine on the belt, one on the magnet
    EXPECT_EQ(stopped.hints, 0);

    const std::string file = rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + 2 * CStatRec::kRecordSize);
    for (std::size_t k = 0; k < 2; ++k)
        EXPECT_EQ(file.substr(CStatRec::kHeaderSize + CStatRec::kRecordSize * k, CStatRec::kRecordSize), Record(shown[k]))
            << "game " << k;

    // The journal: the hint and the wrong pipe for the first can, then each
    // can into its pipe; the stopped game's ten cans left unsolved.
    const std::vector<JournalAnswer> rows = JournalRows(rig.Dir().Path());
    const std::vector<JournalAnswer> played = RowsOfGame(rows, 5, game.start), left = RowsOfGame(rows, 5, stopped.start);
    EXPECT_EQ(rows.size(), played.size() + left.size());
    EXPECT_EQ(Outcomes(played), "HW" + std::string(10, 'R'));
    EXPECT_EQ(Outcomes(left), std::string(10, 'U'));
    ASSERT_EQ(played.size(), 12u);
    EXPECT_EQ(played[0].wordKey, played[2].wordKey);
    EXPECT_EQ(played[1].wordKey, played[2].wordKey);
    const std::vector<std::string> delivered = WordKeys({played.begin() + 2, played.end()});
    EXPECT_EQ(std::set<std::string>(delivered.begin(), delivered.end()).size(), 10u);
    EXPECT_EQ(GameRowsProblem(played, GL_SZ | GL_S, POZ_NAGLOS), "");
    EXPECT_EQ(GameRowsProblem(left, GL_SZ | GL_S, POZ_NAGLOS), "");
}
