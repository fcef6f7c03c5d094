// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// After a hint the help button is refused for a short while, so that a child
// hammering it does not queue hint after hint.
#pragma once

#include <cstdint>

class HintGate {
public:
    static constexpr int kRefusalMs = 400;

    // A new game: the first hint is allowed at once.
    void Reset() { nextMs_ = 0; }
    // Whether a hint asked for at nowMs may run.
    bool Allows(int64_t nowMs) const { return nowMs >= nextMs_; }
    // A hint has just ended at nowMs.
    void HintEnded(int64_t nowMs) { nextMs_ = nowMs + kRefusalMs; }
    int64_t NextHintMs() const { return nextMs_; }

private:
    int64_t nextMs_ = 0;
};
