// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/Jpeg.h"
#include "graphics/JpegImage.h"
#include "tests/graphics/GraphicsTestSupport.h"

namespace {

// Red at the top, blue at the bottom, a green ramp left to right.
Bitmap Gradient(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(255 - y * 255 / (h - 1), x * 255 / (w - 1), y * 255 / (h - 1)));
    return b;
}

int MaxDifference(const Bitmap& a, const Bitmap& b)
{
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width() * 3; ++x)
            worst = std::max(worst, std::abs(a.ScanLine(y)[x] - b.ScanLine(y)[x]));
    return worst;
}

}  // namespace

TEST(Jpeg, RoundTripKeepsSizeOrientationAndColours)
{
    const Bitmap picture = Gradient(37, 23);
    for (bool fullChroma : {true, false}) {
        Bitmap back;
        DecodeJpeg(EncodeJpeg(picture, 95, fullChroma), back);
        ASSERT_EQ(back.Width(), 37);
        ASSERT_EQ(back.Height(), 23);
        EXPECT_EQ(back.Format(), PixelFormat::Bgr24);
        EXPECT_LE(MaxDifference(back, picture), 12);
        EXPECT_GT(GetRValue(back.GetPixel(3, 0)), 230u);
        EXPECT_GT(GetBValue(back.GetPixel(3, 22)), 230u);
    }
    // Lower quality is smaller.
    EXPECT_LT(EncodeJpeg(picture, 20).size(), EncodeJpeg(picture, 95).size());

    // Grey and 32-bit pictures are encoded too.
    Bitmap grey(8, 8, PixelFormat::Gray8);
    grey.Fill(RGB(128, 128, 128));
    Bitmap back;
    DecodeJpeg(EncodeJpeg(grey, 90), back);
    EXPECT_NEAR(static_cast<int>(Byte(back, 4, 4, 1)), Byte(grey, 4, 4, 0), 2);
    Bitmap wide = picture;
    wide.SetFormat(PixelFormat::Bgrx32);
    DecodeJpeg(EncodeJpeg(wide, 95), back);
    EXPECT_LE(MaxDifference(back, picture), 12);
    EXPECT_THROW(EncodeJpeg(Bitmap(), 90), EInvalidGraphic);
}

TEST(Jpeg, CorruptDataRaisesACleanError)
{
    const std::string good = EncodeJpeg(Gradient(64, 48), 90);
    Bitmap b(1, 1);
    b.Fill(RGB(7, 7, 7));
    const Bitmap before = b;
    EXPECT_THROW(DecodeJpeg("", b), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg("\xFF\xD8\xFF", b), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(good.substr(0, 40), b), EInvalidGraphic);
    std::string noise(3000, '\0');
    std::mt19937 rng(3);
    for (char& c : noise)
        c = static_cast<char>(rng());
    noise[0] = '\xFF', noise[1] = '\xD8';
    EXPECT_THROW(DecodeJpeg(noise, b), EInvalidGraphic);
    EXPECT_EQ(b, before);
    // Over the size limit: refused before decoding.
    EXPECT_THROW(DecodeJpeg(good, b, 64 * 47), EInvalidGraphic);

    // Damage inside the compressed data and truncation never end the process;
    // whatever decodes has the declared size.
    for (std::size_t cut = good.size() / 2; cut < good.size(); cut += 97) {
        std::string damaged = good;
        damaged[cut] = static_cast<char>(damaged[cut] ^ 0x5A);
        for (const std::string& bytes : {damaged, good.substr(0, cut)}) {
            try {
                Bitmap out;
                DecodeJpeg(bytes, out);
                EXPECT_EQ(out.Width(), 64);
                EXPECT_EQ(out.Height(), 48);
            } catch (const EInvalidGraphic&) {
            }
        }
    }
}

TEST(JpegImage, HoldsAPictureAsJpegBytes)
{
    const Bitmap picture = Gradient(20, 10);
    const JpegImage image(picture, 95);
    EXPECT_FALSE(image.Empty());
    EXPECT_EQ(image.Width(), 20);
    EXPECT_EQ(image.Height(), 10);
    EXPECT_EQ(static_cast<uint8_t>(image.Bytes()[0]), 0xFF);
    EXPECT_LE(MaxDifference(image.ToBitmap(), picture), 12);
    Bitmap canvas(30, 30);
    image.Draw(canvas, 5, 5);
    EXPECT_GT(GetRValue(canvas.GetPixel(5, 5)), 230u);
    EXPECT_EQ(canvas.GetPixel(4, 4), clBlack);
    EXPECT_TRUE(JpegImage().ToBitmap().Empty());
}
