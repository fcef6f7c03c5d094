// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "controls/CCheckBut.h"
#include "controls/CCheckButW.h"
#include "controls/CScrollBar.h"
#include "controls/CScrollBut.h"
#include "core/CBlad.h"
#include "graphics/LoadCorrectBitmap.h"
#include "platform/Action.h"
#include "tests/controls/ControlsTestSupport.h"

namespace {

constexpr TColor kOn = RGB(250, 200, 0);
constexpr TColor kOff = RGB(90, 90, 160);

void WriteCheckPictures(const TempDir& dir, const std::string& name)
{
    WriteLibraryPicture(dir, name + "_A", 24, 20, kOn);
    WriteLibraryPicture(dir, name + "_D", 24, 20, kOff);
}

// A BMP pair over black and over white: an opaque square of colour with a
// transparent border of 2 pixels, 20 x 16.
void WritePair(const TempDir& dir, const std::string& base, TColor colour)
{
    Bitmap onBlack(20, 16), onWhite(20, 16);
    onBlack.Fill(clBlack);
    onWhite.Fill(clWhite);
    onBlack.FillRect({2, 2, 18, 14}, colour);
    onWhite.FillRect({2, 2, 18, 14}, colour);
    dir.Write(base + "B.xbi", EncodeBmp(onBlack));
    dir.Write(base + "W.xbi", EncodeBmp(onWhite));
}

}  // namespace

TEST(CCheckBut, ClickRunsTheActionAndToggleTwiceReturnsToTheFirstPicture)
{
    HeadlessRig rig(200, 100, "click 35 25\n");
    WriteCheckPictures(rig.Dir(), "s_malo");
    PlainForm form(rig.App(), "FormMain", 200, 100);
    int clicks = 0;
    TAction action("A_Malo", [&] { ++clicks; });
    CCheckBut check(form, "s_malo", form.Canvas(), 30, 20, &action);
    form.Show();
    EXPECT_EQ(check.GetControl().BoundsRect(), RectXYWH(30, 20, 24, 20));
    EXPECT_FALSE(check.IsChecked());
    EXPECT_EQ(form.Pixels().GetPixel(40, 30), kOff);

    rig.Step(3);
    EXPECT_EQ(clicks, 1);

    check.Toggle();
    EXPECT_TRUE(check.IsChecked());
    EXPECT_EQ(form.Pixels().GetPixel(40, 30), kOn);
    check.Toggle();
    EXPECT_FALSE(check.IsChecked());
    EXPECT_EQ(form.Pixels().GetPixel(40, 30), kOff);
    check.SetChecked(true);
    EXPECT_EQ(form.Pixels().GetPixel(40, 30), kOn);
    // A repaint of the form keeps the checked picture.
    form.Repaint();
    EXPECT_EQ(form.Pixels().GetPixel(40, 30), kOn);
}

TEST(CheckButtons, SetPositionKeepsAValueOfZeroOrLess)
{
    HeadlessRig rig(200, 100);
    WriteCheckPictures(rig.Dir(), "b_duzo");
    WritePair(rig.Dir(), "Data/Intf/Spec/R2_glos_D", kOff);
    WritePair(rig.Dir(), "Data/Intf/Spec/R2_glos_A", kOn);
    PlainForm form(rig.App(), "FormMain", 200, 100);
    CCheckBut check(form, "b_duzo", form.Canvas(), 30, 20, nullptr);
    check.SetPosition(0, 50);
    EXPECT_EQ(check.Left(), 30);
    EXPECT_EQ(check.Top(), 50);
    EXPECT_EQ(check.GetControl().BoundsRect(), RectXYWH(30, 50, 24, 20));
    check.SetPosition(70, -3);
    EXPECT_EQ(check.GetControl().BoundsRect(), RectXYWH(70, 50, 24, 20));

    CCheckButW speaker(form, "", "Data\\Intf\\Spec\\R2_glos", form.Canvas(), 100, 60, nullptr);
    speaker.SetPosition(0, 10);
    EXPECT_EQ(speaker.Left(), 100);
    EXPECT_EQ(speaker.Top(), 10);
}

TEST(CCheckButW, FileModeBlendsTheTransparentPairAndStartsWithAnInvisibleControl)
{
    HeadlessRig rig(200, 100);
    WritePair(rig.Dir(), "Data/Intf/Spec/R2_glos_D", kOff);
    WritePair(rig.Dir(), "Data/Intf/Spec/R2_glos_A", kOn);
    PlainForm form(rig.App(), "FormMain", 200, 100);
    int clicks = 0;
    TAction action("A_Glosnik", [&] { ++clicks; });
    CCheckButW speaker(form, "", "Data\\Intf\\Spec\\R2_glos", form.Canvas(), 100, 60, &action);
    EXPECT_TRUE(speaker.FileMode());
    EXPECT_FALSE(speaker.GetControl().Visible());
    EXPECT_EQ(speaker.GetControl().BoundsRect(), RectXYWH(100, 60, 20, 16));
    form.Show();

    speaker.DrawIfVisible();
    EXPECT_EQ(form.Pixels().GetPixel(110, 68), form.Background.GetPixel(110, 68));
    speaker.GetControl().Show();
    speaker.DrawIfVisible();
    EXPECT_EQ(form.Pixels().GetPixel(110, 68), kOff);
    // The transparent border keeps what was under it.
    EXPECT_EQ(form.Pixels().GetPixel(100, 60), form.Background.GetPixel(100, 60));
    speaker.Toggle();
    EXPECT_EQ(form.Pixels().GetPixel(110, 68), kOn);
    form.Repaint();
    EXPECT_EQ(form.Pixels().GetPixel(110, 68), kOn);
    EXPECT_EQ(form.Pixels().GetPixel(100, 60), form.Background.GetPixel(100, 60));
    speaker.SetChecked(false);
    EXPECT_EQ(form.Pixels().GetPixel(110, 68), kOn);  // stored, not drawn
}

TEST(CCheckButW, MissingPicturesInEitherModeAreErrorOne)
{
    HeadlessRig rig(200, 100);
    WritePair(rig.Dir(), "Data/Intf/Spec/R3_glos_D", kOff);  // no checked pair
    WriteLibraryPicture(rig.Dir(), "glos_A", 10, 10, kOn);   // no unchecked picture
    PlainForm form(rig.App(), "FormMain", 200, 100);
    const auto code = [&](const char* library, const char* path) {
        try {
            CCheckButW speaker(form, library, path, form.Canvas(), 0, 0, nullptr);
        } catch (const CBlad& e) {
            return static_cast<int>(e.Code);
        }
        return 0;
    };
    EXPECT_EQ(code("", "Data\\Intf\\Spec\\R3_glos"), 1);
    EXPECT_EQ(code("glos", ""), 1);
    EXPECT_TRUE(form.Controls().empty());
}

TEST(CScrollBar, StepIsTheTrackOverTwentyTwoAndTheThumbLeavesTheBackgroundBehind)
{
    HeadlessRig rig(200, 200);
    WriteLibraryPicture(rig.Dir(), "scroll_D", 8, 6, kOn);
    WriteLibraryPicture(rig.Dir(), "scroll_M", 8, 6, clWhite);
    PlainForm form(rig.App(), "FormMain", 200, 200);
    CScrollBar bar(form, 10, 10, form.Canvas(), form.Background);
    EXPECT_EQ(bar.Step(), 8);
    form.Show();

    bar.Layout(20, 30, 30 + 21);
    EXPECT_EQ(bar.Step(), 0);
    bar.StepDown();
    EXPECT_EQ(bar.Counter(), -1);
    EXPECT_EQ(bar.Thumb().BoundsRect(), RectXYWH(20, 30, 8, 6));

    bar.Layout(20, 30, 30 + 44);
    EXPECT_EQ(bar.Step(), 2);
    bar.StepDown();
    bar.StepDown();
    EXPECT_EQ(bar.Thumb().BoundsRect(), RectXYWH(20, 34, 8, 6));
    EXPECT_EQ(form.Pixels().GetPixel(22, 36), kOn);
    // The rows the thumb left show the background again.
    EXPECT_TRUE(SameArea(form.Pixels(), {20, 30, 28, 34}, form.Background, 20, 30));
    bar.StepUp();
    EXPECT_EQ(bar.Counter(), -2);
    EXPECT_EQ(bar.Thumb().BoundsRect(), RectXYWH(20, 32, 8, 6));

    bar.Hide();
    EXPECT_TRUE(SameArea(form.Pixels(), RectXYWH(20, 32, 8, 6), form.Background, 20, 32));
    bar.Show();
    EXPECT_EQ(form.Pixels().GetPixel(22, 34), kOn);
}
