// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/suction/CPssRamka.h"

#include <algorithm>

#include "graphics/CDisplay.h"
#include "graphics/CTransBitmap.h"
#include "graphics/CTransFont.h"

namespace {

// Plate home centres in the 1280-wide design: a loose column on the right.
constexpr TPoint kHomes[CPssRamka::kHomeCount] = {{1075, 147}, {941, 266}, {1133, 383}, {922, 501}, {1097, 615}};

}  // namespace

TPoint CPssRamka::Home(const CDisplay& d, int k)
{
    const TPoint& p = kHomes[std::clamp(k, 0, kHomeCount - 1)];
    return {d.ConvertFromModeRounded(16, p.x), d.ConvertFromModeRounded(16, p.y)};
}

CPssRamka::CPssRamka(TPoint home, const SPaczka& word, const Bitmap& clean, const CTransBitmap& platePicture)
    : word_(&word), clean_(&clean), platePicture_(&platePicture), centre_(home)
{
}

int CPssRamka::Width() const { return platePicture_->Colour ? platePicture_->Colour->Width() : 0; }

int CPssRamka::Height() const { return platePicture_->Colour ? platePicture_->Colour->Height() : 0; }

TRect CPssRamka::Rect() const
{
    return RectXYWH(centre_.x - Width() / 2, centre_.y - Height() / 2, Width(), Height());
}

TRect CPssRamka::ChangedArea() const
{
    TRect r = Rect();
    if (opening_ > 40)
        ++r.bottom;
    return r;
}

void CPssRamka::PlaceAt(TPoint dock)
{
    centre_ = dock;
    placed_ = true;
    atHome_ = false;
}

void CPssRamka::Prepare(CTransFont& font)
{
    if (!platePicture_->Colour)
        return;
    plate_ = std::make_unique<Bitmap>(*platePicture_->Colour);
    const std::string text = CSlowa::CapitalSpelling(*word_);
    const CTransFont::SSize size = font.MeasureText(text);
    const int x = (plate_->Width() - size.width) / 2;
    const int y = (plate_->Height() - size.height) / 2;
    // The rectangle starts the text and clips it; the plate's own edges clip the rest.
    font.DrawText(*plate_, TRect{x, y, plate_->Width(), plate_->Height()}, 255, clBlack, text);
}

void CPssRamka::BlendPart(Bitmap& target, TRect source, int left, int top) const
{
    if (!plate_ || source.IsEmpty())
        return;
    // The blend places the plate's own (0, 0); the piece is to start at (left, top).
    const int x = left - source.left, y = top - source.top;
    BlendTransparent(&target, x, y, 255, y, x, clean_, source, platePicture_->Mask.get(), plate_.get());
}

void CPssRamka::Draw(Bitmap& target)
{
    const TRect r = Rect();
    if (placed_) {
        DrawPlaced(target, r.left, r.top);
        return;
    }
    if (opening_ >= 100)
        return;
    if (opening_ <= 0) {
        opening_ = 0;
        if (atHome_)
            BlendPart(target, RectXYWH(0, 0, Width(), Height()), r.left, r.top);
        return;
    }
    // Unfolding: the plate's outer edges come out of its middle line first.
    const int w = Width(), h = Height();
    const int wp = (100 - opening_) * (w / 2) / 100;
    const int leftTop = opening_ > 80 - Display().ConvertFromModeRounded(16, 40) ? r.top + 1 : r.top;
    BlendPart(target, RectXYWH(0, 0, wp, h), centre_.x - wp, leftTop);
    BlendPart(target, RectXYWH(w - wp, 0, wp, h), centre_.x, r.top);
}

void CPssRamka::DrawPlaced(Bitmap& target, int left, int top) const
{
    if (!plate_)
        return;
    BlendTransparent(&target, left, top, 255, top, left, &target, RectXYWH(0, 0, Width(), Height()),
                     platePicture_->Mask.get(), plate_.get());
}
