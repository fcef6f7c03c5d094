// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "platform/Text.h"
#include "screens/FormKoniecGry.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

// A point of the summary's picture that no label or button covers.
TColor PictureAt(const TFormKoniecGry& form) { return form.Background().GetPixel(300, 60); }

struct SummaryRig {
    explicit SummaryRig(const std::string& script = {})
        : rig(800, 600, script), main(rig.App(), "FormMain", 800, 600), stats(MakeStats(rig)), summary(rig.App(), *stats)
    {
        main.Show();
    }

    static std::unique_ptr<CStatRec> MakeStats(HeadlessRig& rig)
    {
        WriteSummaryData(rig.Dir());
        return std::make_unique<CStatRec>(6, nullptr);
    }

    void ShowWith(int seconds, int correct, int wrong, int hints)
    {
        stats->Duration = seconds;
        stats->Correct = correct;
        stats->Wrong = wrong;
        stats->Hints = hints;
        summary.Show();
        summary.Hide();
    }

    HeadlessRig rig;
    PlainForm main;
    std::unique_ptr<CStatRec> stats;
    TFormKoniecGry summary;
};

}  // namespace

TEST(FormKoniecGry, FillsTheValueLabelsRightAlignedAtTheirEdges)
{
    SummaryRig s;
    s.ShowWith(59, 12, 3, 2);
    EXPECT_EQ(s.summary.lab_Czas.Caption(), "0 min 59 s");
    EXPECT_EQ(s.summary.lab_Dobre.Caption(), "12");
    EXPECT_EQ(s.summary.lab_Zle.Caption(), "3");
    EXPECT_EQ(s.summary.lab_Pomoc.Caption(), "2");
    s.ShowWith(60, 0, 0, 0);
    EXPECT_EQ(s.summary.lab_Czas.Caption(), "1 min 0 s");
    const int shortWidth = s.summary.lab_Czas.Width();
    s.ShowWith(125, 100, 0, 0);
    EXPECT_EQ(s.summary.lab_Czas.Caption(), "2 min 5 s");
    EXPECT_EQ(s.summary.lab_Dobre.Caption(), "100");
    s.ShowWith(720, 0, 0, 0);
    EXPECT_EQ(s.summary.lab_Czas.Caption(), "12 min 0 s");
    EXPECT_GT(s.summary.lab_Czas.Width(), shortWidth);

    EXPECT_EQ(s.summary.lab_Czas.BoundsRect().right, 358);
    for (const TLabel* value : {&s.summary.lab_Dobre, &s.summary.lab_Zle, &s.summary.lab_Pomoc})
        EXPECT_EQ(value->BoundsRect().right, 422);
    EXPECT_EQ(s.summary.Label4.Caption(), "Poprawne rozwiązania:"_cp);
    EXPECT_EQ(s.summary.Label4.BoundsRect().left, 88);
    EXPECT_FALSE(s.summary.Label1.Visible());
    EXPECT_FALSE(s.summary.lab_Brak.Visible());
    EXPECT_EQ(s.summary.lab_Brak.Caption(), "");
}

TEST(FormKoniecGry, ThePictureFollowsTheRatingOfEachShowing)
{
    SummaryRig s;
    EXPECT_EQ(s.summary.ShownRating(), 2);
    EXPECT_TRUE(Near(PictureAt(s.summary), kMiddlingColour));

    struct Case {
        int correct, wrong, rating;
        TColor colour;
    };
    const Case cases[] = {
        {0, 0, 1, kPoorColour},   {10, 5, 4, kGoodColour}, {10, 7, 2, kMiddlingColour},
        {2, 6, 1, kPoorColour},   {20, 13, 2, kMiddlingColour}, {5, 2, 4, kGoodColour},
    };
    for (const Case& c : cases) {
        s.ShowWith(30, c.correct, c.wrong, 0);
        EXPECT_EQ(s.summary.ShownRating(), c.rating) << c.correct << "/" << c.wrong;
        EXPECT_TRUE(Near(PictureAt(s.summary), c.colour)) << c.correct << "/" << c.wrong;
    }
}

TEST(FormKoniecGry, StartGivesOneStopAndEscapeGiveTwo)
{
    // Centred on the main form the summary is at (100, 75): "start" spans
    // (335, 415)-(395, 455) and "stop" (425, 415)-(485, 455).
    SummaryRig s("key a\nclick 360 430\nclick 450 430\nkey Escape\nwait 10\n");
    s.stats->Correct = 3;
    EXPECT_EQ(s.summary.ShowModal(), 1);
    EXPECT_EQ(s.summary.Left(), 100);
    EXPECT_EQ(s.summary.Top(), 75);
    EXPECT_EQ(s.summary.ShowModal(), 2);
    EXPECT_EQ(s.summary.ShowModal(), 2);
    EXPECT_FALSE(s.rig.App().Terminated());
}

TEST(FormKoniecGry, IsClippedFivePixelsOnTheLeftAndTopAndDraggedByItsSurface)
{
    SummaryRig s("press 200 150\nmove 230 170\nrelease 230 170\nwait 10\nkey Escape\nwait 10\n");
    s.stats->Correct = 10;
    EXPECT_EQ(s.summary.ShowModal(), 2);
    EXPECT_EQ(s.summary.Left(), 130);
    EXPECT_EQ(s.summary.Top(), 95);

    s.summary.Show();
    const Bitmap& screen = s.rig.App().Screen();
    const int left = s.summary.Left(), top = s.summary.Top();
    EXPECT_TRUE(Near(screen.GetPixel(left + 300, top + 60), kGoodColour));
    EXPECT_EQ(screen.GetPixel(left + 2, top + 200), s.main.Background.GetPixel(left + 2, top + 200));
    EXPECT_EQ(screen.GetPixel(left + 300, top + 3), s.main.Background.GetPixel(left + 300, top + 3));
    EXPECT_TRUE(Near(screen.GetPixel(left + 6, top + 200), kGoodColour));
}

TEST(FormKoniecGry, AMissingPictureIsErrorOne)
{
    HeadlessRig rig(800, 600);
    WriteSummaryData(rig.Dir());
    std::filesystem::remove(rig.Dir().Path() / "Data" / "Intf" / "Spec" / "mStatsG.xji");
    CStatRec stats(6, nullptr);
    try {
        TFormKoniecGry summary(rig.App(), stats);
        ADD_FAILURE() << "made without the good-result picture";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 1);
    }
    EXPECT_EQ(FormKoniecGry, nullptr);
}
