// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The magnet crane: a trolley on a rail between the belt and the pipes, with
// a magnet that points down to pick a can off the belt, turns, and points up
// to push the can into a pipe. It judges each delivery. Draws nothing but
// into the bitmap it is given; the screen steers it by the arrow keys.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "games/conveyor/CTasPuszka.h"
#include "games/conveyor/CTasRury.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CTasChwyt {
public:
    // The crane's pictures: the magnet up, turning and down, the trolley's
    // top and bottom, the can turning (may be missing), the rail strips of
    // the three states and the rod.
    struct SPictures {
        CTransBitmap magg, mags, magd, kolg, kold, puss;
        std::unique_ptr<Bitmap> rlpd, rlps, rlpg, rgd;
    };
    // The pictures of the display mode's prefix ("R2_", "R3_", "R5_");
    // raises the loaders' errors when one is missing.
    static SPictures LoadPictures(const std::string& prefix);

    // A delivery judged at the top of a pipe: right (the can is now the
    // released one) or wrong (the can stays on the magnet), and the pipe.
    std::function<void(bool right, const CTasPuszka& can, const CTasRury::CRura& pipe)> OnDelivery;

    // areaWidth: the scene's width R; railLine: Y; beltLimit: the lowest the
    // magnet's face may come (just above the cans on the belt).
    CTasChwyt(int areaWidth, int railLine, CTasRury& pipes, int beltLimit, SPictures pictures);
    CTasChwyt(const CTasChwyt&) = delete;
    CTasChwyt& operator=(const CTasChwyt&) = delete;

    // Frees the cans it has; the magnet down, drawn up to the rail, at
    // distance X from the right edge.
    void Reset(int startDistance);

    // Sideways: ignored while the held can is inside a pipe. Left moves away
    // from the right edge (X grows, at most MaxDistance), right towards it.
    void Left(int a);
    void Right(int a);
    // The magnet's travel; true when its state (down, turning, up) changed.
    bool Up(int a);
    bool Down(int a);

    // No can held, magnet down and fully lowered.
    bool ReadyToPick() const;
    // The can becomes the held one when none is held (else it is freed).
    void Take(std::unique_ptr<CTasPuszka> can);
    // Once a frame: the released can rises and is freed inside its pipe.
    void Step();

    int MagnetCentreX() const;
    int MagnetLine() const;
    // The held can's top while the magnet points up; 100000 otherwise.
    int HeldCanTop() const;
    // Whether the held can, where it is drawn, covers the point.
    bool HeldCanAt(int px, int py) const;
    // Where the held can is drawn (the turning can's picture while the
    // magnet turns); empty without one.
    TRect HeldCanRect() const;

    void Draw(Bitmap& target);
    void Erase(Bitmap& target, const Bitmap& background) const;
    // Every rectangle Draw covers for the present state (at most kMaxRects).
    static constexpr int kMaxRects = 8;
    int Rects(TRect* out) const;
    // The rail strip from the trolley to the right edge, drawn with the
    // trolley's place and the magnet's state: the widest piece by far.
    TRect RailRect() const;

    // What Draw draws follows from this alone: two equal looks draw the
    // same pixels, so a frame that left the look as it was need not draw
    // the crane again.
    struct Look {
        std::array<TRect, kMaxRects> rects{};
        int count = 0;
        TRect rail;  // one of rects, or empty
        int s = 0;
        const CTasPuszka* held = nullptr;
        const CTasPuszka* released = nullptr;
        bool operator==(const Look&) const = default;
    };
    Look CurrentLook() const;

    const CTasPuszka* Held() const { return held_.get(); }
    const CTasPuszka* Released() const { return released_.get(); }
    const CTasRury::CRura* TargetPipe() const { return target_; }
    const CTasRury::CRura* LastWrongPipe() const { return lastWrong_; }
    int X() const { return x_; }
    int T() const { return t_; }
    int S() const { return s_; }
    int MaxDistance() const { return maxDistance_; }
    int MaxDown() const { return maxDown_; }
    int MaxUp() const { return maxUp_; }
    int TurnLength() const { return turnLength_; }
    int RailLine() const { return y_; }
    int AreaWidth() const { return r_; }

private:
    void PipeCheckUp(int a);
    void Judge();
    int W(const CTransBitmap& p) const { return p.Colour ? p.Colour->Width() : 0; }
    int H(const CTransBitmap& p) const { return p.Colour ? p.Colour->Height() : 0; }
    const Bitmap& Rail() const;

    CTasRury& pipes_;
    std::unique_ptr<CTasPuszka> held_;
    std::unique_ptr<CTasPuszka> released_;
    SPictures p_;
    int x_ = 0;
    int t_ = 0;
    int s_ = 1;
    int r_;
    int y_;
    int maxDistance_;
    int maxDown_;
    int maxUp_;
    int turnLength_;
    // Drawing offsets of the mode: the trolley's overhang g, the magnet's
    // set-back f (down: f + 1) and e (turning), the turning magnet's drop d,
    // the down magnet's height c.
    int g_, f_, e_, d_, c_;
    int rise_;
    CTasRury::CRura* target_ = nullptr;
    CTasRury::CRura* lastWrong_ = nullptr;
};
