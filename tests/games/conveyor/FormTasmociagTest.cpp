// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor screen on the generated data tree, driven through its
// handlers and frames directly (no message loop runs): the summary it shows
// at the end is answered at once and its statistics noted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <tuple>

#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "core/SoundHelpers.h"
#include "controls/CZoom.h"
#include "core/CStatRec.h"
#include "games/conveyor/FormTasmociag.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "platform/Input.h"
#include "screens/FormKomunikat.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/e2e/ProgramRig.h"

namespace {

struct Noted {
    int shown = 0;
    int messages = 0;
    int32_t correct = 0, wrong = 0, hints = 0;
    int16_t completed = -1;
};

class ConveyorScreen {
public:
    ConveyorScreen(int width, int height, int32_t sounds = GL_SZ, int poziom = 1, int32_t positions = POZ_NAGLOS,
                   uint64_t seed = 11)
        : rig_(width, height, "# driven by the test\n", seed)
    {
        if (!rig_.Ready())
            return;
        UstTasmociag.Gloski = static_cast<int16_t>(sounds);
        UstTasmociag.Poziom = static_cast<int16_t>(poziom);
        UstTasmociag.Pozycja = static_cast<int16_t>(positions);
        FormKomunikat->OnShow = [this] {
            ++noted_.messages;
            FormKomunikat->SetModalResult(mrOk);
        };
        FormKoniecGry->OnShow = [this] {
            ++noted_.shown;
            noted_.correct = StatRec->Correct;
            noted_.wrong = StatRec->Wrong;
            noted_.hints = StatRec->Hints;
            noted_.completed = StatRec->Completed;
            FormKoniecGry->SetModalResult(TFormKoniecGry::kBackToMenu);
        };
        enough_ = form().EnoughWords();
        form().Show();
    }
    bool Enough() const { return enough_; }
    const TempDir& Dir() const { return rig_.Dir(); }
    bool Ready() const { return rig_.Ready(); }
    TFormTasmociag& form() { return *FormTasmociag; }
    const Noted& noted() const { return noted_; }
    TApplication& App() { return rig_.App(); }

    void Key(int key, bool down)
    {
        int k = key;
        if (down)
            form().OnKeyDown(k, 0);
        else
            form().OnKeyUp(k, 0);
    }
    // Frames until the summary came up, at most limit.
    int Frames(int limit)
    {
        int n = 0;
        while (n < limit && noted_.shown == 0) {
            form().FrameUpdate();
            ++n;
        }
        return n;
    }
    // Holds the magnet down until a can hangs on it.
    void PickACan() { HoldUntil(VK_DOWN, [this] { return form().Crane().Held() != nullptr; }); }
    // Frames, each shown, with the key held until done (at most 2000).
    void HoldUntil(int key, const std::function<bool()>& done)
    {
        Key(key, true);
        for (int i = 0; i < 2000 && !done(); ++i) {
            form().FrameUpdate();
            form().FramePresent();
        }
        Key(key, false);
    }
    // Sideways until the magnet is over x.
    void MoveUnder(int x)
    {
        const CTasChwyt& crane = form().Crane();
        const int step = Display().ConvertFromModeRounded(16, 8);
        HoldUntil(x < crane.MagnetCentreX() ? VK_LEFT : VK_RIGHT,
                  [&] { return std::abs(x - crane.MagnetCentreX()) < step; });
    }

private:
    ProgramRig rig_;
    Noted noted_;
    bool enough_ = false;
};

}  // namespace

TEST(ConveyorScreenTest, StopWithCansOnTheBeltAndOneOnTheMagnetCountsEachWrong)
{
    ConveyorScreen s(1024, 768);
    if (!s.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_EQ(s.form().Belt().Count(), 10);
    s.PickACan();
    ASSERT_NE(s.form().Crane().Held(), nullptr);
    EXPECT_EQ(s.form().Belt().Count(), 9);
    s.form().actStop.Execute();
    EXPECT_EQ(s.noted().shown, 1);
    EXPECT_EQ(s.noted().wrong, 10);
    EXPECT_EQ(s.noted().correct, 0);
    EXPECT_EQ(s.noted().completed, 0);
    EXPECT_FALSE(s.form().Visible());
    EXPECT_FALSE(s.form().Loop().Running());
}

TEST(ConveyorScreenTest, PipesGoToSoundsWithWordsOnlyAndAGameWithNoneIsRefusedUnrecorded)
{
    // S, Z, DZ, Ż and DŻ at the end of the word, where not all of them have
    // words: whatever the deal, every pipe waits for cans that come.
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        ConveyorScreen s(800, 600, GL_S | GL_Z | GL_DZ | GL_ZRZ | GL_DZZ, 1, POZ_WYGLOS, seed);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        ASSERT_TRUE(s.Enough());
        for (int i = 0; i < 4; ++i)
            EXPECT_GT(Slowa->CountPool(s.form().Pipes().Pipe(i).Sound, POZ_WSZYSTKIE), 0) << seed;
        EXPECT_EQ(s.form().Belt().Count(), 10) << seed;
    }
    // No can to carry (an amount the game does not know), or no sound with
    // words in the positions: the menu is told there are too few words, and
    // a game shown all the same says so and records nothing.
    for (const auto& [sounds, poziom, positions] :
         {std::tuple{GL_SZ, 7, POZ_NAGLOS}, std::tuple{GL_DZZ, 1, POZ_WYGLOS}}) {
        ConveyorScreen s(800, 600, sounds, poziom, positions);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        EXPECT_FALSE(s.Enough());
        EXPECT_EQ(s.noted().messages, 1);
        EXPECT_FALSE(s.form().Visible());
        EXPECT_FALSE(s.form().Loop().Running());
        EXPECT_EQ(s.noted().shown, 0);
        EXPECT_EQ(s.Dir().Read("prgst6.stt").size(), CStatRec::kHeaderSize);
    }
}

TEST(ConveyorScreenTest, OneSoundGoesToEveryPipeAndFiveSoundsReachOnlyFour)
{
    {
        ConveyorScreen s(800, 600, GL_S);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(s.form().Pipes().Pipe(i).Sound, GL_S);
    }
    const int32_t five = GL_SZ | GL_S | GL_CZ | GL_C | GL_Z;
    ConveyorScreen s(800, 600, five, 2);
    std::set<int32_t> used;
    int32_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const int32_t sound = s.form().Pipes().Pipe(i).Sound;
        EXPECT_NE(sound & five, 0);
        used.insert(sound);
        mask |= sound;
    }
    EXPECT_EQ(used.size(), 4u);
    ASSERT_GT(s.form().Belt().Count(), 0);
    for (int i = 0; i < s.form().Belt().Count(); ++i)
        EXPECT_NE(s.form().Belt().Can(i).Word().Flags & mask, 0) << s.form().Belt().Can(i).Word().Key;
}

TEST(ConveyorScreenTest, AHintNeedsAHeldCanAndPointsAtItsPipe)
{
    ConveyorScreen s(1280, 1024);
    if (!s.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    s.form().actPomoc.Execute();
    EXPECT_EQ(StatRec->Hints, 0);
    EXPECT_EQ(s.form().HintPipe(), nullptr);
    s.PickACan();
    s.form().actPomoc.Execute();
    EXPECT_EQ(StatRec->Hints, 1);
    ASSERT_NE(s.form().HintPipe(), nullptr);
    EXPECT_EQ(s.form().HintCounter(), 75);
    EXPECT_NE(s.form().HintPipe()->Sound & s.form().Crane().Held()->Word().Flags, 0);
    // It runs out after 75 frames, and its arrow is gone from the scene.
    for (int i = 0; i < 76; ++i)
        s.form().FrameUpdate();
    EXPECT_EQ(s.form().HintPipe(), nullptr);
}

TEST(ConveyorScreenTest, ArrowKeysStepByTheModeAndLeftAndUpWin)
{
    for (const auto& [w, h, step] : {std::tuple{800, 600, 5}, std::tuple{1024, 768, 6}, std::tuple{1280, 960, 8}}) {
        ConveyorScreen s(w, h);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        CTasChwyt& crane = s.form().Crane();
        const int x = crane.X();
        s.Key(VK_RIGHT, true);
        s.Key(VK_LEFT, true);
        s.form().FrameUpdate();
        EXPECT_EQ(crane.X(), x + step) << w;
        EXPECT_EQ(s.form().FigurePose(), 1 * 3 + 0);
        s.Key(VK_LEFT, false);
        s.form().FrameUpdate();
        EXPECT_EQ(crane.X(), x) << w;
        s.Key(VK_RIGHT, false);
        s.Key(VK_DOWN, true);
        s.Key(VK_UP, true);
        s.form().FrameUpdate();
        EXPECT_EQ(crane.S(), 0) << w;  // up won: the magnet began to turn
        EXPECT_EQ(s.form().FigurePose(), 1 * 3 + 1);
    }
}

TEST(ConveyorScreenTest, HoldingAKeyFortyFramesParksThePointerOnce)
{
    ConveyorScreen s(1024, 768);
    if (!s.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    s.App().SetCursorPos(500, 500);
    s.Key(VK_LEFT, true);
    for (int i = 0; i < 39; ++i)
        s.form().FrameUpdate();
    EXPECT_EQ(s.App().CursorPos(), (TPoint{500, 500}));
    s.form().FrameUpdate();
    const TPoint corner = s.form().pbGame.ClientToScreen({0, 0});
    EXPECT_EQ(s.App().CursorPos(), corner);
    // The child takes the mouse: the pointer stays where it is put, and the
    // count starts again.
    s.form().OnMouseMove(0, 300, 300);
    s.App().SetCursorPos(300, 300);
    for (int i = 0; i < 39; ++i)
        s.form().FrameUpdate();
    EXPECT_EQ(s.App().CursorPos(), (TPoint{300, 300}));
    s.form().FrameUpdate();
    EXPECT_EQ(s.App().CursorPos(), corner);
}

namespace {

std::filesystem::path ShotsDir(const TempDir& fallback)
{
    const char* dir = std::getenv("SZ_SHOTS_DIR");
    if (dir == nullptr || *dir == '\0')
        return fallback.Path();
    std::filesystem::create_directories(dir);
    return dir;
}

void FrameAndShow(ConveyorScreen& s, int n = 1)
{
    for (int i = 0; i < n; ++i) {
        s.form().FrameUpdate();
        s.form().FramePresent();
        // Only the changed rectangles were shown: they must leave the screen
        // as a full redraw of the back buffer would.
        ASSERT_TRUE(SameArea(s.App().Screen(), s.form().pbGame.BoundsRect(), s.form().BackBuffer(), 0, 0));
    }
}

}  // namespace

namespace {

bool SamePictures(const Bitmap& a, const Bitmap& b, TRect r)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return false;
    return true;
}

}  // namespace

TEST(ConveyorScreenTest, ArrowsHintMagnetWrongAndRightPipeInEveryMode)
{
    const TempDir fallback;
    const std::filesystem::path out = ShotsDir(fallback);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        SCOPED_TRACE(size);
        ConveyorScreen s(w, h, GL_SZ | GL_S | GL_C, 2);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        auto shot = [&](const char* what) {
            EXPECT_TRUE(s.App().SaveScreenshot(out / ("conveyor_" + std::string(what) + "_" + size + ".png")));
        };
        s.App().ProcessPendingWork();
        // The first game of the run: the arrows below the belt glow in turn.
        FrameAndShow(s, 12);
        EXPECT_TRUE(s.form().Arrows().HintRunning());
        EXPECT_FALSE(s.form().EffectsArea().Intersect(s.form().Arrows().ButtonRect(ArrowPad::kLeft)).IsEmpty());
        shot("start");
        FrameAndShow(s, 300);
        EXPECT_FALSE(s.form().Arrows().HintRunning());
        s.PickACan();
        ASSERT_NE(s.form().Crane().Held(), nullptr);
        FrameAndShow(s, 2);
        // The can hangs under the magnet's face, centred on it.
        const CTasChwyt& crane = s.form().Crane();
        const int cx = crane.MagnetCentreX();
        EXPECT_NE(s.form().BackBuffer().GetPixel(cx, crane.MagnetLine() + 10),
                  s.form().Background().GetPixel(cx, crane.MagnetLine() + 10));
        shot("magnet");

        // The hint: the arrow blinks under the pipe of the can's sound.
        s.form().actPomoc.Execute();
        ASSERT_NE(s.form().HintPipe(), nullptr);
        do
            FrameAndShow(s);
        while ((s.form().HintCounter() / 5) % 2 == 0);
        const CTasRury::CRura& pipe = *s.form().HintPipe();
        const int arrowTop = s.form().Pipes().Line() + Display().ConvertFromMode(16, 20);
        const int arrowMiddle = arrowTop + s.form().Arrow().Colour->Height() / 2;
        EXPECT_NE(s.form().BackBuffer().GetPixel(pipe.Centre(), arrowMiddle),
                  s.form().Background().GetPixel(pipe.Centre(), arrowMiddle));
        shot("hint");

        // Into another sound's pipe: refused, the can blushes.
        const CTasRury::CRura* wrong = nullptr;
        for (int i = 0; i < 4 && wrong == nullptr; ++i)
            if ((s.form().Pipes().Pipe(i).Sound & crane.Held()->Word().Flags) == 0)
                wrong = &s.form().Pipes().Pipe(i);
        ASSERT_NE(wrong, nullptr);
        s.MoveUnder(wrong->Centre());
        s.HoldUntil(VK_UP, [] { return StatRec->Wrong == 1; });
        FrameAndShow(s, 3);
        const TRect can = crane.HeldCanRect();
        const TPoint middle{(can.left + can.right) / 2, (can.top + can.bottom) / 2};
        EXPECT_NE(s.form().BackBuffer().GetPixel(middle.x, middle.y),
                  crane.Held()->Picture().GetPixel(middle.x - can.left, middle.y - can.top));
        shot("wrong");

        // Out again, under the right pipe and up until it swallows the can:
        // stars burst from its mouth, and leave the scene as it was.
        s.HoldUntil(VK_DOWN, [&] { return crane.TargetPipe() == nullptr && crane.S() == 1; });
        s.MoveUnder(pipe.Centre());
        s.HoldUntil(VK_UP, [] { return StatRec->Correct == 1; });
        FrameAndShow(s, 4);
        const TRect stars = s.form().EffectsArea();
        ASSERT_FALSE(stars.IsEmpty());
        const Bitmap during = s.form().BackBuffer();
        shot("right");
        FrameAndShow(s, StarBurst::kFrames);
        // (The blinking arrow of the hint is not part of the scene: it ends first.)
        while (s.form().HintPipe() != nullptr)
            FrameAndShow(s);
        const Bitmap after = s.form().BackBuffer();
        // Over the pipes' plates, where nothing else moves, the stars were.
        EXPECT_FALSE(SamePictures(during, after, stars.Intersect({0, 0, w, s.form().Pipes().Line()})));
        s.form().Recompose();
        EXPECT_TRUE(SamePictures(after, s.form().BackBuffer(), after.Bounds()));
    }
}

TEST(ConveyorScreenTest, AStandingCraneIsNotShownAgainYetEveryFrameIsWhatAFullRedrawDraws)
{
    ConveyorScreen s(1024, 768);
    if (!s.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    TFormTasmociag& f = s.form();
    FrameAndShow(s, 120);
    ASSERT_FALSE(f.Arrows().HintRunning());
    // Over the running belt only the cans change: the crane's rail strip,
    // the widest thing on the scene, is not shown again.
    const TRect rail = f.Crane().RailRect();
    ASSERT_FALSE(rail.IsEmpty());
    for (int k = 0; k < 10; ++k) {
        ASSERT_TRUE(f.FrameUpdate());
        EXPECT_FALSE(f.FrameChanges().empty());
        for (const TRect& r : f.FrameChanges())
            EXPECT_TRUE(r.Intersect(rail).IsEmpty()) << k;
        f.FramePresent();
    }
    // The magnet down among the passing cans, a can taken and turned up:
    // each frame leaves the scene as drawing it anew would, and the screen
    // showing it.
    const auto redrawn = [&f] {
        const Bitmap now = f.BackBuffer();
        f.Recompose();
        return now == f.BackBuffer();
    };
    for (int key : {VK_DOWN, VK_LEFT, VK_UP}) {
        s.Key(key, true);
        for (int k = 0; k < 150; ++k) {
            FrameAndShow(s);
            ASSERT_TRUE(redrawn()) << key << " frame " << k;
        }
        s.Key(key, false);
    }
    EXPECT_NE(f.Crane().Held(), nullptr);
}

TEST(ConveyorScreenTest, TheGeneratedPicturesFitTheGeometryOfEveryMode)
{
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ConveyorScreen s(w, h);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        CTasChwyt& crane = s.form().Crane();
        EXPECT_GT(crane.MaxDown(), 0);
        EXPECT_GT(crane.MaxUp(), 0);
        // Every piece of the crane, wherever it goes, stays inside the areas
        // shown each frame and off the operator.
        const TRect upper = s.form().UpperArea(), band = s.form().BeltBand();
        const TRect figure = RectXYWH(s.form().FigurePosition().x, s.form().FigurePosition().y,
                                      s.form().Background().Width() / 5, s.form().Background().Height() / 4);
        for (int x : {0, crane.MaxDistance()}) {
            crane.Reset(x);
            for (int frame = 0; frame < 80; ++frame) {
                Bitmap marked(s.form().Background().Width(), s.form().Background().Height());
                marked.Fill(clBlack);
                Bitmap white = marked;
                white.Fill(clWhite);
                crane.Draw(marked);
                crane.Erase(marked, white);
                for (int y = 0; y < marked.Height(); y += 2)
                    for (int px = 0; px < marked.Width(); px += 2)
                        if (marked.GetPixel(px, y) == clWhite) {
                            const bool shown = (px >= upper.left && y >= upper.top && y < upper.bottom) ||
                                               (y >= band.top && y < band.bottom);
                            ASSERT_TRUE(shown) << px << "," << y << " frame " << frame;
                            ASSERT_FALSE(px < figure.right && y >= figure.top && y < figure.bottom && px >= figure.left)
                                << px << "," << y;
                        }
                crane.Up(6);
            }
        }
    }
}

TEST(ConveyorScreenTest, ARightClickZoomsTheCanUnderThePointerOnly)
{
    ConveyorScreen s(1024, 768);
    if (!s.Ready())
        GTEST_SKIP() << "no generated data tree beside the program";
    for (int i = 0; i < 400; ++i)
        s.form().FrameUpdate();
    const CTasTasma& belt = s.form().Belt();
    int visible = -1;
    for (int i = 0; i < belt.Count(); ++i)
        if (belt.ScreenX(i) > 0 && belt.ScreenX(i) < 800)
            visible = i;
    ASSERT_GE(visible, 0);
    const TRect r = belt.CanRect(visible);
    CZoom& zoom = FormPociag->Zoom();
    // Beside the cans, or with the left button: no zoom.
    s.form().pbGame.OnMouseDown(TMouseButton::mbRight, 0, r.left - 5, r.top - 40);
    s.form().pbGame.OnMouseDown(TMouseButton::mbLeft, 0, r.left + 10, r.top + 10);
    EXPECT_TRUE(zoom.Word().Key.empty());
    s.form().pbGame.OnMouseDown(TMouseButton::mbRight, 0, r.left + 10, r.top + 10);
    EXPECT_EQ(zoom.Word().Key, belt.Can(visible).Word().Key);
    // Where the zoom was, the screen shows the scene again.
    EXPECT_EQ(s.form().BackBuffer().GetPixel(r.left + 10, r.top + 10),
              s.App().Screen().GetPixel(s.form().pbGame.ClientToScreen({r.left + 10, r.top + 10}).x,
                                        s.form().pbGame.ClientToScreen({r.left + 10, r.top + 10}).y));
}

TEST(ConveyorScreenTest, TheArrowPadAndItsWholeGlowStayOnTheFloorUnderTheRollersInEveryMode)
{
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ConveyorScreen s(w, h);
        if (!s.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        s.App().ProcessPendingWork();
        const TFormTasmociag& f = s.form();
        const TRect area = f.Background().Bounds(), rollers = f.RollerStrip();
        // Inside the area, off the rollers, the cans' band and where the
        // crane and its cans go.
        auto clear = [&](TRect r) {
            EXPECT_EQ(r.Intersect(area), r);
            for (const TRect& used : {rollers, f.BeltBand(), f.UpperArea()})
                EXPECT_TRUE(r.Intersect(used).IsEmpty()) << r.left << "," << r.top;
        };
        for (int a = 0; a < ArrowPad::kArrowCount; ++a)
            clear(f.Arrows().ButtonRect(static_cast<ArrowPad::Arrow>(a)));
        // The hint played frame by frame: every arrow's glow is drawn whole
        // (what a frame erased of the one before may lie beside it), and the
        // rollers stay as the background has them.
        std::set<int> glowed;
        while (f.Arrows().HintRunning()) {
            FrameAndShow(s);
            for (int a = 0; a < ArrowPad::kArrowCount; ++a) {
                const TRect glow = f.Arrows().GlowRect(static_cast<ArrowPad::Arrow>(a));
                if (f.EffectsArea().Intersect(glow) == glow) {
                    glowed.insert(a);
                    clear(glow);
                }
            }
            ASSERT_TRUE(SamePictures(f.BackBuffer(), f.Background(), rollers));
        }
        EXPECT_EQ(glowed.size(), 4u);
    }
}
