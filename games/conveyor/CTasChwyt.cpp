// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The magnet crane.
#include "games/conveyor/CTasChwyt.h"

#include <algorithm>
#include <utility>

#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"

namespace {

struct SOffsets {
    int g, f, e, d, c;
};

SOffsets OffsetsOfMode(int mode)
{
    if (mode == 2)
        return {9, 15, 18, 6, 52};
    if (mode == 4)
        return {11, 19, 22, 8, 66};
    return {14, 24, 28, 10, 84};
}

// How high the can's top must stay when it is pushed against the ceiling
// between two pipes: one pixel below the pipes' line.
constexpr int kBelowCeiling = 1;

}  // namespace

CTasChwyt::SPictures CTasChwyt::LoadPictures(const std::string& prefix)
{
    const std::string base = "Data\\Intf\\Spec\\" + prefix + "tas_";
    SPictures p;
    p.magg.LoadPair(base + "maggB.xbi", base + "maggW.xbi");
    p.mags.LoadPair(base + "magsB.xbi", base + "magsW.xbi");
    p.magd.LoadPair(base + "magdB.xbi", base + "magdW.xbi");
    p.kolg.LoadPair(base + "kolgB.xbi", base + "kolgW.xbi");
    p.kold.LoadPair(base + "koldB.xbi", base + "koldW.xbi");
    // Without the turning can the can simply is not drawn while it turns.
    static_cast<void>(p.puss.TryLoadPair(base + "pussB.xji", base + "pussW.xji"));
    p.rlpd = LoadBitmapFile(base + "rlpd.xbi");
    p.rlps = LoadBitmapFile(base + "rlps.xbi");
    p.rlpg = LoadBitmapFile(base + "rlpg.xbi");
    p.rgd = LoadBitmapFile(base + "rgd.xbi");
    return p;
}

CTasChwyt::CTasChwyt(int areaWidth, int railLine, CTasRury& pipes, int beltLimit, SPictures pictures)
    : pipes_(pipes), p_(std::move(pictures)), r_(areaWidth), y_(railLine)
{
    const CDisplay& d = Display();
    const SOffsets o = OffsetsOfMode(d.Mode());
    g_ = o.g, f_ = o.f, e_ = o.e, d_ = o.d, c_ = o.c;
    maxDistance_ = d.ConvertFromMode(16, 890);
    turnLength_ = d.ConvertFromMode(16, 22);
    rise_ = d.ConvertFromMode(16, 16);
    // Fully lowered, the magnet stops just above the cans on the belt.
    maxDown_ = beltLimit + g_ - c_ - H(p_.kolg) - y_;
    // Fully raised, a held can is half inside a pipe.
    maxUp_ = y_ + 1 - H(p_.magg) - g_ - pipes_.Line() - pipes_.UpperCanHeight() / 2;
}

void CTasChwyt::Reset(int startDistance)
{
    held_.reset();
    released_.reset();
    s_ = 1;
    t_ = 0;
    x_ = startDistance;
    target_ = nullptr;
    lastWrong_ = nullptr;
}

void CTasChwyt::Left(int a)
{
    if (target_ != nullptr)
        return;
    x_ = std::min(x_ + a, maxDistance_);
}

void CTasChwyt::Right(int a)
{
    if (target_ != nullptr)
        return;
    x_ = std::max(x_ - a, 0);
}

bool CTasChwyt::Down(int a)
{
    bool changed = false;
    if (s_ == 0) {
        t_ += a;
        if (t_ > turnLength_) {
            s_ = 1;
            t_ = 0;
            changed = true;
        }
    } else if (s_ == -1) {
        t_ -= a;
        if (t_ < 0) {
            s_ = 0;
            t_ = 0;
            changed = true;
        }
        // Pulled back out of the pipe: free to move sideways again.
        if (held_ && HeldCanTop() > pipes_.Line())
            target_ = nullptr;
    } else {
        t_ = std::min(t_ + a, maxDown_);
    }
    if (changed && held_)
        held_->upper = s_ == -1 ? 1 : 0;
    return changed;
}

bool CTasChwyt::Up(int a)
{
    bool changed = false;
    if (s_ == 1) {
        t_ -= a;
        if (t_ < 0) {
            s_ = 0;
            t_ = turnLength_;
            changed = true;
        }
    } else if (s_ == 0) {
        t_ -= a;
        if (t_ < 0) {
            s_ = -1;
            t_ = 0;
            changed = true;
        }
    } else {
        // A slow start, so that a short press lifts the can only a little.
        if (t_ < 6) {
            t_ += 1;
        } else if (t_ < 12) {
            t_ += 2;
        } else {
            t_ += a;
            PipeCheckUp(a);
            if (t_ > maxUp_) {
                t_ = maxUp_;
                Judge();
            }
        }
    }
    if (changed && held_)
        held_->upper = s_ == -1 ? 1 : 0;
    return changed;
}

void CTasChwyt::PipeCheckUp(int a)
{
    if (!held_)
        return;
    if (target_ != nullptr) {
        // The can is centred under the pipe while it goes in.
        const int m = target_->Centre();
        const int centre = MagnetCentreX();
        if (centre < m)
            x_ -= std::min(m - centre, a);
        else if (centre > m)
            x_ += std::min(centre - m, a);
        x_ = std::clamp(x_, 0, maxDistance_);
        return;
    }
    if (HeldCanTop() <= pipes_.Line()) {
        target_ = pipes_.PipeAt(MagnetCentreX());
        if (target_ == nullptr) {
            // The can bumps against the ceiling between the pipes.
            const int over = pipes_.Line() + kBelowCeiling - HeldCanTop();
            t_ -= over;
        }
        lastWrong_ = nullptr;
    }
}

void CTasChwyt::Judge()
{
    if (target_ == nullptr || !held_)
        return;
    const CTasRury::CRura& pipe = *target_;
    if ((held_->Word().Flags & target_->Sound & GL_WSZYSTKIE) != 0) {
        held_->x = MagnetCentreX() - held_->Width() / 2;
        held_->y = held_->Top(MagnetLine());
        released_ = std::move(held_);
        target_ = nullptr;
        if (OnDelivery)
            OnDelivery(true, *released_, pipe);
        return;
    }
    // Pushing on into the same wrong pipe counts nothing more.
    if (target_ != lastWrong_) {
        lastWrong_ = target_;
        if (OnDelivery)
            OnDelivery(false, *held_, pipe);
    }
}

bool CTasChwyt::ReadyToPick() const { return !held_ && s_ == 1 && t_ == maxDown_; }

void CTasChwyt::Take(std::unique_ptr<CTasPuszka> can)
{
    if (held_)
        return;
    held_ = std::move(can);
    if (held_)
        held_->upper = s_ == -1 ? 1 : 0;
}

void CTasChwyt::Step()
{
    if (!released_)
        return;
    released_->y -= rise_;
    if (released_->y + released_->Height() <= pipes_.Line())
        released_.reset();
}

int CTasChwyt::MagnetCentreX() const
{
    if (s_ == -1)
        return r_ + g_ + W(p_.magg) / 2 - W(p_.kolg) - x_ - f_;
    if (s_ == 1)
        return r_ + g_ + W(p_.magd) / 2 - W(p_.kold) - x_ - (f_ + 1);
    return r_ + g_ + W(p_.mags) / 2 - W(p_.kolg) - x_ - e_;
}

int CTasChwyt::MagnetLine() const
{
    if (s_ == -1)
        return y_ + 1 - H(p_.magg) - g_ - t_;
    if (s_ == 1)
        return H(p_.kolg) + y_ + t_ + c_ - g_;
    return y_ + (p_.rlpd ? p_.rlpd->Height() : 0) / 2;
}

int CTasChwyt::HeldCanTop() const
{
    if (s_ != -1 || !held_)
        return 100000;
    return held_->Top(MagnetLine());
}

TRect CTasChwyt::HeldCanRect() const
{
    if (!held_)
        return {};
    if (s_ == 0) {
        const int w = W(p_.puss), h = H(p_.puss);
        return RectXYWH(r_ + g_ - W(p_.kolg) - x_ - w / 2, y_ - h / 2, w, h);
    }
    const int w = held_->Width(), h = held_->Height();
    const int top = s_ == -1 ? MagnetLine() + held_->Lift() - h : MagnetLine() - held_->Lift();
    return RectXYWH(MagnetCentreX() - w / 2, top, w, h);
}

bool CTasChwyt::HeldCanAt(int px, int py) const
{
    const TRect r = HeldCanRect();
    return !r.IsEmpty() && px >= r.left && px < r.right && py >= r.top && py < r.bottom;
}

const Bitmap& CTasChwyt::Rail() const { return s_ == 1 ? *p_.rlpd : s_ == 0 ? *p_.rlps : *p_.rlpg; }

TRect CTasChwyt::RailRect() const
{
    const int railH = p_.rlpd ? p_.rlpd->Height() : 0;
    return x_ > 0 ? TRect{r_ - x_, y_, r_, y_ + railH} : TRect{};
}

CTasChwyt::Look CTasChwyt::CurrentLook() const
{
    Look look;
    look.count = Rects(look.rects.data());
    look.rail = RailRect();
    look.s = s_;
    look.held = held_.get();
    look.released = released_.get();
    return look;
}

int CTasChwyt::Rects(TRect* out) const
{
    int n = 0;
    if (x_ > 0)
        out[n++] = RailRect();
    const int rodW = p_.rgd ? p_.rgd->Width() : 0;
    if (s_ == -1) {
        out[n++] = RectXYWH(r_ - W(p_.kolg) - x_, y_ - g_, W(p_.kolg), H(p_.kolg));
        out[n++] = RectXYWH(r_ + g_ - W(p_.kolg) - x_ - f_, y_ - H(p_.magg) - g_ - t_, W(p_.magg), H(p_.magg));
        out[n++] = RectXYWH(r_ + g_ - W(p_.kolg) - x_, y_ - g_ - t_, rodW, t_);
    } else if (s_ == 1) {
        out[n++] = RectXYWH(r_ - W(p_.kold) - x_, y_ - g_, W(p_.kold), H(p_.kold));
        out[n++] = RectXYWH(r_ + g_ - W(p_.kold) - x_ - (f_ + 1), H(p_.kolg) + y_ + t_ - g_, W(p_.magd), H(p_.magd));
        out[n++] = RectXYWH(r_ + g_ - W(p_.kold) - x_, H(p_.kolg) + y_ - g_, rodW, t_);
    } else if (!held_) {
        out[n++] = RectXYWH(r_ + g_ - W(p_.kolg) - x_ - e_, y_ - d_, W(p_.mags), H(p_.mags));
    }
    if (held_) {
        TRect r = HeldCanRect();
        if (s_ == -1)
            r.top = std::max(r.top, pipes_.Line());
        out[n++] = r;
    }
    if (released_) {
        TRect r = RectXYWH(released_->x, released_->y, released_->Width(), released_->Height());
        r.top = std::max(r.top, pipes_.Line());
        out[n++] = r;
    }
    return n;
}

void CTasChwyt::Draw(Bitmap& target)
{
    const auto blend = [&target](const CTransBitmap& p, int x, int y) {
        if (p.Colour && p.Mask)
            BlendTransparent(&target, x, y, 255, y, x, &target, p.Colour->Bounds(), p.Mask.get(), p.Colour.get());
    };
    const int railH = p_.rlpd ? p_.rlpd->Height() : 0;
    if (x_ > 0)
        target.CopyRect({r_ - x_, y_, r_, y_ + railH}, Rail(), {0, 0, x_, railH});
    const int rodW = p_.rgd ? p_.rgd->Width() : 0;
    if (s_ == -1) {
        blend(p_.kolg, r_ - W(p_.kolg) - x_, y_ - g_);
        blend(p_.magg, r_ + g_ - W(p_.kolg) - x_ - f_, y_ - H(p_.magg) - g_ - t_);
        if (p_.rgd && t_ > 0)
            target.CopyRect(RectXYWH(r_ + g_ - W(p_.kolg) - x_, y_ - g_ - t_, rodW, t_), *p_.rgd, {0, 0, rodW, t_});
        if (held_) {
            held_->upper = 1;
            const TRect r = HeldCanRect();
            held_->DrawBelow(target, r.left, r.top, pipes_.Line());
        }
    } else if (s_ == 1) {
        blend(p_.kold, r_ - W(p_.kold) - x_, y_ - g_);
        blend(p_.magd, r_ + g_ - W(p_.kold) - x_ - (f_ + 1), H(p_.kolg) + y_ + t_ - g_);
        if (p_.rgd && t_ > 0)
            target.CopyRect(RectXYWH(r_ + g_ - W(p_.kold) - x_, H(p_.kolg) + y_ - g_, rodW, t_), *p_.rgd,
                            {0, 0, rodW, t_});
        if (held_) {
            held_->upper = 0;
            const TRect r = HeldCanRect();
            held_->DrawBelow(target, r.left, r.top, r.top);
        }
    } else if (held_) {
        blend(p_.puss, r_ + g_ - W(p_.kolg) - x_ - W(p_.puss) / 2, y_ - H(p_.puss) / 2);
    } else {
        blend(p_.mags, r_ + g_ - W(p_.kolg) - x_ - e_, y_ - d_);
    }
    if (released_) {
        released_->upper = 1;
        released_->DrawBelow(target, released_->x, released_->y, pipes_.Line());
    }
}

void CTasChwyt::Erase(Bitmap& target, const Bitmap& background) const
{
    TRect rects[8];
    const int n = Rects(rects);
    for (int i = 0; i < n; ++i)
        target.CopyRect(rects[i], background, rects[i]);
}
