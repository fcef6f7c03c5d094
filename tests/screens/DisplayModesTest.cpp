// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The message box and the summary on the screen sizes of every display mode.
// With SZ_SHOT_DIR set the screens are also saved there as PNG files for
// looking at; with SZ_SCREENS_DATA set they use that data tree instead of the
// test pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "controls/CPrzyciskP.h"
#include "core/CStatRec.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "platform/Paths.h"
#include "screens/FormKomunikat.h"
#include "screens/FormKoniecGry.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

struct ScreenSize {
    int width, height;
};

// The main form as the menu shows it: its full-screen picture when the data
// tree has one, the test pattern otherwise.
class MenuStandIn : public PlainForm {
public:
    MenuStandIn(TApplication& app, int width, int height) : PlainForm(app, "FormMain", width, height)
    {
        const std::string scene = "Data\\Intf\\Spec\\" + Display().ModePrefix(true) + "mT0.xji";
        if (FileExists(scene)) {
            ScreenPlacement placement{width, height, Display().OffsetX(), Display().OffsetY()};
            MakeBackground(placement, Background, scene);
        }
    }
};

std::string ShotName(const ScreenSize& s, const std::string& what)
{
    return what + "-" + std::to_string(s.width) + "x" + std::to_string(s.height) + ".png";
}

}  // namespace

TEST(ScreensInEveryDisplayMode, BoxAndSummarySitCentredWithTheirTextInsideTheirPictures)
{
    const char* shotDir = std::getenv("SZ_SHOT_DIR");
    const char* dataDir = std::getenv("SZ_SCREENS_DATA");
    if (shotDir != nullptr)
        std::filesystem::create_directories(shotDir);
    const auto save = [&](TApplication& app, const std::string& name) {
        if (shotDir != nullptr) {
            EXPECT_TRUE(app.SaveScreenshot(std::filesystem::path(shotDir) / name));
        }
    };

    for (const ScreenSize& size : {ScreenSize{800, 600}, ScreenSize{1024, 768}, ScreenSize{1280, 960},
                                   ScreenSize{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        HeadlessRig rig(size.width, size.height);
        if (dataDir != nullptr)
            SetProgramDir(dataDir);
        else {
            WriteMessageBoxData(rig.Dir());
            WriteSummaryData(rig.Dir());
        }
        SetDisplay(size.width, size.height);
        MenuStandIn main(rig.App(), size.width, size.height);
        main.Show();
        CStatRec stats(6, nullptr);
        TFormKomunikat box(rig.App());
        TFormKoniecGry summary(rig.App(), stats);

        box.SetMessage(3);
        box.Show();
        EXPECT_EQ(box.Left(), (size.width - 420) / 2);
        EXPECT_EQ(box.Top(), (size.height - 250) / 2);
        // The wrapped message stays inside its label.
        EXPECT_GT(box.vL_Komunikat.Height(), 0);
        EXPECT_LE(box.vL_Komunikat.BoundsRect().bottom, 185);
        save(rig.App(), ShotName(size, "komunikat-3"));
        box.StopButton().MouseEnter();
        EXPECT_EQ(box.StopButton().State(), ButtonState::Hover);
        save(rig.App(), ShotName(size, "komunikat-3-hover"));
        box.Hide();

        struct Result {
            int correct, wrong, rating;
            const char* name;
        };
        for (const Result& r : {Result{2, 6, 1, "B"}, Result{10, 7, 2, "M"}, Result{10, 5, 4, "G"}}) {
            stats.Duration = 125;
            stats.Correct = r.correct;
            stats.Wrong = r.wrong;
            stats.Hints = 1;
            summary.Show();
            EXPECT_EQ(summary.Left(), (size.width - 600) / 2);
            EXPECT_EQ(summary.Top(), (size.height - 450) / 2);
            EXPECT_EQ(summary.ShownRating(), r.rating);
            EXPECT_LE(summary.Label4.BoundsRect().right, summary.lab_Dobre.BoundsRect().left);
            save(rig.App(), ShotName(size, std::string("koniecgry-") + r.name));
            summary.Hide();
        }
    }
    SetDisplay(800, 600);
}
