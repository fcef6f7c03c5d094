// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/suction/CPssEkranikRes.h"

#include <memory>
#include <stdexcept>

#include "graphics/CDisplay.h"

namespace {

struct SDesign {
    TRect rect;
    TPoint dock;
};

// The casings of the 1280-wide scene and the points below them.
constexpr SDesign kPlaces[CPssEkranikRes::kPlaceCount] = {
    {{78, 180, 231, 357}, {155, 408}},  {{538, 179, 691, 356}, {625, 406}}, {{317, 346, 464, 521}, {402, 562}},
    {{112, 573, 263, 743}, {196, 789}}, {{444, 610, 588, 775}, {516, 823}},
};

const SDesign& Design(int k)
{
    if (k < 0 || k >= CPssEkranikRes::kPlaceCount)
        throw std::out_of_range("screen place");
    return kPlaces[k];
}

std::unique_ptr<Bitmap> Cut(const Bitmap* source, TRect rect, PixelFormat format)
{
    auto part = std::make_unique<Bitmap>(rect.Width(), rect.Height(), format);
    if (source != nullptr)
        part->CopyRect(part->Bounds(), *source, rect);
    return part;
}

}  // namespace

CPssEkranikRes::CPssEkranikRes(const CTransBitmap& scene, TRect rect, TPoint dock, int reachX, int reachY)
    : rect_(rect), dock_(dock), reachX_(reachX), reachY_(reachY)
{
    cutOut_.SetColour(Cut(scene.Colour.get(), rect, PixelFormat::Bgr24));
    cutOut_.SetMask(Cut(scene.Mask.get(), rect, PixelFormat::Gray8));
}

TRect CPssEkranikRes::PlaceRect(const CDisplay& d, int k)
{
    const TRect& r = Design(k).rect;
    auto s = [&d](int v) { return d.ConvertFromModeRounded(16, v); };
    return {s(r.left), s(r.top), s(r.right), s(r.bottom)};
}

TPoint CPssEkranikRes::DockPoint(const CDisplay& d, int k)
{
    const TPoint& p = Design(k).dock;
    return {d.ConvertFromModeRounded(16, p.x), d.ConvertFromModeRounded(16, p.y)};
}

CPssEkranikRes CPssEkranikRes::Make(const CTransBitmap& scene, const CDisplay& d, int k)
{
    return CPssEkranikRes(scene, PlaceRect(d, k), DockPoint(d, k), d.ConvertFromModeRounded(16, 60),
                          d.ConvertFromModeRounded(16, 30));
}

bool CPssEkranikRes::Docks(int x, int y) const
{
    return dock_.x - reachX_ <= x && x < dock_.x + reachX_ && dock_.y - reachY_ <= y && y < dock_.y + reachY_;
}
