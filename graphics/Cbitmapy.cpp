// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture loaders by name. Word pictures never fail: a missing or damaged
// file is shown as a black picture of the requested size.
#include "graphics/Cbitmapy.h"

#include <algorithm>

#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "graphics/StretchBitmap.h"
#include "graphics/PictureReads.h"
#include "platform/Paths.h"

namespace {

std::string ReadPictureBytes(std::string_view fileName)
{
    std::string bytes;
    const std::filesystem::path file = NativePath(fileName);
    if (!ReadWholeFile(file, bytes))
        throw EInvalidGraphic("Cannot read the picture file " + std::string(fileName));
    NotePictureRead(file);
    return bytes;
}

}  // namespace

std::unique_ptr<Bitmap> LoadBitmapFile(std::string_view fileName)
{
    auto bitmap = std::make_unique<Bitmap>();
    LoadCorrectBitmap(*bitmap, fileName);
    return bitmap;
}

std::unique_ptr<Bitmap> LoadJpegFile(std::string_view fileName)
{
    auto bitmap = std::make_unique<Bitmap>();
    LoadJpegInto(*bitmap, fileName);
    return bitmap;
}

void LoadJpegInto(Bitmap& target, std::string_view fileName)
{
    DecodeJpeg(ReadPictureBytes(fileName), target);
}

void DrawJpegFile(Bitmap& canvas, int x, int y, std::string_view fileName)
{
    try {
        Bitmap picture;
        LoadJpegInto(picture, fileName);
        canvas.Draw(x, y, picture);
    } catch (const std::exception&) {
        // A picture that cannot be shown is left out.
    }
}

void LoadPictureFile(Bitmap& target, std::string_view fileName)
{
    std::string bytes = ReadPictureBytes(fileName);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        RepairBmpSizeField(bytes);
        DecodeBmp(bytes, target);
    } else {
        DecodeJpeg(bytes, target);
    }
}

void MakeBackground(const ScreenPlacement& display, Bitmap& target, std::string_view fileName)
{
    target = Bitmap(display.screenWidth, display.screenHeight, PixelFormat::Bgr24);
    if (FileExists(fileName)) {
        Bitmap picture;
        LoadJpegInto(picture, fileName);
        target.Draw(display.offsetX, display.offsetY, picture);
    }
}

std::string WordPictureSmallName(std::string_view word)
{
    return "Data\\exio200b\\" + std::string(word) + ".xbi";
}

std::string WordPictureLargeName(std::string_view word)
{
    return "Data\\exio400j\\" + std::string(word) + ".xji";
}

std::unique_ptr<Bitmap> FitWordPicture(const Bitmap& picture, int w, int h, int frameWidth)
{
    auto result = NewBitmap24(w, h);
    if (w < 1 || h < 1)
        return result;
    const int64_t stripWidth = static_cast<int64_t>(w) * picture.Height() / h;
    // The strip may be wider than a narrow picture: the sides stay black.
    const int64_t left = (picture.Width() - stripWidth) / 2;
    if (stripWidth == picture.Width() && picture.Format() == PixelFormat::Bgr24) {
        StretchBitmap(*result, picture);  // already of the right aspect
    } else if (stripWidth >= 1 && stripWidth * picture.Height() <= kMaxPicturePixels) {
        Bitmap strip(static_cast<int>(stripWidth), picture.Height(), PixelFormat::Bgr24);
        strip.CopyRect(strip.Bounds(), picture, RectXYWH(static_cast<int>(left), 0, strip.Width(), strip.Height()));
        StretchBitmap(*result, strip);
    }
    if (frameWidth > 0)
        result->FrameRect(result->Bounds(), clBlack, frameWidth);
    return result;
}

std::unique_ptr<Bitmap> LoadWordPictureSmall(std::string_view word, int w, int h, int frameWidth)
{
    const std::string name = WordPictureSmallName(word);
    Bitmap picture;
    try {
        if (!FileExists(name))
            return FitWordPicture(Bitmap(), w, h, frameWidth);
        LoadCorrectBitmap(picture, name);
    } catch (const std::exception&) {
        return FitWordPicture(Bitmap(), w, h, frameWidth);
    }
    return FitWordPicture(picture, w, h, frameWidth);
}

std::unique_ptr<Bitmap> LoadWordPictureLarge(std::string_view word, int w, int h, int frameWidth)
{
    const std::string name = WordPictureLargeName(word);
    Bitmap picture;
    try {
        if (!FileExists(name))
            return FitWordPicture(Bitmap(), w, h, frameWidth);
        LoadJpegInto(picture, name);
    } catch (const std::exception&) {
        return FitWordPicture(Bitmap(), w, h, frameWidth);
    }
    return FitWordPicture(picture, w, h, frameWidth);
}

std::unique_ptr<Bitmap> FramedWordPicture(const Bitmap& frame, int marginX, int marginY, std::string_view word)
{
    auto result = NewBitmap24(frame.Width(), frame.Height());
    result->Draw(0, 0, frame);
    const auto inner = LoadWordPictureSmall(word, frame.Width() - 2 * marginX, frame.Height() - 2 * marginY, 0);
    result->Draw(marginX, marginY, *inner);
    return result;
}

JpegImage WordPictureAsJpeg(std::string_view word, int w, int h, int frameWidth)
{
    const auto picture = LoadWordPictureSmall(word, w, h, frameWidth);
    if (picture->Empty())
        return JpegImage();
    return JpegImage(*picture, 90);
}

std::unique_ptr<Bitmap> NewBitmap24(int w, int h)
{
    return std::make_unique<Bitmap>(std::max(w, 0), std::max(h, 0), PixelFormat::Bgr24);
}

void ResizeBitmap24(Bitmap& bitmap, int w, int h)
{
    bitmap.SetFormat(PixelFormat::Bgr24);
    bitmap.SetSize(w, h);
}
