// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/PictureReads.h"

namespace {

std::function<void(const std::filesystem::path&)>& Observer()
{
    static std::function<void(const std::filesystem::path&)> observer;
    return observer;
}

}  // namespace

void SetPictureReadObserver(std::function<void(const std::filesystem::path&)> observer)
{
    Observer() = std::move(observer);
}

void NotePictureRead(const std::filesystem::path& file)
{
    if (Observer())
        Observer()(file);
}
