// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generated art where the screens put it: word pictures in rounded
// windows without a black corner, the suction plates on their board with the
// drop places clear of it and every word inside its plate, the music button
// clear of the screen's edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/CZoom.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "games/memory/FormMemory3.h"
#include "games/memory/MemoryHost.h"
#include "games/suction/CPssEkranikRes.h"
#include "games/suction/CPssRamka.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransBitmap.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "platform/Canvas.h"
#include "platform/Paths.h"
#include "screens/FormKoniecGry.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tools/datagen/DataTree.h"
#include "tools/datagen/InterfaceArt.h"
#include "tools/datagen/InterfaceLayout.h"
#include "tools/datagen/WordSource.h"

namespace {

constexpr TPoint kScreens[] = {{800, 600}, {1024, 768}, {1280, 1024}};

// One generated tree, with one word's pictures, for the whole suite.
class ScreenArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree_ = std::make_unique<TempDir>();
        GenerateInterface(tree_->Path());
        for (const DatagenWord& w : CatalogueWords())
            if (w.key == "autobus")
                WriteWordPictures(tree_->Path(), {w}, 1);
    }
    static void TearDownTestSuite() { tree_.reset(); }
    void TearDown() override { SetDisplay(800, 600); }

    static std::unique_ptr<TempDir> tree_;
};

std::unique_ptr<TempDir> ScreenArt::tree_;

bool NearBlack(TColor c)
{
    return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 70;
}

// Near-black pixels in the corner squares of r: there only the word picture's
// outline could be black.
int BlackInCorners(const Bitmap& b, TRect r, int side)
{
    int black = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const bool corner = (x < r.left + side || x >= r.right - side) && (y < r.top + side || y >= r.bottom - side);
            black += corner && NearBlack(b.GetPixel(x, y));
        }
    return black;
}

// The cork board and its wooden frame: warm tan, never the wall's pale blue
// or cream, the screens' red, blue, green or violet.
bool Board(TColor c)
{
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return r - b > 50 && g - b > 30 && r > g && g * 100 > r * 50 && g * 100 < r * 94;
}

// The cork and its speckles, yellower than the board's wooden frame.
bool Cork(TColor c)
{
    return Board(c) && GetRValue(c) - GetGValue(c) < 55;
}

}  // namespace

TEST_F(ScreenArt, ZoomAndWordPanelShowNoBlackCornerInsideTheirRoundedWindows)
{
    for (const TPoint screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.x) + "x" + std::to_string(screen.y));
        HeadlessRig rig(screen.x, screen.y);
        SetDisplay(screen.x, screen.y);
        SetProgramDir(tree_->Path());

        Bitmap scene(screen.x, screen.y);
        scene.Fill(RGB(200, 220, 240));
        Bitmap shown = scene;
        TCanvas canvas(shown);
        CZoom zoom(Display().Mode(), canvas, scene);
        zoom.Show(canvas, scene, screen.y / 2, screen.x / 2, {"autobus", ""});
        ASSERT_TRUE(zoom.Frame().Cache);
        const TPoint at = zoom.PictureOffset();
        const TRect window = RectXYWH(at.x, at.y, zoom.WindowMask().Width(), zoom.WindowMask().Height());
        EXPECT_EQ(BlackInCorners(*zoom.Frame().Cache, window, window.Height() / 6), 0);

        CSlowa words;
        CStatRec stats(6, nullptr);
        TFormKoniecGry summary(rig.App(), stats);
        TFormMemory3 memory(rig.App(), words, stats, summary);
        // As the board shows a found pair (the screen is its board's host,
        // privately: only a C-style cast reaches that side of it).
        MemoryHost& host = (MemoryHost&)memory;
        host.WordPanelIn("autobus");
        const TRect panel = memory.WordPanelRect();
        EXPECT_EQ(BlackInCorners(memory.BackBuffer(), panel, panel.Height() / 6), 0);
    }
}

TEST_F(ScreenArt, SuctionPlatesWaitOnTheBoardAndTheDropPlacesKeepOffIt)
{
    for (const UiMode& m : UiModes()) {
        const CDisplay display(m.backdropWidth, m.backdropHeight);
        SetDisplay(m.backdropWidth, m.backdropHeight);
        SetProgramDir(tree_->Path());
        SCOPED_TRACE(m.backdrop);
        const auto scene = LoadJpegFile(std::string("Data\\Intf\\Spec\\") + m.backdrop + "pss_tloW.xji");
        CTransBitmap plate;
        plate.LoadPair(std::string("Data\\Intf\\Spec\\") + m.prefix + "pss_ramB.xji",
                       std::string("Data\\Intf\\Spec\\") + m.prefix + "pss_ramW.xji");
        const int w = plate.Colour->Width(), h = plate.Colour->Height();
        for (int k = 0; k < CPssRamka::kHomeCount; ++k) {
            // Round a plate at home, two pixels out: cork everywhere, not
            // the board's frame nor the wall.
            const TPoint home = CPssRamka::Home(display, k);
            const TRect r = RectXYWH(home.x - w / 2 - 2, home.y - h / 2 - 2, w + 4, h + 4);
            int off = 0;
            for (int y = r.top; y < r.bottom; ++y)
                off += !Cork(scene->GetPixel(r.left, y)) + !Cork(scene->GetPixel(r.right - 1, y));
            for (int x = r.left; x < r.right; ++x)
                off += !Cork(scene->GetPixel(x, r.top)) + !Cork(scene->GetPixel(x, r.bottom - 1));
            EXPECT_EQ(off, 0) << "plate " << k;
            // Round a drop place (a plate's size at the docking point), a few
            // pixels out: nothing of the board (the yellow screen above one
            // may come as near).
            const TPoint dock = CPssEkranikRes::DockPoint(display, k);
            const TRect d = RectXYWH(dock.x - w / 2, dock.y - h / 2, w, h);
            const auto onScreen = [&](int x, int y) {
                for (int j = 0; j < CPssRamka::kHomeCount; ++j) {
                    const TRect s = CPssEkranikRes::PlaceRect(display, j);
                    if (x >= s.left - 2 && x < s.right + 2 && y >= s.top - 2 && y < s.bottom + 2)
                        return true;
                }
                return false;
            };
            int on = 0;
            for (int y = d.top - 4; y < d.bottom + 4; ++y)
                for (int x = d.left - 4; x < d.right + 4; ++x)
                    on += !d.Contains(x, y) && !onScreen(x, y) && Board(scene->GetPixel(x, y));
            EXPECT_EQ(on, 0) << "drop place " << k;
        }
    }
}

TEST_F(ScreenArt, EveryWordStaysInsideItsSuctionPlateInEveryMode)
{
    for (const UiMode& m : UiModes()) {
        SetDisplay(m.backdropWidth, m.backdropHeight);
        SetProgramDir(tree_->Path());
        ASSERT_TRUE(LoadGlobalFonts(Display().Mode()));
        CTransBitmap plate;
        plate.LoadPair(std::string("Data\\Intf\\Spec\\") + m.prefix + "pss_ramB.xji",
                       std::string("Data\\Intf\\Spec\\") + m.prefix + "pss_ramW.xji");
        const Bitmap clean(Display().AreaWidth(), Display().AreaHeight());
        // The face's rim is a few pixels wide; the word keeps off it.
        const UiSpan face = SuctionPlateFace(m);
        const int margin = std::max(4, FromMode16Rounded(m, 8));
        const int w = plate.Colour->Width();
        CSlowa words;
        for (const CSlowa::SPaczka& word : words.Words()) {
            CPssRamka ramka({w, 100}, word, clean, plate);
            ramka.Prepare(FontBold());
            ASSERT_NE(ramka.Plate(), nullptr);
            int left = w, right = -1, top = plate.Colour->Height(), bottom = -1;
            for (int y = 0; y < plate.Colour->Height(); ++y)
                for (int x = 0; x < w; ++x)
                    if (ramka.Plate()->GetPixel(x, y) != plate.Colour->GetPixel(x, y)) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            SCOPED_TRACE(std::string(m.prefix) + " " + word.Key);
            ASSERT_GE(right, 0);
            EXPECT_GE(left, margin);
            EXPECT_LT(right, w - margin);
            EXPECT_GT(top, face.first);
            EXPECT_LT(bottom, face.last);
        }
    }
}

TEST_F(ScreenArt, MusicButtonKeepsClearOfThePicturesEdgesAndSoOfTheScreens)
{
    // The button stands 4 or 5 pixels from the design area's corner: what it
    // draws keeps a few more pixels off its picture's edges, or the screen's
    // edge would seem to cut it.
    SetProgramDir(tree_->Path());
    for (const char* prefix : {"R2_", "R3_"})
        for (const char* state : {"_D", "_A"}) {
            SCOPED_TRACE(std::string(prefix) + state);
            CTransBitmap button;
            const std::string base = std::string("Data\\Intf\\Spec\\") + prefix + "glos" + state;
            button.LoadPair(base + "B.xbi", base + "W.xbi");
            const Bitmap& mask = *button.Mask;
            int left = mask.Width(), right = -1, top = mask.Height(), bottom = -1;
            for (int y = 0; y < mask.Height(); ++y)
                for (int x = 0; x < mask.Width(); ++x)
                    if (GetRValue(mask.GetPixel(x, y)) > 8) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            ASSERT_GE(right, 0);
            EXPECT_GE(std::min(left, top), 2);
            EXPECT_LE(std::max(right, bottom), mask.Width() - 3);
        }
}
