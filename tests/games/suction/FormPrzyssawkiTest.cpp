// Making the suction-cups screen: the casings cut out of its scene, and
// error 1 for pictures that are missing or do not fit together.
#include <gtest/gtest.h>

#include "core/CBlad.h"
#include "games/suction/FormPrzyssawki.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
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
