// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "graphics/Jpeg.h"
#include "graphics/JpegImage.h"
#include "tests/TestSupport.h"
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

// Each kind of damaged file the fuzzing seeds describe, one after another on
// one thread, each followed by a sound picture: a refusal must not leave the
// decoder refusing the pictures that come after it.
TEST(Jpeg, ADamagedFileDoesNotSpoilTheNextPicture)
{
    const std::string good = EncodeJpeg(Gradient(40, 30), 90);
    int damaged = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() / "fuzz" / "corpus" / "jpeg")) {
        if (entry.path().filename().string().rfind("damage_", 0) != 0)
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ++damaged;
        try {
            Bitmap out;
            DecodeJpeg(bytes, out);
        } catch (const EInvalidGraphic&) {
        }
        Bitmap next;
        ASSERT_NO_THROW(DecodeJpeg(good, next)) << "after " << entry.path().filename();
        EXPECT_EQ(next.Width(), 40);
    }
    EXPECT_GE(damaged, 10);
}

// A stream without its quantisation tables cannot be decoded; the library
// keeps the tables of an earlier stream on the same decoder, so a picture shown
// before must not make such a file decode.
TEST(Jpeg, AFileWithoutItsTablesIsRefusedWhateverCameBefore)
{
    const std::string good = EncodeJpeg(Gradient(40, 30), 90);
    std::string stripped = good;
    for (size_t at = 2; at + 4 <= stripped.size() && static_cast<unsigned char>(stripped[at]) == 0xFF;) {
        const size_t length = static_cast<unsigned char>(stripped[at + 2]) * 256u + static_cast<unsigned char>(stripped[at + 3]);
        if (static_cast<unsigned char>(stripped[at + 1]) == 0xDB)
            stripped.erase(at, length + 2);
        else if (static_cast<unsigned char>(stripped[at + 1]) == 0xDA)
            break;
        else
            at += length + 2;
    }
    ASSERT_LT(stripped.size(), good.size());
    Bitmap out;
    EXPECT_THROW(DecodeJpeg(stripped, out), EInvalidGraphic);
    ASSERT_NO_THROW(DecodeJpeg(good, out));
    EXPECT_THROW(DecodeJpeg(stripped, out), EInvalidGraphic);
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
