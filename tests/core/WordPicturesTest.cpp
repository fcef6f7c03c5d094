// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/CSlowa.h"
#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "core/WordPictures.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "tests/TestSupport.h"

namespace {

constexpr TColor kYellow = RGB(240, 220, 20);

// Writes a small picture file of one colour for a word.
void WriteWordPicture(const TempDir& dir, const std::string& key, TColor colour)
{
    Bitmap picture(60, 40);
    picture.Fill(colour);
    dir.Write("Data/exio200b/" + key + ".xbi", EncodeBmp(picture));
}

void ChooseFour(CSlowa& catalogue)
{
    catalogue.BuildPool(GL_S, POZ_NAGLOS);
    ASSERT_TRUE(catalogue.ChooseExercise(4, GL_S));
    ASSERT_EQ(catalogue.Exercise().size(), 4u);
}

}  // namespace

TEST(LoadPictures, FillsOnlyEmptySlotsWithOutlinedPicturesAndBlackForMissingFiles)
{
    ProgramSandbox sandbox;
    CSlowa catalogue;
    ChooseFour(catalogue);
    CSlowa::SPaczka* first = catalogue.Exercise()[0];
    WriteWordPicture(sandbox.Dir(), first->Key, kYellow);

    EXPECT_TRUE(LoadPictures(catalogue, 30, 20));
    std::vector<const Bitmap*> made;
    for (CSlowa::SPaczka* word : catalogue.Exercise()) {
        ASSERT_TRUE(word->Picture);
        EXPECT_EQ(word->Picture->Width(), 30);
        EXPECT_EQ(word->Picture->Height(), 20);
        EXPECT_EQ(word->Picture->GetPixel(0, 0), clBlack);  // the outline
        made.push_back(word->Picture.get());
    }
    EXPECT_EQ(first->Picture->GetPixel(15, 10), kYellow);
    EXPECT_EQ(catalogue.Exercise()[1]->Picture->GetPixel(15, 10), clBlack);

    // The second call for the same exercise makes none anew, even when a file appeared meanwhile.
    WriteWordPicture(sandbox.Dir(), catalogue.Exercise()[1]->Key, kYellow);
    EXPECT_TRUE(LoadPictures(catalogue, 30, 20));
    for (std::size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(catalogue.Exercise()[i]->Picture.get(), made[i]);
    EXPECT_EQ(catalogue.Exercise()[1]->Picture->GetPixel(15, 10), clBlack);
    catalogue.ReleaseAll();
}

TEST(ComposePictures, PutsTheWordInsideTheFrameAndKeepsPicturesAlreadyMade)
{
    ProgramSandbox sandbox;
    CSlowa catalogue;
    ChooseFour(catalogue);
    CSlowa::SPaczka* first = catalogue.Exercise()[0];
    WriteWordPicture(sandbox.Dir(), first->Key, kYellow);
    Bitmap frame(40, 30);
    frame.Fill(RGB(0, 0, 255));
    auto kept = std::make_unique<Bitmap>(5, 5);
    const Bitmap* keptPointer = kept.get();
    catalogue.Exercise()[3]->Picture = std::move(kept);

    EXPECT_TRUE(ComposePictures(catalogue, frame, 4, 3));
    const Bitmap& framed = *first->Picture;
    EXPECT_EQ(framed.Width(), 40);
    EXPECT_EQ(framed.Height(), 30);
    EXPECT_EQ(framed.GetPixel(3, 2), RGB(0, 0, 255));
    EXPECT_EQ(framed.GetPixel(4, 3), kYellow);   // no outline inside the frame
    EXPECT_EQ(framed.GetPixel(35, 26), kYellow);
    EXPECT_EQ(framed.GetPixel(36, 27), RGB(0, 0, 255));
    EXPECT_EQ(catalogue.Exercise()[1]->Picture->GetPixel(20, 15), clBlack);
    EXPECT_EQ(catalogue.Exercise()[3]->Picture.get(), keptPointer);

    const Bitmap* firstPointer = first->Picture.get();
    EXPECT_TRUE(ComposePictures(catalogue, frame, 4, 3));
    EXPECT_EQ(first->Picture.get(), firstPointer);
    catalogue.ReleaseAll();
}

TEST(LoadCardImages, ReplacesEveryCardFaceOfTheChosenWords)
{
    ProgramSandbox sandbox;
    CSlowa catalogue;
    CUstGry settings(3, "Memory3");
    settings.Gloski = GL_CZ;
    settings.Pozycja = POZ_NAGLOS | POZ_WYGLOS;
    catalogue.Filter(settings);
    ASSERT_TRUE(catalogue.ChooseForMemory(4));
    ASSERT_FALSE(catalogue.Chosen().empty());
    CSlowa::SPaczka* first = catalogue.Chosen()[0];
    WriteWordPicture(sandbox.Dir(), first->Key, kYellow);
    for (CSlowa::SPaczka* word : catalogue.Chosen())
        word->CardImage = "old";

    EXPECT_TRUE(LoadCardImages(catalogue, 32, 24));
    for (CSlowa::SPaczka* word : catalogue.Chosen()) {
        Bitmap face;
        ASSERT_NE(word->CardImage, "old");
        DecodeJpeg(word->CardImage, face);
        EXPECT_EQ(face.Width(), 32);
        EXPECT_EQ(face.Height(), 24);
    }
    Bitmap face;
    DecodeJpeg(first->CardImage, face);
    const TColor centre = face.GetPixel(16, 12);
    EXPECT_GT(GetRValue(centre), 200u);
    EXPECT_LT(GetBValue(centre), 60u);

    // A second call makes the faces again from the files as they are now.
    WriteWordPicture(sandbox.Dir(), first->Key, RGB(20, 20, 240));
    EXPECT_TRUE(LoadCardImages(catalogue, 32, 24));
    DecodeJpeg(first->CardImage, face);
    EXPECT_GT(GetBValue(face.GetPixel(16, 12)), 200u);
    catalogue.ReleaseAll();
}
