// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words the generator makes files for, as the program's catalogue has them.
#include "tools/datagen/WordSource.h"

#include "core/CSlowa.h"
#include "platform/Text.h"

std::string SpellingOfNotation(const std::string& notationCp1250)
{
    std::string plain;
    for (char c : notationCp1250)
        if (c != ',' && c != '_')
            plain += c;
    return Cp1250ToUtf8(plain);
}

std::vector<DatagenWord> CatalogueWords()
{
    const CSlowa catalogue;
    std::vector<DatagenWord> words;
    for (const CSlowa::SPaczka& word : catalogue.Words())
        words.push_back({word.Key, SpellingOfNotation(word.Notation)});
    return words;
}
