// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "games/train/CPocRegal.h"
#include "graphics/CTransFont.h"
#include "graphics/GlobalFonts.h"
#include "graphics/CDisplay.h"
#include "platform/Random.h"

namespace {

std::unique_ptr<Bitmap> Picture(const std::string&) { return std::make_unique<Bitmap>(20, 20); }

struct DisplayRestorer {
    ~DisplayRestorer() { SetDisplay(800, 600); }
};

int ActiveCount(const CPocRegal& shelf)
{
    int n = 0;
    for (int k = 0; k < CPocRegal::kBoxCount; ++k)
        n += shelf.Box(k).Active ? 1 : 0;
    return n;
}

}  // namespace

TEST(CPocRegal, BoxPlacementAndPictureNames)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    CPocPudlo::SPlace p = CPocPudlo::Placement(Display(), 11, 0, 32);
    EXPECT_EQ(p.x, 928);
    EXPECT_EQ(p.y, 383 + 32);
    EXPECT_EQ(p.dx, 61);
    EXPECT_EQ(p.dy, 82);  // the label point sits 2 rows above the table's
    EXPECT_EQ(p.pictureName, "Data\\Intf\\Spec\\R5_poc_regp43.xji");
    // Mode 2 rounds: 341 * 0.625 = 213.125, 69 * 0.625 = 43.125, 65 * 0.625 = 40.625.
    SetDisplay(800, 600);
    p = CPocPudlo::Placement(Display(), 1, 0, 0);
    EXPECT_EQ(p.x, 213);
    EXPECT_EQ(p.dx, 43);
    EXPECT_EQ(p.dy, 41);
    EXPECT_EQ(p.pictureName, "Data\\Intf\\Spec\\R2_poc_regp21.xji");
    SetDisplay(1024, 768);
    EXPECT_EQ(CPocPudlo::Placement(Display(), 4, 0, 0).pictureName, "Data\\Intf\\Spec\\R3_poc_regp12.xji");
}

TEST(CPocRegal, DropTargetIsASquareAroundTheLabelPoint)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    CPocRegal shelf(0, 0, Picture);
    const CPocPudlo& box = shelf.Box(0);
    const TPoint label = box.LabelPoint();
    EXPECT_EQ(label, (TPoint{155 + 115, 81 + 66}));
    const int r = CPocPudlo::TargetRadius();
    EXPECT_EQ(r, 50);
    EXPECT_TRUE(box.Hit(label.x - r, label.y));
    EXPECT_FALSE(box.Hit(label.x + r, label.y));
    EXPECT_TRUE(box.Hit(label.x + r - 1, label.y + r - 1));
    EXPECT_FALSE(box.Hit(label.x, label.y - r - 1));
    EXPECT_EQ(shelf.BoxAt(label.x, label.y), &box);
    SetDisplay(800, 600);
    EXPECT_EQ(CPocPudlo::TargetRadius(), 31);
}

TEST(CPocRegal, OneSoundShowsOneBox)
{
    SeedRandom(5);
    CPocRegal shelf(0, 0, Picture);
    CUstGry settings(1, "Pociag");
    settings.Gloski = static_cast<int16_t>(GL_CZ);
    shelf.NewGame(settings);
    EXPECT_EQ(ActiveCount(shelf), 1);
    CPocPudlo* box = shelf.BoxForSound(GL_CZ);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Key, GL_CZ);
    const TPoint label = box->LabelPoint();
    EXPECT_EQ(shelf.BoxAt(label.x, label.y), box);
    EXPECT_EQ(shelf.BoxForSound(GL_SZ), nullptr);
    // The hidden boxes take no drops and hold no sound.
    for (int k = 0; k < CPocRegal::kBoxCount; ++k) {
        const CPocPudlo& other = shelf.Box(k);
        if (&other == box)
            continue;
        EXPECT_EQ(other.Key, 0);
        EXPECT_EQ(shelf.BoxAt(other.LabelPoint().x, other.LabelPoint().y), nullptr);
    }
}

TEST(CPocRegal, PractisedSoundsLandInRandomBoxes)
{
    CUstGry settings(1, "Pociag");
    settings.Gloski = static_cast<int16_t>(GL_S | GL_SZ | GL_DZZZ);
    std::set<int> placesOfS;
    for (int seed = 1; seed <= 20; ++seed) {
        SeedRandom(static_cast<uint32_t>(seed));
        CPocRegal shelf(0, 0, Picture);
        shelf.NewGame(settings);
        EXPECT_EQ(ActiveCount(shelf), 3);
        std::set<int> keys;
        for (int k = 0; k < CPocRegal::kBoxCount; ++k)
            if (shelf.Box(k).Active) {
                keys.insert(shelf.Box(k).Key);
                if (shelf.Box(k).Key == GL_S)
                    placesOfS.insert(k);
            }
        EXPECT_EQ(keys, (std::set<int>{GL_S, GL_SZ, GL_DZZZ}));
    }
    EXPECT_GT(placesOfS.size(), 3u);
}

namespace {

std::unique_ptr<CTByteBitmap> Block(int w, int h)
{
    auto bmp = std::make_unique<CTByteBitmap>();
    bmp->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bmp->Set(x, y, 255);
    return bmp;
}

// The rows of a column range that hold any black pixel.
std::vector<int> InkRows(const Bitmap& b, int left, int right)
{
    std::vector<int> rows;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = left; x < right; ++x)
            if (b.GetPixel(x, y) == clBlack) {
                rows.push_back(y);
                break;
            }
    return rows;
}

}  // namespace

TEST(CPocRegal, LabelsTwoSpellingsOnTwoCloseLinesCentredOnTheLabelPoint)
{
    DisplayRestorer restore;
    SetDisplay(1280, 960);
    CTransFont& font = FontLabel();
    font.Reset();
    font.SetMetrics(20, 2, 14);
    const int letter = font.AddGlyph(0, 0, Block(10, 20));
    for (int c = 33; c < 256; ++c)
        font.MapChar(static_cast<uint8_t>(c), static_cast<uint8_t>(letter));

    CPocRegal shelf(0, 0, [](const std::string&) {
        auto white = std::make_unique<Bitmap>(20, 20);
        white->Fill(clWhite);
        return white;
    });
    CPocPudlo& box = shelf.Box(5);
    box.Key = GL_ZRZ;  // "RZ" above "Ż"
    Bitmap target(1280, 960);
    target.Fill(clWhite);
    box.Draw(target);
    const TPoint label = box.LabelPoint();
    const std::vector<int> rows = InkRows(target, label.x - 100, label.x + 100);
    ASSERT_EQ(rows.size(), 40u);
    // Two lines of 20 rows, 14 - 12 = 2 rows apart.
    EXPECT_EQ(rows[19] + 3, rows[20]);
    EXPECT_EQ(rows.front(), label.y + 5 - (20 + 2 + 20) / 2);
    // "RZ" is 2 glyphs of 10 plus a spacing, centred on the label point.
    int left = 2000, right = -1;
    for (int x = 0; x < target.Width(); ++x)
        if (target.GetPixel(x, rows.front()) == clBlack) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    EXPECT_NEAR((left + right + 1) / 2.0, label.x, 1.5);
    EXPECT_EQ(font.LineGap(), 14) << "the font's own gap is back";

    // A box not in use draws nothing.
    target.Fill(clWhite);
    box.Active = false;
    box.Draw(target);
    EXPECT_TRUE(InkRows(target, 0, 1280).empty());
    font.Reset();
}
