// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's error: a numeric code that selects a fixed Polish message.
// Every fatal condition travels as a CBlad to the start-up routine, which
// shows the message and ends the program. The one class of core/ that the
// lower layers (graphics, controls) may raise as well.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class CBlad : public std::runtime_error {
public:
    explicit CBlad(int16_t code, std::string customText = {});

    int16_t Code;
    std::string CustomText;

    // The cp1250 message of this error's code (the free text for code 99).
    std::string Message() const;
};

// The cp1250 message of a code; empty for codes without one.
std::string MessageForCode(int16_t code, const std::string& customText = {});
