// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train's shelf of twelve boxes.
#include "games/train/CPocRegal.h"

#include <array>

#include "core/CUstGry.h"
#include "core/SoundHelpers.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"

CPocRegal::CPocRegal(int originX, int originY)
    : CPocRegal(originX, originY, [](const std::string& name) { return LoadJpegFile(name); })
{
}

CPocRegal::CPocRegal(int originX, int originY,
                     const std::function<std::unique_ptr<Bitmap>(const std::string&)>& loader)
    : originX_(originX), originY_(originY)
{
    for (int k = 0; k < kBoxCount; ++k) {
        const CPocPudlo::SPlace p = CPocPudlo::Placement(Display(), k, originX, originY);
        auto box = std::make_unique<CPocPudlo>(*this, p.x, loader(p.pictureName), p.dy, p.dx, p.y);
        box->Key = int32_t{1} << k;
        boxes_.push_back(std::move(box));
    }
}

void CPocRegal::NewGame(const CUstGry& settings)
{
    std::array<int32_t, kSoundCount> sounds{};
    const int n = SplitSounds(settings.Gloski, sounds);
    std::array<int, kBoxCount> values{};
    for (int k = 0; k < n && k < kBoxCount; ++k)
        values[static_cast<std::size_t>(k)] = sounds[static_cast<std::size_t>(k)];
    ShuffleInts(values.data(), kBoxCount);
    for (int k = 0; k < kBoxCount; ++k) {
        CPocPudlo& box = Box(k);
        box.Key = values[static_cast<std::size_t>(k)];
        box.Active = box.Key != 0;
    }
}

void CPocRegal::Draw(Bitmap& target) const
{
    for (const auto& box : boxes_)
        box->Draw(target);
}

CPocPudlo* CPocRegal::BoxAt(int px, int py) const
{
    for (const auto& box : boxes_)
        if (box->Active && box->Hit(px, py))
            return box.get();
    return nullptr;
}

CPocPudlo* CPocRegal::BoxForSound(int32_t key) const
{
    for (const auto& box : boxes_)
        if (box->Active && box->Key == key)
            return box.get();
    return nullptr;
}
