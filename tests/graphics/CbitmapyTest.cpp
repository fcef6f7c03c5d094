// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "graphics/Cbitmapy.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "graphics/StretchBitmap.h"
#include "tests/TestSupport.h"
#include "tests/graphics/GraphicsTestSupport.h"

TEST(WordPicture, NamesFollowTheDataTree)
{
    EXPECT_EQ(WordPictureSmallName("kot"), "Data\\exio200b\\kot.xbi");
    EXPECT_EQ(WordPictureLargeName("kot"), "Data\\exio400j\\kot.xji");
}

TEST(WordPicture, CropsTheCentreToTheRequestedAspectBeforeScaling)
{
    ProgramSandbox sandbox;
    std::mt19937 rng(12);
    // 400 x 300: the outer 50 columns on each side must not show at 200 x 200.
    Bitmap picture = RandomBitmap(400, 300, PixelFormat::Bgr24, rng);
    picture.FillRect({0, 0, 50, 300}, RGB(255, 0, 0));
    picture.FillRect({350, 0, 400, 300}, RGB(0, 255, 0));
    sandbox.Dir().Write("Data/exio200b/kot.xbi", EncodeBmp(picture));

    const auto small = LoadWordPictureSmall("kot", 200, 200, 0);
    ASSERT_EQ(small->Width(), 200);
    ASSERT_EQ(small->Height(), 200);
    Bitmap centre(300, 300), expected(200, 200);
    centre.CopyRect(centre.Bounds(), picture, {50, 0, 350, 300});
    StretchBitmap(expected, centre);
    EXPECT_EQ(*small, expected);

    // The outline is drawn over the picture.
    const auto framed = LoadWordPictureSmall("kot", 200, 200, 1);
    EXPECT_EQ(framed->GetPixel(0, 0), clBlack);
    EXPECT_EQ(framed->GetPixel(199, 100), clBlack);
    EXPECT_EQ(framed->GetPixel(100, 199), clBlack);
    EXPECT_EQ(framed->GetPixel(1, 1), expected.GetPixel(1, 1));

    // The large picture is a JPEG.
    sandbox.Dir().Write("Data/exio400j/kot.xji", EncodeJpeg(picture, 90));
    const auto large = LoadWordPictureLarge("kot", 150, 100, 0);
    EXPECT_EQ(large->Width(), 150);
    EXPECT_EQ(large->Height(), 100);

    // A picture narrower than the aspect: the strip's sides are black.
    Bitmap tall(20, 100);
    tall.Fill(clWhite);
    const auto wide = FitWordPicture(tall, 100, 50, 0);
    EXPECT_EQ(wide->GetPixel(50, 25), clWhite);
    EXPECT_EQ(wide->GetPixel(2, 25), clBlack);
}

TEST(WordPicture, MissingOrBrokenFilesGiveABlackPicture)
{
    ProgramSandbox sandbox;
    const auto missing = LoadWordPictureSmall("brak", 30, 20, 1);
    ASSERT_EQ(missing->Width(), 30);
    ASSERT_EQ(missing->Height(), 20);
    EXPECT_EQ(*missing, Bitmap(30, 20));
    sandbox.Dir().Write("Data/exio200b/zly.xbi", "BM broken");
    sandbox.Dir().Write("Data/exio400j/zly.xji", "\xFF\xD8 broken");
    EXPECT_EQ(*LoadWordPictureSmall("zly", 8, 8, 0), Bitmap(8, 8));
    EXPECT_EQ(*LoadWordPictureLarge("zly", 8, 8, 0), Bitmap(8, 8));
    EXPECT_TRUE(LoadWordPictureSmall("zly", 0, 8, 0)->Empty());
    EXPECT_TRUE(WordPictureAsJpeg("zly", 0, 0, 1).Empty());
    const JpegImage card = WordPictureAsJpeg("brak", 40, 30, 1);
    EXPECT_EQ(card.Width(), 40);
    EXPECT_EQ(card.ToBitmap().Height(), 30);
}

TEST(WordPicture, FramedPictureSitsInsideTheMargins)
{
    ProgramSandbox sandbox;
    Bitmap word(60, 40);  // the aspect of the 24 x 16 inside
    word.Fill(RGB(0, 200, 0));
    sandbox.Dir().Write("Data/exio200b/las.xbi", EncodeBmp(word));
    Bitmap frame(30, 20);
    frame.Fill(RGB(200, 0, 0));
    const auto framed = FramedWordPicture(frame, 3, 2, "las");
    EXPECT_EQ(framed->Width(), 30);
    EXPECT_EQ(framed->GetPixel(2, 10), RGB(200, 0, 0));
    EXPECT_EQ(framed->GetPixel(3, 2), RGB(0, 200, 0));
    EXPECT_EQ(framed->GetPixel(26, 17), RGB(0, 200, 0));
    EXPECT_EQ(framed->GetPixel(27, 17), RGB(200, 0, 0));
    EXPECT_EQ(framed->GetPixel(26, 18), RGB(200, 0, 0));
}

TEST(PictureFiles, LoadersReportFailuresAndBackgroundsAreCentred)
{
    ProgramSandbox sandbox;
    Bitmap picture(10, 6);
    picture.Fill(RGB(250, 250, 0));
    sandbox.Dir().Write("Data/Intf/Spec/R2_Ttest.xji", EncodeJpeg(picture, 95));
    sandbox.Dir().Write("Data/Intf/Spec/R2_obraz.xbi", EncodeBmp(picture));
    sandbox.Dir().Write("Data/Intf/Spec/zly.xji", "not a picture");

    EXPECT_EQ(*LoadBitmapFile("Data\\Intf\\Spec\\R2_obraz.xbi"), picture);
    EXPECT_EQ(LoadJpegFile("Data\\Intf\\Spec\\R2_Ttest.xji")->Width(), 10);
    EXPECT_THROW(LoadJpegFile("Data\\Intf\\Spec\\zly.xji"), EInvalidGraphic);
    EXPECT_THROW(LoadJpegFile("Data\\Intf\\Spec\\brak.xji"), EInvalidGraphic);
    EXPECT_THROW(LoadBitmapFile("Data\\Intf\\Spec\\R2_Ttest.xji"), EInvalidGraphic);
    Bitmap any;
    LoadPictureFile(any, "Data\\Intf\\Spec\\R2_obraz.xbi");
    EXPECT_EQ(any, picture);
    LoadPictureFile(any, "Data\\Intf\\Spec\\R2_Ttest.xji");
    EXPECT_EQ(any.Height(), 6);

    Bitmap canvas(20, 20);
    DrawJpegFile(canvas, 4, 5, "Data\\Intf\\Spec\\R2_Ttest.xji");
    EXPECT_GT(GetRValue(canvas.GetPixel(4, 5)), 240u);
    EXPECT_EQ(canvas.GetPixel(3, 5), clBlack);
    DrawJpegFile(canvas, 0, 0, "Data\\Intf\\Spec\\zly.xji");  // ignored

    Bitmap background;
    MakeBackground({30, 20, 7, 3}, background, "Data\\Intf\\Spec\\R2_Ttest.xji");
    EXPECT_EQ(background.Width(), 30);
    EXPECT_EQ(background.Height(), 20);
    EXPECT_EQ(background.GetPixel(6, 3), clBlack);
    EXPECT_GT(GetRValue(background.GetPixel(7, 3)), 240u);
    MakeBackground({30, 20, 7, 3}, background, "Data\\Intf\\Spec\\brak.xji");
    EXPECT_EQ(background, Bitmap(30, 20));

    Bitmap grey(3, 3, PixelFormat::Gray8);
    ResizeBitmap24(grey, 5, 4);
    EXPECT_EQ(grey.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(grey.Width(), 5);
    EXPECT_EQ(NewBitmap24(4, 2)->Format(), PixelFormat::Bgr24);
}
