// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the word and sound half of the default data tree under a root folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/datagen/WordSource.h"

struct PictureCounts {
    int emoji = 0;
    int drawing = 0;
    int caption = 0;
    int written = 0;  // words whose two picture files were written
};

// The word's three files relative to the root, as native paths.
std::filesystem::path SmallPicturePath(const std::string& key);
std::filesystem::path LargePicturePath(const std::string& key);
std::filesystem::path RecordingPath(const std::string& key);

// "Data\exio200b\KEY.xbi" and "Data\exio400j\KEY.xji" for every word.
// Throws std::runtime_error when a file cannot be written.
PictureCounts WriteWordPictures(const std::filesystem::path& root, const std::vector<DatagenWord>& words,
                                unsigned threads);

// "Data\Smd\KEY.pw", each word spoken by espeak-ng.
void WriteWordRecordings(const std::filesystem::path& root, const std::vector<DatagenWord>& words, unsigned threads);

// "Data\Intf\Smd\g00.pw".."g46.pw" (praise) and "b00.pw".."b39.pw" (reproach).
void WriteFeedbackRecordings(const std::filesystem::path& root, unsigned threads);

// "Data\Intf\Smd\music.wav".
void WriteMusic(const std::filesystem::path& root);

// Files in the three word folders that belong to no word, so that the
// program's resource check finds exactly one file per word in each.
std::vector<std::filesystem::path> SurplusWordFiles(const std::filesystem::path& root,
                                                    const std::vector<DatagenWord>& words);
