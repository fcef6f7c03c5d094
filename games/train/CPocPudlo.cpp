// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One box of the train's shelf.
#include "games/train/CPocPudlo.h"

#include <stdexcept>

#include "core/SoundHelpers.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransFont.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"

namespace {

struct BoxDesign {
    int x, y, dx, dy;
};

// Written for the 1280 x 960 design area.
constexpr BoxDesign kBoxes[12] = {
    {155, 81, 115, 68}, {341, 81, 69, 67},  {760, 76, 86, 68},  {937, 72, 80, 73},
    {171, 227, 82, 72}, {346, 224, 69, 61}, {766, 228, 75, 74}, {937, 232, 80, 68},
    {180, 377, 78, 74}, {345, 372, 89, 79}, {759, 376, 62, 78}, {928, 383, 61, 84},
};

// The two spellings of a sound sit closer together than the font's own lines.
class LineGapLowered {
public:
    LineGapLowered(CTransFont& font, int by) : font_(font), gap_(font.LineGap())
    {
        font_.SetMetrics(font_.LineHeight(), font_.CharSpacing(), gap_ - by);
    }
    ~LineGapLowered() { font_.SetMetrics(font_.LineHeight(), font_.CharSpacing(), gap_); }
    LineGapLowered(const LineGapLowered&) = delete;
    LineGapLowered& operator=(const LineGapLowered&) = delete;

private:
    CTransFont& font_;
    int gap_;
};

}  // namespace

CPocPudlo::SPlace CPocPudlo::Placement(const CDisplay& display, int k, int originX, int originY)
{
    if (k < 0 || k > 11)
        throw std::out_of_range("CPocPudlo");
    const BoxDesign& b = kBoxes[k];
    const char* prefix = display.Mode() == 2   ? "Data\\Intf\\Spec\\R2_poc_regp"
                         : display.Mode() == 4 ? "Data\\Intf\\Spec\\R3_poc_regp"
                                               : "Data\\Intf\\Spec\\R5_poc_regp";
    const int column = k % 4 + 1, row = k / 4 + 1;
    return {display.ConvertFromModeRounded(16, b.x) + originX, display.ConvertFromModeRounded(16, b.y) + originY,
            display.ConvertFromModeRounded(16, b.dx), display.ConvertFromModeRounded(16, b.dy - 2),
            std::string(prefix) + std::to_string(column) + std::to_string(row) + ".xji"};
}

CPocPudlo::CPocPudlo(CPocRegal& shelf, int x, std::string_view pictureName, int dy, int dx, int y)
    : CPocPudlo(shelf, x, LoadJpegFile(pictureName), dy, dx, y)
{
}

CPocPudlo::CPocPudlo(CPocRegal& shelf, int x, std::unique_ptr<Bitmap> picture, int dy, int dx, int y)
    : shelf_(&shelf), x_(x), y_(y), dx_(dx), dy_(dy), picture_(std::move(picture))
{
}

void CPocPudlo::Draw(Bitmap& target) const
{
    if (!Active)
        return;
    if (picture_)
        target.Draw(x_, y_, *picture_);
    // Ż, Ś, Ź, Ć and DŹ have two spellings: one above the other, in the large
    // bold label face, which a child reads more easily on the little plate.
    const std::string text = SoundName(Key, "\n");
    CTransFont& font = FontLabel();
    const LineGapLowered lowered(font, Display().ConvertFromMode(16, 12));
    const CTransFont::SSize size = font.MeasureText(text);
    // The +-100 stays unconverted: the label's width is the font's business.
    const TRect r{x_ + dx_ - 100, y_ + dy_ + Display().ConvertFromMode(16, 5) - size.height / 2, x_ + dx_ + 100,
                  y_ + dy_ + size.height};
    font.DrawWrapped(target, text, 255, 1, 0, r);
}

int CPocPudlo::TargetRadius() { return Display().ConvertFromMode(16, 50); }

bool CPocPudlo::Hit(int px, int py) const
{
    const int r = TargetRadius();
    return x_ + dx_ - r <= px && px < x_ + dx_ + r && y_ + dy_ - r <= py && py < y_ + dy_ + r;
}
