// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Making the suction-cups screen: the casings cut out of its scene, and
// error 1 for pictures that are missing or do not fit together.
#include <gtest/gtest.h>

#include "controls/CPrzyciskW.h"
#include "core/CBlad.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "games/suction/FormPrzyssawki.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
#include "platform/Clock.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/games/train/TrainTestSupport.h"

namespace {

constexpr TColor kWall = RGB(200, 220, 255);
constexpr TColor kPlate = RGB(255, 250, 240);

struct DisplayRestorer {
    ~DisplayRestorer() { SetDisplay(800, 600); }
};

Bitmap Solid(int w, int h, TColor colour, PixelFormat format = PixelFormat::Bgr24)
{
    Bitmap b(w, h, format);
    b.Fill(colour);
    return b;
}

// Every picture the screen loads in 1024 x 768: a wall whose screen windows
// are see-through, a plate, a highlight, the snow and the four buttons.
void WriteSuctionData(const TempDir& dir, int sceneWidth = 1024)
{
    const CDisplay& d = Display();
    Bitmap mask = Solid(sceneWidth, 768, clWhite, PixelFormat::Gray8);
    for (int k = 0; k < 5; ++k) {
        const TRect r = CPssEkranikRes::PlaceRect(d, k);
        mask.FillRect({r.left + 8, r.top + 8, r.right - 8, r.bottom - 8}, clBlack);
    }
    WritePair(dir, "Data/Intf/Spec/R3_pss_tlo", ".xji", Solid(sceneWidth, 768, kWall), mask);
    WritePair(dir, "Data/Intf/Spec/R3_pss_ram", ".xji", Solid(221, 67, kPlate), Solid(221, 67, clWhite, PixelFormat::Gray8));
    WritePair(dir, "Data/Intf/Spec/R3_pss_pod", ".xji", Solid(269, 112, clWhite), Solid(269, 112, clWhite, PixelFormat::Gray8));
    WriteJpegPicture(dir, "Data/Intf/Spec/R5_pss_snieg.xji", 320, 240, RGB(128, 128, 128));
    WritePair(dir, "Data/Intf/Spec/R3_gwiazdka", ".xji", Solid(20, 20, RGB(255, 200, 0)),
              Solid(20, 20, clWhite, PixelFormat::Gray8));
    for (const char* button : {"stop", "pomoc", "dalej", "wstecz"})
        WriteButtonPictures(dir, button, 64, 60);
}

int CreationError(HeadlessRig& rig)
{
    try {
        TFormPrzyssawki form(rig.App());
    } catch (const CBlad& e) {
        return e.Code;
    }
    return 0;
}

}  // namespace

TEST(FormPrzyssawki, CutsTheCasingsOutOfItsSceneDrawnOnWhite)
{
    DisplayRestorer restore;
    HeadlessRig rig(1024, 768);
    SetDisplay(1024, 768);
    WriteSuctionData(rig.Dir());
    TFormPrzyssawki form(rig.App());
    EXPECT_EQ(form.GameId(), 2);
    EXPECT_FALSE(form.Active());
    for (int k = 0; k < 5; ++k) {
        const CPssEkranikRes& place = form.Place(k);
        EXPECT_EQ(place.Rect(), CPssEkranikRes::PlaceRect(Display(), k));
        const Bitmap& mask = *place.CutOut().Mask;
        EXPECT_GT(mask.ScanLine(2)[2], 240);                          // the casing
        EXPECT_LT(mask.ScanLine(mask.Height() / 2)[mask.Width() / 2], 15);  // the window
        // The clean scene shows the window white, the casing in its colour.
        const TRect r = place.Rect();
        EXPECT_TRUE(Near(form.Clean().GetPixel(r.left + 2, r.top + 2), kWall));
        EXPECT_TRUE(Near(form.Clean().GetPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2), clWhite));
    }
    EXPECT_EQ(form.PlatePicture().Colour->Width(), 221);
}

TEST(FormPrzyssawki, MissingOrMismatchedPicturesAreErrorOne)
{
    DisplayRestorer restore;
    {
        HeadlessRig rig(1024, 768);
        SetDisplay(1024, 768);
        EXPECT_EQ(CreationError(rig), 1);  // nothing there at all
    }
    {
        // The scene's two halves of different sizes.
        HeadlessRig rig(1024, 768);
        SetDisplay(1024, 768);
        WriteSuctionData(rig.Dir());
        rig.Dir().Write("Data/Intf/Spec/R3_pss_tloW.xji", EncodeJpeg(Solid(1000, 768, kWall), 90));
        EXPECT_EQ(CreationError(rig), 1);
    }
    {
        // A damaged highlight.
        HeadlessRig rig(1024, 768);
        SetDisplay(1024, 768);
        WriteSuctionData(rig.Dir());
        rig.Dir().Write("Data/Intf/Spec/R3_pss_podW.xji", "not a picture");
        EXPECT_EQ(CreationError(rig), 1);
    }
    {
        // No "dalej" button.
        HeadlessRig rig(1024, 768);
        SetDisplay(1024, 768);
        WriteSuctionData(rig.Dir());
        for (const char* suffix : {"_A", "_D", "_M", "_"})
            std::filesystem::remove(rig.Dir().Path() / "RESOURCE" / (std::string("dalej") + suffix + ".bmp"));
        EXPECT_EQ(CreationError(rig), 1);
    }
}

namespace {

// The suction-cups settings for one test, put back afterwards.
struct SuctionSettings {
    CUstGry saved = UstPrzyssawki;
    SuctionSettings(int32_t sounds, int32_t positions, int poziom)
    {
        UstPrzyssawki.Gloski = static_cast<int16_t>(sounds);
        UstPrzyssawki.Pozycja = static_cast<int16_t>(positions);
        UstPrzyssawki.Poziom = static_cast<int16_t>(poziom);
    }
    ~SuctionSettings() { UstPrzyssawki = saved; }
};

}  // namespace

TEST(FormPrzyssawki, AmountsGiveBoardsAndAShortExerciseGivesOnlyWholeBoards)
{
    EXPECT_EQ(TFormPrzyssawki::BoardsForLevel(1), 3);
    EXPECT_EQ(TFormPrzyssawki::BoardsForLevel(2), 5);
    EXPECT_EQ(TFormPrzyssawki::BoardsForLevel(3), 7);
    EXPECT_EQ(TFormPrzyssawki::BoardsForLevel(0), 0);
    EXPECT_EQ(TFormPrzyssawki::BoardsForLevel(4), 0);

    TrainRig rig(1024, 768, GL_SZ, 1, {}, false);
    WriteSuctionData(rig.Dir());
    TFormPrzyssawki form(rig.App());
    {
        // An amount out of range would make a game of no boards: refused.
        SuctionSettings settings(GL_SZ, POZ_WSZYSTKIE, 9);
        EXPECT_FALSE(form.EnoughWords());
    }
    // A sound and position with fewer words than seven boards need.
    int32_t sound = 0;
    for (int32_t bit = 1; bit <= GL_DZZZ && sound == 0; bit <<= 1) {
        const int n = rig.Catalogue().BuildPool(bit, POZ_WSZYSTKIE);
        if (n >= 5 && n < 35)
            sound = bit;
    }
    if (sound == 0)
        GTEST_SKIP() << "every sound has words for seven boards";
    SuctionSettings settings(sound, POZ_WSZYSTKIE, 3);
    EXPECT_FALSE(form.EnoughWords());
    // Started all the same (as a new game from the summary would be).
    form.Show();
    rig.App().ProcessMessages();
    const int dealt = static_cast<int>(rig.Catalogue().Exercise().size());
    ASSERT_GE(dealt, 5);
    EXPECT_EQ(form.BoardCount(), dealt / 5);
    EXPECT_EQ(form.WordsRemaining(), form.BoardCount() * 5);
    EXPECT_EQ(form.CurrentBoard(), 0);
    EXPECT_TRUE(form.Active());
    form.Close();
}

TEST(FormPrzyssawki, ThreeBoardsWithDalejAndWsteczShownAsTheBoardAllows)
{
    TrainRig rig(1024, 768, GL_SZ, 1, {}, false);
    WriteSuctionData(rig.Dir());
    TFormPrzyssawki form(rig.App());
    SuctionSettings settings(GL_SZ, POZ_NAGLOS, 1);
    ASSERT_TRUE(form.EnoughWords());
    form.Show();
    rig.App().ProcessMessages();
    ASSERT_EQ(form.BoardCount(), 3);
    EXPECT_EQ(form.WordsRemaining(), 15);
    auto settle = [&] {
        for (int i = 0; i < 100 && form.Busy(); ++i) {
            TheClock().Sleep(TFormPrzyssawki::kTimerMs);
            rig.App().ProcessMessages();
        }
        ASSERT_FALSE(form.Busy());
    };
    EXPECT_TRUE(form.Busy());
    EXPECT_TRUE(form.ButtonDalej().Visible());
    EXPECT_FALSE(form.ButtonWstecz().Visible());
    form.actDalej.Execute();  // ignored while the board opens
    EXPECT_EQ(form.CurrentBoard(), 0);
    settle();

    form.actDalej.Execute();
    EXPECT_EQ(form.CurrentBoard(), 1);
    EXPECT_TRUE(form.Busy());  // a first visit opens
    EXPECT_TRUE(form.ButtonDalej().Visible() && form.ButtonWstecz().Visible());
    settle();
    form.actDalej.Execute();
    EXPECT_EQ(form.CurrentBoard(), 2);
    EXPECT_FALSE(form.ButtonDalej().Visible());
    EXPECT_TRUE(form.ButtonWstecz().Visible());
    settle();

    form.actWstecz.Execute();
    form.actWstecz.Execute();
    EXPECT_EQ(form.CurrentBoard(), 0);
    EXPECT_FALSE(form.Busy());  // boards seen before do not open again
    EXPECT_TRUE(form.ButtonDalej().Visible());
    EXPECT_FALSE(form.ButtonWstecz().Visible());
    // Every plate of the board left was let go, those of the board shown are made.
    EXPECT_FALSE(form.Board(2).Plate(0).Prepared());
    EXPECT_TRUE(form.Board(0).Plate(0).Prepared());
    form.Close();
}
