// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups board without a window: screen places and docking, the
// plates' unfolding, the opening and the searches the hints make.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "games/suction/CPssEkranikRes.h"
#include "games/suction/CPssPlansza.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransBitmap.h"
#include "graphics/CTransFont.h"
#include "platform/Random.h"

namespace {

constexpr TColor kPlateColour = RGB(200, 40, 40);
constexpr TColor kCleanColour = RGB(10, 120, 10);
constexpr TColor kCasingColour = RGB(40, 40, 200);

struct DisplayRestorer {
    ~DisplayRestorer() { SetDisplay(800, 600); }
};

// An opaque w x h plate picture.
CTransBitmap PlatePicture(int w, int h)
{
    CTransBitmap p;
    auto colour = std::make_unique<Bitmap>(w, h);
    colour->Fill(kPlateColour);
    p.SetColour(std::move(colour));
    p.SetMask(NewMask(w, h, 255));
    return p;
}

// A scene opaque in kCasingColour with see-through windows inside every
// screen place, 10 pixels in from its edges.
CTransBitmap Scene(const CDisplay& d)
{
    CTransBitmap scene;
    auto colour = std::make_unique<Bitmap>(d.AreaWidth(), d.AreaHeight());
    colour->Fill(kCasingColour);
    auto mask = NewMask(d.AreaWidth(), d.AreaHeight(), 255);
    for (int k = 0; k < CPssEkranikRes::kPlaceCount; ++k) {
        const TRect r = CPssEkranikRes::PlaceRect(d, k);
        mask->FillRect({r.left + 10, r.top + 10, r.right - 10, r.bottom - 10}, clBlack);
    }
    scene.SetColour(std::move(colour));
    scene.SetMask(std::move(mask));
    return scene;
}

Bitmap Clean(int w, int h)
{
    Bitmap b(w, h);
    b.Fill(kCleanColour);
    return b;
}

CSlowa::SPaczka Word(const std::string& key)
{
    CSlowa::SPaczka w;
    w.Key = key;
    w.Notation = key;
    return w;
}

int CountColour(const Bitmap& b, TRect r, TColor colour)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += b.GetPixel(x, y) == colour ? 1 : 0;
    return n;
}

}  // namespace

TEST(CPssEkranikRes, PlacesCutTheCasingAndDockWithinTheirReach)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    const CTransBitmap scene = Scene(Display());
    const CPssEkranikRes place = CPssEkranikRes::Make(scene, Display(), 0);
    EXPECT_EQ(place.Rect(), (TRect{78, 180, 231, 357}));
    EXPECT_EQ(place.Dock(), (TPoint{155, 408}));
    ASSERT_TRUE(place.CutOut().Colour && place.CutOut().Mask);
    EXPECT_EQ(place.CutOut().Colour->Width(), 153);
    EXPECT_EQ(place.CutOut().Mask->GetPixel(0, 0) & 0xFF, 255u);
    EXPECT_EQ(place.CutOut().Mask->GetPixel(10, 10) & 0xFF, 0u);
    EXPECT_EQ(place.CutOut().Colour->GetPixel(0, 0), kCasingColour);

    // 60 design pixels each way across, 30 up and down; the far edges are out.
    EXPECT_TRUE(place.Docks(155 + 59, 408));
    EXPECT_FALSE(place.Docks(155 + 60, 408));
    EXPECT_TRUE(place.Docks(155 - 60, 408));
    EXPECT_FALSE(place.Docks(155 - 61, 408));
    EXPECT_TRUE(place.Docks(155, 408 - 30));
    EXPECT_FALSE(place.Docks(155, 408 + 30));
    EXPECT_TRUE(place.Contains(78, 180));
    EXPECT_FALSE(place.Contains(231, 200));

    // In 800 x 600 every value is the design's rounded by 5/8.
    SetDisplay(800, 600);
    const CTransBitmap small = Scene(Display());
    const CPssEkranikRes last = CPssEkranikRes::Make(small, Display(), 4);
    EXPECT_EQ(last.Rect(), (TRect{278, 381, 368, 484}));
    EXPECT_EQ(last.Dock(), (TPoint{323, 514}));
    EXPECT_TRUE(last.Docks(323 + 37, 514));  // reach 60 becomes 38
    EXPECT_FALSE(last.Docks(323 + 38, 514));
}

TEST(CPssRamka, UnfoldsFromItsMiddleAndStandsWholeAtZero)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    const CTransBitmap picture = PlatePicture(240, 60);
    const Bitmap clean = Clean(600, 300);
    const CSlowa::SPaczka word = Word("kot");
    CPssRamka plate({300, 150}, word, clean, picture);
    CTransFont noFont;
    plate.Prepare(noFont);
    EXPECT_EQ(plate.Rect(), (TRect{180, 120, 420, 180}));

    Bitmap target = Clean(600, 300);
    plate.SetOpening(100);
    plate.Draw(target);
    EXPECT_EQ(CountColour(target, target.Bounds(), kPlateColour), 0);

    // Halfway: 60 columns each side of the middle line, the outer ones first.
    plate.SetOpening(50);
    plate.Draw(target);
    EXPECT_EQ(CountColour(target, target.Bounds(), kPlateColour), 120 * 60);
    EXPECT_EQ(target.GetPixel(240, 150), kPlateColour);
    EXPECT_EQ(target.GetPixel(359, 150), kPlateColour);
    EXPECT_EQ(target.GetPixel(239, 150), kCleanColour);
    EXPECT_EQ(target.GetPixel(360, 150), kCleanColour);
    EXPECT_EQ(plate.ChangedArea(), (TRect{180, 120, 420, 181}));

    plate.SetOpening(-4);
    plate.Draw(target);
    EXPECT_EQ(plate.Opening(), 0);
    EXPECT_EQ(CountColour(target, plate.Rect(), kPlateColour), 240 * 60);
    EXPECT_EQ(plate.ChangedArea(), plate.Rect());

    // Dragged away it is not drawn at home; placed it sits at its dock.
    Bitmap empty = Clean(600, 300);
    plate.SetAtHome(false);
    plate.Draw(empty);
    EXPECT_EQ(CountColour(empty, empty.Bounds(), kPlateColour), 0);
    plate.PlaceAt({150, 100});
    plate.Draw(empty);
    EXPECT_EQ(CountColour(empty, RectXYWH(30, 70, 240, 60), kPlateColour), 240 * 60);

    // A plate under 200 pixels wide shows nothing at the first step.
    const CTransBitmap narrow = PlatePicture(150, 40);
    CPssRamka small({100, 100}, word, clean, narrow);
    small.Prepare(noFont);
    small.SetOpening(99);
    Bitmap t = Clean(600, 300);
    small.Draw(t);
    EXPECT_EQ(CountColour(t, t.Bounds(), kPlateColour), 0);
}

TEST(CPssPlansza, OpensOnceAndTicksDownToIdle)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    SeedRandom(11);
    const CTransBitmap scene = Scene(Display());
    std::vector<CPssEkranikRes> places;
    for (int k = 0; k < 5; ++k)
        places.push_back(CPssEkranikRes::Make(scene, Display(), k));
    const Bitmap snow = Clean(320, 240);
    const Bitmap clean = Clean(1280, 960);
    const CTransBitmap picture = PlatePicture(276, 84);
    std::vector<CSlowa::SPaczka> words;
    for (const char* key : {"a", "b", "c", "d", "e"})
        words.push_back(Word(key));
    CPssPlansza board;
    for (int k = 0; k < 5; ++k) {
        board.AddScreen(std::make_unique<CPssEkranik>(places[static_cast<std::size_t>(k)], snow, words[static_cast<std::size_t>(k)]));
        board.AddPlate(std::make_unique<CPssRamka>(CPssRamka::Home(Display(), k), words[static_cast<std::size_t>(4 - k)], clean, picture));
    }
    EXPECT_FALSE(board.Busy());
    board.StartOpening();
    ASSERT_TRUE(board.Busy());
    std::set<int> openings;
    for (int k = 0; k < 5; ++k) {
        EXPECT_GE(board.Plate(k).Opening(), 120);
        EXPECT_LT(board.Plate(k).Opening(), 320);
        EXPECT_GE(board.Screen(k).SnowTicks(), 30);
        EXPECT_LT(board.Screen(k).SnowTicks(), 55);
        openings.insert(board.Plate(k).Opening());
    }
    EXPECT_GT(openings.size(), 1u);

    // During the opening no plate can be taken, not even one partly shown.
    const TPoint home = CPssRamka::Home(Display(), 0);
    board.Plate(0).SetOpening(40);
    EXPECT_EQ(board.FreePlateAt(home.x, home.y), nullptr);
    EXPECT_EQ(board.PlateAt(home.x, home.y), &board.Plate(0));

    int ticks = 0;
    while (board.Tick())
        ++ticks;
    EXPECT_GE(ticks, 30);
    EXPECT_LE(ticks, 54);
    EXPECT_FALSE(board.Busy());
    EXPECT_EQ(board.FreePlateAt(home.x, home.y), &board.Plate(0));

    // A second visit does not open again.
    board.StartOpening();
    EXPECT_FALSE(board.Busy());
}

TEST(CPssPlansza, SearchesAndTheHintsChoices)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    const CTransBitmap scene = Scene(Display());
    const CPssEkranikRes place = CPssEkranikRes::Make(scene, Display(), 0);
    const Bitmap snow = Clean(320, 240);
    const Bitmap clean = Clean(1280, 960);
    const CTransBitmap picture = PlatePicture(100, 40);
    const CSlowa::SPaczka a = Word("a"), b = Word("b");
    CPssPlansza board;
    EXPECT_EQ(board.RandomUnplacedPlate(), nullptr);
    EXPECT_EQ(board.ScreenForPlate(nullptr), nullptr);
    // Two overlapping plates: the first in the list wins.
    board.AddPlate(std::make_unique<CPssRamka>(TPoint{500, 500}, a, clean, picture));
    board.AddPlate(std::make_unique<CPssRamka>(TPoint{520, 500}, b, clean, picture));
    board.AddScreen(std::make_unique<CPssEkranik>(place, snow, b));
    board.AddScreen(std::make_unique<CPssEkranik>(place, snow, a));
    EXPECT_EQ(board.PlateAt(510, 500), &board.Plate(0));
    EXPECT_EQ(board.PlateAt(565, 500), &board.Plate(1));
    EXPECT_EQ(board.ScreenAt(100, 200), &board.Screen(0));
    EXPECT_EQ(board.ScreenDockingAt(155, 408), &board.Screen(0));
    EXPECT_EQ(board.ScreenForPlate(&board.Plate(0)), &board.Screen(1));
    EXPECT_EQ(board.ScreenForPlate(&board.Plate(1)), &board.Screen(0));

    // One plate left: always that one; none left: nothing.
    board.Plate(0).PlaceAt({155, 408});
    EXPECT_EQ(board.FreePlateAt(500, 500), &board.Plate(1));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(board.RandomUnplacedPlate(), &board.Plate(1));
    board.Plate(1).PlaceAt({155, 408});
    EXPECT_EQ(board.RandomUnplacedPlate(), nullptr);
    EXPECT_EQ(board.UnplacedCount(), 0);
}

TEST(CPssEkranik, SnowJumpsBetweenCornersThenThePictureUnderTheCasing)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    const CTransBitmap scene = Scene(Display());
    const CPssEkranikRes place = CPssEkranikRes::Make(scene, Display(), 0);
    // Snow whose four corners differ: left half dark, right half light, with
    // a brighter bottom half.
    Bitmap snow(320, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            snow.SetPixel(x, y, RGB(x < 160 ? 20 : 200, y < 120 ? 20 : 200, 0));
    const CSlowa::SPaczka word = Word("no-such-word");
    CPssEkranik screen(place, snow, word);
    screen.SetSnowTicks(3);
    Bitmap target = Clean(1280, 960);
    const TRect r = place.Rect();
    std::set<TColor> seen;
    for (int i = 0; i < 4; ++i) {
        screen.Draw(target);
        seen.insert(target.GetPixel(r.left + 20, r.top + 100));
        // The casing stays in front of the snow.
        EXPECT_EQ(target.GetPixel(r.left + 2, r.top + 2), kCasingColour);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_FALSE(screen.PictureLoaded());

    // A word without a picture file: the screen still draws, no fault.
    screen.SetSnowTicks(0);
    screen.Draw(target);
    EXPECT_TRUE(screen.PictureLoaded());
    EXPECT_EQ(target.GetPixel(r.left + 2, r.top + 2), kCasingColour);
    screen.ReleasePicture();
    EXPECT_FALSE(screen.PictureLoaded());
}
