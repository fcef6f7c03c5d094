// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ChildNamePlate.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "core/ActiveChild.h"
#include "core/CBlad.h"
#include "graphics/CDisplay.h"
#include "platform/Canvas.h"
#include "platform/Font.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"
#include "screens/FormDzieci.h"

namespace {

// Designed for the 1280 mode, where the plate is 190 wide: its top-left
// corner under the logo, and the field of the name right of the face.
constexpr int kDesignWidth = 190;
constexpr TPoint kDesignPlace{21, 679};
constexpr TRect kDesignNameField{60, 10, 182, 56};
constexpr int kDesignLargestFont = 21;
constexpr int kDesignSmallestFont = 12;
// Below this the name is hard to read on the smallest screen.
constexpr int kSmallestReadableFont = 10;

std::size_t Distance(std::size_t a, std::size_t b)
{
    return a > b ? a - b : b - a;
}

int Scaled(int v, int width)
{
    return v * width / kDesignWidth;
}

}  // namespace

ChildNamePlate::ChildNamePlate(TForm& menu, const Bitmap& scene) : TControl(menu), scene_(&scene)
{
    const std::string prefix = Display().Mode() == 2 ? "R2_" : Display().Mode() == 4 ? "R3_" : "R5_";
    const std::string base = "Data\\Intf\\Spec\\" + prefix + "mDziecko";
    if (!FileExists(base + "B.xji") || plate_.TryLoadPair(base + "B.xji", base + "W.xji") != 0)
        throw CBlad(1);
    Name = "ChildNamePlate";
    Cursor = crHand;
    const TPoint at = PlaceIn(Display());
    SetBounds(at.x, at.y, plate_.Colour->Width(), plate_.Colour->Height());
    SetVisible(false);
}

TPoint ChildNamePlate::PlaceIn(const CDisplay& d)
{
    return {d.ConvertFromMode(16, kDesignPlace.x) + d.OffsetX(), d.ConvertFromMode(16, kDesignPlace.y) + d.OffsetY()};
}

void ChildNamePlate::SetName(const std::string& name)
{
    name_ = name;
    if (name_.empty()) {
        SetVisible(false);
        return;
    }
    Compose();
    SetVisible(true);
    Invalidate();
}

void ChildNamePlate::Compose()
{
    const int w = Width();
    buffer_ = Bitmap(w, Height());
    buffer_.CopyRect(buffer_.Bounds(), *scene_, BoundsRect());
    plate_.DrawOnCanvas(buffer_, 0, 0, 255, false);

    const TRect field{Scaled(kDesignNameField.left, w), Scaled(kDesignNameField.top, w),
                      Scaled(kDesignNameField.right, w), Scaled(kDesignNameField.bottom, w)};
    TFont font;
    font.Name = "Arial Black";
    font.Bold = true;
    font.Color = RGB(0xD9, 0x55, 0x2B);
    // The largest letters the name fits in, on one line or on two split at
    // the space nearest its middle; a name too long even so is cut and ends
    // in dots.
    std::vector<std::string> lines{name_};
    const std::size_t middle = name_.size() / 2;
    std::size_t split = std::string::npos;
    for (std::size_t i = 0; i < name_.size(); ++i)
        if (name_[i] == ' ' && (split == std::string::npos || Distance(i, middle) < Distance(split, middle)))
            split = i;
    const int smallest = std::max(kSmallestReadableFont, Scaled(kDesignSmallestFont, w));
    bool fits = false;
    for (font.Height = Scaled(kDesignLargestFont, w); font.Height >= smallest && !fits; --font.Height) {
        if (TextRenderer::Measure(font, name_).x <= field.Width()) {
            lines = {name_};
            fits = true;
        } else if (split != std::string::npos && 2 * TextRenderer::LineHeight(font) <= field.Height()) {
            lines = {name_.substr(0, split), name_.substr(split + 1)};
            fits = TextRenderer::Measure(font, lines[0]).x <= field.Width() &&
                   TextRenderer::Measure(font, lines[1]).x <= field.Width();
        }
    }
    if (fits) {
        ++font.Height;  // the loop stepped once past it
    } else {
        font.Height = smallest;
        std::string cut = name_;
        while (cut.size() > 1 && TextRenderer::Measure(font, cut + "...").x > field.Width())
            cut.pop_back();
        while (!cut.empty() && cut.back() == ' ')
            cut.pop_back();
        lines = {cut + "..."};
    }
    const int lineHeight = TextRenderer::LineHeight(font);
    int y = field.top + (field.Height() - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const std::string& line : lines) {
        const int width = TextRenderer::Measure(font, line).x;
        TextRenderer::Draw(buffer_, field.left + (field.Width() - width) / 2, y, font, line, field);
        y += lineHeight;
    }
}

void ChildNamePlate::Paint(TCanvas& canvas)
{
    if (buffer_.Width() > 0)
        canvas.Draw(0, 0, buffer_);
}

void ChildNamePlate::Click()
{
    TControl::Click();
    if (!FormDzieci || !Visible())
        return;
    const std::string before = ActiveChildName();
    FormDzieci->ShowChildren();
    if (ActiveChildName() == before)
        return;
    SetName(ActiveChildName());
    if (OnChildChanged)
        OnChildChanged();
}
