// The generator's word pictures: what they show, their sizes and their files.
#include <gtest/gtest.h>

#include <set>

#include "tests/TestSupport.h"
#include "tools/datagen/DataTree.h"
#include "tools/datagen/PictureFiles.h"
#include "tools/datagen/WordEmoji.h"
#include "tools/datagen/WordPainter.h"
#include "tools/datagen/WordSource.h"

#include "graphics/Cbitmapy.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"

namespace {

DatagenWord WordOfKey(const std::string& key)
{
    for (const DatagenWord& w : CatalogueWords())
        if (w.key == key)
            return w;
    ADD_FAILURE() << "no word " << key;
    return {};
}

bool IsLight(TColor c)
{
    return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
}

}  // namespace

TEST(DatagenWords, EveryWordHasAUniqueKeyAndItsPolishSpelling)
{
    const std::vector<DatagenWord> words = CatalogueWords();
    ASSERT_EQ(words.size(), 353u);
    std::set<std::string> keys;
    for (const DatagenWord& w : words) {
        EXPECT_TRUE(keys.insert(w.key).second) << w.key;
        EXPECT_EQ(w.spelling.find(','), std::string::npos) << w.key;
        EXPECT_EQ(w.spelling.find('_'), std::string::npos) << w.key;
    }
    EXPECT_EQ(WordOfKey("zaba").spelling, "żaba");
    EXPECT_EQ(WordOfKey("losss").spelling, "łoś");
    EXPECT_EQ(WordOfKey("zebraa").spelling, "zebra");
    EXPECT_EQ(WordOfKey("zebra").spelling, "żebra");
    EXPECT_EQ(SpellingOfNotation("b,u,_c,_i,k,"), "bucik");
}

TEST(DatagenWords, EveryEmojiOfTheTableIsInTheFont)
{
    const EmojiFont font;
    int pictured = 0;
    for (const DatagenWord& w : CatalogueWords()) {
        const std::u32string emoji = EmojiForWord(w.key);
        pictured += !emoji.empty();
        for (char32_t c : emoji)
            EXPECT_TRUE(font.Has(c)) << w.key << " U+" << std::hex << static_cast<uint32_t>(c);
    }
    EXPECT_GT(pictured, 200);
    EXPECT_TRUE(EmojiForWord("nosuchword").empty());
}

TEST(DatagenWords, PicturesShowEmojiDrawingOrCardOnALightGround)
{
    const WordPainter painter;
    const struct {
        const char* key;
        PictureKind kind;
    } cases[] = {{"zaba", PictureKind::Emoji}, {"kierownica", PictureKind::Drawing}, {"brzuch", PictureKind::Caption}};
    for (const auto& c : cases) {
        PictureKind kind{};
        const Bitmap small = painter.Paint(WordOfKey(c.key), PictureSize::Small, kind);
        EXPECT_EQ(kind, c.kind) << c.key;
        EXPECT_EQ(small.Width(), kSmallPictureWidth);
        EXPECT_EQ(small.Height(), kSmallPictureHeight);
        EXPECT_EQ(small.Format(), PixelFormat::Bgr24);
        EXPECT_TRUE(IsLight(small.GetPixel(0, 0))) << c.key;
        EXPECT_TRUE(IsLight(small.GetPixel(kSmallPictureWidth - 1, kSmallPictureHeight - 1))) << c.key;
        // Something is drawn in the middle: not all of it is background.
        int dark = 0;
        for (int x = 40; x < 160; ++x)
            dark += !IsLight(small.GetPixel(x, kSmallPictureHeight / 2));
        EXPECT_GT(dark, 10) << c.key;

        const Bitmap large = painter.Paint(WordOfKey(c.key), PictureSize::Large, kind);
        EXPECT_EQ(large.Width(), kLargePictureWidth);
        EXPECT_EQ(large.Height(), kLargePictureHeight);
        // The same drawing twice gives the same pixels.
        EXPECT_TRUE(large == painter.Paint(WordOfKey(c.key), PictureSize::Large, kind)) << c.key;
    }
}

TEST(DatagenWords, EmojiStayWhereEveryCropOfTheGamesKeepsThem)
{
    // A memory card (62 x 84) keeps the middle 111 columns of the small picture.
    const WordPainter painter;
    for (const DatagenWord& w : CatalogueWords()) {
        if (EmojiForWord(w.key).empty())
            continue;
        PictureKind kind{};
        const Bitmap small = painter.Paint(w, PictureSize::Small, kind);
        ASSERT_EQ(kind, PictureKind::Emoji) << w.key;
        int outside = 0;
        for (int y = 0; y < small.Height(); ++y)
            for (int x = 0; x < small.Width(); ++x) {
                const bool kept = x >= 44 && x < 155;
                outside += !kept && !IsLight(small.GetPixel(x, y));
            }
        EXPECT_EQ(outside, 0) << w.key;
    }
}

TEST(DatagenWords, PictureFilesAreWrittenAgainByteForByteAndLoad)
{
    const std::vector<DatagenWord> words = {WordOfKey("zaba"), WordOfKey("zolty"), WordOfKey("dzida")};
    TempDir first;
    TempDir second;
    const PictureCounts counts = WriteWordPictures(first.Path(), words, 2);
    EXPECT_EQ(counts.written, 3);
    EXPECT_EQ(counts.emoji + counts.drawing + counts.caption, 3);
    WriteWordPictures(second.Path(), words, 1);
    for (const DatagenWord& w : words) {
        const std::string small = first.Read(SmallPicturePath(w.key).string());
        const std::string large = first.Read(LargePicturePath(w.key).string());
        ASSERT_FALSE(small.empty()) << w.key;
        ASSERT_FALSE(large.empty()) << w.key;
        EXPECT_EQ(small, second.Read(SmallPicturePath(w.key).string())) << w.key;
        EXPECT_EQ(large, second.Read(LargePicturePath(w.key).string())) << w.key;
        Bitmap decoded;
        DecodeBmp(small, decoded);
        EXPECT_EQ(decoded.Width(), kSmallPictureWidth);
        EXPECT_EQ(decoded.Height(), kSmallPictureHeight);
        DecodeJpeg(large, decoded);
        EXPECT_EQ(decoded.Width(), kLargePictureWidth);
        EXPECT_EQ(decoded.Height(), kLargePictureHeight);
    }
}

TEST(DatagenWords, TheGamesLoadTheWrittenPictures)
{
    ProgramSandbox sandbox;
    WriteWordPictures(sandbox.Root(), {WordOfKey("autobus")}, 1);
    // Loaded as the games do, at a card's size: the picture, not the black stand-in.
    for (const auto& picture : {LoadWordPictureSmall("autobus", 120, 90, 1), LoadWordPictureLarge("autobus", 320, 240, 0)}) {
        ASSERT_TRUE(picture);
        EXPECT_TRUE(IsLight(picture->GetPixel(4, 4)));
        int coloured = 0;
        for (int x = 0; x < picture->Width(); ++x) {
            const TColor c = picture->GetPixel(x, picture->Height() / 2);
            coloured += GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
        }
        EXPECT_GT(coloured, picture->Width() / 4);
    }
}

TEST(DatagenWords, SurplusFilesAreThoseOfNoWord)
{
    TempDir dir;
    const std::vector<DatagenWord> words = {WordOfKey("zaba")};
    dir.Write("Data/Smd/zaba.pw", "x");
    dir.Write("Data/exio200b/zaba.xbi", "x");
    dir.Write("Data/exio200b/old.xbi", "x");
    dir.Write("Data/exio400j/zaba.xbi", "x");
    std::set<std::filesystem::path> surplus;
    for (const auto& p : SurplusWordFiles(dir.Path(), words))
        surplus.insert(p);
    EXPECT_EQ(surplus, (std::set<std::filesystem::path>{dir.Path() / "Data/exio200b/old.xbi",
                                                        dir.Path() / "Data/exio400j/zaba.xbi"}));
}
