// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The four pipes at the top of the conveyor scene, each labelled with the
// sound whose words it swallows.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Bitmap.h"

class CTransFont;

class CTasRury {
public:
    class CRura {
    public:
        CRura(int left, int right) : Left(left), Right(right) {}
        int Left;
        int Right;
        int32_t Sound = 0;  // a sound mask
        int Centre() const { return (Left + Right) / 2; }
    };

    // line: the y of the pipe mouths; radius: how far from a pipe's centre a
    // can is still caught by it; upperCanHeight: of the upper can picture.
    CTasRury(int line, int radius, int upperCanHeight);

    CRura& AddPipe(int left, int right);
    void SetSound(int index, int32_t sound);

    // The first pipe whose centre m has m - radius <= px < m + radius.
    CRura* PipeAt(int px) const;
    // The first pipe whose sound shares a bit with sound.
    CRura* PipeForSound(int32_t sound) const;
    // Each pipe's sound name centred above its mouth.
    void DrawLabels(Bitmap& target, CTransFont& font) const;

    int Count() const { return static_cast<int>(pipes_.size()); }
    CRura& Pipe(int i) const { return *pipes_[static_cast<std::size_t>(i)]; }
    int Line() const { return line_; }
    int Radius() const { return radius_; }
    int UpperCanHeight() const { return upperCanHeight_; }

private:
    std::vector<std::unique_ptr<CRura>> pipes_;
    int line_;
    int radius_;
    int upperCanHeight_;
};
