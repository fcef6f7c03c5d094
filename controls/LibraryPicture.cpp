// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Library pictures read from the RESOURCE folder of BMP files.
#include "controls/LibraryPicture.h"

#include <exception>

#include "core/CBlad.h"
#include "graphics/LoadCorrectBitmap.h"
#include "platform/Paths.h"

std::string LibraryPicturePath(std::string_view name)
{
    return "RESOURCE\\" + std::string(name) + ".bmp";
}

void OpenLibraryPicture(std::string_view name, Bitmap& target)
{
    const std::string path = LibraryPicturePath(name);
    if (name.empty() || !FileExists(path))
        throw CBlad(1);
    Bitmap picture;
    try {
        LoadCorrectBitmap(picture, path);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
    // An empty picture would give a button of no size that nobody can press.
    if (picture.Empty())
        throw CBlad(1);
    target = std::move(picture);
}
