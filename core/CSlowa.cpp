// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word catalogue: building it from the word list, choosing the words of
// exercises and memory deals, and checking the word files.
#include "core/CSlowa.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/CUstGry.h"
#include "core/Notation.h"
#include "core/SoundCodes.h"
#include "core/SoundHelpers.h"
#include "core/WordTable.h"
#include "graphics/Universalfn.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"

void CSlowa::SPaczka::ReleasePictures()
{
    CardImage.clear();
    CardImage.shrink_to_fit();
    ExtraImage.clear();
    ExtraImage.shrink_to_fit();
    Picture.reset();
}

CSlowa::CSlowa()
{
    Words_.reserve(kWordCount);
    for (const char* notation : WordNotations()) {
        SPaczka& word = Words_.emplace_back();
        word.Notation = notation;
        word.Key = NotationKey(word.Notation);
        word.Flags = NotationFlags(word.Notation);
    }
}

CSlowa::~CSlowa()
{
    ReleaseAll();
}

void CSlowa::Filter(const CUstGry& settings)
{
    ReleaseChosen();
    Filtered_.clear();
    const int32_t positions = settings.Pozycja & POZ_WSZYSTKIE;
    const int32_t sounds = settings.Gloski & GL_WSZYSTKIE;
    for (SPaczka& word : Words_)
        if ((word.Flags & positions) && (word.Flags & sounds))
            Filtered_.push_back(&word);
}

bool CSlowa::ChooseForMemory(int n)
{
    ReleaseChosen();
    if (static_cast<int>(Filtered_.size()) < n)
        return false;
    const int size = static_cast<int>(Filtered_.size());
    for (int k = 0; k < n; ++k) {
        const int start = RandomInt(size);
        int j = start;
        while (Filtered_[static_cast<std::size_t>(j)]->Flags & FL_UZYTE) {
            j = (j + 1) % size;
            if (j == start) {
                // Every word was dealt: a new round begins here, without
                // taking back the words already dealt in this call.
                ClearMarks(Filtered_, size);
                break;
            }
        }
        SPaczka* word = Filtered_[static_cast<std::size_t>(j)];
        word->Flags |= FL_UZYTE;
        Chosen_.push_back(word);
    }
    return true;
}

void CSlowa::ReleaseChosen()
{
    for (SPaczka* word : Chosen_)
        word->ReleasePictures();
    Chosen_.clear();
}

int CSlowa::BuildPool(int32_t sounds, int32_t positions)
{
    Pool_.clear();
    sounds &= GL_WSZYSTKIE;
    positions &= POZ_WSZYSTKIE;
    for (SPaczka& word : Words_)
        if ((word.Flags & sounds) && (word.Flags & positions))
            Pool_.push_back(&word);
    return static_cast<int>(Pool_.size());
}

int CSlowa::CountPool(int32_t sound, int32_t positions) const
{
    positions &= POZ_WSZYSTKIE;
    return static_cast<int>(std::count_if(Pool_.begin(), Pool_.end(), [&](const SPaczka* word) {
        return (word->Flags & sound) && (word->Flags & positions);
    }));
}

int CSlowa::CollectFromPool(std::vector<SPaczka*>& target, int32_t sound, int32_t positions) const
{
    if (target.size() < Pool_.size())
        target.resize(Pool_.size());
    positions &= POZ_WSZYSTKIE;
    std::size_t count = 0;
    for (SPaczka* word : Pool_)
        if ((word->Flags & sound) && (word->Flags & positions))
            target[count++] = word;
    return static_cast<int>(count);
}

bool CSlowa::ChooseExercise(int total, int32_t sounds)
{
    if (total <= 0 || Pool_.empty())
        return false;
    std::array<int32_t, kSoundCount> sound{};
    const auto k = static_cast<std::size_t>(SplitSounds(sounds, sound));
    if (k == 0)
        return false;

    // Each sound gets its share of the total in proportion to its candidates,
    // rounded half up, and at least one word when it has any candidate.
    const int64_t n = static_cast<int64_t>(Pool_.size());
    std::array<int64_t, kSoundCount> share{};
    int64_t sum = 0;
    for (std::size_t i = 0; i < k; ++i) {
        const int64_t c = CountPool(sound[i], POZ_WSZYSTKIE);
        share[i] = c == 0 ? 0 : std::max<int64_t>((n + 2 * int64_t{total} * c) / (2 * n), 1);
        sum += share[i];
    }
    // A pool built for other sounds has nothing to give: there is no share to
    // grow, and the correction below would never end.
    if (sum == 0)
        return false;

    while (sum > total) {
        // The largest share gives one back; among equals, a random one.
        const int64_t largest = *std::max_element(share.begin(), share.begin() + static_cast<std::ptrdiff_t>(k));
        std::vector<std::size_t> tied;
        for (std::size_t i = 0; i < k; ++i)
            if (share[i] == largest)
                tied.push_back(i);
        --share[tied[static_cast<std::size_t>(RandomInt(static_cast<int>(tied.size())))]];
        --sum;
    }
    while (sum < total) {
        // The smallest share that is not empty gets one more; among equals, the first.
        std::size_t smallest = k;
        for (std::size_t i = 0; i < k; ++i)
            if (share[i] != 0 && (smallest == k || share[i] < share[smallest]))
                smallest = i;
        ++share[smallest];
        ++sum;
    }

    for (std::size_t i = 0; i < k; ++i)
        if (share[i] > 0)
            ChooseOfSound(static_cast<int>(share[i]), sound[i], POZ_WSZYSTKIE);
    Shuffle();
    return true;
}

void CSlowa::ChooseOfSound(int count, int32_t sound, int32_t positions)
{
    std::vector<SPaczka*> candidates;
    const int d = CollectFromPool(candidates, sound, positions);
    if (d == 0 || count <= 0)
        return;

    const std::size_t base = Exercise_.size();
    Exercise_.resize(base + static_cast<std::size_t>(count));
    bool renewed = false;
    int i = 0;
    while (i < count) {
        int j = RandomInt(d);
        const int start = j;
        bool allUsed = false;
        while (candidates[static_cast<std::size_t>(j)]->Flags & FL_UZYTE) {
            j = (j + 1) % d;
            if (j == start) {
                allUsed = true;
                break;
            }
        }
        if (allUsed) {
            ClearMarks(candidates, d);
            if (!renewed) {
                // The words placed so far were taken from the old round; choose
                // them again from the renewed one so that the exercise holds
                // no word twice.
                renewed = true;
                i = 0;
            }
            j = RandomInt(d);
        }
        SPaczka* word = candidates[static_cast<std::size_t>(j)];
        word->Flags |= FL_UZYTE;
        Exercise_[base + static_cast<std::size_t>(i)] = word;
        ++i;
    }
}

void CSlowa::ClearExercise()
{
    Exercise_.clear();
}

void CSlowa::ClearMarks(const std::vector<SPaczka*>& list, int n)
{
    const std::size_t count = std::min(list.size(), static_cast<std::size_t>(std::max(n, 0)));
    for (std::size_t i = 0; i < count; ++i)
        list[i]->Flags &= ~FL_UZYTE;
}

void CSlowa::Shuffle()
{
    const int m = static_cast<int>(Exercise_.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < m - 1; ++i) {
            const int j = i + RandomInt(m - i);
            if (j != i)
                std::swap(Exercise_[static_cast<std::size_t>(i)], Exercise_[static_cast<std::size_t>(j)]);
        }
    }
}

void CSlowa::ReleaseAll()
{
    for (SPaczka& word : Words_)
        word.ReleasePictures();
    ClearExercise();
    ReleaseChosen();
}

void CSlowa::PlayWordSound(const SPaczka& word)
{
    if (word.SoundAlias.empty())
        return;
    TheSoundPlayer().Play(NativePath(word.SoundAlias), true);
}

std::string CSlowa::CapitalSpelling(const SPaczka& word)
{
    std::string letters;
    for (const char ch : word.Notation)
        if (ch != ',' && ch != '_' && ch != ' ')
            letters += ch;
    return UpperPolish(letters);
}

bool CSlowa::CheckResources(std::vector<std::string>& report, int* missingCount, int* surplusCount) const
{
    struct WordFolder {
        const char* dir;
        const char* extension;
    };
    static constexpr WordFolder kFolders[] = {
        {"Data\\exio200b\\", ".xbi"},
        {"Data\\exio400j\\", ".xji"},
        {"Data\\Smd\\", ".pw"},
    };

    std::vector<std::string> missing;
    std::vector<std::string> surplus;
    for (const WordFolder& folder : kFolders) {
        std::vector<std::string> found;
        ListFiles(folder.dir, "*.*", found);
        std::vector<bool> claimed(found.size(), false);
        for (const SPaczka& word : Words_) {
            const std::string expected = word.Key + folder.extension;
            bool present = false;
            for (std::size_t i = 0; i < found.size(); ++i) {
                if (!claimed[i] && EqualsNoCase(found[i], expected)) {
                    claimed[i] = true;
                    present = true;
                    break;
                }
            }
            if (!present)
                missing.push_back(folder.dir + expected);
        }
        for (std::size_t i = 0; i < found.size(); ++i)
            if (!claimed[i])
                surplus.push_back(folder.dir + found[i]);
    }

    // One section per list: a line saying all is well, or a heading and the names.
    const auto appendSection = [&report](const std::vector<std::string>& names, const char* none, const char* heading) {
        if (names.empty()) {
            report.push_back(none);
        } else {
            report.push_back(heading);
            report.insert(report.end(), names.begin(), names.end());
        }
        report.push_back(std::string(56, '-'));
    };
    if (missingCount)
        *missingCount = static_cast<int>(missing.size());
    if (surplusCount)
        *surplusCount = static_cast<int>(surplus.size());
    report.push_back(std::string(56, '-'));
    appendSection(missing, "Wszystkie pliki zasobów istnieją."_cp, "Brakujące pliki zasobów:"_cp);
    appendSection(surplus, "Brak plików nadmiarowych."_cp, "Nadmiarowe pliki zasobów:"_cp);
    return missing.empty() && surplus.empty();
}
