// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain cans, pipes and crane pictures for the conveyor's rules, without a
// data tree: solid pictures of the sizes the generated set gives each mode.
#pragma once

#include <memory>
#include <vector>

#include "core/CSlowa.h"
#include "core/SoundCodes.h"
#include "games/conveyor/CTasChwyt.h"
#include "games/conveyor/CTasPuszka.h"
#include "games/conveyor/CTasRury.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

// An opaque picture pair of one colour.
CTransBitmap SolidPicture(int w, int h, TColor colour);

// Words with a sound bit each, kept alive for the cans that refer to them.
class ConveyorWords {
public:
    const CSlowa::SPaczka& Add(int32_t sound, const char* key = "slowo");

private:
    std::vector<std::unique_ptr<CSlowa::SPaczka>> words_;
};

// Cans of the mode-16 sizes (148 x 184 lower, 148 x 180 upper), grip 40, lift 5.
class ConveyorCans {
public:
    ConveyorCans();
    std::unique_ptr<CTasPuszka> Make(const CSlowa::SPaczka& word, int width = 148) const;

private:
    Bitmap lowerMask_;
    Bitmap upperMask_;
    Bitmap narrowLowerMask_;
    Bitmap narrowUpperMask_;
};

// The crane's pictures at the sizes the generator gives the current mode.
CTasChwyt::SPictures CranePictures();

// The pipes of the current mode with the mode-16 upper can height (scaled).
std::unique_ptr<CTasRury> ModePipes();

struct DisplayRestorer {
    ~DisplayRestorer();
};
