// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The error of the picture decoders: a file that is not a picture they can
// read, or one whose headers do not fit its data.
#pragma once

#include <stdexcept>
#include <string>

class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& what) : std::runtime_error(what) {}
};

// Pictures larger than this are refused before any pixel memory is taken:
// the largest picture of the program is a 1280 x 1024 background.
constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;
constexpr int kMaxPictureSide = 32768;
