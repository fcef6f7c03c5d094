// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PolishPlural.h"

const std::string& PluralForm(int64_t n, const std::string& one, const std::string& few, const std::string& many)
{
    const uint64_t size = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    if (size == 1)
        return one;
    const uint64_t lastTwo = size % 100;
    const uint64_t last = size % 10;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return few;
    return many;
}

std::string CountOf(int64_t n, const std::string& one, const std::string& few, const std::string& many)
{
    return std::to_string(n) + " " + PluralForm(n, one, few, many);
}
