// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The endless conveyor belt: cans in a row, left to right, moving right by
// a few pixels a frame; a can leaving on the right comes back on the left
// behind the others, so the order never changes.
#pragma once

#include <memory>
#include <vector>

#include "games/conveyor/CTasPuszka.h"
#include "platform/Bitmap.h"

class CTasTasma {
public:
    // beltLine: the y of the cans' bottom edge; width: the scene's width.
    CTasTasma(int beltLine, int width);

    void Append(std::unique_ptr<CTasPuszka> can);
    // Frees every can still on the belt.
    void Clear();
    // Lays the cans out gap pixels apart, all to the left of the scene, the
    // last one just touching its left edge; they move speed pixels a frame.
    void Layout(int gap, int speed);
    // One frame of travel, with the cans that left on the right looped round.
    void Step();

    // Cans that overlap the scene, blended into target.
    void Draw(Bitmap& target) const;
    // The rectangles Draw covers, restored from background.
    void Erase(Bitmap& target, const Bitmap& background) const;

    // The first can whose grip band lies under px; it leaves the belt with
    // its screen position. nullptr when none.
    std::unique_ptr<CTasPuszka> TakeUnder(int px);
    // The can whose picture is at the point (the zoom), or nullptr.
    CTasPuszka* CanAt(int px, int py) const;

    bool Empty() const { return cans_.empty(); }
    int Count() const { return static_cast<int>(cans_.size()); }
    const CTasPuszka& Can(int i) const { return *cans_[static_cast<std::size_t>(i)]; }
    int ScreenX(int i) const { return Can(i).x + offset_; }
    TRect CanRect(int i) const;
    int BeltLine() const { return beltLine_; }
    int Width() const { return width_; }
    int Offset() const { return offset_; }
    int Gap() const { return gap_; }
    int Speed() const { return speed_; }

private:
    bool Visible(int i) const;

    std::vector<std::unique_ptr<CTasPuszka>> cans_;
    int gap_ = 0;
    int speed_ = 0;
    int beltLine_;
    int width_;
    int offset_ = 0;
};
