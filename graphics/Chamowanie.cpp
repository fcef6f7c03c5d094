// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Square and cube braking curves.
#include "graphics/Chamowanie.h"

void Chamowanie::Start(float start, float target, int steps, bool cube)
{
    if (steps < 1)
        steps = 1;
    const float n = static_cast<float>(steps);
    target_ = target;
    k_ = (target - start) / (cube ? n * n * n : n * n);
    remaining_ = steps;
    total_ = steps;
    cube_ = cube;
}

void Chamowanie::StartSquare(float start, float target, int steps)
{
    Start(start, target, steps, false);
}

void Chamowanie::StartCube(float start, float target, int steps)
{
    Start(start, target, steps, true);
}

float Chamowanie::Next()
{
    if (remaining_ <= 1)
        return target_;
    --remaining_;
    const float r = static_cast<float>(remaining_);
    return target_ - (cube_ ? r * r * r : r * r) * k_;
}
