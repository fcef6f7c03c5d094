// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word catalogue: the built-in words with their sound, position and file
// key, the random choice of the words of an exercise (every word of a choice
// is given out once before any comes again), the words' pictures while a game
// runs, and the check of the word files in the data tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

class CUstGry;

class CSlowa {
public:
    struct SPaczka {
        std::string Key;  // file stem of the word's pictures and recording
        int32_t Flags = 0;  // one sound bit, one position bit, and FL_UZYTE
        // Compressed (JPEG) pictures: the bytes of the file, empty when none.
        std::string CardImage;
        std::string ExtraImage;
        std::unique_ptr<Bitmap> Picture;
        std::string SoundAlias;
        std::string Notation;  // cp1250, e.g. "a,b,e,_c,a,d,ł,o,"

        // Frees the three pictures.
        void ReleasePictures();
    };

    CSlowa();
    ~CSlowa();
    CSlowa(const CSlowa&) = delete;
    CSlowa& operator=(const CSlowa&) = delete;

    const std::vector<SPaczka>& Words() const { return Words_; }
    const std::vector<SPaczka*>& Filtered() const { return Filtered_; }
    const std::vector<SPaczka*>& Chosen() const { return Chosen_; }
    const std::vector<SPaczka*>& Pool() const { return Pool_; }
    const std::vector<SPaczka*>& Exercise() const { return Exercise_; }

    // The memory game's words.
    void Filter(const CUstGry& settings);
    bool ChooseForMemory(int n);
    void ReleaseChosen();

    // The words of the other games.
    int BuildPool(int32_t sounds, int32_t positions);
    int CountPool(int32_t sound, int32_t positions) const;
    int CollectFromPool(std::vector<SPaczka*>& target, int32_t sound, int32_t positions) const;
    bool ChooseExercise(int total, int32_t sounds);
    void ChooseOfSound(int count, int32_t sound, int32_t positions);
    void ClearExercise();
    static void ClearMarks(const std::vector<SPaczka*>& list, int n);
    void Shuffle();

    // Frees every word's pictures and empties the exercise and the memory deal.
    void ReleaseAll();

    static void PlayWordSound(const SPaczka& word);
    // The word in capitals for display: "b,u,_c,_i,k," gives BUCIK.
    static std::string CapitalSpelling(const SPaczka& word);

    // Compares the word files on disk with the catalogue and appends the report
    // lines (cp1250); true when nothing is missing and nothing is surplus.
    // The numbers of missing and surplus files go where asked.
    bool CheckResources(std::vector<std::string>& report, int* missingCount = nullptr,
                        int* surplusCount = nullptr) const;

private:
    std::vector<SPaczka> Words_;  // never resized after construction: the lists point into it
    std::vector<SPaczka*> Filtered_;
    std::vector<SPaczka*> Chosen_;
    std::vector<SPaczka*> Pool_;
    std::vector<SPaczka*> Exercise_;
};
