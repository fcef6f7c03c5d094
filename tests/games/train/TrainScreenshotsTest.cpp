// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screens of the train in every display mode: a picture being carried and
// the zoom. The PNG files go to $SZ_SHOTS_DIR when it is set (the same
// screens drawn from the generated data tree: szeptaczki-shots).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "controls/CZoom.h"
#include "core/CUstGry.h"
#include "core/Program.h"
#include "core/SoundCodes.h"
#include "games/train/CPocRegal.h"
#include "games/train/CPocWagon.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransFont.h"
#include "graphics/GlobalFonts.h"
#include "platform/Random.h"
#include "tests/games/train/TrainTestSupport.h"

namespace {

std::filesystem::path ShotsDir(const TempDir& fallback)
{
    const char* dir = std::getenv("SZ_SHOTS_DIR");
    if (dir == nullptr || *dir == '\0')
        return fallback.Path();
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(TrainScreens, CarryAndZoomInEveryDisplayMode)
{
    const TempDir fallback;
    const std::filesystem::path out = ShotsDir(fallback);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        TrainRig rig(w, h, GL_S | GL_SZ | GL_CZ | GL_SS, 2);
        TFormPociag form(rig.App());
        SeedRandom(7);
        ASSERT_TRUE(form.EnoughWords());
        form.Show();
        rig.App().ProcessMessages();

        // Wagon 2's picture carried half-way to its box.
        const CPocWagon& wagon = form.Wagon(1);
        const int pw = form.PictureWidth(), ph = form.PictureHeight();
        const TPoint grip{wagon.X() + pw / 2, wagon.Y() + ph / 2};
        const CPocPudlo* box = form.Regal().BoxForSound(wagon.Top()->Flags & GL_WSZYSTKIE);
        ASSERT_NE(box, nullptr);
        const CSlowa::SPaczka* word = wagon.Top();
        form.pbGame.OnMouseDown(TMouseButton::mbLeft, ssLeft, grip.x, grip.y);
        form.pbGame.OnMouseMove(ssLeft, grip.x, grip.y - ph / 2);
        const TPoint to{(grip.x + box->LabelPoint().x) / 2, (wagon.Clearance() - ph + box->LabelPoint().y) / 2};
        form.pbGame.OnMouseMove(ssLeft, to.x, to.y);
        ASSERT_TRUE(form.PictureReleased());
        const TPoint at = OnScreen(form, form.DragPosition());
        EXPECT_EQ(rig.App().Screen().GetPixel(at.x + pw / 2, at.y + ph / 2),
                  word->Picture->GetPixel(pw / 2, ph / 2));
        // The wagon shows the picture that was beneath.
        const TPoint in = OnScreen(form, grip);
        EXPECT_EQ(rig.App().Screen().GetPixel(in.x, in.y), wagon.Beneath()->Picture->GetPixel(pw / 2, ph / 2));
        ASSERT_TRUE(rig.App().SaveScreenshot(out / ("train-drag-" + size + ".png")));
        form.pbGame.OnMouseUp(TMouseButton::mbLeft, 0, to.x, to.y);

        // The zoom over the last wagon, kept inside the design area.
        const CPocWagon& last = form.Wagon(3);
        form.Zoom().Show(form.pbGame.Canvas(), form.BackBuffer(), last.Y() + ph / 2, last.X() + pw / 2,
                         CZoom::WordOf(*last.Top()));
        const TRect r = form.Zoom().Rect();
        EXPECT_LE(r.right, form.pbGame.Width());
        EXPECT_LE(r.bottom, form.pbGame.Height());
        const TPoint corner = OnScreen(form, {r.left + 3, r.top + 3});
        EXPECT_TRUE(Near(rig.App().Screen().GetPixel(corner.x, corner.y), kZoomColour, 10));
        ASSERT_TRUE(rig.App().SaveScreenshot(out / ("train-zoom-" + size + ".png")));
        form.Zoom().Hide(form.pbGame.Canvas(), form.BackBuffer());
        form.Close();
    }
}
