// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A rack of the forklift game: its slots, each with a box or waiting for the
// box of its word, the bounds the truck approaches, and the finding of the
// slot the fork meets. It remembers the slot last changed, so the screen
// knows when the scene behind the truck must be drawn again.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "games/forklift/CWidPudlo.h"
#include "platform/Bitmap.h"

class CWidRegal {
public:
    class CMiejscePudla {
    public:
        // A slot holding box, taking the box's word; a missing box raises
        // std::invalid_argument.
        CMiejscePudla(CWidRegal& rack, int x, int shelfY, std::unique_ptr<CWidPudlo> box);
        // An empty slot waiting for word's box.
        CMiejscePudla(CWidRegal& rack, CSlowa::SPaczka* word, int x, int shelfY, int width);
        CMiejscePudla(const CMiejscePudla&) = delete;
        CMiejscePudla& operator=(const CMiejscePudla&) = delete;

        // Puts the box on the shelf centred on x; the slot takes its width.
        void SetBox(std::unique_ptr<CWidPudlo> box);
        // The box leaves the slot (its width stays); the rack notes the change.
        std::unique_ptr<CWidPudlo> TakeBox();
        // SetBox, and the rack notes the change.
        void PutBox(std::unique_ptr<CWidPudlo> box);

        CWidRegal& Rack() const { return *rack_; }
        CSlowa::SPaczka* Word() const { return word_; }
        int X() const { return x_; }
        int ShelfY() const { return shelfY_; }
        int Width() const { return width_; }
        CWidPudlo* Box() const { return box_.get(); }

        // The box's width while it holds one, else the slot's own.
        int EffectiveWidth() const;
        int Left() const;
        int Right() const;
        int Top() const;
        int Bottom() const;

    private:
        CWidRegal* rack_;
        CSlowa::SPaczka* word_;
        int x_;
        int shelfY_;
        int width_;
        std::unique_ptr<CWidPudlo> box_;
    };

    CWidRegal() = default;
    CWidRegal(const CWidRegal&) = delete;
    CWidRegal& operator=(const CWidRegal&) = delete;

    // Appends the slot and widens the bounds to it; bounds change only here.
    CMiejscePudla& AddSlot(std::unique_ptr<CMiejscePudla> slot);
    // Draws every box standing in the rack; the rack counts as drawn.
    void Draw(Bitmap& target);

    // The first slot in list order whose shelf lies within t of py and
    // which spans px.
    CMiejscePudla* NearSlot(int px, int py, int t) const;
    // That first near slot, only when it holds a box / only when it is empty.
    CMiejscePudla* BoxedSlotNear(int px, int py, int t) const;
    CMiejscePudla* EmptySlotNear(int px, int py, int t) const;
    // The box of the first slot whose box contains the point.
    CWidPudlo* BoxAt(int px, int py) const;
    // A slot holding a box, searched from a random index onwards; none when
    // the rack holds no box.
    CMiejscePudla* RandomBoxedSlot() const;
    // The first empty slot waiting for word.
    CMiejscePudla* EmptySlotFor(const CSlowa::SPaczka* word) const;

    const std::vector<std::unique_ptr<CMiejscePudla>>& Slots() const { return slots_; }
    const TRect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Right() const { return bounds_.right; }
    // The slot taken from or put into since the rack was last drawn.
    CMiejscePudla* ChangedSlot() const { return changed_; }
    bool Changed() const { return changed_ != nullptr; }

private:
    std::vector<std::unique_ptr<CMiejscePudla>> slots_;
    TRect bounds_;
    CMiejscePudla* changed_ = nullptr;
};
