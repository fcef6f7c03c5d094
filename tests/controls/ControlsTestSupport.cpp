// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/controls/ControlsTestSupport.h"

#include <cstdlib>
#include <cstring>

#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "platform/headless/HeadlessBackend.h"

HeadlessRig::HeadlessRig(int width, int height, const std::string& script)
    : app_(std::make_unique<TApplication>(std::make_unique<HeadlessBackend>(width, height, script)))
{
}

HeadlessRig::~HeadlessRig() = default;

void HeadlessRig::Step(int n)
{
    for (int i = 0; i < n; ++i)
        app_->HandleMessage();
}

namespace {

Bitmap Solid(int width, int height, TColor colour)
{
    Bitmap b(width, height);
    b.Fill(colour);
    return b;
}

}  // namespace

void WriteButtonPictures(const TempDir& dir, const std::string& name, int width, int height)
{
    const TRect clear{0, 0, kClearColumns, height};
    Bitmap mask = Solid(width, height, clWhite);
    mask.FillRect(clear, clBlack);
    dir.Write("RESOURCE/" + name + "_M.bmp", EncodeBmp(mask));
    const std::pair<const char*, TColor> states[] = {
        {"_D", kNormalColour}, {"_A", kHoverColour}, {"_", kPressedColour}};
    for (const auto& [suffix, colour] : states) {
        Bitmap picture = Solid(width, height, colour);
        picture.FillRect(clear, clWhite);
        dir.Write("RESOURCE/" + name + suffix + ".bmp", EncodeBmp(picture));
    }
}

void WriteLibraryPicture(const TempDir& dir, const std::string& name, int width, int height, TColor colour)
{
    dir.Write("RESOURCE/" + name + ".bmp", EncodeBmp(Solid(width, height, colour)));
}

void WriteJpegPicture(const TempDir& dir, const std::string& path, int width, int height, TColor colour)
{
    dir.Write(path, EncodeJpeg(Solid(width, height, colour), 95));
}

Bitmap PatternBackground(int width, int height)
{
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>((x + y) * 3);  // blue first
            row[3 * x + 1] = static_cast<uint8_t>(y * 5);
            row[3 * x + 2] = static_cast<uint8_t>(x * 7);
        }
    }
    return b;
}

bool SameArea(const Bitmap& a, TRect rect, const Bitmap& b, int bx, int by)
{
    // Whole rows at once where both are 24-bit and the rows lie inside both.
    if (a.Format() == PixelFormat::Bgr24 && b.Format() == PixelFormat::Bgr24 && rect.Intersect(a.Bounds()) == rect &&
        RectXYWH(bx, by, rect.Width(), rect.Height()).Intersect(b.Bounds()) == RectXYWH(bx, by, rect.Width(), rect.Height())) {
        for (int y = rect.top; y < rect.bottom; ++y)
            if (std::memcmp(a.ScanLine(y) + rect.left * 3, b.ScanLine(by + y - rect.top) + bx * 3,
                            static_cast<std::size_t>(rect.Width()) * 3) != 0)
                return false;
        return true;
    }
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (a.GetPixel(x, y) != b.GetPixel(bx + x - rect.left, by + y - rect.top))
                return false;
    return true;
}

bool Near(TColor a, TColor b, int tolerance)
{
    return std::abs(static_cast<int>(GetRValue(a)) - static_cast<int>(GetRValue(b))) <= tolerance &&
           std::abs(static_cast<int>(GetGValue(a)) - static_cast<int>(GetGValue(b))) <= tolerance &&
           std::abs(static_cast<int>(GetBValue(a)) - static_cast<int>(GetBValue(b))) <= tolerance;
}

PlainForm::PlainForm(TApplication& app, const std::string& name, int width, int height)
    : TForm(app, name, width, height), Background(PatternBackground(width, height))
{
    OnPaint = [this] { Canvas().Draw(0, 0, Background); };
}
