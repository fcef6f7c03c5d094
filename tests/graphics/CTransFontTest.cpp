// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap fonts: layout of text, word wrapping, and the collection files.
#include "graphics/CTransFont.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "tests/TestSupport.h"

namespace {

std::unique_ptr<CTByteBitmap> Solid(int w, int h, uint8_t value = 255)
{
    auto bmp = std::make_unique<CTByteBitmap>();
    bmp->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bmp->Set(x, y, value);
    return bmp;
}

// Letters: 4 pixels of image, after 1, spacing 1 (advance 6); the space:
// no image, after 3 (advance 4). Lines 10 high with a gap of 2.
void MakeTestFont(CTransFont& font)
{
    font.Reset();
    font.SetName("test10");
    font.SetMetrics(10, 1, 2);
    const int letter = font.AddGlyph(0, 1, Solid(4, 10));
    const int space = font.AddGlyph(0, 3, nullptr);
    for (int c = 'a'; c <= 'z'; ++c)
        font.MapChar(static_cast<uint8_t>(c), static_cast<uint8_t>(letter));
    for (int c = 'A'; c <= 'Z'; ++c)
        font.MapChar(static_cast<uint8_t>(c), static_cast<uint8_t>(letter));
    font.MapChar(' ', static_cast<uint8_t>(space));
}

struct Expect {
    const char* text;
    int maxWidth;
    int count;
    int width;
    std::size_t next;
};

std::string CollectionOf(const std::vector<const CTransFont*>& fonts)
{
    std::ostringstream out;
    EXPECT_TRUE(WriteFontCollection(out, fonts));
    return out.str();
}

}  // namespace

TEST(CTransFont, FreshFontHasOneEmptyGlyph)
{
    CTransFont font;
    EXPECT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(font.Glyph(0).after, 1);
    EXPECT_EQ(font.Glyph(0).image, nullptr);
    EXPECT_EQ(font.CharMap('x'), 0);
    EXPECT_EQ(font.LineHeight(), 0);
}

TEST(CTransFontBreakLine, FollowsTheWrappingRules)
{
    CTransFont font;
    MakeTestFont(font);
    const Expect cases[] = {
        {"ab cd", 100, 5, 27, 5},       // everything fits
        {"ab cd", 27, 5, 27, 5},        // exactly fits
        {"ab cd", 20, 2, 11, 3},        // second word goes; the space is dropped
        {"abcdef", 20, 3, 17, 3},       // a lone long word is cut
        {"abcdef", 17, 2, 11, 2},       // cutting keeps the width below the limit
        {"ab", 3, 0, 0, 1},             // not one character fits: it is skipped
        {"ab\ncd", 100, 2, 11, 3},      // a line break after a word
        {"ab  \ncd", 100, 2, 11, 5},    // a line break after spaces
        {"ab  ", 100, 4, 19, 4},        // spaces at the end are kept when they fit
        {"ab  ", 15, 2, 11, 4},         // and dropped when they do not
        {"  ab", 100, 4, 19, 4},        // leading spaces belong to the line
        {"ab\r", 11, 3, 11, 3},         // a carriage return is not counted
        {"\ncd", 100, 0, 0, 1},         // an empty line
    };
    for (const Expect& e : cases) {
        const CTransFont::SLine line = font.BreakLine(e.text, e.maxWidth);
        EXPECT_EQ(line.count, e.count) << e.text << " / " << e.maxWidth;
        EXPECT_EQ(line.width, e.width) << e.text << " / " << e.maxWidth;
        EXPECT_EQ(line.next, e.next) << e.text << " / " << e.maxWidth;
    }
}

TEST(CTransFontBreakLine, WordAfterWideLeadingSpacesGetsItsOwnLine)
{
    CTransFont font;
    MakeTestFont(font);
    // Three spaces (12) leave no room for a letter within 13; the word moves
    // to the next line instead of losing its first letter.
    CTransFont::SLine line = font.BreakLine("   ab", 13);
    EXPECT_EQ(line.count, 3);
    EXPECT_EQ(line.next, 3u);
    line = font.BreakLine("ab", 13);
    EXPECT_EQ(line.count, 2);
}

TEST(CTransFontDraw, TextMovesThePenAndHonoursLineBreaks)
{
    CTransFont font;
    MakeTestFont(font);
    Bitmap target(40, 40);
    font.DrawText(target, {3, 5, 40, 40}, 255, clWhite, "");
    EXPECT_EQ(font.PenX(), 3);
    EXPECT_EQ(font.PenY(), 5);

    font.DrawText(target, {3, 5, 40, 40}, 255, clWhite, "ab\r\nB");
    // B at the left margin of the second line (5 + 10 + 2).
    EXPECT_EQ(target.GetPixel(3, 17), clWhite);
    EXPECT_EQ(target.GetPixel(6, 26), clWhite);
    EXPECT_EQ(target.GetPixel(7, 17), clBlack);
    EXPECT_EQ(target.GetPixel(3, 14), clWhite);  // the first line's a
    EXPECT_EQ(target.GetPixel(3, 15), clBlack);
    EXPECT_EQ(target.GetPixel(9, 5), clWhite);   // its b: 3 + 6
    EXPECT_EQ(target.GetPixel(8, 5), clBlack);
    EXPECT_EQ(font.PenX(), 9);
    EXPECT_EQ(font.PenY(), 17);

    // Clipped to the rectangle.
    Bitmap clipped(40, 40);
    font.DrawText(clipped, {0, 0, 2, 3}, 255, clWhite, "a");
    EXPECT_EQ(clipped.GetPixel(1, 2), clWhite);
    EXPECT_EQ(clipped.GetPixel(2, 2), clBlack);
    EXPECT_EQ(clipped.GetPixel(1, 3), clBlack);
}

TEST(CTransFontDraw, CharsStopAtCountOrZeroAndNeedARectangle)
{
    CTransFont font;
    MakeTestFont(font);
    Bitmap target(40, 12);
    font.DrawChars(target, {0, 0, 40, 12}, 255, clWhite, 2, "abc");
    EXPECT_EQ(target.GetPixel(6, 0), clWhite);
    EXPECT_EQ(target.GetPixel(12, 0), clBlack);
    EXPECT_EQ(font.PenX(), 12);
    font.DrawChars(target, {0, 0, 40, 12}, 255, clWhite, 5, std::string_view("ab\0c", 4));
    EXPECT_EQ(font.PenX(), 12);
    Bitmap untouched(40, 12);
    font.DrawChars(untouched, {0, 0, 0, 12}, 255, clWhite, 2, "ab");
    EXPECT_EQ(untouched, Bitmap(40, 12));
}

TEST(CTransFontMeasure, CountsAdvancesBetweenGlyphsOnly)
{
    CTransFont font;
    MakeTestFont(font);
    // 4 + (1 + 1) + 4: the last glyph's after and spacing are left out.
    EXPECT_EQ(font.MeasureText("ab").width, 10);
    EXPECT_EQ(font.MeasureText("ab").height, 10);
    EXPECT_EQ(font.MeasureText("ab\nabc").width, 16);
    EXPECT_EQ(font.MeasureText("ab\nabc\n").height, 10 + 2 * 12);
    EXPECT_EQ(font.MeasureText("abc\ra").width, 16);
    EXPECT_EQ(font.MeasureText("").width, 0);
}

TEST(CTransFontWrapped, AlignsEachLineWithItsBreakWidth)
{
    CTransFont font;
    MakeTestFont(font);
    auto firstLit = [](const Bitmap& b, int y) {
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) == clWhite)
                return x;
        return -1;
    };
    // "ab" breaks at width 11 (its last after counted): centred at (40 - 11) / 2.
    const std::pair<int, int> aligns[] = {{0, 0}, {1, 14}, {2, 29}, {5, -1}};
    for (auto [align, x] : aligns) {
        Bitmap target(40, 30);
        font.DrawWrapped(target, "ab", 255, align, clWhite, {0, 0, 40, 30});
        EXPECT_EQ(firstLit(target, 0), x) << align;
    }
    // Two lines: "ab" and "cd", the second one line-height plus gap lower.
    Bitmap target(40, 30);
    font.DrawWrapped(target, "ab cd", 255, 2, clWhite, {5, 0, 25, 30});
    EXPECT_EQ(firstLit(target, 0), 14);
    EXPECT_EQ(firstLit(target, 12), 14);
    EXPECT_EQ(firstLit(target, 11), -1);
}

TEST(CTransFontCollection, WrittenCollectionReadsBackIdentical)
{
    CTransFont regular, bold;
    MakeTestFont(regular);
    MakeTestFont(bold);
    bold.SetName("ArialB18,75");
    bold.SetMetrics(19, -2, 3);
    auto shaded = Solid(5, 7, 0);
    shaded->Set(2, 3, 77);
    bold.MapChar(0xB9, static_cast<uint8_t>(bold.AddGlyph(-3, 2, std::move(shaded))));  // ą
    bold.MapChar('Z', static_cast<uint8_t>(bold.AddGlyph(1, -1, Solid(0, 0))));
    const std::string file = CollectionOf({&regular, &bold});

    for (const CTransFont* expected : {&regular, &bold}) {
        std::istringstream in(file);
        CTransFont back;
        ASSERT_TRUE(back.LoadFromCollection(in, expected->Name())) << expected->Name();
        EXPECT_TRUE(back.SameAs(*expected)) << expected->Name();
    }
    CTransFont back;
    std::istringstream in(file);
    EXPECT_FALSE(back.LoadFromCollection(in, "arialb18,75"));  // letter case matters
    EXPECT_EQ(back.GlyphCount(), 1);

    // From a file, found through the program's paths.
    ProgramSandbox sandbox;
    sandbox.Dir().Write("Data/Intf/Spec/placeholder", "");
    ASSERT_TRUE(SaveFontCollection("Data\\Intf\\Spec\\qw6cz.tfs", {&regular, &bold}));
    EXPECT_EQ(sandbox.Dir().Read("Data/Intf/Spec/qw6cz.tfs"), file);
    EXPECT_TRUE(back.LoadFromCollection("Data\\Intf\\Spec\\QW6CZ.tfs", "ArialB18,75"));
    EXPECT_TRUE(back.SameAs(bold));
    EXPECT_FALSE(back.LoadFromCollection("Data\\Intf\\Spec\\missing.tfs", "ArialB18,75"));
}

TEST(CTransFontCollection, PackedGlyphsReadBackWhenLossless)
{
    CTransFont font;
    MakeTestFont(font);
    font.AddGlyph(0, 0, Solid(30, 20, 252));
    font.AddGlyph(0, 0, Solid(3, 3, 101));  // odd values stay raw
    std::ostringstream raw, packed;
    ASSERT_TRUE(WriteFontCollection(raw, {&font}, false));
    ASSERT_TRUE(WriteFontCollection(packed, {&font}, true));
    EXPECT_LT(packed.str().size(), raw.str().size());
    std::istringstream in(packed.str());
    CTransFont back;
    ASSERT_TRUE(back.LoadFromCollection(in, "test10"));
    EXPECT_TRUE(back.SameAs(font));
}

TEST(CTransFontCollection, WriterRefusesWhatTheFormatCannotHold)
{
    CTransFont font;
    MakeTestFont(font);
    std::ostringstream out;
    font.SetName(std::string(256, 'x'));
    EXPECT_FALSE(font.SaveToStream(out));
    font.SetName("ok");
    font.SetMetrics(30001, 0, 0);
    EXPECT_FALSE(font.SaveToStream(out));
    font.SetMetrics(10, 0, 0);
    font.MapChar('!', 200);
    EXPECT_FALSE(font.SaveToStream(out));
    font.MapChar('!', 0);
    EXPECT_TRUE(font.SaveToStream(out));
}

TEST(CTransFontCollection, DamagedFilesFailCleanly)
{
    CTransFont font;
    MakeTestFont(font);
    font.AddGlyph(0, 0, Solid(30, 20, 252));
    const std::string good = CollectionOf({&font});

    // Every truncation fails and leaves a usable font.
    for (std::size_t n = 0; n < good.size(); ++n) {
        std::istringstream in(good.substr(0, n));
        CTransFont back;
        EXPECT_FALSE(back.LoadFromCollection(in, "test10")) << n;
        EXPECT_GE(back.GlyphCount(), 1);
        Bitmap target(8, 8);
        back.DrawText(target, target.Bounds(), 255, clWhite, "abc \xFF");
    }

    auto patched = [&](std::size_t at, std::string bytes) {
        std::string s = good;
        s.replace(at, bytes.size(), bytes);
        std::istringstream in(s);
        CTransFont back;
        return back.LoadFromCollection(in, "test10");
    };
    ASSERT_TRUE(patched(0, "TFS1"));
    EXPECT_FALSE(patched(0, "TFS2"));
    EXPECT_FALSE(patched(4, std::string("\xE9\x03\0\0", 4)));         // 1001 fonts
    EXPECT_FALSE(patched(8, std::string("\xA1\x86\x01\0", 4)));       // names 100001 long
    EXPECT_FALSE(patched(12, std::string("\x07", 1)));                // name overruns the names
    EXPECT_FALSE(patched(19, std::string("\xFF\xFF\xFF\xFF", 4)));    // negative offset
    EXPECT_FALSE(patched(19, std::string("\xFF\xFF\xFF\x0F", 4)));    // offset past the end
    const std::size_t record = 12 + 1 + 6 + 4;
    EXPECT_FALSE(patched(record, "TFN2"));
    EXPECT_FALSE(patched(record + 11, std::string("\x31\x75\0\0", 4)));  // line height 30001
    EXPECT_FALSE(patched(record + 15, std::string("\xCF\x8A\xFF\xFF", 4)));  // spacing -30001
    const std::size_t glyphCount = record + 4 + 1 + 6 + 16 + 256;
    EXPECT_FALSE(patched(glyphCount, std::string("\0\0\0\0", 4)));
    EXPECT_FALSE(patched(glyphCount, std::string("\x01\x01\0\0", 4)));
}

TEST(CTransFontRecord, BrokenGlyphKeepsEarlierGlyphsAndResetsStrayMappings)
{
    CTransFont font;
    MakeTestFont(font);
    std::ostringstream out;
    ASSERT_TRUE(font.SaveToStream(out));
    std::string record = out.str();
    // The second glyph's advances: before 30001 is out of bounds.
    const std::size_t secondGlyph = 4 + 1 + 6 + 16 + 256 + 4 + 5 + 5 + 12 + 40;
    record.replace(secondGlyph, 4, std::string("\x31\x75\0\0", 4));
    std::istringstream in(record);
    CTransFont back;
    EXPECT_FALSE(back.LoadFromStream(in));
    EXPECT_EQ(back.GlyphCount(), 2);  // the fresh glyph and the letter
    EXPECT_EQ(back.CharMap('a'), 1);
    EXPECT_EQ(back.CharMap(' '), 0);  // mapped to the lost glyph
    EXPECT_EQ(back.Name(), "test10");
}

TEST(CTransFontRecord, SurvivesRandomBytes)
{
    std::mt19937 rng(7);
    CTransFont font;
    MakeTestFont(font);
    std::ostringstream out;
    ASSERT_TRUE(font.SaveToStream(out));
    const std::string good = out.str();
    for (int round = 0; round < 3000; ++round) {
        std::string s = good;
        const int flips = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < flips; ++i)
            s[rng() % s.size()] = static_cast<char>(rng());
        if (rng() % 4 == 0)
            s.resize(rng() % s.size());
        std::istringstream in(s);
        CTransFont back;
        back.LoadFromStream(in);
        for (int c = 0; c < 256; ++c)
            ASSERT_LT(back.CharMap(static_cast<uint8_t>(c)), back.GlyphCount());
    }
}
