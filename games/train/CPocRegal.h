// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train's shelf of twelve boxes: which boxes a game uses and which sound
// each accepts, and finding the box under a point or for a sound.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "games/train/CPocPudlo.h"

class CUstGry;

class CPocRegal {
public:
    // Makes the twelve boxes of the display mode, box k accepting sound bit
    // 1 shl k until the first game; picture loading errors pass on.
    CPocRegal(int originX, int originY);
    // The same with the pictures made by loader from their file names.
    CPocRegal(int originX, int originY, const std::function<std::unique_ptr<Bitmap>(const std::string&)>& loader);
    CPocRegal(const CPocRegal&) = delete;
    CPocRegal& operator=(const CPocRegal&) = delete;

    // The practised sounds go to random boxes; the other boxes are hidden.
    void NewGame(const CUstGry& settings);
    void Draw(Bitmap& target) const;
    // The first active box hit at the point, in index order, or none.
    CPocPudlo* BoxAt(int px, int py) const;
    // The first active box of a sound, or none.
    CPocPudlo* BoxForSound(int32_t key) const;

    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    CPocPudlo& Box(int k) const { return *boxes_[static_cast<std::size_t>(k)]; }
    static constexpr int kBoxCount = 12;

private:
    std::vector<std::unique_ptr<CPocPudlo>> boxes_;
    int originX_;
    int originY_;
};
