// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift truck's motion model and drawing.
#include "games/forklift/CWidWozek.h"

#include <algorithm>

#include "core/SoundHelpers.h"
#include "games/forklift/CWidPlansza.h"

const std::array<const char*, CWidWozek::kPictureCount>& CWidWozek::PictureNames()
{
    static const std::array<const char*, kPictureCount> names{"wid_wla", "wid_wlw", "wid_wll", "wid_wra",
                                                              "wid_wrw", "wid_wrl", "wid_wsa", "wid_wsw"};
    return names;
}

CWidWozek::CWidWozek(const ForkliftMeasures& measures)
    : CWidWozekStan(measures.startX, measures.startForkHeight, nullptr), measures_(measures)
{
}

void CWidWozek::LoadPictures(const std::string& folderAndPrefix)
{
    for (int k = 0; k < kPictureCount; ++k) {
        const std::string base = folderAndPrefix + PictureNames()[static_cast<std::size_t>(k)];
        pictures_[static_cast<std::size_t>(k)].LoadPair(base + "B.xji", base + "W.xji");
    }
}

int CWidWozek::DriveLeft(int a)
{
    const ForkliftMeasures& m = measures_;
    CWidRegal& left = Board->LeftRack();
    const CWidRegal& right = Board->RightRack();
    int result = kNothing;
    if (Orientation == kFacingRight) {
        // Backing away from the right rack.
        X -= a;
        if (X <= m.turningPoint) {
            Orientation = kTurning;
            Turn = m.turnLength;
            X = m.turningPoint;
        }
        if (Slot != nullptr && X + m.reach <= right.Left() - m.margin)
            Slot = nullptr;
    } else if (Orientation == kTurning) {
        Turn -= a;
        if (Turn < 0)
            Orientation = kFacingLeft;
    } else {
        if (X - a - m.reach >= left.Right() + m.margin) {
            X -= a;
            return result;
        }
        int nx = X - ApproachStep(a);
        int tip = nx - m.reach;
        if (Slot == nullptr) {
            if (Box)
                Slot = left.EmptySlotNear(left.Right() - 10, ForkY(), m.tolerance);
            // Without a slot to meet the truck halts short of the rack.
            X = Slot != nullptr ? nx : left.Right() + m.margin + m.reach;
            return result;
        }
        if (!Box)
            return result;
        if (tip < Slot->Right()) {
            // The box has reached the slot: it goes in, or is refused and
            // stays on the fork while the truck stays pressed against it.
            nx = Slot->Right() + m.reach;
            tip = Slot->Right();
            if (Box->Word() == Slot->Word()) {
                Slot->PutBox(std::move(Box));
                ForkHeight -= m.lift;
                result = kRightDelivery;
            } else if (!WrongAttempt) {
                WrongAttempt = true;
                result = kWrongDelivery;
            }
        }
        // The fork glides towards the height at which the box slides in,
        // lift pixels above the shelf.
        const int r = Slot->Right();
        if (tip != r)
            ForkHeight += a * ((m.floor - ForkHeight) - (Slot->ShelfY() - m.lift)) / (tip - r);
        X = nx;
    }
    return result;
}

void CWidWozek::DriveRight(int a)
{
    const ForkliftMeasures& m = measures_;
    const CWidRegal& left = Board->LeftRack();
    CWidRegal& right = Board->RightRack();
    if (Orientation == kFacingLeft) {
        // Backing away from the left rack.
        X += a;
        if (X >= m.turningPoint) {
            Orientation = kTurning;
            Turn = 0;
            X = m.turningPoint;
        }
        if (Slot != nullptr && X - m.reach >= left.Right() + m.margin) {
            Slot = nullptr;
            WrongAttempt = false;
        }
    } else if (Orientation == kTurning) {
        Turn += a;
        if (Turn > m.turnLength)
            Orientation = kFacingRight;
    } else {
        if (X + a + m.reach <= right.Left() - m.margin) {
            X += a;
            return;
        }
        int nx = X + ApproachStep(a);
        int tip = nx + m.reach;
        if (Slot == nullptr) {
            if (!Box)
                Slot = right.BoxedSlotNear(right.Left() + 10, ForkY(), m.tolerance);
            X = Slot != nullptr ? nx : right.Left() - m.margin - m.reach;
            return;
        }
        if (Box)
            return;
        if (tip > Slot->Left()) {
            // The fork is under the box: it lifts the box off the shelf.
            nx = Slot->Left() - m.reach;
            tip = Slot->Left();
            Box = Slot->TakeBox();
            ForkHeight += m.lift;
            if (Box && Box->Word() != nullptr)
                PlayDataSound(Box->Word()->Key, false);
        }
        // The fork glides to the shelf's height on the way in.
        const int e = Slot->Left();
        if (tip != e)
            ForkHeight += ((m.floor - ForkHeight) - Slot->ShelfY()) * a / (e - tip);
        X = nx;
    }
}

void CWidWozek::Raise(int a)
{
    if (Slot == nullptr)
        ForkHeight = std::min(ForkHeight + a, measures_.topFork);
}

void CWidWozek::Lower(int a)
{
    if (Slot == nullptr)
        ForkHeight = std::max(ForkHeight - a, 0);
}

TPoint CWidWozek::BoxPosition() const
{
    const int w = Box ? Box->Width() : 0;
    const int h = Box ? Box->Height() : 0;
    if (Orientation == kFacingRight)
        return {X + measures_.reach, ForkY() - h};
    if (Orientation == kFacingLeft)
        return {X - measures_.reach - w, ForkY() - h};
    return {X - w / 2, ForkY() - h + 1};
}

CWidPudlo* CWidWozek::BoxAt(int px, int py) const
{
    if (!Box)
        return nullptr;
    const TPoint p = BoxPosition();
    return RectXYWH(p.x, p.y, Box->Width(), Box->PictureHeight()).Contains(px, py) ? Box.get() : nullptr;
}

int CWidWozek::PictureWidth(int index) const
{
    const CTransBitmap& p = pictures_[static_cast<std::size_t>(index)];
    return p.Colour ? p.Colour->Width() : 0;
}

int CWidWozek::PictureHeight(int index) const
{
    const CTransBitmap& p = pictures_[static_cast<std::size_t>(index)];
    return p.Colour ? p.Colour->Height() : 0;
}

int CWidWozek::Layout(std::array<Placed, 3>& parts) const
{
    const ForkliftMeasures& m = measures_;
    const int f = m.floor;
    if (Orientation == kFacingRight) {
        const int bx = X - m.rightBodyX, by = f - m.rightBodyY;
        parts[0] = {kBodyRight, bx, by};
        parts[1] = {kForkRight, X, ForkY()};
        parts[2] = {kOverlayRight, bx + m.rightOverlayX, by + m.rightOverlayY};
        return 3;
    }
    if (Orientation == kFacingLeft) {
        const int bx = X - m.leftBodyX, by = f - m.leftBodyY;
        parts[0] = {kBodyLeft, bx, by};
        parts[1] = {kForkLeft, X - PictureWidth(kForkLeft), ForkY()};
        parts[2] = {kOverlayLeft, bx + m.leftOverlayX, by + m.leftOverlayY};
        return 3;
    }
    parts[0] = {kBodyFront, X - m.frontBodyX, f - m.frontBodyY};
    parts[1] = {kForkFront, X - PictureWidth(kForkFront) / 2, ForkY()};
    return 2;
}

TRect CWidWozek::Rect() const
{
    std::array<Placed, 3> parts{};
    const int n = Layout(parts);
    TRect r{parts[0].x, parts[0].y, parts[0].x, parts[0].y};
    auto cover = [&r](TRect o) {
        if (o.IsEmpty())
            return;
        if (r.IsEmpty()) {
            r = o;
            return;
        }
        r = {std::min(r.left, o.left), std::min(r.top, o.top), std::max(r.right, o.right),
             std::max(r.bottom, o.bottom)};
    };
    for (int k = 0; k < n; ++k) {
        const Placed& p = parts[static_cast<std::size_t>(k)];
        cover(RectXYWH(p.x, p.y, PictureWidth(p.index), PictureHeight(p.index)));
    }
    if (Box) {
        const TPoint b = BoxPosition();
        cover(RectXYWH(b.x, b.y, Box->Width(), Box->PictureHeight()));
    }
    return r;
}

void CWidWozek::Draw(Bitmap& target) const
{
    std::array<Placed, 3> parts{};
    const int n = Layout(parts);
    for (int k = 0; k < n; ++k) {
        const Placed& p = parts[static_cast<std::size_t>(k)];
        const CTransBitmap& picture = pictures_[static_cast<std::size_t>(p.index)];
        if (picture.Colour && picture.Mask)
            BlendTransparent(&target, p.x, p.y, 255, p.y, p.x, &target, picture.Colour->Bounds(), picture.Mask.get(),
                             picture.Colour.get());
    }
    if (Box) {
        const TPoint b = BoxPosition();
        Box->Draw(target, b.x, b.y);
    }
}
