// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture library folder and the library pictures placed on a canvas.
#include "graphics/PictureLibrary.h"

#include <gtest/gtest.h>

#include "core/CBlad.h"
#include "graphics/CObiektGraficzny.h"
#include "graphics/LoadCorrectBitmap.h"
#include "tests/TestSupport.h"

namespace {

// A picture file of one colour but the top-left pixel.
std::string Bmp24(int w, int h, TColor fill, TColor topLeft)
{
    Bitmap picture(w, h);
    picture.Fill(fill);
    picture.SetPixel(0, 0, topLeft);
    return EncodeBmp(picture);
}

}  // namespace

TEST(PictureLibrary, FindsPicturesInAnyLetterCase)
{
    ProgramSandbox sandbox;
    sandbox.Dir().Write("resource/Stop_A.BMP", Bmp24(5, 3, clRed, clWhite));
    for (const char* name : {"Stop_A", "stop_a", "STOP_A"}) {
        Bitmap target(1, 1);
        OtworzBMP(name, target);
        EXPECT_EQ(target.Width(), 5) << name;
        EXPECT_EQ(target.Height(), 3) << name;
        EXPECT_EQ(target.GetPixel(0, 0), clWhite) << name;
        EXPECT_EQ(target.GetPixel(4, 2), clRed) << name;
    }
}

TEST(PictureLibrary, RejectsUnknownDamagedAndPathNames)
{
    ProgramSandbox sandbox;
    sandbox.Dir().Write("RESOURCE/broken.bmp", "BM not really a picture");
    sandbox.Dir().Write("RESOURCE/sub/inner.bmp", Bmp24(2, 2, clRed, clRed));
    sandbox.Dir().Write("outside.bmp", Bmp24(2, 2, clRed, clRed));
    Bitmap target(7, 7);
    for (const char* name : {"missing", "broken", "", "sub\\inner", "../outside", "sub/inner"}) {
        EXPECT_THROW(OtworzBMP(name, target), EPictureLibrary) << name;
        EXPECT_EQ(target.Width(), 7) << name;  // left as it was
    }
}

TEST(CObiektGraficzny, DrawsItsPictureAndRestoresWhatItCovered)
{
    ProgramSandbox sandbox;
    sandbox.Dir().Write("RESOURCE/napis.bmp", Bmp24(4, 2, clRed, clWhite));
    CObiektGraficzny caption("napis");
    EXPECT_EQ(caption.GetWidth(), 4);
    EXPECT_EQ(caption.GetHeight(), 2);
    EXPECT_EQ(caption.X(), 0);

    Bitmap canvas(10, 10);
    canvas.Fill(RGB(1, 2, 3));
    canvas.SetPixel(6, 4, RGB(9, 9, 9));
    caption.RestoreBackground(canvas);  // nothing saved yet: nothing happens
    EXPECT_EQ(canvas.GetPixel(6, 4), RGB(9, 9, 9));
    const Bitmap before = canvas;
    caption.SetPosition(5, 3);
    caption.SaveBackground(canvas);
    caption.Draw(canvas);
    EXPECT_EQ(canvas.GetPixel(5, 3), clWhite);
    EXPECT_EQ(canvas.GetPixel(6, 4), clRed);
    EXPECT_EQ(canvas.GetPixel(9, 3), RGB(1, 2, 3));
    caption.RestoreBackground(canvas);
    EXPECT_EQ(canvas, before);

    try {
        CObiektGraficzny missing("brak");
        FAIL() << "a missing picture must not make an object";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 1);
    }
}
