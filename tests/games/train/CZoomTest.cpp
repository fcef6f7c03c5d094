// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "controls/CZoom.h"
#include "graphics/Jpeg.h"
#include "platform/Canvas.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/games/train/TrainTestSupport.h"

namespace {

struct ZoomRig {
    explicit ZoomRig(int width = 800, int height = 600)
        : scene(PatternBackground(width, height)), screen(width, height), canvas(screen, {}, screen.Bounds(), nullptr)
    {
        screen.CopyRect(screen.Bounds(), scene, scene.Bounds());
    }
    Bitmap scene;
    Bitmap screen;
    TCanvas canvas;
};

CZoom::SWord Word(const std::string& key, const std::string& alias = {}) { return {key, alias}; }

}  // namespace

TEST(CZoom, ModesFourAndSixteenShareTheLargeFrame)
{
    ProgramSandbox sandbox;
    WriteZoomData(sandbox.Dir(), "R2_", 2);
    WriteZoomData(sandbox.Dir(), "R3_", 4);
    ZoomRig r;
    const CZoom small(2, r.canvas, r.scene);
    EXPECT_EQ(small.Size(), (TRect{0, 0, 298, 224}));
    EXPECT_EQ(small.PictureOffset(), (TPoint{29, 22}));
    EXPECT_EQ(small.WindowMask().Width(), 240);
    for (int mode : {4, 16}) {
        const CZoom large(mode, r.canvas, r.scene);
        EXPECT_EQ(large.Size(), (TRect{0, 0, 396, 298}));
        EXPECT_EQ(large.PictureOffset(), (TPoint{38, 29}));
        EXPECT_EQ(large.WindowMask().Height(), 240);
    }
}

TEST(CZoom, ShowsCentredAndShiftsInsideTheClip)
{
    ProgramSandbox sandbox;
    WriteZoomData(sandbox.Dir(), "R2_", 2);
    ZoomRig r;
    CZoom zoom(2, r.canvas, r.scene);
    zoom.Show(300, 400, Word("nothing"));
    EXPECT_EQ(zoom.Rect(), (TRect{251, 188, 549, 412}));
    zoom.Hide();
    // Near the right edge it ends at the clip's right edge; near the bottom
    // at its bottom; near the top-left corner it starts at the corner.
    zoom.Show(300, 790, Word("nothing"));
    EXPECT_EQ(zoom.Rect(), (TRect{502, 188, 800, 412}));
    zoom.Hide();
    zoom.Show(595, 400, Word("nothing"));
    EXPECT_EQ(zoom.Rect(), (TRect{251, 376, 549, 600}));
    zoom.Hide();
    zoom.Show(3, 3, Word("nothing"));
    EXPECT_EQ(zoom.Rect(), (TRect{0, 0, 298, 224}));
    zoom.Hide();
    TCanvas offClip(r.screen, {}, {0, 0, 0, 0}, nullptr);
    zoom.Show(offClip, r.scene, 0, 790, Word("nothing"));
    EXPECT_EQ(zoom.Rect(), (TRect{641, -112, 939, 112})) << "no clip: no shift";
}

TEST(CZoom, DrawsTheFrameAndPictureAndHideRestoresExactly)
{
    ProgramSandbox sandbox;
    WriteZoomData(sandbox.Dir(), "R2_", 2);
    // A large picture of one colour for the word.
    Bitmap large(400, 300);
    large.Fill(RGB(20, 200, 40));
    sandbox.Dir().Write("Data/exio400j/zaba.xji", EncodeJpeg(large, 95));
    ZoomRig r;
    CZoom zoom(2, r.canvas, r.scene);
    zoom.Show(590, 780, Word("zaba"));
    const TRect rect = zoom.Rect();
    EXPECT_EQ(rect, (TRect{502, 376, 800, 600}));
    // Frame, picture in the window, the scene left as it was.
    EXPECT_TRUE(Near(r.screen.GetPixel(rect.left + 5, rect.top + 5), kZoomColour));
    EXPECT_TRUE(Near(r.screen.GetPixel(rect.left + 29 + 120, rect.top + 22 + 90), RGB(20, 200, 40), 12));
    // The window mask's dark margin lets the frame's transparent window show the scene.
    const int sx = rect.left + 29 + 1, sy = rect.top + 22 + 1;
    EXPECT_TRUE(Near(r.screen.GetPixel(sx, sy), r.scene.GetPixel(sx, sy), 12));
    EXPECT_TRUE(SameArea(r.scene, r.scene.Bounds(), PatternBackground(800, 600), 0, 0));
    EXPECT_EQ(zoom.Word().Key, "zaba");

    zoom.Hide();
    EXPECT_TRUE(SameArea(r.screen, r.screen.Bounds(), r.scene, 0, 0));
    EXPECT_FALSE(zoom.Frame().Cache);
}

TEST(CZoom, AMissingWordPictureShowsBlackAndAMissingFrameNothing)
{
    ProgramSandbox sandbox;
    WriteZoomData(sandbox.Dir(), "R2_", 2);
    ZoomRig r;
    {
        CZoom zoom(2, r.canvas, r.scene);
        zoom.Show(300, 400, Word("brak"));
        EXPECT_TRUE(Near(r.screen.GetPixel(400, 300), clBlack, 8));
        zoom.Hide();
    }
    std::filesystem::remove(sandbox.Root() / "Data/Intf/Spec/R2_ZoomExB.xji");
    CZoom empty(2, r.canvas, r.scene);
    EXPECT_EQ(empty.Size(), (TRect{}));
    empty.Show(300, 400, Word("brak"));
    EXPECT_TRUE(SameArea(r.screen, r.screen.Bounds(), r.scene, 0, 0));
    empty.Hide();
    // Without the window mask the zoom cannot be made.
    std::filesystem::remove(sandbox.Root() / "Data/Intf/Spec/R2_ZoomExObrM.xji");
    EXPECT_ANY_THROW(CZoom(2, r.canvas, r.scene));
}

TEST(CZoom, PlaysTheWordToItsEndThenPauses)
{
    ProgramSandbox sandbox;
    WriteZoomData(sandbox.Dir(), "R2_", 2);
    sandbox.Dir().Write("Data/Smd/zaba.pw", MakeWave(700));
    sandbox.Dir().Write("Data/Inne/zaba2.pw", MakeWave(250));
    auto player = std::make_unique<SilentSoundPlayer>();
    SilentSoundPlayer& sounds = *player;
    auto previous = InstallSoundPlayer(std::move(player));
    ZoomRig r;
    CZoom zoom(2, r.canvas, r.scene);

    zoom.Show(300, 400, Word("zaba"));
    int64_t start = sandbox.Clock().Milliseconds();
    zoom.PlayWord();
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].filename(), "zaba.pw");
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 700 + 400);

    // A word's own alias wins over its key.
    zoom.Show(300, 400, Word("zaba", "Data\\Inne\\zaba2.pw"));
    start = sandbox.Clock().Milliseconds();
    zoom.PlayWord();
    ASSERT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sounds.played[1].filename(), "zaba2.pw");
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 250 + 400);

    // No recording: only the pause.
    zoom.Show(300, 400, Word("brak"));
    start = sandbox.Clock().Milliseconds();
    zoom.PlayWord();
    EXPECT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sandbox.Clock().Milliseconds() - start, 400);
    InstallSoundPlayer(std::move(previous));
}
