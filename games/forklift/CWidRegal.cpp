// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game's racks and their slots.
#include "games/forklift/CWidRegal.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Random.h"
#include "platform/Text.h"

CWidRegal::CMiejscePudla::CMiejscePudla(CWidRegal& rack, int x, int shelfY, std::unique_ptr<CWidPudlo> box)
    : rack_(&rack), word_(nullptr), x_(x), shelfY_(shelfY), width_(0)
{
    if (!box)
        throw std::invalid_argument("Pudlo musi być ustawione! CWidRegal::CMiejscePudla"_cp);
    word_ = box->Word();
    SetBox(std::move(box));
}

CWidRegal::CMiejscePudla::CMiejscePudla(CWidRegal& rack, CSlowa::SPaczka* word, int x, int shelfY, int width)
    : rack_(&rack), word_(word), x_(x), shelfY_(shelfY), width_(width)
{
}

void CWidRegal::CMiejscePudla::SetBox(std::unique_ptr<CWidPudlo> box)
{
    box_ = std::move(box);
    if (!box_)
        return;
    box_->x = x_ - box_->Width() / 2;
    box_->y = shelfY_ - box_->Height();
    width_ = box_->Width();
}

std::unique_ptr<CWidPudlo> CWidRegal::CMiejscePudla::TakeBox()
{
    rack_->changed_ = this;
    return std::move(box_);
}

void CWidRegal::CMiejscePudla::PutBox(std::unique_ptr<CWidPudlo> box)
{
    SetBox(std::move(box));
    rack_->changed_ = this;
}

int CWidRegal::CMiejscePudla::EffectiveWidth() const { return box_ ? box_->Width() : width_; }
int CWidRegal::CMiejscePudla::Left() const { return x_ - EffectiveWidth() / 2; }
int CWidRegal::CMiejscePudla::Right() const { return x_ + (EffectiveWidth() + 1) / 2; }
int CWidRegal::CMiejscePudla::Top() const { return box_ ? box_->y : shelfY_; }
int CWidRegal::CMiejscePudla::Bottom() const { return box_ ? box_->y + box_->PictureHeight() : shelfY_; }

CWidRegal::CMiejscePudla& CWidRegal::AddSlot(std::unique_ptr<CMiejscePudla> slot)
{
    const CMiejscePudla& s = *slot;
    if (slots_.empty())
        bounds_ = {s.Left(), s.Top(), s.Right(), s.Bottom()};
    else
        bounds_ = {std::min(bounds_.left, s.Left()), std::min(bounds_.top, s.Top()),
                   std::max(bounds_.right, s.Right()), std::max(bounds_.bottom, s.Bottom())};
    slots_.push_back(std::move(slot));
    return *slots_.back();
}

void CWidRegal::Draw(Bitmap& target)
{
    for (const auto& slot : slots_)
        if (const CWidPudlo* box = slot->Box())
            box->Draw(target, box->x, box->y);
    changed_ = nullptr;
}

CWidRegal::CMiejscePudla* CWidRegal::NearSlot(int px, int py, int t) const
{
    for (const auto& slot : slots_)
        if (slot->ShelfY() - t <= py && py < slot->ShelfY() + t && slot->Left() <= px && px < slot->Right())
            return slot.get();
    return nullptr;
}

CWidRegal::CMiejscePudla* CWidRegal::BoxedSlotNear(int px, int py, int t) const
{
    CMiejscePudla* slot = NearSlot(px, py, t);
    return slot != nullptr && slot->Box() != nullptr ? slot : nullptr;
}

CWidRegal::CMiejscePudla* CWidRegal::EmptySlotNear(int px, int py, int t) const
{
    CMiejscePudla* slot = NearSlot(px, py, t);
    return slot != nullptr && slot->Box() == nullptr ? slot : nullptr;
}

CWidPudlo* CWidRegal::BoxAt(int px, int py) const
{
    for (const auto& slot : slots_)
        if (slot->Box() != nullptr && slot->Box()->Contains(px, py))
            return slot->Box();
    return nullptr;
}

CWidRegal::CMiejscePudla* CWidRegal::RandomBoxedSlot() const
{
    const int n = static_cast<int>(slots_.size());
    if (n == 0)
        return nullptr;
    const int r = RandomInt(n);
    for (int k = 0; k < n; ++k) {
        CMiejscePudla* slot = slots_[static_cast<std::size_t>((r + k) % n)].get();
        if (slot->Box() != nullptr)
            return slot;
    }
    return nullptr;
}

CWidRegal::CMiejscePudla* CWidRegal::EmptySlotFor(const CSlowa::SPaczka* word) const
{
    for (const auto& slot : slots_)
        if (slot->Box() == nullptr && slot->Word() == word)
            return slot.get();
    return nullptr;
}
