// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor belt.
#include "games/conveyor/CTasTasma.h"

#include <utility>

CTasTasma::CTasTasma(int beltLine, int width) : beltLine_(beltLine), width_(width) {}

void CTasTasma::Append(std::unique_ptr<CTasPuszka> can) { cans_.push_back(std::move(can)); }

void CTasTasma::Clear() { cans_.clear(); }

void CTasTasma::Layout(int gap, int speed)
{
    gap_ = gap;
    speed_ = speed;
    int sum = 0;
    for (auto& can : cans_) {
        can->x = sum;
        sum += can->Width() + gap;
    }
    if (cans_.empty()) {
        offset_ = 0;
        return;
    }
    offset_ = -cans_.back()->x - cans_.back()->Width();
}

void CTasTasma::Step()
{
    offset_ += speed_;
    // Every can moved to the front gets a screen x left of the scene, so the
    // loop ends after at most one pass over the cans.
    while (!cans_.empty() && cans_.back()->x + offset_ > width_) {
        std::unique_ptr<CTasPuszka> last = std::move(cans_.back());
        cans_.pop_back();
        if (!cans_.empty() && cans_.front()->x + offset_ < 1)
            last->x = cans_.front()->x - gap_ - last->Width();
        else
            last->x = -offset_ - 2 * last->Width();
        cans_.insert(cans_.begin(), std::move(last));
    }
}

TRect CTasTasma::CanRect(int i) const
{
    const CTasPuszka& can = Can(i);
    return RectXYWH(can.x + offset_, beltLine_ - can.Height(), can.Width(), can.Height());
}

bool CTasTasma::Visible(int i) const
{
    const TRect r = CanRect(i);
    return r.right > 0 && r.left < width_;
}

void CTasTasma::Draw(Bitmap& target) const
{
    for (int i = 0; i < Count(); ++i)
        if (Visible(i))
            Can(i).Draw(target, ScreenX(i), beltLine_ - Can(i).Height());
}

void CTasTasma::Erase(Bitmap& target, const Bitmap& background) const
{
    for (int i = 0; i < Count(); ++i)
        if (Visible(i)) {
            const TRect r = CanRect(i);
            target.CopyRect(r, background, r);
        }
}

std::unique_ptr<CTasPuszka> CTasTasma::TakeUnder(int px)
{
    for (auto it = cans_.begin(); it != cans_.end(); ++it) {
        if (!(*it)->UnderGrip(px - offset_))
            continue;
        std::unique_ptr<CTasPuszka> can = std::move(*it);
        cans_.erase(it);
        can->x += offset_;
        can->y = beltLine_ - can->Height();
        return can;
    }
    return nullptr;
}

CTasPuszka* CTasTasma::CanAt(int px, int py) const
{
    if (cans_.empty() || py < beltLine_ - cans_.front()->Height() || py > beltLine_)
        return nullptr;
    for (const auto& can : cans_)
        if (can->x <= px - offset_ && px - offset_ < can->x + can->Width())
            return can.get();
    return nullptr;
}
