// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the train on the generated data tree in every display mode:
// a picture lifted, carried, and the zoom. Run by szeptaczki-shots, which
// writes them into $SZ_SHOTS_DIR/generated.
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

TEST(TrainScreens, GeneratedArtInEveryDisplayMode)
{
    const char* shots = std::getenv("SZ_SHOTS_DIR");
    ASSERT_TRUE(shots != nullptr && *shots != '\0') << "set SZ_SHOTS_DIR to a folder to write the screenshots";
    const std::filesystem::path out = std::filesystem::path(shots) / "generated";
    struct Restore {
        CUstGry saved = UstPociag;
        ~Restore()
        {
            UstPociag = saved;
            FontRegular().Reset();
            FontBold().Reset();
            FontBoldItalic().Reset();
            SetDisplay(800, 600);
        }
    } restore;
    std::filesystem::create_directories(out);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        SetDisplay(w, h);
        HeadlessRig rig(w, h);
        ASSERT_TRUE(LinkGeneratedTree(rig.Dir().Path())) << "no generated data tree beside the program";
        ASSERT_TRUE(LoadGlobalFonts(Display().Mode()));
        CSlowa slowa;
        CStatRec stats(6, nullptr);
        Slowa = &slowa;
        StatRec = &stats;
        UstPociag.Gloski = GL_S | GL_SZ | GL_CZ | GL_ZRZ;
        UstPociag.Poziom = 2;
        PlainForm main(rig.App(), "FormMain", w, h);
        main.Show();
        {
            TFormPociag form(rig.App());
            SeedRandom(7);
            ASSERT_TRUE(form.EnoughWords());
            form.Show();
            rig.App().ProcessMessages();
            const CPocWagon& wagon = form.Wagon(1);
            const int pw = form.PictureWidth(), ph = form.PictureHeight();
            const TPoint grip{wagon.X() + pw / 2, wagon.Y() + ph / 2};
            const TPoint label = form.Regal().BoxForSound(wagon.Top()->Flags & GL_WSZYSTKIE)->LabelPoint();
            form.pbGame.OnMouseDown(TMouseButton::mbLeft, ssLeft, grip.x, grip.y);
            form.pbGame.OnMouseMove(ssLeft, grip.x, grip.y - ph / 2);
            ASSERT_TRUE(rig.App().SaveScreenshot(out / ("train-lift-" + size + ".png")));
            form.pbGame.OnMouseMove(ssLeft, (grip.x + label.x) / 2, (wagon.Clearance() - ph + label.y) / 2);
            ASSERT_TRUE(rig.App().SaveScreenshot(out / ("train-drag-" + size + ".png")));
            form.pbGame.OnMouseUp(TMouseButton::mbLeft, 0, label.x, label.y);
            const CPocWagon& last = form.Wagon(3);
            form.Zoom().Show(form.pbGame.Canvas(), form.BackBuffer(), last.Y() + ph / 2, last.X() + pw / 2,
                             CZoom::WordOf(*last.Top()));
            ASSERT_TRUE(rig.App().SaveScreenshot(out / ("train-zoom-" + size + ".png")));
            form.Zoom().Hide(form.pbGame.Canvas(), form.BackBuffer());
            form.Close();
        }
        Slowa = nullptr;
        StatRec = nullptr;
    }
}
