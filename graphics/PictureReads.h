// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tells an observer about every picture file the loaders read, so that a
// benchmark can learn which pictures start-up really loads and compare
// start-up with decoding just those.
#pragma once

#include <filesystem>
#include <functional>

// An empty function removes the observer.
void SetPictureReadObserver(std::function<void(const std::filesystem::path&)> observer);
void NotePictureRead(const std::filesystem::path& file);
