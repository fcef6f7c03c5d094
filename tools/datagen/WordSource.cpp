// The words the generator makes files for, taken from the catalogue's notation.
#include "tools/datagen/WordSource.h"

#include "platform/Text.h"

namespace {

// Stand-in for the catalogue's own key rule: the notation without marks, Polish
// letters plain, and two keys changed so that every key is unique.
std::string StandInKey(const std::string& notation)
{
    if (notation == "ł,o,_ś,"_cp)
        return "losss";
    if (notation == "_z,e,b,r,a,"_cp)
        return "zebraa";
    const std::string from = "ąćęłńóśźż"_cp;
    const std::string to = "acelnoszz";
    std::string key;
    for (char c : notation) {
        if (c == ',' || c == '_')
            continue;
        const auto at = from.find(c);
        key += at == std::string::npos ? c : to[at];
    }
    return key;
}

}  // namespace

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
    std::vector<DatagenWord> words;
    for (const std::string& notation : StandInNotations())
        words.push_back({StandInKey(notation), SpellingOfNotation(notation)});
    return words;
}
