// A page of word pictures side by side, for looking over the art at a glance.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/datagen/WordSource.h"

// Draws the small pictures of count words from index first, six a row with
// their keys beneath and the memory card cut from each beside it, into a PNG file. Throws std::runtime_error on failure.
void WriteContactSheet(const std::filesystem::path& png, const std::vector<DatagenWord>& words, int first, int count);
