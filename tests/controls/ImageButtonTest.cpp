// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/CPrzyciskC.h"
#include "controls/CPrzyciskP.h"
#include "controls/CPrzyciskW.h"
#include "core/CBlad.h"
#include "platform/Action.h"
#include "tests/controls/ControlsTestSupport.h"

namespace {

constexpr int kLeft = 50, kTop = 40, kW = 40, kH = 30;
// A point on the opaque part of the button and one on its transparent strip.
constexpr int kInX = kLeft + 20, kInY = kTop + 15;
constexpr int kClearX = kLeft + 2;

TColor Shown(TForm& form) { return form.Pixels().GetPixel(kInX, kInY); }

}  // namespace

TEST(CPrzyciskP, PressMoveOutAndReleaseOutsideDeliversNoClickThenAClickOverItRunsTheActionOnce)
{
    HeadlessRig rig(300, 200,
                    "move 70 55\npress 70 55\nmove 150 120\nrelease 150 120\nclick 70 55\nmove 250 150\n");
    WriteButtonPictures(rig.Dir(), "start", kW, kH);
    PlainForm form(rig.App(), "FormMain", 300, 200);
    int clicks = 0;
    TAction action("A_Start", [&] { ++clicks; });
    CPrzyciskP button(form, "start", form.Canvas(), form.Background, kLeft, kTop, &action);
    form.Show();
    EXPECT_EQ(button.BoundsRect(), RectXYWH(kLeft, kTop, kW, kH));
    EXPECT_EQ(Shown(form), kNormalColour);
    // The transparent strip shows the background, not the picture's white.
    EXPECT_EQ(form.Pixels().GetPixel(kClearX, kInY), form.Background.GetPixel(kClearX, kInY));

    rig.Step();  // move over
    EXPECT_EQ(button.State(), ButtonState::Hover);
    EXPECT_EQ(Shown(form), kHoverColour);
    rig.Step();  // press
    EXPECT_EQ(button.State(), ButtonState::Pressed);
    EXPECT_EQ(Shown(form), kPressedColour);
    rig.Step();  // move out with the button held
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(Shown(form), kNormalColour);
    rig.Step();  // release outside
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(clicks, 0);

    rig.Step(3);  // click over the button
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), ButtonState::Hover);
    rig.Step();  // away
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.Pixels().GetPixel(kClearX, kInY), form.Background.GetPixel(kClearX, kInY));
}

TEST(CPrzyciskP, ShowsNoHoverOnAFormThatIsNotActive)
{
    HeadlessRig rig(400, 200, "move 70 55\nclick 350 50\nmove 71 55\n");
    WriteButtonPictures(rig.Dir(), "start", kW, kH);
    PlainForm lower(rig.App(), "FormMain", 200, 200);
    PlainForm upper(rig.App(), "FormOther", 100, 100);
    upper.SetPosition(300, 0);
    int entered = 0;
    CPrzyciskP button(lower, "start", lower.Canvas(), lower.Background, kLeft, kTop, nullptr);
    button.OnMouseEnter = [&] { ++entered; };
    lower.Show();
    upper.Show();
    ASSERT_FALSE(lower.Active());

    rig.Step();
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(Shown(lower), kNormalColour);
    EXPECT_EQ(entered, 0);

    // Once its form is on top, the same button does show hover.
    lower.BringToFront();
    rig.Step(3);  // the click on the other form leaves the pointer there
    rig.Step();
    EXPECT_EQ(button.State(), ButtonState::Hover);
    EXPECT_EQ(entered, 1);
}

TEST(CPrzyciskP, HiddenButtonPutsBackExactlyTheBackgroundUnderItsRectangle)
{
    HeadlessRig rig(300, 200, "move 70 55\n");
    WriteButtonPictures(rig.Dir(), "stop", kW, kH);
    PlainForm form(rig.App(), "FormMain", 300, 200);
    CPrzyciskP button(form, "stop", form.Canvas(), form.Background, kLeft, kTop, nullptr);
    form.Show();
    rig.Step();
    ASSERT_EQ(Shown(form), kHoverColour);
    // Something else drawn next to the button must survive its hiding.
    form.Canvas().Brush.Color = clWhite;
    form.Canvas().FillRect({kLeft + kW, kTop, kLeft + kW + 5, kTop + kH});

    button.Hide();
    EXPECT_TRUE(SameArea(form.Pixels(), button.BoundsRect(), form.Background, kLeft, kTop));
    EXPECT_EQ(form.Pixels().GetPixel(kLeft + kW + 2, kTop + 3), clWhite);
    EXPECT_TRUE(SameArea(rig.App().Screen(), button.BoundsRect(), form.Background, kLeft, kTop));

    // Hidden, it changes no picture; shown again, it is normal.
    button.MouseEnter();
    EXPECT_TRUE(SameArea(form.Pixels(), button.BoundsRect(), form.Background, kLeft, kTop));
    button.Show();
    EXPECT_EQ(Shown(form), kNormalColour);
}

TEST(CPrzyciskP, ADisabledButtonLooksDimmedShowsNoHoverAndIsPlainAgainWhenEnabled)
{
    HeadlessRig rig(300, 200, "move 70 55\n");
    WriteButtonPictures(rig.Dir(), "start", kW, kH);
    PlainForm form(rig.App(), "FormMain", 300, 200);
    Bitmap grey(300, 200);
    grey.Fill(RGB(128, 128, 128));
    TAction action("A_Start", [] {});
    CPrzyciskP button(form, "start", form.Canvas(), grey, kLeft, kTop, &action);
    form.Show();
    ASSERT_EQ(Shown(form), kNormalColour);

    action.SetEnabled(false);
    button.Refresh();
    const TColor dim = Shown(form);
    auto saturation = [](TColor c) {
        return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) -
               std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
    };
    // Still there, but greyed and pulled towards the background.
    EXPECT_NE(dim, RGB(128, 128, 128));
    EXPECT_LT(saturation(dim), saturation(kNormalColour) / 3);
    EXPECT_EQ(form.Pixels().GetPixel(kClearX, kInY), RGB(128, 128, 128));
    rig.Step();  // the pointer comes over it
    EXPECT_EQ(Shown(form), dim);

    action.SetEnabled(true);
    button.Refresh();
    EXPECT_EQ(Shown(form), kNormalColour);
}

TEST(CPrzyciskP, SetPositionKeepsANegativeCoordinateAndTakesZero)
{
    HeadlessRig rig(300, 200);
    WriteButtonPictures(rig.Dir(), "start", kW, kH);
    PlainForm form(rig.App(), "FormMain", 300, 200);
    CPrzyciskP button(form, "start", form.Canvas(), form.Background, kLeft, kTop, nullptr);
    button.SetPosition(-1, 50);
    EXPECT_EQ(button.BoundsRect(), RectXYWH(kLeft, 50, kW, kH));
    button.SetPosition(0, 50);
    EXPECT_EQ(button.BoundsRect(), RectXYWH(0, 50, kW, kH));
    button.SetPosition(120, -5);
    EXPECT_EQ(button.BoundsRect(), RectXYWH(120, 50, kW, kH));
}

TEST(CPrzyciskP, AMissingPictureIsErrorOneAndLeavesNoControlBehind)
{
    HeadlessRig rig(300, 200);
    WriteButtonPictures(rig.Dir(), "start", kW, kH);
    std::filesystem::remove(rig.Dir().Path() / "RESOURCE" / "start_.bmp");
    rig.Dir().Write("RESOURCE/stop_A.bmp", "not a picture");
    PlainForm form(rig.App(), "FormMain", 300, 200);
    for (const char* name : {"start", "stop", "nothing"}) {
        try {
            CPrzyciskP button(form, name, form.Canvas(), form.Background, kLeft, kTop, nullptr);
            ADD_FAILURE() << name << " was made";
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1) << name;
        }
    }
    EXPECT_TRUE(form.Controls().empty());
}

TEST(CPrzyciskW, DrawsIntoTheBackBufferAtItsScreenPlaceLessTheOffsetAndShowsThatPart)
{
    HeadlessRig rig(300, 200, "move 80 65\npress 80 65\n");
    WriteButtonPictures(rig.Dir(), "pomoc", kW, kH);
    PlainForm form(rig.App(), "FormGra", 300, 200);
    Bitmap scene(200, 150);
    scene.Fill(RGB(10, 20, 30));
    TAction action("A_Pomoc", [] {});
    CPrzyciskW button(form, "pomoc", form.Canvas(), scene, nullptr, kLeft + 10, kTop + 10, action);
    button.SetBackBufferOffset(10, 10);
    button.SetBackgroundOffset(10, 10);
    form.Show();

    button.DrawNormal();
    EXPECT_EQ(scene.GetPixel(kInX, kInY), kNormalColour);
    EXPECT_EQ(scene.GetPixel(kClearX, kInY), RGB(10, 20, 30));
    // The game shows its scene itself: drawing normal changes nothing on screen.
    EXPECT_NE(form.Pixels().GetPixel(kInX + 10, kInY + 10), kNormalColour);

    rig.Step();
    EXPECT_EQ(scene.GetPixel(kInX, kInY), kHoverColour);
    EXPECT_EQ(form.Pixels().GetPixel(kInX + 10, kInY + 10), kHoverColour);
    EXPECT_EQ(form.Pixels().GetPixel(kClearX + 10, kInY + 10), RGB(10, 20, 30));
    rig.Step();
    EXPECT_EQ(form.Pixels().GetPixel(kInX + 10, kInY + 10), kPressedColour);

    scene.Fill(clBlack);
    button.Hide();
    button.DrawNormal();
    EXPECT_EQ(scene.GetPixel(kInX, kInY), clBlack);
}

TEST(CPrzyciskC, MakesAFixedSizeControlAndComposesOnTheGameCanvasOnlyWhileVisible)
{
    HeadlessRig rig(300, 200, "click 70 55\n");
    WriteButtonPictures(rig.Dir(), "pomoc", kW, kH);
    PlainForm form(rig.App(), "FormMemory3", 300, 200);
    Bitmap canvas(300, 200);
    int clicks = 0;
    CPrzyciskC button(form, "pomoc", canvas, kLeft, kTop, [&] { ++clicks; });
    EXPECT_EQ(button.GetControl().BoundsRect(), RectXYWH(kLeft, kTop, CPrzyciskC::kWidth, CPrzyciskC::kHeight));
    form.Show();

    button.Draw();
    EXPECT_EQ(canvas.GetPixel(kInX, kInY), kNormalColour);
    EXPECT_EQ(form.Pixels().GetPixel(kInX, kInY), kNormalColour);
    rig.Step(3);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), ButtonState::Hover);
    EXPECT_EQ(canvas.GetPixel(kInX, kInY), kHoverColour);
    EXPECT_EQ(form.Pixels().GetPixel(kInX, kInY), kHoverColour);

    canvas.Fill(clBlack);
    button.GetControl().Hide();
    button.Draw();
    EXPECT_EQ(canvas.GetPixel(kInX, kInY), clBlack);
}
