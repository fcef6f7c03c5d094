// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The can pictures of the conveyor.
#include "games/conveyor/CanPictures.h"

#include <utility>

namespace {

void CutOverlay(const CTransBitmap& can, TRect window, CTransBitmap& overlay)
{
    auto colour = std::make_unique<Bitmap>(window.Width(), window.Height(), PixelFormat::Bgr24);
    colour->CopyRect(colour->Bounds(), *can.Colour, window);
    auto mask = NewMask(window.Width(), window.Height(), 0);
    mask->CopyRect(mask->Bounds(), *can.Mask, window);
    overlay.SetColour(std::move(colour));
    overlay.SetMask(std::move(mask));
}

}  // namespace

TRect CanPictures::LowerWindow(int mode)
{
    if (mode == 2)
        return {20, 23, 75, 92};
    if (mode == 4)
        return {25, 30, 93, 117};
    return {32, 38, 116, 146};
}

TRect CanPictures::UpperWindow(int mode)
{
    if (mode == 2)
        return {19, 22, 74, 91};
    if (mode == 4)
        return {25, 28, 93, 115};
    return {32, 36, 116, 144};
}

CanPictures::CanPictures(const std::string& prefix, int mode)
    : lowerWindow_(LowerWindow(mode)), upperWindow_(UpperWindow(mode))
{
    const std::string base = "Data\\Intf\\Spec\\" + prefix + "tas_pus";
    lower_.LoadPair(base + "dB.xji", base + "dW.xji");
    upper_.LoadPair(base + "gB.xji", base + "gW.xji");
    Prepare();
}

CanPictures::CanPictures(CTransBitmap lower, CTransBitmap upper, int mode)
    : lower_(std::move(lower)), upper_(std::move(upper)), lowerWindow_(LowerWindow(mode)), upperWindow_(UpperWindow(mode))
{
    Prepare();
}

void CanPictures::Prepare()
{
    CutOverlay(lower_, lowerWindow_, lowerOverlay_);
    CutOverlay(upper_, upperWindow_, upperOverlay_);
    // Each can's own window becomes opaque: the word picture fills it. (The
    // lower window used for both would leave a see-through seam along the
    // upper can's window, which sits one pixel higher and further left.)
    lower_.Mask->FillRect(lowerWindow_, RGB(255, 255, 255));
    upper_.Mask->FillRect(upperWindow_, RGB(255, 255, 255));
}

std::unique_ptr<Bitmap> CanPictures::Compose(const CTransBitmap& can, const CTransBitmap& overlay, TRect window,
                                             const Bitmap* word) const
{
    auto picture = std::make_unique<Bitmap>(*can.Colour);
    if (word != nullptr)
        picture->CopyRect(RectXYWH(window.left, window.top, word->Width(), word->Height()), *word, word->Bounds());
    BlendTransparent(picture.get(), window.left, window.top, 255, window.top, window.left, picture.get(),
                     overlay.Colour->Bounds(), overlay.Mask.get(), overlay.Colour.get());
    return picture;
}

std::unique_ptr<CTasPuszka> CanPictures::MakeCan(const CSlowa::SPaczka& word, int lift, int gripWidth) const
{
    const Bitmap* picture = word.Picture.get();
    return std::make_unique<CTasPuszka>(word, Compose(lower_, lowerOverlay_, lowerWindow_, picture), lift, gripWidth,
                                        *upper_.Mask, *lower_.Mask, Compose(upper_, upperOverlay_, upperWindow_, picture));
}
