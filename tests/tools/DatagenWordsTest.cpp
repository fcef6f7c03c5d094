// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's word pictures: what they show, their sizes and their files.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "tests/TestSupport.h"
#include "tools/datagen/DataTree.h"
#include "tools/datagen/PictureFiles.h"
#include "tools/datagen/WordDrawings.h"
#include "tools/datagen/WordEmoji.h"
#include "tools/datagen/WordPainter.h"
#include "tools/datagen/WordPlaces.h"
#include "tools/datagen/WordSource.h"
#include "tools/datagen/WordSvgTable.h"

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

// Neighbouring pixels in columns [left, right) whose colours differ by a
// clear step in some channel.
int StrongEdges(const Bitmap& b, int left, int right)
{
    const auto step = [](TColor a, TColor c) {
        return std::max({std::abs(int(GetRValue(a)) - int(GetRValue(c))), std::abs(int(GetGValue(a)) - int(GetGValue(c))),
                         std::abs(int(GetBValue(a)) - int(GetBValue(c)))}) >= 60;
    };
    int edges = 0;
    for (int y = 0; y + 1 < b.Height(); ++y)
        for (int x = left; x + 1 < right; ++x)
            edges += step(b.GetPixel(x, y), b.GetPixel(x + 1, y)) || step(b.GetPixel(x, y), b.GetPixel(x, y + 1));
    return edges;
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
    EXPECT_GT(pictured, 180);
    EXPECT_TRUE(EmojiForWord("nosuchword").empty());
}

TEST(DatagenWords, PicturesShowEmojiDrawingOrCardOnALightGround)
{
    const WordPainter painter;
    const struct {
        const char* key;
        PictureKind kind;
    } cases[] = {{"zaba", PictureKind::Emoji}, {"kierownica", PictureKind::Drawing}, {"brzuch", PictureKind::Drawing},
                 {"nowe", PictureKind::Caption}};
    for (const auto& c : cases) {
        PictureKind kind{};
        // A word added to the list before its picture is made gets a card with its name.
        const DatagenWord word = c.kind == PictureKind::Caption ? DatagenWord{c.key, c.key} : WordOfKey(c.key);
        const Bitmap small = painter.Paint(word, PictureSize::Small, kind);
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

        const Bitmap large = painter.Paint(word, PictureSize::Large, kind);
        EXPECT_EQ(large.Width(), kLargePictureWidth);
        EXPECT_EQ(large.Height(), kLargePictureHeight);
        // The same drawing twice gives the same pixels.
        EXPECT_TRUE(large == painter.Paint(word, PictureSize::Large, kind)) << c.key;
    }
}

TEST(DatagenWords, EveryThingStaysWhereEveryPlaceOfTheGamesShowsIt)
{
    // The thing a child names (emoji or drawing, and the outline a pale one
    // gets) never reaches where a memory card's strip, a television's casing,
    // a zoom's rounded corner or any other place of any mode cuts it off.
    std::vector<char> shown(400 * 300, 1);
    int places = 0;
    for (const UiMode& m : UiModes())
        for (const WordPlace& place : WordPlacesOf(m)) {
            ++places;
            for (int y = 0; y < 300; ++y)
                for (int x = 0; x < 400; ++x)
                    shown[y * 400 + x] &= ShowsInPlace(place, x + 0.5, y + 0.5);
        }
    EXPECT_EQ(places, 33);
    const WordPainter painter;
    constexpr int kOutline = 5;
    for (const DatagenWord& w : CatalogueWords()) {
        PictureKind kind{};
        CairoSurface thing = painter.PaintThing(w, kind);
        cairo_surface_flush(thing.get());
        const unsigned char* data = cairo_image_surface_get_data(thing.get());
        const int stride = cairo_image_surface_get_stride(thing.get());
        int cut = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const uint32_t p = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
                const int ox = std::clamp(x + (x < 200 ? -kOutline : kOutline), 0, 399);
                const int oy = std::clamp(y + (y < 150 ? -kOutline : kOutline), 0, 299);
                cut += (p >> 24) > 12 && !shown[oy * 400 + ox];
            }
        EXPECT_EQ(cut, 0) << w.key;
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

TEST(DatagenWords, EveryWordShowsThePictureOfTheThingNotItsName)
{
    // A five-year-old cannot read: a card with the word on it is no picture.
    // And the thing stands out on a memory card: its outline against the
    // ground is a good many strong steps of colour inside the kept strip
    // (a white swan on a pale disc has hardly any).
    const WordPainter painter;
    for (const DatagenWord& w : CatalogueWords()) {
        PictureKind kind{};
        const Bitmap small = painter.Paint(w, PictureSize::Small, kind);
        EXPECT_NE(kind, PictureKind::Caption) << w.key;
        EXPECT_GT(StrongEdges(small, 44, 155), 200) << w.key;
    }
}

TEST(DatagenWords, EveryDrawingBelongsToAWordAndDrawsFromItsSvg)
{
    std::set<std::string> keys;
    for (const DatagenWord& w : CatalogueWords())
        keys.insert(w.key);
    const std::vector<std::string_view> drawings = DrawingKeys();
    EXPECT_GT(drawings.size(), 120u);
    std::set<std::string_view> texts;
    for (std::string_view key : drawings) {
        // A misspelt file name would leave a drawing unused and its word without it.
        EXPECT_TRUE(keys.contains(std::string(key))) << key;
        EXPECT_TRUE(EmojiForWord(key).empty()) << key << " has an emoji and a drawing";
        // Two words that may meet in one game never share a picture.
        EXPECT_TRUE(texts.insert(WordSvgText(key)).second) << key;
        CairoSurface surface = NewImageSurface(400, 300);
        CairoContext cr(cairo_create(surface.get()));
        ASSERT_TRUE(DrawWordThing(cr.get(), key)) << key;
        const Bitmap drawn = BitmapFromSurface(surface.get());
        int ink = 0;
        for (int y = 0; y < 300; y += 2)
            for (int x = 0; x < 400; x += 2)
                ink += !IsLight(drawn.GetPixel(x, y));
        EXPECT_GT(ink, 200 * 150 / 100) << key;
    }
    CairoSurface surface = NewImageSurface(10, 10);
    CairoContext cr(cairo_create(surface.get()));
    EXPECT_FALSE(DrawWordThing(cr.get(), "nosuchword"));
}

TEST(DatagenWords, ABrokenSvgDrawsNothingAndDoesNotStopTheRun)
{
    const std::string good = std::string(WordSvgText("brzuch"));
    ASSERT_FALSE(good.empty());
    for (const std::string& bad : {std::string(), std::string("not a picture"), good.substr(0, good.size() / 2),
                                   std::string("<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M 0 0 L"),
                                   std::string(1000, '<')}) {
        CairoSurface surface = NewImageSurface(40, 30);
        CairoContext cr(cairo_create(surface.get()));
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
        DrawSvg(cr.get(), bad, 0, 0, 40, 30);
        const Bitmap drawn = BitmapFromSurface(surface.get());
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(drawn.GetPixel(x, y), clWhite) << bad.size();
    }
    CairoSurface surface = NewImageSurface(40, 30);
    CairoContext cr(cairo_create(surface.get()));
    EXPECT_TRUE(DrawSvg(cr.get(), good, 0, 0, 40, 30));
    EXPECT_FALSE(DrawSvg(cr.get(), "not a picture", 0, 0, 40, 30));
}
