#include "core/ChildNamePlate.h"

#include <exception>

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
    // The largest letters the name fits in; a name too long even in the
    // smallest is cut and ends in dots.
    std::string shown = name_;
    for (font.Height = Scaled(kDesignLargestFont, w); font.Height > Scaled(kDesignSmallestFont, w); --font.Height)
        if (TextRenderer::Measure(font, shown).x <= field.Width())
            break;
    while (shown.size() > 1 && TextRenderer::Measure(font, shown + "...").x > field.Width() &&
           TextRenderer::Measure(font, shown).x > field.Width())
        shown.pop_back();
    if (shown != name_) {
        while (!shown.empty() && shown.back() == ' ')
            shown.pop_back();
        shown += "...";
    }
    const TPoint size = TextRenderer::Measure(font, shown);
    TextRenderer::Draw(buffer_, field.left + (field.Width() - size.x) / 2, field.top + (field.Height() - size.y) / 2,
                       font, shown, field);
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
