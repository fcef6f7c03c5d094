// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "controls/CZoom.h"
#include "core/CBlad.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "games/train/CPocRegal.h"
#include "games/train/CPocWagon.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "platform/Random.h"
#include "screens/FormKoniecGry.h"
#include "tests/games/train/TrainTestSupport.h"

namespace {

constexpr int32_t kSounds = GL_S | GL_SZ | GL_CZ;

// The train screen over a main form, with a game started.
struct TrainGame {
    TrainGame(int poziom, const std::string& script = {}, int32_t sounds = kSounds, bool words = true,
              int width = 800, int height = 600)
        : rig(width, height, sounds, poziom, script, words), main(rig.App(), "FormMain", width, height),
          form(rig.App())
    {
        main.Show();
    }

    void Start()
    {
        ASSERT_TRUE(form.EnoughWords());
        form.Show();
    }

    int64_t Now() { return TheClock().Milliseconds(); }
    void Step(int n) { rig.Step(n); }
    int H() const { return form.PictureHeight(); }
    int W() const { return form.PictureWidth(); }

    // The centre of wagon i's picture, where the child takes it.
    TPoint Grip(int i) const
    {
        const CPocWagon& w = form.Wagon(i);
        return {w.X() + W() / 2, w.Y() + H() / 2};
    }
    // A press on wagon i, a lift clear of it, a carry to the point and a release there.
    void Drag(int i, TPoint to)
    {
        const TPoint g = Grip(i);
        form.pbGame.OnMouseDown(TMouseButton::mbLeft, ssLeft, g.x, g.y);
        form.pbGame.OnMouseMove(ssLeft, g.x, form.Wagon(i).Clearance() - H() + H() / 2 - 5);
        form.pbGame.OnMouseMove(ssLeft, to.x, to.y);
        form.pbGame.OnMouseUp(TMouseButton::mbLeft, 0, to.x, to.y);
    }
    const CPocPudlo* RightBox(int i) const
    {
        return form.Regal().BoxForSound(form.Wagon(i).Top()->Flags & GL_WSZYSTKIE);
    }
    const CPocPudlo* WrongBox(int i) const
    {
        for (int k = 0; k < CPocRegal::kBoxCount; ++k) {
            const CPocPudlo& box = form.Regal().Box(k);
            if (box.Active && box.Key != (form.Wagon(i).Top()->Flags & GL_WSZYSTKIE))
                return &box;
        }
        return nullptr;
    }
    int Played(const std::string& prefix) const
    {
        int n = 0;
        // Only the feedback recordings of Data\Intf\Smd: a word's own recording
        // may begin with the same letter.
        for (const auto& file : const_cast<TrainRig&>(rig).Sounds().played)
            n += file.parent_path().parent_path().filename() == "Intf" &&
                         file.filename().string().rfind(prefix, 0) == 0
                     ? 1
                     : 0;
        return n;
    }
    // True when the window shows the scene at the rectangle of the paint box.
    bool ScreenShowsBackBuffer(TRect r)
    {
        return SameArea(form.Pixels(), r.Offset(form.pbGame.Left(), form.pbGame.Top()), form.BackBuffer(), r.left,
                        r.top);
    }

    TrainRig rig;
    PlainForm main;
    TFormPociag form;
};

std::string Bytes(const std::string& file, std::size_t offset, std::size_t count)
{
    return file.substr(offset, count);
}

template <class T>
void Put(std::string& out, T value)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));  // the machine is little-endian, as the file is
    out.append(bytes, sizeof(T));
}

}  // namespace

TEST(FormPociag, DealsThePicturesToTheFourWagonsInTurn)
{
    TrainGame g(1, {}, kSounds, false);
    for (const auto& [poziom, count] : {std::pair{1, 8}, std::pair{2, 16}, std::pair{3, 24}}) {
        UstPociag.Poziom = static_cast<int16_t>(poziom);
        ASSERT_TRUE(g.form.EnoughWords());
        EXPECT_EQ(g.form.RequiredCount(), count);
        g.form.actNowaGra.Execute();
        const auto& exercise = g.rig.Catalogue().Exercise();
        ASSERT_EQ(static_cast<int>(exercise.size()), count);
        for (int i = 0; i < 4; ++i) {
            const CPocWagon& w = g.form.Wagon(i);
            ASSERT_EQ(w.Count(), count / 4);
            for (int k = 0; k < w.Count(); ++k)
                EXPECT_EQ(w.Words()[static_cast<std::size_t>(k)], exercise[static_cast<std::size_t>(4 * k + i)]);
            EXPECT_EQ(w.Top(), exercise[static_cast<std::size_t>(count - 4 + i)]);
            // Every picture is framed at the frame picture's size.
            EXPECT_EQ(w.Top()->Picture->Width(), g.W());
        }
        EXPECT_TRUE(g.form.Running());
        EXPECT_EQ(g.form.SortedCount(), 0);
        EXPECT_EQ(g.rig.Stats().GameId, 1);
    }
    EXPECT_EQ(TFormPociag::WordsForLevel(0), 0);
    EXPECT_EQ(TFormPociag::WordsForLevel(4), 0);
    // Three practised sounds, three boxes.
    int active = 0;
    for (int k = 0; k < CPocRegal::kBoxCount; ++k)
        active += g.form.Regal().Box(k).Active ? 1 : 0;
    EXPECT_EQ(active, 3);
}

TEST(FormPociag, TooFewWordsForTheAmount)
{
    // One sound at the final position only cannot fill 24 pictures.
    TrainRig rig(800, 600, GL_DZZZ, 3, {}, false, 0x4000);
    PlainForm main(rig.App(), "FormMain", 800, 600);
    TFormPociag form(rig.App());
    EXPECT_FALSE(form.EnoughWords());
}

TEST(FormPociag, ARightDropPlaysTheWordPraisesAndClosesThePicture)
{
    TrainGame g(1);
    g.Start();
    const CSlowa::SPaczka* word = g.form.Wagon(0).Top();
    const CPocPudlo* box = g.RightBox(0);
    ASSERT_NE(box, nullptr);
    const int64_t start = g.Now();
    const Bitmap before = g.form.BackBuffer();
    g.Drag(0, box->LabelPoint());
    EXPECT_EQ(g.rig.Stats().Correct, 1);
    EXPECT_EQ(g.rig.Stats().Wrong, 0);
    EXPECT_EQ(g.form.SortedCount(), 1);
    EXPECT_EQ(g.form.Wagon(0).Count(), 1);
    EXPECT_NE(g.form.Wagon(0).Top(), word);
    EXPECT_EQ(g.form.DraggedWord(), nullptr);
    EXPECT_EQ(g.form.CurrentWagon(), nullptr);
    ASSERT_GE(g.rig.Sounds().played.size(), 2u);
    EXPECT_EQ(g.rig.Sounds().played[0].filename().string(), word->Key + ".pw");
    EXPECT_EQ(g.Played("g"), 1);
    // The recording (300 ms) to its end, then the blind closes in 20 steps
    // of 20 ms, then the stars burst from the box.
    EXPECT_EQ(g.Now() - start, 300 + 20 * 20 + StarBurst::kFrames * StarBurst::kFrameMs);
    // Where the picture was and the stars flew, the scene is back, on the
    // screen and in the back buffer as it was.
    const TPoint at = g.form.DragPosition();
    EXPECT_TRUE(g.ScreenShowsBackBuffer(RectXYWH(at.x, at.y, g.W(), g.H())));
    const TPoint label = box->LabelPoint();
    const TRect stars = RectXYWH(label.x - g.W(), label.y - g.H(), 2 * g.W(), 2 * g.H()).Intersect(before.Bounds());
    EXPECT_TRUE(g.ScreenShowsBackBuffer(stars));
    EXPECT_TRUE(SameArea(g.form.BackBuffer(), stars, before, stars.left, stars.top));
    EXPECT_TRUE(g.form.Running());
}

TEST(FormPociag, AWrongDropReproachesAndTheWordGlidesBack)
{
    TrainGame g(1);
    g.Start();
    const CSlowa::SPaczka* word = g.form.Wagon(1).Top();
    const CPocPudlo* box = g.WrongBox(1);
    ASSERT_NE(box, nullptr);
    const int64_t start = g.Now();
    g.Drag(1, box->LabelPoint());
    EXPECT_EQ(g.rig.Stats().Wrong, 1);
    EXPECT_EQ(g.rig.Stats().Correct, 0);
    EXPECT_EQ(g.form.SortedCount(), 0);
    EXPECT_EQ(g.form.Wagon(1).Top(), word);
    EXPECT_EQ(g.form.Wagon(1).Count(), 2);
    EXPECT_EQ(g.Played("b"), 1);
    EXPECT_EQ(g.Played("g"), 0);
    // A shake, then over to the wagon and down into it: two glides of 6
    // steps, 50 ms apart.
    EXPECT_EQ(g.Now() - start, kShakeSteps * kShakeStepMs + 12 * 50);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{g.form.Wagon(1).X(), g.form.Wagon(1).Y()}));
    EXPECT_EQ(g.form.GrabbedWagon(), nullptr);
    EXPECT_EQ(g.form.CurrentWagon(), &g.form.Wagon(1));
    // The wagon shows its picture again, in the scene and on the screen.
    const CPocWagon& w = g.form.Wagon(1);
    const int inX = w.X() + g.W() / 2, inY = w.Y() + g.H() / 2;
    EXPECT_EQ(g.form.BackBuffer().GetPixel(inX, inY), word->Picture->GetPixel(g.W() / 2, g.H() / 2));
    EXPECT_TRUE(g.ScreenShowsBackBuffer(w.Rect()));
}

TEST(FormPociag, ADropBetweenBoxesGlidesBackAndCountsNothing)
{
    TrainGame g(1);
    g.Start();
    // Above the wagons, away from every box.
    const TPoint gap{400, 40};
    ASSERT_EQ(g.form.Regal().BoxAt(gap.x, gap.y), nullptr);
    g.Drag(2, gap);
    EXPECT_EQ(g.rig.Stats().Wrong, 0);
    EXPECT_EQ(g.rig.Stats().Correct, 0);
    EXPECT_EQ(g.form.Wagon(2).Count(), 2);
    EXPECT_TRUE(g.rig.Sounds().played.empty());
    EXPECT_EQ(g.form.DragPosition(), (TPoint{g.form.Wagon(2).X(), g.form.Wagon(2).Y()}));
}

TEST(FormPociag, AReleaseInsideTheWagonGlidesStraightDown)
{
    TrainGame g(1);
    g.Start();
    const TPoint grip = g.Grip(3);
    const CPocWagon& w = g.form.Wagon(3);
    g.form.pbGame.OnMouseDown(TMouseButton::mbLeft, ssLeft, grip.x, grip.y);
    EXPECT_EQ(g.form.GrabbedWagon(), &w);
    EXPECT_EQ(g.form.CurrentWagon(), &w);
    // Lifted a little and pulled aside: it stays on its column, still in the wagon.
    g.form.pbGame.OnMouseMove(ssLeft, grip.x + 6, grip.y - 12);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{w.X(), w.Y() - 12}));
    EXPECT_FALSE(g.form.PictureReleased());
    // Pushing it below its resting place is refused.
    g.form.pbGame.OnMouseMove(ssLeft, grip.x, grip.y + 30);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{w.X(), w.Y() - 12}));
    const int64_t start = g.Now();
    g.form.pbGame.OnMouseUp(TMouseButton::mbLeft, 0, grip.x, grip.y - 12);
    EXPECT_EQ(g.Now() - start, 6 * 50);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{w.X(), w.Y()}));
    EXPECT_EQ(g.rig.Stats().Wrong + g.rig.Stats().Correct, 0);
    EXPECT_EQ(w.Count(), 2);
    EXPECT_TRUE(g.ScreenShowsBackBuffer(w.Rect()));
}

TEST(FormPociag, ADragGoesOnOverTheBlackBorder)
{
    // 900 x 700: the 800 x 600 design area sits 50 pixels in from every edge.
    const TPoint press{50 + 229 + 62, 50 + 401 + 50};
    std::ostringstream script;
    script << "press " << press.x << " " << press.y << " left\n"
           << "move " << press.x << " " << press.y - 140 << "\n"
           << "move 10 " << press.y - 300 << "\n"
           << "release 10 " << press.y - 300 << " left\n";
    TrainGame g(1, script.str(), kSounds, true, 900, 700);
    g.Start();
    g.rig.App().ProcessPendingWork();
    EXPECT_EQ(g.form.pbGame.BoundsRect(), (TRect{50, 50, 850, 650}));
    EXPECT_EQ(g.form.Pixels().GetPixel(10, 10), clBlack);
    EXPECT_EQ(g.form.Pixels().GetPixel(880, 400), clBlack);
    EXPECT_NE(g.form.Pixels().GetPixel(60, 60), clBlack);

    const CPocWagon& w = g.form.Wagon(0);
    g.Step(1);
    ASSERT_EQ(g.form.GrabbedWagon(), &w);
    const TPoint grab{press.x - 50 - w.X(), press.y - 50 - w.Y()};
    // Confined in screen pixels: the press column, then the band above the line.
    EXPECT_EQ(g.rig.App().GetClipCursor(), (TRect{press.x, 0, press.x + 1, press.y + 1}));
    g.Step(1);
    EXPECT_TRUE(g.form.PictureReleased());
    EXPECT_EQ(g.rig.App().GetClipCursor(), (TRect{0, 0, 900, 50 + w.Clearance() - g.H() + grab.y + 1}));
    // Over the border the picture still follows the pointer, half out of the design area.
    g.Step(1);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{10 - 50 - grab.x, press.y - 300 - 50 - grab.y}));
    g.Step(1);
    EXPECT_EQ(g.form.DraggedWord(), nullptr);
    EXPECT_EQ(g.form.DragPosition(), (TPoint{w.X(), w.Y()}));
    EXPECT_EQ(g.rig.Stats().Wrong + g.rig.Stats().Correct, 0);
}

TEST(FormPociag, PointerIsAHandOverAWagonWithAPicture)
{
    TrainGame g(1);
    g.Start();
    const TPoint grip = g.Grip(0);
    g.form.pbGame.OnMouseMove(0, grip.x, grip.y);
    EXPECT_EQ(g.form.pbGame.Cursor, crHand);
    g.form.pbGame.OnMouseMove(0, 5, 5);
    EXPECT_EQ(g.form.pbGame.Cursor, crDefault);
    // Empty the wagon: no hand over it any more.
    for (int k = 0; k < 2; ++k)
        g.Drag(0, g.RightBox(0)->LabelPoint());
    EXPECT_EQ(g.form.Wagon(0).Count(), 0);
    g.form.pbGame.OnMouseMove(0, grip.x, grip.y);
    EXPECT_EQ(g.form.pbGame.Cursor, crDefault);
    g.form.pbGame.OnMouseDown(TMouseButton::mbLeft, ssLeft, grip.x, grip.y);
    EXPECT_EQ(g.form.DraggedWord(), nullptr);
    g.form.pbGame.OnMouseUp(TMouseButton::mbLeft, 0, grip.x, grip.y);
}

TEST(FormPociag, HintsBlinkAndAreRefusedForHalfASecond)
{
    TrainGame g(1);
    g.Start();
    ASSERT_EQ(g.form.CurrentWagon(), nullptr);
    int64_t start = g.Now();
    g.form.actPomoc.Execute();
    EXPECT_EQ(g.rig.Stats().Hints, 1);
    // Two blinks of two 200 ms halves on the wagon and on the box, a second's rest.
    EXPECT_EQ(g.Now() - start, 2 * 4 * 200 + 1000);
    EXPECT_FALSE(g.form.Highlight().Cache);
    EXPECT_TRUE(g.ScreenShowsBackBuffer(RectXYWH(0, 0, 800, 300)));
    // At once again: refused, but it counts as activity (the idle watch
    // would otherwise run out two minutes after the first hint began).
    start = g.Now();
    g.form.actPomoc.Execute();
    EXPECT_EQ(g.rig.Stats().Hints, 1);
    EXPECT_EQ(g.Now(), start);
    TheClock().Sleep(CStatRec::kIdleMs - 1000);
    FireDueTimers();
    EXPECT_TRUE(g.rig.Stats().Active);
    g.form.actPomoc.Execute();
    EXPECT_EQ(g.rig.Stats().Hints, 2);
}

TEST(FormPociag, StopWithPicturesLeftCountsThemWrongAndSavesIncomplete)
{
    TrainGame g(1);
    g.Start();
    for (int i = 0; i < 3; ++i)
        g.Drag(i, g.RightBox(i)->LabelPoint());
    const auto before = std::filesystem::file_size(g.rig.Dir().Path() / "prgst6.stt");
    g.form.actStop.Execute();
    EXPECT_FALSE(g.form.Running());
    EXPECT_EQ(g.rig.Stats().Correct, 3);
    EXPECT_EQ(g.rig.Stats().Wrong, 5);
    const std::string file = g.rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), before + CStatRec::kRecordSize);
    int16_t completed = -1;
    std::memcpy(&completed, file.data() + before + 30, 2);
    EXPECT_EQ(completed, 0);
    // Without a summary the game goes straight back to the menu.
    EXPECT_FALSE(g.form.Visible());
}

TEST(FormPociag, ARightClickOnAWagonShowsItsWordLarge)
{
    TrainGame g(1);
    g.Start();
    const TPoint grip = g.Grip(2);
    const CSlowa::SPaczka* word = g.form.Wagon(2).Top();
    const int64_t start = g.Now();
    g.form.pbGame.OnMouseDown(TMouseButton::mbRight, ssRight, grip.x, grip.y);
    EXPECT_EQ(g.form.Zoom().Word().Key, word->Key);
    EXPECT_EQ(g.Now() - start, 300 + 400);
    ASSERT_EQ(g.rig.Sounds().played.size(), 1u);
    EXPECT_EQ(g.rig.Sounds().played[0].filename().string(), word->Key + ".pw");
    // Near the bottom-right wagon the zoom kept inside the paint box, and is gone again.
    const TRect r = g.form.Zoom().Rect();
    EXPECT_LE(r.bottom, 600);
    EXPECT_TRUE(g.ScreenShowsBackBuffer(r));
    EXPECT_EQ(g.form.DraggedWord(), nullptr);
    EXPECT_EQ(g.rig.Stats().Correct + g.rig.Stats().Wrong, 0);
}

TEST(FormPociag, AWholeGamePlayedWithTheMouseEndsInACompleteRecord)
{
    constexpr uint64_t kSeed = 4242;
    std::ostringstream script;
    int summaryStopX = 0, summaryStopY = 0;
    {
        // A first run with the same seed tells where every picture goes.
        TrainGame dry(1);
        TFormKoniecGry summary(dry.rig.App(), dry.rig.Stats());
        SeedRandom(kSeed);
        dry.Start();
        const int rounds = dry.form.Wagon(0).Count();
        for (int r = 0; r < rounds; ++r)
            for (int i = 0; i < 4; ++i) {
                const CPocWagon& w = dry.form.Wagon(i);
                const CSlowa::SPaczka* word = w.Words()[static_cast<std::size_t>(rounds - 1 - r)];
                const TPoint grip = OnScreen(dry.form, dry.Grip(i));
                const TPoint clear =
                    OnScreen(dry.form, {dry.Grip(i).x, w.Clearance() - dry.H() + dry.H() / 2 - 5});
                const CPocPudlo* box = dry.form.Regal().BoxForSound(word->Flags & GL_WSZYSTKIE);
                ASSERT_NE(box, nullptr);
                const TPoint label = OnScreen(dry.form, box->LabelPoint());
                script << "press " << grip.x << " " << grip.y << " left\n"
                       << "move " << clear.x << " " << clear.y << "\n"
                       << "move " << label.x << " " << label.y << "\n"
                       << "release " << label.x << " " << label.y << " left\n";
            }
        summaryStopX = summary.Left() + 325 + 30;
        summaryStopY = summary.Top() + 340 + 20;
    }
    script << "expect form FormKoniecGry\n"
           << "click " << summaryStopX << " " << summaryStopY << " left\n"
           << "expect form FormMain\n";

    TrainGame g(1, script.str());
    TFormKoniecGry summary(g.rig.App(), g.rig.Stats());
    SeedRandom(kSeed);
    ASSERT_TRUE(g.form.EnoughWords());
    const SystemTime started = TheClock().UniversalTime();
    const int64_t startMs = g.Now();
    EXPECT_EQ(g.form.ShowGame(), mrCancel);  // closed from the summary
    const int64_t endMs = g.Now();
    EXPECT_EQ(g.rig.App().ExitCode(), 0);
    EXPECT_FALSE(g.form.Visible());
    EXPECT_EQ(g.form.SortedCount(), 8);
    EXPECT_EQ(g.rig.Stats().Correct, 8);
    EXPECT_EQ(g.rig.Stats().Wrong, 0);
    EXPECT_EQ(g.Played("g"), 8);

    std::string expected;
    Put<int32_t>(expected, 1);
    for (uint16_t v : {started.year, started.month, started.dayOfWeek, started.day, started.hour, started.minute,
                       started.second, started.milliseconds})
        Put<uint16_t>(expected, v);
    Put<int16_t>(expected, 1);
    Put<int16_t>(expected, static_cast<int16_t>(kSounds));
    Put<int16_t>(expected, 0x7000);
    Put<int32_t>(expected, static_cast<int32_t>((endMs - startMs) / 1000));
    Put<int16_t>(expected, 1);
    Put<int32_t>(expected, 0);
    Put<int32_t>(expected, 8);
    Put<int32_t>(expected, 0);
    const std::string file = g.rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), CStatRec::kHeaderSize + CStatRec::kRecordSize);
    EXPECT_EQ(Bytes(file, CStatRec::kHeaderSize, CStatRec::kRecordSize), expected);
    // Eight words of 300 ms and eight closings of 400 ms: more than five seconds.
    EXPECT_GE(endMs - startMs, 8 * 700);
}

TEST(FormPociag, AMissingPictureStopsConstructionWithErrorOne)
{
    for (const char* missing : {"Data/Intf/Spec/R2_poc_sz3W.xji", "Data/Intf/Spec/R2_poc_ramp.xbi",
                                "Data/Intf/Spec/R2_poc_regp32.xji", "Data/Intf/Spec/R2_ZoomExObrM.xji",
                                "RESOURCE/pomoc_A.bmp"}) {
        SCOPED_TRACE(missing);
        TrainRig rig(800, 600, kSounds, 1, {}, false);
        PlainForm main(rig.App(), "FormMain", 800, 600);
        std::filesystem::remove(rig.Dir().Path() / missing);
        try {
            TFormPociag form(rig.App());
            ADD_FAILURE() << "made without the picture";
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1);
        }
        EXPECT_EQ(FormPociag, nullptr);
        EXPECT_EQ(GameScreenFor(1), nullptr);
    }
    // The background and the zoom frame are not required.
    TrainRig rig(800, 600, kSounds, 1, {}, false);
    PlainForm main(rig.App(), "FormMain", 800, 600);
    std::filesystem::remove(rig.Dir().Path() / "Data/Intf/Spec/R2_Tpociag.xji");
    std::filesystem::remove(rig.Dir().Path() / "Data/Intf/Spec/R2_ZoomExB.xji");
    TFormPociag form(rig.App());
    EXPECT_EQ(GameScreenFor(1), &form);
    EXPECT_EQ(FormPociag, &form);
}

TEST(FormPociag, TheDriverChangesEveryTwoSecondsWhileTheGameIsShown)
{
    TrainGame g(1, {}, kSounds, false);
    EXPECT_FALSE(g.form.timGad.Enabled());
    g.Start();
    EXPECT_TRUE(g.form.timGad.Enabled());
    EXPECT_EQ(g.form.timGad.Interval(), 2000);
    const TPoint at = OnScreen(g.form, g.form.FigurePosition());
    for (int k = 0; k < 4; ++k) {
        TheClock().Sleep(2000);
        FireDueTimers();
        // The test frames differ in their red: 40 per frame.
        const TColor shown = g.form.Pixels().GetPixel(at.x + 5, at.y + 5);
        EXPECT_TRUE(Near(shown, RGB(40 * g.form.FigureFrame(), 160, 90), 8)) << k;
    }
    g.form.Close();
    EXPECT_FALSE(g.form.timGad.Enabled());
    EXPECT_TRUE(g.rig.Catalogue().Exercise().empty()) << "the pictures are released with the window";
}
