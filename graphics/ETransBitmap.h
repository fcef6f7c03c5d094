// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The error of CTransBitmap: a numeric code with a fixed message, and the
// file name when a file was the cause.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class ETransBitmap : public std::runtime_error {
public:
    enum : uint8_t {
        berrUnknown = 1, berrFileOpen, berrFileCreate, berrBroken, berrUnknownType, berrLoad, berrSave, berrSize,
        berrRead, berrWrite, berrClose, berrWidth, berrHeight, berrFormat, berrEmpty, berrBadIndex,
        berrPixelFormat, berrDifferentType,
    };

    explicit ETransBitmap(uint8_t code);
    // The message gets ", Plik: " and the (cp1250) file name appended.
    ETransBitmap(uint8_t code, std::string_view fileName);

    uint8_t Code;
};

// The fixed cp1250 message of a code.
std::string TransBitmapMessage(uint8_t code);
