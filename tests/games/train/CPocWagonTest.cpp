// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/train/CPocWagon.h"
#include "graphics/CDisplay.h"
#include "tests/TestSupport.h"

namespace {

constexpr TColor kFront = RGB(10, 20, 200);
constexpr TColor clGreen = RGB(0, 200, 0);
constexpr TColor clYellow = RGB(250, 240, 0);

// A 40 x 30 front: opaque, with a transparent window (5, 5)-(35, 20).
CTransBitmap Front()
{
    CTransBitmap front;
    auto colour = std::make_unique<Bitmap>(40, 30);
    colour->Fill(kFront);
    auto mask = std::make_unique<Bitmap>(40, 30, PixelFormat::Gray8);
    mask->Fill(clWhite);
    mask->FillRect({5, 5, 35, 20}, clBlack);
    front.SetColour(std::move(colour));
    front.SetMask(std::move(mask));
    return front;
}

CSlowa::SPaczka Word(TColor colour)
{
    CSlowa::SPaczka word;
    word.Picture = std::make_unique<Bitmap>(40, 30);
    word.Picture->Fill(colour);
    return word;
}

struct DisplayRestorer {
    ~DisplayRestorer() { SetDisplay(800, 600); }
};

}  // namespace

TEST(CPocWagon, PlacementPerDisplayMode)
{
    DisplayRestorer restore;
    SetDisplay(800, 600);
    const CPocWagon::SPlace a = CPocWagon::Placement(Display(), 4);
    EXPECT_EQ(a.x, 653);
    EXPECT_EQ(a.y, 401);
    EXPECT_EQ(a.clearance, 379);
    // Mode 4 converts the large values, truncating: 1046 * 0.8 = 836.8.
    SetDisplay(1024, 768);
    const CPocWagon::SPlace b = CPocWagon::Placement(Display(), 4);
    EXPECT_EQ(b.x, 836);
    EXPECT_EQ(b.y, 514);
    EXPECT_EQ(b.clearance, 485);
    SetDisplay(1280, 960);
    const CPocWagon::SPlace c = CPocWagon::Placement(Display(), 2);
    EXPECT_EQ(c.x, 590);
    EXPECT_EQ(c.y, 643);
    EXPECT_EQ(c.clearance, 604);
    // On the taller screen the picture sits 32 rows lower.
    SetDisplay(1280, 1024);
    const CPocWagon::SPlace d = CPocWagon::Placement(Display(), 1);
    EXPECT_EQ(d.x, 368);
    EXPECT_EQ(d.y, 675);
    EXPECT_EQ(d.clearance, 634);
    EXPECT_THROW(CPocWagon::Placement(Display(), 0), std::out_of_range);
}

TEST(CPocWagon, OnlyAWagonWithAPictureIsHitInsideItsFront)
{
    CPocWagon wagon(100, 200, Front(), 170);
    EXPECT_EQ(wagon.Rect(), (TRect{100, 200, 140, 230}));
    EXPECT_FALSE(wagon.Hit(110, 210));
    CSlowa::SPaczka a = Word(clRed);
    wagon.Push(&a);
    EXPECT_TRUE(wagon.Hit(100, 200));
    EXPECT_TRUE(wagon.Hit(139, 229));
    EXPECT_FALSE(wagon.Hit(140, 210));
    EXPECT_FALSE(wagon.Hit(110, 230));
    EXPECT_FALSE(wagon.Hit(99, 210));
}

TEST(CPocWagon, LiftedPictureMoves)
{
    // Rest at (100, 200), clearance line 170, picture 30 high: clear at y <= 140.
    CPocWagon wagon(100, 200, Front(), 170);
    EXPECT_TRUE(wagon.MoveRule(100, 201, 200, 30).refused);
    CPocWagon::SMove m = wagon.MoveRule(110, 180, 200, 30);
    EXPECT_FALSE(m.refused);
    EXPECT_FALSE(m.out);
    EXPECT_EQ(m.x, 100);  // within 15 pixels: back on the column
    EXPECT_EQ(m.y, 180);
    m = wagon.MoveRule(115, 180, 200, 30);
    EXPECT_EQ(m.x, 115);  // 15 away is too far to snap
    EXPECT_EQ(m.y, 180);
    // Once clear, it slides along the line instead of sinking back in.
    m = wagon.MoveRule(160, 150, 140, 30);
    EXPECT_EQ(m.x, 160);
    EXPECT_EQ(m.y, 140);
    EXPECT_FALSE(m.out);
    m = wagon.MoveRule(160, 140, 150, 30);
    EXPECT_TRUE(m.out);
    EXPECT_EQ(m.y, 140);
}

TEST(CPocWagon, PointerHeldAsTheConfinementHoldsIt)
{
    CPocWagon wagon(100, 200, Front(), 170);
    const TPoint grab{20, 10};
    // Lifting: on the press column, never below the press point.
    EXPECT_EQ(wagon.ConfinedPointer({300, 250}, grab, false, 30), (TPoint{120, 210}));
    EXPECT_EQ(wagon.ConfinedPointer({50, 120}, grab, false, 30), (TPoint{120, 120}));
    // Carrying: anywhere above the row where the picture's bottom meets the line.
    EXPECT_EQ(wagon.ConfinedPointer({300, 250}, grab, true, 30), (TPoint{300, 150}));
    EXPECT_EQ(wagon.ConfinedPointer({5, 40}, grab, true, 30), (TPoint{5, 40}));
}

TEST(CPocWagon, DrawsTheFrontOverItsTopPicture)
{
    CPocWagon wagon(10, 20, Front(), 0);
    Bitmap target(80, 60);
    target.Fill(clWhite);
    wagon.DrawWithPicture(target);
    EXPECT_EQ(target.GetPixel(0, 0), clWhite) << "an empty wagon draws nothing";
    CSlowa::SPaczka a = Word(clRed), b = Word(clGreen);
    wagon.Push(&a);
    wagon.Push(&b);
    wagon.DrawWithPicture(target);
    EXPECT_EQ(target.GetPixel(10 + 20, 20 + 10), clGreen);  // the window shows the top picture
    EXPECT_EQ(target.GetPixel(10 + 1, 20 + 1), kFront);
    EXPECT_EQ(target.GetPixel(10 + 20, 20 + 25), kFront);
    EXPECT_EQ(target.GetPixel(9, 20), clWhite);

    // The front alone keeps what the target holds in the window.
    Bitmap scene(80, 60);
    scene.Fill(clYellow);
    wagon.DrawFront(scene);
    EXPECT_EQ(scene.GetPixel(10 + 20, 20 + 10), clYellow);
    EXPECT_EQ(scene.GetPixel(10 + 1, 20 + 1), kFront);
}

