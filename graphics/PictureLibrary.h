// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's picture library: button and widget pictures found by name.
// It stands in for the library's one function OtworzBMP: the folder
// "RESOURCE" beside the program holds one BMP file per picture, the name
// plus ".bmp", letter case ignored.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/Bitmap.h"

// An unknown picture name or a file that is not a readable picture.
class EPictureLibrary : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fills target with the named picture (a bare cp1250 name such as "stop_A");
// target takes the picture's size. Throws EPictureLibrary when the name is
// unknown or the picture cannot be decoded; target is then left unchanged.
void OtworzBMP(std::string_view name, Bitmap& target);
