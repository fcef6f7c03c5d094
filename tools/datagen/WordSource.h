// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words the generator makes files for: each word's file key and spelling.
#pragma once

#include <string>
#include <vector>

struct DatagenWord {
    std::string key;       // file stem, ASCII
    std::string spelling;  // the word in lower case, UTF-8
};

// Every word of the catalogue, in catalogue order.
std::vector<DatagenWord> CatalogueWords();

// The word as written: the notation (cp1250) without its commas and marks, in UTF-8.
std::string SpellingOfNotation(const std::string& notationCp1250);
