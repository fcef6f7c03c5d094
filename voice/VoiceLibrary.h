// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words and phrases the practice can record in its own voice: for each,
// what it says, the generated recording it stands in for, its file in the
// voice folder and whether that file is there; keeping and removing the
// recordings. A recording that is replaced or removed is moved to the
// folder's waste basket ("Kosz"), never simply lost.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CSlowa;

class VoiceLibrary {
public:
    enum class Kind { Word, Phrase };

    struct Entry {
        Kind kind = Kind::Word;
        std::string key;       // a word's key ("zaba") or a phrase's name ("g03")
        std::string text;      // cp1250, as the adult reads it: "żaba", "Brawo!"
        int32_t flags = 0;     // a word's sound and position bits
        std::string treePath;  // the generated recording, "Data\Smd\zaba.pw"
        std::filesystem::path file;  // the practice's recording
        bool recorded = false;
    };

    // Every word of the catalogue in its order, then the praise phrases and
    // the reproach phrases; looks at the voice folder once.
    explicit VoiceLibrary(const CSlowa& catalogue);

    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry& At(std::size_t i) const { return entries_[i]; }
    int Count(Kind kind) const;
    int Recorded(Kind kind) const;

    // Looks at the voice folder again (another program may have changed it).
    void Refresh();

    // Makes the wave bytes the entry's recording: written whole or not at
    // all, the previous recording moved to the waste basket first. False,
    // with the reason (cp1250), when that cannot be done; nothing is lost then.
    bool Keep(std::size_t i, const std::string& waveBytes, std::string& error);
    // Moves the entry's recording to the waste basket.
    bool Remove(std::size_t i, std::string& error);

    // The entry a file name stem (UTF-8, any letter case) names: a word as it
    // is written ("żaba"), a word's key ("zaba"), a phrase's name ("g03") or a
    // phrase's words without punctuation ("brawo brawo"); -1 when none does.
    int Find(std::string_view utf8Stem) const;
    // The entry of a kind with that key, or -1.
    int FindKey(Kind kind, std::string_view key) const;

    // The folder of the waste basket.
    static std::filesystem::path WasteBasket();

private:
    std::vector<Entry> entries_;
};

// A word as it is written, in lower case (cp1250): "żaba" of "_ż,a,b,a,".
std::string WrittenWord(std::string_view notation);
