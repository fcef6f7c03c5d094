// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The generated interface set: every picture the screens load is there, at
// its size, readable by the program's own loaders; pairs give back the alpha
// they were drawn with; the library and the fonts hold what the controls need.
// The generator is built, and linked into the tests, together with its
// driver tools/datagen/Main.cpp; it needs the graphics classes it is checked
// against. A tree without them compiles this file to nothing.
#if __has_include("tools/datagen/Main.cpp") && __has_include("graphics/CTransBitmap.h") && \
    __has_include("graphics/CTransFont.h") && __has_include("graphics/CDisplay.h") && \
    __has_include("graphics/PictureLibrary.h")

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "core/SoundCodes.h"
#include "games/train/CPocPudlo.h"
#include "games/train/CPocRegal.h"
#include "tests/games/conveyor/ConveyorTestSupport.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransBitmap.h"
#include "graphics/CTransFont.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "graphics/PictureLibrary.h"
#include "platform/Paths.h"
#include "platform/WindowRegion.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tools/datagen/InterfaceArt.h"
#include "tools/datagen/InterfaceFonts.h"
#include "tools/datagen/InterfaceLayout.h"
#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"
#include "tools/datagen/UiCanvas.h"

namespace {

// One generated tree for the whole suite: making it takes a couple of seconds.
class GeneratedInterface : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tree_ = std::make_unique<TempDir>();
        GenerateInterface(tree_->Path());
    }
    static void TearDownTestSuite() { tree_.reset(); }

    void SetUp() override
    {
        previous_ = ProgramDir();
        SetProgramDir(tree_->Path());
    }
    void TearDown() override { SetProgramDir(previous_); }

    static Bitmap Library(const std::string& name)
    {
        Bitmap b;
        OtworzBMP(name, b);
        return b;
    }

    static std::unique_ptr<TempDir> tree_;
    std::filesystem::path previous_;
};

std::unique_ptr<TempDir> GeneratedInterface::tree_;

int Distance(TColor a, TColor b)
{
    return std::max({std::abs(int(GetRValue(a)) - int(GetRValue(b))), std::abs(int(GetGValue(a)) - int(GetGValue(b))),
                     std::abs(int(GetBValue(a)) - int(GetBValue(b)))});
}

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST_F(GeneratedInterface, EveryListedPictureLoadsThroughTheProgramsLoadersAtItsSize)
{
    int pictures = 0;
    for (const InterfaceFile& f : InterfaceFileTable()) {
        SCOPED_TRACE(f.name);
        std::unique_ptr<Bitmap> b;
        if (f.library)
            b = std::make_unique<Bitmap>(Library(f.name));
        else if (EndsWith(f.name, ".xji"))
            ASSERT_NO_THROW(b = LoadJpegFile(f.name));
        else
            ASSERT_NO_THROW(b = LoadBitmapFile(f.name));
        ASSERT_TRUE(b);
        EXPECT_EQ(b->Width(), f.width);
        EXPECT_EQ(b->Height(), f.height);
        ++pictures;
    }
    // Menu, train, memory, zoom and speaker pictures of three modes, the
    // shared screens and the library.
    EXPECT_GT(pictures, 300);
    EXPECT_TRUE(FileExists("Data\\Intf\\Spec\\R8_Tpociag.xji"));
    EXPECT_TRUE(FileExists("Data\\Intf\\QW6_Splash.xji"));
}

TEST_F(GeneratedInterface, TransparentPairsLoadAsSpritesWithClearAndOpaqueParts)
{
    for (const InterfaceFile& f : InterfaceFileTable()) {
        if (f.library || !(EndsWith(f.name, "B.xji") || EndsWith(f.name, "B.xbi")))
            continue;
        const std::string white = f.name.substr(0, f.name.size() - 5) + "W" + f.name.substr(f.name.size() - 4);
        if (!FileExists(white))
            continue; // a single picture whose name happens to end in "B", such as mStatsB
        SCOPED_TRACE(f.name);
        CTransBitmap sprite;
        ASSERT_EQ(sprite.TryLoadPair(f.name, white), 0);
        int clear = 0, opaque = 0;
        const Bitmap& mask = *sprite.Mask;
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x) {
                const int a = mask.ScanLine(y)[x];
                clear += a <= 4;
                opaque += a >= 251;
            }
        EXPECT_GT(opaque, 0);
        EXPECT_GT(clear, 0);
        // JPEG noise must not turn clear or solid areas into haze.
        EXPECT_GT(clear + opaque, mask.Width() * mask.Height() * 7 / 10);
    }
}

TEST(InterfaceWriter, PairsGiveBackTheAlphaTheyWereDrawnWith)
{
    ProgramSandbox sandbox;
    InterfaceWriter out(sandbox.Root());
    // A soft-edged disc with a translucent ring around it, the hard case of a
    // mask: every alpha value from clear to solid.
    auto draw = [](UiCanvas& c) {
        cairo_t* cr = c.Cr();
        cairo_pattern_t* p = cairo_pattern_create_radial(c.Width() / 2.0, c.Height() / 2.0, 5, c.Width() / 2.0,
                                                         c.Height() / 2.0, c.Height() / 2.0);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.9, 0.2, 0.1, 1);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.4, 0.9, 0);
        cairo_set_source(cr, p);
        cairo_paint(cr);
        cairo_pattern_destroy(p);
    };
    const UiMode& m = UiModes()[1];
    const UiSize jpegSize = TrainHighlightSize(m);
    UiCanvas jpeg(jpegSize.width, jpegSize.height);
    draw(jpeg);
    out.Pair("Data\\Intf\\Spec\\R3_poc_psw", ".xji", jpeg);
    const UiSize bmpSize = SpeakerSize(m);
    UiCanvas bmp(bmpSize.width, bmpSize.height);
    draw(bmp);
    out.Pair("Data\\Intf\\Spec\\R3_glos_D", ".xbi", bmp);

    CTransBitmap j, b;
    j.LoadPair("Data\\Intf\\Spec\\R3_poc_pswB.xji", "Data\\Intf\\Spec\\R3_poc_pswW.xji");
    b.LoadPair("Data\\Intf\\Spec\\R3_glos_DB.xbi", "Data\\Intf\\Spec\\R3_glos_DW.xbi");
    int worst = 0;
    long total = 0;
    for (int y = 0; y < jpeg.Height(); ++y)
        for (int x = 0; x < jpeg.Width(); ++x) {
            const int d = std::abs(j.Mask->ScanLine(y)[x] - jpeg.AlphaAt(x, y));
            worst = std::max(worst, d);
            total += d;
        }
    EXPECT_LE(worst, 12);
    EXPECT_LE(total / (jpeg.Width() * jpeg.Height()), 2);
    // The lossless pair gives the alpha back exactly.
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            ASSERT_EQ(b.Mask->ScanLine(y)[x], bmp.AlphaAt(x, y)) << x << "," << y;
}

TEST(InterfaceWriter, RefusesPicturesOutsideTheTableOrOfTheWrongSize)
{
    TempDir dir;
    InterfaceWriter out(dir.Path());
    EXPECT_THROW(out.Picture("Data\\Intf\\Spec\\R2_unknown.xji", Bitmap(4, 4)), std::logic_error);
    EXPECT_THROW(out.Picture("Data\\Intf\\Spec\\mKom_kp.xji", Bitmap(421, 250)), std::logic_error);
    EXPECT_NO_THROW(out.Picture("Data\\Intf\\Spec\\mKom_kp.xji", Bitmap(420, 250)));
    EXPECT_FALSE(out.Missing().empty());
}

TEST(GenerateInterface, ReportsADirectoryThatCannotBeWritten)
{
    TempDir dir;
    std::ofstream(dir.Path() / "Data") << "a file where a folder should be";
    EXPECT_THROW(GenerateInterface(dir.Path()), std::exception);
}

TEST_F(GeneratedInterface, ImageButtonsAreWhiteWhereTheirMaskIsBlack)
{
    for (const char* base : {"stop", "pomoc", "start", "wyjdz", "oprogramie", "rrec", "rodtworz", "rstop", "up", "down"}) {
        SCOPED_TRACE(base);
        const Bitmap mask = Library(std::string(base) + "_M");
        int opaque = 0;
        for (const char* suffix : {"_D", "_A", "_"}) {
            const Bitmap state = Library(std::string(base) + suffix);
            ASSERT_EQ(state.Width(), mask.Width());
            ASSERT_EQ(state.Height(), mask.Height());
            for (int y = 0; y < mask.Height(); ++y)
                for (int x = 0; x < mask.Width(); ++x) {
                    const TColor mk = mask.GetPixel(x, y);
                    ASSERT_TRUE(GetRValue(mk) == GetGValue(mk) && GetGValue(mk) == GetBValue(mk)) << x << "," << y;
                    if (mk == clBlack)
                        ASSERT_EQ(state.GetPixel(x, y), clWhite) << suffix << " " << x << "," << y;
                    else
                        ++opaque;
                }
        }
        EXPECT_GT(opaque, mask.Width() * mask.Height());
        // The edge is soft: a ring of grey between the clear and the covered.
        int soft = 0;
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x)
                soft += mask.GetPixel(x, y) != clBlack && mask.GetPixel(x, y) != clWhite;
        EXPECT_GT(soft, mask.Width() + mask.Height());
    }
}

TEST_F(GeneratedInterface, StopLetteringStaysInsideTheWhiteRim)
{
    // Across the middle rows, from each side: the red rim, the white line,
    // red again, and only then the white of the letters.
    for (const char* suffix : {"_D", "_A", "_"}) {
        const Bitmap stop = Library(std::string("stop") + suffix);
        const auto white = [&](int x, int y) { return Distance(stop.GetPixel(x, y), clWhite) < 50; };
        for (int y = stop.Height() / 2 - 2; y <= stop.Height() / 2 + 2; ++y) {
            SCOPED_TRACE(std::string(suffix) + " row " + std::to_string(y));
            for (int dir : {1, -1}) {
                int x = dir > 0 ? 0 : stop.Width() - 1;
                const auto skip = [&](bool isWhite) {
                    while (x >= 0 && x < stop.Width() && white(x, y) == isWhite)
                        x += dir;
                };
                skip(true);   // the clear corner
                skip(false);  // the dark rim and the red face
                const int lineStart = x;
                skip(true);   // the white line, no wider than a line: not run into a letter
                EXPECT_LE((x - lineStart) * dir, stop.Width() * 7 / 100);
                const int redStart = x;
                skip(false);  // red between the line and the letters
                ASSERT_TRUE(x >= 0 && x < stop.Width());
                EXPECT_GE((x - redStart) * dir, 2);
            }
        }
    }
}

TEST_F(GeneratedInterface, SummaryWindowShowsItsBorderRightAtTheCutEdge)
{
    // The window is the picture cut to this rounded shape: every pixel just
    // inside the cut is border, no sky between the cut and the border.
    const WindowRegion region = WindowRegion::RoundRect({5, 5, 600, 450}, 50, 50);
    for (const char* mood : {"B", "M", "G"}) {
        SCOPED_TRACE(mood);
        const std::unique_ptr<Bitmap> summary = LoadJpegFile(std::string("Data\\Intf\\Spec\\mStats") + mood + ".xji");
        int edge = 0;
        for (int y = 0; y < summary->Height(); ++y)
            for (int x = 0; x < summary->Width(); ++x) {
                if (!region.Contains(x, y))
                    continue;
                bool nearCut = false;
                for (int d = 1; d <= 2; ++d)
                    nearCut = nearCut || !region.Contains(x - d, y) || !region.Contains(x + d, y) ||
                              !region.Contains(x, y - d) || !region.Contains(x, y + d);
                if (!nearCut)
                    continue;
                ++edge;
                ASSERT_LT(Distance(summary->GetPixel(x, y), RGB(0xF4, 0xA2, 0x59)), 40) << x << "," << y;
            }
        EXPECT_GT(edge, 2 * (595 + 445));
    }
}

TEST_F(GeneratedInterface, MemoryCardBacksAreSquareWithASoftRimNotAHardBlackEdge)
{
    for (const UiMode& m : UiModes()) {
        const std::string name = std::string("Data\\Intf\\Spec\\") + m.prefix + "mem_blkcard0.xji";
        if (!FileExists(name))
            continue;
        SCOPED_TRACE(name);
        const std::unique_ptr<Bitmap> back = LoadJpegFile(name);
        const int w = back->Width(), h = back->Height();
        // A coloured rim all round, the corners included: square like the
        // faces, but no hard black line.
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1},
                                   std::pair{w / 2, 0}, std::pair{0, h / 2}}) {
            EXPECT_GT(Distance(back->GetPixel(x, y), clBlack), 60) << x << "," << y;
            EXPECT_GT(Distance(back->GetPixel(x, y), clWhite), 60) << x << "," << y;
        }
        // No white corner of a rounded card just inside the frame.
        for (const auto& [x, y] : {std::pair{1, 1}, std::pair{w - 2, 1}, std::pair{1, h - 2}, std::pair{w - 2, h - 2}})
            EXPECT_GT(Distance(back->GetPixel(x, y), clWhite), 60) << x << "," << y;
    }
}

TEST_F(GeneratedInterface, MenuChoicesSitOnTheFlatPanelOfEveryModesBackground)
{
    // Check buttons and captions are opaque pictures: their edges and the
    // background under them must both be the panel's colour.
    for (const char* name : {"s_malo_D", "b_SZ_A", "nap_gloski_s", "nap_pozycja_b", "S_CHBUT_D"}) {
        const Bitmap b = Library(name);
        EXPECT_EQ(b.GetPixel(0, 0), kPanelColour) << name;
        EXPECT_EQ(b.GetPixel(b.Width() - 1, b.Height() - 1), kPanelColour) << name;
    }
    for (const UiMode& m : UiModes()) {
        SCOPED_TRACE(m.mode);
        const auto background = LoadJpegFile(std::string("Data\\Intf\\Spec\\") + m.backdrop + "mT0.xji");
        const bool large = m.mode != 2;
        const UiSize sound = CheckButtonSize(large, true);
        const UiSize amount = CheckButtonSize(large, false);
        auto R = [&](int v) { return FromMode2Rounded(m, v); };
        const int d = R(270) / 3;
        std::vector<TRect> places;
        for (int x : {R(169), R(300), R(437)}) {
            places.push_back(RectXYWH(x, R(174), amount.width, amount.height));
            places.push_back(RectXYWH(x, R(430), amount.width, amount.height));
        }
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 3; ++r)
                places.push_back(RectXYWH(R(180) + c * d, R(260) + r * R(40), sound.width, sound.height));
        for (int y : {R(140), R(225), R(394)}) {
            const UiSize cap = CaptionSize(large);
            places.push_back(RectXYWH(R(339) - cap.width / 2, y, cap.width, cap.height));
        }
        for (const TRect& r : places)
            for (const TPoint p : {TPoint{r.left, r.top}, TPoint{r.right - 1, r.top}, TPoint{r.left, r.bottom - 1},
                                   TPoint{r.right - 1, r.bottom - 1}})
                EXPECT_LE(Distance(background->GetPixel(p.x, p.y), kPanelColour), 6) << p.x << "," << p.y;
    }
}

TEST_F(GeneratedInterface, AboutScreenKeepsItsTextAreaDarkAndItsLogoOnThePanel)
{
    for (const UiMode& m : UiModes()) {
        SCOPED_TRACE(m.mode);
        const auto background = LoadJpegFile(std::string("Data\\Intf\\Spec\\") + m.backdrop + "oprogT.xji");
        const auto logo = LoadJpegFile(std::string("Data\\Intf\\Spec\\") + m.prefix + "oprog_log.xji");
        const UiTrainPoint at = AboutLogoPlace(m);
        // The logo is centred and ends above the version line.
        EXPECT_EQ(at.x + logo->Width() / 2, m.pictureWidth / 2);
        EXPECT_LT(at.y + logo->Height(), AboutVersionTop(m));
        // White lines are written over the middle, a block that grows with
        // the mode from 245 rows in 800 x 600: no bright spot there.
        const int middle = m.pictureWidth / 2;
        const double k = m.pictureWidth / 800.0;
        int bright = 0;
        for (int y = AboutVersionTop(m); y < AboutVersionTop(m) + 245 * k; y += 3)
            for (int x = static_cast<int>(middle - 190 * k); x < middle + 250 * k; x += 3) {
                const TColor c = background->GetPixel(x, y);
                bright += std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) > 140 ? 1 : 0;
            }
        EXPECT_EQ(bright, 0);
        // The opaque logo's corners blend into the panel under them.
        for (const TPoint p : {TPoint{0, 0}, TPoint{logo->Width() - 1, logo->Height() - 1}})
            EXPECT_LE(Distance(logo->GetPixel(p.x, p.y), background->GetPixel(at.x + p.x, at.y + p.y)), 8);
    }
}

TEST_F(GeneratedInterface, TrainPicturesMatchTheBackgroundTheyAreDrawnOn)
{
    // The driver's frames and the boxes are opaque: around their edges they
    // must show the very background they cover, or a seam would appear.
    for (const UiMode& m : UiModes()) {
        SCOPED_TRACE(m.mode);
        const std::string spec = "Data\\Intf\\Spec\\";
        const auto background = LoadJpegFile(spec + m.backdrop + "Tpociag.xji");
        auto expectSeamless = [&](const Bitmap& picture, int left, int top) {
            for (const TPoint p : {TPoint{0, 0}, TPoint{picture.Width() - 1, 0}, TPoint{0, picture.Height() - 1},
                                   TPoint{picture.Width() - 1, picture.Height() - 1}})
                EXPECT_LE(Distance(picture.GetPixel(p.x, p.y), background->GetPixel(left + p.x, top + p.y)), 12);
        };
        const UiTrainPoint fp = TrainFigurePlace(m);
        for (int k = 0; k < 6; ++k)
            expectSeamless(*LoadJpegFile(spec + m.prefix + "poc_gad" + std::to_string(k) + ".xji"), fp.x, fp.y);
        for (int k = 0; k < 12; ++k) {
            const UiBoxPlace b = TrainBox(m, k);
            expectSeamless(
                *LoadJpegFile(spec + m.prefix + "poc_regp" + std::to_string(k % 4 + 1) + std::to_string(k / 4 + 1) + ".xji"),
                b.x, b.y);
        }
        // A wagon front shows the word picture through its middle.
        CTransBitmap front;
        front.LoadPair(spec + m.prefix + "poc_sz1B.xji", spec + m.prefix + "poc_sz1W.xji");
        const Bitmap& mask = *front.Mask;
        EXPECT_LE(mask.ScanLine(mask.Height() / 2)[mask.Width() / 2], 4);
        EXPECT_GE(mask.ScanLine(mask.Height() - 3)[mask.Width() / 2], 251);
    }
}

TEST_F(GeneratedInterface, EveryModesFontsLoadWithAllPolishLetters)
{
    const std::string polish = Utf8ToCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    for (int mode : {2, 4, 16}) {
        const SFontNames names = FontNamesForMode(mode);
        for (const char* name : {names.regular, names.bold, names.boldItalic, names.label}) {
            SCOPED_TRACE(name);
            CTransFont font;
            ASSERT_TRUE(font.LoadFromCollection(kFontCollectionPath, name));
            EXPECT_EQ(font.Name(), name);
            for (int c = 0x21; c < 0x7F; ++c)
                EXPECT_NE(font.GlyphOf(static_cast<uint8_t>(c)).image, nullptr) << char(c);
            for (char c : polish) {
                const auto& glyph = font.GlyphOf(static_cast<uint8_t>(c));
                ASSERT_NE(glyph.image, nullptr);
                // Not the plain letter under another code: the accent adds ink.
                EXPECT_NE(font.CharMap(static_cast<uint8_t>(c)), font.CharMap('a'));
            }
            // The space advances without ink.
            EXPECT_EQ(font.GlyphOf(' ').image, nullptr);
            EXPECT_GT(font.MeasureText(" ").width + font.GlyphOf(' ').after, 0);
        }
    }
    CTransFont font;
    EXPECT_FALSE(font.LoadFromCollection(kFontCollectionPath, "Segoe19"));
}

TEST_F(GeneratedInterface, MemoryFigureLeavesTheWordPanelsFrameClear)
{
    for (const UiMode& m : UiModes()) {
        // The rows of the figure's pictures that lie over the panel's frame.
        const int covered = MemoryPanelFrameBottom(m) - MemoryFigurePlace(m).y;
        ASSERT_GT(covered, 0) << m.mode;
        for (int k = 1; k <= 11; ++k) {
            const std::string base = std::string("Data\\Intf\\Spec\\") + m.prefix + "mem_gad" + (k < 10 ? "0" : "") +
                                     std::to_string(k);
            SCOPED_TRACE(base);
            CTransBitmap figure;
            ASSERT_EQ(figure.TryLoadPair(base + "B.xji", base + "W.xji"), 0);
            const Bitmap& mask = *figure.Mask;
            int over = 0, drawn = 0;
            for (int y = 0; y < mask.Height(); ++y)
                for (int x = 0; x < mask.Width(); ++x) {
                    const int a = mask.ScanLine(y)[x];
                    over += y < covered && a > 24;
                    drawn += a > 128;
                }
            EXPECT_EQ(over, 0);
            // Still a whole figure, not a speck.
            EXPECT_GT(drawn, mask.Width() * mask.Height() / 8);
        }
    }
}

namespace {

// The rows of a picture that hold ink near a label point.
std::vector<bool> InkRowsNear(const Bitmap& target, TPoint label, int halfWidth)
{
    std::vector<bool> ink;
    for (int y = 0; y < target.Height(); ++y) {
        bool any = false;
        for (int x = std::max(0, label.x - halfWidth); x < std::min(target.Width(), label.x + halfWidth); ++x)
            any = any || Distance(target.GetPixel(x, y), clWhite) > 60;
        ink.push_back(any);
    }
    return ink;
}

}  // namespace

TEST_F(GeneratedInterface, TrainLabelsKeepAccentsClearOfTheLineAbove)
{
    // The five sounds with two spellings, drawn on a box as the train does,
    // with the fonts of the generated collection: between the first line and
    // the accent of the second lies a band of blank rows.
    const struct {
        int width, height, mode;
    } modes[] = {{800, 600, 2}, {1024, 768, 4}, {1280, 960, 16}};
    for (const auto& m : modes) {
        SetDisplay(m.width, m.height);
        ASSERT_TRUE(LoadGlobalFonts(m.mode));
        // The labels' own face, larger than the bold font of the other texts.
        ASSERT_NE(&FontLabel(), &FontBold());
        EXPECT_GT(FontLabel().LineHeight(), FontBold().LineHeight());
        CPocRegal shelf(0, 0, [](const std::string&) {
            auto white = std::make_unique<Bitmap>(20, 20);
            white->Fill(clWhite);
            return white;
        });
        CPocPudlo& box = shelf.Box(5);
        for (int32_t sound : {GL_ZRZ, GL_SS, GL_ZZ, GL_CC, GL_DZZZ}) {
            SCOPED_TRACE(std::to_string(m.mode) + " " + std::to_string(sound));
            box.Key = sound;
            Bitmap target(m.width, m.height);
            target.Fill(clWhite);
            box.Draw(target);
            const std::vector<bool> ink = InkRowsNear(target, box.LabelPoint(), 60);
            const auto first = std::find(ink.begin(), ink.end(), true);
            ASSERT_NE(first, ink.end());
            const auto gapStart = std::find(first, ink.end(), false);
            const auto secondLine = std::find(gapStart, ink.end(), true);
            ASSERT_NE(secondLine, ink.end());
            // At least a seventh of the line height: clearly two lines, at any size.
            EXPECT_GE(secondLine - gapStart, std::max(3, FontLabel().LineHeight() / 7));
        }
    }
    SetDisplay(800, 600);
}

namespace {

// A label's plate in a picture: the white reaching out from a point on it,
// along its row and its column.
TRect PlateAround(const Bitmap& plain, TPoint p)
{
    auto white = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < plain.Width() && y < plain.Height() && Distance(plain.GetPixel(x, y), clWhite) < 40;
    };
    if (!white(p.x, p.y))
        return {};
    TRect r{p.x, p.y, p.x, p.y};
    while (white(r.left - 1, p.y))
        --r.left;
    while (white(r.right + 1, p.y))
        ++r.right;
    while (white(p.x, r.top - 1))
        --r.top;
    while (white(p.x, r.bottom + 1))
        ++r.bottom;
    return r;
}

// The smallest rectangle (right and bottom inclusive) holding every pixel
// of within where two pictures differ; empty when none does.
TRect InkBetween(const Bitmap& plain, const Bitmap& labelled, TRect within)
{
    TRect ink{within.right, within.bottom, -1, -1};
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            if (labelled.GetPixel(x, y) != plain.GetPixel(x, y))
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y)};
    return ink;
}

// The ink keeps off the plate's edge on every side.
void ExpectOnPlate(TRect ink, TRect plate)
{
    ASSERT_GE(ink.right, 0) << "no ink";
    EXPECT_GT(ink.left, plate.left);
    EXPECT_LT(ink.right, plate.right);
    EXPECT_GT(ink.top, plate.top);
    EXPECT_LT(ink.bottom, plate.bottom);
}

const struct {
    int width, height;
} kModes[] = {{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};

}  // namespace

TEST_F(GeneratedInterface, TrainLabelsStayOnTheirPlatesInEveryMode)
{
    // Every box with its own picture and every sound's label, the widest and
    // the two-line ones included: the label's ink keeps off the plate's edge.
    for (const auto& m : kModes) {
        SetDisplay(m.width, m.height);
        ASSERT_TRUE(LoadGlobalFonts(Display().Mode()));
        CPocRegal shelf(0, 0);
        for (int k = 0; k < 12; ++k) {
            CPocPudlo& box = shelf.Box(k);
            ASSERT_NE(box.Picture(), nullptr);
            Bitmap plain(m.width, m.height);
            plain.Fill(clBlack);
            box.Key = 0;
            plain.Draw(box.X(), box.Y(), *box.Picture());
            const TRect plate = PlateAround(plain, box.LabelPoint());
            ASSERT_FALSE(plate.IsEmpty()) << m.width << "x" << m.height << " box " << k;
            for (int32_t sound : {GL_S, GL_SZ, GL_DZ, GL_DZZ, GL_ZRZ, GL_SS, GL_ZZ, GL_CC, GL_DZZZ}) {
                SCOPED_TRACE(std::to_string(m.width) + "x" + std::to_string(m.height) + " box " +
                             std::to_string(k) + " sound " + std::to_string(sound));
                box.Key = sound;
                Bitmap labelled(m.width, m.height);
                labelled.Fill(clBlack);
                box.Draw(labelled);
                ExpectOnPlate(InkBetween(plain, labelled, labelled.Bounds()), plate);
            }
        }
    }
    SetDisplay(800, 600);
}

TEST_F(GeneratedInterface, ConveyorPipeLabelsStayOnTheirPlatesWithASeparatorNotALetter)
{
    for (const auto& m : kModes) {
        SetDisplay(m.width, m.height);
        const CDisplay& d = Display();
        ASSERT_TRUE(LoadGlobalFonts(d.Mode()));
        CTransFont& font = FontRegular();
        // Between the two spellings of a sound stands a small mark at
        // mid-height, not a letter with an accent (the byte is Ŕ's).
        Bitmap mark(100, font.LineHeight());
        mark.Fill(clWhite);
        Bitmap marked = mark;
        font.DrawText(marked, marked.Bounds(), 255, clBlack, "\xC0");
        const TRect dot = InkBetween(mark, marked, mark.Bounds());
        ASSERT_GE(dot.right, 0);
        EXPECT_LE(dot.bottom - dot.top + 1, font.LineHeight() / 5);
        EXPECT_GT(dot.top, font.LineHeight() / 4);

        // Every sound's name on every pipe's plate of the scene as the game
        // lays it out (the 1280 x 960 area cuts 64 rows off its top).
        Bitmap plain(d.AreaWidth(), d.AreaHeight());
        plain.Fill(clBlack);
        plain.Draw(0, d.Variant() == 16 ? -64 : 0, *LoadJpegFile("Data\\Intf\\Spec\\" + d.PrefixedName("Ttas.xji")));
        const std::unique_ptr<CTasRury> pipes = ModePipes();
        const int half = (pipes->Pipe(1).Left - pipes->Pipe(0).Left) / 2;
        for (int32_t sound = GL_SZ; sound <= GL_DZZZ; sound <<= 1) {
            for (int i = 0; i < pipes->Count(); ++i)
                pipes->SetSound(i, sound);
            Bitmap labelled = plain;
            pipes->DrawLabels(labelled, font);
            for (int i = 0; i < pipes->Count(); ++i) {
                SCOPED_TRACE(std::to_string(m.width) + "x" + std::to_string(m.height) + " pipe " + std::to_string(i) +
                             " sound " + std::to_string(sound));
                const CTasRury::CRura& pipe = pipes->Pipe(i);
                const TRect plate = PlateAround(plain, {pipe.Centre(), pipes->Line() - font.LineHeight() / 2});
                ASSERT_FALSE(plate.IsEmpty());
                ExpectOnPlate(InkBetween(plain, labelled, {pipe.Centre() - half, 0, pipe.Centre() + half, pipes->Line()}),
                              plate);
            }
        }
    }
    SetDisplay(800, 600);
}

TEST_F(GeneratedInterface, TreeWithoutLabelFaceStartsWithBoldLabels)
{
    // A collection written before the label face existed: the three fonts of
    // the mode only.
    const SFontNames names = FontNamesForMode(16);
    CTransFont regular, bold, boldItalic;
    ASSERT_TRUE(regular.LoadFromCollection(kFontCollectionPath, names.regular));
    ASSERT_TRUE(bold.LoadFromCollection(kFontCollectionPath, names.bold));
    ASSERT_TRUE(boldItalic.LoadFromCollection(kFontCollectionPath, names.boldItalic));
    const std::string older = "Data\\Intf\\Spec\\older.tfs";
    ASSERT_TRUE(SaveFontCollection(older, {&regular, &bold, &boldItalic}));
    ASSERT_TRUE(LoadGlobalFonts(16, older));
    EXPECT_EQ(&FontLabel(), &FontBold());
    // The full collection brings the label face back.
    ASSERT_TRUE(LoadGlobalFonts(16));
    EXPECT_NE(&FontLabel(), &FontBold());
    EXPECT_EQ(FontLabel().Name(), names.label);
    ASSERT_TRUE(LoadGlobalFonts(16, older));
    EXPECT_EQ(&FontLabel(), &FontBold());
}

#endif
