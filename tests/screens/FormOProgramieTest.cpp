// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "graphics/CDisplay.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "screens/FormOProgramie.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

constexpr TColor kAboutBackground = RGB(30, 60, 110);

struct AboutPictures {
    bool background = true;
    bool logo = true;
    bool stop = true;
};

// The about screen's pictures for the display of a width x height screen.
void WriteAboutData(const TempDir& dir, const AboutPictures& which = {})
{
    const CDisplay& d = Display();
    if (which.background)
        WriteJpegPicture(dir, "Data/Intf/Spec/" + d.ModePrefix(true) + "oprogT.xji", d.AreaWidth(),
                         d.Mode() == 16 ? 1024 : d.AreaHeight(), kAboutBackground);
    if (which.logo)
        WriteJpegPicture(dir, "Data/Intf/Spec/" + d.ModePrefix() + "oprog_log.xji", 160, 84, RGB(250, 240, 200));
    if (which.stop)
        WriteButtonPictures(dir, "stop", 60, 40);
}

struct AboutRig {
    AboutRig(int width, int height, const std::string& script = {})
        : display(width, height), rig(width, height, script), main(rig.App(), "FormMain", width, height)
    {
        WriteAboutData(rig.Dir());
        about = std::make_unique<TFormOProgramie>(rig.App());
        main.Show();
    }

    // The display is set before anything reads it and put back afterwards.
    struct DisplayScope {
        DisplayScope(int w, int h) { SetDisplay(w, h); }
        ~DisplayScope() { SetDisplay(800, 600); }
    } display;
    HeadlessRig rig;
    PlainForm main;
    std::unique_ptr<TFormOProgramie> about;
};

void Tick(int n = 1)
{
    for (int i = 0; i < n; ++i) {
        TheClock().Sleep(TFormOProgramie::kShimmerIntervalMs);
        FireDueTimers();
    }
}

// Pixels of the credits picture coloured by the wave: much more red than blue,
// which neither the blue background nor white text is.
int WarmPixels(const Bitmap& credits)
{
    int warm = 0;
    for (int y = 0; y < credits.Height(); ++y)
        for (int x = 0; x < credits.Width(); ++x) {
            const TColor c = credits.GetPixel(x, y);
            warm += GetRValue(c) > GetBValue(c) + 60 ? 1 : 0;
        }
    return warm;
}

int WhitePixels(const Bitmap& credits)
{
    int white = 0;
    for (int y = 0; y < credits.Height(); ++y)
        for (int x = 0; x < credits.Width(); ++x)
            white += credits.GetPixel(x, y) == clWhite ? 1 : 0;
    return white;
}

}  // namespace

TEST(FormOProgramie, TheWaveIsAFixedShadeRunThatLeavesWhiteOnBothSides)
{
    EXPECT_EQ(TFormOProgramie::Shade(1, 0), 200);
    EXPECT_EQ(TFormOProgramie::Shade(5, 0), 100);
    EXPECT_EQ(TFormOProgramie::Shade(10, 0), 200);
    EXPECT_EQ(TFormOProgramie::Shade(11, 0), 255);
    EXPECT_EQ(TFormOProgramie::Shade(3, 3), 255);
    EXPECT_EQ(TFormOProgramie::Shade(4, 3), 200);
    EXPECT_EQ(TFormOProgramie::Shade(1, -10), 255);
    EXPECT_EQ(TFormOProgramie::Shade(1, -9), 200);
    EXPECT_EQ(TFormOProgramie::ShadeColour(255), clWhite);
    EXPECT_EQ(TFormOProgramie::ShadeColour(200), RGB(255, 214, 200));
    EXPECT_EQ(TFormOProgramie::ShadeColour(100), RGB(255, 139, 100));
}

TEST(FormOProgramie, TheShimmerReachesTheNamesThirtySevenTicksAfterShowing)
{
    AboutRig a(800, 600);
    EXPECT_EQ(FormOProgramie, a.about.get());
    EXPECT_EQ(a.about->Caption, "Gry Szeptaczki Cz.VI");
    EXPECT_EQ(a.about->BoundsRect(), RectXYWH(0, 0, 800, 600));
    EXPECT_FALSE(a.about->ShimmerTimer().Enabled());
    a.about->Show();
    EXPECT_TRUE(a.about->ShimmerTimer().Enabled());
    EXPECT_EQ(a.about->ShimmerPosition(), -37);
    EXPECT_GT(WhitePixels(a.about->CreditsPicture()), 20);
    EXPECT_EQ(WarmPixels(a.about->CreditsPicture()), 0);
    // The wave's head enters the first letter at -9: until then all is white.
    Tick(27);
    EXPECT_EQ(a.about->ShimmerPosition(), -10);
    EXPECT_EQ(WarmPixels(a.about->CreditsPicture()), 0);
    Tick(10);
    EXPECT_EQ(a.about->ShimmerPosition(), 0);
    EXPECT_GT(WarmPixels(a.about->CreditsPicture()), 0);
    // The picture on the window is the credits picture.
    const TRect at = a.about->LabelAutList.BoundsRect();
    EXPECT_TRUE(SameArea(a.about->Pixels(), RectXYWH(at.left, at.top, a.about->CreditsPicture().Width(), 10),
                         a.about->CreditsPicture(), 0, 0));

    // Past the longer line the names rest white for 2 to 5 seconds.
    const int longest = static_cast<int>(
        std::max(a.about->LabelAutList.Caption().size(), a.about->LabelAutList2.Caption().size()));
    Tick(longest);
    EXPECT_EQ(a.about->ShimmerPosition(), longest);
    Tick();
    EXPECT_LE(a.about->ShimmerPosition(), -50);
    EXPECT_GE(a.about->ShimmerPosition(), -124);
    EXPECT_EQ(WarmPixels(a.about->CreditsPicture()), 0);
}

TEST(FormOProgramie, WithoutCreditLinesTheShimmerOnlyPausesAndRestarts)
{
    AboutRig a(800, 600);
    a.about->LabelAutList.SetCaption("");
    a.about->LabelAutList2.SetCaption("");
    SeedRandom(11);
    a.about->Show();
    std::vector<int> pauses;
    int previous = a.about->ShimmerPosition();
    for (int i = 0; i < 400; ++i) {
        Tick();
        const int p = a.about->ShimmerPosition();
        ASSERT_LE(p, 0);
        if (p != previous + 1) {
            EXPECT_EQ(previous, 0);
            pauses.push_back(p);
        }
        previous = p;
    }
    ASSERT_GE(pauses.size(), 3u);
    for (int p : pauses) {
        EXPECT_LE(p, -50);
        EXPECT_GE(p, -124);
    }
    EXPECT_EQ(WarmPixels(a.about->CreditsPicture()), 0);
}

TEST(FormOProgramie, EscapeAndStopCloseTheScreenAndStopTheTimer)
{
    // The "stop" button of the 800 x 600 screen is at (370, 480).
    AboutRig a(800, 600, "key Escape\nclick 400 500\nwait 10\n");
    EXPECT_EQ(a.about->StopButton().BoundsRect().left, 370);
    EXPECT_EQ(a.about->StopButton().BoundsRect().top, 480);
    for (int round = 0; round < 2; ++round) {
        a.about->ShowModal();
        EXPECT_FALSE(a.about->Visible()) << round;
        EXPECT_FALSE(a.about->ShimmerTimer().Enabled()) << round;
        EXPECT_FALSE(a.rig.App().Terminated()) << round;
    }
}

TEST(FormOProgramie, AMissingOrDamagedPictureIsErrorOne)
{
    SetDisplay(800, 600);
    // 0..2: the background, the logo or the button missing; 3, 4: the
    // background or the logo damaged.
    for (int missing = 0; missing < 5; ++missing) {
        HeadlessRig rig(800, 600);
        WriteAboutData(rig.Dir(), {missing != 0, missing != 1, missing != 2});
        if (missing == 3)
            rig.Dir().Write("Data/Intf/Spec/R2_oprogT.xji", "no JPEG here");
        if (missing == 4)
            rig.Dir().Write("Data/Intf/Spec/R2_oprog_log.xji", std::string(300, 'x'));
        PlainForm main(rig.App(), "FormMain", 800, 600);
        try {
            TFormOProgramie about(rig.App());
            ADD_FAILURE() << "made without picture " << missing;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1);
        }
        EXPECT_EQ(FormOProgramie, nullptr);
    }
}

TEST(FormOProgramie, TheInformationBlockFollowsTheDisplayMode)
{
    struct Case {
        int width, height, offsetX, offsetY, versionTop;
        TPoint logo;
    };
    for (const Case& c : {Case{800, 600, 0, 0, 190, {320, 100}}, Case{1024, 768, 0, 0, 243, {410, 145}},
                          Case{1280, 960, 0, 0, 304, {513, 181}}, Case{1280, 1024, 0, 0, 304, {513, 181}},
                          Case{1440, 900, 208, 66, 243, {410, 145}}}) {
        AboutRig a(c.width, c.height);
        const TFormOProgramie& f = *a.about;
        const int middle = c.offsetX + Display().PictureWidth() / 2;
        // The block is laid out for 800 x 600 and grows with the area.
        auto S = [](int v) { return Display().ConvertFromModeRounded(2, v); };
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(f.LogoPlace(), (TPoint{c.offsetX + c.logo.x, c.offsetY + c.logo.y}));
        EXPECT_EQ(f.LabelVer.Top(), c.offsetY + c.versionTop);
        EXPECT_EQ(f.LabelVer.Width(), S(150));
        EXPECT_EQ(f.LabelVer.Left(), middle - S(150) / 2);
        EXPECT_EQ(f.LabelVer.Caption().rfind("Wersja 1.", 0), 0u) << f.LabelVer.Caption();
        EXPECT_EQ(f.LabelPrawa1.Top(), f.LabelVer.Top() + S(24));
        EXPECT_EQ(f.LabelPrawa2.Top(), f.LabelPrawa1.Top() + S(14));
        EXPECT_NEAR(f.LabelPrawa1.Left() + f.LabelPrawa1.Width() / 2.0, middle, 1.0);
        EXPECT_FALSE(f.LabelISBN.Visible());

        // The heading and the maker's name are centred together (the gap
        // between them counts on the heading's side), standing on one line.
        EXPECT_EQ(f.LabelF1.Top(), f.LabelPrawa2.Top() + S(40));
        EXPECT_EQ(f.LabelKontakt.BoundsRect().bottom, f.LabelF1.BoundsRect().bottom);
        EXPECT_EQ(f.LabelF1.Left(), f.LabelKontakt.BoundsRect().right + S(6));
        EXPECT_NEAR((f.LabelKontakt.Left() + f.LabelF1.BoundsRect().right) / 2.0, middle - S(6) / 2.0, 1.0);
        EXPECT_EQ(f.LabelF7.Top(), f.LabelF1.Top() + 6 * S(16));
        EXPECT_EQ(f.LabelF7.Left(), f.LabelF1.Left());
        EXPECT_EQ(f.LabelAut.Top(), f.LabelF7.Top() + S(40));
        EXPECT_EQ(f.LabelAut.BoundsRect().right, f.LabelF2.Left() - S(6));
        EXPECT_EQ(f.LabelAutList.Left(), f.LabelAut.BoundsRect().right + S(6));
        EXPECT_EQ(f.LabelAutList2.Top(), f.LabelAutList.BoundsRect().bottom);
        EXPECT_FALSE(f.LabelAutList.Visible());
        // The credits picture holds both lines, whichever is longer.
        EXPECT_GE(f.LabelAutList.Left() + f.CreditsPicture().Width(),
                  std::max(f.LabelAutList.BoundsRect().right, f.LabelAutList2.BoundsRect().right));
        EXPECT_EQ(f.CreditsPicture().Height(), f.LabelAutList2.BoundsRect().bottom - f.LabelAutList.Top());
        // The block reaches into the lower half of the area, and stays above "stop".
        EXPECT_GE(f.LabelAutList2.BoundsRect().bottom, c.offsetY + Display().PictureHeight() * 6 / 10);
        EXPECT_LT(f.LabelAutList2.BoundsRect().bottom, a.about->StopButton().Top());
        // No line is a link any more: the program has no address to open.
        for (const TLabel* line : {&f.LabelF1, &f.LabelF6}) {
            EXPECT_FALSE(line->Font().Underline);
            EXPECT_EQ(line->Font(), f.LabelF1.Font());
            EXPECT_NE(line->Cursor, crHand);
        }
        EXPECT_FALSE(f.LabelF7.Visible());
        // Everything the screen says stays on the panel, the middle three
        // fifths of the area.
        for (const TLabel* line : {&f.LabelPrawa1, &f.LabelAut, &f.LabelF1, &f.LabelF2, &f.LabelF3, &f.LabelF4,
                                   &f.LabelF5, &f.LabelF6, &f.LabelAutList, &f.LabelAutList2}) {
            EXPECT_GE(line->Left(), c.offsetX + Display().PictureWidth() / 5) << line->Caption();
            EXPECT_LE(line->BoundsRect().right, c.offsetX + Display().PictureWidth() * 4 / 5) << line->Caption();
        }
    }
}

TEST(FormOProgramie, TheHeadingStandsOnTheFirstLineOfItsBlock)
{
    // Letters without descenders: the lowest inked row of each label is its baseline.
    for (const TPoint size : {TPoint{800, 600}, TPoint{1280, 960}}) {
        AboutRig a(size.x, size.y);
        TFormOProgramie& f = *a.about;
        f.LabelKontakt.SetCaption("Licencie:");
        f.LabelF1.SetCaption("Zeslaw Mak");
        f.FormResize();
        f.Show();
        auto lowestInk = [&](const TLabel& label) {
            const TRect r = label.BoundsRect();
            int lowest = -1;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (GetRValue(f.Pixels().GetPixel(x, y)) > 180)
                        lowest = y;
            return lowest;
        };
        const int heading = lowestInk(f.LabelKontakt);
        ASSERT_GE(heading, 0);
        EXPECT_NEAR(heading, lowestInk(f.LabelF1), 1) << size.x;
    }
}
