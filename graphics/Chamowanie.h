// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Braking curves: positions from a start to a target that move fast at
// first and slow down to rest, reaching the target exactly on the last step.
#pragma once

class Chamowanie {
public:
    // steps below 1 count as 1.
    void StartSquare(float start, float target, int steps);
    void StartCube(float start, float target, int steps);
    // The next position; the target once the steps are used up.
    float Next();

    int Remaining() const { return remaining_; }
    int TotalSteps() const { return total_; }

private:
    void Start(float start, float target, int steps, bool cube);

    float target_ = 0;
    float k_ = 0;
    int remaining_ = 1;
    int total_ = 1;
    bool cube_ = false;
};
