// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/Universalfn.h"

#include <array>
#include <cstdlib>

#include <cstdlib>

#include "platform/Paths.h"
#include "platform/Text.h"

std::string UpperPolish(std::string_view text)
{
    std::string out(text);
    for (char& ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') {
            ch = static_cast<char>(c - 32);
            continue;
        }
        switch (c) {
        case 0xB9: ch = static_cast<char>(0xA5); break;  // ą
        case 0xEA: ch = static_cast<char>(0xCA); break;  // ę
        case 0x9C: ch = static_cast<char>(0x8C); break;  // ś
        case 0xE6: ch = static_cast<char>(0xC6); break;  // ć
        case 0xF1: ch = static_cast<char>(0xD1); break;  // ń
        case 0x9F: ch = static_cast<char>(0x8F); break;  // ź
        case 0xBF: ch = static_cast<char>(0xAF); break;  // ż
        case 0xF3: ch = static_cast<char>(0xD3); break;  // ó
        case 0xB3: ch = static_cast<char>(0xA3); break;  // ł
        default: break;
        }
    }
    return out;
}

std::string IntToStrPad(int number, int width)
{
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::string AddBackslash(std::string_view path)
{
    std::string out(path);
    if (!out.empty() && out.back() != '\\' && out.back() != '/')
        out += '\\';
    return out;
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // Iterative wildcard match with one backtracking point.
    std::size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' ||
                                LowerCp1250(static_cast<unsigned char>(mask[m])) ==
                                    LowerCp1250(static_cast<unsigned char>(name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

void ListFiles(std::string_view directory, std::string_view mask, std::vector<std::string>& list)
{
    for (std::string& name : FilesInDirectory(AddBackslash(directory)))
        if (MatchesMask(name, mask))
            list.push_back(std::move(name));
}

std::array<TRect, 2> UncoveredBands(int newX, int newY, TRect oldRect)
{
    const int dx = newX - oldRect.left;
    const int dy = newY - oldRect.top;
    if (std::abs(dx) >= oldRect.Width() || std::abs(dy) >= oldRect.Height())
        return {oldRect, TRect{}};
    std::array<TRect, 2> bands{};
    // The horizontal band the sprite left: above it when it moved down,
    // below it when it moved up.
    TRect rows = oldRect;
    if (dy > 0) {
        bands[0] = {oldRect.left, oldRect.top, oldRect.right, oldRect.top + dy};
        rows.top += dy;
    } else if (dy < 0) {
        bands[0] = {oldRect.left, oldRect.bottom + dy, oldRect.right, oldRect.bottom};
        rows.bottom += dy;
    }
    // The vertical band, on the rows the horizontal band did not cover.
    if (dx > 0)
        bands[1] = {oldRect.left, rows.top, oldRect.left + dx, rows.bottom};
    else if (dx < 0)
        bands[1] = {oldRect.right + dx, rows.top, oldRect.right, rows.bottom};
    return bands;
}

void RestoreUncovered(Bitmap& target, const Bitmap& background, int newX, int newY, TRect oldRect)
{
    for (const TRect& r : UncoveredBands(newX, newY, oldRect))
        if (!r.IsEmpty())
            target.CopyRect(r, background, r);
}
