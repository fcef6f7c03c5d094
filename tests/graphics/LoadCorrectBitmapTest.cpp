// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "graphics/LoadCorrectBitmap.h"
#include "tests/TestSupport.h"
#include "tests/graphics/GraphicsTestSupport.h"

namespace {

void Put32(std::string& s, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& s, std::size_t at, uint32_t v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

// A BMP file with a 40-byte header, the given palette (0x00RRGGBB entries),
// optional bit-field masks and the pixel bytes as they are stored.
std::string MakeBmp(int width, int height, int bpp, uint32_t compression, const std::vector<uint32_t>& palette,
                    const std::string& pixels, const std::vector<uint32_t>& masks = {})
{
    const std::size_t offset = 14 + 40 + masks.size() * 4 + palette.size() * 4;
    std::string s(offset, '\0');
    s[0] = 'B', s[1] = 'M';
    Put32(s, 2, static_cast<uint32_t>(offset + pixels.size()));
    Put32(s, 10, static_cast<uint32_t>(offset));
    Put32(s, 14, 40);
    Put32(s, 18, static_cast<uint32_t>(width));
    Put32(s, 22, static_cast<uint32_t>(height));
    Put16(s, 26, 1);
    Put16(s, 28, static_cast<uint32_t>(bpp));
    Put32(s, 30, compression);
    Put32(s, 34, static_cast<uint32_t>(pixels.size()));
    Put32(s, 46, static_cast<uint32_t>(palette.size()));
    std::size_t at = 54;
    for (uint32_t m : masks)
        Put32(s, at, m), at += 4;
    for (uint32_t p : palette)
        Put32(s, at, p), at += 4;
    return s + pixels;
}

std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int v : b)
        s += static_cast<char>(v);
    return s;
}

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

}  // namespace

TEST(DecodeBmp, ReadsEveryBitDepth)
{
    Bitmap b;
    // 1 bit, 3 x 2, bottom-up: the first stored row is the bottom one.
    DecodeBmp(MakeBmp(3, 2, 1, 0, {0x000000, 0xFFFFFF}, Bytes({0xA0, 0, 0, 0, 0x40, 0, 0, 0})), b);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.GetPixel(0, 1), clWhite);
    EXPECT_EQ(b.GetPixel(1, 1), clBlack);
    EXPECT_EQ(b.GetPixel(2, 1), clWhite);
    EXPECT_EQ(b.GetPixel(1, 0), clWhite);
    EXPECT_EQ(b.GetPixel(0, 0), clBlack);

    // 4 bit: indices 1, 2, 3 in one row.
    DecodeBmp(MakeBmp(3, 1, 4, 0, kPalette, Bytes({0x12, 0x30, 0, 0})), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(b.GetPixel(2, 0), RGB(0, 0, 255));

    // 8 bit, with an index beyond the palette: black.
    DecodeBmp(MakeBmp(2, 1, 8, 0, kPalette, Bytes({4, 200, 0, 0})), b);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    EXPECT_EQ(b.GetPixel(1, 0), clBlack);

    // 16 bit, 5-5-5.
    DecodeBmp(MakeBmp(2, 1, 16, 0, {}, Bytes({0x00, 0x7C, 0x1F, 0x00})), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(0, 0, 255));

    // 24 bit with row padding.
    DecodeBmp(MakeBmp(1, 2, 24, 0, {}, Bytes({1, 2, 3, 0, 4, 5, 6, 0})), b);
    EXPECT_EQ(b.GetPixel(0, 1), RGB(3, 2, 1));
    EXPECT_EQ(b.GetPixel(0, 0), RGB(6, 5, 4));

    // 32 bit plain and with bit fields (red in the low byte here).
    DecodeBmp(MakeBmp(1, 1, 32, 0, {}, Bytes({10, 20, 30, 99})), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(30, 20, 10));
    DecodeBmp(MakeBmp(1, 1, 32, 3, {}, Bytes({10, 20, 30, 99}), {0x000000FF, 0x0000FF00, 0x00FF0000}), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(10, 20, 30));
    // Bit fields of 16 bits, 5-6-5.
    DecodeBmp(MakeBmp(1, 1, 16, 3, {}, Bytes({0xE0, 0x07, 0, 0}), {0xF800, 0x07E0, 0x001F}), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(0, 255, 0));
}

TEST(DecodeBmp, ReadsTopDownRowsAndGreyOutput)
{
    Bitmap b;
    DecodeBmp(MakeBmp(1, -2, 24, 0, {}, Bytes({1, 2, 3, 0, 4, 5, 6, 0})), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(3, 2, 1));
    EXPECT_EQ(b.GetPixel(0, 1), RGB(6, 5, 4));

    std::vector<uint32_t> grey;
    for (uint32_t i = 0; i < 256; ++i)
        grey.push_back(i * 0x010101);
    DecodeBmp(MakeBmp(3, 1, 8, 0, grey, Bytes({0, 77, 255, 0})), b, PixelFormat::Gray8);
    EXPECT_EQ(b.Format(), PixelFormat::Gray8);
    EXPECT_EQ(b.ScanLine(0)[1], 77);
    EXPECT_EQ(b.ScanLine(0)[2], 255);
}

TEST(DecodeBmp, ReadsRunLengthEncodedPictures)
{
    Bitmap b;
    // RLE8, 4 x 3: bottom row a run of 3 index-1 then end of line; middle row
    // absolute 3 pixels (2,3,4 + pad), end of line; top row: a delta right 1,
    // one pixel, end of picture.
    const std::string rle8 = Bytes({3, 1, 0, 0, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 1, 0, 1, 4, 0, 1});
    DecodeBmp(MakeBmp(4, 3, 8, 1, kPalette, rle8), b);
    EXPECT_EQ(b.GetPixel(0, 2), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(3, 2), clBlack);
    EXPECT_EQ(b.GetPixel(0, 1), RGB(0, 255, 0));
    EXPECT_EQ(b.GetPixel(2, 1), clWhite);
    EXPECT_EQ(b.GetPixel(0, 0), clBlack);  // skipped by the delta
    EXPECT_EQ(b.GetPixel(1, 0), clWhite);

    // RLE4: a run of 5 alternating 1,2 then an absolute run of 3 nibbles 3,4,1.
    const std::string rle4 = Bytes({5, 0x12, 0, 3, 0x34, 0x10, 0, 1});
    DecodeBmp(MakeBmp(8, 1, 4, 2, kPalette, rle4), b);
    EXPECT_EQ(b.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(b.GetPixel(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(b.GetPixel(5, 0), RGB(0, 0, 255));
    EXPECT_EQ(b.GetPixel(6, 0), clWhite);
    EXPECT_EQ(b.GetPixel(7, 0), RGB(255, 0, 0));

    // A run past the end of the row is cut; a stream ending early is refused.
    DecodeBmp(MakeBmp(2, 1, 8, 1, kPalette, Bytes({200, 4, 0, 1})), b);
    EXPECT_EQ(b.GetPixel(1, 0), clWhite);
    EXPECT_THROW(DecodeBmp(MakeBmp(2, 2, 8, 1, kPalette, Bytes({2, 4, 0, 0, 0})), b), EInvalidGraphic);
    EXPECT_THROW(DecodeBmp(MakeBmp(4, 1, 8, 1, kPalette, Bytes({0, 4, 1, 2})), b), EInvalidGraphic);
}

TEST(DecodeBmp, RefusesDamagedAndLyingFilesWithoutCrashing)
{
    std::mt19937 rng(1);
    const Bitmap picture = RandomBitmap(7, 5, PixelFormat::Bgr24, rng);
    const std::string good = EncodeBmp(picture);
    Bitmap b(2, 2);
    b.Fill(RGB(9, 9, 9));
    const Bitmap before = b;

    EXPECT_THROW(DecodeBmp("", b), EInvalidGraphic);
    EXPECT_THROW(DecodeBmp("GIF89a", b), EInvalidGraphic);
    EXPECT_THROW(DecodeBmp(good.substr(0, good.size() - 20), b), EInvalidGraphic);
    // Every prefix either decodes or is refused.
    for (std::size_t n = 0; n < good.size(); ++n) {
        try {
            Bitmap scratch;
            DecodeBmp(good.substr(0, n), scratch);
        } catch (const EInvalidGraphic&) {
        }
    }
    std::string huge = good;
    Put32(huge, 18, 100000);
    Put32(huge, 22, 100000);
    EXPECT_THROW(DecodeBmp(huge, b), EInvalidGraphic);
    std::string lying = good;
    Put32(lying, 22, 5000);  // far more rows than the data holds
    EXPECT_THROW(DecodeBmp(lying, b), EInvalidGraphic);
    std::string negative = good;
    Put32(negative, 22, 0x80000000u);
    EXPECT_THROW(DecodeBmp(negative, b), EInvalidGraphic);
    std::string depth = good;
    Put16(depth, 28, 7);
    EXPECT_THROW(DecodeBmp(depth, b), EInvalidGraphic);
    std::string rle = good;
    Put32(rle, 30, 1);  // RLE8 on a 24-bit picture
    EXPECT_THROW(DecodeBmp(rle, b), EInvalidGraphic);
    std::string badHeader = good;
    Put32(badHeader, 14, 20);
    EXPECT_THROW(DecodeBmp(badHeader, b), EInvalidGraphic);
    EXPECT_EQ(b, before);  // a refused file leaves the target alone

    // A data offset past the end falls back to the data after the header.
    std::string offset = good;
    Put32(offset, 10, 0xFFFFFF);
    DecodeBmp(offset, b);
    EXPECT_EQ(b, picture);
}

TEST(EncodeBmp, RoundTripsColourAndGreyPictures)
{
    std::mt19937 rng(2);
    for (int w : {1, 2, 3, 4, 5, 17}) {
        const Bitmap colour = RandomBitmap(w, 3, PixelFormat::Bgr24, rng);
        Bitmap back;
        DecodeBmp(EncodeBmp(colour), back);
        EXPECT_EQ(back, colour);
        const Bitmap grey = RandomBitmap(w, 2, PixelFormat::Gray8, rng);
        const std::string bytes = EncodeBmp(grey);
        EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 8);
        DecodeBmp(bytes, back, PixelFormat::Gray8);
        EXPECT_EQ(back, grey);
    }
}

TEST(LoadCorrectBitmap, RepairsTheImageSizeField)
{
    ProgramSandbox sandbox;
    std::mt19937 rng(6);
    const Bitmap picture = RandomBitmap(5, 3, PixelFormat::Bgr24, rng);
    std::string bytes = EncodeBmp(picture);
    Put32(bytes, 34, 0);
    RepairBmpSizeField(bytes);
    EXPECT_EQ(static_cast<uint8_t>(bytes[34]), (5 * 3 + 1) * 3);
    for (uint32_t wrong : {0u, 7u, 0xFFFFFFF0u}) {
        Put32(bytes, 34, wrong);
        sandbox.Dir().Write("Data/exio200b/kot.xbi", bytes);
        Bitmap b;
        LoadCorrectBitmap(b, "Data\\exio200b\\KOT.xbi");
        EXPECT_EQ(b, picture);
    }
    Bitmap b;
    EXPECT_THROW(LoadCorrectBitmap(b, "Data\\exio200b\\pies.xbi"), EInvalidGraphic);
    // An 8-bit file keeps its size field.
    std::string grey = EncodeBmp(Bitmap(3, 3, PixelFormat::Gray8));
    Put32(grey, 34, 1234);
    RepairBmpSizeField(grey);
    EXPECT_EQ(static_cast<uint8_t>(grey[34]), 1234 & 0xFF);
}

TEST(LoadCorrectBitmap, SizeRepairOfAbsurdDimensionsKeepsTheLow32BitsAndReadsOnlyTheHeader)
{
    // Width and height near -2e9: the product does not fit 64 bits.
    std::string bytes = MakeBmp(1, 1, 24, 0, {}, std::string(4, '\0'));
    Put32(bytes, 18, static_cast<uint32_t>(-2000000000));
    Put32(bytes, 22, static_cast<uint32_t>(-2000000000));
    RepairBmpSizeField(bytes);
    const uint64_t w = static_cast<uint64_t>(-2000000000LL), h = w;
    const uint32_t expected = static_cast<uint32_t>((w * 3 + (w & 3)) * h);
    uint32_t field = 0;
    for (int i = 0; i < 4; ++i)
        field |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[34 + i])) << (8 * i);
    EXPECT_EQ(field, expected);
    Bitmap b;
    EXPECT_THROW(DecodeBmp(bytes, b), EInvalidGraphic);
    // A header cut short is left as it is.
    std::string shortFile = bytes.substr(0, 37);
    RepairBmpSizeField(shortFile);
    EXPECT_EQ(shortFile, bytes.substr(0, 37));
}

TEST(LoadCorrectBitmap, AFolderInPlaceOfThePictureIsADecodingError)
{
    ProgramSandbox sandbox;
    std::filesystem::create_directories(sandbox.Root() / "Data" / "Intf" / "a.xbi");
    Bitmap b;
    EXPECT_THROW(LoadCorrectBitmap(b, "Data\\Intf\\a.xbi"), EInvalidGraphic);
}
