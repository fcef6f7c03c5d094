// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Division of many numerators by one divisor, exactly as integer division
// but by a multiplication and a shift where that is exact for the whole range
// of numerators (the rounded-up reciprocal then errs by less than 1/d).
#pragma once

#include <cstdint>

// floor(n / d) for every n <= maxNumerator whose quotient fits 32 bits.
class ExactDivider {
    __extension__ typedef unsigned __int128 Uint128;

public:
    ExactDivider(uint64_t divisor, uint64_t maxNumerator) : d_(divisor ? divisor : 1)
    {
        const uint64_t d = d_;
        const Uint128 need = static_cast<Uint128>(maxNumerator) * d;
        int k = 0;
        while (k < 64 && (static_cast<Uint128>(1) << k) < need)
            ++k;
        if (k >= 64)
            return;
        const Uint128 m = ((static_cast<Uint128>(1) << k) + d - 1) / d;
        if (m * maxNumerator >> 64)
            return;
        magic_ = static_cast<uint64_t>(m);
        shift_ = k;
        usable_ = true;
    }
    uint32_t operator()(uint64_t n) const
    {
        return static_cast<uint32_t>(usable_ ? n * magic_ >> shift_ : n / d_);
    }
    // The multiplier fits 32 bits: the vector kernel can use it.
    bool Fits32() const { return usable_ && magic_ <= 0xFFFFFFFFu; }
    uint32_t Magic() const { return static_cast<uint32_t>(magic_); }
    int Shift() const { return shift_; }

private:
    uint64_t d_;
    uint64_t magic_ = 0;
    int shift_ = 0;
    bool usable_ = false;
};
