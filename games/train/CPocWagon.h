// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A wagon of the train: a stack of word pictures behind a front panel, the
// place where its top picture rests, and the line a lifted picture must pass
// to be out of the wagon.
#pragma once

#include <string_view>
#include <vector>

#include "core/CSlowa.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CDisplay;

class CPocWagon {
public:
    using SPaczka = CSlowa::SPaczka;

    // Where wagon i (1-4) stands in a display mode: its front's top-left
    // corner and its clearance line.
    struct SPlace {
        int x;
        int y;
        int clearance;
    };
    static SPlace Placement(const CDisplay& display, int i);

    // Loads the front pair base + "B.xji" / base + "W.xji"; raises
    // std::runtime_error("CPocWagon") when it cannot.
    CPocWagon(int x, int y, std::string_view baseName, int clearance);
    // A wagon with a front already made.
    CPocWagon(int x, int y, CTransBitmap front, int clearance);
    CPocWagon(const CPocWagon&) = delete;
    CPocWagon& operator=(const CPocWagon&) = delete;

    void Push(SPaczka* word) { words_.push_back(word); }
    void Pop();
    void Clear() { words_.clear(); }
    SPaczka* Top() const { return words_.empty() ? nullptr : words_.back(); }
    // The word under the top one, or none when fewer than two.
    SPaczka* Beneath() const { return words_.size() < 2 ? nullptr : words_[words_.size() - 2]; }
    int Count() const { return static_cast<int>(words_.size()); }
    const std::vector<SPaczka*>& Words() const { return words_; }

    int X() const { return x_; }
    int Y() const { return y_; }
    int Clearance() const { return clearance_; }
    int FrontWidth() const { return front_.Colour ? front_.Colour->Width() : 0; }
    int FrontHeight() const { return front_.Colour ? front_.Colour->Height() : 0; }
    TRect Rect() const { return RectXYWH(x_, y_, FrontWidth(), FrontHeight()); }
    // A wagon with at least one picture, hit inside its front.
    bool Hit(int px, int py) const;

    // Where a lifted picture of height pictureHeight may go when asked to
    // (x, y), its last place's top being previousY: never below its resting
    // place (refused); while it still reaches below the clearance line it
    // snaps onto the wagon's column near it, and once it was clear it
    // slides along the line instead of sinking back in.
    struct SMove {
        int x;
        int y;
        bool refused;
        bool out;  // clear of the wagon
    };
    SMove MoveRule(int x, int y, int previousY, int pictureHeight) const;
    // The pointer held as the confinement holds it during a drag: on the
    // column of the press and no lower than it while the picture is lifted,
    // then no lower than where the picture's bottom meets the clearance line.
    TPoint ConfinedPointer(TPoint pointer, TPoint grabOffset, bool released, int pictureHeight) const;

    // The top picture with the front composed over it, written at (x, y);
    // an empty wagon draws nothing.
    void DrawWithPicture(Bitmap& target) const;
    // The front over whatever the target holds at the wagon's place.
    void DrawFront(Bitmap& target) const;

private:
    std::vector<SPaczka*> words_;  // bottom first; not owned
    CTransBitmap front_;
    int x_;
    int y_;
    int clearance_;
};
