// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor and the forklift played to their ends in the real window
// (Xvfb) with nothing but mouse presses on the on-screen arrows, one arrow
// held at a time as a single finger holds it; the statistics record must be
// the one the arrow keys give for the same play. A first run in the test's
// own process learns the play (a driver reads the game and holds arrows);
// its presses become script lines twice, frame by frame ("wait N frames"):
// arrow keys for a headless run of the program, presses on the buttons for
// the real window. A press a frame late must not matter: holds that end
// against a limit (a can picked, a box taken or delivered, the crane at its
// end) are held a while longer than needed.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/MainMenuLayout.h"
#include "games/common/ArrowPad.h"
#include "games/common/BoardSwitch.h"
#include "games/conveyor/FormTasmociag.h"
#include "games/forklift/FormWidlak.h"
#include "graphics/CDisplay.h"
#include "platform/Input.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/e2e/XvfbDisplay.h"
#include "tests/games/forklift/ForkliftRobot.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kNone = -1;

std::string Click(TPoint p) { return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n"; }

std::string OpenGame(int tab, bool addSound)
{
    const CDisplay display(kWidth, kHeight);
    const SMainMenuLayout l = MainMenuLayout(display);
    std::string s;
    for (int y = 0; y < kHeight && s.empty(); y += 4)
        if (TabAt(display, 100, y) == tab)
            s = Click({l.tabStrip.x + 100, l.tabStrip.y + y + 8});
    if (addSound)
        s += Click({l.sounds[4].x + 8, l.sounds[4].y + 8});
    return s + Click({l.start.x + 20, l.start.y + 20});
}

std::string LeaveSummary()
{
    const TPoint back{(kWidth - TFormKoniecGry::kWidth) / 2 + 325 + 30, (kHeight - TFormKoniecGry::kHeight) / 2 + 360};
    return "expect form FormKoniecGry\n" + Click(back) + "expect form FormMain\nkey Escape\n";
}

// What the learning run did: from a frame on, which arrow was held, or a
// click on a button of the screen.
struct Step {
    int frame;
    int arrow;  // kNone: nothing held
    TPoint click{-1, -1};
};

struct Play {
    std::vector<Step> steps;
    std::array<TPoint, ArrowPad::kArrowCount> buttons{};
    int endFrame = -1;
    std::string open;

    // The script lines, with the arrows as keys or as presses on the buttons.
    std::string Script(bool keys) const
    {
        static constexpr const char* kNames[ArrowPad::kArrowCount] = {"Left", "Up", "Right", "Down"};
        std::string s = open;
        int at = 0, held = kNone;
        const auto line = [&](const char* key, const char* mouse, int arrow) {
            const TPoint b = buttons[static_cast<std::size_t>(arrow)];
            s += keys ? std::string(key) + kNames[arrow] + "\n"
                      : std::string(mouse) + std::to_string(b.x) + " " + std::to_string(b.y) + "\n";
        };
        for (const Step& step : steps) {
            if (step.frame > at)
                s += "wait " + std::to_string(step.frame - at) + " frames\n";
            at = step.frame;
            if (held != kNone)
                line("keyup ", "release ", held);
            if (step.click.x >= 0)
                s += Click(step.click);
            else
                held = step.arrow;
            if (held != kNone)
                line("keydown ", "press ", held);
        }
        if (held != kNone)
            line("keyup ", "release ", held);
        // The summary comes a while after the last answer; the real window
        // may run a few frames late.
        return s + "wait 4000\n" + LeaveSummary();
    }
};

// The learning game: the driver is asked before every frame of the first
// game which arrow to hold (kNone for none); it may also note a click on a
// button it has just used.
class Learner {
public:
    using Driver = std::function<int(int frame)>;

    Play Learn(const std::string& open, uint64_t seed, TForm* (*screen)(), const std::function<TRect(int)>& buttonRect,
               const Driver& driver)
    {
        Play play;
        play.open = open;
        ProgramRig rig(kWidth, kHeight, open + "wait 1200000\n" + LeaveSummary(), seed);
        if (!rig.Ready())
            return play;
        ready_ = true;
        TForm& form = *screen();
        int frame = 0, held = kNone;
        bool first = true;
        auto previousShow = form.OnShow;
        form.OnShow = [&] {
            previousShow();
            if (!first)
                return;
            first = false;
            const CDisplay display(kWidth, kHeight);
            for (int a = 0; a < ArrowPad::kArrowCount; ++a) {
                const TRect r = buttonRect(a);
                play.buttons[static_cast<std::size_t>(a)] = {(r.left + r.right) / 2 + display.OffsetX(),
                                                             (r.top + r.bottom) / 2 + display.OffsetY()};
            }
            // The game's frame loop has the idle time now: steer before each frame.
            auto frameOfGame = rig.App().OnIdle;
            rig.App().OnIdle = [&, frameOfGame](bool& done) {
                clicks_.clear();
                const int want = driver(frame);
                if (want != held) {
                    if (held != kNone)
                        PressKey(form, held, false);
                    held = want;
                    if (held != kNone)
                        PressKey(form, held, true);
                    play.steps.push_back({frame, held});
                }
                for (TPoint c : clicks_)
                    play.steps.push_back({frame, kNone, c});
                frameOfGame(done);
                ++frame;
            };
        };
        auto previousSummary = FormKoniecGry->OnShow;
        FormKoniecGry->OnShow = [&] {
            if (play.endFrame < 0)
                play.endFrame = frame;
            if (previousSummary)
                previousSummary();
        };
        EXPECT_EQ(rig.Run(), 0);
        return play;
    }
    bool Ready() const { return ready_; }
    void ClickAt(TPoint p) { clicks_.push_back(p); }

private:
    static void PressKey(TForm& form, int arrow, bool down)
    {
        static constexpr int kCodes[ArrowPad::kArrowCount] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
        int key = kCodes[arrow];
        if (down)
            form.OnKeyDown(key, 0);
        else
            form.OnKeyUp(key, 0);
    }

    bool ready_ = false;
    std::vector<TPoint> clicks_;
};

struct Record {
    std::string bytes;
    int32_t At(std::size_t offset, std::size_t size) const
    {
        int32_t v = 0;
        std::memcpy(&v, bytes.data() + offset, size);
        return v;
    }
};

// The program's one record of a script's game: headless with keys, or in a
// real window with presses.
Record RunOnce(const std::string& script, uint64_t seed, bool window, std::string& errors)
{
    TempDir root, work;
    if (!LinkGeneratedTree(root.Path()))
        return {};
    work.Write("script.txt", "expect form FormMain\n" + script);
    const std::string args = " --seed " + std::to_string(seed) + " --screen " + std::to_string(kWidth) + "x" +
                             std::to_string(kHeight) + " --root '" + root.Path().string() + "' --script '" +
                             (work.Path() / "script.txt").string() + "'";
    ProgramResult r;
    if (window) {
        XvfbDisplay x(kWidth, kHeight);
        if (!x.Ready())
            return {};
        r = RunCommand("DISPLAY=" + x.Name() + " SDL_AUDIODRIVER=dummy '" + ProgramPath() + "' --windowed" + args,
                       work.Path());
    } else {
        r = RunProgram("--headless" + args, work.Path());
    }
    errors = r.errors + " (status " + std::to_string(r.status) + ")";
    const std::string file = root.Read("prgst6.stt");
    if (r.status != 0 || file.size() != CStatRec::kHeaderSize + CStatRec::kRecordSize)
        return {};
    return {file.substr(CStatRec::kHeaderSize)};
}

// The keys' record and the presses' record of one play agree in everything
// but the start and the duration.
void ExpectSameRecords(const Play& play, uint64_t seed, int correct)
{
    ASSERT_GT(play.endFrame, 0) << "the learning game did not end";
    std::string errors;
    const Record keys = RunOnce(play.Script(true), seed, false, errors);
    ASSERT_FALSE(keys.bytes.empty()) << errors;
    EXPECT_EQ(keys.At(36, 4), correct);
    EXPECT_EQ(keys.At(30, 2), 1) << "completed";
    const Record presses = RunOnce(play.Script(false), seed, true, errors);
    if (presses.bytes.empty() && !XvfbDisplay(kWidth, kHeight).Ready())
        GTEST_SKIP() << "no Xvfb";
    ASSERT_FALSE(presses.bytes.empty()) << errors;
    EXPECT_EQ(presses.bytes.substr(0, 4), keys.bytes.substr(0, 4)) << "game";
    EXPECT_EQ(presses.bytes.substr(20, 6), keys.bytes.substr(20, 6)) << "amount, sounds, positions";
    EXPECT_EQ(presses.bytes.substr(30), keys.bytes.substr(30)) << "completed, hints, correct, wrong";
    // The duration is the clock's: frames slower than their period (a busy
    // machine) make the window's game longer, never shorter.
    EXPECT_GE(presses.At(26, 4), keys.At(26, 4) - 1) << "seconds";
}

}  // namespace

TEST(ArrowButtonsInTheWindow, AWholeConveyorGamePlayedByPressesRecordsWhatTheKeysRecord)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    constexpr uint64_t kSeed = 21;
    // Each can: picked off the belt with the magnet down, carried to the left
    // end, raised to the ceiling, slid under the first pipe and pushed up;
    // pulled down, moved under the second pipe (the other sound) and pushed
    // up again: a can the first pipe refused goes into the second.
    static constexpr int kArrow[8] = {ArrowPad::kDown, ArrowPad::kLeft, ArrowPad::kUp,    ArrowPad::kRight,
                                      ArrowPad::kUp,   ArrowPad::kDown, ArrowPad::kRight, ArrowPad::kUp};
    static constexpr int kMargin[8] = {40, 5, 5, 0, 5, 2, 0, 5};
    int phase = 0, until = -1;
    Learner learner;
    const Play play = learner.Learn(
        OpenGame(5, true), kSeed, [] { return static_cast<TForm*>(FormTasmociag); },
        [](int a) { return FormTasmociag->Arrows().ButtonRect(static_cast<ArrowPad::Arrow>(a)); },
        [&](int frame) {
            const TFormTasmociag& f = *FormTasmociag;
            const CTasChwyt& c = f.Crane();
            const int step = Display().ConvertFromModeRounded(16, 8);
            bool reached = false;
            switch (phase) {
            case 0: reached = c.Held() != nullptr; break;
            case 1: reached = c.X() == c.MaxDistance(); break;
            case 2: reached = c.S() == -1 && c.HeldCanTop() <= f.Pipes().Line() + 1; break;
            case 3: reached = c.MagnetCentreX() >= f.Pipes().Pipe(0).Centre() - step / 2; break;
            case 5: reached = c.S() == 1; break;
            case 6: reached = c.MagnetCentreX() >= f.Pipes().Pipe(1).Centre() - step / 2; break;
            default: reached = c.S() == -1 && c.T() == c.MaxUp(); break;
            }
            if (reached && until < 0)
                until = frame + kMargin[phase];
            if (until >= 0 && frame >= until) {
                phase = (phase + 1) % 8;
                until = -1;
            }
            return kArrow[phase];
        });
    if (!learner.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ExpectSameRecords(play, kSeed, 10);
}

TEST(ArrowButtonsInTheWindow, AWholeForkliftGamePlayedByPressesRecordsWhatTheKeysRecord)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    constexpr uint64_t kSeed = 22;
    // The keys a driver would hold, one at a time, the fork's height first;
    // "dalej" once a board is done.
    int held = kNone, driveEnd = -1;
    Learner learner;
    const Play play = learner.Learn(
        OpenGame(4, false), kSeed, [] { return static_cast<TForm*>(FormWidlak); },
        [](int a) { return FormWidlak->Arrows().ButtonRect(static_cast<ArrowPad::Arrow>(a)); },
        [&](int frame) {
            TFormWidlak& f = *FormWidlak;
            const CWidPlansza& board = f.Board(f.CurrentBoard());
            const ForkliftKeys keys = NextKeys(f.Truck(), board);
            int want = keys.up     ? ArrowPad::kUp
                       : keys.down  ? ArrowPad::kDown
                       : keys.left  ? ArrowPad::kLeft
                       : keys.right ? ArrowPad::kRight
                                    : kNone;
            // Pressed into a slot, a drive does nothing more: held on a while.
            if ((held == ArrowPad::kLeft || held == ArrowPad::kRight) && want != held && f.Truck().Slot != nullptr) {
                if (driveEnd < 0)
                    driveEnd = frame + 10;
                if (frame < driveEnd)
                    want = held;
            }
            if (want != held)
                driveEnd = -1;
            held = want;
            bool boardDone = want == kNone && f.CurrentBoard() + 1 < f.BoardCount();
            for (const auto& slot : board.RightRack().Slots())
                boardDone = boardDone && slot->Box() == nullptr;
            if (boardDone) {
                const TPoint p = BoardSwitch::ButtonPosition(CDisplay(kWidth, kHeight), BoardSwitch::Button::Dalej);
                learner.ClickAt({p.x + 30, p.y + 30});
                f.actDalej.Execute();
            }
            return want;
        });
    if (!learner.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ExpectSameRecords(play, kSeed, 12);
}
