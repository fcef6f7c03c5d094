// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One memory card: its pictures, its click area and its timers.
#include "games/memory/CKarta.h"

#include "core/SoundHelpers.h"
#include "games/memory/GraMemory.h"
#include "platform/Control.h"

CKarta::CKarta(graMemory& board, const CSlowa::SPaczka& word, int twin, const Bitmap& face, const Bitmap& back,
               TForm* parent)
    : word_(&word), twin_(twin), face_(face), back_(&back)
{
    Timers[kPairTimer].SetInterval(kPairDelayMs);
    Timers[kPairTimer].OnTimer = [this, &board] { board.PairTimer(*this); };
    Timers[kMissTimer].SetInterval(kMissDelayMs);
    Timers[kMissTimer].OnTimer = [this, &board] { board.MissTimer(*this); };
    if (parent != nullptr) {
        hitArea_ = std::make_unique<TControl>(*parent);
        hitArea_->Name = "karta";
        hitArea_->SetBounds(0, 0, face_.Width(), face_.Height());
        hitArea_->OnClick = [this, &board] { board.CardClick(*this); };
    }
}

CKarta::~CKarta() = default;

void CKarta::RemoveFromBoard()
{
    onBoard_ = false;
    // Hidden, not destroyed: the removal may run inside the area's own click.
    if (hitArea_)
        hitArea_->Hide();
}

void CKarta::SetPosition(int x, int y)
{
    position_ = {x, y};
    if (hitArea_)
        hitArea_->SetBounds(x, y, face_.Width(), face_.Height());
}

TRect CKarta::Rect() const
{
    return RectXYWH(position_.x, position_.y, face_.Width(), face_.Height());
}

void CKarta::DrawFace(Bitmap& surface) const
{
    surface.Draw(position_.x, position_.y, face_);
}

void CKarta::DrawBack(Bitmap& surface) const
{
    surface.Draw(position_.x, position_.y, *back_);
}

void CKarta::Erase(Bitmap& backBuffer, const Bitmap& background) const
{
    backBuffer.CopyRect(Rect(), background, Rect());
}

void CKarta::PlaySound() const
{
    PlayDataSound(word_->Key, true);
}
