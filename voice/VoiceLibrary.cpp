// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice's recordings of words and phrases in the voice folder.
#include "voice/VoiceLibrary.h"

#include <system_error>

#include "core/CSlowa.h"
#include "core/FeedbackPhrases.h"
#include "graphics/Universalfn.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/VoiceFiles.h"

namespace fs = std::filesystem;

namespace {

// Lower case, letters and digits only, the words separated by one space:
// how names are compared ("Brawo, brawo!" and "brawo_brawo" alike).
std::string Simplified(std::string_view cp1250)
{
    std::string out;
    bool space = false;
    for (const char ch : cp1250) {
        const unsigned char c = LowerCp1250(static_cast<unsigned char>(ch));
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c >= 0x80;
        if (!letter) {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += static_cast<char>(c);
    }
    return out;
}

bool Exists(const fs::path& file)
{
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

}  // namespace

std::string WrittenWord(std::string_view notation)
{
    std::string word;
    for (const char ch : notation)
        if (ch != ',' && ch != '_')
            word += static_cast<char>(LowerCp1250(static_cast<unsigned char>(ch)));
    return word;
}

VoiceLibrary::VoiceLibrary(const CSlowa& catalogue)
{
    for (const CSlowa::SPaczka& word : catalogue.Words()) {
        Entry& e = entries_.emplace_back();
        e.kind = Kind::Word;
        e.key = word.Key;
        e.text = WrittenWord(word.Notation);
        e.flags = word.Flags;
        e.treePath = "Data\\Smd\\" + word.Key + ".pw";
    }
    const auto addPhrases = [this](const std::vector<std::string>& phrases, const char* prefix) {
        for (std::size_t i = 0; i < phrases.size(); ++i) {
            Entry& e = entries_.emplace_back();
            e.kind = Kind::Phrase;
            e.key = prefix + IntToStrPad(static_cast<int>(i), 2);
            e.text = Utf8ToCp1250(phrases[i]);
            e.treePath = "Data\\Intf\\Smd\\" + e.key + ".pw";
        }
    };
    addPhrases(PraisePhrases(), "g");
    addPhrases(ReproachPhrases(), "b");
    for (Entry& e : entries_)
        e.file = HumanRecordingFor(e.treePath);
    Refresh();
}

int VoiceLibrary::Count(Kind kind) const
{
    int n = 0;
    for (const Entry& e : entries_)
        n += e.kind == kind;
    return n;
}

int VoiceLibrary::Recorded(Kind kind) const
{
    int n = 0;
    for (const Entry& e : entries_)
        n += e.kind == kind && e.recorded;
    return n;
}

void VoiceLibrary::Refresh()
{
    for (Entry& e : entries_)
        e.recorded = Exists(e.file);
}

fs::path VoiceLibrary::WasteBasket()
{
    const fs::path& folder = CurrentProgramPlaces().voice;
    return folder.empty() ? fs::path() : folder / "Kosz";
}

namespace {

// Copies the recording into the waste basket under its own name (an older
// copy there gives way); false with the reason when it cannot.
bool CopyToWasteBasket(const VoiceLibrary::Entry& e, std::string& error)
{
    const fs::path basket = VoiceLibrary::WasteBasket();
    // Phrases are named apart from words there, as they are in the voice folder.
    const std::string name = (e.kind == VoiceLibrary::Kind::Phrase ? "zwrot-" : "") + e.file.filename().string();
    std::string bytes;
    std::error_code ec;
    fs::create_directories(basket, ec);
    if (ec || !ReadWholeFile(e.file, bytes) || !WriteFileAtomically(basket / Utf8Path(name), bytes)) {
        error = "Nie można przenieść poprzedniego nagrania do kosza ("_cp + Utf8ToCp1250(basket.string()) +
                "). Sprawdź, czy na dysku jest miejsce."_cp;
        return false;
    }
    return true;
}

}  // namespace

bool VoiceLibrary::Keep(std::size_t i, const std::string& waveBytes, std::string& error)
{
    Entry& e = entries_.at(i);
    if (e.file.empty()) {
        error = "Nie wiadomo, gdzie zapisać nagranie: brak folderu użytkownika."_cp;
        return false;
    }
    std::error_code ec;
    fs::create_directories(e.file.parent_path(), ec);
    if (ec) {
        error = "Nie można utworzyć folderu "_cp + Utf8ToCp1250(e.file.parent_path().string()) + " (" +
                Utf8ToCp1250(ec.message()) + ").";
        return false;
    }
    if (Exists(e.file) && !CopyToWasteBasket(e, error))
        return false;
    if (!WriteFileAtomically(e.file, waveBytes)) {
        error = "Nie udało się zapisać nagrania "_cp + Utf8ToCp1250(e.file.string()) +
                ". Sprawdź, czy na dysku jest miejsce; poprzednie nagranie zostało bez zmian."_cp;
        return false;
    }
    e.recorded = true;
    return true;
}

bool VoiceLibrary::Remove(std::size_t i, std::string& error)
{
    Entry& e = entries_.at(i);
    if (!Exists(e.file)) {
        e.recorded = false;
        return true;
    }
    if (!CopyToWasteBasket(e, error))
        return false;
    std::error_code ec;
    fs::remove(e.file, ec);
    if (ec) {
        error = "Nie można usunąć pliku "_cp + Utf8ToCp1250(e.file.string()) + " (" + Utf8ToCp1250(ec.message()) + ").";
        return false;
    }
    e.recorded = false;
    return true;
}

int VoiceLibrary::Find(std::string_view utf8Stem) const
{
    const std::string wanted = Simplified(Utf8ToCp1250(utf8Stem));
    if (wanted.empty())
        return -1;
    // The written word first: "zebra" is the animal even though żebra's key is "zebra".
    for (const auto& match : {+[](const Entry& e) { return e.kind == Kind::Word ? Simplified(e.text) : std::string(); },
                              +[](const Entry& e) { return Simplified(e.key); },
                              +[](const Entry& e) { return e.kind == Kind::Phrase ? Simplified(e.text) : std::string(); }})
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (match(entries_[i]) == wanted)
                return static_cast<int>(i);
    return -1;
}

int VoiceLibrary::FindKey(Kind kind, std::string_view key) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].kind == kind && entries_[i].key == key)
            return static_cast<int>(i);
    return -1;
}
