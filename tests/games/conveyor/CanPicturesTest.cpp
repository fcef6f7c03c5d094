// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/conveyor/CanPictures.h"
#include "tests/games/conveyor/ConveyorTestSupport.h"

namespace {

// A mode-2 can: opaque blue, its window see-through but for a half-opaque
// white glint in the window's corner pixel.
CTransBitmap CanWithWindow(int w, int h, TRect window)
{
    CTransBitmap can = SolidPicture(w, h, RGB(0, 0, 200));
    can.Mask->FillRect(window, clBlack);
    can.Colour->SetPixel(window.left, window.top, clWhite);
    can.Mask->FillRect(RectXYWH(window.left, window.top, 1, 1), RGB(128, 128, 128));
    return can;
}

}  // namespace

TEST(CanPictures, TheWordFillsEachWindowUnderItsGlassAndTheWindowBecomesOpaque)
{
    const TRect lower = CanPictures::LowerWindow(2), upper = CanPictures::UpperWindow(2);
    CanPictures cans(CanWithWindow(95, 115, lower), CanWithWindow(93, 113, upper), 2);
    ConveyorWords words;
    CSlowa::SPaczka& word = const_cast<CSlowa::SPaczka&>(words.Add(GL_SZ));
    word.Picture = std::make_unique<Bitmap>(lower.Width(), lower.Height());
    word.Picture->Fill(RGB(250, 0, 0));

    const std::unique_ptr<CTasPuszka> can = cans.MakeCan(word, 3, 25);
    for (uint8_t face : {0, 1}) {
        can->upper = face;
        const TRect window = face ? upper : lower;
        const Bitmap& picture = can->Picture();
        EXPECT_EQ(picture.GetPixel(window.left + 5, window.top + 5), RGB(250, 0, 0));
        EXPECT_EQ(picture.GetPixel(window.right - 1, window.bottom - 1), RGB(250, 0, 0));
        // The glint lies over the word, half and half.
        const TColor glint = picture.GetPixel(window.left, window.top);
        EXPECT_NEAR(static_cast<int>(glint & 0xFF), 252, 2);
        EXPECT_NEAR(static_cast<int>((glint >> 8) & 0xFF), 128, 2);
        EXPECT_EQ(picture.GetPixel(2, 2), RGB(0, 0, 200));
        // Opaque over the whole of its own window, the corners included.
        for (TPoint p : {TPoint{window.left, window.top}, TPoint{window.right - 1, window.bottom - 1}})
            EXPECT_EQ(can->Mask().GetPixel(p.x, p.y) & 0xFF, 255u) << int(face) << " " << p.x << "," << p.y;
    }
    // The can's own pictures: the shared colour pictures stay as they were.
    EXPECT_EQ(cans.Lower().Colour->GetPixel(lower.left + 5, lower.top + 5), RGB(0, 0, 200));
}
