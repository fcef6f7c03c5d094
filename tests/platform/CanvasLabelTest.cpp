// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/PaintBox.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

TEST(WindowCanvas, DrawingOnAPaintBoxIsOnScreenAtOnceAndStaysInsideTheBox)
{
    ProgramSandbox box;
    auto app = HeadlessApp("");
    TForm form(*app, "F", 640, 480);
    TPaintBox pb(form);
    pb.SetBounds(100, 50, 200, 100);
    form.Show();
    auto& backend = static_cast<HeadlessBackend&>(app->GetBackend());
    const int presents = backend.PresentCount();
    // Outside any paint: each call is composed into the screen at once, and
    // what a handler drew is shown in one present before it sleeps, as a
    // blocking animation needs.
    pb.Canvas().Brush.Color = clRed;
    pb.Canvas().FillRect({-50, -50, 10, 10});
    pb.Canvas().FillRect({-50, -50, 5, 5});
    EXPECT_EQ(backend.PresentCount(), presents);
    TheClock().Sleep(1);
    EXPECT_EQ(backend.PresentCount(), presents + 1);
    TheClock().Sleep(1);
    EXPECT_EQ(backend.PresentCount(), presents + 1);  // nothing new to show
    EXPECT_EQ(app->Screen().GetPixel(100, 50), clRed);
    EXPECT_EQ(app->Screen().GetPixel(109, 59), clRed);
    EXPECT_EQ(app->Screen().GetPixel(99, 50), clBlack);
    EXPECT_EQ(app->Screen().GetPixel(100, 49), clBlack);

    // Raster copies with OR and AND, stretched, clipped to the box.
    Bitmap mask(2, 2), picture(2, 2);
    mask.Fill(RGB(0, 0, 0xF0));
    picture.Fill(RGB(0x0F, 0xFF, 0x0F));
    pb.Canvas().CopyMode = RasterOp::Or;
    pb.Canvas().StretchDraw({150, 50, 250, 150}, mask);  // half of it lies outside the box
    pb.Canvas().CopyMode = RasterOp::And;
    pb.Canvas().StretchDraw({150, 50, 250, 150}, picture);
    EXPECT_EQ(app->Screen().GetPixel(260, 110), RGB(0, 0, 0x00));  // black OR blue AND green-ish
    EXPECT_EQ(form.Pixels().GetPixel(299, 149), RGB(0, 0, 0));
    EXPECT_EQ(form.Pixels().GetPixel(300, 149), clBlack);  // outside the box: untouched

    pb.Canvas().CopyMode = RasterOp::Copy;
    pb.Canvas().Brush.Color = RGB(0x30, 0x30, 0x30);
    pb.Canvas().FillRect({150, 0, 200, 50});
    pb.Canvas().CopyMode = RasterOp::Or;
    pb.Canvas().StretchDraw({150, 0, 200, 50}, mask);
    pb.Canvas().CopyMode = RasterOp::And;
    pb.Canvas().StretchDraw({150, 0, 200, 50}, picture);
    EXPECT_EQ(app->Screen().GetPixel(260, 60), RGB(0x30 & 0x0F, 0x30 & 0xFF, (0x30 | 0xF0) & 0x0F));
}

TEST(Labels, TransparentCaptionChangeRepaintsWhatWasUnderTheOldText)
{
    ProgramSandbox box;
    auto app = HeadlessApp("");
    TForm form(*app, "F", 640, 480);
    form.OnPaint = [&] {
        form.Canvas().Brush.Color = RGB(0, 128, 0);
        form.Canvas().FillRect({0, 0, 640, 480});
    };
    TLabel label(form);
    TFont font;
    font.Name = "Arial Black";
    font.Height = 19;
    font.Bold = true;
    label.SetTransparent(true);
    label.SetFont(font);
    label.SetAlignment(TAlignment::taRightJustify);
    label.SetBounds(345, 177, 13, 10);
    label.SetCaption("12 min 59 s");
    form.Show();
    // Right-aligned with AutoSize: the right edge stays at 358 as the text widens.
    EXPECT_EQ(label.Left() + label.Width(), 358);
    EXPECT_LT(label.Left(), 345);
    const TRect wide = label.BoundsRect();
    int inked = 0;
    for (int y = wide.top; y < wide.bottom; ++y)
        for (int x = wide.left; x < wide.right; ++x)
            inked += app->Screen().GetPixel(x, y) != RGB(0, 128, 0) ? 1 : 0;
    EXPECT_GT(inked, 30);

    label.SetCaption("1");
    form.Update();
    EXPECT_EQ(label.Left() + label.Width(), 358);
    for (int y = wide.top; y < wide.bottom; ++y)
        for (int x = wide.left; x < label.Left(); ++x)
            ASSERT_EQ(app->Screen().GetPixel(x, y), RGB(0, 128, 0)) << x << "," << y;
}

TEST(Labels, WrappedCentredTextStaysInsideItsFixedBox)
{
    ProgramSandbox box;
    auto app = HeadlessApp("");
    TForm form(*app, "F", 420, 250);
    TLabel label(form);
    TFont font;
    font.Name = "Arial Black";
    font.Height = 16;
    label.SetAutoSize(false);
    label.SetBounds(18, 59, 385, 126);
    label.SetWordWrap(true);
    label.SetAlignment(TAlignment::taCenter);
    label.SetColor(clWhite);
    label.SetFont(font);
    label.SetCaption("Proszę wybrać pozycję i wprowadzić nazwę nagrania."_cp);
    form.Show();
    int rowsWithInk = 0, minX = 420, maxX = 0;
    for (int y = 0; y < 250; ++y) {
        bool ink = false;
        for (int x = 0; x < 420; ++x)
            if (form.Pixels().GetPixel(x, y) != clWhite && form.Pixels().GetPixel(x, y) != clBlack) {
                ink = true;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                ASSERT_TRUE(label.BoundsRect().Contains(x, y)) << x << "," << y;
            }
        rowsWithInk += ink ? 1 : 0;
    }
    // Two lines, roughly centred.
    EXPECT_GT(rowsWithInk, 20);
    EXPECT_LT(std::abs((minX + maxX) / 2 - (18 + 385 / 2)), 12);
}

TEST(Images, PictureControlShowsItsBitmapStretched)
{
    ProgramSandbox box;
    auto app = HeadlessApp("");
    TForm form(*app, "F", 100, 100);
    TImage image(form);
    image.SetBounds(10, 10, 20, 20);
    image.Stretch = true;
    Bitmap pic(2, 2);
    pic.SetPixel(0, 0, clRed);
    pic.SetPixel(1, 1, clWhite);
    image.SetPicture(pic);
    form.Show();
    EXPECT_EQ(app->Screen().GetPixel(10, 10), clRed);
    EXPECT_EQ(app->Screen().GetPixel(19, 19), clRed);
    EXPECT_EQ(app->Screen().GetPixel(29, 29), clWhite);
    EXPECT_EQ(app->Screen().GetPixel(30, 30), clBlack);
}

TEST(Fonts, UnderlineDrawsOneUnbrokenLineUnderTheWholeTextAndPlainTextHasNone)
{
    // Letters with gaps between them: only an underline inks a row from end to end.
    const std::string text = "i l i";
    auto fullRows = [&](bool underline) {
        TFont font;
        font.Name = "MS Sans Serif";
        font.Height = 16;
        font.Bold = true;
        font.Underline = underline;
        font.Color = clBlack;
        const TPoint size = TextRenderer::Measure(font, text);
        Bitmap bitmap(size.x + 4, size.y + 4);
        bitmap.Fill(clWhite);
        TextRenderer::Draw(bitmap, 2, 2, font, text, bitmap.Bounds());
        int rows = 0;
        for (int y = 0; y < bitmap.Height(); ++y) {
            int inked = 0;
            for (int x = 2; x < 2 + size.x; ++x)
                inked += GetRValue(bitmap.GetPixel(x, y)) < 128 ? 1 : 0;
            rows += inked >= size.x - 2 ? 1 : 0;
        }
        return rows;
    };
    EXPECT_EQ(fullRows(false), 0);
    EXPECT_GE(fullRows(true), 1);
}
